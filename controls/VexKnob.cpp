#include "controls/VexKnob.h"

#include "controls/VexKnobUtils.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "toolkit/DIBFX.h"
#include "toolkit/VexPolygons.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace Vex {

namespace {
constexpr double KPi = std::numbers::pi;
// Ticks and labels beyond this many cannot be told apart on any knob; the bound keeps an
// absurd count from drawing for minutes.
constexpr int KMaxScaleItems = 10000;
// Offsets and lengths in pixels are held to this before rounding, so absurd geometry cannot
// overflow the integer sums that follow.
constexpr double KMaxOffset = 1 << 24;

double DegToRad(double Degrees) {
    return Degrees * KPi / 180.0;
}

int BoundedRound(double Value, double Limit = KMaxOffset) {
    return Round(std::clamp(Value, -Limit, Limit));
}

bool IsKnobScale(TScaleType Type) {
    return Type >= stKnobHorizontal && Type <= stKnobRot270;
}

bool IsBackScale(TScaleType Type) {
    return Type >= stBackHorizontal && Type <= stBackRot270;
}

bool IsLevelScale(TScaleType Type) {
    return Type == stKnobHorizontal || Type == stBackHorizontal;
}

// The extra turn of the scale's text: 0, 90, 180 or 270 degrees for the turned types.
int TextAngle(TScaleType Type) {
    const int Step = IsKnobScale(Type) ? Type - stKnobRot0 : Type - stBackRot0;
    return IsLevelScale(Type) || Type == stNone ? 0 : 90 * Step;
}

// Item Index of Count spread from From to To, both ends included; a single item stands at From.
double Spread(double From, double To, int Index, int Count) {
    return Count > 1 ? From + (To - From) / (Count - 1) * Index : From;
}

// The point in direction Q (radians: 0 points down, growing counter-clockwise on screen) at
// Fraction of the half width C from the centre (C, C) of a square picture.
TPoint RadialPoint(int C, double Q, double Fraction) {
    const double R = std::clamp(C * Fraction, -KMaxOffset, KMaxOffset);
    return {C + Round(std::sin(Q) * R), C + Round(std::cos(Q) * R)};
}

// One mark of ItemType in direction Q from Inner to Outer (fractions of the half width), with
// the canvas's pen and brush. Triangles and rectangles are HalfWidth radians wide to each side;
// a circle is a dot at the inner radius with a round pen of HalfWidth times the half width.
void DrawRadialItem(TBitmap &Bitmap, TItemType ItemType, double Q, double Outer, double Inner,
                    double HalfWidth) {
    const int C = Bitmap.Width() / 2;
    TCanvas &Canvas = Bitmap.Canvas();
    switch (ItemType) {
    case itTriangle: {
        const TPoint Points[] = {RadialPoint(C, Q - HalfWidth, Outer), RadialPoint(C, Q, Inner),
                                 RadialPoint(C, Q + HalfWidth, Outer)};
        Canvas.Polygon(Points);
        break;
    }
    case itRectangle: {
        const TPoint Points[] = {
            RadialPoint(C, Q - HalfWidth, Outer), RadialPoint(C, Q - HalfWidth, Inner),
            RadialPoint(C, Q + HalfWidth, Inner), RadialPoint(C, Q + HalfWidth, Outer)};
        Canvas.Polygon(Points);
        break;
    }
    case itCircle: {
        Canvas.Pen.Width = BoundedRound(C * HalfWidth, 4.0 * std::max(C, 1));
        const TPoint At = RadialPoint(C, Q, Inner);
        Canvas.MoveTo(At.X, At.Y);
        Canvas.LineTo(At.X + 1, At.Y);
        break;
    }
    case itNone:
    case itLine:
        break;
    }
}

// Count marks from StartAngle (the first) to EndAngle (the last), in degrees counter-clockwise
// from the right. A single mark points straight down, whatever the angles: that is how the
// indicator is drawn.
void DrawRadialItems(TBitmap &Bitmap, int Count, TItemType ItemType, float EndAngle,
                     float StartAngle, float OuterRadius, float InnerRadius, float HalfWidth) {
    for (int I = 0; I < Count; ++I) {
        const double Q =
            Count > 1 ? DegToRad(Spread(StartAngle, EndAngle, I, Count)) + KPi / 2 : 0.0;
        DrawRadialItem(Bitmap, ItemType, Q, OuterRadius, InnerRadius, HalfWidth);
    }
}

// Fills row Y of a 32-bit surface with one grey level.
void FillRow(TBitmap &Bitmap, int Y, int Grey) {
    const uint32_t Pixel = 0xFF000000u | uint32_t(Grey) * 0x010101u;
    auto *Row = reinterpret_cast<uint32_t *>(Bitmap.ScanLine(Y));
    std::fill(Row, Row + Bitmap.Width(), Pixel);
}
} // namespace

TVexKnob::TVexKnob(QWidget *Parent) : TVexAngularMeter(Parent) {
    // Nothing renders until loading ends, EndUpdate is called or the knob is first painted.
    FUpdateLocked = true;
    FScaleFont.Name = QStringLiteral("Arial");
    FScaleFont.SetSize(9);
    FScaleFont.Color = clBlack;
    SetParentColor(true);
    SetMinAngle(225);
    SetMaxAngle(-45);
    SetFloat(Min());
    setFocusPolicy(Qt::StrongFocus);
    SetBounds(Left(), Top(), 100, 100);
}

TVexKnob::~TVexKnob() = default;

void TVexKnob::CanResize(int &NewWidth, int &NewHeight) {
    NewWidth = NewHeight = std::min(NewWidth, NewHeight);
}

TVexKnob::TGeometry TVexKnob::Geometry() const {
    const double Exact = std::min(FKnobSize, MaxKnobSize) * 0.01 * Width();
    TGeometry G;
    G.Scale = RenderScale();
    G.Halved = HalvesRendering();
    if (G.Scale * std::max(Width(), Height()) > MaxSide) {
        // Too large for the double size: the screen's own resolution.
        G.Scale = PixelRatio();
        G.Halved = false;
    }
    G.Side = std::min(BoundedRound(Exact * G.Scale), MaxSide);
    G.Diameter = G.Side == MaxSide ? Round(MaxSide / G.Scale) : Round(Exact);
    G.Offset = (Width() - G.Diameter) / 2;
    return G;
}

void TVexKnob::Reduce(TBitmap &Bitmap, bool Shrink) const {
    if (Geometry().Halved)
        HalveBitmap(Bitmap, Shrink);
}

void TVexKnob::ApplyGeometry() {
    const int Side = Geometry().Side;
    FKnobBitmap.SetSize(Side, Side);
}

void TVexKnob::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!IsLoading())
        CanResize(AWidth, AHeight);
    TVexAngularMeter::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplyGeometry();
    if (Width() > 0 && Height() > 0)
        RenderBackground();
}

void TVexKnob::Loaded() {
    TVexAngularMeter::Loaded();
    // Squared now that both sides have arrived; still locked, so this renders nothing.
    SetBounds(Left(), Top(), Width(), Height());
    FUpdateLocked = false;
    RenderBackground();
}

void TVexKnob::EndUpdate() {
    TVexAngularMeter::EndUpdate();
    RenderBackground();
}

void TVexKnob::PixelRatioChanged() {
    // Every picture is drawn at the screen's resolution: all of them again, at the new sizes.
    ApplyGeometry();
    if (FRendered)
        RenderBackground();
}

void TVexKnob::SetFloat(float Value) {
    TVexAngularMeter::SetFloat(Value);
    if (Value > Max()) {
        SetFloat(Max());
        return;
    }
    // Below the range, or not a number.
    if (!(Value >= Min())) {
        SetFloat(Min());
        return;
    }
    // The value is kept as given even when indexed; the spring turns to its whole number.
    FIndex = Round(Value);
    StoreFloat(Value);
}

void TVexKnob::SetIndexed(bool Value) {
    const bool Changed = Value != Indexed();
    TVexAngularMeter::SetIndexed(Value);
    if (!Changed)
        return;
    SetMin(0);
    // One whole value per caption; a single caption leaves Max alone (it must stay above Min).
    if (!FCaptions.isEmpty())
        SetMax(float(FCaptions.size() - 1));
    SetFloat(0);
    RenderBackground();
}

void TVexKnob::SetIndex(int Value) {
    if (IsLoading() || Value < 0 || Value > Max())
        return;
    FIndex = Value;
    SetFloat(float(Value));
    RenderBackground();
}

void TVexKnob::RebuildFinite(float &Field, float Value) {
    if (std::isfinite(Value))
        Rebuild(Field, Value);
}

void TVexKnob::SetKnobSize(int Value) {
    if (Value <= 0)
        return;
    FKnobSize = Value;
    ApplyGeometry();
    RenderBackground();
}

void TVexKnob::SetKnobSurfaceType(TKnobSurfaceType Value) {
    if (IsEnumerator(Value))
        Rebuild(FKnobSurfaceType, Value);
}

void TVexKnob::SetGranularityType(TGranularityType Value) {
    if (IsEnumerator(Value))
        Rebuild(FGranularityType, Value);
}

void TVexKnob::SetTickType(TItemType Value) {
    if (IsEnumerator(Value) && Value != FTickType)
        Rebuild(FTickType, Value);
}

void TVexKnob::SetTickLocation(TItemLocation Value) {
    if (IsEnumerator(Value))
        Rebuild(FTickLocation, Value);
}

void TVexKnob::SetTickRadius(int Value) {
    if (Value >= 0 && Value <= 100)
        Rebuild(FTickRadius, Value);
}

void TVexKnob::SetTickMinorSize(float Value) {
    if (Value >= 0 && std::isfinite(Value))
        Rebuild(FTickMinorSize, Value);
}

void TVexKnob::SetIndicatorType(TItemType Value) {
    if (IsEnumerator(Value))
        Rebuild(FIndicatorType, Value);
}

void TVexKnob::SetIndicatorLocation(TItemLocation Value) {
    if (IsEnumerator(Value))
        Rebuild(FIndicatorLocation, Value);
}

void TVexKnob::SetScaleRadius(float Value) {
    if (!std::isfinite(Value))
        return;
    FScaleRadius = Value;
    // The labels' radius changes the fixed background only; a knob on the face waits for the
    // next full rebuild.
    if (FRendered && !FUpdateLocked && !IsLoading())
        RenderBackdrop();
    update();
}

void TVexKnob::SetScaleType(TScaleType Value) {
    if (IsEnumerator(Value))
        Rebuild(FScaleType, Value);
}

void TVexKnob::SetCaptions(const QStringList &Value) {
    FCaptions = Value;
    // A file stores ScaleItemCount itself, before the captions: it is read as stored.
    if (FCaptions.isEmpty() || IsLoading())
        return;
    SetScaleItemCount(int(std::min<qsizetype>(FCaptions.size(), KMaxScaleItems)));
    RenderBackground();
}

void TVexKnob::SetScaleAlign(TCaptionAlign Value) {
    if (IsEnumerator(Value))
        Rebuild(FScaleAlign, Value);
}

void TVexKnob::SetBevelWidth(int Value) {
    if (Value >= 0)
        Rebuild(FBevelWidth, Value);
}

void TVexKnob::RenderBackground() {
    if (FUpdateLocked || IsLoading())
        return;
    FRendered = true;
    // The shading map takes its size from the face.
    RenderMask();
    RenderAlpha();
    RenderBackdrop();
    update();
}

int TVexKnob::MajorCount() const {
    const qsizetype N =
        Indexed() && !FCaptions.isEmpty() ? FCaptions.size() : qsizetype(FScaleItemCount);
    return int(std::clamp<qsizetype>(N, 0, KMaxScaleItems));
}

void TVexKnob::ApplyGranularity(TBitmap &Bitmap, int Amount) const {
    switch (FGranularityType) {
    case gtNoise:
        AddNoise(Bitmap, Amount);
        break;
    case gtRaster:
        AddRasterNoise(Bitmap, Amount);
        break;
    case gtNone:
        break;
    }
}

void TVexKnob::DrawIndicator(TBitmap &Target) {
    if (FIndicatorType == itNone)
        return;
    TCanvas &C = Target.Canvas();
    C.Brush = TBrush{FIndicatorColor};
    C.Pen.Color = FIndicatorColor;
    C.Pen.Style = psSolid;
    DrawRadialItems(Target, 1, FIndicatorType, 0, 0, (FIndicatorRadius + FIndicatorLength) * 0.01f,
                    FIndicatorRadius * 0.01f, FIndicatorWidth * 0.01f);
}

void TVexKnob::DrawScaleTicks(TBitmap &Target, int Count, double SizeFactor) {
    const int Wt = Target.Width();
    if (FTickType == itLine) {
        // Lines measure against the whole width and run inward from their radius.
        const int Length = BoundedRound(Wt * 0.01 * FTickLen * SizeFactor, 4.0 * Wt);
        const int PenWidth = BoundedRound(Wt * 0.01 * FTickWidth, Wt);
        DrawTicks(Target, Length, PenWidth, float(FTickRadius), Count, MinAngle(), MaxAngle());
    } else {
        // The shapes measure against the half width and run outward.
        DrawRadialItems(Target, Count, FTickType, MaxAngle(), MinAngle(),
                        (FTickRadius + FTickLen) * 0.01f, FTickRadius * 0.01f,
                        float(FTickWidth * 0.01 * SizeFactor));
    }
}

void TVexKnob::DrawScaleLabels(TBitmap &Target, int Count) {
    const bool Rotated = !IsLevelScale(FScaleType);
    const float Angle = float(TextAngle(FScaleType));
    const float Radius = FScaleRadius / 100;
    // Level labels stand centred on their points unless aligned inwards or outwards: then
    // each is moved along its radius by half its extent in that direction.
    if (Rotated || FScaleAlign == caCenter) {
        if (!Indexed())
            DrawScaleNumbers(Target, Count, FScaleFormat, Min(), Max(), MinAngle(), MaxAngle(),
                             Radius, Angle, Rotated);
        else
            DrawScaleCaptions(Target, FCaptions, Rotated, MinAngle(), MaxAngle(), Radius, Angle);
        return;
    }
    TCanvas &C = Target.Canvas();
    const int Labels =
        Indexed() ? int(std::min<qsizetype>(FCaptions.size(), KMaxScaleItems)) : Count;
    const double HalfHeight = Target.Height() / 2;
    const double Side = FScaleAlign == caInwards ? -1 : 1;
    for (int H = 0; H < Labels; ++H) {
        const float A = float(Spread(MinAngle(), MaxAngle(), H, Labels));
        const float Value = float(Spread(Min(), Max(), H, Labels));
        const QString Text = Indexed() ? FCaptions[H] : FormatFloat(FScaleFormat, Value);
        const double Extent = (C.TextWidth(Text) * std::fabs(std::cos(DegToRad(A))) +
                               C.TextHeight(Text) * std::fabs(std::sin(DegToRad(A)))) /
                              2;
        const float At = HalfHeight > 0 ? float(Radius + Side * Extent / HalfHeight) : Radius;
        if (Indexed())
            DrawScaleCaptions(Target, {Text}, false, A, A, At, Angle);
        else
            DrawScaleNumbers(Target, 1, FScaleFormat, Value, Value, A, A, At, Angle, false);
    }
}

void TVexKnob::DrawScale(TBitmap &Target, double Scale) {
    TCanvas &C = Target.Canvas();
    C.Font = ScaledFont(FScaleFont, Scale);
    C.Pen = TPen{FTickColor, Round(Scale)};
    C.Brush = TBrush{FTickColor};
    const int N = MajorCount();
    if (FTickLocation != ilNowhere) {
        DrawScaleTicks(Target, N, 1);
        // Each major interval gets TickCount divisions; the minor ticks at the major positions
        // are drawn too, over the majors.
        const int64_t M = FTickCount > 1 ? int64_t(N - 1) * FTickCount + 1 : N;
        DrawScaleTicks(Target, int(std::clamp<int64_t>(M, 0, KMaxScaleItems)),
                       0.01 * FTickMinorSize);
    }
    DrawScaleLabels(Target, N);
}

void TVexKnob::RenderMask() {
    FMaskBitmap.SetSize(FKnobBitmap.Width(), FKnobBitmap.Height());
    FMaskBitmap.Fill(FKnobColor);
    TCanvas &C = FMaskBitmap.Canvas();
    if (FKnobSurfaceType == kstSmooth) {
        // A silver disc ringed by twenty black teeth.
        const int Wm = FMaskBitmap.Width(), Hm = FMaskBitmap.Height();
        C.Pen = TPen{clSilver};
        C.Brush = TBrush{clSilver};
        C.Ellipse(Round(Wm * 0.28), Round(Wm * 0.28), Wm - Round(Wm * 0.28), Hm - Round(Hm * 0.28));
        C.Pen = TPen{clBlack};
        C.Brush = TBrush{clBlack};
        DrawRadialItems(FMaskBitmap, 20, itTriangle, 360, 0, 0.45f, 0.35f, 0.1f);
    }
    C.Pen.Width = 1;
    if (FIndicatorLocation == ilOnKnob)
        DrawIndicator(FMaskBitmap);
    if (IsKnobScale(FScaleType))
        DrawScale(FMaskBitmap, Geometry().Scale);
    ApplyGranularity(FMaskBitmap, FGranularity);
}

void TVexKnob::RenderAlpha() {
    const int W = FMaskBitmap.Width(), H = FMaskBitmap.Height();
    FAlphaBitmap.SetSize(W, H);
    RenderSurfaceAlpha(FAlphaBitmap, FContrast, FKnobSurfaceType, FLightAngle);
    // A ring of the background colour at the edge: the rim takes a tint of what surrounds it.
    TCanvas &C = FAlphaBitmap.Canvas();
    C.Pen = TPen{Color(), Round(Geometry().Scale)};
    C.Brush.Style = bsClear;
    C.Ellipse(0, 0, W, H);
    emit OnAfterRenderAlpha(this, &FAlphaBitmap);
    Reduce(FAlphaBitmap, true);
}

void TVexKnob::FillBackdrop() {
    if (!FVexTexGen) {
        FBuffer->Fill(Color());
        return;
    }
    // Painted at the control's size, so the tiles line up with the neighbours' on the form.
    TBitmap Texture(Width(), Height());
    Texture.Fill(Color());
    FVexTexGen->PaintTexture(this, Texture.Canvas());
    FBuffer->Canvas().StretchDraw(Rect(0, 0, FBuffer->Width(), FBuffer->Height()), Texture);
}

void TVexKnob::RenderBackdrop() {
    const int W = Width(), H = Height();
    const TGeometry G = Geometry();
    // The screen's pixels, twice over when halved afterwards.
    const QSize Device = DeviceSize();
    const int Factor = G.Halved ? 2 : 1;
    FBuffer->SetSize(Factor * Device.width(), Factor * Device.height());
    FillBackdrop();
    if (IsBackScale(FScaleType))
        DrawScale(*FBuffer, G.Scale);
    TCanvas &C = FBuffer->Canvas();
    C.Pen = TPen{FIndicatorColor};
    if (FIndicatorLocation == ilOnBackground)
        DrawIndicator(*FBuffer);
    // Positions below are given in double-size pixels and drawn at the pictures' scale.
    const int Sk = Round(G.Side * 2 / G.Scale);
    if (FBevelWidth > 0) {
        // The knob's own outline, stroked with the pen centred on it: the inner half is covered
        // by the knob, the outer half stays as a dark ring. The canvas draws a wide pen inside
        // the figure's rectangle, so the rectangle grows by half the pen. A pen as wide as the
        // picture already covers it: wider ones change nothing.
        const int Pen = std::min(FBevelWidth, 4 * W);
        const int P = G.Scaled(W - G.Diameter - Pen / 2);
        const int Q = G.Scaled(W - G.Diameter + Sk + Pen / 2);
        C.Pen = TPen{clBlack, std::max(1, G.Scaled(Pen))};
        C.Brush.Style = bsClear;
        C.Ellipse(P, P, Q, Q);
    }
    if (FShadowX != 0 || FShadowY != 0) {
        // The offsets are in control pixels, added into the double-size picture undoubled.
        TRegion Shadow = TRegion::CreateEllipse(0, 0, G.Side, G.Side);
        const double Limit = 4.0 * (W + H) + Sk;
        Shadow.Offset(G.Scaled(G.Offset + BoundedRound(W * 0.01 * FShadowX, Limit)),
                      G.Scaled(G.Offset + BoundedRound(H * 0.01 * FShadowY, Limit)));
        DarkenRegion(*FBuffer, Shadow, Shadow.Box());
    }
    emit OnAfterRenderBackground(this, FBuffer.get());
    Reduce(*FBuffer, true);
}

void TVexKnob::ComposeGripKnob() {
    TBitmap &Face = FMaskBitmap;
    const int Wm = Face.Width(), Hm = Face.Height();
    // Grey bands across the face whose shading follows the turn, so the grip seems lit from
    // one side as it turns.
    const float Turn = float(std::sin(DegToRad(FRotation) - KPi / 2 + KPi / 4));
    for (int I = 0; I < Hm; ++I) {
        const float H = float(std::sin(2 * KPi * I / Hm) * Turn);
        const float Cube = H * H * H;
        const int Grey = Round(std::sin(3 * KPi * I / Hm) * 64) + 128 + Round(128.0 * Cube);
        FillRow(Face, I, std::clamp(Grey, 0, 255));
    }
    TCanvas &C = Face.Canvas();
    // The grip bar, the white pointer stripe (pointing right on the unturned face) and the
    // outline.
    C.Pen = TPen{clBlack, Wm / 100};
    C.Brush = TBrush{clGray};
    C.Rectangle(0, Hm / 2 - Hm / 8, Wm, Hm / 2 + Hm / 8);
    C.Brush.Color = clWhite;
    C.Rectangle(2 * (Wm / 3), Hm / 2 - Hm / 32, Wm - Wm / 16, Hm / 2 + Hm / 32);
    C.Brush.Style = bsClear;
    C.Ellipse(0, 0, Wm - 1, Hm - 1);
    emit OnAfterRenderMask(this, &Face);
    ApplyGranularity(Face, FGranularity);
    // A quarter turn less, so the stripe points where the other types' indicator points.
    RotateBitmap(Face, FKnobBitmap, 0, FRotation - 90, 1, 1, 0);
    KeyCorners(FKnobBitmap.Width());
    Reduce(FKnobBitmap, false);
}

void TVexKnob::KeyCorners(int Side) {
    // The same corners every frame: their region is built once per size.
    if (Side != FKeyCornersSide) {
        FKeyCorners = OutsideEllipse(Rect(0, 0, Side, Side));
        FKeyCornersSide = Side;
    }
    TCanvas &C = FKnobBitmap.Canvas();
    C.Brush = TBrush{VexCornerKeyColor};
    C.FillRgn(FKeyCorners);
}

void TVexKnob::KeyOutsideKnob() {
    // The parts of the composite that fall inside the control beyond the knob's square, in the
    // composite's pixels, which are the screen's.
    const TGeometry G = Geometry();
    const int W = Width(), H = Height();
    const qreal Ratio = PixelRatio();
    const auto Device = [Ratio](int ControlPixels) { return Round(ControlPixels * Ratio); };
    const int Right = Device(W - (W - G.Diameter) / 2);
    const int D = Device(G.Diameter);
    TCanvas &C = FKnobBitmap.Canvas();
    C.Brush = TBrush{VexCornerKeyColor};
    C.FillRect(Rect(D - 1, 0, Right, G.Square()));
    C.FillRect(Rect(0, D - 1, Right, Device(H - (H - G.Diameter) / 2)));
}

void TVexKnob::ComposeKnob() {
    if (FKnobSurfaceType == kstGrip) {
        ComposeGripKnob();
    } else {
        emit OnAfterRenderMask(this, &FMaskBitmap);
        RotateBitmap(FMaskBitmap, FKnobBitmap, 0, FRotation, 1, 1, 0);
        Reduce(FKnobBitmap, false);
        // The light stays where it is while the face turns under it.
        ApplyLightMap(FAlphaBitmap, FKnobBitmap);
        KeyCorners(Geometry().Square());
    }
    KeyOutsideKnob();
}

void TVexKnob::Paint(TCanvas &Canvas) {
    TVexAngularMeter::Paint(Canvas);
    if (!FRendered) {
        FUpdateLocked = false;
        RenderBackground();
    }
    // The sum of the absolute angles and |Min| + value, as the knob has always turned: with
    // the scale printed on the knob this keeps the current value's label at the bottom.
    if (Min() != Max())
        FRotation = float(MinAngle() - 270.0 -
                          (std::fabs(MinAngle()) + std::fabs(MaxAngle())) *
                              (std::fabs(Min()) + FDisplayValue) / (double(Max()) - Min()));
    ComposeKnob();
    // The composite's corner holds the colour key.
    FKnobBitmap.Transparent = true;
    FKnobBitmap.SetTransparentColor(FKnobBitmap.Pixel(0, 0));
    const int At = Round(Geometry().Offset * PixelRatio());
    FBuffer->Canvas().Draw(At, At, FKnobBitmap);
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

void TVexKnob::TurnBy(float Delta) {
    const float Before = Float();
    const float From = Indexed() ? std::nearbyint(Before) : Before;
    SetFloat(From + Delta);
    if (Float() == Before)
        return;
    // Handlers may destroy the knob; nothing is touched after that.
    const QPointer<TVexKnob> Self(this);
    RaiseChanging();
    if (!Self)
        return;
    emit OnChange(this, Float(), Round(Float()));
    if (!Self)
        return;
    try {
        WriteFloatToField();
    } catch (const std::exception &Error) {
        ApplicationShowError(ErrorMessage(Error));
    }
}

void TVexKnob::keyPressEvent(QKeyEvent *Event) {
    // One step is a whole value when indexed, else a hundredth of the range; a page is a tenth
    // of the range (at least one whole value when indexed).
    const float Range = Max() - Min();
    const float Step = Indexed() ? 1.0f : Range / 100;
    const float Page = Indexed() ? std::max(1.0f, std::nearbyint(Range / 10)) : Range / 10;
    float Delta = 0;
    switch (Event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        Delta = Step;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        Delta = -Step;
        break;
    case Qt::Key_PageUp:
        Delta = Page;
        break;
    case Qt::Key_PageDown:
        Delta = -Page;
        break;
    default:
        TVexAngularMeter::keyPressEvent(Event);
        return;
    }
    Event->accept();
    if (AllowInput() && !IsDesigning())
        TurnBy(Delta);
}

} // namespace Vex
