#include "demo/VexComponentsDemo_Menu.h"

#include "demo/VexComponentsDemo_Widgets.h"
#include "platform/core/Component.h"

namespace Vex {

namespace {
constexpr int KButtonLeft = 8;
constexpr int KButtonTop = 30;
constexpr int KButtonStep = 104;
constexpr int KButtonWidth = 100;
constexpr int KButtonHeight = 18;
constexpr int KHeadingWidth = 540;
const TColor KHighlight = RGB(128, 0, 64);

TDemoMenuEntry Page(const char *Caption, const char *PageClass, const char *Button = "") {
    return {QString::fromLatin1(Caption), QString::fromLatin1(PageClass), false,
            QString::fromLatin1(Button)};
}

TDemoMenuEntry DataPage(const char *PageClass, const char *Button = "") {
    return {QStringLiteral("Data awareness"), QString::fromLatin1(PageClass), true,
            QString::fromLatin1(Button)};
}
} // namespace

const std::vector<TDemoMenu> &DemoMenus() {
    static const std::vector<TDemoMenu> Menus = {
        {QStringLiteral("TfrmGaugeMenu"),
         QStringLiteral("VexGauge"),
         {Page("Overview", "TfrmGauge1"), Page("VU-type gauges", "TfrmVexGauge2"),
          Page("Special features", "TfrmGaugeSize"), DataPage("TfrmVexGauge5"),
          Page("Property editor", "TfrmVexGaugePropertyEditor")}},
        {QStringLiteral("TfrmVexKnobMenu"),
         QStringLiteral("VexKnob"),
         {Page("Overview", "TfrmVexKnob1", "ubVexGauge1"), DataPage("TfrmVexKnob2", "ubVexGauge3"),
          Page("Property editor", "TfrmVexKnob3", "ubVexGauge4")}},
        {QStringLiteral("TfrmVexLCDMenu"),
         QStringLiteral("VexLCD"),
         {Page("Overview", "TfrmVexLCD1", "ubVexGauge1"), DataPage("TfrmVexLCD3", "ubVexGauge3"),
          Page("Property editor", "TfrmVexLCDPropertyEditor", "ubVexGauge4")}},
        {QStringLiteral("TfrmVexCylinderGaugeMenu"),
         QStringLiteral("VexCylinderGauge"),
         {Page("Overview", "TfrmVexCylinderGauge1", "ubVexGauge1"),
          Page("Interface design", "TfrmVexCylinderGauge2", "ubVexGauge2"),
          DataPage("TfrmVexCylinderGauge3", "ubVexGauge3"),
          Page("Property editor", "TfrmVexCylinderGauge4", "ubVexGauge4")}},
        {QStringLiteral("TfrmVexMatrixMenu"),
         QStringLiteral("VexMatrix"),
         {Page("Overview", "TfrmVexMatrix1", "ubVexGauge1"),
          DataPage("TfrmVexMatrix2", "VexButton1")}},
    };
    return Menus;
}

TfrmProductMenu::TfrmProductMenu(const TDemoMenu &Menu, QWidget *Parent)
    : QFrame(Parent), FMenu(Menu) {
    setObjectName(Menu.Name);
    TLoadingScope Loading;
    FHeading = NewLabel(this, QStringLiteral("VexDBLabel1"), {8, 6}, KHeadingWidth,
                        QStringLiteral("Demonstration pages for ") + Menu.Product, DemoFont(-15));
    for (size_t I = 0; I < Menu.Entries.size(); ++I) {
        const TDemoMenuEntry &Entry = Menu.Entries[I];
        const QRect Bounds(KButtonLeft + int(I) * KButtonStep, KButtonTop, KButtonWidth,
                           KButtonHeight);
        const QString Name = Entry.ButtonName.isEmpty() ? QStringLiteral("VexButton%1").arg(I + 1)
                                                        : Entry.ButtonName;
        TVexButton *Button = NewNavigationButton(this, Name, Bounds, Entry.Caption,
                                                 TVexButton::taCenter, KHighlight);
        connect(Button, &TVexButton::OnClick, this, [this, &Entry] { emit EntryChosen(Entry); });
        FButtons.push_back(Button);
    }
}

} // namespace Vex
