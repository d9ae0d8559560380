#include "controls/VexMouseControl.h"

namespace Vex {

TVexMouseControl::TVexMouseControl(QWidget *Parent) : TVexVBSGraphicControlDA(Parent) {
    SetDelay(0);
    SetMouseState(msCreated);
    EnableFrameTimer(true);
}

void TVexMouseControl::SetFrameCount(TVexMouseState State, int Value) {
    if (Value > 0)
        FFrameCounts[State] = Value;
}

void TVexMouseControl::SetDelay(int Value) {
    if (Value >= 0)
        FDelay = Value;
}

void TVexMouseControl::SetMouseState(TVexMouseState State) {
    TVexVBSGraphicControlDA::SetMouseState(State);
    FDelayCount = FDelay;
    if (State < msCreated || State > msClicked)
        return;
    // The progress keeps its value until the next paint: a new transition starts from the
    // picture on screen.
    FFrameTotal = FFrameCounts[State];
    FFramesLeft = FFrameTotal;
    WakeFrameTimer();
}

void TVexMouseControl::FrameTick() {
    TVexVBSGraphicControlDA::FrameTick();
    if (FFramesLeft > 0)
        update();
}

void TVexMouseControl::Paint(TCanvas &Canvas) {
    TVexVBSGraphicControlDA::Paint(Canvas);
    if (--FDelayCount <= 0) {
        if (FFramesLeft > 0)
            --FFramesLeft;
        FProgress = 1.0f - float(FFramesLeft) / float(FFrameTotal);
    }
    if (IsDesigning())
        FProgress = 0;
}

} // namespace Vex
