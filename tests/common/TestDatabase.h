#pragma once
// A real SQLite database file for data-binding tests: an employee table with a named CHECK
// constraint, made fresh in a temporary folder for each test.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

class TTestDatabase {
public:
    TTestDatabase() : FConnection(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        FDatabase = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnection);
        FDatabase.setDatabaseName(FileName());
        FDatabase.open();
        Exec("CREATE TABLE employee (EmpNo INTEGER PRIMARY KEY, LastName TEXT, Salary REAL, "
             "CONSTRAINT \"Minimum Salary is $4,500.00\" CHECK (Salary >= 4500))");
        Exec("INSERT INTO employee VALUES (1, 'Nelson', 40000)");
        Exec("INSERT INTO employee VALUES (2, 'Young', 55500)");
        Exec("INSERT INTO employee VALUES (3, 'Lambert', 25050)");
    }
    ~TTestDatabase() {
        FDatabase.close();
        FDatabase = QSqlDatabase();
        QSqlDatabase::removeDatabase(FConnection);
    }

    QSqlDatabase Database() const { return FDatabase; }
    QString FileName() const { return FDir.filePath(QStringLiteral("test.db")); }

    bool Exec(const char *Sql) { return QSqlQuery(FDatabase).exec(QString::fromUtf8(Sql)); }

    // Reads a value through a second, independent connection: what another program would see.
    QVariant ReadBack(const QString &Sql) const {
        const QString Name = FConnection + QStringLiteral("-check");
        QVariant Result;
        {
            QSqlDatabase Check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
            Check.setDatabaseName(FileName());
            if (Check.open()) {
                QSqlQuery Query(Sql, Check);
                if (Query.next())
                    Result = Query.value(0);
            }
            Check.close();
        }
        QSqlDatabase::removeDatabase(Name);
        return Result;
    }

private:
    QTemporaryDir FDir;
    QString FConnection;
    QSqlDatabase FDatabase;
};

#include "platform/core/Errors.h"
#include "platform/data/VexDataSource.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace Vex {

// The employee table of a fresh test database behind a data source (closed), with the
// application's error messages collected instead of shown.
struct TEmployeeTableTest : ::testing::Test {
    TTestDatabase Db;
    TVexTable Table;
    TVexDataSource Source;
    QStringList Errors;
    TErrorHandler Previous;

    void SetUp() override {
        Previous = SetApplicationErrorHandler([this](const QString &M) { Errors << M; });
        Table.SetDatabase(Db.Database());
        Table.SetTableName(QStringLiteral("employee"));
        Source.SetDataSet(&Table);
    }
    void TearDown() override { SetApplicationErrorHandler(Previous); }
};

} // namespace Vex
