#pragma once
// An off-screen 24-bit colour surface with direct row access. Each pixel is four bytes: blue,
// green, red and one unused byte (kept at 0xFF), so that pixel loops and the painter share one
// QImage in Qt's native format without conversion.

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

namespace Vex {

class TCanvas;

enum TTransparentMode : int { tmAuto, tmFixed };

class VEX_EXPORT TBitmap {
public:
    // Surfaces are bounded so that a bad size from a file or a property cannot exhaust memory.
    static constexpr int MaxDimension = 16384;
    static constexpr int64_t MaxPixels = int64_t(8192) * 8192;
    static constexpr int BytesPerPixel = 4;

    TBitmap();
    TBitmap(int Width, int Height);
    ~TBitmap();
    TBitmap(const TBitmap &) = delete;
    TBitmap &operator=(const TBitmap &) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // No pixels: either side is 0. The other side is remembered, so a size set one side at a
    // time arrives whole.
    bool Empty() const { return FImage.isNull(); }

    // Negative sizes become 0 and each side is cut to MaxDimension; a size whose area exceeds
    // MaxPixels is refused and the bitmap keeps its size. Returns whether the size was applied.
    // The old pixels are kept in the top-left corner; new area is black.
    bool SetSize(int Width, int Height);
    void SetWidth(int Width) { SetSize(Width, Height()); }
    void SetHeight(int Height) { SetSize(Width(), Height); }

    // Row Y (0 = top). Valid until the next resize; the painter is finished first so pixel
    // writes and canvas drawing never overlap.
    uint8_t *ScanLine(int Y);
    const uint8_t *ScanLine(int Y) const;
    qsizetype BytesPerLine() const { return FImage.bytesPerLine(); }

    TCanvas &Canvas() { return *FCanvas; }

    // Pixel access for tests and non-hot paths.
    TColor Pixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);
    void Fill(TColor Color);

    // With Transparent set, drawing this bitmap onto a canvas skips its TransparentColor pixels.
    bool Transparent = false;
    TTransparentMode TransparentMode = tmAuto;
    // tmAuto: the bottom-left pixel's colour; tmFixed: the colour last assigned.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Color);

    // Copies size and pixels (not the transparency settings).
    void Assign(const TBitmap &Source);
    // Takes any image, converted to this surface's format (sizes over the bounds are refused).
    bool Assign(const QImage &Source);
    const QImage &Image() const;

    bool SaveToFile(const QString &FileName) const; // Windows bitmap format
    bool LoadFromFile(const QString &FileName);

private:
    void FinishPainting() const;

    QImage FImage;
    int FWidth = 0;
    int FHeight = 0;
    std::unique_ptr<TCanvas> FCanvas;
    TColor FTransparentColor = clBlack;
};

} // namespace Vex
