#pragma once
// A contact sheet of the written faces for checking them by eye: every face read back from its
// JPEG file at its own size, cut to the outline a gauge gives it, captioned with its index and
// size. The captions need fonts, so a QGuiApplication must exist.

#include <QString>

namespace Vex {

// Reads 1.jpg .. 21.jpg from Folder and saves the sheet as SheetFile (PNG); false with Error set.
bool WriteContactSheet(const QString &Folder, const QString &SheetFile, QString &Error);

} // namespace Vex
