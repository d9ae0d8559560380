#include "platform/data/VexDataSource.h"

namespace Vex {

TVexDataSource::TVexDataSource(QObject *Owner) : QObject(Owner) {}

void TVexDataSource::SetDataSet(TVexTable *Value) {
    if (Value == FDataSet)
        return;
    if (FDataSet)
        disconnect(FDataSet, nullptr, this, nullptr);
    FDataSet = Value;
    if (FDataSet) {
        connect(FDataSet, &TVexTable::DataChange, this, &TVexDataSource::DataChange);
        connect(FDataSet, &TVexTable::StateChange, this, &TVexDataSource::StateChange);
        connect(FDataSet, &QObject::destroyed, this, &TVexDataSource::StateChange);
    }
    emit StateChange();
}

} // namespace Vex
