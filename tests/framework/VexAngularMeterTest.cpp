#include "framework/VexAngularMeter.h"
#include "FrameworkTestUtil.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace Vex {

namespace {
struct ClockwiseScale : ::testing::Test {
    QWidget Form;
    TVexAngularMeter M{&Form};
    void SetUp() override {
        M.SetMinAngle(225);
        M.SetMaxAngle(-45);
    }
};
} // namespace

TEST(AngularMeter, ConstructorDefaults) {
    TVexAngularMeter M;
    EXPECT_EQ(M.MouseInputType(), TVexGraphicControl::mitAngular);
    EXPECT_EQ(M.MinAngle(), -45.0f);
    EXPECT_EQ(M.MaxAngle(), 235.0f);
    // With these defaults every pointer angle lies below Min.
    for (float A = 0; A < 360; A += 15)
        EXPECT_LT(M.AngleToValue(A), 0.0f) << A;
}

TEST_F(ClockwiseScale, AngleToValueTable) {
    EXPECT_NEAR(M.AngleToValue(180), 16.667f, 1e-3f);
    EXPECT_NEAR(M.AngleToValue(90), 50.0f, 1e-4f);
    EXPECT_NEAR(M.AngleToValue(0), 83.333f, 1e-3f);
    EXPECT_NEAR(M.AngleToValue(315), 100.0f, 1e-4f);
    EXPECT_NEAR(M.AngleToValue(270), 116.667f, 1e-3f);
    EXPECT_NEAR(M.AngleToValue(226), 132.963f, 1e-3f);
    EXPECT_NEAR(M.AngleToValue(225), 0.0f, 1e-4f);
}

TEST_F(ClockwiseScale, PointingSetsTheClampedValueUnderThePointer) {
    int Changing = 0;
    QObject::connect(&M, &TVexMeter::OnChanging, [&] { ++Changing; });
    Press(&M, QPoint(50, 10)); // straight up from the centre of 100 x 100
    EXPECT_NEAR(M.Float(), 50.0f, 1e-4f);
    MoveTo(&M, QPoint(50, 90)); // straight down: beyond the end, clamped
    EXPECT_EQ(M.Float(), 100.0f);
    MoveTo(&M, QPoint(10, 50)); // straight left
    EXPECT_NEAR(M.Float(), 16.667f, 1e-3f);
    Release(&M, QPoint(10, 50));
    EXPECT_EQ(Changing, 3);
}

TEST_F(ClockwiseScale, PivotOffsetMovesTheCentreOfPointing) {
    M.SetOrigoY(20);
    EXPECT_FLOAT_EQ(M.PointToAngle(50 - 50, 60 - 50), 90.0f);
    Press(&M, QPoint(50, 60));
    EXPECT_NEAR(M.Float(), 50.0f, 1e-4f);
}

TEST_F(ClockwiseScale, AllowInputOffChangesNothing) {
    M.SetAllowInput(false);
    int Events = 0;
    QObject::connect(&M, &TVexMeter::OnChanging, [&] { ++Events; });
    QObject::connect(&M, &TVexMeter::OnChange, [&] { ++Events; });
    Press(&M, QPoint(50, 10));
    Release(&M, QPoint(50, 10));
    EXPECT_EQ(M.Float(), 0.0f);
    EXPECT_EQ(Events, 0);
}

TEST_F(ClockwiseScale, ZeroWidthArcKeepsTheValue) {
    M.SetFloat(40);
    M.SetMaxAngle(225);
    int Changing = 0;
    QObject::connect(&M, &TVexMeter::OnChanging, [&] { ++Changing; });
    Press(&M, QPoint(90, 50));
    EXPECT_EQ(M.Float(), 40.0f);
    EXPECT_EQ(Changing, 0);
    EXPECT_EQ(M.AngleToValue(10), 40.0f);
}

TEST_F(ClockwiseScale, NonFiniteAnglesAreRefused) {
    M.SetMinAngle(NAN);
    M.SetMaxAngle(INFINITY);
    EXPECT_EQ(M.MinAngle(), 225.0f);
    EXPECT_EQ(M.MaxAngle(), -45.0f);
}

} // namespace Vex
