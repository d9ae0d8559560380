#pragma once
// A set of pixels built from rectangles and ellipses, combined and tested point by point.
// Coordinates follow TRect: right and bottom are exclusive.

#include "platform/core/Types.h"
#include "platform/core/VexExport.h"

#include <QRegion>

namespace Vex {

enum TRegionCombine : int { RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY };

class VEX_EXPORT TRegion {
public:
    TRegion() = default;
    explicit TRegion(const QRegion &Region) : FRegion(Region) {}

    static TRegion CreateRect(int Left, int Top, int Right, int Bottom);
    // The pixels of the box whose centres lie on or inside its inscribed ellipse, row by row:
    // symmetric left to right and top to bottom. Unless it is extremely flat (one side shorter
    // than the square root of half the other) it touches all four sides, so its Box() is the box
    // it was made from.
    static TRegion CreateEllipse(int Left, int Top, int Right, int Bottom);
    // Rectangle with corners rounded by an ellipse of CornerWidth x CornerHeight (cut to the
    // rectangle's size), its quarters placed in the corners with the same exact rows as an
    // ellipse's; corners as large as the rectangle give its inscribed ellipse, corners of no
    // size the plain rectangle.
    static TRegion CreateRoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth,
                                   int CornerHeight);

    // This := A op B.
    void Combine(const TRegion &A, const TRegion &B, TRegionCombine Mode);
    void Offset(int DX, int DY) { FRegion.translate(DX, DY); }
    TRect Box() const;
    bool Contains(int X, int Y) const { return FRegion.contains(QPoint(X, Y)); }
    bool IsEmpty() const { return FRegion.isEmpty(); }
    const QRegion &ToQRegion() const { return FRegion; }

private:
    QRegion FRegion;
};

} // namespace Vex
