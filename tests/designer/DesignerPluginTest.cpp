// The Designer plugin as Designer and Qt's form loader use it: loaded from its file, with no
// link to the library, so everything is reached through the plugin and the meta-object system.

#include <QBuffer>
#include <QCoreApplication>
#include <QDesignerFormEditorInterface>
#include <QFile>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

namespace {
QDesignerCustomWidgetCollectionInterface *Collection() {
    static QPluginLoader Loader(QStringLiteral(VEX_DESIGNER_PLUGIN));
    QObject *Instance = Loader.instance();
    EXPECT_NE(Instance, nullptr) << qPrintable(Loader.errorString());
    return qobject_cast<QDesignerCustomWidgetCollectionInterface *>(Instance);
}

QObject *FrameTimer() {
    return QCoreApplication::instance()->findChild<QObject *>(QStringLiteral("VBlankTimer"),
                                                              Qt::FindDirectChildrenOnly);
}
} // namespace

TEST(DesignerPlugin, OffersEveryControlInOneGroupAndDesignerMakesThemDesigning) {
    QDesignerCustomWidgetCollectionInterface *Plugin = Collection();
    ASSERT_NE(Plugin, nullptr);
    const QStringList Expected = {
        QStringLiteral("Vex::TVexGauge"),         QStringLiteral("Vex::TVexKnob"),
        QStringLiteral("Vex::TVexLCD"),           QStringLiteral("Vex::TVexMatrix"),
        QStringLiteral("Vex::TVexCylinderGauge"), QStringLiteral("Vex::TVexSlider"),
        QStringLiteral("Vex::TVexButton"),        QStringLiteral("Vex::TVexDBLabel")};
    QStringList Names;
    QDesignerFormEditorInterface Core;
    for (QDesignerCustomWidgetInterface *Widget : Plugin->customWidgets()) {
        Names << Widget->name();
        EXPECT_EQ(Widget->group(), QStringLiteral("VexComponents"));
        EXPECT_FALSE(Widget->toolTip().isEmpty());
        EXPECT_FALSE(Widget->icon().isNull()) << qPrintable(Widget->name());
        EXPECT_TRUE(Widget->domXml().contains(Widget->name()));
        Widget->initialize(&Core);
        QWidget Form;
        std::unique_ptr<QWidget> Control(Widget->createWidget(&Form));
        ASSERT_NE(Control, nullptr);
        EXPECT_EQ(Control->parentWidget(), &Form);
        EXPECT_EQ(QString::fromLatin1(Control->metaObject()->className()), Widget->name());
    }
    for (const QString &Name : Expected)
        EXPECT_TRUE(Names.contains(Name)) << qPrintable(Name);
    // Designing controls never start the animation timer.
    EXPECT_EQ(FrameTimer(), nullptr);
}

TEST(DesignerPlugin, FormLoaderBuildsAFormOfControlsWithTheFilesProperties) {
    QUiLoader Loader;
    Loader.clearPluginPaths();
    Loader.addPluginPath(QStringLiteral(VEX_DESIGNER_PLUGIN_DIR));
    EXPECT_TRUE(Loader.availableWidgets().contains(QStringLiteral("Vex::TVexGauge")));
    QFile File(QStringLiteral(VEX_TEST_UI));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> Form(Loader.load(&File));
    ASSERT_NE(Form, nullptr) << qPrintable(Loader.errorString());
    QObject *Gauge = Form->findChild<QObject *>(QStringLiteral("vexGauge"));
    ASSERT_NE(Gauge, nullptr);
    EXPECT_FLOAT_EQ(Gauge->property("Max").toFloat(), 250.0f);
    EXPECT_EQ(Gauge->property("UnitString").toString(), QStringLiteral("km/h"));
    EXPECT_EQ(Gauge->property("Width").toInt(), 200);
    QObject *Button = Form->findChild<QObject *>(QStringLiteral("vexButton"));
    ASSERT_NE(Button, nullptr);
    EXPECT_EQ(Button->property("Caption").toString(), QStringLiteral("Start"));
}

} // namespace Vex
