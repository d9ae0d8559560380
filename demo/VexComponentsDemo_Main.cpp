#include "demo/VexComponentsDemo_Main.h"

#include "demo/VexComponentsDemo_Contact.h"
#include "demo/VexComponentsDemo_Database.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "demo/VexComponentsDemo_Widgets.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>

namespace Vex {

namespace {
constexpr int KLeftWidth = 137;
constexpr int KMenuHeight = 56;
constexpr int KButtonLeft = 8;
constexpr int KButtonWidth = 120;
constexpr int KButtonHeight = 18;
constexpr int KProductTop = 32;
constexpr int KProductStep = 24;
const TColor KHighlight = RGB(0, 64, 128);

TfrmMain::TMessageBox &MessageBox() {
    static TfrmMain::TMessageBox Show;
    return Show;
}

void ShowMessage(QWidget *Parent, const QString &Text) {
    if (MessageBox())
        MessageBox()(Parent, Text);
    else
        QMessageBox::information(Parent, QApplication::applicationName(), Text);
}

// A single-child layout that makes a page or menu fill its panel.
void FillWith(QWidget *Panel) {
    auto *Layout = new QVBoxLayout(Panel);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
}

TVexButton *NewProductButton(QWidget *Parent, int Number, int Top, const QString &Caption) {
    return NewNavigationButton(Parent, QStringLiteral("VexButton%1").arg(Number),
                               QRect(KButtonLeft, Top, KButtonWidth, KButtonHeight), Caption,
                               TVexButton::taLeftJustify, KHighlight);
}
} // namespace

const QString TfrmMain::NoDatabaseMessage =
    QStringLiteral("This frame requires the database engine and\r\n"
                   "the demo databases that come with it.\r\n"
                   "Since it is not available, database interaction \r\n"
                   "cannot be demonstrated. You'll have to \r\n"
                   "use your imagination.");

TfrmMain::TMessageBox TfrmMain::SetMessageBox(TMessageBox Show) {
    TMessageBox Previous = std::move(MessageBox());
    MessageBox() = std::move(Show);
    return Previous;
}

TfrmMain::TfrmMain(QWidget *Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(
        QStringLiteral("Tessark Technologies VexComponents Demonstration Application v40114"));
    setFont(DemoFont(-11).ToQFont());
    SetBackground(this, clBtnFace);
    resize(696, 625);
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
    {
        TLoadingScope Loading;
        BuildLeftPanel();
        BuildContainer();
    }
    QString Reason;
    FDatabaseAvailable = SampleDatabaseAvailable(&Reason);
    if (!FDatabaseAvailable)
        qWarning("The data pages are disabled: %s", qPrintable(Reason));
    ShowContactPage();
}

void TfrmMain::BuildLeftPanel() {
    pnlLeft = NewPanel(this, QStringLiteral("pnlLeft"), clBtnFace, true);
    pnlLeft->setFixedWidth(KLeftWidth);
    const int LabelWidth = KLeftWidth - 2 * KButtonLeft;
    VexDBLabel1 = NewLabel(pnlLeft, QStringLiteral("VexDBLabel1"), {8, 8}, LabelWidth,
                           QStringLiteral("PRODUCTS"), DemoFont(-15));
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    for (int I = 0; I < int(Menus.size()); ++I) {
        TVexButton *Button =
            NewProductButton(pnlLeft, I + 1, KProductTop + I * KProductStep, Menus[I].Product);
        connect(Button, &TVexButton::OnClick, this, [this, I] { OpenProduct(I); });
        ProductButtons.push_back(Button);
    }
    VexDBLabel2 = NewLabel(pnlLeft, QStringLiteral("VexDBLabel2"), {8, 176}, LabelWidth,
                           QStringLiteral("MISCELLANOUS"), DemoFont(-15));
    VexButton7 = NewProductButton(pnlLeft, 7, 200, QStringLiteral("Contact information"));
    connect(VexButton7, &TVexButton::OnClick, this, &TfrmMain::ShowContactPage);
}

void TfrmMain::BuildContainer() {
    pnlContainer = NewPanel(this, QStringLiteral("pnlContainer"), clWhite, false);
    pnlMenu = NewPanel(pnlContainer, QStringLiteral("pnlMenu"), clBtnFace, false);
    pnlMenu->setFixedHeight(KMenuHeight);
    pnlMenu->hide();
    FillWith(pnlMenu);
    pnlInterface = NewPanel(pnlContainer, QStringLiteral("pnlInterface"), clWhite, false);
    FillWith(pnlInterface);

    auto *Column = new QVBoxLayout(pnlContainer);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(pnlMenu);
    Column->addWidget(pnlInterface, 1);

    auto *Row = new QHBoxLayout(this);
    Row->setContentsMargins(0, 0, 0, 0);
    Row->setSpacing(0);
    Row->addWidget(pnlLeft);
    Row->addWidget(pnlContainer, 1);
}

void TfrmMain::OpenProduct(int Index) {
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    if (Index < 0 || Index >= int(Menus.size()))
        return;
    const TDemoMenu &Menu = Menus[size_t(Index)];
    const std::optional<QWidget *> Page = NewPage(Menu.Entries.front().PageClass);
    if (!Page)
        return;
    Discard(FCurrentPage);
    Discard(FCurrentMenu);
    ShowPage(*Page);
    auto *MenuFrame = new TfrmProductMenu(Menu, pnlMenu);
    connect(MenuFrame, &TfrmProductMenu::EntryChosen, this, &TfrmMain::ChooseMenuEntry);
    ShowMenu(MenuFrame);
    pnlMenu->show();
}

void TfrmMain::ChooseMenuEntry(const TDemoMenuEntry &Entry) {
    // The database guard comes first: without the database a data page is never built, whether
    // or not this program carries it.
    if (Entry.NeedsDatabase && !FDatabaseAvailable) {
        ShowMessage(this, NoDatabaseMessage);
        return;
    }
    const std::optional<QWidget *> Page = NewPage(Entry.PageClass);
    if (!Page || !*Page)
        return;
    Discard(FCurrentPage);
    ShowPage(*Page);
}

std::optional<QWidget *> TfrmMain::NewPage(const QString &PageClass) {
    try {
        return CreateDemoPage(PageClass, pnlInterface);
    } catch (const std::exception &Error) {
        ApplicationShowError(ErrorMessage(Error));
        return std::nullopt;
    }
}

void TfrmMain::ShowContactPage() {
    pnlMenu->hide();
    Discard(FCurrentPage);
    ShowPage(new TfrmContact(pnlInterface));
}

void TfrmMain::ShowPage(QWidget *Page) {
    FCurrentPage = Page;
    if (!Page)
        return;
    pnlInterface->layout()->addWidget(Page);
    Page->show();
}

void TfrmMain::ShowMenu(TfrmProductMenu *Menu) {
    FCurrentMenu = Menu;
    pnlMenu->layout()->addWidget(Menu);
    Menu->show();
}

void TfrmMain::Discard(QWidget *Frame) {
    if (!Frame)
        return;
    Frame->hide();
    Frame->deleteLater();
}

} // namespace Vex
