#pragma once
// A meter whose range lies on an arc from MinAngle (where Min sits) to MaxAngle (where Max
// sits), about a pivot offset from the control's centre by (OrigoX, OrigoY). Pointing around
// the pivot sets the value under the pointer. Angles are degrees counter-clockwise from the
// right.

#include "framework/VexMeter.h"
#include "platform/core/VexExport.h"

namespace Vex {

class VEX_EXPORT TVexAngularMeter : public TVexMeter {
    Q_OBJECT
    Q_PROPERTY(int OrigoX READ OrigoX WRITE SetOrigoX)
    Q_PROPERTY(int OrigoY READ OrigoY WRITE SetOrigoY)
    Q_PROPERTY(float MinAngle READ MinAngle WRITE SetMinAngle)
    Q_PROPERTY(float MaxAngle READ MaxAngle WRITE SetMaxAngle)

public:
    explicit TVexAngularMeter(QWidget *Parent = nullptr);

    int OrigoX() const { return FOrigoX; }
    int OrigoY() const { return FOrigoY; }
    void SetOrigoX(int Value);
    void SetOrigoY(int Value);
    virtual float MinAngle() const { return FMinAngle; }
    virtual float MaxAngle() const { return FMaxAngle; }
    virtual void SetMinAngle(float Value);
    virtual void SetMaxAngle(float Value);

    // The value at a pointer angle, not clamped. An arc of zero width maps every angle to the
    // current value.
    virtual float AngleToValue(float Angle);
    float PointToAngle(float DX, float DY) override;

protected:
    void AngleInput(float Angle) override;

private:
    int FOrigoX = 0;
    int FOrigoY = 0;
    float FMinAngle = -45;
    float FMaxAngle = 235;
};

} // namespace Vex
