#include "framework/VexMeter.h"

#include "platform/core/Errors.h"
#include "platform/core/Maths.h"

#include <QPointer>
#include <cmath>
#include <utility>

namespace Vex {

TVexMeter::TVexMeter(QWidget *Parent) : TVexVBSGraphicControlDA(Parent) {
    SetAllowInput(true);
    SetIndexed(false);
    SetInertia(95);
    SetStabilizationTime(10);
    FMin = 0;
    FMax = 100;
    if (!IsDesigning())
        EnableFrameTimer(true);
}

void TVexMeter::RenderBackground() {
    update();
}

void TVexMeter::SetFloat(float Value) {
    const float Before = FFloat;
    if (Value > FMax)
        FFloat = FMax;
    else if (!(Value >= FMin))
        FFloat = FMin; // below the range, or not a number
    else
        FFloat = FIndexed ? std::nearbyint(Value) : Value;
    if (FFloat != Before)
        InvalidateValue();
}

void TVexMeter::InvalidateValue() {
    // One paint per frame: the frame that starts the motion shows the new target too.
    if (Animating() && WakeFrameTimer()) {
        FValuePending = true;
        return;
    }
    update();
}

void TVexMeter::InvalidateFrame() {
    // A hidden or fully covered meter keeps moving without asking for paints.
    if (!visibleRegion().isEmpty())
        update();
}

void TVexMeter::SetMin(float Value) {
    if (!(Value < FMax) || !std::isfinite(Value))
        return;
    FMin = Value;
    if (FFloat < FMin)
        SetFloat(FMin);
    RenderBackground();
}

void TVexMeter::SetMax(float Value) {
    if (!(Value > FMin) || !std::isfinite(Value))
        return;
    FMax = Value;
    if (FFloat > FMax)
        SetFloat(FMax);
    RenderBackground();
}

void TVexMeter::SetInertia(int Value) {
    if (Value <= 0)
        return;
    FInertia = Value;
    FInertiaFactor = float(1.0 - Value / 100.0);
    if (Animating())
        WakeFrameTimer();
}

void TVexMeter::SetStabilizationTime(int Value) {
    if (Value <= 0)
        return;
    FStabilizationTime = Value;
    FStabilizationFactor = float(1.0 - Value / 1000.0);
}

void TVexMeter::SetIndexed(bool Value) {
    if (Value == FIndexed)
        return;
    FIndexed = Value;
    SetMin(0);
    SetFloat(0);
    // Fixed factors: whole-numbered needles snap quickly; the Inertia and StabilizationTime
    // properties keep their values.
    FInertiaFactor = Value ? 0.7f : 0.25f;
    FStabilizationFactor = Value ? 0.99f : 0.995f;
    // Rounding may have moved the target away from the needle.
    if (Animating())
        WakeFrameTimer();
    RenderBackground();
}

float TVexMeter::Target() const {
    return FIndexed ? std::nearbyint(FFloat) : FFloat;
}

bool TVexMeter::Animating() const {
    // Without gain (Inertia 100) the spring never moves the value: nothing to wait for.
    return FDisplayValue != Target() && FInertiaFactor != 0;
}

void TVexMeter::AnimationStep() {
    // Each quantity is stored as a 32-bit float after its own line; the arithmetic within a line
    // is done in double.
    const double K = FInertiaFactor;
    FDamped = float(double(FStabilizationFactor) * FVelocity);
    FError = float(double(Target()) - FDamped - FPosition);
    FVelocity = float(FVelocity + double(FError) * K);
    FPosition = float(FPosition + double(FVelocity) * K);
    FDisplayValue = FPosition;
}

void TVexMeter::FrameTick() {
    TVexVBSGraphicControlDA::FrameTick();
    const float Shown = FDisplayValue;
    if (FDisplayValue != Target())
        AnimationStep();
    // At rest nothing is asked for. The frame shows a new target even when the step moved the
    // needle by nothing.
    if (FDisplayValue != Shown || std::exchange(FValuePending, false))
        InvalidateFrame();
}

void TVexMeter::RaiseChanging() {
    emit OnChanging(this, FFloat, Round(FFloat));
}

void TVexMeter::DragBy(int DX, int DY) {
    TVexVBSGraphicControlDA::DragBy(DX, DY);
    if (!AllowInput())
        return;
    // 300 pixels of upward travel cover the whole range.
    SetFloat(float(FFloat + (double(FMax) - FMin) / 300.0 * DY));
    RaiseChanging();
}

void TVexMeter::MouseUp(TMouseButton Button, int X, int Y) {
    TVexVBSGraphicControlDA::MouseUp(Button, X, Y);
    if (!AllowInput())
        return;
    const QPointer<TVexMeter> Self(this);
    emit OnChange(this, FFloat, Round(FFloat));
    if (Self)
        WriteFloatToField();
}

void TVexMeter::WriteFloatToField() {
    TFieldDataLink &Link = DataLink();
    if (!Link.HasField())
        return;
    FWritingData = true;
    const bool Editing = Link.Edit();
    // A refused edit must not leave the meter deaf to later record moves: the flag is cleared
    // either way, and the user hears why nothing was written.
    FWritingData = false;
    if (!Editing) {
        // The record keeps its value, and so does the display.
        SetFloat(Link.AsFloat());
        throw EVexError(Link.EditRefusal());
    }
    Link.SetAsFloat(FFloat);
}

void TVexMeter::DataChange(QObject *Sender) {
    TVexVBSGraphicControlDA::DataChange(Sender);
    if (DataLink().HasField() && !FWritingData)
        SetFloat(DataLink().AsFloat());
}

} // namespace Vex
