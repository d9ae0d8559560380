#pragma once
// The two pictures of the demonstration's contact page: the maker's logo (169 x 57) and the
// product banner (289 x 57), drawn here like the faces and written as JPEG. The lettering
// needs fonts, so a QGuiApplication must exist.

#include <QImage>
#include <QString>

namespace Vex {

QImage DrawLogo();
QImage DrawProductBanner();

// Writes logo.jpg and banner.jpg into Folder, creating it if needed; false with Error set.
bool WriteBanners(const QString &Folder, QString &Error);

} // namespace Vex
