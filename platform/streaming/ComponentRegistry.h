#pragma once
// The classes that control files and page descriptions may create by name: a nested block
// "object Gauge1: TVexGauge" makes a TVexGauge owned by the enclosing component. Each layer
// that defines such classes registers them once (controls/ControlClasses.h for the library).

#include "platform/core/VexExport.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace Vex {

// Makes a new component owned by Owner, or returns nullptr when Owner cannot hold one (a
// visual control needs a widget to sit on).
using TComponentFactory = std::function<QObject *(QObject *Owner)>;

// Registers (or replaces) the factory of ClassName, the name control files use, whose
// components have the meta-object Class.
VEX_EXPORT void RegisterComponentClass(const QString &ClassName, const QMetaObject &Class,
                                       TComponentFactory Factory);
VEX_EXPORT bool IsComponentClassRegistered(const QString &ClassName);
// Every registered class name, in alphabetical order.
VEX_EXPORT QStringList RegisteredComponentClasses();
// The meta-object of the registered class ClassName, or nullptr.
VEX_EXPORT const QMetaObject *ComponentClass(const QString &ClassName);
// A new component of the registered class ClassName owned by Owner, or nullptr when the class
// is unknown or Owner cannot hold it.
VEX_EXPORT QObject *CreateComponent(const QString &ClassName, QObject *Owner);

// Registers T under its control-file name: T(QWidget *) for widgets, T(QObject *) otherwise.
template <class T> void RegisterComponentClass(const QString &ClassName) {
    if constexpr (std::is_base_of_v<QWidget, T>) {
        RegisterComponentClass(ClassName, T::staticMetaObject, [](QObject *Owner) -> QObject * {
            QWidget *Parent = qobject_cast<QWidget *>(Owner);
            return Parent ? new T(Parent) : nullptr;
        });
    } else {
        RegisterComponentClass(ClassName, T::staticMetaObject,
                               [](QObject *Owner) -> QObject * { return new T(Owner); });
    }
}

} // namespace Vex
