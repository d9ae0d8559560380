#include "FrameworkTestUtil.h"
#include "framework/VexVBSGraphicControl.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// A parent that records the mouse events that reach it, hovering included.
class TBeneath : public QWidget {
public:
    TBeneath() { setMouseTracking(true); }
    int Presses = 0, Moves = 0, Releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++Presses; }
    void mouseMoveEvent(QMouseEvent *) override { ++Moves; }
    void mouseReleaseEvent(QMouseEvent *) override { ++Releases; }
};

// A control that records the drags it takes.
class TRound : public TVexVBSGraphicControl {
public:
    using TVexVBSGraphicControl::TVexVBSGraphicControl;
    int Drags = 0;

protected:
    void DragBy(int, int) override { ++Drags; }
};
} // namespace

TEST(WindowRegion, OutsideTheOutlineClicksAndDragsGoToWhatLiesBeneath) {
    TBeneath Form;
    TRound C(&Form);
    C.SetBounds(10, 10, 100, 100);
    C.SetWindowRegion(TRegion::CreateEllipse(0, 0, 100, 100));
    EXPECT_FALSE(C.HitTest(3, 3));
    EXPECT_TRUE(C.HitTest(50, 50));
    EXPECT_TRUE(C.HitTest(50, 0));

    // A corner press, its drag and its release belong to the parent, even across the outline.
    Press(&C, QPoint(3, 3));
    MoveTo(&C, QPoint(50, 50));
    Release(&C, QPoint(50, 50));
    EXPECT_EQ(Form.Presses, 1);
    EXPECT_EQ(Form.Moves, 1);
    EXPECT_EQ(Form.Releases, 1);
    EXPECT_EQ(C.MouseState(), TVexGraphicControl::msCreated);
    EXPECT_EQ(C.Drags, 0);

    // Inside, the control takes the press and keeps its drag when it leaves the outline.
    Press(&C, QPoint(50, 50));
    MoveTo(&C, QPoint(2, 2));
    Release(&C, QPoint(2, 2));
    EXPECT_EQ(Form.Presses, 1);
    EXPECT_EQ(Form.Moves, 1);
    EXPECT_EQ(Form.Releases, 1);
    EXPECT_EQ(C.MouseState(), TVexGraphicControl::msClicked);
    EXPECT_EQ(C.Drags, 1);

    // Hovering over a corner is the parent's too.
    MoveTo(&C, QPoint(97, 97), Qt::NoButton);
    EXPECT_EQ(Form.Moves, 2);
    EXPECT_EQ(C.LastPoint(), Point(2, 2));
}

TEST(WindowRegion, AnOutlinedControlIsPaintedOverWhatLiesBeneath) {
    QWidget Form;
    TVexVBSGraphicControl C(&Form);
    ASSERT_TRUE(C.testAttribute(Qt::WA_OpaquePaintEvent));
    C.SetWindowRegion(TRegion::CreateEllipse(0, 0, 100, 100));
    EXPECT_FALSE(C.testAttribute(Qt::WA_OpaquePaintEvent));
    C.SetWindowRegion(TRegion::CreateEllipse(0, 0, 50, 50));
    EXPECT_FALSE(C.testAttribute(Qt::WA_OpaquePaintEvent));
    C.SetWindowRegion(TRegion());
    EXPECT_TRUE(C.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_TRUE(C.HitTest(0, 0));
}

} // namespace Vex
