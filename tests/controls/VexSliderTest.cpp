#include "controls/VexSlider.h"

#include "framework/FrameworkTestUtil.h"
#include "platform/core/Component.h"
#include "platform/streaming/ComponentStream.h"

#include <QImage>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// The slider painted over white, so that every dark pixel is something it drew.
QImage Painted(TVexSlider &S) {
    S.SetColor(clWhite);
    return S.grab().toImage();
}

bool Dark(const QImage &Image, int X, int Y) {
    return qGray(Image.pixel(X, Y)) < 64;
}

bool IsNavy(const QImage &Image, int X, int Y) {
    return Image.pixel(X, Y) == qRgb(0, 0, 128);
}

// Rows Y0 .. Y1 - 1 of column X are all dark.
bool DarkRun(const QImage &Image, int X, int Y0, int Y1) {
    for (int Y = Y0; Y < Y1; ++Y)
        if (!Dark(Image, X, Y))
            return false;
    return true;
}

void Key(TVexSlider &S, int Key) {
    QKeyEvent Event(QEvent::KeyPress, Key, Qt::NoModifier);
    QCoreApplication::sendEvent(&S, &Event);
}

void DoubleClick(QWidget *W, QPoint At) {
    SendMouse(W, QEvent::MouseButtonDblClick, At, Qt::LeftButton, Qt::LeftButton);
}

struct Changes {
    int Count = 0;
    explicit Changes(TVexSlider &S) {
        QObject::connect(&S, &TVexSlider::OnChange, [this](TVexSlider *) { ++Count; });
    }
};
} // namespace

TEST(VexSlider, DefaultScaleLineTicksAndKnob) {
    TVexSlider S;
    EXPECT_EQ(S.width(), 300);
    EXPECT_EQ(S.height(), 35);
    EXPECT_EQ(S.KnobBitmap().Width(), 9);
    EXPECT_EQ(S.KnobBitmap().Height(), 7);
    EXPECT_EQ(S.Format(), QStringLiteral("0.##"));
    // The geometry without the labels: white text on white.
    TFont Invisible = S.Font();
    Invisible.Color = clWhite;
    S.SetFont(Invisible);
    const QImage P = Painted(S);

    // The scale line at y = 11 from x = 10 up to 290, the end left out.
    EXPECT_FALSE(Dark(P, 9, 11));
    for (int X = 10; X < 290; ++X)
        ASSERT_TRUE(Dark(P, X, 11)) << X;
    EXPECT_FALSE(Dark(P, 10, 10));
    // Five main ticks 10 pixels long.
    for (int X : {10, 80, 150, 220, 290}) {
        EXPECT_TRUE(DarkRun(P, X, 11, 21)) << X;
        EXPECT_FALSE(Dark(P, X, 21)) << X;
    }
    // Sub-ticks 5 pixels long at Round(280 / 44 * j) + 10; a column between two stays clear.
    for (int X : {16, 23, 29, 35, 42, 48, 55})
        EXPECT_TRUE(DarkRun(P, X, 11, 16)) << X;
    for (int X : {16, 23, 29})
        EXPECT_FALSE(Dark(P, X, 16)) << X;
    EXPECT_FALSE(Dark(P, 19, 12));
    // The labels stand under their ticks.
    TFont Black = Invisible;
    Black.Color = clBlack;
    S.SetFont(Black);
    const QImage Labelled = Painted(S);
    const auto Ink = [&](int X0, int X1) {
        int N = 0;
        for (int X = X0; X < X1; ++X)
            for (int Y = 21; Y < 35; ++Y)
                N += Dark(Labelled, X, Y);
        return N;
    };
    EXPECT_GT(Ink(140, 161), 10);
    EXPECT_EQ(Ink(100, 130), 0);
    // The knob's dark edge runs from its tip (4, 7) up to its top-right corner (9, 0) at x = 6
    // and y = 0 on the control.
    EXPECT_TRUE(Dark(P, 6 + 7, 3));
    EXPECT_FALSE(Dark(P, 6 + 4, 2)); // inside the triangle: transparent
}

TEST(VexSlider, ScaleLabelsFollowTheRangeAndFormat) {
    TVexSlider S;
    S.SetMin(-1);
    S.SetMax(1);
    S.SetTickCount(3);
    S.SetFormat(QStringLiteral("0.0"));
    const QImage P = Painted(S);
    // Three main ticks at 10, 150 and 290; 11 sub-ticks per gap over 280 pixels.
    EXPECT_TRUE(DarkRun(P, 150, 11, 21));
    EXPECT_FALSE(Dark(P, 80, 20));
}

TEST(VexSlider, FewerThanTwoTicksDrawNoScale) {
    for (int Count : {1, 0, -3}) {
        TVexSlider S;
        S.SetTickCount(Count);
        const QImage P = Painted(S);
        for (int X = 20; X < 290; ++X)
            ASSERT_FALSE(Dark(P, X, 11)) << Count << " " << X;
    }
}

TEST(VexSlider, TickCountsBeyondTheLimitAreRefused) {
    TVexSlider S;
    S.SetTickCount(TVexSlider::MaxTickCount + 1);
    S.SetSubTickCount(TVexSlider::MaxTickCount + 1);
    EXPECT_EQ(S.TickCount(), 5);
    EXPECT_EQ(S.SubTickCount(), 10);
    // Sub-ticks closer than a pixel fill the track, and the paint ends.
    S.SetSubTickCount(TVexSlider::MaxTickCount);
    const QImage P = Painted(S);
    for (int X = 11; X < 290; ++X)
        ASSERT_TRUE(DarkRun(P, X, 11, 16)) << X;
}

TEST(VexSlider, LiquidBarTakesTheWholeControlAndKeepsItAfterwards) {
    TVexSlider S;
    S.SetSliderType(TVexSlider::ustLiquidBar);
    EXPECT_EQ(S.KnobHeight(), 100);
    EXPECT_EQ(S.LeftMargin(), 0);
    EXPECT_EQ(S.RightMargin(), 0);
    S.SetSliderType(TVexSlider::ustTrackbar);
    EXPECT_EQ(S.KnobHeight(), 100);
    EXPECT_EQ(S.LeftMargin(), 0);
    // The same type again changes nothing.
    S.SetKnobHeight(40);
    S.SetSliderType(TVexSlider::ustTrackbar);
    EXPECT_EQ(S.KnobHeight(), 40);
}

TEST(VexSlider, LiquidBarAcrossZeroFillsFromZero) {
    TVexSlider S;
    S.SetBounds(0, 0, 462, 20);
    S.SetSliderType(TVexSlider::ustLiquidBar);
    S.SetMin(-200);
    S.SetMax(200);
    S.SetPosition(-200);
    EXPECT_EQ(S.ValueToPixel(0), 231);
    const QImage P = Painted(S);
    // Outline from x = 0 to 230, fill between; the white frame beyond.
    EXPECT_TRUE(Dark(P, 0, 10));
    EXPECT_TRUE(IsNavy(P, 1, 10));
    EXPECT_TRUE(IsNavy(P, 229, 10));
    EXPECT_TRUE(Dark(P, 230, 10));
    EXPECT_EQ(P.pixel(231, 10), qRgb(255, 255, 255));
    EXPECT_TRUE(Dark(P, 461, 10));
    // A positive value fills the other way from zero.
    S.SetPosition(100);
    const QImage Q = Painted(S);
    EXPECT_EQ(Q.pixel(200, 10), qRgb(255, 255, 255));
    EXPECT_TRUE(IsNavy(Q, 232, 10));
    EXPECT_TRUE(IsNavy(Q, 344, 10));
    EXPECT_TRUE(Dark(Q, 345, 10));
    EXPECT_EQ(Q.pixel(348, 10), qRgb(255, 255, 255));
}

TEST(VexSlider, RangeSelectorFillsBetweenItsPositionsInEitherOrder) {
    TVexSlider S;
    S.SetSliderType(TVexSlider::ustRangeSelector);
    S.SetPosition(75);
    S.SetPosition2(25);
    const QImage P = Painted(S);
    // Frame 20 % of 35 = 7 pixels deep, the range from x(25) = 80 to x(75) = 220.
    EXPECT_TRUE(IsNavy(P, 81, 3));
    EXPECT_TRUE(IsNavy(P, 218, 3));
    EXPECT_EQ(P.pixel(60, 3), qRgb(255, 255, 255));
    EXPECT_FALSE(IsNavy(P, 150, 7));
    S.SetPosition(25);
    S.SetPosition2(75);
    EXPECT_EQ(Painted(S), P);
}

TEST(VexSlider, PressJumpsToThePointerAndDragFollowsIt) {
    TVexSlider S;
    Changes C(S);
    Press(&S, QPoint(150, 10));
    EXPECT_EQ(S.Position2(), 50.0f);
    EXPECT_EQ(S.Position(), 50.0f);
    EXPECT_TRUE(S.Dragging());
    EXPECT_EQ(C.Count, 1);
    MoveTo(&S, QPoint(178, 10));
    EXPECT_EQ(S.Position(), 60.0f);
    EXPECT_EQ(S.Position2(), 50.0f);
    EXPECT_EQ(C.Count, 2);
    // A move that lands on the same value raises nothing.
    MoveTo(&S, QPoint(178, 30));
    EXPECT_EQ(C.Count, 2);
    Release(&S, QPoint(178, 30));
    EXPECT_FALSE(S.Dragging());
    MoveTo(&S, QPoint(20, 10), Qt::NoButton);
    EXPECT_EQ(S.Position(), 60.0f);
}

TEST(VexSlider, PointerBeyondTheMarginsPinsTheEnds) {
    TVexSlider S;
    Press(&S, QPoint(50, 10));
    MoveTo(&S, QPoint(5, 10));
    EXPECT_EQ(S.Position(), 0.0f);
    MoveTo(&S, QPoint(-40, 10));
    EXPECT_EQ(S.Position(), 0.0f);
    // Back inside, the drag continues from the last point inside the track (x = 50).
    MoveTo(&S, QPoint(60, 10));
    EXPECT_FLOAT_EQ(S.Position(), 100.0f / 280 * 50);
    MoveTo(&S, QPoint(295, 10));
    EXPECT_EQ(S.Position(), 100.0f);
    MoveTo(&S, QPoint(400, 10));
    EXPECT_EQ(S.Position(), 100.0f);
    Release(&S, QPoint(400, 10));

    // A press outside the margins pins at once.
    Press(&S, QPoint(3, 10));
    EXPECT_EQ(S.Position(), 0.0f);
    EXPECT_EQ(S.Position2(), 0.0f);
}

TEST(VexSlider, OnlyTheLeftButtonAndAllowedInputMoveIt) {
    TVexSlider S;
    Press(&S, QPoint(150, 10), Qt::RightButton);
    EXPECT_EQ(S.Position(), 0.0f);
    Release(&S, QPoint(150, 10), Qt::RightButton);
    S.SetAllowInput(false);
    Press(&S, QPoint(150, 10));
    EXPECT_EQ(S.Position(), 0.0f);
    Key(S, Qt::Key_End);
    EXPECT_EQ(S.Position(), 0.0f);
}

TEST(VexSlider, CodeChangesCompareWithThePositionAtTheLastMove) {
    TVexSlider S;
    Changes C(S);
    S.SetPosition(0);
    EXPECT_EQ(C.Count, 0);
    S.SetPosition(30);
    EXPECT_EQ(C.Count, 1);
    // Without a move in between, the reference is still 0.
    S.SetPosition(30);
    EXPECT_EQ(C.Count, 2);
    MoveTo(&S, QPoint(5, 5), Qt::NoButton);
    S.SetPosition(30);
    EXPECT_EQ(C.Count, 2);
    // Out of range: clamped.
    S.SetPosition(500);
    EXPECT_EQ(S.Position(), 100.0f);
    S.SetPosition(std::nanf(""));
    EXPECT_EQ(S.Position(), 100.0f);
}

TEST(VexSlider, NoChangeEventsWhileLoading) {
    QWidget Form;
    TVexSlider *S;
    int Count = 0;
    {
        TLoadingScope Scope;
        S = new TVexSlider(&Form);
        QObject::connect(S, &TVexSlider::OnChange, [&](TVexSlider *) { ++Count; });
        S->SetPosition(40);
        EXPECT_EQ(Count, 0);
    }
    S->SetPosition(41);
    EXPECT_EQ(Count, 1);
}

TEST(VexSlider, MinAndMaxKeepTheRangeAndMovePositionIntoIt) {
    TVexSlider S;
    S.SetPosition(70);
    Changes C(S);
    S.SetMin(100);
    S.SetMax(-5);
    S.SetMin(std::numeric_limits<float>::infinity());
    EXPECT_EQ(S.Min(), 0.0f);
    EXPECT_EQ(S.Max(), 100.0f);
    S.SetMax(50);
    EXPECT_EQ(S.Max(), 50.0f);
    EXPECT_EQ(S.Position(), 50.0f);
    EXPECT_EQ(C.Count, 1);
    S.SetMin(60);
    EXPECT_EQ(S.Min(), 0.0f);
    S.SetMin(20);
    S.SetPosition(0);
    EXPECT_EQ(S.Position(), 20.0f);
}

TEST(VexSlider, DoubleClickOnARangeSelectorSelectsTheWholeRange) {
    TVexSlider S;
    S.SetSliderType(TVexSlider::ustRangeSelector);
    Press(&S, QPoint(80, 5));
    MoveTo(&S, QPoint(150, 5));
    Release(&S, QPoint(150, 5));
    EXPECT_EQ(S.Position2(), 25.0f);
    EXPECT_EQ(S.Position(), 50.0f);

    DoubleClick(&S, QPoint(150, 5));
    EXPECT_EQ(S.Position(), 100.0f);
    EXPECT_EQ(S.Position2(), 0.0f);
    EXPECT_FALSE(S.Dragging());
    // The move after the pair only ends the skip.
    MoveTo(&S, QPoint(200, 5));
    EXPECT_EQ(S.Position(), 100.0f);
    Release(&S, QPoint(200, 5));
    Press(&S, QPoint(220, 5));
    EXPECT_EQ(S.Position(), 75.0f);
}

TEST(VexSlider, DoubleClickOnATrackbarIsAnotherPress) {
    TVexSlider S;
    Press(&S, QPoint(80, 5));
    Release(&S, QPoint(80, 5));
    DoubleClick(&S, QPoint(150, 5));
    EXPECT_EQ(S.Position(), 50.0f);
    EXPECT_TRUE(S.Dragging());
}

TEST(VexSlider, KeysStepByAHundredthAndATenthOfTheRange) {
    TVexSlider S;
    S.SetMin(-200);
    S.SetMax(200);
    EXPECT_EQ(S.focusPolicy(), Qt::StrongFocus);
    Changes C(S);
    Key(S, Qt::Key_Right);
    EXPECT_EQ(S.Position(), 4.0f);
    Key(S, Qt::Key_Up);
    EXPECT_EQ(S.Position(), 8.0f);
    Key(S, Qt::Key_PageDown);
    EXPECT_EQ(S.Position(), -32.0f);
    Key(S, Qt::Key_Left);
    Key(S, Qt::Key_Down);
    EXPECT_EQ(S.Position(), -40.0f);
    Key(S, Qt::Key_PageUp);
    EXPECT_EQ(S.Position(), 0.0f);
    EXPECT_EQ(C.Count, 6);
    Key(S, Qt::Key_End);
    EXPECT_EQ(S.Position(), 200.0f);
    Key(S, Qt::Key_PageUp);
    EXPECT_EQ(S.Position(), 200.0f);
    EXPECT_EQ(C.Count, 7); // pinned at the end: no change, no event
    Key(S, Qt::Key_Home);
    EXPECT_EQ(S.Position(), -200.0f);
}

TEST(VexSlider, ResizingKeepsTheKnobsPixelSize) {
    TVexSlider S;
    S.SetBounds(0, 0, 600, 70);
    EXPECT_EQ(S.KnobBitmap().Width(), 9);
    EXPECT_EQ(S.KnobBitmap().Height(), 7);
    S.SetKnobWidth(3);
    EXPECT_EQ(S.KnobBitmap().Width(), 18);
    EXPECT_EQ(S.KnobBitmap().Height(), 14);
}

TEST(VexSlider, VerticalRunsUpwardsFromTheBottom) {
    TVexSlider S;
    S.SetBounds(0, 0, 35, 300);
    S.SetOrientation(TVexSlider::usoVertical);
    // The knob is rebuilt lying across: 7 wide, 9 high.
    EXPECT_EQ(S.KnobBitmap().Width(), 7);
    EXPECT_EQ(S.KnobBitmap().Height(), 9);
    // Pixel 150 along the track is row 300 - 1 - 150.
    Press(&S, QPoint(10, 149));
    EXPECT_EQ(S.Position(), 50.0f);
    MoveTo(&S, QPoint(10, 121));
    EXPECT_EQ(S.Position(), 60.0f);
    MoveTo(&S, QPoint(10, 295));
    EXPECT_EQ(S.Position(), 0.0f);
    Release(&S, QPoint(10, 295));

    // The scale line stands at x = 11 from row 289 (value 0) up to row 10, where the last
    // tick starts.
    const QImage P = Painted(S);
    EXPECT_TRUE(Dark(P, 11, 289));
    EXPECT_TRUE(Dark(P, 11, 10));
    EXPECT_FALSE(Dark(P, 11, 290));
    EXPECT_FALSE(Dark(P, 10, 150));
    // Main tick at value 50 (row 149) runs right 10 pixels.
    EXPECT_TRUE(Dark(P, 20, 149));
    EXPECT_FALSE(Dark(P, 20, 152));
}

TEST(VexSlider, StreamsARangeBeyondTheDefaultOne) {
    TVexSlider S;
    S.SetMax(300);
    S.SetMin(150);
    S.SetPosition(200);
    S.SetOrientation(TVexSlider::usoVertical);
    S.SetSliderType(TVexSlider::ustRangeSelector);
    S.SetPosition2(180);
    QWidget Form;
    TVexSlider *Copy;
    {
        TLoadingScope Scope;
        Copy = new TVexSlider(&Form);
    }
    ReadComponentText(*Copy, WriteComponentText(S), QStringLiteral("slider"));
    EXPECT_EQ(Copy->Min(), 150.0f);
    EXPECT_EQ(Copy->Max(), 300.0f);
    EXPECT_EQ(Copy->Position(), 200.0f);
    EXPECT_EQ(Copy->Position2(), 180.0f);
    EXPECT_EQ(Copy->Orientation(), TVexSlider::usoVertical);
    EXPECT_EQ(Copy->SliderType(), TVexSlider::ustRangeSelector);
    EXPECT_EQ(WriteComponentText(*Copy), WriteComponentText(S));
}

TEST(VexSlider, AReversedRangeInAFileLeavesTheDefaultRange) {
    TVexSlider S;
    const QString Text = QStringLiteral("object S: TVexSlider\r\n  Min = 50\r\n  Max = 10\r\n"
                                        "  Position = 30\r\nend\r\n");
    ReadComponentText(S, Text, QStringLiteral("slider"));
    EXPECT_EQ(S.Min(), 0.0f);
    EXPECT_EQ(S.Max(), 100.0f);
    EXPECT_EQ(S.Position(), 30.0f);
}

} // namespace Vex
