#pragma once
// The value model of the needle instruments: a range, a target value Float, optional whole-number
// stepping, and a damped spring that moves the displayed value toward the target one step per
// frame, so needles swing, overshoot and settle. Vertical drags change the value.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"

namespace Vex {

class VEX_EXPORT TVexMeter : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(bool Indexed READ Indexed WRITE SetIndexed)
    Q_PROPERTY(float Max READ Max WRITE SetMax)
    Q_PROPERTY(float Min READ Min WRITE SetMin)
    Q_PROPERTY(float Float READ Float WRITE SetFloat)
    Q_PROPERTY(int Inertia READ Inertia WRITE SetInertia)
    Q_PROPERTY(int StabilizationTime READ StabilizationTime WRITE SetStabilizationTime)

public:
    explicit TVexMeter(QWidget *Parent = nullptr);

    bool Indexed() const { return FIndexed; }
    float Max() const { return FMax; }
    float Min() const { return FMin; }
    // The target value; the displayed value follows it frame by frame.
    float Float() const { return FFloat; }
    int Inertia() const { return FInertia; }
    int StabilizationTime() const { return FStabilizationTime; }

    virtual void SetIndexed(bool Value);
    virtual void SetMax(float Value);
    virtual void SetMin(float Value);
    virtual void SetFloat(float Value);
    void SetInertia(int Value);
    void SetStabilizationTime(int Value);

    float DisplayValue() const { return FDisplayValue; }
    float Velocity() const { return FVelocity; }

    void FrameTick() override;

signals:
    // Value is the target Float; Index is Float rounded to the nearest integer.
    void OnChange(TVexMeter *Sender, float Value, int Index);
    void OnChanging(TVexMeter *Sender, float Value, int Index);

protected:
    // Rebuilds the static picture of the instrument and invalidates; the instruments override it.
    virtual void RenderBackground();
    virtual void AnimationStep();
    // The value the spring pulls toward: Float, whole-numbered when Indexed.
    float Target() const;
    // In motion: the displayed value differs from the target and the spring can move it.
    bool Animating() const override;
    // Asks for the paint of a moved needle; a hidden meter asks for none. Descendants that know
    // what a frame changes invalidate only that.
    virtual void InvalidateFrame();
    // Asks for the paint that shows a new target: the coming frame paints it when the needle
    // moves; otherwise it is painted at once.
    void InvalidateValue();
    void RaiseChanging();
    // Stores Value as the target as it is, without the whole-number rounding of SetFloat: for a
    // descendant that keeps a fractional target while indexed, where the spring rounds the
    // target itself. Value must lie in Min .. Max.
    void StoreFloat(float Value) { FFloat = Value; }

    void DragBy(int DX, int DY) override;
    void MouseUp(TMouseButton Button, int X, int Y) override;
    void DataChange(QObject *Sender) override;
    // Writes Float into the bound field after the table agreed to edit; raises EVexError when
    // the table refuses the edit or the database refuses the value.
    void WriteFloatToField();

    float FDisplayValue = 0;
    bool FWritingData = false;
    // A new target waits for the coming frame to be painted.
    bool FValuePending = false;

private:
    bool FIndexed = false;
    float FMax = 100;
    float FMin = 0;
    float FFloat = 0;
    int FInertia = 0;
    int FStabilizationTime = 0;
    float FInertiaFactor = 0.05f;
    float FStabilizationFactor = 0.99f;
    float FVelocity = 0;
    float FPosition = 0;
    float FDamped = 0;
    float FError = 0;
};

} // namespace Vex
