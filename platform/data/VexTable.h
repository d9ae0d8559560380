#pragma once
// A database table with a current record, on any Qt SQL connection. Record moves and field
// writes notify through DataChange; a field write goes to the database at once, and a write the
// database refuses raises an error carrying the database's reason while the record keeps its
// last good value.

#include "platform/core/VexExport.h"
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <memory>

class QSqlTableModel;

namespace Vex {

class VEX_EXPORT TVexTable : public QObject {
    Q_OBJECT

public:
    explicit TVexTable(QObject *Owner = nullptr);
    ~TVexTable() override;

    void SetDatabase(const QSqlDatabase &Database);
    QSqlDatabase Database() const { return FDatabase; }
    QString TableName() const { return FTableName; }
    void SetTableName(const QString &Name);
    // A read-only table refuses to enter edit mode.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    // Opens the table and moves to its first record; a missing table or a database that cannot
    // be read raises EVexError with the reason.
    void Open();
    void Close();
    bool Active() const;

    int RecordCount() const;
    // The current record, 0-based; -1 for an empty or closed table.
    int RecNo() const { return FRecNo; }
    void SetRecNo(int Value);
    void First() { SetRecNo(0); }
    void Last() { SetRecNo(RecordCount() - 1); }
    void Next() { SetRecNo(FRecNo + 1); }
    void Prior() { SetRecNo(FRecNo - 1); }

    bool HasField(const QString &Name) const;
    QVariant FieldValue(const QString &Name) const;
    // Whether the current record may be changed; when not, EditRefusal() says why.
    bool Edit();
    QString EditRefusal() const { return FEditRefusal; }
    // Writes the field of the current record to the database at once.
    void SetFieldValue(const QString &Name, const QVariant &Value);

    // The model the grid shows; its edits are written at once like SetFieldValue's.
    QSqlTableModel *Model() const;

signals:
    // The current record moved, or a field of it may have changed.
    void DataChange();
    // The table was opened (bound controls then read their fields) or closed.
    void StateChange();

private:
    friend class TVexSqlModel;
    bool WriteCell(int Row, int Column, const QVariant &Value, QString &Error);
    void FetchAll() const;

    QSqlDatabase FDatabase;
    QString FTableName;
    bool FReadOnly = false;
    int FRecNo = -1;
    QString FEditRefusal;
    std::unique_ptr<QSqlTableModel> FModel;
};

} // namespace Vex
