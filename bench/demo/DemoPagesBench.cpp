#include "controls/VexCylinderGauge.h"
#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Page.h"
#include "framework/VexMeter.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Maths.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace Vex {

namespace {
constexpr int KFrameMilliseconds = 20;
// Frames between new targets at the far ends of the scales: none of the needles, knobs and
// drums comes to rest in that time, so every frame moves every instrument.
constexpr int KRetargetFrames = 25;

// Counts the paints that reach the page's controls.
class TPaintCounter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *Event) override {
        Paints += Event->type() == QEvent::Paint;
        return false;
    }
    long Paints = 0;
};

// The main window, shown on the offscreen platform, on the page Caption of Product's menu.
class TBenchPage {
public:
    TBenchPage(const QString &Product, const QString &Caption) {
        qputenv("VEXDEMO_DATABASE", FDir.filePath(QStringLiteral("bench.sqlite")).toUtf8());
        FMain = std::make_unique<TfrmMain>();
        FMain->show();
        QCoreApplication::processEvents();
        const std::vector<TDemoMenu> &Menus = DemoMenus();
        for (size_t I = 0; I < Menus.size(); ++I)
            if (Menus[I].Product == Product) {
                FMain->OpenProduct(int(I));
                for (const TDemoMenuEntry &Entry : Menus[I].Entries)
                    if (Entry.Caption == Caption && Caption != QLatin1String("Overview"))
                        FMain->ChooseMenuEntry(Entry);
            }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FPage = FMain->CurrentPage();
        for (QWidget *Control : FPage->findChildren<QWidget *>())
            Control->installEventFilter(&Counter);
        // The page's real timers would fire at the machine's pace; the benchmark keeps time.
        for (TTimer *Timer : FPage->findChildren<TTimer *>()) {
            FTimers << Timer;
            Timer->SetEnabled(false);
        }
        TVexVBlankTimer::Find()->stop();
        SetRandSeed(1);
        // Labels finish typing first: what is measured is the instruments.
        for (int I = 0; I < 200; ++I)
            Frame();
        Counter.Paints = 0;
    }

    ~TBenchPage() { qunsetenv("VEXDEMO_DATABASE"); }

    // One 20 ms frame: new far targets now and then, the page timers due in this frame, the
    // frame tick, and the paints it asks for.
    void Frame() {
        if (FFrame % KRetargetFrames == 0)
            Retarget();
        const int Now = FFrame * KFrameMilliseconds;
        for (TTimer *Timer : FTimers)
            if (Now / Timer->Interval() != (Now + KFrameMilliseconds) / Timer->Interval())
                Timer->Fire();
        ++FFrame;
        TVexVBlankTimer::Find()->Tick();
        QCoreApplication::sendPostedEvents();
    }

    TPaintCounter Counter;

private:
    void Retarget() {
        const bool High = (FFrame / KRetargetFrames) % 2 == 0;
        for (TVexMeter *Meter : FPage->findChildren<TVexMeter *>())
            Meter->SetFloat(High ? Meter->Max() : Meter->Min());
        for (TVexCylinderGauge *Drum : FPage->findChildren<TVexCylinderGauge *>())
            Drum->SetPosition(High ? Drum->Max() : Drum->Min());
    }

    QTemporaryDir FDir;
    std::unique_ptr<TfrmMain> FMain;
    QPointer<QWidget> FPage;
    QList<TTimer *> FTimers;
    int FFrame = 0;
};

void BM_PageFrame(benchmark::State &State, const char *Product, const char *Caption) {
    TBenchPage Page(QString::fromLatin1(Product), QString::fromLatin1(Caption));
    for (auto _ : State)
        Page.Frame();
    State.counters["paints/frame"] =
        benchmark::Counter(double(Page.Counter.Paints) / double(State.iterations()));
}
} // namespace

BENCHMARK_CAPTURE(BM_PageFrame, GaugeOverview, "VexGauge", "Overview")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, GaugeVU, "VexGauge", "VU-type gauges")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, GaugeSizes, "VexGauge", "Special features")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, KnobOverview, "VexKnob", "Overview")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, LcdOverview, "VexLCD", "Overview")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, DrumOverview, "VexCylinderGauge", "Overview")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, DrumMotions, "VexCylinderGauge", "Interface design")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PageFrame, MatrixOverview, "VexMatrix", "Overview")
    ->Unit(benchmark::kMicrosecond);

} // namespace Vex
