#include "controls/VexCylinderGauge.h"

#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "toolkit/DIBFX.h"

#include <QFontMetrics>
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>

namespace Vex {

namespace {
// The drum shows its value to this precision; closer than this it has arrived.
constexpr float KArrived = 0.0001f;

// Drum rows are 64-bit: the row of the Min label moves by the shown value times the drum pixels
// per unit, which a small Step makes enormous.
int64_t RoundWide(double Value) {
    constexpr double Limit = 4e18;
    if (std::isnan(Value))
        return 0;
    return int64_t(std::nearbyint(std::clamp(Value, -Limit, Limit)));
}

int ClampToInt(int64_t Value) {
    return int(std::clamp<int64_t>(Value, INT_MIN, INT_MAX));
}

// Walks the marks of the scale down the drum. Mark m = I * PerStep + R lies at row
// Origin + (I + R / PerStep) * Spacing and has the value Min + (I + R / PerStep) * Step. The
// first mark is always taken, later ones while they lie on the drum (row <= Bottom) and their
// value does not pass Max; Visit(I, R, Row) is called for those below the top edge (row > 0).
// Marks above the drum are skipped by arithmetic rather than one by one, and marks closer than a
// row apart are thinned to one a row, so a walk takes at most Bottom + 2 steps whatever the
// scale's numbers.
template <typename TVisit>
void WalkScale(int64_t Origin, int Spacing, int PerStep, double Min, double Step, double Max,
               int Bottom, TVisit &&Visit) {
    const int64_t S = Spacing;
    const int64_t T = std::clamp<int64_t>(PerStep, 1, std::max<int64_t>(1, S < 0 ? -S : S));
    int64_t M = 0;
    if (S > 0 && Origin <= 0) {
        // The first mark below the top edge: the least m with Origin + m * S / T > 0.
        const int64_t I = -Origin / S;
        M = I * T + (-Origin - I * S) * T / S + 1;
    }
    for (int Taken = 0; Taken < Bottom + 2; ++Taken, ++M) {
        const int64_t I = M / T, R = M % T;
        const double Row = double(Origin + I * S) + double(R) * double(S) / double(T);
        const double Value = Min + (double(I) + double(R) / double(T)) * Step;
        if (M > 0 && (Row > Bottom || Value > Max))
            return;
        if (Row > 0)
            Visit(I, R, Row);
        else if (M > 0 && S <= 0)
            return; // the rows no longer grow: nothing further comes onto the drum
    }
}

uint8_t SubtractFloored(uint8_t Channel, uint8_t Amount) {
    return Channel > Amount ? uint8_t(Channel - Amount) : 0;
}
} // namespace

TVexCylinderGauge::TVexCylinderGauge(QWidget *Parent)
    : TVexVBSGraphicControlDA(Parent), FDrum(std::make_unique<TBitmap>()) {
    TFont Arial;
    Arial.Name = QStringLiteral("Arial");
    Arial.SetSize(16);
    SetFont(Arial);
    SetBounds(Left(), Top(), 40, 150);
    EnableFrameTimer(true);
}

TVexCylinderGauge::~TVexCylinderGauge() = default;

QSize TVexCylinderGauge::DrumSize(int Width, int Height, int Factor) {
    return {Factor * std::max(Width, 0), Round(double(Factor) * std::max(Height, 0) * 1.414)};
}

void TVexCylinderGauge::SetFont(const TFont &Value) {
    FFont = Value;
    UpdateDrumFont();
    RedrawDrum();
}

void TVexCylinderGauge::UpdateDrumFont() {
    FDrumFont = ScaledFont(FFont, RenderScale());
    FDrum->Canvas().Font = FDrumFont;
    FLabelOffset = FDrum->Canvas().TextHeight(QStringLiteral("0")) / 2;
}

void TVexCylinderGauge::SetStabilizeTime(float Value) {
    if (!std::isfinite(Value) || Value > 201)
        return;
    FStabilizeTime = Value;
    FDamping = float(2.0 - double(Value) / 100.0);
}

void TVexCylinderGauge::SetSluggishness(float Value) {
    if (!std::isfinite(Value) || Value <= -1)
        return;
    FSluggishness = Value;
    FGain = float(1.0 / (double(Value) + 1.0));
}

void TVexCylinderGauge::SetPosition(float Value) {
    if (!std::isfinite(Value))
        return;
    const bool Moved = Value != FPosition;
    FPosition = Value;
    if (IsDesigning()) {
        FDisplayValue = -Value;
        RedrawDrum();
        return;
    }
    // A motion starts: the frames that roll the drum are wanted from now on.
    if (Moved && !(std::fabs(FPosition + FDisplayValue) < KArrived)) {
        FSettled = false;
        WakeFrameTimer();
    }
}

void TVexCylinderGauge::SetMin(float Value) {
    if (std::isfinite(Value))
        FMin = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetMax(float Value) {
    if (std::isfinite(Value) && Value > FMin)
        FMax = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetValueSpacing(int Value) {
    FValueSpacing = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetTicksPerValue(int Value) {
    if (Value >= 0)
        FTicksPerValue = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetTickColor(TColor Value) {
    FTickColor = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetTickLength(int Value) {
    if (Value >= 0)
        FTickLength = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetIndicatorColor(TColor Value) {
    FIndicatorColor = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetIndicatorWidth(int Value) {
    if (Value >= 0)
        FIndicatorWidth = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetIndicatorTransparent(bool Value) {
    FIndicatorTransparent = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetStep(float Value) {
    if (std::isfinite(Value) && Value > 0)
        FStep = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetValueFormat(const QString &Value) {
    if (IsNumberPicture(Value))
        FValueFormat = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetScaleMargin(int Value) {
    if (Value >= 0)
        FScaleMargin = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetCylinderColor(TColor Value) {
    FCylinderColor = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetTickWidth(int Value) {
    if (Value >= 0)
        FTickWidth = Value;
    RedrawDrum();
}

void TVexCylinderGauge::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexVBSGraphicControlDA::SetBounds(ALeft, ATop, AWidth, AHeight);
    SizeSurfaces();
    if (Width() > 0 && Height() > 0)
        RedrawDrum();
}

void TVexCylinderGauge::SizeSurfaces() {
    // The screen's pixels, drawn at twice their number and halved below ratio 2.
    const QSize Device = DeviceSize();
    const QSize Size = DrumSize(Device.width(), Device.height(), HalvesRendering() ? 2 : 1);
    // A drum too large for a surface is left without area rather than at a stale size.
    if (!FDrum->SetSize(Size.width(), Size.height()))
        FDrum->SetSize(0, 0);
    FBuffer->SetSize(Device.width(), Device.height());
}

void TVexCylinderGauge::PixelRatioChanged() {
    SizeSurfaces();
    UpdateDrumFont();
    RedrawDrum();
}

void TVexCylinderGauge::Loaded() {
    TVexVBSGraphicControlDA::Loaded();
    RenderDrum();
    update();
}

void TVexCylinderGauge::DataChange(QObject *Sender) {
    TVexVBSGraphicControlDA::DataChange(Sender);
    if (!DataLink().HasField())
        return;
    // A number beyond the float range rolls the drum to the end of the range, past its scale.
    SetPosition(std::clamp(DataLink().AsFloat(), -FLT_MAX, FLT_MAX));
}

void TVexCylinderGauge::FrameTick() {
    TVexVBSGraphicControlDA::FrameTick();
    const bool WasAway = !(std::fabs(FPosition + FDisplayValue) < KArrived);
    const float Shown = FDisplayValue, X = FDrumValue, V = FVelocity;
    RollStep();
    // Close to the target float arithmetic can come to rest a few units in the last place away
    // from it; a step that changes nothing has settled the drum as well.
    FSettled =
        std::fabs(FPosition + FDisplayValue) < KArrived || (FDrumValue == X && FVelocity == V);
    // A paint for every step that moves the picture toward a target it had not reached; the
    // last one shows where the drum came to rest, also when it jumps there without motion.
    if (WasAway && FDisplayValue != Shown && !visibleRegion().isEmpty())
        update();
}

void TVexCylinderGauge::RollStep() {
    if (!(FSluggishness > 0)) {
        FDisplayValue = -FPosition;
        return;
    }
    // Each quantity is stored as a 32-bit float after its own line; the arithmetic within a
    // line is done in double.
    FDampingTerm = float(double(FDamping) * FVelocity);
    FError = float(double(FPosition) - FDampingTerm - FDrumValue);
    FVelocity = float(FVelocity + double(FGain) * FError);
    FDrumValue = float(FDrumValue + double(FGain) * FVelocity);
    if (!std::isfinite(FDrumValue) || !std::isfinite(FVelocity)) {
        // A motion that left the float range (a swing that grows without end) comes to rest
        // on the target rather than showing a value that is no number.
        FDrumValue = FPosition;
        FVelocity = FError = FDampingTerm = 0;
    }
    FDisplayValue = -FDrumValue;
}

void TVexCylinderGauge::RedrawDrum() {
    FStamps.clear();
    FRendered = false;
    if ((IsLoading() && !IsDesigning()) || FDrum->Empty())
        return;
    RenderDrum();
    update();
}

void TVexCylinderGauge::Paint(TCanvas &Canvas) {
    TVexVBSGraphicControlDA::Paint(Canvas);
    // Nothing to draw again when neither the shown value nor anything else changed since.
    if (!FRendered || FDisplayValue != FRenderedValue)
        RenderDrum();
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

void TVexCylinderGauge::RenderDrum() {
    // A rendering started from inside another (a paint during a setter) is dropped.
    if (FRendering || FDrum->Empty())
        return;
    FRendering = true;
    DrawFlatDrum();
    ProjectDrum();
    if (HalvesRendering())
        HalveBitmap(*FDrum, false);
    FBuffer->Canvas().Draw(0, 0, *FDrum);
    FRendering = false;
    FRendered = true;
    FRenderedValue = FDisplayValue;
}

void TVexCylinderGauge::DrawFlatDrum() {
    DrawScale();
    DrawDrumIndicator();
    ShadeDrum();
}

void TVexCylinderGauge::DrawScale() {
    LayOutScale();
    FDrum->Fill(clWhite);
    DrawDrumValues();
    DrawDrumTicks();
}

void TVexCylinderGauge::LayOutScale() {
    const int Wd = FDrum->Width(), Hd = FDrum->Height();
    // Rows of this drum per row of an ordinary screen's drum.
    const double Units = RenderScale() / 2;
    const int Spacing = FromDoubleSize(FValueSpacing);
    const double PixelsPerUnit = double(Spacing) / double(FStep);
    FDrumOrigin = RoundWide(Height() * Units + double(FDisplayValue) * PixelsPerUnit) +
                  RoundWide(double(FMin) * PixelsPerUnit) + RoundWide(0.4 * Height() * Units);

    // Marks entirely below the drum cannot show; their rows are not worth keeping. Nor can the
    // characters of a label beyond the drum's width in pixels.
    FLabels.clear();
    WalkScale(FDrumOrigin, Spacing, 1, FMin, FStep, FMax, Hd, [&](int64_t I, int64_t, double Row) {
        if (Row - FLabelOffset < Hd)
            FLabels.push_back({ClampToInt(RoundWide(Row)),
                               FormatFloat(FValueFormat, FMin + double(I) * FStep).left(Wd)});
    });
    FTicks.clear();
    if (FTickLength <= 0)
        return;
    // With no tick intervals per label, only the labelled ticks are drawn.
    const int PerStep = std::max(FTicksPerValue, 1);
    const int64_t Minor = std::min<int64_t>(FromDoubleSize(FTickLength), Hd + Wd);
    const int TickWidth = FromDoubleSize(FTickWidth);
    WalkScale(FDrumOrigin, Spacing, PerStep, FMin, FStep, FMax, Hd,
              [&](int64_t, int64_t R, double Row) {
                  if (Row - TickWidth < Hd)
                      FTicks.push_back({Round(Row), int(R == 0 ? 2 * Minor : Minor)});
              });
}

void TVexCylinderGauge::DrawDrumValues() {
    for (const TDrumLabel &Label : FLabels)
        Stamp(
            u'L' + Label.Text, FromDoubleSize(FScaleMargin), Label.Y - FLabelOffset,
            [&] {
                // The text cell and the ink, which may stand out of it, around the top-left
                // reference point.
                const QFontMetrics Metrics(FDrumFont.ToQFont());
                const QString Shown = FDrumFont.DisplayText(Label.Text);
                const QRect Cell(0, 0, Metrics.horizontalAdvance(Shown), Metrics.height());
                return Metrics.boundingRect(Shown)
                    .translated(0, Metrics.ascent())
                    .united(Cell)
                    .adjusted(-2, -2, 2, 2);
            },
            [&](TCanvas &C, int X, int Y) {
                C.Font = FDrumFont;
                C.SetTextAlign(TA_LEFT | TA_TOP);
                C.Brush.Style = bsClear;
                C.TextOut(X, Y, Label.Text);
                C.Brush.Style = bsSolid;
            });
}

void TVexCylinderGauge::DrawDrumTicks() {
    const int Wd = FDrum->Width(), Hd = FDrum->Height();
    // A pen wider than the drum's own size covers the drum all the same.
    const int PenWidth = std::min(FromDoubleSize(FTickWidth), 2 * (Wd + Hd) + 2);
    const TPen Pen{FTickColor, PenWidth, psSolid, pmCopy};
    for (const TDrumTick &Tick : FTicks) {
        // A tick reaching beyond the left edge ends where its cap can no longer be seen.
        const int Length = std::min(Tick.Length, Wd + std::max(PenWidth, 1) + 1);
        Stamp(
            u'T' + QString::number(Length), Wd, Tick.Y,
            [&] {
                const int Margin = std::max(PenWidth, 1) + 2;
                return QRect(-Length - Margin, -Margin, Length + 2 * Margin + 1, 2 * Margin + 1);
            },
            [&](TCanvas &C, int X, int Y) {
                C.Pen = Pen;
                C.MoveTo(X, Y);
                C.LineTo(X - Length, Y);
            });
    }
}

template <typename TBounds, typename TDraw>
void TVexCylinderGauge::Stamp(const QString &Key, int X, int Y, TBounds &&Bounds, TDraw &&Draw) {
    auto Found = FStamps.find(Key);
    if (Found == FStamps.end()) {
        // A scale rolling over many different labels makes a stamp for each; few are on the
        // drum at a time, so the old ones go all at once.
        constexpr qsizetype KMaxStamps = 256;
        if (FStamps.size() >= KMaxStamps)
            FStamps.clear();
        TStamp Made;
        const QRect Extent = Bounds();
        if (int64_t(Extent.width()) * Extent.height() > int64_t(FDrum->Width()) * FDrum->Height()) {
            Made.Afresh = true;
        } else {
            QImage Picture(Extent.size(), QImage::Format_ARGB32_Premultiplied);
            Picture.fill(Qt::transparent);
            {
                TCanvas Canvas(&Picture);
                Draw(Canvas, -Extent.left(), -Extent.top());
            }
            Made = MakeStamp(Picture, -Extent.topLeft());
        }
        Found = FStamps.insert(Key, Made);
    }
    if (Found->Afresh)
        Draw(FDrum->Canvas(), X, Y);
    else
        PutRuns(Found->Runs, X, Y);
}

TVexCylinderGauge::TStamp TVexCylinderGauge::MakeStamp(const QImage &Picture, QPoint Origin) {
    TStamp Made;
    for (int Y = 0; Y < Picture.height(); ++Y) {
        const QRgb *Row = reinterpret_cast<const QRgb *>(Picture.constScanLine(Y));
        for (int X = 0; X < Picture.width();) {
            const int Alpha = qAlpha(Row[X]);
            if (Alpha == 0) {
                ++X;
                continue;
            }
            if (Alpha != 255)
                return {{}, true};
            int End = X + 1;
            while (End < Picture.width() && Row[End] == Row[X])
                ++End;
            Made.Runs.push_back({Y - Origin.y(), X - Origin.x(), End - Origin.x(), Row[X]});
            X = End;
        }
    }
    return Made;
}

void TVexCylinderGauge::PutRuns(const std::vector<TRun> &Runs, int X, int Y) {
    const int Wd = FDrum->Width(), Hd = FDrum->Height();
    uint8_t *const Top = FDrum->ScanLine(0);
    const qsizetype Stride = FDrum->BytesPerLine();
    for (const TRun &Run : Runs) {
        const int64_t Row = int64_t(Y) + Run.Y;
        const int64_t X0 = std::max<int64_t>(int64_t(X) + Run.X0, 0);
        const int64_t X1 = std::min<int64_t>(int64_t(X) + Run.X1, Wd);
        if (Row < 0 || Row >= Hd || X0 >= X1)
            continue;
        uint32_t *const Pixels = reinterpret_cast<uint32_t *>(Top + Row * Stride);
        std::fill(Pixels + X0, Pixels + X1, Run.Pixel);
    }
}

void TVexCylinderGauge::DrawDrumIndicator() {
    if (FIndicatorWidth <= 0)
        return;
    const int Wd = FDrum->Width(), Hd = FDrum->Height();
    const int HalfBand = FromDoubleSize(FIndicatorWidth);
    const auto Row = [Hd](int64_t Y) { return int(std::clamp<int64_t>(Y, -1, Hd + 1)); };
    const int Top = Row(int64_t(Hd / 2) - HalfBand);
    const int Bottom = Row(int64_t(Hd / 2) + HalfBand);
    if (FIndicatorTransparent) {
        HalfTintRect(*FDrum, Rect(0, Top, Wd, Bottom + 1), FIndicatorColor);
        return;
    }
    TCanvas &C = FDrum->Canvas();
    C.Brush.Style = bsSolid;
    C.Brush.Color = FIndicatorColor;
    C.FillRect(Rect(0, Top, Wd, Bottom));
}

void TVexCylinderGauge::UpdateRowTables() {
    const int Hd = FDrum->Height();
    const TColor Tint = ColorToRGB(FCylinderColor);
    if (Hd == FTableHeight && Tint == FTableColor)
        return;
    FTableHeight = Hd;
    FTableColor = Tint;
    FProjection = ProjectionRows(Hd);
    // How much each row darkens: nothing in the middle row, most at the edges, more where the
    // tint's channel is dark.
    FShade.resize(size_t(Hd));
    const int Channels[3] = {GetBValue(Tint), GetGValue(Tint), GetRValue(Tint)};
    for (int I = 0; I < Hd; ++I) {
        const float S = float(std::sin(std::numbers::pi * I / Hd + std::numbers::pi) + 1.0);
        std::array<uint8_t, 16> &Row = FShade[size_t(I)];
        for (size_t B = 0; B < Row.size(); ++B)
            Row[B] = B % 4 == 3 ? 0
                                : uint8_t(std::min(255, Round((255 - Channels[B % 4]) * double(S) +
                                                              128 * double(S))));
    }
}

void TVexCylinderGauge::ShadeDrum() {
    UpdateRowTables();
    if (FDrum->Empty())
        return;
    const int Bytes = FDrum->Width() * TBitmap::BytesPerPixel, Hd = FDrum->Height();
    uint8_t *const Top = FDrum->ScanLine(0);
    const qsizetype Stride = FDrum->BytesPerLine();
    for (int I = 0; I < Hd; ++I) {
        const std::array<uint8_t, 16> &Amount = FShade[size_t(I)];
        if (Amount[0] == 0 && Amount[1] == 0 && Amount[2] == 0)
            continue;
        // A copy the compiler knows no row byte can overwrite, so that whole blocks of four
        // pixels are done at once.
        uint8_t Block[16];
        std::copy(Amount.begin(), Amount.end(), Block);
        uint8_t *const Row = Top + I * Stride;
        int K = 0;
        for (; K + 16 <= Bytes; K += 16)
            for (int B = 0; B < 16; ++B)
                Row[K + B] = SubtractFloored(Row[K + B], Block[B]);
        for (; K < Bytes; ++K)
            Row[K] = SubtractFloored(Row[K], Block[K % 16]);
    }
}

std::vector<int> TVexCylinderGauge::ProjectionRows(int Height) {
    std::vector<int> Rows;
    if (Height <= 0)
        return Rows;
    const float A = float(std::numbers::pi / Height);
    const int Middle = Height / 2, Quarter = Height / 4;
    int J = 0;
    for (int Q = 1; Q <= Height; ++Q) {
        const double T = std::tan(Q * double(A) - std::numbers::pi / 2) * Quarter;
        // Beyond a drum's height off the middle no row can be hit (and the tangent may be
        // enormous near the poles).
        if (!(std::fabs(T) <= Height))
            continue;
        const int N = Middle + Round(T);
        if (N >= 0 && N < Height && N != J) {
            Rows.push_back(N);
            ++J;
        }
    }
    return Rows;
}

void TVexCylinderGauge::ProjectDrum() {
    UpdateRowTables();
    if (FDrum->Empty())
        return;
    uint8_t *const Top = FDrum->ScanLine(0);
    const qsizetype Stride = FDrum->BytesPerLine();
    const size_t Bytes = size_t(FDrum->Width()) * TBitmap::BytesPerPixel;
    // In place, top down: the tangent law takes each row from one further down, which has not
    // been written yet.
    for (size_t J = 0; J < FProjection.size(); ++J)
        std::memcpy(Top + qsizetype(J) * Stride, Top + FProjection[J] * Stride, Bytes);
}

} // namespace Vex
