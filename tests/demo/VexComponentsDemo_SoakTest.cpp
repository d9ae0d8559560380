#include "demo/VexComponentsDemo_Soak.h"
#include "DemoPageTest.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "editors/VexEditorPage.h"

#include <QApplication>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QTextStream>
#include <cstring>
#include <memory>

namespace Vex {

namespace {
// Counts the editor pages shown and how each was closed.
class TEditorWatch : public QObject {
public:
    int Shown = 0;
    int Accepted = 0;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (auto *Editor = qobject_cast<TVexEditorPage *>(Watched)) {
            if (Event->type() == QEvent::Show)
                ++Shown;
            else if (Event->type() == QEvent::Hide && Editor->result() == QDialog::Accepted)
                ++Accepted;
        }
        return false;
    }
};

int EditorEntries() {
    int Editors = 0;
    for (const TDemoMenu &Menu : DemoMenus())
        for (const TDemoMenuEntry &Entry : Menu.Entries)
            Editors += DemoPageRegistered(Entry.PageClass) &&
                       Entry.Caption == QLatin1String("Property editor");
    return Editors;
}

// A run asked for no time still makes one whole tour: every editor the pages offer is opened,
// worked and closed with its "Close" button, and the tour's line follows the header.
TEST_F(DemoPages, SoakTourOpensAndClosesEveryEditorAndReportsTheTour) {
    Main = std::make_unique<TfrmMain>();
    TEditorWatch Watch;
    qApp->installEventFilter(&Watch);
    // Qt's pixmap cache, which fills up to its limit over many tours, is empty when a tour's
    // memory is sampled.
    const QString Cached = QStringLiteral("soak-test-entry");
    QPixmap Picture(16, 16);
    Picture.fill(Qt::red);
    ASSERT_TRUE(QPixmapCache::insert(Cached, Picture));
    QString Text;
    QTextStream Report(&Text);
    const int Tours = RunSoak(*Main, TSoakOptions{0, 20}, Report);
    qApp->removeEventFilter(&Watch);

    EXPECT_EQ(Tours, 1);
    EXPECT_FALSE(QPixmapCache::find(Cached, &Picture));
    EXPECT_EQ(Watch.Shown, EditorEntries());
    EXPECT_EQ(Watch.Accepted, EditorEntries());
    EXPECT_GE(EditorEntries(), 4);
    for (QWidget *Window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<TVexEditorPage *>(Window) && Window->isVisible());

    const QStringList Lines = Text.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(Lines.size(), 2) << qPrintable(Text);
    EXPECT_EQ(Lines[0], QLatin1String(SoakReportHeader));
    static const QRegularExpression Line(QStringLiteral("^1 [0-9]+\\.[0-9] ([0-9]+)$"));
    const QRegularExpressionMatch Match = Line.match(Lines[1]);
    ASSERT_TRUE(Match.hasMatch()) << qPrintable(Lines[1]);
    EXPECT_GT(Match.captured(1).toLongLong(), 0);
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
    // The fixture's way of running dialogs is back.
    const int Before = Dialogs;
    ShowModal(*std::make_unique<QDialog>());
    EXPECT_EQ(Dialogs, Before + 1);
}

// Memory the process writes to is counted in KiB, not in pages or bytes.
TEST(Soak, ResidentMemoryGrowsByWhatIsWritten) {
    const qint64 Before = ResidentKiB();
    ASSERT_GT(Before, 0);
    constexpr size_t KBytes = 32 << 20;
    const auto Block = std::make_unique<char[]>(KBytes);
    std::memset(Block.get(), 1, KBytes);
    const qint64 After = ResidentKiB();
    EXPECT_GE(After - Before, 31 * 1024);
    EXPECT_LT(After - Before, 40 * 1024);
    EXPECT_EQ(Block[KBytes - 1], 1);
}
} // namespace

} // namespace Vex
