#include "controls/VexGauge.h"

#include "controls/GaugeFaces.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "platform/graphics/Region.h"
#include "toolkit/DIBFX.h"

#include <QRegion>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace Vex {

namespace {
// Needle outlines in outline units: x along the needle from the pivot (0) to the nominal tip
// (100), y across it, positive on the clockwise side.
constexpr TPoint KSharp2[] = {{-40, 10}, {0, 10}, {100, 0}, {0, -10}, {-40, -10}};
constexpr TPoint KPlain[] = {{0, 10}, {0, -10}, {100, -10}, {100, 10}, {0, 10}};
constexpr TPoint KArrow[] = {{0, 20},    {100, 20},  {100, 40}, {140, 0},
                             {100, -40}, {100, -20}, {0, -20},  {0, 20}};
constexpr TPoint KSharp[] = {{-10, 0}, {0, 20}, {100, 0}, {0, -20}, {-10, 0}};
// A slim blade with a diamond hub: wide at the pivot, waisted, then drawn out to the tip.
constexpr TPoint KSharp3[] = {{-25, 0}, {0, 18}, {25, 6}, {100, 0}, {25, -6}, {0, -18}};
constexpr TPoint KSharpCross[] = {{-40, 10}, {-5, 10}, {-5, 50},  {5, 50},   {5, 10},   {100, 0},
                                  {5, -10},  {5, -50}, {-5, -50}, {-5, -10}, {-40, -10}};
constexpr TPoint KEdgeTriangle[] = {{80, 20}, {100, 0}, {80, -20}, {80, 20}};
constexpr TPoint KEdgeSquare[] = {{80, 20}, {100, 20}, {100, -20}, {80, -20}, {80, 20}};
constexpr TPoint KWicked[] = {{0, 20},  {20, 0},  {40, 20}, {60, 0},
                              {80, 20}, {100, 0}, {0, -20}, {0, 20}};
constexpr TPoint KPlainDouble[] = {{-100, 10}, {100, 10}, {100, -10}, {-100, -10}};
constexpr TPoint KSharpDouble[] = {{0, 10}, {100, 0}, {0, -10}, {-100, 0}};

// Indexed by TVexGauge::TArrowType.
constexpr std::span<const TPoint> KArrowOutlines[] = {
    KSharp2,       KPlain,      KArrow,  KSharp,       KSharp3,     KSharpCross,
    KEdgeTriangle, KEdgeSquare, KWicked, KPlainDouble, KSharpDouble};

// Faces whose picture fills its rectangle; the others are round.
bool IsRectangularFace(int Index) {
    return Index == 5 || Index == 6 || Index == 7 || Index == 9 || Index == 17;
}

float DegToRad(float Degrees) {
    return float(Degrees * std::numbers::pi / 180.0);
}

// Steps of a scale of Count marks: a single mark has no step.
float Step(float Span, int Count) {
    return Count > 1 ? Span / float(Count - 1) : 0.0f;
}

TFont ArialFont(int Height, TColor Color = clWindowText) {
    TFont Font;
    Font.Name = QStringLiteral("Arial");
    Font.Height = Height;
    Font.Color = Color;
    return Font;
}
} // namespace

TVexGauge::TVexGauge(QWidget *Parent) : TVexAngularMeter(Parent) {
    // No face is selected yet (index 0), so this only sizes the control.
    SetBounds(Left(), Top(), 200, 200);
    FForceSquare = true;
    FScaleFont = ArialFont(-13);
    FUnitFont = ArialFont(-MulDiv(8, 96, 72));
    FValueFont = ArialFont(-MulDiv(8, 96, 72), clGray);
    FResourceImageIndex = 13;
    FCircular = true;
    SetStabilizationTime(5);
    // Pointing at a default gauge should follow its own scale, not the angular meter's
    // defaults that the gauge's angles replace.
    TVexAngularMeter::SetMinAngle(FGaugeMinAngle);
    TVexAngularMeter::SetMaxAngle(FGaugeMaxAngle);
    FArrowPoints.reserve(16);
    if (IsDesigning())
        FReady = true;
}

void TVexGauge::Loaded() {
    TVexAngularMeter::Loaded();
    FReady = true;
    // A gauge built in code inside a loading scope had its bounds set while loading, which
    // selects no face: it selects its face now, which renders.
    if (FFace.Empty() && parentWidget())
        SetResourceImageIndex(FResourceImageIndex);
    else if (IsDesigning() || !IsLoading())
        RenderBackground();
}

void TVexGauge::BecomeReady() {
    if (FReady || IsLoading() || !parentWidget())
        return;
    FReady = true;
    SetResourceImageIndex(FResourceImageIndex);
}

void TVexGauge::showEvent(QShowEvent *Event) {
    TVexAngularMeter::showEvent(Event);
    BecomeReady();
}

void TVexGauge::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexAngularMeter::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FForceSquare && FReady && FFace.Width() > 0)
        TVexAngularMeter::SetBounds(ALeft, ATop, AWidth, AWidth);
    if (!IsLoading() && FResourceImageIndex >= 0)
        SetResourceImageIndex(FResourceImageIndex);
}

void TVexGauge::SetMinAngle(float Value) {
    TVexAngularMeter::SetMinAngle(Value);
    if (std::isfinite(Value))
        FGaugeMinAngle = std::fmod(Value, 360.0f);
    RenderBackground();
}

void TVexGauge::SetMaxAngle(float Value) {
    TVexAngularMeter::SetMaxAngle(Value);
    if (std::isfinite(Value))
        FGaugeMaxAngle = std::fmod(Value, 360.0f);
    RenderBackground();
}

void TVexGauge::SetFloat(float Value) {
    const float Before = Float();
    const bool AskedAboveMax = Value > Max();
    TVexAngularMeter::SetFloat(Value);
    RaiseAlarms(Before, AskedAboveMax);
}

void TVexGauge::RaiseAlarms(float Before, bool AskedAboveMax) {
    const float Now = Float();
    if (Before <= FUpperAlarmThreshold && Now > FUpperAlarmThreshold)
        emit OnUpperAlarm(this);
    if (Before >= FLowerAlarmThreshold && Now < FLowerAlarmThreshold)
        emit OnLowerAlarm(this);
    if (AskedAboveMax && !FAboveMax) {
        FAboveMax = true;
        emit OnAboveMax(this);
    } else if (!AskedAboveMax && FAboveMax && Now < Max()) {
        FAboveMax = false;
        emit OnBelowMax(this);
    }
}

void TVexGauge::SetArrowType(TArrowType Value) {
    if (Value < atSharp2 || Value > atSharpDouble)
        return;
    Rebuild(FArrowType, Value);
}

void TVexGauge::SetCoverHeight(float Value) {
    if (!(Value >= 0))
        return;
    FCoverHeight = Value;
    if (IsDesigning() || !IsLoading())
        RenderBackground();
}

void TVexGauge::SetScaleCount(int Value) {
    if (Value >= 0)
        FScaleCount = Value;
    RenderBackground();
}

void TVexGauge::SetCircular(bool Value) {
    FCircular = Value;
    ApplyOutline();
}

void TVexGauge::ApplyOutline() {
    const QRect Client(0, 0, width(), height());
    setMask(FCircular ? TRegion::CreateEllipse(0, 0, width(), height()).ToQRegion()
                      : QRegion(Client));
}

void TVexGauge::SetResourceImageIndex(int Value) {
    if (Value < 1 || Value > FaceCount || !parentWidget())
        return;
    FResourceImageIndex = Value;
    const int FaceHeight = FForceSquare && FReady ? width() : height();
    LoadFaceImage(Value, width(), FFace, FaceHeight);
    SetCircular(!IsRectangularFace(Value));
    RenderBackground();
}

void TVexGauge::LoadFaceImage(int Index, int Width, TBitmap &Target, int Height) {
    TBitmap Source;
    if (const std::unique_ptr<QImage> Picture = LoadGaugeFace(Index))
        Source.Assign(*Picture);
    SmoothStretch(Source, Target, Width, Height);
}

void TVexGauge::SaveBufferToFile(const QString &FileName) const {
    if (!FBuffer->SaveToFile(FileName))
        throw EVexError(FileName + QStringLiteral(": the picture cannot be written"));
}

void TVexGauge::SetFacePicture(const QImage &Picture) {
    TBitmap Source;
    if (FFace.Empty() || Picture.isNull() || !Source.Assign(Picture))
        return;
    SmoothStretch(Source, FFace, FFace.Width(), FFace.Height());
    RenderBackground();
}

void TVexGauge::RenderBackground() {
    if (!FReady || FFace.Empty() || !parentWidget()) {
        update();
        return;
    }
    const int BW = FFace.Width() * 2, BH = FFace.Height() * 2;
    FBuffer->SetSize(BW, BH);
    FBuffer->Canvas().StretchDraw(Rect(0, 0, BW, BH), FFace);
    if (FScaleType != stNoScale)
        RenderLabels();
    if (FDrawTicks && FTickCount >= 1)
        RenderTicks();
    if (!FUnitString.isEmpty())
        RenderUnit();
    HalveBitmap(*FBuffer, false);
    update();
}

void TVexGauge::RenderLabels() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Brush.Style = bsClear;
    C.Font = FScaleFont.Doubled();
    C.SetTextAlign(TA_LEFT | TA_TOP);
    const float Rs = float(BH / 2) * FScaleRadius;
    const float AngleStep = Step(DegToRad(FGaugeMaxAngle - FGaugeMinAngle), FScaleCount);
    const double ValueStep = Step(Max() - Min(), FScaleCount);
    for (int I = 0; I < FScaleCount; ++I) {
        const QString Text = FormatFloat(FScaleFormat, ValueStep * I + Min());
        const int HW = C.TextWidth(Text) / 2, HH = C.TextHeight(Text) / 2;
        const float T = DegToRad(FGaugeMinAngle + 90) - AngleStep * float(-I);
        C.TextOut(Round(Rs * std::sin(T)) + BW / 2 + 2 * OrigoX() - HW,
                  Round(Rs * std::cos(T)) + BH / 2 + 2 * OrigoY() - HH, Text);
    }
    C.Brush.Style = bsSolid;
}

void TVexGauge::RenderTicks() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Pen.Color = FTickColor;
    C.Pen.Style = psSolid;
    const int R = Round((BW / 2) * FTickRadius * 0.01);
    const int CX = BW / 2 + 2 * OrigoX(), CY = BH / 2 + 2 * OrigoY();
    const float A0 = float(std::numbers::pi) - DegToRad(FGaugeMaxAngle);
    const float A1 = float(std::numbers::pi) - DegToRad(FGaugeMinAngle);
    const float AngleStep = Step(A0 - A1, FTickCount);
    for (int I = 0; I < FTickCount; ++I) {
        C.Pen.Width = FTickPenWidth;
        const bool Major = FMajorTickInterval > 0 && I % FMajorTickInterval == 0;
        const int Length = Major ? 2 * FTickLenght : FTickLenght;
        const float A = A0 - AngleStep * float(I);
        const auto At = [&](int Rho) {
            return Point(CX - Round(Rho * std::cos(A)), CY - Round(Rho * std::sin(A)));
        };
        const TPoint Outer = At(R);
        if (FTicksConnected && I > 0)
            C.LineTo(Outer.X, Outer.Y);
        const TPoint Inner = At(R - Length);
        C.MoveTo(Inner.X, Inner.Y);
        C.LineTo(Outer.X, Outer.Y);
    }
}

void TVexGauge::RenderUnit() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Brush.Style = bsClear;
    C.Font = FUnitFont.Doubled();
    C.SetTextAlign(TA_LEFT | TA_TOP);
    C.TextOut(BW / 2 + 2 * FUnitChoordX - C.TextWidth(FUnitString) / 2, BH / 2 + 2 * FUnitChoordY,
              FUnitString);
    C.Brush.Style = bsSolid;
}

void TVexGauge::BuildArrow(TPoint Offset) {
    const std::span<const TPoint> Outline = KArrowOutlines[FArrowType];
    FArrowPoints.assign(Outline.begin(), Outline.end());
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    const double R = BH / 4;
    for (TPoint &P : FArrowPoints) {
        float X = float(Round(P.X * 0.01 * R * FArrowLenght));
        float Y = float(Round(P.Y * 0.01 * R * FArrowWidth));
        RotatePoint(X, Y, FArrowAngle);
        P = Point(BW / 4 + Round(X) + Offset.X, BH / 4 + Round(Y) + Offset.Y);
    }
}

void TVexGauge::Paint(TCanvas &Canvas) {
    BecomeReady();
    TVexAngularMeter::Paint(Canvas);
    Canvas.Draw(0, 0, *FBuffer);
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    const float Span = Max() - Min();
    FArrowAngle =
        180 - FGaugeMinAngle - (FDisplayValue - Min()) * ((FGaugeMaxAngle - FGaugeMinAngle) / Span);

    if (FValueType == vtStandard) {
        const QString Text = FormatFloat(FValueFormat, Float());
        Canvas.Brush.Style = bsClear;
        Canvas.Font = FValueFont;
        Canvas.SetTextAlign(TA_LEFT | TA_TOP);
        Canvas.TextOut(BW / 4 + FValueChoordX - Canvas.TextWidth(Text) / 2, BH / 4 + FValueChoordY,
                       Text);
        Canvas.Brush.Style = bsSolid;
    }

    Canvas.Pen = TPen{FShadowColor};
    Canvas.Brush = TBrush{FShadowColor};
    BuildArrow(Point(FShadowPtX + OrigoX(), FShadowPtY + OrigoY()));
    Canvas.Polygon(FArrowPoints);

    Canvas.Pen = TPen{FArrowColor};
    Canvas.Brush = TBrush{FArrowColor};
    BuildArrow(Point(OrigoX(), OrigoY()));
    Canvas.Polygon(FArrowPoints);

    if (FCoverHeight > 0) {
        const TRect Band =
            Rect(0, height() - Round(height() * FCoverHeight * 0.01), width(), height());
        Canvas.CopyRect(Band, FBuffer->Canvas(), Band);
    }
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

} // namespace Vex
