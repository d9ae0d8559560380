#include "controls/VexKnob.h"

#include "TestDatabase.h"
#include "controls/KnobTestUtil.h"
#include "framework/FrameworkTestUtil.h"
#include "platform/core/Component.h"
#include "platform/core/Maths.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexPolygons.h"
#include "toolkit/VexTexGen.h"

#include <QImage>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace Vex {

namespace {
constexpr float KNaN = std::numeric_limits<float>::quiet_NaN();

// Pixels whose colour differs from Color, as their bounding rectangle (inclusive corners).
QRect Extent(const QImage &Image, TColor Color, bool Matching = false) {
    QRect Box;
    const QRgb Wanted = ToQColor(Color).rgb();
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if ((Image.pixel(X, Y) == Wanted) == Matching)
                Box |= QRect(X, Y, 1, 1);
    return Box;
}

// Every property a control file holds, as name=value.
QStringList StoredValues(const QObject &O) {
    QStringList Values;
    for (const QMetaProperty &P : ComponentText::StreamedProperties(*O.metaObject()))
        Values << QLatin1String(P.name()) + QLatin1Char('=') + P.read(&O).toString();
    return Values;
}

// Counts the events of one type a widget receives while it lives.
class TEventCounter : public QObject {
public:
    TEventCounter(QWidget &W, QEvent::Type Type, int &Count) : FType(Type), FCount(Count) {
        W.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *Event) override {
        FCount += Event->type() == FType;
        return false;
    }

private:
    QEvent::Type FType;
    int &FCount;
};

void Key(QWidget &W, int Code) {
    QKeyEvent Event(QEvent::KeyPress, Code, Qt::NoModifier);
    QCoreApplication::sendEvent(&W, &Event);
}

// A knob made in code on a form: it renders on its first paint.
struct Knob : ::testing::Test {
    QWidget Form;
    TVexKnob K{&Form};
    int AlphaRenders = 0, BackgroundRenders = 0, MaskEvents = 0;
    QImage LastBackground;

    void SetUp() override {
        SetRandSeed(1);
        QObject::connect(&K, &TVexKnob::OnAfterRenderAlpha, [this] { ++AlphaRenders; });
        QObject::connect(&K, &TVexKnob::OnAfterRenderMask, [this] { ++MaskEvents; });
        QObject::connect(&K, &TVexKnob::OnAfterRenderBackground, [this](TVexKnob *, TBitmap *B) {
            ++BackgroundRenders;
            LastBackground = B->Image().copy();
        });
    }
    QImage Paint() { return K.grab().toImage(); }
    void Settle(int Frames = 2000) {
        for (int I = 0; I < Frames; ++I)
            K.FrameTick();
    }
    float RotationAt(float Value) {
        K.SetFloat(Value);
        Settle();
        Paint();
        return K.Rotation();
    }
    void MakePlain(TColor Color) { MakePlainKnob(K, Color); }
};
} // namespace

TEST_F(Knob, DefaultKnobRendersOnItsFirstPaint) {
    EXPECT_FALSE(K.Rendered());
    EXPECT_EQ(BackgroundRenders, 0);
    EXPECT_EQ(K.width(), 100);
    EXPECT_EQ(K.height(), 100);
    EXPECT_EQ(K.MinAngle(), 225.0f);
    EXPECT_EQ(K.MaxAngle(), -45.0f);
    EXPECT_EQ(K.KnobSurfaceType(), kstMetal);
    EXPECT_EQ(K.ScaleFont().Name, QStringLiteral("Arial"));
    EXPECT_EQ(K.ScaleFont().Size(), 9);
    EXPECT_EQ(K.focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(K.ParentColor());

    Paint();
    EXPECT_TRUE(K.Rendered());
    EXPECT_EQ(AlphaRenders, 1);
    EXPECT_EQ(BackgroundRenders, 1);
    EXPECT_EQ(K.KnobDiameter(), 62);
    EXPECT_EQ(K.Geometry().Offset, 19);
    EXPECT_EQ(K.KnobBitmap().Width(), 124);
    EXPECT_EQ(K.MaskBitmap().Width(), 124);
    EXPECT_EQ(K.AlphaBitmap().Width(), 62);
    EXPECT_EQ(LastBackground.size(), QSize(200, 200));
    EXPECT_EQ(K.Buffer().Width(), 100);

    K.SetKnobSize(0);
    K.SetKnobSize(-5);
    EXPECT_EQ(K.KnobSize(), 62);
    K.SetKnobSize(50);
    EXPECT_EQ(K.KnobDiameter(), 50);
    EXPECT_EQ(K.KnobBitmap().Width(), 100);
}

TEST_F(Knob, KnobStandsInItsSquareWithTheShadowBelowRight) {
    MakePlain(clRed);
    const QImage Shown = Paint();
    // The composite lies over the background at (19, 19), its keyed pixels transparent; its
    // last column and row (61) are keyed with the area beyond them.
    const QImage Composite = K.KnobBitmap().Image();
    const QRgb Key = ToQColor(VexCornerKeyColor).rgb();
    for (int Y = 0; Y < 81; ++Y)
        for (int X = 0; X < 81; ++X) {
            const QRgb Pixel = Composite.pixel(X, Y);
            ASSERT_EQ(Shown.pixel(19 + X, 19 + Y), Pixel == Key ? qRgb(255, 255, 255) : Pixel)
                << X << "," << Y;
            if (X >= 61 || Y >= 61) {
                ASSERT_EQ(Pixel, Key) << X << "," << Y;
            }
        }
    // Inside the square the key marks the corners outside the inscribed circle.
    TBitmap Corners(62, 62);
    Corners.Fill(clWhite);
    FillOutsideEllipse(Rect(0, 0, 62, 62), Corners.Canvas());
    for (int Y = 0; Y < 61; ++Y)
        for (int X = 0; X < 61; ++X)
            ASSERT_EQ(Composite.pixel(X, Y) == Key, Corners.Pixel(X, Y) == VexCornerKeyColor)
                << X << "," << Y;
    EXPECT_EQ(Extent(Shown, clWhite), QRect(QPoint(19, 19), QPoint(79, 79)));
    EXPECT_EQ(Shown.pixel(50, 50), qRgb(255, 0, 0));

    // The drop shadow halves the double-size background in the knob's ellipse moved by 30 % of
    // the width at control resolution: 11 pixels right of and below the knob's (38, 38).
    K.SetShadowX(30);
    K.SetShadowY(30);
    EXPECT_EQ(Extent(LastBackground, RGB(127, 127, 127), true),
              QRect(QPoint(49, 49), QPoint(172, 172)));
    // The bevel's pen is centred on the knob's outline: its outer half (1 of 3 pixels) lies
    // outside the knob's double-size square (38 .. 161).
    K.SetShadowX(0);
    K.SetShadowY(0);
    K.SetBevelWidth(3);
    EXPECT_EQ(Extent(LastBackground, clWhite), QRect(QPoint(37, 37), QPoint(162, 162)));
    EXPECT_EQ(LastBackground.pixel(39, 100), qRgb(0, 0, 0));
    EXPECT_EQ(LastBackground.pixel(40, 100), qRgb(255, 255, 255));
}

TEST_F(Knob, ResizingKeepsTheKnobSquare) {
    K.SetBounds(0, 0, 120, 80);
    EXPECT_EQ(K.width(), 80);
    EXPECT_EQ(K.height(), 80);
    EXPECT_EQ(K.KnobDiameter(), 50);
    EXPECT_EQ(K.KnobBitmap().Width(), 99);
}

TEST_F(Knob, RotationFollowsTheDisplayedValue) {
    EXPECT_FLOAT_EQ(RotationAt(0), -45);
    EXPECT_FLOAT_EQ(RotationAt(50), -180);
    EXPECT_FLOAT_EQ(RotationAt(100), -315);
    K.SetMin(-100);
    EXPECT_FLOAT_EQ(RotationAt(0), -180);
    EXPECT_FLOAT_EQ(RotationAt(-100), -45);
    // A scale printed on the knob from -91 to 234: the face turns so that the label of the
    // value (at -91 + 325 / 9 * 3 degrees on the face) sits at the bottom, 268 degrees.
    K.SetMin(0);
    K.SetMax(9);
    K.SetMinAngle(-91);
    K.SetMaxAngle(234);
    const float R = RotationAt(3);
    EXPECT_NEAR(R, -469.333f, 0.001f);
    EXPECT_NEAR(std::fmod(-91 + 325.0 / 9 * 3 + R + 720, 360.0), 268, 0.001);
}

TEST_F(Knob, IndexedKnobKeepsTheValueAndTurnsToItsWholeNumber) {
    K.SetIndexed(true);
    K.SetFloat(42.6f);
    EXPECT_FLOAT_EQ(K.Float(), 42.6f);
    EXPECT_EQ(K.Index(), 43);
    Settle();
    EXPECT_EQ(K.DisplayValue(), 43.0f);
    K.SetFloat(150);
    EXPECT_EQ(K.Float(), 100.0f);
    EXPECT_EQ(K.Index(), 100);
    K.SetFloat(KNaN);
    EXPECT_EQ(K.Float(), 0.0f);

    // With captions: one detent per line.
    K.SetIndexed(false);
    K.SetCaptions({"A", "B", "C", "D", "E"});
    EXPECT_EQ(K.ScaleItemCount(), 5);
    K.SetFloat(60);
    K.SetIndexed(true);
    EXPECT_EQ(K.Min(), 0.0f);
    EXPECT_EQ(K.Max(), 4.0f);
    EXPECT_EQ(K.Float(), 0.0f);
    K.SetFloat(2.4f);
    Settle();
    EXPECT_EQ(K.DisplayValue(), 2.0f);

    // Index accepts 0 .. Max only.
    K.SetIndex(3);
    EXPECT_EQ(K.Float(), 3.0f);
    EXPECT_EQ(K.Index(), 3);
    K.SetIndex(5);
    K.SetIndex(-1);
    EXPECT_EQ(K.Index(), 3);

    // A single caption cannot make Max equal Min: the range stays.
    K.SetIndexed(false);
    K.SetCaptions({"Only"});
    K.SetIndexed(true);
    EXPECT_EQ(K.Min(), 0.0f);
    EXPECT_EQ(K.Max(), 4.0f);
}

TEST_F(Knob, ThreeCaptionsGiveThreeLabelsAndThreeMajorTicks) {
    K.SetColor(clWhite);
    K.SetTickCount(1);
    K.SetTickLen(10);
    K.SetTickWidth(2);
    K.SetCaptions({"LOW", "MID", "HIGH"});
    K.SetIndexed(true);
    Paint();
    const QImage Three = LastBackground;
    // Each caption is drawn at its place: removing the middle one changes only the top.
    K.SetCaptions({"LOW", "", "HIGH"});
    const QImage WithoutMiddle = LastBackground;
    EXPECT_NE(Three.copy(60, 0, 80, 30), WithoutMiddle.copy(60, 0, 80, 30));
    EXPECT_EQ(Three.copy(0, 100, 200, 100), WithoutMiddle.copy(0, 100, 200, 100));
    // The three ticks: straight up and at both ends of the arc, at radius 73 % of 100.
    EXPECT_EQ(Three.pixel(100, 100 - 70), qRgb(0, 0, 0));
    EXPECT_EQ(Three.pixel(100 - 49, 100 + 49), qRgb(0, 0, 0));
    EXPECT_EQ(Three.pixel(100 + 49, 100 + 49), qRgb(0, 0, 0));
    EXPECT_EQ(Three.pixel(100 + 49, 100 - 49), qRgb(255, 255, 255));
}

TEST_F(Knob, SettersRebuildAsTheyAreDocumented) {
    K.SetKnobColor(clRed); // locked until the first paint: nothing renders
    EXPECT_EQ(AlphaRenders, 0);
    Paint();
    ASSERT_EQ(AlphaRenders, 1);
    K.SetTickType(itLine);
    EXPECT_EQ(AlphaRenders, 1);
    K.SetTickType(itCircle);
    EXPECT_EQ(AlphaRenders, 2);
    K.SetKnobColor(clRed);
    K.SetKnobSurfaceType(kstMetal);
    K.SetContrast(K.Contrast());
    EXPECT_EQ(AlphaRenders, 5);
    // The label radius redraws the background alone; the colour waits for the next rebuild.
    K.SetScaleRadius(70);
    EXPECT_EQ(AlphaRenders, 5);
    EXPECT_EQ(BackgroundRenders, 6);
    K.SetColor(clYellow);
    EXPECT_EQ(BackgroundRenders, 6);
    // Captions with lines set the item count (one rebuild) and rebuild again; none do not.
    K.SetCaptions({"A", "B"});
    EXPECT_EQ(AlphaRenders, 7);
    K.SetCaptions({});
    EXPECT_EQ(AlphaRenders, 7);
    K.EndUpdate();
    EXPECT_EQ(AlphaRenders, 8);
}

TEST_F(Knob, KeyColouredFaceShowsTheBackgroundThrough) {
    MakePlain(VexCornerKeyColor);
    EXPECT_EQ(Paint().pixel(50, 50), qRgb(255, 255, 255));
    K.SetKnobColor(VexCornerKeyColor + 1);
    EXPECT_EQ(Paint().pixel(50, 50), ToQColor(VexCornerKeyColor + 1).rgb());
}

TEST_F(Knob, ScaleGoesOnTheFaceOrOnTheBackground) {
    K.SetGranularityType(gtNone);
    K.SetScaleType(stNone);
    Paint();
    const QImage PlainFace = K.MaskBitmap().Image().copy();
    const QImage PlainBack = LastBackground;
    K.SetScaleType(stKnobRot90);
    EXPECT_NE(K.MaskBitmap().Image(), PlainFace);
    EXPECT_EQ(LastBackground, PlainBack);
    K.SetScaleType(stBackRot0);
    EXPECT_EQ(K.MaskBitmap().Image(), PlainFace);
    EXPECT_NE(LastBackground, PlainBack);
    // Ticks "nowhere" leave the labels alone.
    const QImage WithTicks = LastBackground;
    K.SetTickType(itNone);
    const QImage LabelsOnly = LastBackground;
    K.SetTickType(itLine);
    K.SetTickLocation(ilNowhere);
    EXPECT_EQ(LastBackground, LabelsOnly);
    EXPECT_NE(LastBackground, WithTicks);
}

TEST_F(Knob, LevelLabelsAlignAgainstTheirRadius) {
    // One label, "0", at the start angle 0 (right of the centre), on a 60 % radius: 60 pixels
    // right of the double-size centre.
    K.SetColor(clWhite);
    K.SetTickType(itNone);
    K.SetScaleItemCount(1);
    K.SetScaleRadius(60);
    K.SetMinAngle(0);
    K.SetBevelWidth(0);
    K.SetShadowX(0);
    K.SetShadowY(0);
    K.SetIndicatorLocation(ilOnKnob);
    Paint();
    const QRect Centred = Extent(LastBackground, clWhite);
    EXPECT_LT(Centred.left(), 160);
    EXPECT_GT(Centred.right(), 160);
    K.SetScaleAlign(caInwards);
    EXPECT_LE(Extent(LastBackground, clWhite).right(), 161);
    K.SetScaleAlign(caOutwards);
    EXPECT_GE(Extent(LastBackground, clWhite).left(), 159);
}

TEST_F(Knob, GripFaceIsRedrawnAsTheKnobTurns) {
    K.SetKnobSurfaceType(kstGrip);
    K.SetGranularityType(gtNone);
    Paint();
    const QImage AtZero = K.KnobBitmap().Image().copy();
    EXPECT_EQ(MaskEvents, 1);
    K.SetFloat(60);
    Settle();
    Paint();
    EXPECT_EQ(MaskEvents, 2);
    EXPECT_NE(K.KnobBitmap().Image(), AtZero);
    EXPECT_EQ(AlphaRenders, 1);
}

TEST_F(Knob, ARestingKnobWantsNoFramesAndNoPaints) {
    int Paints = 0;
    TEventCounter Counter(K, QEvent::Paint, Paints);
    // Events until every paint asked for has come (the first paint renders and asks for one).
    const auto Flush = [] {
        for (int I = 0; I < 4; ++I)
            QCoreApplication::processEvents();
    };
    Form.show();
    Flush();
    ASSERT_TRUE(K.Rendered());
    // Frames come from the test alone: the timer's own beat is put out of reach.
    TVexVBlankTimer *Timer = TVexVBlankTimer::Instance();
    Timer->setInterval(24 * 3600 * 1000);
    Timer->start();
    Timer->Tick();
    EXPECT_FALSE(Timer->isActive());
    const int AtRest = Paints;
    Ticks(5);
    Flush();
    EXPECT_EQ(Paints, AtRest);

    // A turn wakes the timer, paints its frames and lets it sleep once the knob stands still.
    K.SetFloat(50);
    EXPECT_TRUE(Timer->isActive());
    int Frames = 0;
    while (Timer->isActive() && Frames < 5000) {
        Timer->Tick();
        QCoreApplication::processEvents();
        ++Frames;
    }
    Flush();
    EXPECT_EQ(K.DisplayValue(), 50.0f);
    EXPECT_GT(Paints - AtRest, 20);
    EXPECT_LE(Paints - AtRest, Frames);
    const int Turned = Paints;
    Ticks(5);
    Flush();
    EXPECT_EQ(Paints, Turned);
    Timer->setInterval(TVexVBlankTimer::IntervalMs);
}

TEST_F(Knob, KeysTurnTheKnobLikeTheMouse) {
    int Changing = 0, Changed = 0;
    float Last = -1;
    QObject::connect(&K, &TVexKnob::OnChanging, [&] { ++Changing; });
    QObject::connect(&K, &TVexKnob::OnChange, [&](TVexMeter *, float Value) {
        ++Changed;
        Last = Value;
    });
    Key(K, Qt::Key_Up);
    EXPECT_EQ(K.Float(), 1.0f);
    Key(K, Qt::Key_PageUp);
    EXPECT_EQ(K.Float(), 11.0f);
    Key(K, Qt::Key_Left);
    Key(K, Qt::Key_PageDown);
    EXPECT_EQ(K.Float(), 0.0f);
    EXPECT_EQ(Changing, 4);
    EXPECT_EQ(Changed, 4);
    EXPECT_EQ(Last, 0.0f);
    // At the end of the range nothing moves and nothing is reported.
    Key(K, Qt::Key_Down);
    EXPECT_EQ(Changed, 4);
    // Indexed: whole steps from the detent, pages of a tenth of the range, at least one.
    K.SetCaptions({"A", "B", "C", "D", "E"});
    K.SetIndexed(true);
    K.SetFloat(0.7f);
    Key(K, Qt::Key_Right);
    EXPECT_EQ(K.Float(), 2.0f);
    Key(K, Qt::Key_PageUp);
    EXPECT_EQ(K.Float(), 3.0f);
    K.SetAllowInput(false);
    Key(K, Qt::Key_Up);
    EXPECT_EQ(K.Float(), 3.0f);
}

TEST_F(Knob, PointingSetsTheValueUnderThePointer) {
    int Changing = 0, Changed = 0;
    QObject::connect(&K, &TVexKnob::OnChanging, [&] { ++Changing; });
    QObject::connect(&K, &TVexKnob::OnChange, [&] { ++Changed; });
    Press(&K, QPoint(50, 10));
    EXPECT_EQ(K.Float(), 50.0f);
    MoveTo(&K, QPoint(10, 50));
    EXPECT_NEAR(K.Float(), 16.667f, 0.001f);
    Release(&K, QPoint(10, 50));
    EXPECT_EQ(Changing, 2);
    EXPECT_EQ(Changed, 1);
}

TEST_F(Knob, TextureFillsTheBackground) {
    MakePlain(clRed);
    TVexTexGen Texture(&Form);
    QImage Picture(4, 4, QImage::Format_RGB32);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 4; ++X)
            Picture.setPixel(X, Y, qRgb(40 * X, 40 * Y, 200));
    Texture.SetPicture(Picture);
    K.SetVexTexGen(&Texture);
    K.SetBounds(8, 4, 100, 100);
    const QImage Shown = Paint();
    // Tiles are aligned to the form: the knob's pixel (0, 0) is the form's (8, 4).
    for (QPoint At : {QPoint(0, 0), QPoint(3, 2), QPoint(97, 5), QPoint(2, 96)})
        EXPECT_EQ(Shown.pixel(At), Picture.pixel((At.x() + 8) % 4, (At.y() + 4) % 4)) << At.x();
    EXPECT_EQ(Shown.pixel(50, 50), qRgb(255, 0, 0));
}

TEST(KnobDesigning, DesignedKnobShowsItsOutline) {
    QWidget Surface;
    Surface.setProperty("VexDesigning", true);
    TVexKnob Designed(&Surface);
    QWidget Form;
    TVexKnob Running(&Form);
    const auto Marked = [](TVexKnob &K) {
        const QImage Shown = K.grab().toImage();
        int Count = 0;
        for (int X = 0; X < Shown.width(); ++X)
            Count += Shown.pixel(X, 0) != K.Buffer().Image().pixel(X, 0);
        return Count;
    };
    EXPECT_GT(Marked(Designed), 20);
    EXPECT_EQ(Marked(Running), 0);
}

struct KnobData : TEmployeeTableTest {
    QWidget Form;
    TVexKnob K{&Form};
    void SetUp() override {
        TEmployeeTableTest::SetUp();
        K.SetMax(100000);
        K.SetDataSource(&Source);
        K.SetDataField(QStringLiteral("Salary"));
        Table.Open();
    }
    QVariant Stored() const {
        return Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 1"));
    }
};

TEST_F(KnobData, KeysWriteTheBoundField) {
    EXPECT_EQ(K.Float(), 40000.0f);
    Key(K, Qt::Key_PageUp);
    EXPECT_EQ(K.Float(), 50000.0f);
    EXPECT_EQ(Stored().toDouble(), 50000.0);
    EXPECT_TRUE(Errors.isEmpty());
    // A value the table refuses is reported, and the record keeps its value.
    for (int I = 0; I < 5; ++I)
        Key(K, Qt::Key_PageDown);
    EXPECT_FALSE(Errors.isEmpty());
    EXPECT_GE(Stored().toDouble(), 4500.0);
}

TEST_F(Knob, BadValuesAreRefused) {
    for (const char *Name :
         {"LightAngle", "TickLen", "TickWidth", "TickMinorSize", "IndicatorRadius",
          "IndicatorWidth", "IndicatorLength", "ScaleRadius"}) {
        const QVariant Before = K.property(Name);
        K.setProperty(Name, KNaN);
        K.setProperty(Name, std::numeric_limits<float>::infinity());
        EXPECT_EQ(K.property(Name), Before) << Name;
    }
    K.SetTickRadius(101);
    K.SetTickRadius(-1);
    K.SetTickMinorSize(-1);
    K.SetBevelWidth(-1);
    EXPECT_EQ(K.TickRadius(), 73);
    EXPECT_EQ(K.TickMinorSize(), 50.0f);
    EXPECT_EQ(K.BevelWidth(), 3);
    K.SetTickRadius(100);
    EXPECT_EQ(K.TickRadius(), 100);
    for (const char *Name : {"KnobSurfaceType", "GranularityType", "TickType", "TickLocation",
                             "IndicatorType", "IndicatorLocation", "ScaleType", "ScaleAlign"}) {
        const QVariant Before = K.property(Name);
        K.setProperty(Name, 99);
        K.setProperty(Name, -1);
        EXPECT_EQ(K.property(Name), Before) << Name;
    }
}

TEST_F(Knob, AbsurdSettingsRenderWithinBounds) {
    K.SetContrast(100000);
    K.SetGranularity(-5);
    K.SetTickCount(2000000000);
    K.SetScaleItemCount(3);
    K.SetTickLen(1e30f);
    K.SetTickWidth(-1e30f);
    K.SetIndicatorWidth(1e30f);
    K.SetIndicatorType(itCircle);
    K.SetShadowX(2000000000);
    K.SetBevelWidth(2000000000);
    Paint();
    K.SetGranularityType(gtRaster);
    K.SetGranularity(0);
    K.SetKnobSize(100000);
    EXPECT_EQ(K.KnobSize(), 100000);
    EXPECT_EQ(K.KnobDiameter(), 300);
    EXPECT_EQ(K.KnobBitmap().Width(), 600);
    Paint();
    // A knob of one pixel, and one of none.
    K.SetKnobSize(62);
    K.SetBounds(0, 0, 1, 1);
    Paint();
    K.SetBounds(0, 0, 0, 0);
    Paint();
    EXPECT_TRUE(K.KnobBitmap().Empty());
}

TEST(KnobGeometry, LargeControlsAndKnobsStayWithinTheSurfaceBounds) {
    // Sized only: a knob never painted renders nothing.
    QWidget Form;
    TVexKnob K(&Form);
    K.SetBounds(0, 0, 2048, 2048);
    K.SetKnobSize(300);
    TVexKnob::TGeometry G = K.Geometry();
    EXPECT_EQ(G.Scale, 2);
    EXPECT_EQ(G.Side, TVexKnob::MaxSide);
    EXPECT_EQ(G.Diameter, TVexKnob::MaxSide / 2);
    // Beyond 2048 pixels the pictures are drawn at the control's resolution.
    K.SetBounds(0, 0, 4000, 4000);
    K.SetKnobSize(62);
    G = K.Geometry();
    EXPECT_EQ(G.Scale, 1);
    EXPECT_EQ(G.Diameter, 2480);
    EXPECT_EQ(G.Side, 2480);
    EXPECT_EQ(G.Square(), 2480);
    EXPECT_EQ(G.Offset, 760);
    EXPECT_EQ(K.KnobBitmap().Width(), 2480);
    EXPECT_FALSE(K.Rendered());
}

TEST(KnobLoading, LoadedAndCodeBuiltKnobsRenderOnce) {
    QWidget Form;
    TVexKnob *K = nullptr;
    int Renders = 0;
    {
        TLoadingScope Loading;
        K = new TVexKnob(&Form);
        QObject::connect(K, &TVexKnob::OnAfterRenderAlpha, [&] { ++Renders; });
        // Width and height arrive one at a time while loading: the knob is not squared yet.
        K->SetWidth(113);
        K->SetHeight(113);
        K->SetKnobColor(clRed);
        EXPECT_EQ(K->width(), 113);
    }
    EXPECT_EQ(Renders, 1);
    EXPECT_EQ(K->KnobDiameter(), 70);
    EXPECT_EQ(K->KnobBitmap().Width(), 140);
}

TEST_F(Knob, ControlFileRoundTripKeepsEveryProperty) {
    QTemporaryDir Dir;
    K.SetKnobSurfaceType(kstSmooth);
    K.SetGranularityType(gtRaster);
    K.SetLightAngle(2);
    K.SetTickType(itTriangle);
    K.SetScaleType(stBackRot180);
    K.SetScaleAlign(caInwards);
    K.SetMinAngle(257);
    K.SetMaxAngle(-73);
    K.SetMin(-100);
    K.SetFloat(42.6f);
    TFont F = K.ScaleFont();
    F.Style = fsBold | fsItalic;
    K.SetScaleFont(F);
    // Captions of a knob that is not indexed: the stored item count stays as it was.
    K.SetCaptions({"", "C", "D", "E", "F"});
    K.SetScaleItemCount(11);
    const QString File = Dir.filePath(QStringLiteral("knob.TVexKnob"));
    K.SaveToFile(File, sfText);
    QWidget Other;
    TVexKnob Copy(&Other);
    Copy.LoadFromFile(File, sfText);
    EXPECT_EQ(StoredValues(Copy), StoredValues(K));
    EXPECT_EQ(Copy.ScaleFont(), K.ScaleFont());
    EXPECT_EQ(Copy.Captions(), K.Captions());
    EXPECT_EQ(Copy.ScaleItemCount(), 11);
    EXPECT_FLOAT_EQ(Copy.Float(), 42.6f);
    EXPECT_TRUE(Copy.Rendered());
}

} // namespace Vex
