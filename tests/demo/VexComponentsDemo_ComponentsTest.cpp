#include "demo/VexComponentsDemo_Components.h"
#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"

#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// A page-like panel read from Text, with the demo's classes registered.
std::unique_ptr<TPanel> ReadPanel(const QString &Text) {
    RegisterDemoClasses();
    auto Panel = std::make_unique<TPanel>(nullptr);
    ReadComponentDescription(*Panel, Text, QStringLiteral("test"));
    return Panel;
}

TEST(DemoComponents, PanelsDockTheirAlignedChildrenAndFollowResizes) {
    const auto Page = ReadPanel(QStringLiteral("object P: TPanel\n"
                                               "  Width = 400\n"
                                               "  Height = 300\n"
                                               "  BevelOuter = bvNone\n"
                                               "  object Bottom: TPanel\n"
                                               "    Height = 40\n"
                                               "    Align = alBottom\n"
                                               "  end\n"
                                               "  object Fill: TDBGrid\n"
                                               "    Align = alClient\n"
                                               "  end\n"
                                               "  object Top2: TPanel\n"
                                               "    Top = 5\n"
                                               "    Height = 30\n"
                                               "    Align = alTop\n"
                                               "  end\n"
                                               "  object Top1: TPanel\n"
                                               "    Top = 1\n"
                                               "    Height = 20\n"
                                               "    Align = alTop\n"
                                               "  end\n"
                                               "  object Free: TPanel\n"
                                               "    Left = 7\n"
                                               "    Top = 9\n"
                                               "    Width = 11\n"
                                               "    Height = 13\n"
                                               "  end\n"
                                               "end\n"));
    const auto Geometry = [&](const char *Name) {
        return Page->findChild<QWidget *>(QString::fromLatin1(Name))->geometry();
    };
    // Top ones in the order of their Top, then the bottom one, then the client one between.
    EXPECT_EQ(Geometry("Top1"), QRect(0, 0, 400, 20));
    EXPECT_EQ(Geometry("Top2"), QRect(0, 20, 400, 30));
    EXPECT_EQ(Geometry("Bottom"), QRect(0, 260, 400, 40));
    EXPECT_EQ(Geometry("Fill"), QRect(0, 50, 400, 210));
    EXPECT_EQ(Geometry("Free"), QRect(7, 9, 11, 13));
    // A hidden widget hears of its resizes only once shown.
    Page->show();
    Page->resize(200, 100);
    EXPECT_EQ(Geometry("Bottom"), QRect(0, 60, 200, 40));
    EXPECT_EQ(Geometry("Fill"), QRect(0, 50, 200, 10));
    // Too small for all of them: the client one shrinks to nothing, never below.
    Page->resize(200, 80);
    EXPECT_EQ(Geometry("Fill").height(), 0);
}

TEST(DemoComponents, TimersRunFromTheEndOfLoadingAndRefuseNoInterval) {
    const auto Page = ReadPanel(QStringLiteral("object P: TPanel\n"
                                               "  object T: TTimer\n"
                                               "    Interval = 500\n"
                                               "  end\n"
                                               "  object Off: TTimer\n"
                                               "    Enabled = False\n"
                                               "  end\n"
                                               "end\n"));
    auto *T = Page->findChild<TTimer *>(QStringLiteral("T"));
    EXPECT_TRUE(T->Running());
    EXPECT_EQ(T->Interval(), 500);
    EXPECT_FALSE(Page->findChild<TTimer *>(QStringLiteral("Off"))->Running());
    T->SetInterval(0);
    T->SetInterval(-5);
    EXPECT_EQ(T->Interval(), 500);
    int Fired = 0;
    QObject::connect(T, &TTimer::OnTimer, [&](TTimer *Sender) {
        EXPECT_EQ(Sender, T);
        ++Fired;
    });
    T->Fire();
    EXPECT_EQ(Fired, 1);
    T->SetEnabled(false);
    EXPECT_FALSE(T->Running());
}

TEST(DemoComponents, ATableOfAnUnknownDatabaseFailsWhenItOpens) {
    RegisterDemoClasses();
    TTable Table(nullptr);
    Table.SetDatabaseName(QStringLiteral("NoSuchDatabase"));
    Table.SetTableName(QStringLiteral("parts"));
    try {
        Table.SetActive(true);
        ADD_FAILURE() << "opened";
    } catch (const EVexError &Error) {
        EXPECT_EQ(Error.Message(), "Unknown database 'NoSuchDatabase'");
    }
    EXPECT_FALSE(Table.Active());
}

TEST(DemoComponents, GridsShowThePersistentFieldsInTheirOrderAndMoneyAsMoney) {
    QTemporaryDir Dir;
    const QString Connection = QStringLiteral("DemoComponentsGrid");
    {
        QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
        Db.setDatabaseName(Dir.filePath(QStringLiteral("grid.sqlite")));
        ASSERT_TRUE(Db.open());
        QSqlQuery(Db).exec(QStringLiteral("CREATE TABLE t (Id INTEGER PRIMARY KEY, Name, Price)"));
        QSqlQuery(Db).exec(QStringLiteral("INSERT INTO t VALUES (1, 'a', 1234.5), (2, 'b', -3)"));
        const auto Page = ReadPanel(QStringLiteral("object P: TPanel\n"
                                                   "  object Grid: TDBGrid\n"
                                                   "    DataSource = Source\n"
                                                   "    Options = [dgTitles, dgRowSelect]\n"
                                                   "  end\n"
                                                   "  object Table: TTable\n"
                                                   "    DatabaseName = 'DemoComponentsGrid'\n"
                                                   "    TableName = 't'\n"
                                                   "    Active = True\n"
                                                   "    object TablePrice: TCurrencyField\n"
                                                   "      FieldName = 'Price'\n"
                                                   "      DisplayLabel = 'Our price'\n"
                                                   "    end\n"
                                                   "    object TableName: TStringField\n"
                                                   "      FieldName = 'Name'\n"
                                                   "    end\n"
                                                   "  end\n"
                                                   "  object Source: TDataSource\n"
                                                   "    DataSet = Table\n"
                                                   "  end\n"
                                                   "end\n"));
        Page->findChild<TTable *>()->OpenIfActive();
        auto *Grid = Page->findChild<TDBGrid *>();
        ASSERT_NE(Grid->model(), nullptr);
        EXPECT_TRUE(Grid->horizontalHeader()->isVisibleTo(Grid));
        EXPECT_FALSE(Grid->verticalHeader()->isVisibleTo(Grid));
        EXPECT_EQ(Grid->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(Grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QStringList Shown;
        const QHeaderView *Header = Grid->horizontalHeader();
        for (int Visual = 0; Visual < Header->count(); ++Visual)
            if (!Grid->isColumnHidden(Header->logicalIndex(Visual)))
                Shown << Grid->model()
                             ->headerData(Header->logicalIndex(Visual), Qt::Horizontal)
                             .toString();
        EXPECT_EQ(Shown, (QStringList{"Our price", "Name"}));
        const int Price = 2;
        QAbstractItemDelegate *Money = Grid->itemDelegateForColumn(Price);
        ASSERT_NE(Money, nullptr);
        auto *Styled = dynamic_cast<QStyledItemDelegate *>(Money);
        ASSERT_NE(Styled, nullptr);
        EXPECT_EQ(Styled->displayText(1234.5, QLocale::c()), "$1,234.50");
        EXPECT_EQ(Styled->displayText(-3, QLocale::c()), "($3.00)");
        EXPECT_EQ(Grid->itemDelegateForColumn(1), nullptr);
    }
    QSqlDatabase::removeDatabase(Connection);
}
} // namespace

} // namespace Vex
