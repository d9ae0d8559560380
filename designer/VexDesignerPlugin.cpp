#include "VexDesignerPlugin.h"

#include <QPixmap>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace Vex {

namespace {
constexpr int KIconSize = 32;
} // namespace

TVexDesignerWidgetInterface::TVexDesignerWidgetInterface(const TDesignerWidget &Widget,
                                                         QObject *Parent)
    : QObject(Parent), FWidget(Widget) {}

QString TVexDesignerWidgetInterface::name() const {
    return QStringLiteral("Vex::") + FWidget.ClassName;
}

QString TVexDesignerWidgetInterface::group() const {
    return QStringLiteral("VexComponents");
}

QString TVexDesignerWidgetInterface::toolTip() const {
    return FWidget.ToolTip;
}

QString TVexDesignerWidgetInterface::whatsThis() const {
    return FWidget.WhatsThis;
}

QString TVexDesignerWidgetInterface::includeFile() const {
    return FWidget.Include;
}

void TVexDesignerWidgetInterface::initialize(QDesignerFormEditorInterface *Core) {
    // Designer hands its form editor; a form loader at run time hands none (or never calls).
    FDesigning = Core != nullptr;
    FInitialized = true;
}

QWidget *TVexDesignerWidgetInterface::Create(QWidget *Parent, bool Designing) const {
    if (!Designing)
        return FWidget.Create(Parent);
    // Controls learn that they sit on a design surface from their parent when they are made.
    // A staging parent carries the mark, so nothing is added to the form being edited.
    QWidget Staging;
    Staging.setProperty("VexDesigning", true);
    QWidget *Control = FWidget.Create(&Staging);
    Control->setParent(Parent);
    return Control;
}

QWidget *TVexDesignerWidgetInterface::createWidget(QWidget *Parent) {
    return Create(Parent, FDesigning);
}

QIcon TVexDesignerWidgetInterface::icon() const {
    // The control draws its own icon: a designing one at rest, reduced to the icon's size.
    if (FIcon.isNull()) {
        QWidget Host;
        QWidget *Control = Create(&Host, true);
        // Placing the control selects its pictures (a gauge its face).
        Control->setProperty("Left", 0);
        for (const auto &[Name, Value] : FWidget.Sample)
            Control->setProperty(Name, Value);
        const QPixmap Picture = Control->grab();
        FIcon = QIcon(
            Picture.scaled(KIconSize, KIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return FIcon;
}

QString TVexDesignerWidgetInterface::domXml() const {
    QWidget Host;
    const QWidget *Control = Create(&Host, true);
    QString Name = FWidget.ClassName.mid(1); // "VexGauge"
    Name[0] = Name[0].toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          "  <property name=\"toolTip\"><string>%5</string></property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(name(), Name)
        .arg(Control->width())
        .arg(Control->height())
        .arg(FWidget.ToolTip);
}

TVexDesignerPlugin::TVexDesignerPlugin(QObject *Parent) : QObject(Parent) {
    for (const TDesignerWidget &Widget : DesignerWidgets())
        FWidgets.append(new TVexDesignerWidgetInterface(Widget, this));
}

} // namespace Vex
