#include "demo/VexComponentsDemo_Database.h"
#include "platform/core/Errors.h"
#include "platform/data/VexTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace Vex {

namespace {
class SampleDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("VEXDEMO_DATABASE", FileName().toUtf8()); }
    void TearDown() override { qunsetenv("VEXDEMO_DATABASE"); }

    QString FileName() const { return FDir.filePath(QStringLiteral("sub/demo.sqlite")); }

    static int Count(const QString &Table) {
        QSqlQuery Query(QStringLiteral("SELECT COUNT(*) FROM ") + Table, SampleDatabase());
        return Query.next() ? Query.value(0).toInt() : -1;
    }

private:
    QTemporaryDir FDir;
};

TEST_F(SampleDatabaseTest, IsMadeOnFirstUseWithItsTablesAndConstraint) {
    EXPECT_FALSE(QFile::exists(FileName()));
    EXPECT_TRUE(SampleDatabaseAvailable());
    EXPECT_TRUE(QFile::exists(FileName()));
    EXPECT_GE(Count(QStringLiteral("parts")), 30);
    EXPECT_GE(Count(QStringLiteral("employee")), 20);
    EXPECT_GE(Count(QStringLiteral("master")), 20);

    TVexTable Employee;
    Employee.SetDatabase(SampleDatabase());
    Employee.SetTableName(QStringLiteral("employee"));
    Employee.Open();
    const QVariant Salary = Employee.FieldValue(QStringLiteral("Salary"));
    try {
        Employee.SetFieldValue(QStringLiteral("Salary"), 100);
        ADD_FAILURE() << "a salary of 100 was accepted";
    } catch (const EVexError &Error) {
        EXPECT_EQ(Error.Message(), "Minimum Salary is $4,500.00");
    }
    EXPECT_EQ(Employee.FieldValue(QStringLiteral("Salary")), Salary);
}

TEST_F(SampleDatabaseTest, LeavesAFileThatIsNoDatabaseAlone) {
    QDir().mkpath(QFileInfo(FileName()).absolutePath());
    QFile File(FileName());
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(QByteArray(4096, 'x'));
    File.close();
    QString Reason;
    EXPECT_FALSE(SampleDatabaseAvailable(&Reason));
    EXPECT_FALSE(Reason.isEmpty());
    EXPECT_EQ(QFileInfo(FileName()).size(), 4096);
}
} // namespace

} // namespace Vex
