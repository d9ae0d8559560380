#include "demo/VexComponentsDemo_Pages.h"

#include <QHash>

namespace Vex {

namespace {
// Built on first use, so that registrations from other units' initialisers find it whatever
// order the initialisers run in.
QHash<QString, TDemoPageFactory> &Registry() {
    static QHash<QString, TDemoPageFactory> Factories;
    return Factories;
}
} // namespace

TDemoPageFactory RegisterDemoPage(const QString &ClassName, TDemoPageFactory Factory) {
    TDemoPageFactory Previous = Registry().take(ClassName);
    if (Factory)
        Registry().insert(ClassName, std::move(Factory));
    return Previous;
}

bool DemoPageRegistered(const QString &ClassName) {
    return Registry().contains(ClassName);
}

QWidget *CreateDemoPage(const QString &ClassName, QWidget *Parent) {
    const auto It = Registry().constFind(ClassName);
    return It == Registry().constEnd() ? nullptr : (*It)(Parent);
}

} // namespace Vex
