#include "controls/VexGauge.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Component.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/DIBFX.h"

#include <QImage>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

#include "StoredValues.h"
#include <numbers>

namespace Vex {

namespace {
int Brightness(QRgb P) {
    return (qRed(P) + qGreen(P) + qBlue(P)) / 3;
}

// The brightest pixel around At: a halved 3-pixel pen covers its line's pixels only partly.
int PeakAround(const QImage &Image, QPoint At) {
    int Peak = 0;
    for (int DY = -1; DY <= 1; ++DY)
        for (int DX = -1; DX <= 1; ++DX)
            Peak = std::max(Peak, Brightness(Image.pixel(At + QPoint(DX, DY))));
    return Peak;
}

// A gauge on a form, made ready the way a code-built gauge becomes ready: by its first paint.
struct Gauge : ::testing::Test {
    QWidget Form;
    TVexGauge G{&Form};
    // Colours only: a round gauge is grabbed with an alpha channel for its corners.
    QImage Paint() { return G.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Settle(int Frames = 3000) {
        for (int I = 0; I < Frames; ++I)
            G.FrameTick();
    }
    // The screen-resolution background: the top-left quarter of the rendered surface.
    QImage Background() const { return G.Buffer().Image().copy(0, 0, G.width(), G.height()); }
    // The screen point at Rho double-size pixels from the tick centre in direction A (radians,
    // measured as the tick loop does).
    QPoint TickPoint(double Rho, double A) const {
        const int BW = 2 * G.width(), BH = 2 * G.height();
        return QPoint((BW / 2 + 2 * G.OrigoX() - int(std::lround(Rho * std::cos(A)))) / 2,
                      (BH / 2 + 2 * G.OrigoY() - int(std::lround(Rho * std::sin(A)))) / 2);
    }
    // The background of a gauge without ticks and unit drawn independently: the face at double
    // size, the labels "0" to "100" in the doubled scale font centred on their directions at
    // the label radius around the pivot, halved.
    QImage FaceWithLabels() const {
        const int BW = 2 * G.width(), BH = 2 * G.height();
        TBitmap B(BW, BH);
        TCanvas &C = B.Canvas();
        C.StretchDraw(Rect(0, 0, BW, BH), G.Face());
        TFont Font = G.ScaleFont();
        Font.SetSize(Font.Size() * 2);
        C.Font = Font;
        C.Brush.Style = bsClear;
        const double Rs = BH / 2 * double(G.ScaleRadius());
        for (int I = 0; I <= 10; ++I) {
            const QString Text = QString::number(10 * I);
            const double Degrees = G.MinAngle() + 90 + (G.MaxAngle() - G.MinAngle()) / 10 * I;
            const double T = Degrees * std::numbers::pi / 180;
            C.TextOut(int(std::lround(Rs * std::sin(T))) + BW / 2 + 2 * G.OrigoX() -
                          C.TextWidth(Text) / 2,
                      int(std::lround(Rs * std::cos(T))) + BH / 2 + 2 * G.OrigoY() -
                          C.TextHeight(Text) / 2,
                      Text);
        }
        HalveBitmap(B, false);
        return B.Image().copy(0, 0, G.width(), G.height());
    }
    // Where the value text stands on screen.
    QRect ValueTextRect(const QString &Text) const {
        QImage NoSurface;
        TCanvas C(&NoSurface);
        C.Font = G.ValueFont();
        const int W = C.TextWidth(Text);
        return QRect(G.width() / 2 + G.ValueChoordX() - W / 2, G.height() / 2 + G.ValueChoordY(), W,
                     C.TextHeight(Text));
    }
    double TickAngle(int I) const {
        const double A0 = std::numbers::pi - G.MaxAngle() * std::numbers::pi / 180;
        const double A1 = std::numbers::pi - G.MinAngle() * std::numbers::pi / 180;
        return A0 - (A0 - A1) / (G.TickCount() - 1) * I;
    }
};

} // namespace

TEST_F(Gauge, DefaultGaugeIsReadyOnItsFirstPaint) {
    EXPECT_FALSE(G.Ready());
    const QImage Shown = Paint();
    EXPECT_TRUE(G.Ready());
    EXPECT_EQ(G.width(), 200);
    EXPECT_EQ(G.height(), 200);
    EXPECT_EQ(G.ResourceImageIndex(), 13);
    EXPECT_EQ(G.Face().Width(), 200);
    EXPECT_EQ(G.Buffer().Width(), 400);
    EXPECT_TRUE(G.Circular());
    EXPECT_FALSE(G.HitTest(2, 2));
    EXPECT_TRUE(G.HitTest(100, 100));
    EXPECT_EQ(G.ScaleCount(), 11);
    EXPECT_EQ(G.MinAngle(), 235.0f);
    EXPECT_EQ(G.MaxAngle(), -55.0f);
    // The face's bezel shows: the picture is not a blank surface.
    int Bright = 0;
    for (int X = 0; X < 200; ++X)
        Bright += Brightness(Shown.pixel(X, 100)) > 60;
    EXPECT_GT(Bright, 4);

    // The eleven labels, with nothing else drawn over the face.
    G.SetDrawTicks(false);
    Paint();
    EXPECT_TRUE(Background() == FaceWithLabels());
    // The value text "0.00" in grey, centred above the needle's reach.
    G.SetValueChoordY(-40);
    G.SetValueType(TVexGauge::vtNone);
    TBitmap Expected;
    Expected.Assign(Paint());
    Expected.Canvas().Font = G.ValueFont();
    Expected.Canvas().Brush.Style = bsClear;
    const QRect Text = ValueTextRect(QStringLiteral("0.00"));
    Expected.Canvas().TextOut(Text.left(), Text.top(), QStringLiteral("0.00"));
    G.SetValueType(TVexGauge::vtStandard);
    TBitmap Drawn;
    Drawn.Assign(Paint());
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
    EXPECT_EQ(G.ValueFont().Color, clGray);
}

TEST(GaugeLoading, AGaugeBuiltInALoadingScopeGetsItsFace) {
    QWidget Form;
    TVexGauge *G = nullptr;
    {
        TLoadingScope Loading;
        G = new TVexGauge(&Form);
        G->SetBounds(10, 10, 150, 150);
    }
    EXPECT_TRUE(G->Ready());
    EXPECT_EQ(G->Face().Width(), 150);
    const QImage Shown = G->grab().toImage();
    int Bright = 0;
    for (int X = 0; X < 150; ++X)
        Bright += Brightness(Shown.pixel(X, 75)) > 60;
    EXPECT_GT(Bright, 4);
}

TEST_F(Gauge, FiftyOneTicksWithEveryFifthLongFromTheMaxEnd) {
    Paint();
    const QImage B = Background();
    const int R = int(std::lround(200 * 75 * 0.01));
    int Short = 0, Long = 0;
    for (int I = 0; I < G.TickCount(); ++I) {
        const double A = TickAngle(I);
        Short += PeakAround(B, TickPoint(R - 5, A)) > 150;
        Long += PeakAround(B, TickPoint(R - 16, A)) > 150;
        EXPECT_EQ(PeakAround(B, TickPoint(R - 16, A)) > 150, I % 5 == 0) << "tick " << I;
    }
    EXPECT_EQ(Short, 51);
    EXPECT_EQ(Long, 11);
    // With 50 ticks the counting end shows: long at MaxAngle, short at MinAngle.
    G.SetTickCount(50);
    Paint();
    const QImage Fifty = Background();
    EXPECT_GT(PeakAround(Fifty, TickPoint(R - 16, TickAngle(0))), 150);
    EXPECT_LT(PeakAround(Fifty, TickPoint(R - 16, TickAngle(49))), 150);
}

TEST_F(Gauge, OrigoMovesTicksLabelsAndNeedleButNotTheCaptions) {
    G.SetUnitString(QStringLiteral("kPa"));
    G.SetUnitChoordY(40);
    // The value text stands below the pivot, the needle points up.
    G.SetValueChoordY(25);
    G.SetFloat(50);
    Paint();
    Settle();
    const QRect Text = ValueTextRect(QStringLiteral("50.00"));
    const QImage ShownBefore = Paint();
    const QImage Before = Background();
    ASSERT_NE(ShownBefore.copy(Text), Before.copy(Text));
    const std::vector<TPoint> NeedleBefore = G.ArrowPoints();
    G.SetOrigoX(12);
    G.SetOrigoY(-6);
    Paint();
    const QImage After = Background();
    const int R = int(std::lround(200 * 75 * 0.01));
    for (int I = 0; I < G.TickCount(); I += 5)
        EXPECT_GT(PeakAround(After, TickPoint(R - 16, TickAngle(I))), 150) << I;
    ASSERT_EQ(G.ArrowPoints().size(), NeedleBefore.size());
    for (size_t I = 0; I < NeedleBefore.size(); ++I) {
        EXPECT_EQ(G.ArrowPoints()[I].X, NeedleBefore[I].X + 12);
        EXPECT_EQ(G.ArrowPoints()[I].Y, NeedleBefore[I].Y - 6);
    }
    // The unit caption and the value text stay where they were.
    EXPECT_EQ(Before.copy(86, 140, 28, 12), After.copy(86, 140, 28, 12));
    EXPECT_EQ(ShownBefore.copy(Text), Paint().copy(Text));
    // The labels, "50" straight above the pivot among them, moved with it.
    G.SetDrawTicks(false);
    G.SetUnitString(QString());
    Paint();
    EXPECT_TRUE(Background() == FaceWithLabels());
}

TEST_F(Gauge, NeedleSettlesStraightUpForTheMiddleOfANegativeRange) {
    G.SetMin(-50);
    G.SetMax(0);
    G.SetFloat(-25);
    Paint();
    Settle();
    Paint();
    // atSharp's tip (100, 0): 77 pixels up from the pivot, one to the clockwise side.
    const TPoint Tip = G.ArrowPoints()[2];
    EXPECT_EQ(Tip.X, 101);
    EXPECT_EQ(Tip.Y, 100 - 77);
}

TEST_F(Gauge, ValueTextShowsTheTargetBeforeTheNeedleArrives) {
    G.SetValueChoordY(-70);
    G.SetDrawTicks(false);
    G.SetScaleType(TVexGauge::stNoScale);
    QWidget OtherForm;
    TVexGauge Settled(&OtherForm);
    Settled.SetValueChoordY(-70);
    Settled.SetDrawTicks(false);
    Settled.SetScaleType(TVexGauge::stNoScale);
    Settled.SetFloat(100);
    for (int I = 0; I < 3000; ++I)
        Settled.FrameTick();
    const QImage AtZero = Paint();
    G.SetFloat(100);
    const QImage Moving = Paint();
    const QRect Text(70, 28, 60, 18);
    EXPECT_EQ(Moving.copy(Text),
              Settled.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(Text));
    EXPECT_NE(Moving.copy(Text), AtZero.copy(Text));
    EXPECT_EQ(G.DisplayValue(), 0.0f);
}

TEST_F(Gauge, CoverBandHidesTheNeedleInItsRows) {
    G.SetBounds(0, 0, 169, 169);
    G.SetCoverHeight(44);
    G.SetFloat(0); // the needle points down into the band
    Paint();
    // Square corners, so that the band's whole rows are the gauge's own.
    G.SetCircular(false);
    const QImage Shown = Paint();
    const QImage Back = Background();
    const int Band = 169 - int(std::lround(169 * 44 * 0.01));
    EXPECT_EQ(Band, 95);
    EXPECT_EQ(Shown.copy(0, Band, 169, 74), Back.copy(0, Band, 169, 74));
    // The row above the band still shows the needle.
    EXPECT_NE(Shown.copy(0, Band - 1, 169, 1), Back.copy(0, Band - 1, 169, 1));
    G.SetCoverHeight(0);
    EXPECT_NE(Paint().copy(0, Band, 169, 74), Back.copy(0, Band, 169, 74));
}

TEST_F(Gauge, FacesSetTheOutlineAndForceSquareKeepsItSquare) {
    Paint();
    G.SetResourceImageIndex(6);
    EXPECT_FALSE(G.Circular());
    EXPECT_TRUE(G.HitTest(1, 1));
    G.SetResourceImageIndex(13);
    EXPECT_TRUE(G.Circular());
    EXPECT_FALSE(G.HitTest(1, 1));
    G.SetResourceImageIndex(22);
    G.SetResourceImageIndex(0);
    EXPECT_EQ(G.ResourceImageIndex(), 13);

    G.SetBounds(0, 0, 150, 90);
    EXPECT_EQ(G.width(), 150);
    EXPECT_EQ(G.height(), 150);
    G.SetForceSquare(false);
    G.SetBounds(0, 0, 150, 90);
    EXPECT_EQ(G.height(), 90);
    EXPECT_EQ(G.Face().Width(), 150);
    EXPECT_EQ(G.Face().Height(), 90);
    // Without a parent a face cannot be chosen.
    TVexGauge Orphan;
    Orphan.SetResourceImageIndex(5);
    EXPECT_EQ(Orphan.ResourceImageIndex(), 13);
}

TEST_F(Gauge, APictureReplacesTheFaceAtTheFacesSize) {
    G.SetFacePicture(QImage()); // no face yet: ignored
    Paint();
    QImage Red(50, 30, QImage::Format_RGB32);
    Red.fill(Qt::red);
    G.SetFacePicture(QImage());
    EXPECT_NE(G.Face().Pixel(100, 100), clRed);
    G.SetFacePicture(Red);
    EXPECT_EQ(G.Face().Width(), 200);
    EXPECT_EQ(G.Face().Height(), 200);
    EXPECT_EQ(G.Face().Pixel(3, 197), clRed);
    // The background is rendered from it at once.
    EXPECT_EQ(Background().pixel(100, 100), qRgb(255, 0, 0));
    // Selecting a face again brings the face back.
    G.SetResourceImageIndex(13);
    EXPECT_NE(G.Face().Pixel(100, 100), clRed);
}

TEST_F(Gauge, AnglesAreNormalisedAndBadCountsRefused) {
    G.SetMinAngle(595);
    G.SetMaxAngle(-415);
    EXPECT_EQ(G.MinAngle(), 235.0f);
    EXPECT_EQ(G.MaxAngle(), -55.0f);
    G.SetMinAngle(245.5f);
    EXPECT_EQ(G.MinAngle(), 245.5f);
    G.SetScaleCount(-1);
    G.SetCoverHeight(-3);
    EXPECT_EQ(G.ScaleCount(), 11);
    EXPECT_EQ(G.CoverHeight(), 0.0f);
    // Single labels and ticks stand at the start angle without failing.
    G.SetScaleCount(1);
    G.SetTickCount(1);
    G.SetMajorTickInterval(0);
    Paint();
    G.SetArrowType(TVexGauge::atPlain);
    G.setProperty("ArrowType", 42);
    G.SetArrowType(TVexGauge::TArrowType(-1));
    EXPECT_EQ(G.ArrowType(), TVexGauge::atPlain);
    Paint();
    for (int Type = 0; Type <= TVexGauge::atSharpDouble; ++Type) {
        G.SetArrowType(TVexGauge::TArrowType(Type));
        Paint();
        EXPECT_GE(G.ArrowPoints().size(), 4u);
    }
}

TEST_F(Gauge, AHostileFileLoadsBoundedInTimeSpaceAndArithmetic) {
    Paint();
    QString Text = WriteComponentText(G);
    // Counts that would run the tick and label loops for ever, a cover band of a million
    // percent, and geometry at the ends of the int range.
    const std::pair<const char *, const char *> Lines[] = {
        {"Left = 0", "Left = 2147483647"},
        {"Top = 0", "Top = -2147483648"},
        {"OrigoX = 0", "OrigoX = 2147483647"},
        {"OrigoY = 0", "OrigoY = -2147483648"},
        {"CoverHeight = 0", "CoverHeight = 1000000"},
        {"ScaleCount = 11", "ScaleCount = 100000"},
        {"ScaleRadius = 0.555", "ScaleRadius = 3e38"},
        {"ShadowPtX = 1", "ShadowPtX = 2147483647"},
        {"TickCount = 51", "TickCount = 2147483647"},
        {"TickRadius = 75", "TickRadius = -2147483648"},
        {"TickLenght = 10", "TickLenght = -2147483648"},
        {"ValueChoordX = 0", "ValueChoordX = 2147483647"},
        {"ValueChoordY = 0", "ValueChoordY = -2147483648"},
        {"ValueFont.Height = -11", "ValueFont.Height = -2147483648"},
    };
    const auto WholeLine = [](const char *Line) {
        return QStringLiteral("\n  ") + QLatin1String(Line) + QStringLiteral("\r\n");
    };
    for (const auto &[From, To] : Lines) {
        ASSERT_TRUE(Text.contains(WholeLine(From))) << From;
        Text.replace(WholeLine(From), WholeLine(To));
    }
    QWidget Other;
    TVexGauge Copy(&Other);
    ReadComponentText(Copy, Text, QStringLiteral("hostile"));
    EXPECT_EQ(Copy.TickCount(), 51);
    EXPECT_EQ(Copy.ScaleCount(), 11);
    EXPECT_EQ(Copy.ScaleRadius(), 3e38f);
    EXPECT_LE(Copy.Left(), QWIDGETSIZE_MAX);
    EXPECT_GE(Copy.Top(), -QWIDGETSIZE_MAX);
    // The band covers every row: only the background shows, the needle nowhere.
    Copy.SetCircular(false);
    const QImage Shown = Copy.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Shown, Copy.Buffer().Image().copy(0, 0, Copy.width(), Copy.height()));
}

TEST_F(Gauge, AlarmsFireWhenTheValueCrossesTheirThresholds) {
    G.SetUpperAlarmThreshold(80);
    G.SetLowerAlarmThreshold(20);
    int Upper = 0, Lower = 0, Above = 0, Below = 0;
    QObject::connect(&G, &TVexGauge::OnUpperAlarm, [&] { ++Upper; });
    QObject::connect(&G, &TVexGauge::OnLowerAlarm, [&] { ++Lower; });
    QObject::connect(&G, &TVexGauge::OnAboveMax, [&] { ++Above; });
    QObject::connect(&G, &TVexGauge::OnBelowMax, [&] { ++Below; });
    G.SetFloat(50);
    G.SetFloat(90);
    G.SetFloat(95); // still above: no second alarm
    G.SetFloat(10);
    G.SetFloat(150);
    G.SetFloat(200);
    G.SetFloat(60);
    EXPECT_EQ(Upper, 2);
    EXPECT_EQ(Lower, 1);
    EXPECT_EQ(Above, 1);
    EXPECT_EQ(Below, 1);
}

TEST_F(Gauge, ControlFileRoundTripsEveryProperty) {
    QTemporaryDir Dir;
    G.SetArrowType(TVexGauge::atWicked);
    G.SetUnitString(QStringLiteral("°C"));
    G.SetTickColor(clRed);
    TFont F = G.ScaleFont();
    F.Style = fsBold;
    G.SetScaleFont(F);
    F.Name = QStringLiteral("Courier New");
    G.SetUnitFont(F);
    F.Color = clYellow;
    F.SetSize(14);
    G.SetValueFont(F);
    G.SetMinAngle(200);
    G.SetFloat(33.5f);
    Paint();
    G.SetResourceImageIndex(9);
    const QString File = Dir.filePath(QStringLiteral("dial.TVexGauge"));
    G.SaveToFile(File, sfCompressed);
    QWidget Other;
    TVexGauge Copy(&Other);
    Copy.LoadFromFile(File, sfCompressed);
    EXPECT_EQ(StoredValues(Copy), StoredValues(G));
    // Fonts show no text of their own above: they are compared whole.
    EXPECT_EQ(Copy.ScaleFont(), G.ScaleFont());
    EXPECT_EQ(Copy.UnitFont(), G.UnitFont());
    EXPECT_EQ(Copy.ValueFont(), G.ValueFont());
    EXPECT_TRUE(Copy.Ready());
    EXPECT_FALSE(Copy.Circular());
}

} // namespace Vex
