#pragma once
// A one-line dot-matrix text display. Each character is a 5 x 7 grid of rectangular dots from
// the built-in font, lit or dark, and every cell of the line without a character shows the
// blank glyph, so the whole width is covered with dark dots as on a real panel. A horizontal
// sine-shaped highlight is added over the finished picture on every paint. Glyph bitmaps are
// rendered when a dot size, spacing or colour changes; a paint only places them.
//
// Cells sit on a grid that starts CharSpacing pixels from the left edge: left-justified text
// fills it from the first cell, centred text from the cell that centres it (the extra blank of
// an odd remainder goes right), and right-justified text ends 2 * CharSpacing pixels before the
// right edge, the grid then continuing leftwards.
//
// Units: pixels of the control. Sizes and spacings are rounded to whole pixels, halves to even.
// On a screen of pixel ratio above 1 the line is drawn in the screen's pixels: each rounded size
// is scaled by the ratio (truncated, so that the line stays within the control's height), and
// the highlight is computed per screen column.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Vex {

class VEX_EXPORT TVexMatrix : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(float PixelWidth READ PixelWidth WRITE SetPixelWidth)
    Q_PROPERTY(float PixelHeight READ PixelHeight WRITE SetPixelHeight)
    Q_PROPERTY(float CharSpacing READ CharSpacing WRITE SetCharSpacing)
    Q_PROPERTY(float PixelSpacing READ PixelSpacing WRITE SetPixelSpacing)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TColor BackgroundColor READ BackgroundColor WRITE SetBackgroundColor)
    Q_PROPERTY(TColor LitPixelColor READ LitPixelColor WRITE SetLitPixelColor)
    Q_PROPERTY(TColor DarkPixelColor READ DarkPixelColor WRITE SetDarkPixelColor)
    Q_PROPERTY(int LightBrightness READ LightBrightness WRITE SetLightBrightness)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)

public:
    enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

    // Entries of the glyph table: entry 0 and the last six carry no character; the character
    // set fills entries 1 to 94, the blank first.
    static constexpr int GlyphCount = 101;
    static constexpr int BlankGlyph = 1;

    explicit TVexMatrix(QWidget *Parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Dot sizes; only positive finite values are taken. PixelHeight also sets the height.
    float PixelWidth() const { return FPixelWidth; }
    void SetPixelWidth(float Value);
    float PixelHeight() const { return FPixelHeight; }
    void SetPixelHeight(float Value);
    // Space around the line and between cells; values from -1 down, and non-finite ones, are
    // refused. Sets the height.
    float CharSpacing() const { return FCharSpacing; }
    void SetCharSpacing(float Value);
    // Space between dots; negative and non-finite values are refused. Sets the height.
    float PixelSpacing() const { return FPixelSpacing; }
    void SetPixelSpacing(float Value);
    // Characters outside the character set show as blank cells.
    QString Text() const { return FText; }
    void SetText(const QString &Value);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value);
    TColor LitPixelColor() const { return FLitPixelColor; }
    void SetLitPixelColor(TColor Value);
    TColor DarkPixelColor() const { return FDarkPixelColor; }
    void SetDarkPixelColor(TColor Value);
    // Peak of the highlight, in colour levels; negative values darken the middle.
    int LightBrightness() const { return FLightBrightness; }
    void SetLightBrightness(int Value);
    // Values outside the enumeration are refused.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    // The height the dot sizes and spacings give: two spacings and seven rows of dots with six
    // gaps, at most the largest surface's side.
    int LineHeight() const;
    // A glyph's size in device pixels (control pixels at ratio 1); every glyph has the same.
    int GlyphWidth() const;
    int GlyphHeight() const;
    // The glyph table entry character Code shows: the last entry carrying the code, else the
    // blank.
    int GlyphIndex(uint8_t Code) const { return FGlyphIndex[Code]; }
    uint8_t GlyphCode(int Index) const { return FGlyphs[Index].Code; }
    // The cached picture of an entry; null for entries without a pattern, and for glyphs too
    // large to keep, which are drawn dot by dot instead.
    const TBitmap *GlyphBitmap(int Index) const { return FGlyphs[Index].Bitmap.get(); }

    // A cell the last paint placed: where, in device pixels, and which glyph table entry.
    struct TCell {
        int X;
        int Glyph;
        friend bool operator==(const TCell &, const TCell &) = default;
    };
    // The cells of the last paint that reach into the control, left to right.
    const std::vector<TCell> &Cells() const { return FCells; }

protected:
    void Loaded() override;
    void Paint(TCanvas &Canvas) override;
    void DataChange(QObject *Sender) override;
    void PixelRatioChanged() override;

private:
    struct TGlyphEntry {
        uint8_t Code = 0;
        const char *Pattern = nullptr;
        std::unique_ptr<TBitmap> Bitmap;
    };

    bool Rendering() const { return IsDesigning() || !IsLoading(); }
    void ApplyLineHeight();
    // After a change of dot size, spacing or colour: new glyphs and a repaint, unless loading.
    void GlyphsChanged();
    // Re-renders every glyph that has a pattern.
    void BuildGlyphs();
    void RenderGlyph(TGlyphEntry &Entry);
    void SetCharacterSet();
    // The dots of Pattern in the glyph colours, with the top-left corner at (X, Y), clipped to
    // Target; the spaces between dots are left as they are.
    void PaintDots(TBitmap &Target, int64_t X, int64_t Y, const char *Pattern) const;

    void PlaceCells();
    // How many cells of the left-justified grid the line holds.
    int64_t GridCells() const;
    // The text from grid cell FirstTextCell on (which may lie outside the line), blanks in the
    // line's other cells.
    void PlaceOnGrid(int64_t FirstTextCell);
    void PlaceRightJustified();
    // Draws entry Glyph at (X, Y) when the cell reaches into the surface.
    void DrawCell(int64_t X, int64_t Y, int Glyph);
    void ApplyHighlight();

    // Rounded sizes in control pixels, bounded so that the cell arithmetic stays far from
    // overflow.
    int DotWidth() const;
    int DotHeight() const;
    int DotSpacing() const;
    int CellSpacing() const;
    // The same sizes in device pixels, as the line is drawn.
    struct TDots {
        int Width, Height, Spacing, Cell;
    };
    TDots Dots() const;
    // The surface in device pixels.
    void SizeSurface();

    float FPixelWidth = 3;
    float FPixelHeight = 3;
    float FCharSpacing = 3;
    float FPixelSpacing = 1;
    QString FText;
    TColor FBackgroundColor = 4632740;
    TColor FLitPixelColor = clBlack;
    TColor FDarkPixelColor = 4234644;
    int FLightBrightness = 50;
    TAlignment FAlignment = taLeftJustify;

    std::array<TGlyphEntry, GlyphCount> FGlyphs;
    std::array<uint8_t, 256> FGlyphIndex{};
    // Text as glyph table entries, characters without a glyph left out.
    std::vector<uint8_t> FTextGlyphs;
    std::vector<TCell> FCells;
    std::vector<int> FHighlight;
};

} // namespace Vex
