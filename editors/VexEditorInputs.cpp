#include "editors/VexEditorInputs.h"

#include "platform/data/VexDataSource.h"
#include "platform/format/FloatFormat.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>
#include <charconv>
#include <cmath>

namespace Vex {

namespace {
// Refuses key presses that would type a character outside its set.
class TCharacterFilter : public QObject {
public:
    TCharacterFilter(QObject *Parent, const QString &Allowed)
        : QObject(Parent), FAllowed(Allowed) {}

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() != QEvent::KeyPress)
            return QObject::eventFilter(Watched, Event);
        const auto *Key = static_cast<QKeyEvent *>(Event);
        // Shortcuts and editing keys type nothing printable.
        if (Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        for (const QChar C : Key->text())
            if (C.isPrint() && !FAllowed.contains(C))
                return true;
        return false;
    }

private:
    QString FAllowed;
};
} // namespace

TVexEditorPanel::TVexEditorPanel(QWidget *Parent) : QFrame(Parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
}

void TVexEditorPanel::SetColor(TColor Value) {
    FColor = Value;
    update();
}

void TVexEditorPanel::SetCaption(const QString &Value) {
    FCaption = Value;
    update();
}

void TVexEditorPanel::paintEvent(QPaintEvent *Event) {
    {
        QPainter Painter(this);
        Painter.fillRect(contentsRect(), ToQColor(ColorToRGB(FColor)));
        if (!FCaption.isEmpty()) {
            Painter.setPen(palette().color(QPalette::WindowText));
            Painter.drawText(contentsRect(), Qt::AlignCenter, FCaption);
        }
    }
    QFrame::paintEvent(Event);
}

void TVexEditorPanel::mousePressEvent(QMouseEvent *Event) {
    FPressed = Event->button() == Qt::LeftButton;
}

void TVexEditorPanel::mouseReleaseEvent(QMouseEvent *Event) {
    const bool Clicked = FPressed && Event->button() == Qt::LeftButton &&
                         rect().contains(Event->position().toPoint());
    FPressed = false;
    if (Clicked)
        emit Click(this);
}

std::optional<float> TextToFloat(const QString &Text) {
    const QString Separator = QRegularExpression::escape(QString(DecimalSeparator()));
    const QRegularExpression Number(
        QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?$").arg(Separator));
    QString Trimmed = Text.trimmed();
    if (!Number.match(Trimmed).hasMatch())
        return std::nullopt;
    Trimmed.replace(DecimalSeparator(), QLatin1Char('.'));
    bool Ok = false;
    const float Value = float(Trimmed.toDouble(&Ok));
    if (!Ok || !std::isfinite(Value))
        return std::nullopt;
    return Value;
}

QString FloatText(float Value) {
    if (!std::isfinite(Value))
        return FloatToStr(Value);
    // The float's shortest decimal digits, read back as the double they name: FloatToStr then
    // writes those digits and no more.
    char Buffer[32];
    const std::to_chars_result Written = std::to_chars(Buffer, Buffer + sizeof Buffer, Value);
    double Shortest = 0;
    std::from_chars(Buffer, Written.ptr, Shortest);
    return FloatToStr(Shortest);
}

void AllowOnlyCharacters(QLineEdit *Edit, const QString &Allowed) {
    Edit->installEventFilter(new TCharacterFilter(Edit, Allowed));
}

namespace {
// The type name of a field that holds a number a control can show; nothing for other fields.
const char *NumericFieldType(QMetaType Type) {
    switch (Type.id()) {
    case QMetaType::Short:
        return "ftSmallint";
    case QMetaType::Int:
        return "ftInteger";
    case QMetaType::UShort:
        return "ftWord";
    case QMetaType::Float:
    case QMetaType::Double:
        return "ftFloat";
    default:
        return nullptr;
    }
}
} // namespace

std::vector<TFieldDescription> NumericFields(const TVexDataSource *Source) {
    std::vector<TFieldDescription> Fields;
    const TVexTable *Table = Source ? Source->DataSet() : nullptr;
    if (!Table || !Table->Database().isOpen())
        return Fields;
    const QSqlRecord Record = Table->Database().record(Table->TableName());
    for (int I = 0; I < Record.count(); ++I)
        if (const char *Type = NumericFieldType(Record.field(I).metaType()))
            Fields.push_back({Record.fieldName(I), QLatin1String(Type)});
    return Fields;
}

} // namespace Vex
