#pragma once
// A control that animates a short transition whenever the mouse state changes (created,
// entered, left, pressed): it counts painted frames of the shared frame timer and exposes the
// progress, 0 to 1, that descendants draw with.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"

namespace Vex {

class VEX_EXPORT TVexMouseControl : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(int FrameCountCreated READ FrameCountCreated WRITE SetFrameCountCreated)
    Q_PROPERTY(int FrameCountEntered READ FrameCountEntered WRITE SetFrameCountEntered)
    Q_PROPERTY(int FrameCountExited READ FrameCountExited WRITE SetFrameCountExited)
    Q_PROPERTY(int FrameCountClicked READ FrameCountClicked WRITE SetFrameCountClicked)
    Q_PROPERTY(int Delay READ Delay WRITE SetDelay)

public:
    explicit TVexMouseControl(QWidget *Parent = nullptr);

    int FrameCountCreated() const { return FFrameCounts[msCreated]; }
    int FrameCountEntered() const { return FFrameCounts[msEntered]; }
    int FrameCountExited() const { return FFrameCounts[msExited]; }
    int FrameCountClicked() const { return FFrameCounts[msClicked]; }
    // Frame counts below 1 are refused, so a transition always has frames.
    void SetFrameCountCreated(int Value) { SetFrameCount(msCreated, Value); }
    void SetFrameCountEntered(int Value) { SetFrameCount(msEntered, Value); }
    void SetFrameCountExited(int Value) { SetFrameCount(msExited, Value); }
    void SetFrameCountClicked(int Value) { SetFrameCount(msClicked, Value); }
    // Paints to wait after a state change before the transition starts; negative is refused.
    int Delay() const { return FDelay; }
    void SetDelay(int Value);

    float Progress() const { return FProgress; }
    int FramesLeft() const { return FFramesLeft; }

    void FrameTick() override;

protected:
    // A transition counts painted frames: it waits for frames only while it can be painted.
    bool Animating() const override { return FFramesLeft > 0 && isVisible(); }
    void SetMouseState(TVexMouseState State) override;
    // Advances the transition by one frame; descendants call it first and draw with Progress().
    void Paint(TCanvas &Canvas) override;

private:
    void SetFrameCount(TVexMouseState State, int Value);

    int FFrameCounts[4] = {1, 10, 1, 10};
    int FDelay = 0;
    int FDelayCount = 0;
    int FFramesLeft = 0;
    int FFrameTotal = 1;
    float FProgress = 1;
};

} // namespace Vex
