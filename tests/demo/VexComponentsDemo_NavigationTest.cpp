#include "DemoPageTest.h"
#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "demo/VexComponentsDemo_Pages.h"

#include <QPointer>

namespace Vex {

namespace {
void DeleteDiscarded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks every entry of every product's menu, twice: each click builds a fresh page of the
// entry's class in the page panel, and the page it replaced is gone.
TEST_F(DemoPages, EveryMenuEntryOpensItsOwnPageAfresh) {
    Open(QStringLiteral("VexGauge"));
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    for (size_t P = 0; P < Menus.size(); ++P) {
        Click(Main->ProductButtons[P]);
        DeleteDiscarded();
        const TfrmProductMenu *Menu = Main->CurrentMenu();
        ASSERT_EQ(Menu->objectName(), Menus[P].Name);
        EXPECT_EQ(Main->CurrentPage()->objectName(), Menus[P].Entries.front().PageClass);
        for (size_t E = 0; E < Menus[P].Entries.size(); ++E) {
            const TDemoMenuEntry &Entry = Menus[P].Entries[E];
            // No menu entry is without its page.
            ASSERT_TRUE(DemoPageRegistered(Entry.PageClass)) << qPrintable(Entry.PageClass);
            TVexButton *Button = Menu->Buttons()[E];
            EXPECT_EQ(Button->Caption(), Entry.Caption);
            for (int Visit = 0; Visit < 2; ++Visit) {
                QPointer<QWidget> Before = Main->CurrentPage();
                Click(Button);
                DeleteDiscarded();
                EXPECT_EQ(Main->CurrentPage()->objectName(), Entry.PageClass);
                EXPECT_TRUE(Before.isNull()) << qPrintable(Entry.PageClass);
                EXPECT_EQ(Main->pnlInterface->findChildren<TDemoPage *>().size(), 1);
                EXPECT_FALSE(Main->CurrentPage()->isHidden());
            }
        }
    }
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(DemoPages, MenusNameTheirButtonsAsTheFormsDo) {
    Open(QStringLiteral("VexKnob"));
    const TfrmProductMenu *Menu = Main->CurrentMenu();
    EXPECT_EQ(Menu->Heading()->Text(), QStringList{"Demonstration pages for VexKnob"});
    EXPECT_EQ(Menu->Buttons()[1]->objectName(), "ubVexGauge3");
    EXPECT_EQ(Menu->Buttons()[1]->geometry(), QRect(112, 30, 100, 18));
    EXPECT_EQ(Menu->Buttons()[2]->HighlightColor(), TColor(0x400080));
    Open(QStringLiteral("VexMatrix"));
    EXPECT_EQ(Main->CurrentMenu()->Buttons()[1]->objectName(), "VexButton1");
    Open(QStringLiteral("VexCylinderGauge"));
    EXPECT_EQ(Main->CurrentMenu()->Buttons()[1]->objectName(), "ubVexGauge2");
    EXPECT_EQ(Main->CurrentMenu()->Buttons()[1]->Caption(), "Interface design");
}

// Pages are switched while their needles swing, drums roll, labels type and timers run; a
// replaced page's timer that still fires before the page is freed finds it intact, and once
// it is freed nothing of it is left.
TEST_F(DemoPages, SwitchingPagesInMotionLeavesNothingBehind) {
    Open(QStringLiteral("VexGauge"));
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    QList<QPointer<QObject>> Left;
    QPointer<TTimer> OldTimer;
    for (int Round = 0; Round < 2; ++Round)
        for (size_t P = 0; P < Menus.size(); ++P)
            for (const TDemoMenuEntry &Entry : Menus[P].Entries) {
                if (Main->CurrentMenu()->Menu().Name != Menus[P].Name)
                    Main->OpenProduct(int(P));
                Main->ChooseMenuEntry(Entry);
                // The replaced page is hidden, not yet freed: its timer may still fire.
                if (OldTimer)
                    OldTimer->Fire();
                DeleteDiscarded();
                QWidget *Page = Main->CurrentPage();
                for (QObject *Child : Page->findChildren<QObject *>())
                    Left << Child;
                OldTimer = Page->findChild<TTimer *>();
                for (TTimer *Timer : Page->findChildren<TTimer *>())
                    Timer->Fire();
                Ticks(3);
                Main->repaint();
            }
    Main->ShowContactPage();
    DeleteDiscarded();
    for (const QPointer<QObject> &Object : Left)
        EXPECT_TRUE(Object.isNull());
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}
} // namespace

} // namespace Vex
