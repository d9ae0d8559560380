#include "demo/VexComponentsDemo_Tour.h"

#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Pages.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QWidget>

namespace Vex {

namespace {
// "VU-type gauges" -> "VU-type-gauges".
QString FileNamePart(const QString &Text) {
    static const QRegularExpression Unsafe(QStringLiteral("[^A-Za-z0-9]+"));
    return QString(Text).replace(Unsafe, QStringLiteral("-"));
}

bool Reachable(const TfrmMain &Main, const TDemoMenuEntry &Entry) {
    return DemoPageRegistered(Entry.PageClass) &&
           (!Entry.NeedsDatabase || Main.DatabaseAvailable());
}
} // namespace

std::vector<TDemoStop> DemoTour(const TfrmMain &Main) {
    std::vector<TDemoStop> Tour{
        {QStringLiteral("contact"), [](TfrmMain &Window) { Window.ShowContactPage(); }}};
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    for (int I = 0; I < int(Menus.size()); ++I) {
        const TDemoMenu &Menu = Menus[size_t(I)];
        Tour.push_back(
            {FileNamePart(Menu.Product + QStringLiteral(" ") + Menu.Entries.front().Caption),
             [I](TfrmMain &Window) { Window.OpenProduct(I); }});
        for (size_t E = 1; E < Menu.Entries.size(); ++E) {
            const TDemoMenuEntry &Entry = Menu.Entries[E];
            if (!Reachable(Main, Entry))
                continue;
            // Entries live as long as the program (DemoMenus()); the window shows the product's
            // menu already, as the stop before is its overview or another of its entries.
            Tour.push_back({FileNamePart(Menu.Product + QStringLiteral(" ") + Entry.Caption),
                            [&Entry](TfrmMain &Window) { Window.ChooseMenuEntry(Entry); }});
        }
    }
    return Tour;
}

void ClickControl(QWidget *Control) {
    const QPointF Centre = QRectF(Control->rect()).center();
    const QPointF Global = Control->mapToGlobal(Centre);
    QMouseEvent Press(QEvent::MouseButtonPress, Centre, Global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(Control, &Press);
    QMouseEvent Release(QEvent::MouseButtonRelease, Centre, Global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(Control, &Release);
}

} // namespace Vex
