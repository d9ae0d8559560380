#pragma once
// Lighting of turned and pressed parts: bezels, screw heads, flanges and frames are surfaces of
// revolution or bevelled rectangles whose slope across the part follows a profile. Each is
// filled ring by ring, from the outside in, with a conical gradient whose colour at every
// direction is the lit colour of the surface normal there. One light stands at the upper left
// in front of the instrument; polished finishes also mirror a studio: bright above, a dark
// horizon, a dim floor and the darker room behind the camera.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QVector3D>
#include <span>

class QPainter;

namespace Vex {

struct TFinish {
    QColor Tint;     // colour of mirrored light
    QColor Diffuse;  // colour under the light, scattered
    float Reflect;   // share of the mirrored studio, 0 .. 1
    float Roughness; // blur of the mirrored studio, 0.05 (chrome) .. 0.5 (satin)
    float Gloss;     // strength of the light's own highlight
    float Shininess; // Blinn exponent: larger is a smaller, sharper highlight
    int Grain;       // fine grain drawn over the part, 0 .. 255
    int Turned;      // strength of the concentric lathe marks, 0 .. 255
};

// One point of a profile: At runs from 0 at the outer edge of the part to 1 at its inner edge,
// Tilt is the slope there in degrees: 0 faces the viewer, +90 faces outwards, -90 inwards.
struct TProfilePoint {
    float At;
    float Tilt;
};
using TProfile = std::span<const TProfilePoint>;

// Slope at At, interpolated linearly between the profile's points.
float ProfileTilt(TProfile Profile, float At);

// Direction towards the light in the picture plane, unit length (y down): shadows fall the
// other way.
QPointF LightInPlane();

// Colour of a surface with unit Normal (x right, y down, z towards the viewer).
QColor ShadeNormal(const TFinish &Finish, const QVector3D &Normal);

// A part of revolution: the ring from Outer down to Outer - Width around Centre. The inside of
// the ring is left filled with the colour of its inner edge.
void FillLathe(QPainter &Painter, QPointF Centre, float Outer, float Width, TProfile Profile,
               const TFinish &Finish);

// A bevelled rectangle of Width from Outer inwards with corner radius Corner; mitred at the
// corners like a pressed frame. The inside is left filled with the colour of the inner edge.
void FillFrame(QPainter &Painter, const QRectF &Outer, float Width, float Corner, TProfile Profile,
               const TFinish &Finish);

} // namespace Vex
