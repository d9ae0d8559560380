#pragma once
// Integer geometry with the desktop conventions the instruments are written against:
// y grows downwards, rectangles exclude their right and bottom edges.

#include "platform/core/VexExport.h"
#include <QPoint>
#include <QRect>

namespace Vex {

struct VEX_EXPORT TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint &, const TPoint &) = default;
};

struct VEX_EXPORT TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // QRect's right and bottom are inclusive: this is the same pixel area.
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect &R) {
        return {R.left(), R.top(), R.right() + 1, R.bottom() + 1};
    }
    friend bool operator==(const TRect &, const TRect &) = default;
};

inline TPoint Point(int X, int Y) {
    return {X, Y};
}
inline TRect Rect(int Left, int Top, int Right, int Bottom) {
    return {Left, Top, Right, Bottom};
}

// Text alignment flags as the instruments pass them to TCanvas::SetTextAlign.
enum : unsigned {
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

} // namespace Vex
