#include "platform/data/VexTable.h"

#include "platform/core/Errors.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace Vex {

// Edits from any view are written at once; a refused one is reported and undone.
class TVexSqlModel : public QSqlTableModel {
public:
    TVexSqlModel(TVexTable *Table, const QSqlDatabase &Database)
        : QSqlTableModel(nullptr, Database), FTable(Table) {
        setEditStrategy(OnManualSubmit);
    }

    bool setData(const QModelIndex &Index, const QVariant &Value, int Role) override {
        if (Role != Qt::EditRole)
            return QSqlTableModel::setData(Index, Value, Role);
        QString Error;
        if (FTable->WriteCell(Index.row(), Index.column(), Value, Error))
            return true;
        ApplicationShowError(Error);
        return false;
    }

    Qt::ItemFlags flags(const QModelIndex &Index) const override {
        Qt::ItemFlags F = QSqlTableModel::flags(Index);
        return FTable->ReadOnly() ? F & ~Qt::ItemIsEditable : F;
    }

    bool SetCell(const QModelIndex &Index, const QVariant &Value) {
        return QSqlTableModel::setData(Index, Value, Qt::EditRole);
    }

private:
    TVexTable *FTable;
};

namespace {
// The message a user should read for a refused write: a named CHECK constraint's own text
// (SQLite: "CHECK constraint failed: <name>", PostgreSQL: "... check constraint \"<name>\"").
QString UserMessage(const QSqlError &Error) {
    const QString Text = Error.databaseText().isEmpty() ? Error.text() : Error.databaseText();
    static const QRegularExpression SQLiteCheck(QStringLiteral("CHECK constraint failed: (.+)$"));
    static const QRegularExpression PostgresCheck(QStringLiteral("check constraint \"([^\"]+)\""));
    for (const QRegularExpression *Pattern : {&SQLiteCheck, &PostgresCheck}) {
        const QRegularExpressionMatch Match = Pattern->match(Text);
        if (Match.hasMatch())
            return Match.captured(1).trimmed();
    }
    return Text;
}
} // namespace

TVexTable::TVexTable(QObject *Owner) : QObject(Owner) {}

TVexTable::~TVexTable() = default;

void TVexTable::SetDatabase(const QSqlDatabase &Database) {
    Close();
    FDatabase = Database;
}

void TVexTable::SetTableName(const QString &Name) {
    Close();
    FTableName = Name;
}

void TVexTable::Open() {
    if (Active())
        return;
    if (!FDatabase.isOpen() && !FDatabase.open())
        throw EVexError(
            QStringLiteral("Cannot open the database: %1").arg(FDatabase.lastError().text()));
    if (!FDatabase.tables().contains(FTableName, Qt::CaseInsensitive))
        throw EVexError(QStringLiteral("Table '%1' does not exist").arg(FTableName));
    auto Model = std::make_unique<TVexSqlModel>(this, FDatabase);
    Model->setTable(FTableName);
    // A stable order keeps the current record in place when the model reloads after a write.
    const QSqlIndex Key = Model->primaryKey();
    if (!Key.isEmpty())
        Model->setSort(Model->fieldIndex(Key.fieldName(0)), Qt::AscendingOrder);
    if (!Model->select())
        throw EVexError(QStringLiteral("Cannot read table '%1': %2")
                            .arg(FTableName, UserMessage(Model->lastError())));
    FModel = std::move(Model);
    FetchAll();
    FRecNo = FModel->rowCount() > 0 ? 0 : -1;
    emit StateChange();
}

void TVexTable::Close() {
    if (!FModel)
        return;
    FModel.reset();
    FRecNo = -1;
    emit StateChange();
}

bool TVexTable::Active() const {
    return FModel != nullptr;
}

QSqlTableModel *TVexTable::Model() const {
    return FModel.get();
}

void TVexTable::FetchAll() const {
    while (FModel && FModel->canFetchMore())
        FModel->fetchMore();
}

int TVexTable::RecordCount() const {
    if (!FModel)
        return 0;
    FetchAll();
    return FModel->rowCount();
}

void TVexTable::SetRecNo(int Value) {
    const int Count = RecordCount();
    if (Count == 0)
        return;
    Value = qBound(0, Value, Count - 1);
    if (Value == FRecNo)
        return;
    FRecNo = Value;
    emit DataChange();
}

bool TVexTable::HasField(const QString &Name) const {
    return FModel && FModel->record().indexOf(Name) >= 0;
}

QVariant TVexTable::FieldValue(const QString &Name) const {
    if (!FModel || FRecNo < 0)
        return {};
    const int Column = FModel->record().indexOf(Name);
    return Column < 0 ? QVariant() : FModel->data(FModel->index(FRecNo, Column), Qt::EditRole);
}

bool TVexTable::Edit() {
    if (!Active() || FRecNo < 0)
        FEditRefusal = QStringLiteral("Table '%1' has no current record to edit").arg(FTableName);
    else if (FReadOnly)
        FEditRefusal = QStringLiteral("Cannot modify a read-only table: '%1'").arg(FTableName);
    else
        FEditRefusal.clear();
    return FEditRefusal.isEmpty();
}

void TVexTable::SetFieldValue(const QString &Name, const QVariant &Value) {
    if (!Edit())
        throw EVexError(FEditRefusal);
    const int Column = FModel->record().indexOf(Name);
    if (Column < 0)
        throw EVexError(QStringLiteral("Field '%1' not found in table '%2'").arg(Name, FTableName));
    QString Error;
    if (!WriteCell(FRecNo, Column, Value, Error))
        throw EVexError(Error);
}

bool TVexTable::WriteCell(int Row, int Column, const QVariant &Value, QString &Error) {
    if (FReadOnly) {
        Error = QStringLiteral("Cannot modify a read-only table: '%1'").arg(FTableName);
        return false;
    }
    auto *Model = static_cast<TVexSqlModel *>(FModel.get());
    const bool Written = Model->SetCell(Model->index(Row, Column), Value) && Model->submitAll();
    if (!Written) {
        Error = UserMessage(Model->lastError());
        if (Error.isEmpty())
            Error =
                QStringLiteral("Cannot write field %1 of table '%2'").arg(Column).arg(FTableName);
        Model->revertAll();
    }
    // Reloading after a write (or an undo) may drop the lazily fetched rows.
    FetchAll();
    // Either way the record's stored value may differ from what the controls show.
    emit DataChange();
    return Written;
}

} // namespace Vex
