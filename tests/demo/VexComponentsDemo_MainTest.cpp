#include "demo/VexComponentsDemo_Main.h"
#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "framework/FrameworkTestUtil.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace Vex {

namespace {
void Click(QWidget *Button) {
    const QPoint Centre = Button->rect().center();
    Press(Button, Centre);
    Release(Button, Centre);
}

// What a replaced frame leaves behind once control is back in the event loop.
void DeleteDiscarded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString PageName(const TfrmMain &Main) {
    return Main.CurrentPage() ? Main.CurrentPage()->objectName() : QString();
}

// A shell on a fresh sample database, with stand-in pages for the classes tests open and the
// data pages' message collected instead of shown.
class DemoShell : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VEXDEMO_DATABASE", FDir.filePath(QStringLiteral("demo.sqlite")).toUtf8());
        FPreviousBox =
            TfrmMain::SetMessageBox([this](QWidget *, const QString &Text) { Messages << Text; });
        for (const char *Name : {"TfrmGauge1", "TfrmVexGauge2", "TfrmVexGauge5", "TfrmVexKnob1"})
            Register(QString::fromLatin1(Name), [Name](QWidget *Parent) {
                auto *Page = new QWidget(Parent);
                Page->setObjectName(QString::fromLatin1(Name));
                return Page;
            });
    }

    void TearDown() override {
        DeleteDiscarded();
        for (auto &[Name, Factory] : FReplaced)
            RegisterDemoPage(Name, Factory);
        TfrmMain::SetMessageBox(FPreviousBox);
        qunsetenv("VEXDEMO_DATABASE");
    }

    void Register(const QString &Name, TDemoPageFactory Factory) {
        TDemoPageFactory Previous = RegisterDemoPage(Name, std::move(Factory));
        FReplaced.try_emplace(Name, std::move(Previous));
    }

    static TVexButton *MenuButton(const TfrmMain &Main, int Index) {
        return Main.CurrentMenu()->Buttons().at(size_t(Index));
    }

    QStringList Messages;

private:
    QTemporaryDir FDir;
    TfrmMain::TMessageBox FPreviousBox;
    std::map<QString, TDemoPageFactory> FReplaced;
};

TEST_F(DemoShell, StartsOnTheContactPageWithoutMenu) {
    TfrmMain Main;
    EXPECT_EQ(Main.windowTitle(),
              "Tessark Technologies VexComponents Demonstration Application v40114");
    EXPECT_EQ(PageName(Main), "TfrmContact");
    EXPECT_TRUE(Main.pnlMenu->isHidden());
    EXPECT_EQ(Main.CurrentMenu(), nullptr);
    ASSERT_EQ(Main.ProductButtons.size(), 5u);
    EXPECT_EQ(Main.ProductButtons[3]->Caption(), "VexCylinderGauge");
    EXPECT_EQ(Main.ProductButtons[3]->geometry(), QRect(8, 104, 120, 18));
    EXPECT_EQ(Main.VexButton7->geometry(), QRect(8, 200, 120, 18));
    EXPECT_EQ(Main.VexButton7->HighlightColor(), RGB(0, 64, 128));
    EXPECT_EQ(Main.VexDBLabel2->Text(), QStringList{"MISCELLANOUS"});
    // The banners come from the generated resources, at their places.
    const auto *Logo = Main.CurrentPage()->findChild<QLabel *>(QStringLiteral("imgLogo"));
    const auto *Banner = Main.CurrentPage()->findChild<QLabel *>(QStringLiteral("imgBanner"));
    ASSERT_TRUE(Logo && Banner);
    EXPECT_EQ(Logo->geometry(), QRect(8, 192, 169, 57));
    EXPECT_EQ(Banner->geometry(), QRect(16, 8, 289, 57));
}

TEST_F(DemoShell, ProductsReplacePageAndMenuAndContactHidesTheMenu) {
    TfrmMain Main;
    QPointer<QWidget> Contact = Main.CurrentPage();
    Click(Main.ProductButtons[0]);
    EXPECT_EQ(PageName(Main), "TfrmGauge1");
    ASSERT_NE(Main.CurrentMenu(), nullptr);
    EXPECT_EQ(Main.CurrentMenu()->objectName(), "TfrmGaugeMenu");
    EXPECT_FALSE(Main.pnlMenu->isHidden());
    EXPECT_EQ(Main.CurrentMenu()->Heading()->Text(),
              QStringList{"Demonstration pages for VexGauge"});
    QStringList Captions;
    for (const TVexButton *Button : Main.CurrentMenu()->Buttons())
        Captions << Button->Caption();
    EXPECT_EQ(Captions, (QStringList{"Overview", "VU-type gauges", "Special features",
                                     "Data awareness", "Property editor"}));
    EXPECT_EQ(MenuButton(Main, 4)->geometry(), QRect(8 + 4 * 104, 30, 100, 18));
    DeleteDiscarded();
    EXPECT_TRUE(Contact.isNull());

    QPointer<TfrmProductMenu> GaugeMenu = Main.CurrentMenu();
    Click(Main.VexButton7);
    DeleteDiscarded();
    EXPECT_EQ(PageName(Main), "TfrmContact");
    EXPECT_TRUE(Main.pnlMenu->isHidden());
    EXPECT_EQ(Main.CurrentMenu(), GaugeMenu.data());
    EXPECT_FALSE(GaugeMenu.isNull());

    Click(Main.ProductButtons[1]);
    DeleteDiscarded();
    EXPECT_EQ(PageName(Main), "TfrmVexKnob1");
    EXPECT_EQ(Main.CurrentMenu()->objectName(), "TfrmVexKnobMenu");
    EXPECT_EQ(Main.CurrentMenu()->Buttons().size(), 3u);
    EXPECT_TRUE(GaugeMenu.isNull());
    EXPECT_FALSE(Main.pnlMenu->isHidden());
}

TEST_F(DemoShell, MenuEntriesBuildFreshPagesAndUnregisteredOnesDoNothing) {
    TfrmMain Main;
    Click(Main.ProductButtons[0]);
    Click(MenuButton(Main, 1));
    QPointer<QWidget> First = Main.CurrentPage();
    ASSERT_EQ(PageName(Main), "TfrmVexGauge2");
    Click(MenuButton(Main, 1));
    EXPECT_EQ(PageName(Main), "TfrmVexGauge2");
    EXPECT_NE(Main.CurrentPage(), First.data());
    DeleteDiscarded();
    EXPECT_TRUE(First.isNull());

    Register(QStringLiteral("TfrmGaugeSize"), {});
    QWidget *Shown = Main.CurrentPage();
    Click(MenuButton(Main, 2));
    EXPECT_EQ(Main.CurrentPage(), Shown);
}

TEST_F(DemoShell, AFrameMayBeReplacedFromItsOwnButton) {
    TfrmMain Main;
    QPointer<TVexButton> Inner;
    Register(QStringLiteral("TfrmGauge1"), [&](QWidget *Parent) {
        auto *Page = new QWidget(Parent);
        Inner = new TVexButton(Page);
        QObject::connect(Inner, &TVexButton::OnClick, &Main, [&] { Main.OpenProduct(1); });
        return Page;
    });
    Click(Main.ProductButtons[0]);
    Click(Inner);
    // The press and release handlers ran to their end on a live button.
    EXPECT_FALSE(Inner.isNull());
    EXPECT_EQ(PageName(Main), "TfrmVexKnob1");
    DeleteDiscarded();
    EXPECT_TRUE(Inner.isNull());
}

TEST_F(DemoShell, DataPagesOpenWithTheDatabase) {
    TfrmMain Main;
    EXPECT_TRUE(Main.DatabaseAvailable());
    Click(Main.ProductButtons[0]);
    Click(MenuButton(Main, 3));
    EXPECT_EQ(PageName(Main), "TfrmVexGauge5");
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(DemoShell, DataPagesWithoutTheDatabaseShowTheMessageAndKeepThePage) {
    // Nothing can be made under a device file.
    qputenv("VEXDEMO_DATABASE", "/dev/null/demo.sqlite");
    TfrmMain Main;
    EXPECT_FALSE(Main.DatabaseAvailable());
    Click(Main.ProductButtons[0]);
    QWidget *Overview = Main.CurrentPage();
    Click(MenuButton(Main, 3));
    EXPECT_EQ(Main.CurrentPage(), Overview);
    // The guard speaks before the page is looked for: a data page not built yet says the same.
    Register(QStringLiteral("TfrmVexGauge5"), {});
    Click(MenuButton(Main, 3));
    EXPECT_EQ(Main.CurrentPage(), Overview);
    ASSERT_EQ(Messages.size(), 2);
    EXPECT_EQ(Messages.back(), Messages.front());
    EXPECT_EQ(Messages.front(), "This frame requires the database engine and\r\n"
                                "the demo databases that come with it.\r\n"
                                "Since it is not available, database interaction \r\n"
                                "cannot be demonstrated. You'll have to \r\n"
                                "use your imagination.");
}
} // namespace

} // namespace Vex
