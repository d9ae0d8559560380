#include "demo/VexComponentsDemo_Database.h"

#include "platform/core/Errors.h"
#include "platform/data/VexTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace Vex {

namespace {
const QString KScript = QStringLiteral(":/demo/SampleDatabase.sql");

// The script's statements: comment lines dropped, split at each ';'.
QStringList ScriptStatements() {
    QFile File(KScript);
    if (!File.open(QIODevice::ReadOnly))
        throw EVexError(QStringLiteral("The sample database script %1 is missing").arg(KScript));
    static const QRegularExpression Comment(QStringLiteral("^\\s*--[^\n]*$"),
                                            QRegularExpression::MultilineOption);
    QString Script = QString::fromUtf8(File.readAll());
    Script.remove(Comment);
    QStringList Statements;
    for (const QString &Part : Script.split(QLatin1Char(';')))
        if (!Part.trimmed().isEmpty())
            Statements << Part.trimmed();
    return Statements;
}

// Runs the script in one transaction, so that a failure leaves no half-made tables.
void Populate(QSqlDatabase &Database) {
    const QStringList Statements = ScriptStatements();
    Database.transaction();
    QSqlQuery Query(Database);
    for (const QString &Statement : Statements) {
        if (!Query.exec(Statement)) {
            const QString Reason = Query.lastError().text();
            Database.rollback();
            throw EVexError(QStringLiteral("Cannot create the sample tables in %1: %2")
                                .arg(Database.databaseName(), Reason));
        }
    }
    if (!Database.commit())
        throw EVexError(QStringLiteral("Cannot create the sample tables in %1: %2")
                            .arg(Database.databaseName(), Database.lastError().text()));
}

// The connection, pointed at the current file name; a changed name closes the old file.
QSqlDatabase Connection(const QString &FileName) {
    const QString Name = QString::fromLatin1(SampleDatabaseConnection);
    QSqlDatabase Database = QSqlDatabase::contains(Name)
                                ? QSqlDatabase::database(Name, false)
                                : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
    if (Database.databaseName() != FileName) {
        Database.close();
        Database.setDatabaseName(FileName);
    }
    return Database;
}
} // namespace

QString SampleDatabaseFileName() {
    const QString Chosen = qEnvironmentVariable("VEXDEMO_DATABASE");
    if (!Chosen.isEmpty())
        return Chosen;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("dbdemos.sqlite"));
}

QStringList SampleTableNames() {
    return {QStringLiteral("parts"), QStringLiteral("employee"), QStringLiteral("master")};
}

QSqlDatabase SampleDatabase() {
    const QString FileName = SampleDatabaseFileName();
    QSqlDatabase Database = Connection(FileName);
    if (Database.isOpen())
        return Database;
    const QFileInfo Info(FileName);
    if (!QDir().mkpath(Info.absolutePath()))
        throw EVexError(QStringLiteral("Cannot create the folder %1").arg(Info.absolutePath()));
    const bool Existed = Info.exists();
    if (!Database.open())
        throw EVexError(QStringLiteral("Cannot open the sample database %1: %2")
                            .arg(FileName, Database.lastError().text()));
    if (Database.tables().isEmpty()) {
        try {
            Populate(Database);
        } catch (const EVexError &) {
            Database.close();
            if (!Existed)
                QFile::remove(FileName);
            throw;
        }
    }
    return Database;
}

bool SampleDatabaseAvailable(QString *Reason) {
    try {
        const QSqlDatabase Database = SampleDatabase();
        for (const QString &Name : SampleTableNames()) {
            TVexTable Table;
            Table.SetDatabase(Database);
            Table.SetTableName(Name);
            Table.Open();
        }
        return true;
    } catch (const EVexError &Error) {
        if (Reason)
            *Reason = Error.Message();
        return false;
    }
}

} // namespace Vex
