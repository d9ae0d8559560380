#pragma once
// The gallery: the main window photographed on every page it can reach, for looking at the
// demonstration without a display. Each picture is taken after one simulated second of the
// page's life (frame timer and page timers driven, nothing waited for), so needles, drums and
// typed labels are caught in motion; a page with an editor is photographed once more with its
// editor open over it.

#include <QString>
#include <QStringList>

namespace Vex {

class TfrmMain;

// Frames of 20 ms run before each picture: one second.
inline constexpr int GallerySettleFrames = 50;

// Runs the frame timer and the current page's timers through GallerySettleFrames frames, as
// they would run in that time: a page timer fires on opening and then every Interval.
void RunPageFor(TfrmMain &Main, int Frames);

// Shows Main (on the offscreen platform it is shown nowhere) and saves "NN-name.png" into
// Folder for the contact page, each product's overview and every further registered page of
// each menu, and "NN-name-editor.png" for the editor of each page that has one; data pages only
// while the sample database is available. The random generator is seeded the same way every
// time, so the pictures can be compared between runs. Returns the files written; raises
// EVexError when the folder or a file cannot be written.
QStringList WriteGallery(TfrmMain &Main, const QString &Folder);

} // namespace Vex
