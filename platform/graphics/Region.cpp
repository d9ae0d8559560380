#include "platform/graphics/Region.h"

#include <QPainterPath>
#include <QPolygon>

namespace Vex {

TRegion TRegion::CreateRect(int Left, int Top, int Right, int Bottom) {
    return TRegion(QRegion(Rect(Left, Top, Right, Bottom).ToQRect()));
}

TRegion TRegion::CreateEllipse(int Left, int Top, int Right, int Bottom) {
    return TRegion(QRegion(Rect(Left, Top, Right, Bottom).ToQRect(), QRegion::Ellipse));
}

TRegion TRegion::CreateRoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth,
                                 int CornerHeight) {
    const TRect R = Rect(Left, Top, Right, Bottom);
    if (R.IsEmpty())
        return TRegion();
    if (CornerWidth >= R.Width() && CornerHeight >= R.Height())
        return CreateEllipse(Left, Top, Right, Bottom);
    QPainterPath Path;
    Path.addRoundedRect(QRectF(R.ToQRect()), CornerWidth / 2.0, CornerHeight / 2.0);
    return TRegion(QRegion(Path.toFillPolygon().toPolygon()));
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
