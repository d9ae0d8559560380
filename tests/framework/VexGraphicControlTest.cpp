#include "framework/VexGraphicControl.h"
#include "FrameworkTestUtil.h"
#include "framework/VexAngularMeter.h"
#include "framework/VexVBSGraphicControl.h"
#include "platform/core/Errors.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace Vex {

namespace {
// Records what the mouse layer reports through its three hooks.
class TProbe : public TVexGraphicControl {
public:
    using TVexGraphicControl::TVexGraphicControl;
    std::vector<TVexMouseState> States;
    std::vector<QPoint> Drags;
    std::vector<float> Angles;

protected:
    void SetMouseState(TVexMouseState State) override {
        TVexGraphicControl::SetMouseState(State);
        States.push_back(State);
    }
    void DragBy(int DX, int DY) override { Drags.emplace_back(DX, DY); }
    void AngleInput(float Angle) override { Angles.push_back(Angle); }
};
} // namespace

TEST(GraphicControl, PointToAngleTable) {
    TVexGraphicControl C;
    EXPECT_FLOAT_EQ(C.PointToAngle(0, 0), 270);
    EXPECT_FLOAT_EQ(C.PointToAngle(10, 0), 0);
    EXPECT_FLOAT_EQ(C.PointToAngle(-10, 0), 180);
    EXPECT_FLOAT_EQ(C.PointToAngle(0, -10), 90);
    EXPECT_FLOAT_EQ(C.PointToAngle(0, 10), 270);
    EXPECT_FLOAT_EQ(C.PointToAngle(10, 10), 315);
    EXPECT_FLOAT_EQ(C.PointToAngle(10, -10), 45);
    EXPECT_FLOAT_EQ(C.PointToAngle(-10, -10), 135);
    EXPECT_FLOAT_EQ(C.PointToAngle(-10, 10), 225);
}

TEST(GraphicControl, DragModelsReportPerEventDeltas) {
    TProbe P;
    P.SetBounds(0, 0, 100, 100);
    P.SetMouseInputType(TVexGraphicControl::mitDragX);
    Press(&P, QPoint(10, 10));
    MoveTo(&P, QPoint(15, 4));
    MoveTo(&P, QPoint(12, 8));
    P.SetMouseInputType(TVexGraphicControl::mitDragY);
    MoveTo(&P, QPoint(20, 2));
    P.SetMouseInputType(TVexGraphicControl::mitDragXY);
    MoveTo(&P, QPoint(21, 5));
    Release(&P, QPoint(21, 5));
    const std::vector<QPoint> Expected{{5, 0}, {-3, 0}, {0, 6}, {1, -3}};
    EXPECT_EQ(P.Drags, Expected);
    EXPECT_EQ(P.States, std::vector{TVexGraphicControl::msClicked});
    // After the release, moves only follow the pointer.
    MoveTo(&P, QPoint(30, 30), Qt::NoButton);
    EXPECT_EQ(P.Drags.size(), 4u);
    EXPECT_EQ(P.LastPoint(), Point(30, 30));
}

TEST(GraphicControl, OnlyTheLeftButtonDrags) {
    TProbe P;
    Press(&P, QPoint(10, 10), Qt::RightButton);
    MoveTo(&P, QPoint(20, 20), Qt::RightButton);
    Release(&P, QPoint(20, 20), Qt::RightButton);
    Press(&P, QPoint(10, 10), Qt::MiddleButton);
    MoveTo(&P, QPoint(20, 20), Qt::MiddleButton);
    EXPECT_TRUE(P.Drags.empty());
    EXPECT_EQ(P.LastPoint(), Point(20, 20));
}

TEST(GraphicControl, NoneModelReportsClicksButNoInput) {
    TProbe P;
    P.SetMouseInputType(TVexGraphicControl::mitNone);
    Press(&P, QPoint(10, 10));
    MoveTo(&P, QPoint(40, 40));
    EXPECT_EQ(P.States, std::vector{TVexGraphicControl::msClicked});
    EXPECT_TRUE(P.Drags.empty());
    EXPECT_TRUE(P.Angles.empty());
}

TEST(GraphicControl, AngularPressUsesTheTruncatedCentre) {
    TProbe P;
    P.SetBounds(0, 0, 101, 60);
    P.SetMouseInputType(TVexGraphicControl::mitAngular);
    // Column 50 is the centre of a 101-pixel control: straight above it is 90 degrees.
    Press(&P, QPoint(50, 10));
    MoveTo(&P, QPoint(80, 30));
    ASSERT_EQ(P.Angles.size(), 2u);
    EXPECT_FLOAT_EQ(P.Angles[0], 90);
    EXPECT_FLOAT_EQ(P.Angles[1], 0);
}

TEST(GraphicControl, ClickNeedsPressAndReleaseOnTheControl) {
    TProbe P;
    P.SetBounds(0, 0, 50, 50);
    int Clicks = 0;
    QObject::connect(&P, &TVexGraphicControl::OnClick, [&](TVexGraphicControl *Sender) {
        EXPECT_EQ(Sender, &P);
        ++Clicks;
    });
    Press(&P, QPoint(10, 10));
    Release(&P, QPoint(12, 12));
    Press(&P, QPoint(10, 10));
    Release(&P, QPoint(80, 12)); // released outside
    Release(&P, QPoint(10, 10)); // release without a press
    EXPECT_EQ(Clicks, 1);
}

TEST(GraphicControl, SaveDialogAppendsTheClassExtension) {
    TVexAngularMeter M;
    EXPECT_EQ(M.FileFilter(),
              QStringLiteral("TVexAngularMeter files (*.TVexAngularMeter)|*.TVexAngularMeter"));
    EXPECT_EQ(M.SaveFileName("dial"), QStringLiteral("dial.TVexAngularMeter"));
    EXPECT_EQ(M.SaveFileName("dial.tvexangularmeter"), QStringLiteral("dial.tvexangularmeter"));
    EXPECT_EQ(M.SaveFileName("dial.txt"), QStringLiteral("dial.txt.TVexAngularMeter"));
    EXPECT_EQ(M.SaveFileName("/tmp/a.b/dial"), QStringLiteral("/tmp/a.b/dial.TVexAngularMeter"));
}

TEST(GraphicControl, CancelledDialogsChangeNothing) {
    TVexAngularMeter M;
    QString SeenFilter;
    TVexGraphicControl::SetFileDialog([&](QWidget *, const QString &Filter, bool) {
        SeenFilter = Filter;
        return QString();
    });
    M.SetFloat(30);
    M.LoadWithDialog(sfCompressed);
    M.SaveWithDialog(sfCompressed);
    EXPECT_EQ(M.Float(), 30.0f);
    EXPECT_EQ(SeenFilter, M.FileFilter());
    TVexGraphicControl::SetFileDialog(nullptr);
}

TEST(GraphicControl, AlignedControlsDockInTheirParent) {
    QWidget Form;
    Form.resize(300, 200);
    TVexGraphicControl Top(&Form), Client(&Form);
    Top.SetHeight(40);
    Top.SetAlign(TVexGraphicControl::alTop);
    Client.SetAlign(TVexGraphicControl::alClient);
    EXPECT_EQ(Top.geometry(), QRect(0, 0, 300, 40));
    EXPECT_EQ(Client.geometry(), QRect(0, 40, 300, 160));
    Form.show();
    Form.resize(400, 300);
    EXPECT_EQ(Client.Width(), 400);
    EXPECT_EQ(Client.Height(), 260);
}

TEST(BufferedControl, BufferFollowsBoundsFromEveryPath) {
    QWidget Form;
    TVexVBSGraphicControl C(&Form);
    EXPECT_EQ(C.Buffer().Width(), 100);
    EXPECT_EQ(C.Buffer().Height(), 100);
    C.SetBounds(5, 5, 250, 80);
    EXPECT_EQ(C.Buffer().Width(), 250);
    EXPECT_EQ(C.Buffer().Height(), 80);
    // A Qt resize (layouts, docking) reaches the buffer too.
    C.resize(120, 30);
    Form.show();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(C.Buffer().Width(), 120);
    EXPECT_EQ(C.Buffer().Height(), 30);
    C.SetBounds(0, 0, -10, 1 << 30);
    EXPECT_EQ(C.Width(), 0);
    EXPECT_LE(C.Height(), TVexGraphicControl::MaxSide);
}

TEST(FrameTimer, OneTimerForAllControlsInCreationOrder) {
    QWidget Form;
    auto A = std::make_unique<TVexAngularMeter>(&Form);
    auto B = std::make_unique<TVexAngularMeter>(&Form);
    auto C = std::make_unique<TVexAngularMeter>(&Form);
    const auto Timers = qApp->findChildren<TVexVBlankTimer *>();
    ASSERT_EQ(Timers.size(), 1);
    TVexVBlankTimer *T = Timers.front();
    EXPECT_EQ(T->objectName(), QStringLiteral("VBlankTimer"));
    EXPECT_EQ(T->interval(), 20);
    ASSERT_EQ(T->ControlCount(), 3);
    EXPECT_EQ(T->Control(0), A.get());
    EXPECT_EQ(T->Control(1), B.get());
    EXPECT_EQ(T->Control(2), C.get());
    B.reset();
    EXPECT_EQ(T->ControlCount(), 2);
}

TEST(FrameTimer, ParentlessControlsWaitForAParent) {
    TVexVBSGraphicControl C;
    C.EnableFrameTimer(true);
    int Frames = 0;
    QObject::connect(&C, &TVexVBSGraphicControl::OnVBS, [&] { ++Frames; });
    Ticks(3);
    EXPECT_EQ(Frames, 0);
    QWidget Form;
    C.setParent(&Form);
    Ticks(3);
    EXPECT_EQ(Frames, 3);
    C.setParent(nullptr);
}

TEST(FrameTimer, DesigningControlsAreMarkedButNeverListed) {
    QWidget Surface;
    Surface.setProperty("VexDesigning", true);
    TVexAngularMeter M(&Surface);
    EXPECT_TRUE(M.IsDesigning());
    M.EnableFrameTimer(true);
    EXPECT_TRUE(M.Subscribed());
    if (TVexVBlankTimer *T = TVexVBlankTimer::Find()) {
        for (int I = 0; I < T->ControlCount(); ++I)
            EXPECT_NE(T->Control(I), &M);
    }
}

TEST(FrameTimer, TickSurvivesHandlersThatCreateAndDestroyControls) {
    QWidget Form;
    auto First = std::make_unique<TVexVBSGraphicControl>(&Form);
    auto Second = std::make_unique<TVexVBSGraphicControl>(&Form);
    First->EnableFrameTimer(true);
    Second->EnableFrameTimer(true);
    std::unique_ptr<TVexVBSGraphicControl> Created;
    int SecondFrames = 0;
    QObject::connect(Second.get(), &TVexVBSGraphicControl::OnVBS, [&] { ++SecondFrames; });
    QObject::connect(First.get(), &TVexVBSGraphicControl::OnVBS, [&] {
        Second.reset();
        Created = std::make_unique<TVexVBSGraphicControl>(&Form);
        Created->EnableFrameTimer(true);
    });
    Ticks(1);
    EXPECT_EQ(SecondFrames, 0);
    int CreatedFrames = 0;
    QObject::connect(Created.get(), &TVexVBSGraphicControl::OnVBS, [&] { ++CreatedFrames; });
    QObject::disconnect(First.get(), &TVexVBSGraphicControl::OnVBS, nullptr, nullptr);
    Ticks(1);
    EXPECT_EQ(CreatedFrames, 1);
}

TEST(FrameTimer, DestructionInEitherOrderIsSafe) {
    QWidget Form;
    auto C = std::make_unique<TVexVBSGraphicControl>(&Form);
    C->EnableFrameTimer(true);
    delete TVexVBlankTimer::Find();
    C.reset(); // must not touch the destroyed timer
    auto D = std::make_unique<TVexVBSGraphicControl>(&Form);
    D->EnableFrameTimer(true); // creates a fresh timer
    ASSERT_NE(TVexVBlankTimer::Find(), nullptr);
    EXPECT_EQ(TVexVBlankTimer::Find()->ControlCount(), 1);
}

TEST(GraphicControl, ExtraMouseButtonsAreIgnored) {
    TProbe P;
    Press(&P, QPoint(10, 10), Qt::BackButton);
    MoveTo(&P, QPoint(10, 40), Qt::BackButton);
    Release(&P, QPoint(10, 40), Qt::BackButton);
    EXPECT_TRUE(P.States.empty());
    EXPECT_TRUE(P.Drags.empty());
}

TEST(GraphicControl, HandlersMayDestroyTheirOwnControl) {
    QWidget Form;
    auto *Clicked = new TVexAngularMeter(&Form);
    QObject::connect(Clicked, &TVexGraphicControl::OnClick, [&] { delete Clicked; });
    Press(Clicked, QPoint(50, 10));
    QPointer<TVexAngularMeter> Watch(Clicked);
    Release(Clicked, QPoint(50, 10));
    EXPECT_TRUE(Watch.isNull());

    auto *Changed = new TVexAngularMeter(&Form);
    QObject::connect(Changed, &TVexMeter::OnChange, [&] { delete Changed; });
    Press(Changed, QPoint(50, 10), Qt::RightButton);
    Release(Changed, QPoint(50, 10), Qt::RightButton);

    auto *Dragged = new TVexMeter(&Form);
    QObject::connect(Dragged, &TVexMeter::OnChanging, [&] { delete Dragged; });
    Press(Dragged, QPoint(50, 50));
    MoveTo(Dragged, QPoint(50, 20));

    auto *Ticked = new TVexMeter(&Form);
    Ticked->SetFloat(50);
    QObject::connect(Ticked, &TVexVBSGraphicControl::OnVBS, [&] { delete Ticked; });
    QPointer<TVexMeter> TickedWatch(Ticked);
    Ticks(1);
    EXPECT_TRUE(TickedWatch.isNull());
}

TEST(FrameTimer, AnErrorInOneFrameIsShownAndOthersStillTick) {
    QStringList Errors;
    const TErrorHandler Previous =
        SetApplicationErrorHandler([&](const QString &M) { Errors << M; });
    QWidget Form;
    TVexVBSGraphicControl Failing(&Form), Other(&Form);
    Failing.EnableFrameTimer(true);
    Other.EnableFrameTimer(true);
    int OtherFrames = 0;
    QObject::connect(&Failing, &TVexVBSGraphicControl::OnVBS,
                     [] { throw EVexError(QStringLiteral("lost")); });
    QObject::connect(&Other, &TVexVBSGraphicControl::OnVBS, [&] { ++OtherFrames; });
    Ticks(2);
    SetApplicationErrorHandler(Previous);
    EXPECT_EQ(Errors, QStringList({QStringLiteral("lost"), QStringLiteral("lost")}));
    EXPECT_EQ(OtherFrames, 2);
}

} // namespace Vex
