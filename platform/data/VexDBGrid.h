#pragma once
// A grid on the table behind a data source: its current row is the table's current record, and
// edits in its cells are written to the database at once.

#include "platform/core/VexExport.h"
#include "platform/data/VexDataSource.h"

#include <QPointer>
#include <QTableView>

namespace Vex {

class VEX_EXPORT TVexDBGrid : public QTableView {
    Q_OBJECT

public:
    explicit TVexDBGrid(QWidget *Parent = nullptr);

    TVexDataSource *DataSource() const { return FDataSource; }
    void SetDataSource(TVexDataSource *Value);

protected:
    void currentChanged(const QModelIndex &Current, const QModelIndex &Previous) override;

private:
    void Attach();
    void FollowRecord();

    QPointer<TVexDataSource> FDataSource;
    bool FFollowing = false;
};

} // namespace Vex
