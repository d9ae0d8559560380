#pragma once
// The fixture of the page tests: the main window on a fresh sample database in a temporary
// folder, with the message box, the error handler and modal dialogs caught instead of shown.

#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Page.h"
#include "framework/FrameworkTestUtil.h"
#include "platform/core/Errors.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

class DemoPages : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VEXDEMO_DATABASE", DatabaseFile().toUtf8());
        FPreviousBox =
            TfrmMain::SetMessageBox([this](QWidget *, const QString &Text) { Messages << Text; });
        FPreviousHandler =
            SetApplicationErrorHandler([this](const QString &Text) { Errors << Text; });
        FPreviousRunner = SetModalRunner([this](QDialog &Dialog) {
            ++Dialogs;
            if (WorkDialog)
                WorkDialog(Dialog);
        });
    }

    void TearDown() override {
        Main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetModalRunner(FPreviousRunner);
        SetApplicationErrorHandler(FPreviousHandler);
        TfrmMain::SetMessageBox(FPreviousBox);
        // The next test's database is another file.
        QSqlDatabase::database(QStringLiteral("DBDEMOS"), false).close();
        qunsetenv("VEXDEMO_DATABASE");
    }

    QString DatabaseFile() const { return FDir.filePath(QStringLiteral("demo.sqlite")); }

    // The page of Caption of Product's menu, chosen through the main window as a user would:
    // the product first, unless its menu is showing. Null when no such page opened; replaced
    // pages are gone when it returns.
    template <class TPage = TDemoPage>
    TPage *Open(const QString &Product, const QString &Caption = QStringLiteral("Overview")) {
        if (!Main)
            Main = std::make_unique<TfrmMain>();
        const std::vector<TDemoMenu> &Menus = DemoMenus();
        for (size_t I = 0; I < Menus.size(); ++I) {
            if (Menus[I].Product != Product)
                continue;
            if (!Main->CurrentMenu() || Main->CurrentMenu()->Menu().Product != Product ||
                Caption == QLatin1String("Overview"))
                Main->OpenProduct(int(I));
            for (const TDemoMenuEntry &Entry : Menus[I].Entries)
                if (Entry.Caption == Caption && Caption != QLatin1String("Overview"))
                    Main->ChooseMenuEntry(Entry);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<TPage *>(Main->CurrentPage());
    }

    // Runs Sql on a connection of its own: what another program would do to the file.
    bool ExecOnFile(const QString &Sql) const {
        const QString Name = QUuid::createUuid().toString();
        bool Done = false;
        {
            QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
            Db.setDatabaseName(DatabaseFile());
            Done = Db.open() && QSqlQuery(Db).exec(Sql);
            Db.close();
        }
        QSqlDatabase::removeDatabase(Name);
        return Done;
    }

    QVariant ReadFromFile(const QString &Sql) const {
        const QString Name = QUuid::createUuid().toString();
        QVariant Value;
        {
            QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
            Db.setDatabaseName(DatabaseFile());
            if (Db.open()) {
                QSqlQuery Query(Sql, Db);
                if (Query.next())
                    Value = Query.value(0);
            }
            Db.close();
        }
        QSqlDatabase::removeDatabase(Name);
        return Value;
    }

    std::unique_ptr<TfrmMain> Main;
    QStringList Messages;
    QStringList Errors;
    int Dialogs = 0;
    // What a test does with a modal dialog a page opens, before it closes.
    std::function<void(QDialog &)> WorkDialog;

private:
    QTemporaryDir FDir;
    TfrmMain::TMessageBox FPreviousBox;
    TErrorHandler FPreviousHandler;
    TModalRunner FPreviousRunner;
};

inline void Click(QWidget *Control) {
    const QPoint Centre = Control->rect().center();
    Press(Control, Centre);
    Release(Control, Centre);
}

} // namespace Vex
