#pragma once
// Draws the blank gauge faces described by FaceStyles (bezels, dials, glass; no scale, no
// needle) and writes them as JPEG files named after their index.

#include <QImage>
#include <QString>

namespace Vex {

struct TFaceStyle;

// The face at its own size, opaque. Round faces are a neutral dark outside the inscribed
// ellipse, which the gauge's window outline never shows.
QImage DrawFace(const TFaceStyle &Style);

// Writes 1.jpg .. 21.jpg into Folder, creating it if needed; false with Error set on failure.
bool WriteFaces(const QString &Folder, QString &Error);

} // namespace Vex
