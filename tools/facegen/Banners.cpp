#include "Banners.h"

#include "FaceGenerator.h"
#include "FaceParts.h"
#include "FaceStyles.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace Vex {

namespace {
constexpr QSize KLogoSize(169, 57);
constexpr QSize KBannerSize(289, 57);
constexpr int KJpegQuality = 92;
// The navy sunburst face with its chrome ring: the emblem of both pictures.
constexpr int KEmblemFace = 10;

const QColor KNavy(18, 36, 72);
const QColor KAmber(255, 160, 32);

QFont Lettering(const char *Family, int PixelSize, QFont::Weight Weight, float Spacing = 0) {
    QFont Font(QString::fromLatin1(Family));
    Font.setPixelSize(PixelSize);
    Font.setWeight(Weight);
    if (Spacing != 0)
        Font.setLetterSpacing(QFont::AbsoluteSpacing, Spacing);
    Font.setHintingPreference(QFont::PreferNoHinting);
    return Font;
}

QPointF OnCircle(QPointF Centre, double Radius, double Degrees) {
    const double A = Degrees * std::numbers::pi / 180;
    return Centre + QPointF(Radius * std::cos(A), -Radius * std::sin(A));
}

// A small gauge: the emblem face shrunk to Diameter, with a scale from 225 to -45 degrees and
// an amber needle standing at Angle, under a drop shadow.
void DrawEmblem(QPainter &Painter, QPointF Centre, float Diameter, double Angle) {
    const TFaceStyle &Style = FaceStyles()[KEmblemFace - 1];
    const float Radius = Diameter / 2;
    const QPainterPath Outline = Disc(Centre, Radius);
    DrawDropShadow(Painter, Outline, QPointF(1, 1.5), 2, 140);
    Painter.save();
    Painter.setClipPath(Outline);
    Painter.drawImage(QRectF(Centre.x() - Radius, Centre.y() - Radius, Diameter, Diameter),
                      DrawFace(Style));
    Painter.restore();
    const float Scale = Radius * Style.Rings.back().Inner * 0.86f;
    for (int Tick = 0; Tick <= 10; ++Tick) {
        const double Degrees = 225 - 27.0 * Tick;
        const bool Major = Tick % 5 == 0;
        Painter.setPen(QPen(QColor(235, 240, 250), Major ? 1.3 : 0.8));
        Painter.drawLine(OnCircle(Centre, Scale, Degrees),
                         OnCircle(Centre, Scale * (Major ? 0.74 : 0.84), Degrees));
    }
    Painter.setPen(QPen(KAmber, 1.6, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(OnCircle(Centre, Scale * 0.2, Angle + 180), OnCircle(Centre, Scale, Angle));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(40, 40, 44));
    Painter.drawEllipse(Centre, Radius * 0.12, Radius * 0.12);
    DrawRoundGlass(Painter, QRectF(Centre.x() - Radius, Centre.y() - Radius, Diameter, Diameter),
                   60);
}

QImage NewPicture(QSize Size, const QColor &Fill) {
    QImage Picture(Size, QImage::Format_ARGB32_Premultiplied);
    Picture.fill(Fill);
    return Picture;
}

bool Save(const QImage &Picture, const QString &File, QString &Error) {
    if (Picture.convertToFormat(QImage::Format_RGB32).save(File, "JPG", KJpegQuality))
        return true;
    Error = QStringLiteral("cannot write %1").arg(File);
    return false;
}
} // namespace

// White like the page it stands on: the emblem, the maker's name in navy and a thin amber rule
// with the line of business spaced out below it.
QImage DrawLogo() {
    QImage Logo = NewPicture(KLogoSize, Qt::white);
    QPainter Painter(&Logo);
    Painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    DrawEmblem(Painter, QPointF(29, 28.5), 47, 62);
    Painter.setPen(KNavy);
    Painter.setFont(Lettering("Liberation Sans", 27, QFont::Bold, -0.5f));
    Painter.drawText(QPointF(59, 31), QStringLiteral("Tessark"));
    Painter.fillRect(QRectF(60, 36, 102, 1.5), KAmber);
    Painter.setPen(QColor(90, 98, 112));
    Painter.setFont(Lettering("Liberation Sans", 9, QFont::DemiBold, 1.6f));
    Painter.drawText(QPointF(60, 48), QStringLiteral("TECHNOLOGIES"));
    return Logo;
}

// A glossy night-blue panel lit from the upper left, the emblem, the product's name with "Vex"
// in amber, and what the product is in small letters beneath an amber rule.
QImage DrawProductBanner() {
    QImage Banner = NewPicture(KBannerSize, KNavy);
    QPainter Painter(&Banner);
    Painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    QRadialGradient Glow(QPointF(40, 0), 260);
    Glow.setColorAt(0, QColor(44, 82, 140));
    Glow.setColorAt(0.55, QColor(20, 40, 82));
    Glow.setColorAt(1, QColor(8, 16, 36));
    Painter.fillRect(Banner.rect(), Glow);
    // The gloss of a lacquered panel over its upper half.
    QLinearGradient Gloss(QPointF(0, 0), QPointF(0, KBannerSize.height() / 2.0));
    Gloss.setColorAt(0, QColor(255, 255, 255, 34));
    Gloss.setColorAt(1, QColor(255, 255, 255, 6));
    Painter.fillRect(QRectF(0, 0, KBannerSize.width(), KBannerSize.height() / 2.0), Gloss);
    DrawEmblem(Painter, QPointF(30, 28.5), 45, 40);

    const QFont Name = Lettering("Liberation Sans", 28, QFont::Bold, -0.4f);
    const QString Vex = QStringLiteral("Vex");
    const QPointF Baseline(62, 32);
    Painter.setFont(Name);
    Painter.setPen(QColor(0, 0, 0, 110));
    Painter.drawText(Baseline + QPointF(1, 1.5), Vex + QStringLiteral("Components"));
    Painter.setPen(KAmber);
    Painter.drawText(Baseline, Vex);
    Painter.setPen(Qt::white);
    Painter.drawText(Baseline + QPointF(QFontMetricsF(Name).horizontalAdvance(Vex), 0),
                     QStringLiteral("Components"));
    QLinearGradient Rule(QPointF(63, 0), QPointF(280, 0));
    Rule.setColorAt(0, KAmber);
    Rule.setColorAt(1, QColor(255, 160, 32, 0));
    Painter.fillRect(QRectF(63, 37, 217, 1.2), Rule);
    Painter.setPen(QColor(200, 214, 236));
    Painter.setFont(Lettering("Liberation Sans", 10, QFont::Normal, 0.6f));
    Painter.drawText(QPointF(63, 50), QStringLiteral("animated instrument controls for Qt"));
    return Banner;
}

bool WriteBanners(const QString &Folder, QString &Error) {
    if (!QDir().mkpath(Folder)) {
        Error = QStringLiteral("cannot create the folder %1").arg(Folder);
        return false;
    }
    const QDir Dir(Folder);
    return Save(DrawLogo(), Dir.filePath(QStringLiteral("logo.jpg")), Error) &&
           Save(DrawProductBanner(), Dir.filePath(QStringLiteral("banner.jpg")), Error);
}

} // namespace Vex
