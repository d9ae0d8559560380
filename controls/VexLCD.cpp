#include "controls/VexLCD.h"

#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "toolkit/DIBFX.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace Vex {

namespace {
// Cell sizes far beyond any surface (16384 pixels) look the same as larger ones, since the
// surface clips them; bounding them keeps the segment arithmetic from overflowing.
constexpr int KMaxCellSize = 4 * TBitmap::MaxDimension;

// Grain: each pixel brightens by 0 .. 39 levels.
constexpr int KGrainLevels = 40;

constexpr unsigned Lit(std::initializer_list<TVexLCD::TSegment> Segments) {
    unsigned Bits = 0;
    for (TVexLCD::TSegment S : Segments)
        Bits |= 1u << S;
    return Bits;
}

using enum TVexLCD::TSegment;

// Which segments each character lights. Segments are drawn in their own order, which is the
// order every character lists them in.
struct TCharSegments {
    char16_t Ch;
    unsigned Segments;
};
constexpr TCharSegments KCharacters[] = {
    {u'0', Lit({sgUpperLeft, sgLowerLeft, sgLowerRight, sgUpperRight, sgTop, sgBottom})},
    {u'1', Lit({sgLowerRight, sgUpperRight})},
    {u'2', Lit({sgLowerLeft, sgUpperRight, sgTop, sgBottom, sgMiddle})},
    {u'3', Lit({sgLowerRight, sgUpperRight, sgTop, sgBottom, sgMiddle})},
    {u'4', Lit({sgUpperLeft, sgLowerRight, sgUpperRight, sgMiddle})},
    {u'5', Lit({sgUpperLeft, sgLowerRight, sgTop, sgBottom, sgMiddle})},
    {u'6', Lit({sgUpperLeft, sgLowerLeft, sgLowerRight, sgTop, sgBottom, sgMiddle})},
    {u'7', Lit({sgLowerRight, sgUpperRight, sgTop})},
    {u'8', Lit({sgUpperLeft, sgLowerLeft, sgLowerRight, sgUpperRight, sgTop, sgBottom, sgMiddle})},
    {u'9', Lit({sgUpperLeft, sgLowerRight, sgUpperRight, sgTop, sgBottom, sgMiddle})},
    {u'-', Lit({sgMiddle})},
    {u'.', Lit({sgPoint})},
    {u',', Lit({sgPoint})},
};

// The decimal point takes half a cell; every other character, shown or not, 1.2 cells.
bool IsDecimalPoint(QChar Ch) {
    return Ch == u'.' || Ch == u',';
}

uint8_t AddClamped(uint8_t Channel, int Delta) {
    return uint8_t(std::clamp(Channel + Delta, 0, 255));
}

// A four-cornered outline padded to six points by repeating its first point.
TVexShape Quad(TPoint A, TPoint B, TPoint C, TPoint D) {
    return {A, B, C, D, A, A};
}
} // namespace

TVexLCD::TVexLCD(QWidget *Parent) : TVexVBSGraphicControlDA(Parent) {
    // The defaults are in the fields; one rebuild follows the size.
    TVexVBSGraphicControlDA::SetColor(RGB(128, 128, 32));
    SplitColor();
    FormatDisplayText();
    SetBounds(Left(), Top(), 360, 100);
}

void TVexLCD::Loaded() {
    TVexVBSGraphicControlDA::Loaded();
    RebuildDisplay();
}

void TVexLCD::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexVBSGraphicControlDA::SetBounds(ALeft, ATop, AWidth, AHeight);
    SizeSurface();
    RebuildDisplay();
}

void TVexLCD::SizeSurface() {
    // Twice the screen's pixels, halved after drawing; from ratio 2 up, the screen's pixels.
    const QSize Device = DeviceSize();
    const int Factor = HalvesRendering() ? 2 : 1;
    FBuffer->SetSize(Factor * Device.width(), Factor * Device.height());
}

void TVexLCD::PixelRatioChanged() {
    SizeSurface();
    RebuildDisplay();
}

void TVexLCD::SetValue(float Value) {
    if (!std::isfinite(Value))
        return;
    FValue = Value;
    FormatDisplayText();
    RebuildDisplay();
}

void TVexLCD::SetColor(TColor Value) {
    TVexVBSGraphicControlDA::SetColor(Value);
    SplitColor();
    RebuildDisplay();
}

void TVexLCD::SplitColor() {
    const TColor Background = ColorToRGB(Color());
    FRed = GetRValue(Background);
    FGreen = GetGValue(Background);
    FBlue = GetBValue(Background);
}

void TVexLCD::SetShadowColor(TColor Value) {
    FShadowColor = Value;
    RebuildDisplay();
}

void TVexLCD::SetSegmentColor(TColor Value) {
    FSegmentColor = Value;
    RebuildDisplay();
}

void TVexLCD::SetFormat(const QString &Value) {
    if (!IsNumberPicture(Value))
        return;
    FFormat = Value;
    FormatDisplayText();
    RebuildDisplay();
}

void TVexLCD::SetCharWidth(float Value) {
    if (!std::isfinite(Value))
        return;
    FCharWidth = Value;
    RebuildDisplay();
}

void TVexLCD::SetSegmentWidth(float Value) {
    if (!std::isfinite(Value))
        return;
    FSegmentWidth = Value;
    RebuildDisplay();
}

void TVexLCD::SetLightIntensity(float Value) {
    if (!std::isfinite(Value))
        return;
    FLightIntensity = Value;
    RebuildDisplay();
}

void TVexLCD::SetHMargin(int Value) {
    if (Value == FHMargin)
        return;
    FHMargin = Value;
    RebuildDisplay();
}

void TVexLCD::SetGradientRate(float Value) {
    if (!(Value > 0) || !std::isfinite(Value))
        return;
    FGradientRate = Value;
    RebuildDisplay();
}

void TVexLCD::DataChange(QObject *Sender) {
    TVexVBSGraphicControlDA::DataChange(Sender);
    if (!DataLink().HasField())
        return;
    // A field without a number (NULL, empty or text) blanks the cells rather than showing a
    // made-up 0; a number beyond the float range shows as the largest float of its sign.
    bool IsNumber = false;
    DataLink().AsString().toDouble(&IsNumber);
    if (!IsNumber) {
        FDisplayText.clear();
        RebuildDisplay();
        return;
    }
    SetValue(std::clamp(DataLink().AsFloat(), -FLT_MAX, FLT_MAX));
}

unsigned TVexLCD::SegmentsOf(QChar Ch) {
    for (const TCharSegments &C : KCharacters)
        if (C.Ch == Ch.unicode())
            return C.Segments;
    return 0;
}

void TVexLCD::FormatDisplayText() {
    FDisplayText = FormatFloat(FFormat, FValue);
}

void TVexLCD::RebuildDisplay() {
    if ((IsLoading() && !IsDesigning()) || Width() == 0 || Height() == 0 || FBuffer->Empty())
        return;
    CalcGeometry();
    BuildSegments();
    RenderBitmap();
    update();
}

void TVexLCD::CalcGeometry() {
    const int Hb = FBuffer->Height();
    TGeometry &G = FGeometry;
    G.CellHeight = Round(Hb * 0.8);
    G.Top = Round(Hb * 0.1);
    const auto Bounded = [](double Size) {
        return std::clamp(Round(Size), -KMaxCellSize, KMaxCellSize);
    };
    G.CellWidth = Bounded(double(G.CellHeight) * double(FCharWidth));
    G.Thickness = Bounded(double(G.CellHeight) * double(FSegmentWidth));
    G.ShadowOffset = Round(G.CellHeight * 0.04);
    G.Gap = Round(G.CellHeight * 0.02);
}

void TVexLCD::BuildSegments() {
    const int Hc = FGeometry.CellHeight, W = FGeometry.CellWidth, T = FGeometry.Thickness,
              g = FGeometry.Gap;
    const int h = Hc / 2, t = T / 2;
    // The lower verticals end at 2h - g, one pixel above Hc - g when Hc is odd.
    FSegments[sgUpperLeft] = Quad({0, g}, {0, h - g}, {T, h - t - g}, {T, T + g});
    FSegments[sgLowerLeft] = Quad({0, h + g}, {0, 2 * h - g}, {T, Hc - T - g}, {T, h + t + g});
    FSegments[sgLowerRight] =
        Quad({W, h + g}, {W, 2 * h - g}, {W - T, Hc - T - g}, {W - T, h + t + g});
    FSegments[sgUpperRight] = Quad({W, g}, {W, h - g}, {W - T, h - t - g}, {W - T, T + g});
    FSegments[sgTop] = Quad({g, 0}, {g + T, T}, {W - g - T, T}, {W - g, 0});
    FSegments[sgBottom] = Quad({g, Hc}, {T + g, Hc - T}, {W - g - T, Hc - T}, {W - g, Hc});
    FSegments[sgMiddle] = {TPoint{g, h},     TPoint{T + g, h - t},     TPoint{W - g - T, h - t},
                           TPoint{W - g, h}, TPoint{W - g - T, h + t}, TPoint{T + g, h + t}};
    FSegments[sgPoint] = Quad({W - g - T, Hc}, {W - g, Hc}, {W - g, Hc - T}, {W - g - T, Hc - T});
}

void TVexLCD::RenderBitmap() {
    RenderBackground();
    AddGrain();
    DrawCells();
    if (HalvesRendering())
        HalveBitmap(*FBuffer, false);
}

void TVexLCD::RenderBackground() {
    TBitmap &B = *FBuffer;
    const int Wb = B.Width();
    // The wave runs over the control's width in double-size pixels, whatever the surface's scale.
    const double DoubleSize = 2 / RenderScale();
    uint8_t *Row = B.ScanLine(0);
    for (int X = 0; X < Wb; ++X) {
        // A level change of 255 or more saturates every channel, so larger ones need no care.
        const double Wave = std::sin(double(X) * DoubleSize / Width() * double(FGradientRate));
        const int A = std::clamp(Round(Wave * double(FLightIntensity)), -255, 255);
        uint8_t *P = Row + X * TBitmap::BytesPerPixel;
        P[0] = AddClamped(FBlue, A);
        P[1] = AddClamped(FGreen, A);
        P[2] = AddClamped(FRed, A);
    }
    ReplicateFirstRow(B);
}

void TVexLCD::AddGrain() {
    TBitmap &B = *FBuffer;
    const int Wb = B.Width(), Hb = B.Height();
    // A generator of its own, seeded from the shared one: one draw per pixel of a surface four
    // times the control's size is the bulk of a rebuild, and an inline step costs a fraction of
    // a call.
    uint32_t State = uint32_t(Random(INT_MAX));
    for (int Y = 0; Y < Hb; ++Y) {
        uint8_t *P = B.ScanLine(Y);
        for (int X = 0; X < Wb; ++X, P += TBitmap::BytesPerPixel) {
            State = State * 1664525u + 1013904223u;
            const int N = int((uint64_t(State) * KGrainLevels) >> 32);
            P[0] = uint8_t(std::min(P[0] + N, 255));
            P[1] = uint8_t(std::min(P[1] + N, 255));
            P[2] = uint8_t(std::min(P[2] + N, 255));
        }
    }
}

void TVexLCD::DrawCells() {
    TCanvas &C = FBuffer->Canvas();
    const TGeometry &G = FGeometry;
    const int Wb = FBuffer->Width();
    // How far a cell's drawing reaches left and right of its origin: the segments, the shadow
    // and one pixel of outline.
    const int Reach0 = std::min(0, G.CellWidth) - 1;
    const int Reach1 = std::max(0, G.CellWidth) + std::max(0, G.ShadowOffset) + 1;
    const int64_t Step = Round(G.CellWidth * 1.2), PointStep = Round(G.CellWidth * 0.5);
    FCellLefts.clear();
    // Cells are placed from the right; a long text runs off the left edge, where the walk stops
    // once the cells move away from the surface.
    int64_t X = int64_t(Wb) - G.CellWidth - FromDoubleSize(FHMargin);
    for (qsizetype I = FDisplayText.size() - 1; I >= 0; --I) {
        const QChar Ch = FDisplayText[I];
        if (X + Reach1 >= 0 && X + Reach0 < Wb) {
            const int Left = int(X);
            DrawDigit(C, Ch, FShadowColor, {Left + G.ShadowOffset, G.Top + G.ShadowOffset});
            DrawDigit(C, Ch, FSegmentColor, {Left, G.Top});
            FCellLefts.push_back(Left);
        } else if (G.CellWidth >= 0 ? X + Reach1 < 0 : X + Reach0 >= Wb) {
            break;
        }
        X -= IsDecimalPoint(Ch) ? PointStep : Step;
    }
    std::reverse(FCellLefts.begin(), FCellLefts.end());
}

void TVexLCD::DrawDigit(TCanvas &Canvas, QChar Ch, TColor Color, TPoint Origin) {
    const unsigned Segments = SegmentsOf(Ch);
    if (Segments == 0)
        return;
    Canvas.Pen = TPen{Color};
    Canvas.Brush = TBrush{Color, bsSolid};
    for (int S = 0; S < SegmentCount; ++S)
        if (Segments & (1u << S))
            DrawShape(Canvas, Origin, FSegments[S]);
}

void TVexLCD::Paint(TCanvas &Canvas) {
    TVexVBSGraphicControlDA::Paint(Canvas);
    // Only the top-left quarter of a halved surface holds the picture.
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
}

} // namespace Vex
