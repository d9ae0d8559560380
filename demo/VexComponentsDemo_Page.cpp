#include "demo/VexComponentsDemo_Page.h"

#include "demo/VexComponentsDemo_Widgets.h"
#include "platform/core/Maths.h"
#include "platform/streaming/ComponentStream.h"

#include <QFile>
#include <cmath>

namespace Vex {

namespace {
TModalRunner &ModalRunner() {
    static TModalRunner Run;
    return Run;
}
} // namespace

TDemoPage::TDemoPage(QWidget *Parent) : QFrame(Parent) {
    SetColor(FColor);
}

void TDemoPage::SetColor(TColor Value) {
    FColor = Value;
    SetBackground(this, Value);
}

void TDemoPage::Build() {
    RegisterDemoClasses();
    const QString ClassName = ComponentClassName(*metaObject());
    setObjectName(ClassName);
    const QString Source = QStringLiteral(":/pages/%1.page").arg(ClassName);
    QFile File(Source);
    if (!File.open(QIODevice::ReadOnly))
        throw EVexError(QStringLiteral("The page description %1 is missing").arg(Source));
    // Descriptions are Latin-1, as control files are; other characters are written as codes.
    ReadComponentDescription(*this, QString::fromLatin1(File.readAll()), Source);
    FormCreate();
    for (TTable *Table : findChildren<TTable *>())
        Table->OpenIfActive();
    DockChildren(this);
}

void TDemoPage::resizeEvent(QResizeEvent *Event) {
    QFrame::resizeEvent(Event);
    DockChildren(this);
}

void TDemoPage::MissingComponent(const QString &Name) const {
    throw EVexError(QStringLiteral("%1 has no component '%2'").arg(objectName(), Name));
}

float RandomDemoValue(float Min, float Max) {
    return float(Random(Round((std::fabs(double(Min)) + Max) * 1000)) * 0.001 + Min);
}

TModalRunner SetModalRunner(TModalRunner Run) {
    TModalRunner Previous = std::move(ModalRunner());
    ModalRunner() = std::move(Run);
    return Previous;
}

void ShowModal(QDialog &Dialog) {
    if (ModalRunner())
        ModalRunner()(Dialog);
    else
        Dialog.exec();
}

} // namespace Vex
