#include "FaceParts.h"

#include "Grain.h"
#include "Shading.h"

#include <QConicalGradient>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Vex {

namespace {
constexpr std::array<TProfilePoint, 4> KScrewProfile = {{{0, 70}, {0.25f, 40}, {0.6f, 12}, {1, 0}}};
constexpr std::array<TProfilePoint, 2> KCountersinkProfile = {{{0, -30}, {1, -50}}};

QColor Signed(int Value) {
    return Value > 0 ? QColor(255, 255, 255, std::min(Value, 255))
                     : QColor(0, 0, 0, std::min(-Value, 255));
}

// Box around Rect grown by Margin, on whole pixels.
QRect PixelBox(const QRectF &Rect, float Margin) {
    return Rect.adjusted(-Margin, -Margin, Margin, Margin).toAlignedRect();
}

QImage BlankLayer(QSize Size) {
    QImage Layer(Size, QImage::Format_ARGB32_Premultiplied);
    Layer.fill(Qt::transparent);
    return Layer;
}

// Clears every pixel of Layer outside Area (in the layer's own coordinates), keeping the
// antialiased edge.
void KeepInside(QImage &Layer, const QPainterPath &Area) {
    QImage Mask = BlankLayer(Layer.size());
    QPainter MaskPainter(&Mask);
    MaskPainter.setRenderHint(QPainter::Antialiasing);
    MaskPainter.fillPath(Area, Qt::black);
    MaskPainter.end();
    QPainter LayerPainter(&Layer);
    LayerPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    LayerPainter.drawImage(0, 0, Mask);
}

// Draws a dark slot of half-length Length and half-width Width along the x axis of the painter
// (turned by Angle degrees), with a glint on the wall that faces the light.
void DrawSlot(QPainter &Painter, float Length, float Width, float Angle) {
    const QRectF Slot(-Length, -Width, 2 * Length, 2 * Width);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(8, 8, 8, 235));
    Painter.drawRoundedRect(Slot, Width * 0.5, Width * 0.5);
    // The wall at +y faces -y in the slot's frame; turned into the picture it faces this way.
    const double Turn = Angle * std::numbers::pi / 180;
    const QPointF Facing(std::sin(Turn), -std::cos(Turn));
    const QPointF Light = LightInPlane();
    const bool LowerWallLit = Facing.x() * Light.x() + Facing.y() * Light.y() > 0;
    const float LitY = LowerWallLit ? Width * 0.7f : -Width * 0.7f;
    Painter.setPen(QPen(QColor(255, 255, 255, 60), Width * 0.45f, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(QPointF(-Length * 0.8, LitY), QPointF(Length * 0.8, LitY));
}
} // namespace

QPainterPath Disc(QPointF Centre, float Radius) {
    QPainterPath Path;
    Path.addEllipse(Centre, Radius, Radius);
    return Path;
}

void DrawDropShadow(QPainter &Painter, const QPainterPath &Shape, QPointF Offset, int Blur,
                    int Strength) {
    const QRect Box = PixelBox(Shape.boundingRect(), 2.0f * Blur + 2);
    QImage Shadow = BlankLayer(Box.size());
    QPainter ShadowPainter(&Shadow);
    ShadowPainter.setRenderHint(QPainter::Antialiasing);
    ShadowPainter.translate(-Box.topLeft());
    ShadowPainter.fillPath(Shape, QColor(0, 0, 0, Strength));
    ShadowPainter.end();
    BoxBlur(Shadow, std::max(1, Blur / 2), 3);
    Painter.drawImage(QPointF(Box.topLeft()) + Offset, Shadow);
}

void DrawInnerShadow(QPainter &Painter, const QPainterPath &Opening, QPointF Offset, int Blur,
                     int Strength) {
    const float Shift = float(std::max(std::abs(Offset.x()), std::abs(Offset.y())));
    const QRect Box = PixelBox(Opening.boundingRect(), 2.0f * Blur + Shift + 2);
    QImage Shadow(Box.size(), QImage::Format_ARGB32_Premultiplied);
    Shadow.fill(QColor(0, 0, 0, Strength));
    QPainter ShadowPainter(&Shadow);
    ShadowPainter.setRenderHint(QPainter::Antialiasing);
    ShadowPainter.translate(-Box.topLeft());
    ShadowPainter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    ShadowPainter.fillPath(Opening.translated(Offset), Qt::black);
    ShadowPainter.end();
    BoxBlur(Shadow, std::max(1, Blur / 2), 3);
    KeepInside(Shadow, Opening.translated(-QPointF(Box.topLeft())));
    Painter.drawImage(Box.topLeft(), Shadow);
}

void DrawLayer(QPainter &Painter, const QPainterPath &Area, const QImage &Layer, QPointF Origin) {
    QImage Kept = Layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    KeepInside(Kept, Area.translated(-Origin));
    // A layer pixel is a face pixel: on an oversampled picture it becomes a block, not a blur.
    Painter.save();
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    Painter.drawImage(Origin, Kept);
    Painter.restore();
}

void DrawGrain(QPainter &Painter, const QPainterPath &Area, int Amount, TRandom &Random) {
    const QRect Box = PixelBox(Area.boundingRect(), 1);
    DrawLayer(Painter, Area, GrainLayer(Box.size(), Amount, Random), Box.topLeft());
}

void DrawTurnedMarks(QPainter &Painter, QPointF Centre, float Outer, float Inner, int Amount,
                     TRandom &Random) {
    Painter.save();
    Painter.setBrush(Qt::NoBrush);
    for (float Radius = std::max(Inner, 0.5f); Radius < Outer; Radius += 0.6f) {
        Painter.setPen(QPen(Signed(Random.Signed(Amount)), 0.7));
        Painter.drawEllipse(Centre, Radius, Radius);
    }
    Painter.restore();
}

void DrawSunburst(QPainter &Painter, QPointF Centre, float Radius, int Amount, TRandom &Random) {
    const int Count = int(2 * std::numbers::pi * Radius / 0.5);
    Painter.save();
    for (int I = 0; I < Count; ++I) {
        const double Angle = 2 * std::numbers::pi * I / Count;
        const QPointF Direction(std::cos(Angle), std::sin(Angle));
        // Ragged starts keep the lines from meeting in a star at the centre.
        const float Start = Radius * (0.03f + 0.3f * Random.Unit());
        Painter.setPen(QPen(Signed(Random.Signed(Amount)), 0.5));
        Painter.drawLine(Centre + Direction * Start, Centre + Direction * Radius);
    }
    Painter.restore();
}

void DrawBowTie(QPainter &Painter, const QPainterPath &Area, QPointF Centre, float Angle,
                int Amount) {
    constexpr int Stops = 72;
    QConicalGradient Gradient(Centre, Angle);
    for (int S = 0; S <= Stops; ++S) {
        const double Lobe = std::cos(4 * std::numbers::pi * S / Stops);
        Gradient.setColorAt(double(S) / Stops,
                            Signed(int(std::lround(Amount * Lobe * std::abs(Lobe)))));
    }
    Painter.fillPath(Area, Gradient);
}

void DrawKnurling(QPainter &Painter, QPointF Centre, float Outer, float Inner, int Count) {
    const float Pitch = float(2 * std::numbers::pi) * Outer / float(Count);
    Painter.save();
    for (int I = 0; I < Count; ++I) {
        const double Angle = 2 * std::numbers::pi * I / Count;
        const QPointF Direction(std::cos(Angle), std::sin(Angle));
        const QPointF Across(-Direction.y(), Direction.x());
        // Each ridge: a shadowed flank and, half a pitch on, a lit crest.
        Painter.setPen(QPen(QColor(0, 0, 0, 120), Pitch * 0.45, Qt::SolidLine, Qt::FlatCap));
        Painter.drawLine(Centre + Direction * Inner, Centre + Direction * Outer);
        const QPointF Crest = Across * (Pitch * 0.5);
        Painter.setPen(QPen(QColor(255, 255, 255, 55), Pitch * 0.25, Qt::SolidLine, Qt::FlatCap));
        Painter.drawLine(Centre + Direction * Inner + Crest, Centre + Direction * Outer + Crest);
    }
    Painter.restore();
}

void DrawScrew(QPainter &Painter, QPointF Centre, float Radius, const TFinish &Finish,
               TScrewHead Head, float Angle) {
    DrawDropShadow(Painter, Disc(Centre, Radius), QPointF(0.2 * Radius, 0.3 * Radius),
                   std::max(1, int(Radius * 0.5f)), 170);
    FillLathe(Painter, Centre, Radius, Radius, KScrewProfile, Finish);
    Painter.save();
    Painter.translate(Centre);
    Painter.rotate(Angle);
    DrawSlot(Painter, Radius * 0.82f, Radius * 0.13f, Angle);
    if (Head == shPhillips) {
        Painter.rotate(90);
        DrawSlot(Painter, Radius * 0.82f, Radius * 0.13f, Angle + 90);
    }
    Painter.restore();
}

void DrawMountingHole(QPainter &Painter, QPointF Centre, float Radius, const TFinish &Finish) {
    FillLathe(Painter, Centre, Radius, Radius * 0.45f, KCountersinkProfile, Finish);
    const float Bore = Radius * 0.55f;
    QRadialGradient Depth(Centre + QPointF(Bore * 0.25, Bore * 0.3), Bore);
    Depth.setColorAt(0, QColor(4, 4, 4));
    Depth.setColorAt(0.7, QColor(14, 14, 15));
    Depth.setColorAt(1, QColor(48, 48, 50));
    const QPainterPath Hole = Disc(Centre, Bore);
    Painter.fillPath(Hole, Depth);
    DrawInnerShadow(Painter, Hole, QPointF(Bore * 0.15, Bore * 0.2), std::max(1, int(Bore * 0.4f)),
                    220);
}

void DrawRoundGlass(QPainter &Painter, const QRectF &Box, int Strength) {
    const double W = Box.width();
    const double H = Box.height();
    QPainterPath Lens;
    Lens.addEllipse(Box);
    QRadialGradient Veil(Box.center() - QPointF(0.3 * W, 0.35 * H), 0.9 * W);
    Veil.setColorAt(0, QColor(255, 255, 255, Strength / 5));
    Veil.setColorAt(1, QColor(255, 255, 255, 0));
    Painter.fillPath(Lens, Veil);

    // The reflections are drawn sharp on a layer of their own and then softened: a curved
    // glass never mirrors a crisp edge.
    const QRect Frame = Box.toAlignedRect();
    QImage Layer = BlankLayer(Frame.size());
    QPainter LayerPainter(&Layer);
    LayerPainter.setRenderHint(QPainter::Antialiasing);
    LayerPainter.translate(-Frame.topLeft());
    const QRectF Outer = Box.adjusted(0.03 * W, 0.03 * H, -0.03 * W, -0.03 * H);
    QPainterPath Crescent;
    Crescent.addEllipse(Outer);
    QPainterPath Cut;
    Cut.addEllipse(Outer.translated(0.07 * W, 0.12 * H).adjusted(0, 0, 0.04 * W, 0.04 * H));
    QLinearGradient Shine(Outer.topLeft() + QPointF(0.15 * W, 0.1 * H), Outer.center());
    Shine.setColorAt(0, QColor(255, 255, 255, Strength));
    Shine.setColorAt(0.55, QColor(255, 255, 255, Strength / 4));
    Shine.setColorAt(0.8, QColor(255, 255, 255, 0));
    LayerPainter.fillPath(Crescent.subtracted(Cut), Shine);
    QPainterPath GlintCut;
    GlintCut.addEllipse(Outer.translated(-0.015 * W, -0.025 * H));
    QLinearGradient Fade(Outer.bottomRight() - QPointF(0.2 * W, 0.2 * H), Outer.center());
    Fade.setColorAt(0, QColor(255, 255, 255, Strength / 2));
    Fade.setColorAt(0.5, QColor(255, 255, 255, 0));
    QPainterPath Glint;
    Glint.addEllipse(Outer);
    LayerPainter.fillPath(Glint.subtracted(GlintCut), Fade);
    LayerPainter.end();
    BoxBlur(Layer, std::max(1, int(W * 0.012)), 2);
    KeepInside(Layer, Lens.translated(-QPointF(Frame.topLeft())));
    Painter.drawImage(Frame.topLeft(), Layer);
}

void DrawFlatGlass(QPainter &Painter, const QRectF &Window, int Strength) {
    const double W = Window.width();
    const double H = Window.height();
    Painter.save();
    Painter.setClipRect(Window, Qt::IntersectClip);
    const QPolygonF Band(
        {Window.topLeft() + QPointF(0.18 * W, 0), Window.topLeft() + QPointF(0.5 * W, 0),
         Window.bottomLeft() + QPointF(0.05 * W, 0), Window.bottomLeft() + QPointF(-0.27 * W, 0)});
    QLinearGradient Across(Window.topLeft() + QPointF(0.1 * W, 0.1 * H),
                           Window.topLeft() + QPointF(0.4 * W, 0.3 * H));
    Across.setColorAt(0, QColor(255, 255, 255, 0));
    Across.setColorAt(0.3, QColor(255, 255, 255, Strength));
    Across.setColorAt(1, QColor(255, 255, 255, 0));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Across);
    Painter.drawPolygon(Band);
    Painter.setPen(QPen(QColor(255, 255, 255, Strength), 1));
    Painter.drawLine(Window.topLeft() + QPointF(2, 1.5), Window.topRight() + QPointF(-2, 1.5));
    Painter.restore();
}

} // namespace Vex
