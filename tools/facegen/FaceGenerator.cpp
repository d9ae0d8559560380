#include "FaceGenerator.h"

#include "FaceParts.h"
#include "FaceStyles.h"
#include "Grain.h"

#include <QDir>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vex {

namespace {
const QColor KBackdrop(28, 28, 30);
// Faces are painted at this many times their size and averaged down, so that edges, hairlines
// and the lathe's rings land on the final pixels with their true coverage.
constexpr int KOversample = 3;
// How far the outermost ring of a round face reaches past the inscribed ellipse, in final
// pixels: every pixel the gauge's round outline keeps is then all bezel, none of it backdrop.
constexpr float KBleed = 1;
// High enough that the 8 x 8 blocks of the compression do not show when the dial is zoomed.
constexpr int KJpegQuality = 95;

QPainterPath Band(float Outer, float Inner) {
    return Disc({}, Outer).subtracted(Disc({}, Inner));
}

void DrawRing(QPainter &Painter, const TRing &Ring, float Half, TRandom &Random) {
    const float Outer = Ring.Outer * Half;
    const float Inner = Ring.Inner * Half;
    const TFinish &Finish = FinishOf(Ring.Finish);
    FillLathe(Painter, {}, Outer, Outer - Inner, ProfileOf(Ring.Shape), Finish);
    if (Finish.Turned > 0)
        DrawTurnedMarks(Painter, {}, Outer, Inner, Finish.Turned, Random);
    if (Finish.Grain > 0)
        DrawGrain(Painter, Band(Outer, Inner), Finish.Grain, Random);
    if (Ring.Knurled) {
        // About one ridge per two pixels of circumference, over the outer part of the ring.
        const int Ridges = int(2 * std::numbers::pi * Outer / 2.2);
        DrawKnurling(Painter, {}, Outer, Outer - (Outer - Inner) * 0.45f, Ridges);
    }
}

// Screws set into the middle of the outermost ring, the first at the upper right.
void DrawBezelScrews(QPainter &Painter, const TFaceStyle &Style, float Half, TRandom &Random) {
    const TRing &Ring = Style.Rings.front();
    const float Middle = (Ring.Outer + Ring.Inner) * 0.5f * Half;
    const float Radius = (Ring.Outer - Ring.Inner) * 0.32f * Half;
    for (int I = 0; I < Style.BezelScrews; ++I) {
        const double Angle = std::numbers::pi / 4 + 2 * std::numbers::pi * I / Style.BezelScrews;
        const QPointF Centre(Middle * std::cos(Angle), -Middle * std::sin(Angle));
        DrawScrew(Painter, Centre, Radius, FinishOf(Ring.Finish), shSlotted,
                  float(Random.Below(180)));
    }
}

void DrawDialTexture(QPainter &Painter, const QPainterPath &Area, QPointF Centre, float Radius,
                     const TDialLook &Look, TRandom &Random) {
    switch (Look.Texture) {
    case dtMatte:
        DrawGrain(Painter, Area, Look.Amount, Random);
        break;
    case dtGrained: {
        const QRect Box = Area.boundingRect().toAlignedRect();
        QImage Blotches = GrainLayer(Box.size(), Look.Amount * 3, Random);
        BoxBlur(Blotches, 1, 2);
        DrawLayer(Painter, Area, Blotches, Box.topLeft());
        DrawGrain(Painter, Area, Look.Amount, Random);
        break;
    }
    case dtSunburst:
        DrawSunburst(Painter, Centre, Radius, Look.Amount, Random);
        DrawBowTie(Painter, Area, Centre, 45, Look.Amount * 3);
        DrawGrain(Painter, Area, Look.Amount / 2, Random);
        break;
    case dtTurned:
        DrawTurnedMarks(Painter, Centre, Radius, 0, Look.Amount * 2, Random);
        DrawBowTie(Painter, Area, Centre, 135, Look.Amount * 3);
        DrawGrain(Painter, Area, Look.Amount / 2, Random);
        break;
    case dtBrushed: {
        const QRect Box = Area.boundingRect().toAlignedRect();
        DrawLayer(Painter, Area, StreakLayer(Box.size(), Look.Amount, 40, Random), Box.topLeft());
        break;
    }
    }
}

// The dial inside Area, lit from the upper left; Centre and Radius place the gradient and the
// radial or concentric textures.
void DrawDial(QPainter &Painter, const QPainterPath &Area, QPointF Centre, float Radius,
              const TDialLook &Look, TRandom &Random) {
    QRadialGradient Light(Centre, Radius * 1.15f, Centre - QPointF(Radius * 0.25, Radius * 0.3));
    Light.setColorAt(0, Look.Centre);
    Light.setColorAt(1, Look.Edge);
    Painter.fillPath(Area, Light);
    DrawDialTexture(Painter, Area, Centre, Radius, Look, Random);
}

// Shadows where a raised rim meets the dial: a thin dark seam all round and the broader shadow
// thrown down and to the right by the rim at the upper left.
void DrawRimShadows(QPainter &Painter, const QPainterPath &Opening, float Size) {
    DrawInnerShadow(Painter, Opening, {}, std::max(2, int(Size * 0.012f)), 170);
    DrawInnerShadow(Painter, Opening, QPointF(Size * 0.02, Size * 0.03),
                    std::max(3, int(Size * 0.06f)), 140);
}

// The round instrument centred on the painter's origin, whose outermost ring has radius
// Rings.front().Outer * Half.
void DrawRoundInstrument(QPainter &Painter, const TFaceStyle &Style, float Half, TRandom &Random) {
    for (const TRing &Ring : Style.Rings)
        DrawRing(Painter, Ring, Half, Random);
    DrawBezelScrews(Painter, Style, Half, Random);
    const float DialRadius = Style.Rings.back().Inner * Half;
    const QPainterPath Dial = Disc({}, DialRadius);
    DrawDial(Painter, Dial, {}, DialRadius, Style.Dial, Random);
    DrawRimShadows(Painter, Dial, DialRadius);
    const float Glass = DialRadius * 1.01f;
    DrawRoundGlass(Painter, QRectF(-Glass, -Glass, 2 * Glass, 2 * Glass), Style.Glass);
}

// Broad light fall-off over a flat plate: lighter at the upper left, darker at the lower right.
void DrawPlateSheen(QPainter &Painter, const QRectF &Rect) {
    QLinearGradient Sheen(Rect.topLeft(), Rect.bottomRight());
    Sheen.setColorAt(0, QColor(255, 255, 255, 28));
    Sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    Sheen.setColorAt(1, QColor(0, 0, 0, 50));
    Painter.fillRect(Rect, Sheen);
}

void DrawPlateTexture(QPainter &Painter, const QRectF &Rect, TFinishId Plate, TRandom &Random) {
    QPainterPath Area;
    Area.addRect(Rect);
    const TFinish &Finish = FinishOf(Plate);
    if (Plate == fnAluminium) {
        const QRect Box = Rect.toAlignedRect();
        DrawLayer(Painter, Area, StreakLayer(Box.size(), 14, 80, Random), Box.topLeft());
    } else if (Plate == fnBlackCrackle) {
        const QRect Box = Rect.toAlignedRect();
        QImage Wrinkles = GrainLayer(Box.size(), Finish.Grain * 3, Random);
        BoxBlur(Wrinkles, 1, 1);
        DrawLayer(Painter, Area, Wrinkles, Box.topLeft());
    }
    DrawGrain(Painter, Area, Finish.Grain, Random);
    DrawPlateSheen(Painter, Rect);
}

void DrawFlangeCorners(QPainter &Painter, const TFaceStyle &Style, TRandom &Random) {
    const float Side = float(std::min(Style.Width, Style.Height));
    const float Inset = Side * 0.115f;
    const TFinish &Plate = FinishOf(Style.Plate);
    const QPointF Corners[] = {{Inset, Inset},
                               {Style.Width - Inset, Inset},
                               {Inset, Style.Height - Inset},
                               {Style.Width - Inset, Style.Height - Inset}};
    for (const QPointF &Corner : Corners) {
        if (Style.Corners == coHoles)
            DrawMountingHole(Painter, Corner, Side * 0.04f, Plate);
        else if (Style.Corners == coScrews)
            DrawScrew(Painter, Corner, Side * 0.034f, FinishOf(fnBlackGloss), shPhillips,
                      float(Random.Below(90)));
    }
}

void DrawFlangeFace(QPainter &Painter, const TFaceStyle &Style, TRandom &Random) {
    const QRectF Rect(0, 0, Style.Width, Style.Height);
    const float Side = float(std::min(Style.Width, Style.Height));
    FillFrame(Painter, Rect, Side * 0.03f, Side * 0.05f, ProfileOf(spPlate), FinishOf(Style.Plate));
    DrawPlateTexture(Painter, Rect.adjusted(Side * 0.02, Side * 0.02, -Side * 0.02, -Side * 0.02),
                     Style.Plate, Random);
    DrawFlangeCorners(Painter, Style, Random);
    const float Half = Side / 2;
    const QPointF Centre = Rect.center();
    DrawDropShadow(Painter, Disc(Centre, Style.Rings.front().Outer * Half),
                   QPointF(Side * 0.008, Side * 0.012), int(Side * 0.025f), 170);
    Painter.translate(Centre);
    DrawRoundInstrument(Painter, Style, Half, Random);
}

void DrawRoundFace(QPainter &Painter, const TFaceStyle &Style, TRandom &Random) {
    // Drawn as a circle and stretched to the ellipse: a few sizes differ by one pixel.
    const float Half = float(std::min(Style.Width, Style.Height)) / 2;
    Painter.translate(Style.Width / 2.0, Style.Height / 2.0);
    Painter.scale(Style.Width / (2.0 * Half), Style.Height / (2.0 * Half));
    DrawRoundInstrument(Painter, Style, Half + KBleed, Random);
}

// The zero-adjust screw of a panel meter, black moulding.
void DrawZeroAdjuster(QPainter &Painter, QPointF At, float Side, TRandom &Random) {
    DrawScrew(Painter, At, Side * 0.04f, FinishOf(fnBlackGloss), shSlotted,
              float(Random.Below(180)));
}

void DrawDarkCover(QPainter &Painter, const QRectF &Cover, float Side, TRandom &Random) {
    FillFrame(Painter, Cover, Side * 0.012f + 2, 2, ProfileOf(spPlate), FinishOf(fnBlackSatin));
    QPainterPath Area;
    Area.addRect(Cover);
    DrawGrain(Painter, Area, FinishOf(fnBlackSatin).Grain, Random);
    DrawPlateSheen(Painter, Cover);
    DrawZeroAdjuster(Painter, Cover.center(), Side, Random);
}

// The clear moulding: through it the lower part of the dial plate and the domed housing of the
// movement rising from the bottom edge; a lit moulded edge along its top and the thickness of
// the plastic below that edge.
void DrawClearCover(QPainter &Painter, const QRectF &Cover, float Side, TRandom &Random) {
    QLinearGradient Plate(Cover.topLeft(), Cover.bottomLeft());
    Plate.setColorAt(0, QColor(170, 174, 172));
    Plate.setColorAt(1, QColor(112, 116, 115));
    Painter.fillRect(Cover, Plate);
    Painter.save();
    Painter.setClipRect(Cover, Qt::IntersectClip);
    const float Dome = float(Cover.width()) * 0.3f;
    const QPointF Pivot(Cover.center().x(), Cover.bottom() + Dome * 0.35f);
    DrawDropShadow(Painter, Disc(Pivot, Dome), QPointF(0, -Side * 0.01), int(Side * 0.04f), 150);
    FillLathe(Painter, Pivot, Dome, Dome, ProfileOf(spDomed), FinishOf(fnBlackSatin));
    Painter.restore();
    QPainterPath Area;
    Area.addRect(Cover);
    DrawGrain(Painter, Area, 5, Random);
    QLinearGradient Thickness(Cover.topLeft(), Cover.topLeft() + QPointF(0, Side * 0.08));
    Thickness.setColorAt(0, QColor(255, 255, 255, 70));
    Thickness.setColorAt(1, QColor(255, 255, 255, 0));
    Painter.fillRect(Cover, Thickness);
    Painter.save();
    Painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    Painter.drawLine(Cover.topLeft() + QPointF(0, -0.5), Cover.topRight() + QPointF(0, -0.5));
    Painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    Painter.drawLine(Cover.topLeft() + QPointF(0, 0.75), Cover.topRight() + QPointF(0, 0.75));
    Painter.restore();
    DrawZeroAdjuster(Painter, QPointF(Cover.center().x(), Cover.top() + Cover.height() * 0.3), Side,
                     Random);
}

void DrawPanelFace(QPainter &Painter, const TFaceStyle &Style, TRandom &Random) {
    const QRectF Rect(0, 0, Style.Width, Style.Height);
    const float Side = float(std::min(Style.Width, Style.Height));
    const QRectF Window(Style.Window.x() * Style.Width, Style.Window.y() * Style.Height,
                        Style.Window.width() * Style.Width, Style.Window.height() * Style.Height);
    const float Frame = float(std::min(Window.left(), Window.top()));
    FillFrame(Painter, Rect, Frame, Side * 0.04f, ProfileOf(spRecessed), FinishOf(Style.Plate));
    QPainterPath Surround;
    Surround.addRect(Rect);
    Surround.addRect(Window);
    DrawGrain(Painter, Surround, FinishOf(Style.Plate).Grain, Random);

    QPainterPath Opening;
    Opening.addRoundedRect(Window, 2, 2);
    DrawDial(Painter, Opening, Window.center(), float(Window.width() / 2), Style.Dial, Random);
    DrawRimShadows(Painter, Opening, Side);
    const QRectF Cover(Window.left(), Style.CoverTop * Style.Height, Window.width(),
                       Window.bottom() - Style.CoverTop * Style.Height);
    if (Style.Cover == cvDark)
        DrawDarkCover(Painter, Cover, Side, Random);
    else if (Style.Cover == cvClear)
        DrawClearCover(Painter, Cover, Side, Random);
    DrawFlatGlass(Painter, Window, Style.Glass);
}
} // namespace

QImage DrawFace(const TFaceStyle &Style) {
    QImage Image(Style.Width * KOversample, Style.Height * KOversample,
                 QImage::Format_ARGB32_Premultiplied);
    Image.fill(KBackdrop);
    QPainter Painter(&Image);
    Painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Everything below is drawn in the face's own pixels.
    Painter.scale(KOversample, KOversample);
    TRandom Random(uint32_t(Style.Index) * 2654435761u);
    switch (Style.Housing) {
    case hoRound:
        DrawRoundFace(Painter, Style, Random);
        break;
    case hoFlange:
        DrawFlangeFace(Painter, Style, Random);
        break;
    case hoPanel:
        DrawPanelFace(Painter, Style, Random);
        break;
    }
    Painter.end();
    QImage Face = AverageDown(Image, KOversample);
    // A trace of sensor noise over the whole picture, as in a photograph, pixel by pixel.
    QPainter NoisePainter(&Face);
    QPainterPath Whole;
    Whole.addRect(Face.rect());
    DrawGrain(NoisePainter, Whole, 3, Random);
    NoisePainter.end();
    return Face;
}

bool WriteFaces(const QString &Folder, QString &Error) {
    if (!QDir().mkpath(Folder)) {
        Error = QStringLiteral("cannot create the folder %1").arg(Folder);
        return false;
    }
    for (const TFaceStyle &Style : FaceStyles()) {
        const QString File = QDir(Folder).filePath(QString::number(Style.Index) + ".jpg");
        QImageWriter Writer(File, "jpeg");
        Writer.setQuality(KJpegQuality);
        // Huffman tables fitted to each picture: smaller files, the same pixels.
        Writer.setOptimizedWrite(true);
        if (!Writer.write(DrawFace(Style))) {
            Error = QStringLiteral("cannot write %1: %2").arg(File, Writer.errorString());
            return false;
        }
    }
    return true;
}

} // namespace Vex
