#pragma once
// Stateless drawing routines shared by the instruments: rectangle arithmetic, the six-point
// segment shape, region shadows, the round picture's corner mask and the circular scale (ticks,
// numbers and captions laid out on an arc).
//
// Angles are degrees, counter-clockwise from the direction pointing right; a scale runs from its
// start angle to its end angle. On the bitmap y grows downwards, so an angle's point is
// (centre x + r cos a, centre y - r sin a).

#include "platform/core/Types.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"

#include <QString>
#include <QStringList>
#include <array>

namespace Vex {

// Six points relative to an origin: the outline of one LCD segment.
using TVexShape = std::array<TPoint, 6>;

// The colour marking the area around a round picture, drawn transparent afterwards.
constexpr TColor VexCornerKeyColor = 0x112233;

VEX_EXPORT void MoveRect(TRect &R, int DX, int DY);
VEX_EXPORT bool RectsEqual(const TRect &A, const TRect &B);

// Halves the three channels of the pixels of R that lie in Region (a drop shadow). R is clamped
// to the bitmap with its right edge at width - 1 (exclusive) and its bottom at height - 1
// (inclusive), so a rectangle reaching past the edges never darkens the last column.
VEX_EXPORT void DarkenRegion(TBitmap &Bitmap, const TRegion &Region, const TRect &R);

// Count numbers from MinValue to MaxValue, formatted with the Format picture, placed from
// StartAngle to EndAngle on an arc of Radius times half the bitmap's height around its centre.
// Rotated text is centred on its baseline at the arc and turned by TextAngle + angle + 90;
// otherwise each number is centred on its point. Uses the canvas's font; the brush is made clear.
// A single number is drawn at StartAngle.
VEX_EXPORT void DrawScaleNumbers(TBitmap &Bitmap, int Count, const QString &Format, float MinValue,
                                 float MaxValue, float StartAngle, float EndAngle, float Radius,
                                 float TextAngle, bool Rotated);

// Captions laid out as DrawScaleNumbers lays out numbers. Rotated captions are right-aligned
// at the arc, and turned over (and centred) where they would read upside down.
VEX_EXPORT void DrawScaleCaptions(TBitmap &Bitmap, const QStringList &Captions, bool Rotated,
                                  float StartAngle, float EndAngle, float Radius, float TextAngle);

// The corners of R outside its inscribed ellipse.
VEX_EXPORT TRegion OutsideEllipse(const TRect &R);
// Fills the corners of R outside its inscribed ellipse with VexCornerKeyColor (the canvas's
// brush keeps that colour).
VEX_EXPORT void FillOutsideEllipse(const TRect &R, TCanvas &Canvas);

// Count radial ticks of Length pixels with the canvas's pen at PenWidth, their outer ends on a
// circle of Radius percent of half the bitmap's width. They are drawn from EndAngle to
// StartAngle; a single tick stands at StartAngle.
VEX_EXPORT void DrawTicks(TBitmap &Bitmap, int Length, int PenWidth, float Radius, int Count,
                          float StartAngle, float EndAngle);

VEX_EXPORT void OffsetShape(TPoint Delta, TVexShape &Shape);
// Fills and outlines Shape moved to Origin with the canvas's brush and pen.
VEX_EXPORT void DrawShape(TCanvas &Canvas, TPoint Origin, const TVexShape &Shape);

} // namespace Vex
