#pragma once
// The sample database the data pages show: an SQLite file made on first use from the
// demonstration's own script (tables parts, employee and master, with invented rows), kept in
// the application's data folder or wherever VEXDEMO_DATABASE names.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Vex {

// The connection the data pages open their tables on.
inline constexpr const char *SampleDatabaseConnection = "DBDEMOS";

// VEXDEMO_DATABASE when set, else "dbdemos.sqlite" in the application's data folder.
QString SampleDatabaseFileName();

// The tables every data page may open.
QStringList SampleTableNames();

// The open sample connection; the file and its tables are made when the database holds no
// table yet. A database that cannot be opened or filled raises EVexError with the reason, and
// a file that this call made in vain is removed again.
QSqlDatabase SampleDatabase();

// Whether the database and each sample table can be opened; Reason, when given, receives why
// not.
bool SampleDatabaseAvailable(QString *Reason = nullptr);

} // namespace Vex
