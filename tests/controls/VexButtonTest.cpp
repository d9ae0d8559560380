#include "controls/VexButton.h"

#include "framework/FrameworkTestUtil.h"
#include "platform/graphics/Bitmap.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/DIBFX.h"

#include <QEnterEvent>
#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// Every paint goes through the widget's own paint path; grab() needs no shown window.
QImage PaintOnce(TVexButton &B) {
    return B.grab().toImage();
}

void Enter(TVexButton &B) {
    const QPointF At(1, 1);
    QEnterEvent Event(At, At, B.mapToGlobal(At));
    QCoreApplication::sendEvent(&B, &Event);
}

void Leave(TVexButton &B) {
    QEvent Event(QEvent::Leave);
    QCoreApplication::sendEvent(&B, &Event);
}

// A screen pixel clear of caption, mark and border.
TColor Background(const TVexButton &B) {
    return B.Buffer().Pixel(2, 2);
}

// The button's font as drawn into the double-size buffer of HighRes: twice the point size.
TFont HighResFont(const TVexButton &B) {
    TFont F = B.Font();
    F.SetSize(F.Size() * 2);
    return F;
}

QSize TextSize(const TFont &Font, const QString &Text) {
    QImage NoSurface;
    TCanvas C(&NoSurface);
    C.Font = Font;
    return QSize(C.TextWidth(Text), C.TextHeight(Text));
}

// A button of the given size that has shown its creation frame and rests.
void Settle(TVexButton &B, int Width = 120, int Height = 18) {
    B.SetBounds(0, 0, Width, Height);
    PaintOnce(B);
    ASSERT_EQ(B.FramesLeft(), 0);
}

class TCountingButton : public TVexButton {
public:
    using TVexButton::TVexButton;
    int Paints = 0;

protected:
    void Paint(TCanvas &Canvas) override {
        ++Paints;
        TVexButton::Paint(Canvas);
    }
};
} // namespace

TEST(VexButton, NewButtonShowsAMonthNameWithoutAsciiLowerCase) {
    TVexButton B;
    const QString Caption = B.Caption();
    bool IsMonth = false;
    for (int M = 1; M <= 12; ++M)
        IsMonth |=
            QLocale().monthName(M, QLocale::LongFormat).compare(Caption, Qt::CaseInsensitive) == 0;
    EXPECT_TRUE(IsMonth) << Caption.toStdString();
    EXPECT_FALSE(Caption.contains(QRegularExpression(QStringLiteral("[a-z]"))));
}

TEST(VexButton, EnteringFadesTheBackgroundInOverTenPaintsAndLeavingEndsIt) {
    TVexButton B;
    Settle(B);
    Enter(B);
    for (int K = 1; K <= 10; ++K) {
        const QImage Shown = PaintOnce(B);
        EXPECT_FLOAT_EQ(B.Progress(), K / 10.0f);
        const TColor Expected = BlendColors(B.Color(), B.HighlightColor(), B.Progress());
        EXPECT_EQ(Background(B), Expected) << "paint " << K;
        EXPECT_EQ(FromQColor(Shown.pixelColor(2, 2)), Expected) << "paint " << K;
    }
    Leave(B);
    PaintOnce(B);
    EXPECT_EQ(Background(B), ColorToRGB(B.Color()));
}

TEST(VexButton, DelayHoldsTheOldProgressForTwoPaints) {
    TVexButton B;
    Settle(B);
    B.SetDelay(3);
    Enter(B);
    PaintOnce(B);
    EXPECT_EQ(B.Progress(), 1.0f);
    PaintOnce(B);
    EXPECT_EQ(B.Progress(), 1.0f);
    PaintOnce(B);
    EXPECT_FLOAT_EQ(B.Progress(), 0.1f);
    PaintOnce(B);
    EXPECT_FLOAT_EQ(B.Progress(), 0.2f);
}

TEST(VexButton, EveryLeftPressTogglesCheckedForEveryStyle) {
    for (auto Style : {TVexButton::bsButton, TVexButton::bsCheckbox, TVexButton::bsRadiobutton}) {
        TVexButton B;
        B.SetButtonStyle(Style);
        Press(&B, QPoint(5, 5));
        EXPECT_TRUE(B.Checked()) << Style;
        Release(&B, QPoint(5, 5));
        Press(&B, QPoint(5, 5));
        EXPECT_FALSE(B.Checked()) << Style;
        EXPECT_EQ(B.MouseState(), TVexButton::msClicked);
        // Other buttons raise no click, and so flip no mark.
        Release(&B, QPoint(5, 5));
        Press(&B, QPoint(5, 5), Qt::RightButton);
        Press(&B, QPoint(5, 5), Qt::MiddleButton);
        EXPECT_FALSE(B.Checked()) << Style;
    }
}

TEST(VexButton, ButtonStyleTurnsTheBorderOffAndLeftJustifiesMarks) {
    TVexButton B;
    B.SetAlignment(TVexButton::taRightJustify);
    B.SetButtonStyle(TVexButton::bsButton);
    EXPECT_EQ(B.BorderType(), TVexButton::btNone);
    EXPECT_EQ(B.Alignment(), TVexButton::taRightJustify);
    for (auto Style : {TVexButton::bsCheckbox, TVexButton::bsRadiobutton}) {
        B.SetBorderType(TVexButton::btBevel);
        B.SetAlignment(TVexButton::taCenter);
        B.SetButtonStyle(Style);
        EXPECT_EQ(B.BorderType(), TVexButton::btNone);
        EXPECT_EQ(B.Alignment(), TVexButton::taLeftJustify);
    }
}

// The expected picture, drawn independently: the background, the caption at X in the
// double-size font, then the halving.
void ExpectHighResCaptionAt(TVexButton &B, int X) {
    TBitmap Expected(240, 36);
    TCanvas &C = Expected.Canvas();
    C.Brush.Color = B.Color();
    C.FillRect(Rect(0, 0, 240, 36));
    C.Font = HighResFont(B);
    C.Brush.Style = bsClear;
    C.TextOut(X, 18 - C.TextHeight(B.Caption()) / 2, B.Caption());
    HalveBitmap(Expected, false);
    EXPECT_TRUE(B.Buffer().Image() == Expected.Image()) << "caption at " << X;
}

TEST(VexButton, HighResDrawsAtDoubleSizeAndPlacesTheCaptionByAlignment) {
    TVexButton B;
    B.SetButtonStyle(TVexButton::bsButton);
    B.SetCaption(QStringLiteral("SEPTEMBER"));
    // 11 points (15 pixels) doubles to 29 pixels, not 30.
    TFont Eleven = B.Font();
    Eleven.SetSize(11);
    B.SetFont(Eleven);
    Settle(B);
    ASSERT_EQ(B.Buffer().Width(), 240);
    ASSERT_EQ(B.Buffer().Height(), 36);
    const int W = TextSize(HighResFont(B), B.Caption()).width();
    ExpectHighResCaptionAt(B, 120 - W / 2);
    B.SetAlignment(TVexButton::taLeftJustify);
    PaintOnce(B);
    ExpectHighResCaptionAt(B, 4);
    B.SetAlignment(TVexButton::taRightJustify);
    PaintOnce(B);
    ExpectHighResCaptionAt(B, 240 - 4 - W);
}

TEST(VexButton, TurningHighResOffReturnsTheBufferToTheControlSize) {
    TVexButton B;
    Settle(B);
    B.SetHighRes(false);
    PaintOnce(B);
    EXPECT_EQ(B.Buffer().Width(), 120);
    EXPECT_EQ(B.Buffer().Height(), 18);
}

TEST(VexButton, CheckedMarksAreFilledWithTheFontColour) {
    for (auto Style : {TVexButton::bsCheckbox, TVexButton::bsRadiobutton}) {
        TVexButton B;
        B.SetHighRes(false);
        B.SetButtonStyle(Style);
        Settle(B, 100, 18);
        // The middle of the mark's box, half the text height wide, left of the 4-pixel margin.
        const int S = TextSize(B.Font(), B.Caption()).height() / 2;
        const int X = 100 - 4 - S / 2;
        EXPECT_EQ(B.Buffer().Pixel(X, 9), ColorToRGB(B.Color())) << Style;
        B.SetChecked(true);
        PaintOnce(B);
        EXPECT_EQ(B.Buffer().Pixel(X, 9), ColorToRGB(B.Font().Color)) << Style;
    }
}

TEST(VexButton, FrameTimerStopsAskingForPaintsWhenTheFadeEnds) {
    QWidget Form;
    Form.resize(200, 100);
    auto *B = new TCountingButton(&Form);
    B->SetBounds(10, 10, 120, 18);
    Form.show();
    const auto PaintsAfterTick = [&] {
        const int Before = B->Paints;
        Ticks(1);
        QCoreApplication::processEvents();
        return B->Paints - Before;
    };
    while (B->FramesLeft() > 0)
        ASSERT_EQ(PaintsAfterTick(), 1);
    Enter(*B);
    for (int K = 0; K < 10; ++K)
        EXPECT_EQ(PaintsAfterTick(), 1) << "frame " << K;
    EXPECT_EQ(B->Progress(), 1.0f);
    EXPECT_EQ(PaintsAfterTick(), 0);
    EXPECT_EQ(PaintsAfterTick(), 0);
}

TEST(VexButton, AStoredCheckBoxKeepsItsBorderAndColours) {
    TVexButton Original;
    Original.SetButtonStyle(TVexButton::bsCheckbox);
    Original.SetBorderType(TVexButton::btBevel);
    Original.SetColor(0x123456);
    Original.SetCaption(QStringLiteral("MÄRZ"));
    TVexButton Copy;
    Copy.SetParentColor(false);
    ReadComponentText(Copy, WriteComponentText(Original), QStringLiteral("button"));
    EXPECT_EQ(Copy.BorderType(), TVexButton::btBevel);
    EXPECT_EQ(Copy.ButtonStyle(), TVexButton::bsCheckbox);
    EXPECT_TRUE(Copy.ParentColor());
    EXPECT_EQ(Copy.Color(), 0x123456u);
    EXPECT_EQ(Copy.Caption(), QStringLiteral("MÄRZ"));
}

} // namespace Vex
