#include "controls/VexMatrix.h"

#include "controls/VexMatrixFont.h"
#include "platform/core/Maths.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace Vex {

namespace {
// Dot sizes and spacings beyond any surface (16384 pixels) look the same as larger ones, since
// the surface clips them; bounding them keeps the cell arithmetic from overflowing.
constexpr int KMaxDotSize = 4 * TBitmap::MaxDimension;

// Glyphs up to this many pixels are kept as bitmaps (64 KiB each, under 6 MiB for the font);
// larger ones, of which only a few cells can show, are drawn dot by dot when placed.
constexpr int64_t KMaxCachedGlyphPixels = 1 << 14;

QRgb PixelOf(TColor Color) {
    const TColor C = ColorToRGB(Color);
    return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

// A channel plus a level change of -255 .. 255, saturated: KSaturated[255 + Delta + Channel].
// A table lookup per channel keeps the highlight, which touches every pixel on every paint,
// cheap.
constexpr std::array<uint8_t, 3 * 255 + 1> KSaturated = [] {
    std::array<uint8_t, 3 * 255 + 1> Table{};
    for (int V = 0; V < int(Table.size()); ++V)
        Table[size_t(V)] = uint8_t(std::clamp(V - 255, 0, 255));
    return Table;
}();

// Copies Source onto Target with its top-left corner at (X, Y), clipped to Target.
void Blit(TBitmap &Target, int64_t X, int64_t Y, const TBitmap &Source) {
    const int64_t X0 = std::max<int64_t>(X, 0), Y0 = std::max<int64_t>(Y, 0);
    const int64_t X1 = std::min<int64_t>(X + Source.Width(), Target.Width());
    const int64_t Y1 = std::min<int64_t>(Y + Source.Height(), Target.Height());
    if (X0 >= X1)
        return;
    const size_t Bytes = size_t(X1 - X0) * TBitmap::BytesPerPixel;
    for (int64_t Row = Y0; Row < Y1; ++Row)
        std::memcpy(Target.ScanLine(int(Row)) + X0 * TBitmap::BytesPerPixel,
                    Source.ScanLine(int(Row - Y)) + (X0 - X) * TBitmap::BytesPerPixel, Bytes);
}

// Fills the rectangle Left .. Right - 1, Top .. Bottom - 1 of Target, clipped, with Pixel.
void FillClipped(TBitmap &Target, int64_t Left, int64_t Top, int64_t Right, int64_t Bottom,
                 QRgb Pixel) {
    Left = std::max<int64_t>(Left, 0);
    Top = std::max<int64_t>(Top, 0);
    Right = std::min<int64_t>(Right, Target.Width());
    Bottom = std::min<int64_t>(Bottom, Target.Height());
    for (int64_t Y = Top; Y < Bottom; ++Y) {
        QRgb *Line = reinterpret_cast<QRgb *>(Target.ScanLine(int(Y)));
        std::fill(Line + Left, Line + std::max(Left, Right), Pixel);
    }
}

// Floor of A / 2, also for negative A.
int64_t HalfDown(int64_t A) {
    return A >= 0 ? A / 2 : -((1 - A) / 2);
}
} // namespace

TVexMatrix::TVexMatrix(QWidget *Parent) : TVexVBSGraphicControlDA(Parent) {
    // The defaults are in the fields; the constructor's size is not the one the line height
    // would give (33), and stored pages rely on both.
    SetBounds(Left(), Top(), 310, 34);
    SetCharacterSet();
    BuildGlyphs();
}

void TVexMatrix::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexVBSGraphicControlDA::SetBounds(ALeft, ATop, AWidth, AHeight);
    SizeSurface();
}

void TVexMatrix::SizeSurface() {
    const QSize Device = DeviceSize();
    FBuffer->SetSize(Device.width(), Device.height());
}

void TVexMatrix::PixelRatioChanged() {
    SizeSurface();
    BuildGlyphs();
}

void TVexMatrix::Loaded() {
    TVexVBSGraphicControlDA::Loaded();
    BuildGlyphs();
    update();
}

void TVexMatrix::SetCharacterSet() {
    const std::span<const uint8_t> Set = MatrixCharacterSet();
    for (size_t I = 0; I < Set.size(); ++I) {
        FGlyphs[I + 1].Code = Set[I];
        FGlyphs[I + 1].Pattern = MatrixGlyphPattern(Set[I]);
    }
    // A code shows the last entry that carries it; codes no entry carries show the blank.
    FGlyphIndex.fill(BlankGlyph);
    for (int I = 0; I < GlyphCount; ++I)
        FGlyphIndex[FGlyphs[I].Code] = uint8_t(I);
}

void TVexMatrix::SetPixelWidth(float Value) {
    if (!(Value > 0) || !std::isfinite(Value))
        return;
    FPixelWidth = Value;
    GlyphsChanged();
}

void TVexMatrix::SetPixelHeight(float Value) {
    if (!(Value > 0) || !std::isfinite(Value))
        return;
    FPixelHeight = Value;
    ApplyLineHeight();
    GlyphsChanged();
}

void TVexMatrix::SetCharSpacing(float Value) {
    if (!(Value > -1) || !std::isfinite(Value))
        return;
    FCharSpacing = Value;
    ApplyLineHeight();
    BuildGlyphs();
    if (Rendering())
        update();
}

void TVexMatrix::SetPixelSpacing(float Value) {
    if (!(Value >= 0) || !std::isfinite(Value))
        return;
    FPixelSpacing = Value;
    ApplyLineHeight();
    GlyphsChanged();
}

void TVexMatrix::SetText(const QString &Value) {
    FText = Value;
    FTextGlyphs.clear();
    for (const uint8_t Code : MatrixCharCodes(Value)) {
        const int Glyph = FGlyphIndex[Code];
        // Characters in the set without a glyph take no cell.
        if (FGlyphs[Glyph].Pattern)
            FTextGlyphs.push_back(uint8_t(Glyph));
    }
    if (Rendering())
        update();
}

void TVexMatrix::SetBackgroundColor(TColor Value) {
    FBackgroundColor = Value;
    GlyphsChanged();
}

void TVexMatrix::SetLitPixelColor(TColor Value) {
    FLitPixelColor = Value;
    GlyphsChanged();
}

void TVexMatrix::SetDarkPixelColor(TColor Value) {
    FDarkPixelColor = Value;
    GlyphsChanged();
}

void TVexMatrix::SetLightBrightness(int Value) {
    FLightBrightness = Value;
    if (Rendering())
        update();
}

void TVexMatrix::SetAlignment(TAlignment Value) {
    if (!IsEnumerator(Value))
        return;
    FAlignment = Value;
    if (Rendering())
        update();
}

void TVexMatrix::DataChange(QObject *Sender) {
    TVexVBSGraphicControlDA::DataChange(Sender);
    if (DataLink().HasField())
        SetText(DataLink().AsString());
}

int TVexMatrix::DotWidth() const {
    return std::clamp(Round(FPixelWidth), 0, KMaxDotSize);
}

int TVexMatrix::DotHeight() const {
    return std::clamp(Round(FPixelHeight), 0, KMaxDotSize);
}

int TVexMatrix::DotSpacing() const {
    return std::clamp(Round(FPixelSpacing), 0, KMaxDotSize);
}

int TVexMatrix::CellSpacing() const {
    return std::clamp(Round(FCharSpacing), -1, KMaxDotSize);
}

TVexMatrix::TDots TVexMatrix::Dots() const {
    const qreal Ratio = PixelRatio();
    // Truncated: the line drawn in device pixels is never taller than the control's height.
    const auto Device = [Ratio](int ControlPixels) {
        return Ratio == 1 ? ControlPixels
                          : std::clamp(int(ControlPixels * Ratio), -KMaxDotSize, KMaxDotSize);
    };
    return {Device(DotWidth()), Device(DotHeight()), Device(DotSpacing()), Device(CellSpacing())};
}

int TVexMatrix::LineHeight() const {
    // No control is taller than MaxSide: the line's height follows its dots up to there.
    return std::clamp(2 * CellSpacing() + MatrixGlyphRows * DotHeight() +
                          (MatrixGlyphRows - 1) * DotSpacing(),
                      0, MaxSide);
}

int TVexMatrix::GlyphWidth() const {
    const TDots D = Dots();
    return MatrixGlyphColumns * D.Width + (MatrixGlyphColumns - 1) * D.Spacing;
}

int TVexMatrix::GlyphHeight() const {
    const TDots D = Dots();
    return MatrixGlyphRows * D.Height + (MatrixGlyphRows - 1) * D.Spacing;
}

void TVexMatrix::ApplyLineHeight() {
    SetHeight(LineHeight());
}

void TVexMatrix::GlyphsChanged() {
    if (!Rendering())
        return;
    BuildGlyphs();
    update();
}

void TVexMatrix::BuildGlyphs() {
    for (TGlyphEntry &Entry : FGlyphs)
        if (Entry.Pattern)
            RenderGlyph(Entry);
}

void TVexMatrix::RenderGlyph(TGlyphEntry &Entry) {
    Entry.Bitmap.reset();
    const int W = GlyphWidth(), H = GlyphHeight();
    if (int64_t(W) * H > KMaxCachedGlyphPixels)
        return;
    Entry.Bitmap = std::make_unique<TBitmap>(W, H);
    Entry.Bitmap->Fill(FBackgroundColor);
    PaintDots(*Entry.Bitmap, 0, 0, Entry.Pattern);
}

void TVexMatrix::PaintDots(TBitmap &Target, int64_t X, int64_t Y, const char *Pattern) const {
    const TDots D = Dots();
    const int Pw = D.Width, Ph = D.Height, Ps = D.Spacing;
    const QRgb Lit = PixelOf(FLitPixelColor), Dark = PixelOf(FDarkPixelColor);
    for (int Row = 0; Row < MatrixGlyphRows; ++Row) {
        const int64_t Top = Y + int64_t(Row) * (Ph + Ps);
        for (int Column = 0; Column < MatrixGlyphColumns; ++Column) {
            const int64_t Left = X + int64_t(Column) * (Pw + Ps);
            FillClipped(Target, Left, Top, Left + Pw, Top + Ph,
                        MatrixDotLit(Pattern, Row, Column) ? Lit : Dark);
        }
    }
}

void TVexMatrix::Paint(TCanvas &Canvas) {
    TVexVBSGraphicControlDA::Paint(Canvas);
    FBuffer->Fill(FBackgroundColor);
    PlaceCells();
    ApplyHighlight();
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
}

void TVexMatrix::PlaceCells() {
    FCells.clear();
    // A glyph without width shows nothing, and the blanks after it would never advance.
    if (GlyphWidth() + Dots().Cell <= 0)
        return;
    switch (FAlignment) {
    case taLeftJustify:
        PlaceOnGrid(0);
        break;
    case taCenter:
        PlaceOnGrid(HalfDown(GridCells() - int64_t(FTextGlyphs.size())));
        break;
    case taRightJustify:
        PlaceRightJustified();
        break;
    }
    std::sort(FCells.begin(), FCells.end(),
              [](const TCell &A, const TCell &B) { return A.X < B.X; });
}

int64_t TVexMatrix::GridCells() const {
    // Cells start every glyph width and spacing from CharSpacing on, while their left edge lies
    // before Width - CharSpacing (the unrounded spacing); the last may be cut by the right edge.
    const int Cs = Dots().Cell;
    const double Room = FBuffer->Width() - double(FCharSpacing) * PixelRatio() - Cs;
    return Room > 0 ? int64_t(std::ceil(Room / double(GlyphWidth() + Cs))) : 0;
}

void TVexMatrix::PlaceOnGrid(int64_t FirstTextCell) {
    const int64_t Cs = Dots().Cell, Step = GlyphWidth() + Cs;
    const int64_t Width = FBuffer->Width(), Cells = GridCells();
    const auto CellLeft = [&](int64_t Cell) { return Cs + Cell * Step; };
    // The text, as far as it reaches into the surface.
    const int64_t Count = int64_t(FTextGlyphs.size());
    for (int64_t I = 0; I < Count && CellLeft(FirstTextCell + I) < Width; ++I)
        DrawCell(CellLeft(FirstTextCell + I), Cs, FTextGlyphs[size_t(I)]);
    // Blanks in the grid's other cells.
    for (int64_t Cell = 0; Cell < std::min(FirstTextCell, Cells); ++Cell)
        DrawCell(CellLeft(Cell), Cs, BlankGlyph);
    for (int64_t Cell = std::max<int64_t>(FirstTextCell + Count, 0); Cell < Cells; ++Cell)
        DrawCell(CellLeft(Cell), Cs, BlankGlyph);
}

void TVexMatrix::PlaceRightJustified() {
    const int64_t Cs = Dots().Cell, Step = GlyphWidth() + Cs;
    // The last character ends 2 * CharSpacing before the right edge.
    int64_t X = FBuffer->Width() - GlyphWidth() - 2 * Cs;
    for (auto I = FTextGlyphs.rbegin(); I != FTextGlyphs.rend() && X + GlyphWidth() > 0; ++I) {
        DrawCell(X, Cs, *I);
        X -= Step;
    }
    // Blanks fill whole cells to the left; a partial cell at the edge stays background.
    for (; X > 0; X -= Step)
        DrawCell(X, Cs, BlankGlyph);
}

void TVexMatrix::DrawCell(int64_t X, int64_t Y, int Glyph) {
    if (X >= FBuffer->Width() || X + GlyphWidth() <= 0)
        return;
    const TGlyphEntry &Entry = FGlyphs[Glyph];
    if (Entry.Bitmap)
        Blit(*FBuffer, X, Y, *Entry.Bitmap);
    else
        PaintDots(*FBuffer, X, Y, Entry.Pattern);
    FCells.push_back({int(X), Glyph});
}

void TVexMatrix::ApplyHighlight() {
    TBitmap &B = *FBuffer;
    const int Bw = B.Width(), Bh = B.Height();
    if (B.Empty())
        return;
    // One level per column, for every row: the band peaks where 3k / width is a right angle,
    // about half way across. A change of 255 or more saturates, so larger ones need no care.
    FHighlight.resize(size_t(Bw));
    for (int K = 0; K < Bw; ++K)
        FHighlight[size_t(K)] =
            std::clamp(Round(std::sin(3.0 * K / Bw) * FLightBrightness), -255, 255);
    for (int Y = 0; Y < Bh; ++Y) {
        uint8_t *P = B.ScanLine(Y);
        for (int K = 0; K < Bw; ++K, P += TBitmap::BytesPerPixel) {
            const uint8_t *Shifted = KSaturated.data() + 255 + FHighlight[size_t(K)];
            P[0] = Shifted[P[0]];
            P[1] = Shifted[P[1]];
            P[2] = Shifted[P[2]];
        }
    }
}

} // namespace Vex
