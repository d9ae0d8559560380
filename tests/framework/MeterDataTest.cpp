#include "FrameworkTestUtil.h"
#include "TestDatabase.h"
#include "framework/VexMeter.h"
#include "platform/core/Errors.h"

#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

namespace {
struct MeterData : TEmployeeTableTest {
    QWidget Form;
    TVexMeter Meter{&Form};

    void SetUp() override {
        TEmployeeTableTest::SetUp();
        Meter.SetMax(100000);
        Meter.SetDataSource(&Source);
        Meter.SetDataField(QStringLiteral("Salary"));
        Table.Open();
    }

    void DragUpAndRelease(int Pixels) {
        Press(&Meter, QPoint(50, 80));
        MoveTo(&Meter, QPoint(50, 80 - Pixels));
        Release(&Meter, QPoint(50, 80 - Pixels));
    }
};

// Counts DataChange calls of a control that does override it.
class TCountingMeter : public TVexMeter {
public:
    using TVexMeter::TVexMeter;
    int Calls = 0;

protected:
    void DataChange(QObject *Sender) override {
        TVexMeter::DataChange(Sender);
        ++Calls;
    }
};
} // namespace

TEST_F(MeterData, RecordMovesDriveTheMeter) {
    EXPECT_EQ(Meter.Float(), 40000.0f);
    Table.Next();
    EXPECT_EQ(Meter.Float(), 55500.0f);
    Table.Last();
    EXPECT_EQ(Meter.Float(), 25050.0f);
}

TEST_F(MeterData, ReleaseWritesTheFieldToTheFile) {
    DragUpAndRelease(30); // + 10000
    EXPECT_EQ(Meter.Float(), 50000.0f);
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 1")).toDouble(),
              50000.0);
    EXPECT_TRUE(Errors.isEmpty());
}

TEST_F(MeterData, RefusedEditLeavesTheMeterFollowingRecords) {
    Table.SetReadOnly(true);
    DragUpAndRelease(30);
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].contains(QStringLiteral("read-only")));
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 1")).toDouble(),
              40000.0);
    EXPECT_EQ(Meter.Float(), 40000.0f); // the display goes back to the record
    Table.Next();
    EXPECT_EQ(Meter.Float(), 55500.0f);
}

TEST_F(MeterData, ConstraintViolationShowsItsMessageAndKeepsTheRecord) {
    Meter.SetFloat(0);
    Release(&Meter, QPoint(10, 10), Qt::RightButton);
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_EQ(Errors[0], QStringLiteral("Minimum Salary is $4,500.00"));
    EXPECT_EQ(Db.ReadBack(QStringLiteral("SELECT Salary FROM employee WHERE EmpNo = 1")).toDouble(),
              40000.0);
    // The meter shows the stored value again.
    EXPECT_EQ(Meter.Float(), 40000.0f);
}

TEST_F(MeterData, DeletedSourceUnbindsTheControl) {
    auto Owned = std::make_unique<TVexDataSource>();
    Owned->SetDataSet(&Table);
    TCountingMeter M(&Form);
    M.SetMax(100000);
    M.SetDataField(QStringLiteral("Salary"));
    M.SetDataSource(Owned.get());
    const int Before = M.Calls;
    EXPECT_GE(Before, 1);
    Owned.reset();
    EXPECT_EQ(M.DataSource(), nullptr);
    Table.Next();
    EXPECT_EQ(M.Calls, Before);
}

TEST_F(MeterData, UnboundControlNeverHearsDataChanges) {
    TCountingMeter FieldOnly(&Form), SourceOnly(&Form);
    FieldOnly.SetDataField(QStringLiteral("Salary"));
    SourceOnly.SetDataSource(&Source);
    Table.Next();
    Table.SetFieldValue(QStringLiteral("Salary"), 70000.0);
    EXPECT_EQ(FieldOnly.Calls, 0);
    EXPECT_EQ(SourceOnly.Calls, 0);
}

TEST_F(MeterData, EveryDataAwareControlAnswersTheLinkQuery) {
    TVexVBSGraphicControlDA Plain(&Form);
    TGetDataLinkEvent Query;
    QCoreApplication::sendEvent(&Plain, &Query);
    EXPECT_EQ(Query.Link, &Plain.DataLink());
}

} // namespace Vex
