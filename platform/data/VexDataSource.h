#pragma once
// Connects data-aware controls to a table: relays its record moves and field changes.

#include "platform/core/VexExport.h"
#include "platform/data/VexTable.h"

#include <QObject>
#include <QPointer>

namespace Vex {

class VEX_EXPORT TVexDataSource : public QObject {
    Q_OBJECT

public:
    explicit TVexDataSource(QObject *Owner = nullptr);

    TVexTable *DataSet() const { return FDataSet; }
    void SetDataSet(TVexTable *Value);

signals:
    void DataChange();
    // The table was assigned, opened or closed.
    void StateChange();

private:
    QPointer<TVexTable> FDataSet;
};

} // namespace Vex
