#include "framework/VexVBSGraphicControl.h"

#include "framework/VexVBlankTimer.h"
#include "platform/core/Maths.h"

namespace Vex {

TVexVBSGraphicControl::TVexVBSGraphicControl(QWidget *Parent)
    : TVexGraphicControl(Parent), FBuffer(std::make_unique<TBitmap>()) {
    FUpdateLocked = false;
    // The control covers its whole area: nothing needs erasing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Randomize();
    FBuffer->Canvas().Brush.Color = Color();
    FBuffer->Canvas().Pen.Color = Color();
    FResizeList.push_back(FBuffer.get());
    SetHeight(100);
    SetWidth(100);
}

TVexVBSGraphicControl::~TVexVBSGraphicControl() {
    // The timer may already be gone at shutdown; QPointer then reads null.
    if (FSubscribed && FFrameTimer)
        FFrameTimer->RemoveControl(this);
}

void TVexVBSGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    for (TBitmap *Bitmap : FResizeList) {
        Bitmap->SetWidth(Width());
        Bitmap->SetHeight(Height());
    }
}

void TVexVBSGraphicControl::EnableFrameTimer(bool Value) {
    if (FSubscribed || !Value)
        return;
    FSubscribed = true;
    if (IsDesigning())
        return;
    FFrameTimer = TVexVBlankTimer::Instance();
    if (FFrameTimer)
        FFrameTimer->AddControl(this);
}

void TVexVBSGraphicControl::EndUpdate() {
    FUpdateLocked = false;
}

void TVexVBSGraphicControl::Frame() {
    const QPointer<TVexVBSGraphicControl> Self(this);
    emit OnVBS(this);
    if (Self)
        FrameTick();
}

void TVexVBSGraphicControl::FrameTick() {}

} // namespace Vex
