#include "platform/streaming/ComponentRegistry.h"

#include <map>

namespace Vex {

namespace {
std::map<QString, TComponentFactory> &Registry() {
    static std::map<QString, TComponentFactory> Map;
    return Map;
}
} // namespace

void RegisterComponentClass(const QString &ClassName, TComponentFactory Factory) {
    Registry()[ClassName] = std::move(Factory);
}

bool IsComponentClassRegistered(const QString &ClassName) {
    return Registry().count(ClassName) > 0;
}

QObject *CreateComponent(const QString &ClassName, QObject *Owner) {
    const auto It = Registry().find(ClassName);
    return It == Registry().end() ? nullptr : It->second(Owner);
}

} // namespace Vex
