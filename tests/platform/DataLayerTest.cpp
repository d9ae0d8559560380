#include "TestDatabase.h"
#include "platform/core/Errors.h"
#include "platform/data/FieldDataLink.h"
#include "platform/data/VexDBGrid.h"

#include <QSqlTableModel>
#include <cfloat>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

using DataLayer = TEmployeeTableTest;

TEST_F(DataLayer, LinkReportsRecordMovesOnlyWhenBound) {
    TFieldDataLink Link;
    int Changes = 0;
    Link.OnDataChange = [&](TFieldDataLink *) { ++Changes; };
    Link.SetDataSource(&Source);
    Link.SetFieldName(QStringLiteral("Salary"));
    EXPECT_EQ(Changes, 0); // the table is closed
    Table.Open();
    EXPECT_EQ(Changes, 1);
    EXPECT_FLOAT_EQ(Link.AsFloat(), 40000);
    Table.Next();
    EXPECT_EQ(Changes, 2);
    EXPECT_FLOAT_EQ(Link.AsFloat(), 55500);
    Table.Last();
    Table.Next(); // already at the end: no move, no notice
    EXPECT_EQ(Changes, 3);
    Link.SetFieldName(QStringLiteral("NoSuchField"));
    Table.First();
    EXPECT_EQ(Changes, 3);
    EXPECT_FALSE(Link.HasField());
}

TEST_F(DataLayer, NumbersBeyondAFloatReadAsTheLargestFloat) {
    TFieldDataLink Link;
    Link.SetDataSource(&Source);
    Link.SetFieldName(QStringLiteral("Salary"));
    Table.Open();
    Table.SetFieldValue(QStringLiteral("Salary"), 1e300);
    EXPECT_EQ(Link.AsFloat(), FLT_MAX);
    // Salaries are held positive; a text field reads as its number.
    Link.SetFieldName(QStringLiteral("LastName"));
    Table.SetFieldValue(QStringLiteral("LastName"), QStringLiteral("-1e300"));
    EXPECT_EQ(Link.AsFloat(), -FLT_MAX);
}

TEST_F(DataLayer, WritesReachTheFileAtOnce) {
    Table.Open();
    Table.SetRecNo(1);
    Table.SetFieldValue(QStringLiteral("Salary"), 61000.0);
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 2")).toDouble(),
              61000.0);
    EXPECT_EQ(Table.RecNo(), 1);
    EXPECT_EQ(Table.FieldValue(QStringLiteral("Salary")).toDouble(), 61000.0);
}

TEST_F(DataLayer, ConstraintMessageReachesTheUserAndOldValueStays) {
    Table.Open();
    try {
        Table.SetFieldValue(QStringLiteral("Salary"), 100.0);
        FAIL() << "the constraint should refuse the value";
    } catch (const EVexError &E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Minimum Salary is $4,500.00"));
    }
    EXPECT_EQ(Table.FieldValue(QStringLiteral("Salary")).toDouble(), 40000.0);
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 1")).toDouble(),
              40000.0);
}

TEST_F(DataLayer, ReadOnlyTableRefusesEdits) {
    Table.SetReadOnly(true);
    Table.Open();
    EXPECT_FALSE(Table.Edit());
    EXPECT_TRUE(Table.EditRefusal().contains(QStringLiteral("read-only")));
    EXPECT_THROW(Table.SetFieldValue(QStringLiteral("Salary"), 9000.0), EVexError);
}

TEST_F(DataLayer, MissingTableIsAClearError) {
    TVexTable Missing;
    Missing.SetDatabase(Db.Database());
    Missing.SetTableName(QStringLiteral("parts"));
    try {
        Missing.Open();
        FAIL();
    } catch (const EVexError &E) {
        EXPECT_TRUE(E.Message().contains(QStringLiteral("parts")));
    }
    EXPECT_FALSE(Missing.Active());
}

TEST_F(DataLayer, DestroyedSourceIsReported) {
    auto Owned = std::make_unique<TVexDataSource>();
    Owned->SetDataSet(&Table);
    TFieldDataLink Link;
    bool Removed = false;
    Link.OnSourceRemoved = [&] { Removed = true; };
    Link.SetDataSource(Owned.get());
    Owned.reset();
    EXPECT_TRUE(Removed);
    EXPECT_EQ(Link.DataSource(), nullptr);
}

TEST_F(DataLayer, GridRowIsTheCurrentRecordAndItsEditsAreWritten) {
    Table.Open();
    TVexDBGrid Grid;
    Grid.SetDataSource(&Source);
    int Changes = 0;
    QObject::connect(&Source, &TVexDataSource::DataChange, [&] { ++Changes; });
    Grid.setCurrentIndex(Grid.model()->index(2, 1));
    EXPECT_EQ(Table.RecNo(), 2);
    EXPECT_EQ(Changes, 1);
    const int Salary = Table.Model()->fieldIndex(QStringLiteral("Salary"));
    EXPECT_TRUE(Grid.model()->setData(Grid.model()->index(2, Salary), 30000.0));
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 3")).toDouble(),
              30000.0);
    EXPECT_EQ(Grid.currentIndex().row(), 2);
    EXPECT_GE(Changes, 2);
    // A refused cell edit is reported, not lost silently, and the cell keeps its value.
    EXPECT_FALSE(Grid.model()->setData(Grid.model()->index(2, Salary), 1.0));
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], QStringLiteral("Minimum Salary is $4,500.00"));
    EXPECT_EQ(Table.FieldValue(QStringLiteral("Salary")).toDouble(), 30000.0);
    Table.First();
    EXPECT_EQ(Grid.currentIndex().row(), 0);
}

} // namespace Vex
