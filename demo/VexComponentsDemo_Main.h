#pragma once
// The demonstration's main window: the product buttons on the left, the chosen product's menu
// along the top of the right-hand area and the current page below it. Pages and menus are made
// afresh on every navigation and the ones they replace are discarded; at most one page and one
// menu are current at any time.

#include "demo/VexComponentsDemo_Menu.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QFrame;

namespace Vex {

class TVexButton;
class TVexDBLabel;

class TfrmMain : public QWidget {
    Q_OBJECT

public:
    // Checks the sample database and shows the contact page.
    explicit TfrmMain(QWidget *Parent = nullptr);

    // The shown page (null when the product's overview is not registered) and menu.
    QWidget *CurrentPage() const { return FCurrentPage; }
    TfrmProductMenu *CurrentMenu() const { return FCurrentMenu; }
    bool DatabaseAvailable() const { return FDatabaseAvailable; }

    // Product Index of DemoMenus(): its overview page and its menu.
    void OpenProduct(int Index);
    // A menu entry's page, unless the entry needs the database and it is unavailable: then
    // only the message is shown. An entry whose page is not registered does nothing; a page
    // that cannot be built (a table that cannot be opened) shows why through the application's
    // error handler, and the current page stays.
    void ChooseMenuEntry(const TDemoMenuEntry &Entry);
    // Hides the menu (it stays current) and shows a new contact page.
    void ShowContactPage();

    // What a data page's entry shows when the sample database is unavailable.
    static const QString NoDatabaseMessage;
    // Shows Text modally; replaceable so that tests and the gallery never block. Returns the
    // function it replaces; an empty one restores the message box.
    using TMessageBox = std::function<void(QWidget *Parent, const QString &Text)>;
    static TMessageBox SetMessageBox(TMessageBox Show);

    // The window's parts, named as in its layout; owned by the window.
    QFrame *pnlLeft;
    TVexDBLabel *VexDBLabel1;
    // VexButton1 .. VexButton5, one per product of DemoMenus().
    std::vector<TVexButton *> ProductButtons;
    TVexDBLabel *VexDBLabel2;
    TVexButton *VexButton7;
    QFrame *pnlContainer;
    QFrame *pnlMenu;
    QFrame *pnlInterface;

private:
    void BuildLeftPanel();
    void BuildContainer();
    // A new page of PageClass, null when none is registered; nothing, with the reason shown,
    // when building it failed.
    std::optional<QWidget *> NewPage(const QString &PageClass);
    void ShowPage(QWidget *Page);
    void ShowMenu(TfrmProductMenu *Menu);
    // Hides Frame and deletes it once control is back in the event loop, so that a button of
    // the frame whose click led here is never destroyed inside its own handler.
    static void Discard(QWidget *Frame);

    QPointer<QWidget> FCurrentPage;
    QPointer<TfrmProductMenu> FCurrentMenu;
    bool FDatabaseAvailable = false;
};

} // namespace Vex
