#include "platform/streaming/ComponentRegistry.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

TEST(ComponentRegistry, CreatesRegisteredClassesOwnedByTheirOwner) {
    RegisterComponentClass<QWidget>(QStringLiteral("TRegistryWidget"));
    RegisterComponentClass<QObject>(QStringLiteral("TRegistryObject"));
    QWidget Form;
    QObject *Widget = CreateComponent(QStringLiteral("TRegistryWidget"), &Form);
    ASSERT_NE(Widget, nullptr);
    EXPECT_EQ(Widget->parent(), &Form);
    EXPECT_TRUE(Widget->isWidgetType());
    QObject *Plain = CreateComponent(QStringLiteral("TRegistryObject"), &Form);
    ASSERT_NE(Plain, nullptr);
    EXPECT_EQ(Plain->parent(), &Form);
}

TEST(ComponentRegistry, UnknownClassesAndWidgetsWithoutAWidgetOwnerGiveNothing) {
    RegisterComponentClass<QWidget>(QStringLiteral("TRegistryWidget"));
    QObject Owner;
    EXPECT_EQ(CreateComponent(QStringLiteral("TRegistryWidget"), &Owner), nullptr);
    EXPECT_EQ(CreateComponent(QStringLiteral("TNoSuchClass"), &Owner), nullptr);
    EXPECT_FALSE(IsComponentClassRegistered(QStringLiteral("TNoSuchClass")));
    EXPECT_TRUE(Owner.children().isEmpty());
}

} // namespace Vex
