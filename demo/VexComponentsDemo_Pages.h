#pragma once
// The demonstration pages by class name. Each page unit registers its factory when the program
// starts, with a namespace-scope initialiser:
//
//     const auto Registration = RegisterDemoPage(QStringLiteral("TfrmGauge1"),
//                                                [](QWidget *Parent) { return new
//                                                TfrmGauge1(Parent); });
//
// The program links the whole demo library so that every page unit's initialiser runs. A menu
// entry whose page has not been registered stays inert.

#include <QString>
#include <QWidget>
#include <functional>

namespace Vex {

using TDemoPageFactory = std::function<QWidget *(QWidget *Parent)>;

// Registers Factory under ClassName, or removes the registration when Factory is empty, and
// returns the factory it replaced (empty when there was none), so a test can put it back.
TDemoPageFactory RegisterDemoPage(const QString &ClassName, TDemoPageFactory Factory);

bool DemoPageRegistered(const QString &ClassName);

// A new page of ClassName on Parent; null when no such page is registered.
QWidget *CreateDemoPage(const QString &ClassName, QWidget *Parent);

} // namespace Vex
