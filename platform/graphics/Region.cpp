#include "platform/graphics/Region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace Vex {

namespace {
// Products of squared sizes outgrow 64 bits once a side passes 65535 pixels.
using TWide = __int128;

// Half the width of row Row of the ellipse inscribed in a W x H box, in half pixels: the
// largest U, of the parity of W - 1, for which the pixel centre U / 2 from the box's middle
// column lies on or inside the ellipse. Rows and columns are measured from the box's centre in
// half pixels (V = 2 Row + 1 - H), so the test (U / W)^2 + (V / H)^2 <= 1 is exact in integers.
// Negative when no pixel of the row is inside.
int64_t HalfSpan(int64_t W, int64_t H, int64_t Row) {
    const int64_t V = 2 * Row + 1 - H;
    const TWide Limit = TWide(W) * W * ((H - V) * (H + V));
    const auto Inside = [&](int64_t U) { return TWide(U) * U * H * H <= Limit; };
    // A close guess from floating point, then whole steps to the exact bound.
    int64_t U = int64_t(double(W) * std::sqrt(double(H - V) * double(H + V)) / double(H));
    while (Inside(U + 1))
        ++U;
    while (U >= 0 && !Inside(U))
        --U;
    if ((U - (W - 1)) % 2 != 0)
        --U;
    return U;
}

// Appends the span [Left, Right) of row Y, merging it into the band above when that band has
// the same span, as a banded region wants.
void AddSpan(std::vector<QRect> &Bands, int Left, int Right, int Y) {
    if (Right <= Left)
        return;
    if (!Bands.empty()) {
        QRect &Last = Bands.back();
        if (Last.left() == Left && Last.right() + 1 == Right && Last.bottom() + 1 == Y) {
            Last.setBottom(Y);
            return;
        }
    }
    Bands.emplace_back(Left, Y, Right - Left, 1);
}
} // namespace

TRegion TRegion::CreateRect(int Left, int Top, int Right, int Bottom) {
    return TRegion(QRegion(Rect(Left, Top, Right, Bottom).ToQRect()));
}

TRegion TRegion::CreateEllipse(int Left, int Top, int Right, int Bottom) {
    return CreateRoundRect(Left, Top, Right, Bottom, Right - Left, Bottom - Top);
}

TRegion TRegion::CreateRoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth,
                                 int CornerHeight) {
    const TRect R = Rect(Left, Top, Right, Bottom);
    if (R.IsEmpty())
        return TRegion();
    const int64_t W = int64_t(Right) - Left;
    const int64_t H = int64_t(Bottom) - Top;
    const int64_t CW = std::min<int64_t>(CornerWidth, W);
    const int64_t CH = std::min<int64_t>(CornerHeight, H);
    if (CW <= 0 || CH <= 0)
        return CreateRect(Left, Top, Right, Bottom);

    // The corner ellipse cut in four, its quarters pushed out to the rectangle's corners. Its
    // upper rows give the top corners, its lower rows the bottom ones; rows between are whole.
    // Each row is cut by the same amount on both sides, and rows the same distance from the top
    // and bottom edges by the same amount, so the outline is symmetric both ways.
    const int64_t Half = CH / 2;
    std::vector<QRect> Bands;
    for (int64_t Row = 0; Row < H; ++Row) {
        int64_t Cut = 0;
        if (Row < Half || Row >= H - Half) {
            const int64_t CornerRow = Row < Half ? Row : Row - (H - CH);
            const int64_t U = HalfSpan(CW, CH, CornerRow);
            if (U < 0)
                continue;
            Cut = (CW - 1 - U) / 2;
        }
        AddSpan(Bands, int(Left + Cut), int(Right - Cut), int(Top + Row));
    }
    TRegion Result;
    Result.FRegion.setRects(Bands.data(), int(Bands.size()));
    return Result;
}

void TRegion::Combine(const TRegion &A, const TRegion &B, TRegionCombine Mode) {
    switch (Mode) {
    case RGN_AND:
        FRegion = A.FRegion.intersected(B.FRegion);
        break;
    case RGN_OR:
        FRegion = A.FRegion.united(B.FRegion);
        break;
    case RGN_XOR:
        FRegion = A.FRegion.xored(B.FRegion);
        break;
    case RGN_DIFF:
        FRegion = A.FRegion.subtracted(B.FRegion);
        break;
    case RGN_COPY:
        FRegion = A.FRegion;
        break;
    }
}

TRect TRegion::Box() const {
    if (FRegion.isEmpty())
        return {};
    return TRect::FromQRect(FRegion.boundingRect());
}

} // namespace Vex
