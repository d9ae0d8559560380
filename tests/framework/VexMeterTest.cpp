#include "framework/VexMeter.h"
#include "FrameworkTestUtil.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace Vex {

namespace {
struct Events {
    std::vector<float> Changing, Change;
    void Watch(TVexMeter &M) {
        QObject::connect(&M, &TVexMeter::OnChanging,
                         [this](TVexMeter *, float V, int) { Changing.push_back(V); });
        QObject::connect(&M, &TVexMeter::OnChange,
                         [this](TVexMeter *, float V, int) { Change.push_back(V); });
    }
};
} // namespace

TEST(Meter, DefaultsAndSpringSteps) {
    QWidget Form;
    TVexMeter M(&Form);
    EXPECT_EQ(M.Min(), 0.0f);
    EXPECT_EQ(M.Max(), 100.0f);
    EXPECT_EQ(M.Inertia(), 95);
    EXPECT_EQ(M.StabilizationTime(), 10);
    M.SetFloat(100);
    const float Expected[] = {0.25f, 0.737f, 1.448f, 2.370f, 3.491f};
    const float Velocity[] = {5.0f, 9.74f, 14.22f, 18.44f, 22.41f};
    for (int I = 0; I < 5; ++I) {
        M.FrameTick();
        EXPECT_NEAR(M.DisplayValue(), Expected[I], 0.0006f) << "step " << I;
        EXPECT_NEAR(M.Velocity(), Velocity[I], 0.006f) << "step " << I;
    }
    // The target never changes while the needle moves.
    EXPECT_EQ(M.Float(), 100.0f);
}

TEST(Meter, SpringStoresEachQuantityAsAFloatPerLine) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetFloat(100);
    // The step as a reference: a 32-bit float stored after every line, double within a line.
    const double K = 0.05f, S = 0.99f;
    float V = 0, P = 0;
    int Step = 0;
    for (; P != 100.0f && Step < 5000; ++Step) {
        const float D = float(S * V);
        const float E = float(100.0 - D - P);
        V = float(V + double(E) * K);
        P = float(P + double(V) * K);
        M.FrameTick();
        ASSERT_EQ(M.DisplayValue(), P) << "step " << Step;
        ASSERT_EQ(M.Velocity(), V) << "step " << Step;
    }
    // Arrived on the same step, and at rest from then on.
    EXPECT_EQ(M.DisplayValue(), 100.0f);
    M.FrameTick();
    EXPECT_EQ(M.Velocity(), V);
    EXPECT_GT(Step, 300);
}

TEST(Meter, SpringOvershootsThenSettlesExactly) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetFloat(100);
    float Peak = 0;
    int PeakStep = 0, Steps = 0;
    while (M.DisplayValue() != 100.0f && Steps < 5000) {
        M.FrameTick();
        ++Steps;
        if (M.DisplayValue() > Peak) {
            Peak = M.DisplayValue();
            PeakStep = Steps;
        }
    }
    EXPECT_NEAR(Peak, 116.2f, 0.1f);
    EXPECT_NEAR(PeakStep, 71, 2);
    EXPECT_LT(Steps, 5000);
    // At rest a tick changes nothing.
    const float V = M.Velocity();
    M.FrameTick();
    EXPECT_EQ(M.DisplayValue(), 100.0f);
    EXPECT_EQ(M.Velocity(), V);
}

TEST(Meter, IndexedFactorsSettleQuickly) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetIndexed(true);
    M.SetFloat(5);
    float Peak = 0;
    int Steps = 0;
    while (M.DisplayValue() != 5.0f && Steps < 1000) {
        M.FrameTick();
        Peak = std::max(Peak, M.DisplayValue());
        ++Steps;
    }
    EXPECT_GT(Peak, 5.44f);
    EXPECT_LT(Peak, 5.6f);
    EXPECT_LT(Steps, 30);
}

TEST(Meter, FloatIsClampedAndRounded) {
    TVexMeter M;
    M.SetFloat(150);
    EXPECT_EQ(M.Float(), 100.0f);
    M.SetFloat(-3);
    EXPECT_EQ(M.Float(), 0.0f);
    M.SetFloat(42.7f);
    EXPECT_EQ(M.Float(), 42.7f);
    M.SetFloat(NAN);
    EXPECT_EQ(M.Float(), 0.0f);
    M.SetIndexed(true);
    M.SetFloat(42.7f);
    EXPECT_EQ(M.Float(), 43.0f);
    M.SetFloat(42.5f);
    EXPECT_EQ(M.Float(), 42.0f);
    // Whole numbers beyond the integer range stay whole numbers, not a saturated integer.
    M.SetMax(1e10f);
    M.SetFloat(5e9f);
    EXPECT_EQ(M.Float(), 5e9f);
    M.SetMax(100);
    // A clamped value is not rounded.
    M.SetMax(50.5f);
    M.SetFloat(80);
    EXPECT_EQ(M.Float(), 50.5f);
}

TEST(Meter, RangeSettersRefuseBadValues) {
    TVexMeter M;
    M.SetMin(-INFINITY);
    M.SetMax(INFINITY);
    EXPECT_EQ(M.Min(), 0.0f);
    EXPECT_EQ(M.Max(), 100.0f);
    M.SetMin(100);
    EXPECT_EQ(M.Min(), 0.0f);
    M.SetMax(-5);
    EXPECT_EQ(M.Max(), 100.0f);
    M.SetMax(NAN);
    EXPECT_EQ(M.Max(), 100.0f);
    M.SetFloat(40);
    M.SetMin(60);
    EXPECT_EQ(M.Min(), 60.0f);
    EXPECT_EQ(M.Float(), 60.0f);
    M.SetMax(70);
    M.SetFloat(70);
    M.SetMax(65);
    EXPECT_EQ(M.Float(), 65.0f);
    M.SetInertia(0);
    M.SetStabilizationTime(-1);
    EXPECT_EQ(M.Inertia(), 95);
    EXPECT_EQ(M.StabilizationTime(), 10);
}

TEST(Meter, InertiaOfHundredHoldsTheNeedle) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetInertia(100);
    M.SetFloat(50);
    for (int I = 0; I < 10; ++I)
        M.FrameTick();
    EXPECT_EQ(M.DisplayValue(), 0.0f);
}

TEST(Meter, VerticalDragChangesValueAndRaisesEvents) {
    QWidget Form;
    TVexMeter M(&Form);
    Events E;
    E.Watch(M);
    Press(&M, QPoint(50, 80));
    MoveTo(&M, QPoint(60, 70));
    MoveTo(&M, QPoint(40, 50));
    EXPECT_NEAR(M.Float(), 10.0f, 1e-4f);
    EXPECT_EQ(E.Changing.size(), 2u);
    EXPECT_TRUE(E.Change.empty());
    Release(&M, QPoint(40, 50));
    ASSERT_EQ(E.Change.size(), 1u);
    EXPECT_NEAR(E.Change[0], 10.0f, 1e-4f);
    // A move without a button only follows the pointer.
    MoveTo(&M, QPoint(40, 0), Qt::NoButton);
    EXPECT_NEAR(M.Float(), 10.0f, 1e-4f);
}

TEST(Meter, RightClickRaisesChangeWithUnchangedValue) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetFloat(33);
    Events E;
    E.Watch(M);
    Press(&M, QPoint(10, 10), Qt::RightButton);
    MoveTo(&M, QPoint(10, 0), Qt::RightButton);
    Release(&M, QPoint(10, 0), Qt::RightButton);
    EXPECT_TRUE(E.Changing.empty());
    ASSERT_EQ(E.Change.size(), 1u);
    EXPECT_EQ(E.Change[0], 33.0f);
}

TEST(Meter, AllowInputOffIgnoresTheMouse) {
    QWidget Form;
    TVexMeter M(&Form);
    M.SetAllowInput(false);
    Events E;
    E.Watch(M);
    Press(&M, QPoint(50, 80));
    MoveTo(&M, QPoint(50, 20));
    Release(&M, QPoint(50, 20));
    EXPECT_EQ(M.Float(), 0.0f);
    EXPECT_TRUE(E.Changing.empty());
    EXPECT_TRUE(E.Change.empty());
}

TEST(Meter, SetIndexedResetsRangeStartAndValue) {
    TVexMeter M;
    M.SetMin(10);
    M.SetFloat(50);
    M.SetIndexed(true);
    EXPECT_EQ(M.Min(), 0.0f);
    EXPECT_EQ(M.Float(), 0.0f);
    M.SetFloat(7);
    M.SetIndexed(true); // unchanged: no reset
    EXPECT_EQ(M.Float(), 7.0f);
}

} // namespace Vex
