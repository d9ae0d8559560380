#include "platform/data/VexDBGrid.h"

#include <QSqlTableModel>

namespace Vex {

TVexDBGrid::TVexDBGrid(QWidget *Parent) : QTableView(Parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TVexDBGrid::SetDataSource(TVexDataSource *Value) {
    if (FDataSource)
        disconnect(FDataSource, nullptr, this, nullptr);
    FDataSource = Value;
    if (FDataSource) {
        connect(FDataSource, &TVexDataSource::StateChange, this, &TVexDBGrid::Attach);
        connect(FDataSource, &TVexDataSource::DataChange, this, &TVexDBGrid::FollowRecord);
    }
    Attach();
}

void TVexDBGrid::Attach() {
    TVexTable *Table = FDataSource ? FDataSource->DataSet() : nullptr;
    QSqlTableModel *Model = Table && Table->Active() ? Table->Model() : nullptr;
    if (model() != Model) {
        setModel(Model);
        // A write reloads the model; the current row must come back with it.
        if (Model)
            connect(Model, &QAbstractItemModel::modelReset, this, &TVexDBGrid::FollowRecord);
    }
    FollowRecord();
}

void TVexDBGrid::FollowRecord() {
    TVexTable *Table = FDataSource ? FDataSource->DataSet() : nullptr;
    if (!model() || !Table || Table->RecNo() < 0)
        return;
    const int Column = currentIndex().isValid() ? currentIndex().column() : 0;
    if (currentIndex().row() == Table->RecNo())
        return;
    FFollowing = true;
    setCurrentIndex(model()->index(Table->RecNo(), Column));
    FFollowing = false;
}

void TVexDBGrid::currentChanged(const QModelIndex &Current, const QModelIndex &Previous) {
    QTableView::currentChanged(Current, Previous);
    TVexTable *Table = FDataSource ? FDataSource->DataSet() : nullptr;
    if (!FFollowing && Table && Current.isValid())
        Table->SetRecNo(Current.row());
}

} // namespace Vex
