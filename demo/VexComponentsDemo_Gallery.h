#pragma once
// The gallery: the main window photographed on every page it can reach, for looking at the
// demonstration without a display. The pictures are the whole window, taken once each page's
// animations have run their course.

#include <QString>
#include <QStringList>

namespace Vex {

class TfrmMain;

// Frames run before each picture: the longest typed line of a page (about 70 characters) and
// the springs of the instruments settle well within them.
inline constexpr int GallerySettleFrames = 150;

// Shows Main (on the offscreen platform it is shown nowhere) and saves "NN-name.png" into
// Folder for the contact page, each product's overview and every further registered page of
// each menu; data pages only while the sample database is available. Returns the files written;
// raises EVexError when the folder or a file cannot be written.
QStringList WriteGallery(TfrmMain &Main, const QString &Folder);

} // namespace Vex
