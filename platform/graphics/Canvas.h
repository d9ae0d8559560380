#pragma once
// A drawing surface with pen, brush and font, over a bitmap or a widget's painter. Drawing is
// aliased: the instruments smooth by drawing at double size and halving. Where the instruments'
// geometry depends on them, the desktop conventions are kept: rectangles and ellipses cover
// Left .. Right - 1, LineTo leaves out its end point, wide pens have round ends.

#include "platform/core/Types.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Region.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <span>

namespace Vex {

class TBitmap;

enum TPenStyle : int { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// pmNot inverts the destination (used for the dotted design-time outline); pmXor and pmNotXor
// combine the pen colour with it.
enum TPenMode : int { pmCopy, pmNot, pmXor, pmNotXor };
enum TBrushStyle : int { bsSolid, bsClear };

struct VEX_EXPORT TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct VEX_EXPORT TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class VEX_EXPORT TCanvas {
public:
    // Draws into Image, opening a painter on first use; Release() finishes it.
    explicit TCanvas(QImage *Image);
    // Draws through a painter owned by the caller (a widget's paint event).
    explicit TCanvas(QPainter *Painter);
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
    // Line from the pen position to (X, Y), without the end point; the pen moves there.
    void LineTo(int X, int Y);
    TPoint PenPos() const { return FPenPos; }

    void Polygon(std::span<const TPoint> Points);
    void Polyline(std::span<const TPoint> Points);
    void Ellipse(int Left, int Top, int Right, int Bottom);
    void Ellipse(const TRect &R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void Rectangle(int Left, int Top, int Right, int Bottom);
    void Rectangle(const TRect &R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    // Fills R with the brush, no outline.
    void FillRect(const TRect &R);
    // Fills the region with the brush colour.
    void FillRgn(const TRegion &Region);

    // Text at the reference point (X, Y), placed by the text alignment flags and turned by
    // Font.Orientation. A solid brush paints the text's background.
    void TextOut(int X, int Y, const QString &Text);
    int TextWidth(const QString &Text) const;
    int TextHeight(const QString &Text) const;
    void SetTextAlign(unsigned Flags) { FTextAlign = Flags; }
    unsigned TextAlign() const { return FTextAlign; }

    // Draws Source with its top-left corner at (X, Y); a Transparent source skips its
    // transparent colour.
    void Draw(int X, int Y, const TBitmap &Source);
    // Draws Source scaled to Dest, nearest pixel.
    void StretchDraw(const TRect &Dest, const TBitmap &Source);
    // Copies SourceRect of Source onto Dest, scaling when the sizes differ. Source may be this
    // canvas. A canvas that draws through a borrowed painter cannot be a source.
    void CopyRect(const TRect &Dest, TCanvas &Source, const TRect &SourceRect);

    TColor Pixel(int X, int Y);
    void SetPixel(int X, int Y, TColor Color);

    // The painter with this canvas's state applied, for drawing the primitives above do not
    // cover. Finishes on Release() when the canvas owns it.
    QPainter &Painter();
    // Finishes an open painter on the image so that its pixels can be read or written.
    void Release();

private:
    void ApplyPen(QPainter &P) const;
    void ApplyBrush(QPainter &P) const;
    void ApplyMode(QPainter &P) const;
    bool PenVisible() const { return Pen.Style != psClear; }
    // The outline rectangle of a figure with the desktop's exclusive right and bottom.
    static QRect FigureRect(int Left, int Top, int Right, int Bottom);

    QImage *FImage = nullptr;
    QPainter *FBorrowed = nullptr;
    std::unique_ptr<QPainter> FOwned;
    TPoint FPenPos;
    unsigned FTextAlign = TA_LEFT | TA_TOP;
};

} // namespace Vex
