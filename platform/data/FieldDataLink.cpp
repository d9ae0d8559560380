#include "platform/data/FieldDataLink.h"

#include "platform/core/Errors.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace Vex {

TFieldDataLink::TFieldDataLink(QObject *Owner) : QObject(Owner) {}

void TFieldDataLink::SetDataSource(TVexDataSource *Value) {
    if (Value == FDataSource)
        return;
    if (FDataSource)
        disconnect(FDataSource, nullptr, this, nullptr);
    FDataSource = Value;
    if (FDataSource) {
        connect(FDataSource, &TVexDataSource::DataChange, this, &TFieldDataLink::Notify);
        connect(FDataSource, &TVexDataSource::StateChange, this, &TFieldDataLink::Notify);
        connect(FDataSource, &QObject::destroyed, this, &TFieldDataLink::SourceChanged);
    }
    Notify();
}

void TFieldDataLink::SetFieldName(const QString &Value) {
    if (Value == FFieldName)
        return;
    FFieldName = Value;
    Notify();
}

void TFieldDataLink::SourceChanged() {
    if (OnSourceRemoved)
        OnSourceRemoved();
}

bool TFieldDataLink::HasField() const {
    TVexTable *Table = FDataSource ? FDataSource->DataSet() : nullptr;
    return Table && Table->Active() && Table->HasField(FFieldName);
}

void TFieldDataLink::Notify() {
    if (HasField() && OnDataChange)
        OnDataChange(this);
}

float TFieldDataLink::AsFloat() const {
    if (!HasField())
        return 0.0f;
    // A database may hold numbers no float can: they become the largest float of their sign
    // (converting them unclamped is undefined). NaN passes as NaN.
    const double Value = FDataSource->DataSet()->FieldValue(FFieldName).toDouble();
    return std::isnan(Value) ? float(Value)
                             : float(std::clamp(Value, -double(FLT_MAX), double(FLT_MAX)));
}

QString TFieldDataLink::AsString() const {
    return HasField() ? FDataSource->DataSet()->FieldValue(FFieldName).toString() : QString();
}

bool TFieldDataLink::Edit() {
    return HasField() && FDataSource->DataSet()->Edit();
}

QString TFieldDataLink::EditRefusal() const {
    if (!HasField())
        return QStringLiteral("Field '%1' is not bound to an open table").arg(FFieldName);
    return FDataSource->DataSet()->EditRefusal();
}

void TFieldDataLink::SetAsFloat(float Value) {
    if (!HasField())
        throw EVexError(EditRefusal());
    FDataSource->DataSet()->SetFieldValue(FFieldName, double(Value));
}

} // namespace Vex
