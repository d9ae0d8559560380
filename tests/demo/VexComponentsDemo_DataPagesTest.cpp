#include "DemoPageTest.h"
#include "controls/VexGauge.h"
#include "demo/VexComponentsDemo_Components.h"

#include <QHeaderView>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace Vex {

namespace {
// The titles of the grid's visible columns, left to right.
QStringList VisibleTitles(const TDBGrid &Grid) {
    QStringList Titles;
    const QHeaderView *Header = Grid.horizontalHeader();
    for (int Visual = 0; Visual < Header->count(); ++Visual) {
        const int Column = Header->logicalIndex(Visual);
        if (!Grid.isColumnHidden(Column))
            Titles << Grid.model()->headerData(Column, Qt::Horizontal).toString();
    }
    return Titles;
}

void SelectRow(TDBGrid &Grid, int Row) {
    Grid.setCurrentIndex(Grid.model()->index(Row, 0));
}

TEST_F(DemoPages, GaugeDataPageFollowsTheGridAndWritesANeedleBack) {
    TDemoPage *Page = Open(QStringLiteral("VexGauge"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexGauge5");
    auto *Grid = Page->Component<TDBGrid>(QStringLiteral("dgbGrid"));
    auto *Table = Page->Component<TTable>(QStringLiteral("tblTable"));
    ASSERT_TRUE(Table->Active());
    EXPECT_EQ(VisibleTitles(*Grid), (QStringList{"OnOrder", "Cost", "ListPrice"}));
    EXPECT_EQ(Page->Component<TPanel>(QStringLiteral("pnlTop"))->height(), 289);
    auto *OnOrder = Page->Component<TVexGauge>(QStringLiteral("VexGauge4"));
    auto *Cost = Page->Component<TVexGauge>(QStringLiteral("VexGauge8"));
    auto *ListPrice = Page->Component<TVexGauge>(QStringLiteral("VexGauge26"));
    EXPECT_EQ(Cost->geometry(), QRect(184, 104, 161, 161));
    EXPECT_EQ(Cost->OrigoX(), -2);

    // Part 1040: 30 on order, cost 88.50, list price 169.00.
    SelectRow(*Grid, 3);
    EXPECT_EQ(Table->RecNo(), 3);
    EXPECT_FLOAT_EQ(OnOrder->Float(), 30);
    EXPECT_FLOAT_EQ(Cost->Float(), 88.5f);
    EXPECT_FLOAT_EQ(ListPrice->Float(), 169);
    // The needles swing there.
    Ticks(400);
    EXPECT_NEAR(Cost->DisplayValue(), 88.5f, 0.5f);

    // Pointing straight up sets about the middle of the 0 .. 50 scale; the release writes it.
    const QPoint Up(OnOrder->width() / 2, 10);
    Press(OnOrder, Up);
    Release(OnOrder, Up);
    EXPECT_NEAR(OnOrder->Float(), 25, 1);
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
    EXPECT_NEAR(
        ReadFromFile(QStringLiteral("SELECT OnOrder FROM parts WHERE PartNo = 1040")).toDouble(),
        OnOrder->Float(), 1e-4);
}

TEST_F(DemoPages, ADataPageWhoseTableCannotBeOpenedLeavesThePreviousPage) {
    ASSERT_NE(Open(QStringLiteral("VexGauge")), nullptr);
    QPointer<QWidget> Overview = Main->CurrentPage();
    ASSERT_TRUE(ExecOnFile(QStringLiteral("DROP TABLE parts")));
    Open(QStringLiteral("VexGauge"), QStringLiteral("Data awareness"));
    EXPECT_EQ(Main->CurrentPage(), Overview.data());
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors.front().contains(QLatin1String("parts"))) << qPrintable(Errors.front());
    EXPECT_TRUE(Messages.isEmpty());
    // Nothing of the failed page is left on the page panel.
    EXPECT_EQ(Main->pnlInterface->findChildren<TDemoPage *>().size(), 1);
}

TEST_F(DemoPages, FieldValuesAGaugeCannotShowAreHeldToItsScale) {
    // A parts table whose columns take anything.
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE parts (PartNo INTEGER PRIMARY KEY, "
                                          "OnOrder, Cost, ListPrice)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("INSERT INTO parts VALUES (1, NULL, 'abc', 1e300), "
                                          "(2, -7, '', 'nan'), (3, 25, 400, 200)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE employee (LastName)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE master (CUR_PRICE)")));
    TDemoPage *Page = Open(QStringLiteral("VexGauge"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    auto *Grid = Page->Component<TDBGrid>(QStringLiteral("dgbGrid"));
    const QList<TVexGauge *> Gauges = Page->findChildren<TVexGauge *>();
    ASSERT_EQ(Gauges.size(), 3);
    for (int Row : {0, 1, 2, 0}) {
        SelectRow(*Grid, Row);
        Ticks(50);
        for (TVexGauge *G : Gauges) {
            EXPECT_GE(G->Float(), G->Min()) << Row;
            EXPECT_LE(G->Float(), G->Max()) << Row;
            EXPECT_TRUE(std::isfinite(G->DisplayValue())) << Row;
        }
    }
    // A number too large for any scale stands at the end of it.
    SelectRow(*Grid, 0);
    EXPECT_EQ(Page->Component<TVexGauge>(QStringLiteral("VexGauge26"))->Float(), 400);
    EXPECT_EQ(Page->Component<TVexGauge>(QStringLiteral("VexGauge4"))->Float(), 0);
    Main->grab();
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}
} // namespace

} // namespace Vex
