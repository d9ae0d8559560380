#include "platform/streaming/ComponentRegistry.h"

#include <map>

namespace Vex {

namespace {
struct TClassEntry {
    const QMetaObject *Class;
    TComponentFactory Factory;
};

std::map<QString, TClassEntry> &Registry() {
    static std::map<QString, TClassEntry> Map;
    return Map;
}
} // namespace

void RegisterComponentClass(const QString &ClassName, const QMetaObject &Class,
                            TComponentFactory Factory) {
    Registry()[ClassName] = {&Class, std::move(Factory)};
}

const QMetaObject *ComponentClass(const QString &ClassName) {
    const auto It = Registry().find(ClassName);
    return It == Registry().end() ? nullptr : It->second.Class;
}

bool IsComponentClassRegistered(const QString &ClassName) {
    return Registry().count(ClassName) > 0;
}

QStringList RegisteredComponentClasses() {
    QStringList Names;
    for (const auto &[Name, Entry] : Registry())
        Names << Name;
    return Names;
}

QObject *CreateComponent(const QString &ClassName, QObject *Owner) {
    const auto It = Registry().find(ClassName);
    return It == Registry().end() ? nullptr : It->second.Factory(Owner);
}

} // namespace Vex
