#include "FrameworkTestUtil.h"
#include "framework/VexMeter.h"
#include "framework/VexVBSGraphicControl.h"

#include <QApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

namespace {
// Counts the paints a widget receives.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *Event) override {
        Paints += Event->type() == QEvent::Paint;
        return false;
    }
};

TVexVBlankTimer *Timer() {
    return TVexVBlankTimer::Find();
}

// Ticks until the meter's needle rests on its target; the number of ticks it took.
int Settle(TVexMeter &M) {
    int Count = 0;
    while (M.DisplayValue() != M.Float() && Count < 5000) {
        Ticks(1);
        ++Count;
    }
    return Count;
}
} // namespace

TEST(FrameTimerIdle, SleepsAtRestAndWakesOnAValueChange) {
    QWidget Form;
    TVexMeter M(&Form);
    ASSERT_NE(Timer(), nullptr);
    Ticks(1);
    EXPECT_FALSE(Timer()->isActive());
    M.SetFloat(40);
    EXPECT_TRUE(Timer()->isActive());
    EXPECT_GT(Settle(M), 10);
    // The tick that brought the needle home found nothing more to do.
    EXPECT_FALSE(Timer()->isActive());
    M.SetFloat(40);
    EXPECT_FALSE(Timer()->isActive());
    M.SetFloat(41);
    EXPECT_TRUE(Timer()->isActive());
}

TEST(FrameTimerIdle, AConnectedOnVBSHandlerKeepsTheBeat) {
    QWidget Form;
    TVexMeter C(&Form); // at rest
    Ticks(1);
    EXPECT_FALSE(Timer()->isActive());
    int Frames = 0;
    const QMetaObject::Connection Handler =
        QObject::connect(&C, &TVexVBSGraphicControl::OnVBS, [&] { ++Frames; });
    ASSERT_EQ(C.DisplayValue(), C.Float());
    EXPECT_TRUE(Timer()->isActive());
    Ticks(50);
    EXPECT_EQ(Frames, 50);
    EXPECT_TRUE(Timer()->isActive());
    QObject::disconnect(Handler);
    Ticks(1);
    EXPECT_FALSE(Timer()->isActive());
}

TEST(FrameTimerIdle, NoMeterWithoutParentOrGainKeepsItAwake) {
    TVexMeter Orphan;
    Orphan.SetFloat(60);
    Ticks(1);
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_EQ(Orphan.DisplayValue(), 0.0f);
    // Given a parent, it wakes the timer and moves.
    QWidget Form;
    Orphan.setParent(&Form);
    EXPECT_TRUE(Timer()->isActive());
    Ticks(1);
    EXPECT_GT(Orphan.DisplayValue(), 0.0f);
    Orphan.setParent(nullptr);

    // With Inertia 100 the spring has no gain: the needle can never move, so nothing waits.
    TVexMeter Held(&Form);
    Held.SetInertia(100);
    Held.SetFloat(30);
    Ticks(1);
    EXPECT_FALSE(Timer()->isActive());
    Held.SetInertia(50);
    EXPECT_TRUE(Timer()->isActive());
}

TEST(FrameTimerIdle, ARestingMeterAsksForNoPaintAndAMovingOneForOnePerFrame) {
    QWidget Form;
    Form.resize(200, 200);
    TVexMeter M(&Form);
    TPaintCounter Counter;
    M.installEventFilter(&Counter);
    Form.show();
    QApplication::processEvents();
    Counter.Paints = 0;
    Ticks(5);
    QApplication::processEvents();
    EXPECT_EQ(Counter.Paints, 0);
    // The new target is shown by the frame that starts the motion, not by a paint of its own.
    M.SetFloat(80);
    QApplication::processEvents();
    EXPECT_EQ(Counter.Paints, 0);
    for (int I = 0; I < 3; ++I) {
        Ticks(1);
        QApplication::processEvents();
    }
    EXPECT_EQ(Counter.Paints, 3);
}

TEST(FrameTimerIdle, AControlThatDoesNotSayWhenItRestsKeepsTicking) {
    QWidget Form;
    TVexVBSGraphicControl C(&Form);
    C.EnableFrameTimer(true);
    EXPECT_TRUE(C.NeedsFrames());
    Ticks(3);
    EXPECT_TRUE(Timer()->isActive());
}

} // namespace Vex
