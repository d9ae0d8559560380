#pragma once
// The Qt Designer plugin: a collection with one interface per control. Controls made while
// Designer edits a form are designing (no animation, design frame, immediate re-rendering);
// controls made by a form loader at run time are ordinary, running controls.

#include "VexDesignerWidgets.h"

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace Vex {

class TVexDesignerWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TVexDesignerWidgetInterface(const TDesignerWidget &Widget, QObject *Parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *Parent) override;
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface *Core) override;
    QString domXml() const override;

private:
    QWidget *Create(QWidget *Parent, bool Designing) const;

    const TDesignerWidget &FWidget;
    bool FInitialized = false;
    bool FDesigning = false;
    mutable QIcon FIcon;
};

class TVexDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TVexDesignerPlugin(QObject *Parent = nullptr);
    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface *> FWidgets;
};

} // namespace Vex
