#include "platform/graphics/Bitmap.h"

#include "platform/graphics/Canvas.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace Vex {

namespace {
constexpr QRgb KOpaqueBlack = 0xFF000000u;

QRgb ToRgb32(TColor Color) {
    const TColor C = ColorToRGB(Color);
    return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

bool SizeAllowed(int64_t Width, int64_t Height) {
    return Width * Height <= TBitmap::MaxPixels;
}
} // namespace

TBitmap::TBitmap() : FCanvas(std::make_unique<TCanvas>(&FImage)) {}

TBitmap::TBitmap(int Width, int Height) : TBitmap() {
    SetSize(Width, Height);
}

TBitmap::~TBitmap() = default;

bool TBitmap::SetSize(int NewWidth, int NewHeight) {
    NewWidth = std::clamp(NewWidth, 0, MaxDimension);
    NewHeight = std::clamp(NewHeight, 0, MaxDimension);
    if (NewWidth == Width() && NewHeight == Height())
        return true;
    if (!SizeAllowed(NewWidth, NewHeight))
        return false;
    FinishPainting();
    if (NewWidth == 0 || NewHeight == 0) {
        FImage = QImage();
        FWidth = NewWidth;
        FHeight = NewHeight;
        return true;
    }
    QImage Resized(NewWidth, NewHeight, QImage::Format_RGB32);
    if (Resized.isNull())
        return false;
    Resized.fill(KOpaqueBlack);
    const int KeepWidth = std::min(NewWidth, FImage.width());
    const int KeepHeight = std::min(NewHeight, FImage.height());
    for (int Y = 0; Y < KeepHeight; ++Y)
        std::memcpy(Resized.scanLine(Y), FImage.constScanLine(Y),
                    size_t(KeepWidth) * BytesPerPixel);
    FImage = std::move(Resized);
    FWidth = NewWidth;
    FHeight = NewHeight;
    return true;
}

uint8_t *TBitmap::ScanLine(int Y) {
    FinishPainting();
    return FImage.scanLine(Y);
}

const uint8_t *TBitmap::ScanLine(int Y) const {
    FinishPainting();
    return FImage.constScanLine(Y);
}

TColor TBitmap::Pixel(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= Width() || Y >= Height())
        return clBlack;
    const uint8_t *P = ScanLine(Y) + X * BytesPerPixel;
    return RGB(P[2], P[1], P[0]);
}

void TBitmap::SetPixel(int X, int Y, TColor Color) {
    if (X < 0 || Y < 0 || X >= Width() || Y >= Height())
        return;
    reinterpret_cast<QRgb *>(ScanLine(Y))[X] = ToRgb32(Color);
}

void TBitmap::Fill(TColor Color) {
    FinishPainting();
    if (!FImage.isNull())
        FImage.fill(ToRgb32(Color));
}

TColor TBitmap::TransparentColor() const {
    if (TransparentMode == tmFixed || Empty())
        return FTransparentColor;
    return Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor Color) {
    FTransparentColor = Color;
    TransparentMode = tmFixed;
}

void TBitmap::Assign(const TBitmap &Source) {
    if (&Source == this)
        return;
    FinishPainting();
    Source.FinishPainting();
    FImage = Source.FImage;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
}

bool TBitmap::Assign(const QImage &Source) {
    if (!Source.isNull() && !SizeAllowed(Source.width(), Source.height()))
        return false;
    if (Source.width() > MaxDimension || Source.height() > MaxDimension)
        return false;
    FinishPainting();
    FImage = Source.isNull() ? QImage() : Source.convertToFormat(QImage::Format_RGB32);
    FWidth = FImage.width();
    FHeight = FImage.height();
    return true;
}

const QImage &TBitmap::Image() const {
    FinishPainting();
    return FImage;
}

bool TBitmap::SaveToFile(const QString &FileName) const {
    return Image().save(FileName, "BMP");
}

bool TBitmap::LoadFromFile(const QString &FileName) {
    QImageReader Reader(FileName);
    const QSize Size = Reader.size();
    if (Size.isValid() && (Size.width() > MaxDimension || Size.height() > MaxDimension ||
                           !SizeAllowed(Size.width(), Size.height())))
        return false;
    const QImage Loaded = Reader.read();
    return !Loaded.isNull() && Assign(Loaded);
}

void TBitmap::FinishPainting() const {
    FCanvas->Release();
}

} // namespace Vex
