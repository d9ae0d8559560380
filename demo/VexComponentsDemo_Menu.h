#pragma once
// The products' menus as data, and the frame that shows one of them: a heading and a row of
// buttons, one per demonstration page. Every product's menu is the same frame built from its
// table entry; the entry's Name ("TfrmGaugeMenu") is the frame's object name.

#include <QFrame>
#include <QString>
#include <vector>

namespace Vex {

class TVexButton;
class TVexDBLabel;

struct TDemoMenuEntry {
    QString Caption;
    // The registered page class the entry opens (VexComponentsDemo_Pages).
    QString PageClass;
    // A page that shows records of the sample database.
    bool NeedsDatabase = false;
    // The button's component name in the menu frame; "VexButton<n>" when empty.
    QString ButtonName;
};

struct TDemoMenu {
    QString Name;
    QString Product;
    // Left to right; the first is the product's overview.
    std::vector<TDemoMenuEntry> Entries;
};

// The products in the order of their buttons.
const std::vector<TDemoMenu> &DemoMenus();

class TfrmProductMenu : public QFrame {
    Q_OBJECT

public:
    // Menu is kept by reference: an entry of DemoMenus(), which lives as long as the program.
    TfrmProductMenu(const TDemoMenu &Menu, QWidget *Parent);

    const TDemoMenu &Menu() const { return FMenu; }
    TVexDBLabel *Heading() const { return FHeading; }
    // One per entry, in the entry order.
    const std::vector<TVexButton *> &Buttons() const { return FButtons; }

signals:
    void EntryChosen(const TDemoMenuEntry &Entry);

private:
    const TDemoMenu &FMenu;
    TVexDBLabel *FHeading;
    std::vector<TVexButton *> FButtons;
};

} // namespace Vex
