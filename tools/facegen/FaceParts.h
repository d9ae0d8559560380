#pragma once
// Building blocks of the faces: soft shadows, texture layers, lathe and brushing marks, knurled
// edges, screw heads, mounting holes and the reflections of the cover glass. Every routine
// draws in the painter's current coordinates with the light at the upper left.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QImage;
class QPainter;

namespace Vex {

class TRandom;
struct TFinish;

enum TScrewHead { shSlotted, shPhillips };

// The circle of Radius around Centre as a path.
QPainterPath Disc(QPointF Centre, float Radius);

// Shadow of Shape cast on what lies below it: the shape blurred by about Blur pixels, moved by
// Offset, black with alpha Strength.
void DrawDropShadow(QPainter &Painter, const QPainterPath &Shape, QPointF Offset, int Blur,
                    int Strength);

// Shadow that a raised rim casts into Opening: the surroundings of Opening moved by Offset,
// blurred and kept only inside Opening.
void DrawInnerShadow(QPainter &Painter, const QPainterPath &Opening, QPointF Offset, int Blur,
                     int Strength);

// Draws Layer (a grain or streak layer) with its top-left corner at Origin, kept inside Area,
// one layer pixel to one unit of the painter's coordinates, unsmoothed.
void DrawLayer(QPainter &Painter, const QPainterPath &Area, const QImage &Layer, QPointF Origin);

// Grain of Amount over Area, from Random.
void DrawGrain(QPainter &Painter, const QPainterPath &Area, int Amount, TRandom &Random);

// Fine concentric circles between radii Inner and Outer, each lighter or darker by up to Amount.
void DrawTurnedMarks(QPainter &Painter, QPointF Centre, float Outer, float Inner, int Amount,
                     TRandom &Random);

// Fine lines radiating from Centre to Radius, each lighter or darker by up to Amount.
void DrawSunburst(QPainter &Painter, QPointF Centre, float Radius, int Amount, TRandom &Random);

// The bow-tie sheen of a brushed or turned disc: two opposite bright lobes across Angle
// (degrees, counter-clockwise) and two darker ones between, kept inside Area.
void DrawBowTie(QPainter &Painter, const QPainterPath &Area, QPointF Centre, float Angle,
                int Amount);

// Ridges of a knurled band between radii Inner and Outer, Count of them around.
void DrawKnurling(QPainter &Painter, QPointF Centre, float Outer, float Inner, int Count);

// A domed screw head of Radius turned by Angle degrees, with its shadow.
void DrawScrew(QPainter &Painter, QPointF Centre, float Radius, const TFinish &Finish,
               TScrewHead Head, float Angle);

// An empty countersunk mounting hole of Radius in a plate of Finish.
void DrawMountingHole(QPainter &Painter, QPointF Centre, float Radius, const TFinish &Finish);

// Reflections of a domed cover glass over the circle inscribed in Box: a soft bright crescent
// at the upper left, a faint glint along the lower right edge. Strength is the crescent's alpha.
void DrawRoundGlass(QPainter &Painter, const QRectF &Box, int Strength);

// Reflections of a flat window: a broad diagonal band over the upper left of Window and a thin
// line along its top edge.
void DrawFlatGlass(QPainter &Painter, const QRectF &Window, int Strength);

} // namespace Vex
