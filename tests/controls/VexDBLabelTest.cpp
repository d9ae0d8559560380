#include "controls/VexDBLabel.h"
#include "TestDatabase.h"
#include "platform/core/Maths.h"
#include "platform/data/VexDataSource.h"
#include "platform/data/VexTable.h"
#include "platform/streaming/ComponentStream.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

using namespace Qt::StringLiterals;

namespace {
// Where a frame differs from the white background, and its darkest red channel.
struct TInk {
    int Top = INT_MAX, Right = -1, Darkest = 255;
    bool Any() const { return Right >= 0; }
};

TInk InkOf(const QImage &Image) {
    TInk Ink;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (const QRgb P = Image.pixel(X, Y); P != qRgb(255, 255, 255))
                Ink = {std::min(Ink.Top, Y), std::max(Ink.Right, X),
                       std::min(Ink.Darkest, qRed(P))};
    return Ink;
}

// Counts its paints, so that tests can see which frame ticks asked for one.
class TCountingLabel : public TVexDBLabel {
public:
    using TVexDBLabel::TVexDBLabel;
    int Paints = 0;

protected:
    void Paint(TCanvas &Canvas) override {
        ++Paints;
        TVexDBLabel::Paint(Canvas);
    }
};

struct Label : ::testing::Test {
    QWidget Form;
    TCountingLabel L{&Form};

    void SetUp() override {
        L.SetColor(clWhite);
        L.SetBounds(0, 0, 300, 20);
    }
    // One painted frame, as the screen shows it.
    QImage Frame() { return L.grab().toImage(); }
    TInk FrameInk() { return InkOf(Frame()); }
    void Frames(int Count) {
        for (int K = 0; K < Count; ++K)
            Frame();
    }
};
} // namespace

TEST_F(Label, DefaultsAndOneLineHeight) {
    TVexDBLabel Fresh(&Form);
    EXPECT_EQ(Fresh.Text(), QStringList{u"TVexDBLabel"_s});
    EXPECT_TRUE(Fresh.ParentColor() && Fresh.HighRes());
    EXPECT_EQ(Fresh.Font().Name, u"Arial"_s);
    EXPECT_EQ(Fresh.Font().Height, -15);
    EXPECT_EQ(Fresh.DrawFont().Height, -29); // 22 points
    EXPECT_EQ(Fresh.LineHeight(), QFontMetrics(Fresh.DrawFont().ToQFont()).height());
    EXPECT_EQ(Fresh.Height(), Fresh.LineHeight() / 2);

    L.SetHighRes(false);
    EXPECT_EQ(L.DrawFont(), L.Font());
    EXPECT_EQ(L.LineHeight(), QFontMetrics(L.Font().ToQFont()).height());
    EXPECT_EQ(L.Height(), L.LineHeight());
    Frame();
    EXPECT_EQ(L.Buffer().Width(), 300); // no double-size surface
}

TEST_F(Label, TypesOneCharacterPerPaint) {
    const QString Text = u"DATA AWARENESS"_s;
    L.SetText({Text});
    ASSERT_EQ(L.LongestLine(), 14);
    int Right = -1;
    for (int K = 1; K <= 14; ++K) {
        const TInk Ink = FrameInk();
        EXPECT_EQ(L.VisibleText(0), Text.left(K));
        if (Text[K - 1] != u' ') { // every character but the blank widens the text on screen
            EXPECT_GT(Ink.Right, Right) << K;
        }
        Right = Ink.Right;
    }
    EXPECT_EQ(FrameInk().Right, Right);

    // The prefix stands from the first frame; the suffix joins the completed line.
    L.SetPrefix(u"> "_s);
    L.SetSuffix(u"!"_s);
    L.SetText({u"AB"_s});
    Frame();
    EXPECT_EQ(L.VisibleText(0), u"> A"_s);
    Frame();
    EXPECT_EQ(L.VisibleText(0), u"> AB!"_s);
}

TEST_F(Label, FlashHidesTheTextWhileFramesLeftDivFourIsOdd) {
    L.SetDisplayStyle(TVexDBLabel::dsFlash);
    L.SetText({u"DATA AWARENESS"_s});
    for (int N = 13; N >= 0; --N)
        EXPECT_EQ(FrameInk().Any(), (N / 4) % 2 == 0) << N;
    EXPECT_TRUE(FrameInk().Any());
}

TEST_F(Label, UpwardsLinesRiseIntoPlace) {
    L.SetHighRes(false);
    L.SetText({u"Rising"_s});
    Frames(6);
    const int Resting = FrameInk().Top;
    L.SetAnimationStyle(TVexDBLabel::asUpwards);
    L.RestartAnimation();
    Frame();
    EXPECT_EQ(L.LineTop(0), Round(L.LineHeight() * 5.0 / 6.0)); // r = 5/6
    for (int Previous = L.LineTop(0); L.FramesLeft() > 0; Previous = L.LineTop(0)) {
        Frame();
        EXPECT_LT(L.LineTop(0), Previous);
    }
    EXPECT_EQ(L.LineTop(0), 0);
    EXPECT_EQ(FrameInk().Top, Resting);
}

TEST_F(Label, WrapsToTheWidthWithItsQuirks) {
    L.SetHighRes(false);
    L.SetWidth(40);
    // An overlong first word leaves a blank line, wrapped lines keep a trailing blank, and the
    // text lines are reflowed as one paragraph.
    L.SetText({u"Supercalifragilistic"_s, u"a b"_s});
    EXPECT_EQ(L.DisplayLines(), (QStringList{u" "_s, u"Supercalifragilistic "_s, u"a b"_s}));
    EXPECT_EQ(L.LongestLine(), 21);

    L.SetWidth(60);
    const QString Words = u"one two three four five six"_s;
    L.SetText({Words});
    ASSERT_GT(L.DisplayLines().size(), 1);
    // Lines are measured without their blanks: only a blank may reach past the width.
    const QFontMetrics M(L.DrawFont().ToQFont());
    for (QString Line : L.DisplayLines())
        EXPECT_LE(M.horizontalAdvance(Line.remove(u' ')), 60) << Line.toStdString();
    EXPECT_EQ(L.DisplayLines().join(QString()).simplified(), Words);

    L.SetWidth(400); // a wider label re-wraps
    EXPECT_EQ(L.DisplayLines(), QStringList{Words});

    // Huge texts wrap and paint in work bounded by the label's size.
    L.SetText({QString(1'000'000, u'x')});
    EXPECT_EQ(L.LongestLine(), 1'000'000);
    Frame();
    L.SetText({u"word "_s.repeated(40'000)});
    EXPECT_GT(L.DisplayLines().size(), 1000);
    EXPECT_TRUE(FrameInk().Any());
}

TEST_F(Label, DataBoundLabelTypesTheNewFieldValue) {
    TTestDatabase Db;
    TVexTable Table;
    TVexDataSource Source;
    Table.SetDatabase(Db.Database());
    Table.SetTableName(u"employee"_s);
    Source.SetDataSet(&Table);
    L.SetDataSource(&Source);
    L.SetDataField(u"LastName"_s);
    Table.Open();
    Frames(2);
    EXPECT_EQ(L.VisibleText(0), u"Ne"_s);
    Table.Next();
    Frame();
    EXPECT_EQ(L.VisibleText(0), u"Y"_s);
    Table.SetFieldValue(u"LastName"_s, u"Two\r\nLines"_s);
    EXPECT_EQ(L.Text(), (QStringList{u"Two"_s, u"Lines"_s}));
}

TEST_F(Label, LaterFontChangeTakesEffect) {
    L.SetText({u"Big"_s});
    Frames(3);
    const int SmallHeight = L.Height();
    const int SmallRight = FrameInk().Right;
    TFont Big = L.Font();
    Big.Height = -30;
    L.SetFont(Big);
    EXPECT_EQ(L.DrawFont().Height, -61); // 22.5 points taken as 23, doubled
    EXPECT_GT(L.Height(), SmallHeight);
    L.RestartAnimation();
    Frames(3);
    EXPECT_GT(FrameInk().Right, SmallRight * 3 / 2);
}

TEST_F(Label, EmptyTextPaintsTheBackground) {
    for (const QStringList &Empty : {QStringList{}, QStringList{QString()}}) {
        L.SetText(Empty);
        EXPECT_EQ(L.LongestLine(), 0);
        EXPECT_EQ(L.Fraction(), 0.0f);
        EXPECT_FALSE(FrameInk().Any());
    }
}

TEST_F(Label, DelayShowsTheBackgroundThenTypesEverything) {
    L.SetDelay(20);
    L.SetDelay(-1); // refused
    EXPECT_EQ(L.Delay(), 20);
    L.SetText({u"ABC"_s}); // a delay longer than the text
    for (int K = 0; K < 20; ++K)
        EXPECT_FALSE(FrameInk().Any()) << K;
    EXPECT_EQ(L.FramesLeft(), 3);
    Frame();
    EXPECT_EQ(L.VisibleText(0), u"A"_s);
    Frames(2);
    EXPECT_EQ(L.VisibleText(0), u"ABC"_s);
}

TEST_F(Label, FrameTicksAskForPaintsThroughDelayAndTyping) {
    Form.show();
    QCoreApplication::processEvents();
    L.SetDelay(5);
    L.SetText({u"ABC"_s});
    const auto PaintsAfter = [this](bool Tick) {
        const int Before = L.Paints;
        if (Tick)
            L.FrameTick();
        QCoreApplication::processEvents();
        return L.Paints - Before;
    };
    EXPECT_EQ(PaintsAfter(false), 1); // the restart's own request: the first delay frame
    for (int K = 0; K < 4 + 3; ++K)
        EXPECT_EQ(PaintsAfter(true), 1) << K;
    EXPECT_EQ(L.VisibleText(0), u"ABC"_s);
    EXPECT_EQ(PaintsAfter(true), 0);
}

TEST_F(Label, FadeBlendsInFromTheBackgroundWithoutDrifting) {
    L.SetHighRes(false);
    L.SetFade(true);
    L.SetText({u"Fade in"_s});
    EXPECT_GT(FrameInk().Darkest, 200); // r = 6/7: close to the white background
    for (int Run = 0; Run < 2; ++Run) {
        L.RestartAnimation();
        Frames(7);
        EXPECT_EQ(FrameInk().Darkest, 0); // the font's black, again after a second run
    }
}

TEST_F(Label, TextureBackgroundKeepsItsScaleAndFallsBackToColor) {
    auto TexGen = std::make_unique<TVexTexGen>();
    QImage Picture(64, 64, QImage::Format_RGB32);
    for (int Y = 0; Y < 64; ++Y)
        for (int X = 0; X < 64; ++X)
            Picture.setPixel(X, Y, qRgb(X * 4, Y * 4, 128));
    TexGen->SetPicture(Picture);
    L.SetVexTexGen(TexGen.get());
    L.SetDelay(1);
    L.SetText({u"T"_s});
    const int X = 299, Y = L.Height() - 1;                    // far from the text
    EXPECT_EQ(Frame().pixel(X, Y), Picture.pixel(X % 64, Y)); // a delay frame
    EXPECT_EQ(Frame().pixel(X, Y), Picture.pixel(X % 64, Y)); // a text frame
    TexGen->SetPicture(QImage());
    EXPECT_EQ(Frame().pixel(X, Y), qRgb(255, 255, 255));
    TexGen.reset();
    EXPECT_EQ(L.VexTexGen(), nullptr);
    EXPECT_EQ(Frame().pixel(X, Y), qRgb(255, 255, 255));
}

TEST_F(Label, DesigningShowsTheFinishedTextAtRest) {
    QWidget Designer;
    Designer.setProperty("VexDesigning", true);
    TVexDBLabel D(&Designer);
    D.SetAnimationStyle(TVexDBLabel::asUpwards);
    D.SetText({u"Design"_s});
    D.grab();
    EXPECT_EQ(D.VisibleText(0), u"Design"_s);
    EXPECT_EQ(D.LineTop(0), 0);
}

TEST_F(Label, StreamsItsPropertiesAndRestartsWhenLoaded) {
    TFont Font = L.Font();
    Font.Height = -20;
    L.SetFont(Font);
    L.SetHighRes(false);
    L.SetPrefix(u"> "_s);
    L.SetDisplayStyle(TVexDBLabel::dsFlash);
    L.SetText({u"Saved"_s, u"text"_s});
    const QString Saved = WriteComponentText(L);
    EXPECT_FALSE(Saved.contains(u"VexTexGen"_s));
    TVexDBLabel Copy(&Form);
    ReadComponentText(Copy, Saved, u"label"_s);
    EXPECT_EQ(Copy.Font(), Font);
    EXPECT_EQ(Copy.Prefix(), u"> "_s);
    EXPECT_EQ(Copy.DisplayStyle(), TVexDBLabel::dsFlash);
    EXPECT_FALSE(Copy.HighRes());
    EXPECT_EQ(Copy.DisplayLines(), QStringList{u"Saved text"_s});
    EXPECT_EQ(Copy.FramesLeft(), 10);
    EXPECT_EQ(Copy.Height(), Copy.LineHeight());
}

} // namespace Vex
