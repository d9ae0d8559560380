// VexRender: renders control files, or contact sheets of the instruments, to PNG.
//
//   VexRender [--frames N] [--columns C] OUT.png FILE...
//   VexRender [--frames N] [--columns C] --SHEET-sheet OUT.png [FILE...]
//
// Sheets: --gauge-sheet (every face and needle outline), --knob-sheet, --lcd-matrix-sheet,
// --drum-sheet.

#include "ControlRenderer.h"
#include "DrumSheet.h"
#include "GaugeSheet.h"
#include "KnobSheet.h"
#include "LCDMatrixSheet.h"
#include "platform/core/Errors.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Vex;

namespace {
struct TSheet {
    const char *Option;
    void (*Add)(TControlRenderer &Renderer);
};

const TSheet KSheets[] = {
    {"--gauge-sheet", &AddGaugeSheet},
    {"--knob-sheet", &AddKnobSheet},
    {"--lcd-matrix-sheet", &AddLCDMatrixSheet},
    {"--drum-sheet", &AddDrumSheet},
};

int Usage() {
    std::fprintf(stderr, "usage: VexRender [--frames N] [--columns C] OUT.png FILE...\n"
                         "       VexRender [--frames N] [--columns C] --SHEET OUT.png [FILE...]\n"
                         "sheets:");
    for (const TSheet &Sheet : KSheets)
        std::fprintf(stderr, " %s", Sheet.Option);
    std::fprintf(stderr, "\n");
    return 2;
}

const TSheet *FindSheet(const QString &Option) {
    for (const TSheet &Sheet : KSheets)
        if (Option == QLatin1String(Sheet.Option))
            return &Sheet;
    return nullptr;
}
} // namespace

int main(int argc, char **argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    QStringList Args = App.arguments().mid(1);
    int Frames = 1500, Columns = 6;
    std::vector<const TSheet *> Sheets;
    while (!Args.isEmpty() && Args.first().startsWith(QLatin1String("--"))) {
        const QString Option = Args.takeFirst();
        if (const TSheet *Sheet = FindSheet(Option))
            Sheets.push_back(Sheet);
        else if (Option == QLatin1String("--frames") && !Args.isEmpty())
            Frames = std::clamp(Args.takeFirst().toInt(), 0, 100000);
        else if (Option == QLatin1String("--columns") && !Args.isEmpty())
            Columns = Args.takeFirst().toInt();
        else
            return Usage();
    }
    if (Args.isEmpty() || (Sheets.empty() && Args.size() < 2))
        return Usage();
    const QString Out = Args.takeFirst();
    TControlRenderer Renderer(Columns);
    try {
        for (const TSheet *Sheet : Sheets)
            Sheet->Add(Renderer);
        for (const QString &File : Args)
            Renderer.AddFile(File);
    } catch (const EVexError &Error) {
        std::fprintf(stderr, "VexRender: %s\n", qPrintable(Error.Message()));
        return 1;
    }
    if (!Renderer.Render(Frames).save(Out)) {
        std::fprintf(stderr, "VexRender: cannot write %s\n", qPrintable(Out));
        return 1;
    }
    std::printf("%s\n", qPrintable(Out));
    return 0;
}
