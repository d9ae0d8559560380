#include "Shading.h"

#include <QConicalGradient>
#include <QPainter>
#include <QVector2D>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Vex {

namespace {
// Ring spacing in pixels: below half a pixel the steps never show.
constexpr float KStep = 0.35f;
// Directions sampled around a part of revolution; 2 degrees keep chrome's sharp bands.
constexpr int KConicalStops = 180;

const QVector3D KLight = QVector3D(-0.45f, -0.6f, 0.66f).normalized();
const QVector3D KViewer(0, 0, 1);
const QVector3D KHalfway = (KLight + KViewer).normalized();

float SmoothStep(float Edge0, float Edge1, float X) {
    const float T = std::clamp((X - Edge0) / (Edge1 - Edge0), 0.0f, 1.0f);
    return T * T * (3 - 2 * T);
}

float Radians(float Degrees) {
    return Degrees * std::numbers::pi_v<float> / 180;
}

// Brightness 0 .. 1 of the studio seen in direction Ray.
float Studio(const QVector3D &Ray, float Roughness) {
    const float Up = -Ray.y();
    const float Sky = SmoothStep(-Roughness, Roughness, Up - 0.05f);
    float Value = 0.12f + 0.88f * Sky * (0.7f + 0.3f * std::clamp(Up, 0.0f, 1.0f));
    // The horizon: a dark band that sharp mirrors show crisply and satin ones smear away.
    const float Band = 0.02f + Roughness * Roughness;
    Value *= 1 - 0.6f * std::exp(-(Up * Up) / Band);
    const float Behind = std::pow(std::max(Ray.z(), 0.0f), 3.0f);
    return Value + (0.3f - Value) * 0.55f * Behind;
}

QVector3D Rgb(const QColor &Color) {
    return {float(Color.redF()), float(Color.greenF()), float(Color.blueF())};
}

// Normal of a surface of slope Tilt (degrees) whose outward direction is (DirX, DirY).
QVector3D TiltedNormal(float Tilt, float DirX, float DirY) {
    const float Slope = Radians(Tilt);
    return {std::sin(Slope) * DirX, std::sin(Slope) * DirY, std::cos(Slope)};
}

QConicalGradient RingGradient(QPointF Centre, float Tilt, const TFinish &Finish) {
    QConicalGradient Gradient(Centre, 0);
    for (int S = 0; S <= KConicalStops; ++S) {
        // Conical angles turn counter-clockwise on screen, where y grows downwards.
        const float Angle = Radians(360.0f * float(S) / KConicalStops);
        const QVector3D Normal = TiltedNormal(Tilt, std::cos(Angle), -std::sin(Angle));
        Gradient.setColorAt(double(S) / KConicalStops, ShadeNormal(Finish, Normal));
    }
    return Gradient;
}

// Four flat sides meeting at the corners of Rect, which subtend +-Corner degrees about the
// horizontal as seen from the centre.
QConicalGradient FrameGradient(const QRectF &Rect, float Tilt, const TFinish &Finish) {
    const QColor Right = ShadeNormal(Finish, TiltedNormal(Tilt, 1, 0));
    const QColor Top = ShadeNormal(Finish, TiltedNormal(Tilt, 0, -1));
    const QColor Left = ShadeNormal(Finish, TiltedNormal(Tilt, -1, 0));
    const QColor Bottom = ShadeNormal(Finish, TiltedNormal(Tilt, 0, 1));
    const double Corner = std::atan2(Rect.height(), Rect.width()) / (2 * std::numbers::pi);
    constexpr double Seam = 0.001;
    const std::array<std::pair<double, QColor>, 10> Stops = {{
        {0, Right},
        {Corner - Seam, Right},
        {Corner + Seam, Top},
        {0.5 - Corner - Seam, Top},
        {0.5 - Corner + Seam, Left},
        {0.5 + Corner - Seam, Left},
        {0.5 + Corner + Seam, Bottom},
        {1 - Corner - Seam, Bottom},
        {1 - Corner + Seam, Right},
        {1, Right},
    }};
    QConicalGradient Gradient(Rect.center(), 0);
    for (const auto &[At, Color] : Stops)
        Gradient.setColorAt(At, Color);
    return Gradient;
}
} // namespace

float ProfileTilt(TProfile Profile, float At) {
    if (Profile.empty())
        return 0;
    if (At <= Profile.front().At)
        return Profile.front().Tilt;
    for (size_t I = 1; I < Profile.size(); ++I) {
        const TProfilePoint &A = Profile[I - 1];
        const TProfilePoint &B = Profile[I];
        if (At <= B.At)
            return B.At > A.At ? A.Tilt + (B.Tilt - A.Tilt) * (At - A.At) / (B.At - A.At) : B.Tilt;
    }
    return Profile.back().Tilt;
}

QPointF LightInPlane() {
    const QVector2D Plane = KLight.toVector2D().normalized();
    return {Plane.x(), Plane.y()};
}

QColor ShadeNormal(const TFinish &Finish, const QVector3D &Normal) {
    const QVector3D Mirror = 2 * QVector3D::dotProduct(Normal, KViewer) * Normal - KViewer;
    const float Lit = std::max(QVector3D::dotProduct(Normal, KLight), 0.0f);
    const float Highlight =
        Finish.Gloss *
        std::pow(std::max(QVector3D::dotProduct(Normal, KHalfway), 0.0f), Finish.Shininess);
    const QVector3D Color = Rgb(Finish.Tint) * (Finish.Reflect * Studio(Mirror, Finish.Roughness)) +
                            Rgb(Finish.Diffuse) * (0.35f + 0.65f * Lit) +
                            QVector3D(Highlight, Highlight, Highlight);
    return QColor::fromRgbF(std::clamp(Color.x(), 0.0f, 1.0f), std::clamp(Color.y(), 0.0f, 1.0f),
                            std::clamp(Color.z(), 0.0f, 1.0f));
}

void FillLathe(QPainter &Painter, QPointF Centre, float Outer, float Width, TProfile Profile,
               const TFinish &Finish) {
    Painter.save();
    Painter.setPen(Qt::NoPen);
    for (float Depth = 0; Depth <= Width; Depth += KStep) {
        const float Radius = Outer - Depth;
        Painter.setBrush(RingGradient(Centre, ProfileTilt(Profile, Depth / Width), Finish));
        Painter.drawEllipse(Centre, Radius, Radius);
    }
    Painter.restore();
}

void FillFrame(QPainter &Painter, const QRectF &Outer, float Width, float Corner, TProfile Profile,
               const TFinish &Finish) {
    Painter.save();
    Painter.setPen(Qt::NoPen);
    for (float Depth = 0; Depth <= Width; Depth += KStep) {
        const QRectF Rect = Outer.adjusted(Depth, Depth, -Depth, -Depth);
        Painter.setBrush(FrameGradient(Rect, ProfileTilt(Profile, Depth / Width), Finish));
        const float Round = std::max(Corner - Depth, 0.0f);
        Painter.drawRoundedRect(Rect, Round, Round);
    }
    Painter.restore();
}

} // namespace Vex
