#pragma once
// The buffered control: owns the off-screen surface FBuffer, always the control's size, into
// which descendants render, and receives the shared frame tick once subscribed.

#include "framework/VexGraphicControl.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"

#include <QPointer>
#include <memory>
#include <vector>

namespace Vex {

class TVexVBlankTimer;

class VEX_EXPORT TVexVBSGraphicControl : public TVexGraphicControl {
    Q_OBJECT

public:
    explicit TVexVBSGraphicControl(QWidget *Parent = nullptr);
    ~TVexVBSGraphicControl() override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Subscribes to the frame timer, once; there is no unsubscribing short of destruction.
    // Designing controls are marked subscribed but never tick.
    void EnableFrameTimer(bool Value);
    bool Subscribed() const { return FSubscribed; }
    virtual void EndUpdate();

    // One frame, as the frame timer delivers it: raises OnVBS, then runs FrameTick unless an
    // OnVBS handler destroyed the control.
    void Frame();
    // The per-frame work of animated descendants, which call the inherited one first. Empty
    // here: OnVBS has been raised already.
    virtual void FrameTick();

    const TBitmap &Buffer() const { return *FBuffer; }

signals:
    void OnVBS(TVexVBSGraphicControl *Sender);

protected:
    // Adds a surface that follows the control's size, like FBuffer.
    void AddResizedBitmap(TBitmap *Bitmap) { FResizeList.push_back(Bitmap); }

    std::unique_ptr<TBitmap> FBuffer;
    bool FUpdateLocked = false;

private:
    QPointer<TVexVBlankTimer> FFrameTimer;
    std::vector<TBitmap *> FResizeList;
    bool FSubscribed = false;
};

} // namespace Vex
