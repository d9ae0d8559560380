#include "demo/VexComponentsDemo_Soak.h"

#include "controls/VexSlider.h"
#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Page.h"
#include "demo/VexComponentsDemo_Tour.h"
#include "editors/VexEditorPage.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPixmapCache>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <unistd.h>
#include <utility>
#include <vector>

namespace Vex {

namespace {
// Works an open editor page on a timer of its own while the dialog's modal loop runs: one tab
// a step, the first slider of each set to the middle of its range; then every moved slider is
// put back (through the slider, so the edited control gets its value back too) and the page is
// closed with its "Close" button, as a user who tried a setting and thought better of it.
class TEditorWorkout : public QObject {
public:
    TEditorWorkout(QDialog &Editor, int Milliseconds) : FEditor(Editor) {
        auto *Page = qobject_cast<TVexEditorPage *>(&Editor);
        FTabs = Page ? Page->PageControl : nullptr;
        const int Steps = (FTabs ? FTabs->count() : 0) + 2;
        FTimer.setInterval(qMax(1, Milliseconds / Steps));
        connect(&FTimer, &QTimer::timeout, this, &TEditorWorkout::Step);
        FTimer.start();
    }

private:
    void Step() {
        const int Tabs = FTabs ? FTabs->count() : 0;
        if (FStep < Tabs)
            ShowTab(FStep);
        else if (FStep == Tabs)
            PutBack();
        else
            Close();
        ++FStep;
    }

    void ShowTab(int Index) {
        FTabs->setCurrentIndex(Index);
        auto *Slider = FTabs->widget(Index)->findChild<TVexSlider *>();
        if (!Slider)
            return;
        FMoved.emplace_back(Slider, Slider->Position());
        Slider->SetPosition(Slider->Min() + (Slider->Max() - Slider->Min()) / 2);
    }

    void PutBack() {
        for (auto It = FMoved.rbegin(); It != FMoved.rend(); ++It)
            It->first->SetPosition(It->second);
        if (FTabs)
            FTabs->setCurrentIndex(0);
    }

    void Close() {
        FTimer.stop();
        if (auto *Page = qobject_cast<TVexEditorPage *>(&FEditor))
            ClickControl(Page->btnClose);
        if (FEditor.isVisible())
            FEditor.reject();
    }

    QDialog &FEditor;
    QTabWidget *FTabs;
    QTimer FTimer;
    int FStep = 0;
    std::vector<std::pair<TVexSlider *, float>> FMoved;
};

class TSoak : public QObject {
public:
    TSoak(TfrmMain &Main, const TSoakOptions &Options, QTextStream &Report)
        : FMain(Main), FOptions(Options), FReport(Report) {}

    int Run() {
        const TModalRunner Previous = SetModalRunner([this](QDialog &Editor) {
            TEditorWorkout Workout(Editor, FOptions.PageMilliseconds);
            Editor.exec();
        });
        FTour = DemoTour(FMain);
        FReport << SoakReportHeader << Qt::endl;
        FMain.show();
        FClock.start();
        QTimer::singleShot(0, this, &TSoak::NextStop);
        FLoop.exec();
        SetModalRunner(Previous);
        return FTours;
    }

private:
    void NextStop() {
        if (FStop == FTour.size()) {
            EndTour();
            if (FClock.elapsed() >= qint64(FOptions.Seconds) * 1000) {
                FLoop.quit();
                return;
            }
            FStop = 0;
        }
        FTour[FStop++].Show(FMain);
        QTimer::singleShot(FOptions.PageMilliseconds, this, &TSoak::LeavePage);
    }

    // Opens the page's editor, if it has one (the editor runs and closes inside the click), and
    // goes on from the event loop, where the page just left is deleted.
    void LeavePage() {
        if (auto *Page = qobject_cast<TDemoPage *>(FMain.CurrentPage()))
            if (QWidget *Control = Page->EditorControl())
                ClickControl(Control);
        QTimer::singleShot(0, this, &TSoak::NextStop);
    }

    // Qt's shared pixmap cache keeps what the style drew for the editors' and menus' inputs, up
    // to its limit (10 MiB by default), under keys that include the widget's palette: widgets
    // made afresh on every visit add entries rather than finding theirs, so the cache fills over
    // some twenty tours and then stays at its limit. Emptied before each sample, it hides
    // nothing that a tour leaves behind.
    void EndTour() {
        QPixmapCache::clear();
        ++FTours;
        FReport << FTours << ' ' << QString::number(double(FClock.elapsed()) / 1000, 'f', 1) << ' '
                << ResidentKiB() << Qt::endl;
    }

    TfrmMain &FMain;
    const TSoakOptions FOptions;
    QTextStream &FReport;
    std::vector<TDemoStop> FTour;
    size_t FStop = 0;
    int FTours = 0;
    QElapsedTimer FClock;
    QEventLoop FLoop;
};
} // namespace

qint64 ResidentKiB() {
    // The second field of statm: resident pages.
    QFile Statm(QStringLiteral("/proc/self/statm"));
    if (!Statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> Fields = Statm.readAll().split(' ');
    bool Ok = false;
    const qint64 Pages = Fields.size() > 1 ? Fields[1].toLongLong(&Ok) : 0;
    const long PageSize = sysconf(_SC_PAGESIZE);
    if (!Ok || PageSize <= 0)
        return -1;
    return Pages * PageSize / 1024;
}

int RunSoak(TfrmMain &Main, const TSoakOptions &Options, QTextStream &Report) {
    return TSoak(Main, Options, Report).Run();
}

} // namespace Vex
