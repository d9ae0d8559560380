#include "framework/VexAngularMeter.h"

#include <cmath>

namespace Vex {

TVexAngularMeter::TVexAngularMeter(QWidget *Parent) : TVexMeter(Parent) {
    SetMouseInputType(mitAngular);
    FOrigoX = 0;
    FOrigoY = 0;
    FMinAngle = -45;
    FMaxAngle = 235;
}

void TVexAngularMeter::SetOrigoX(int Value) {
    FOrigoX = Value;
    RenderBackground();
}

void TVexAngularMeter::SetOrigoY(int Value) {
    FOrigoY = Value;
    RenderBackground();
}

void TVexAngularMeter::SetMinAngle(float Value) {
    if (!std::isfinite(Value))
        return;
    FMinAngle = Value;
    RenderBackground();
    update();
}

void TVexAngularMeter::SetMaxAngle(float Value) {
    if (!std::isfinite(Value))
        return;
    FMaxAngle = Value;
    RenderBackground();
    update();
}

float TVexAngularMeter::PointToAngle(float DX, float DY) {
    // Measured about the pivot rather than the centre: the base takes y downwards.
    return TVexMeter::PointToAngle(float(DX - FOrigoX), float(DY - FOrigoY));
}

float TVexAngularMeter::AngleToValue(float Angle) {
    // For a scale crossing the positive x axis clockwise, angles above the start are taken as
    // their negative equivalents.
    if (Angle > FMinAngle && FMaxAngle < 0)
        Angle = float(Angle - 360.0);
    const float Range = float(double(Max()) - Min());
    const float N = float(double(FMinAngle) - Angle);
    const float W = float(std::fabs(double(FMinAngle) - FMaxAngle));
    if (W == 0)
        return Float();
    return float(double(N) / W * Range + Min());
}

void TVexAngularMeter::AngleInput(float Angle) {
    TVexMeter::AngleInput(Angle);
    if (!AllowInput() || FMinAngle == FMaxAngle)
        return;
    SetFloat(AngleToValue(Angle));
    RaiseChanging();
}

} // namespace Vex
