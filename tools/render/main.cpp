// VexRender: renders control files, or a sheet of every gauge face and needle outline, to PNG.
//
//   VexRender [--frames N] [--columns C] OUT.png FILE...
//   VexRender --gauge-sheet OUT.png
//   VexRender --knob-sheet OUT.png

#include "ControlRenderer.h"
#include "KnobSheet.h"
#include "controls/VexGauge.h"
#include "platform/core/Errors.h"

#include <QApplication>
#include <QMetaEnum>
#include <cstdio>
#include <cstdlib>

using namespace Vex;

namespace {
int Usage() {
    std::fprintf(stderr, "usage: VexRender [--frames N] [--columns C] OUT.png FILE...\n"
                         "       VexRender --gauge-sheet OUT.png\n"
                         "       VexRender --knob-sheet OUT.png\n");
    return 2;
}

// Every face at a size that keeps its proportions, then every needle outline on the default face.
void AddGaugeSheet(TControlRenderer &Renderer) {
    const QSize FaceSizes[TVexGauge::FaceCount] = {
        {238, 238}, {200, 201}, {210, 210}, {220, 220}, {400, 400}, {400, 300}, {300, 294},
        {250, 250}, {194, 159}, {220, 220}, {200, 200}, {165, 165}, {200, 200}, {160, 160},
        {200, 200}, {100, 100}, {327, 327}, {216, 216}, {242, 241}, {239, 239}, {214, 213}};
    for (int Face = 1; Face <= TVexGauge::FaceCount; ++Face) {
        const QSize Size = FaceSizes[Face - 1].scaled(180, 180, Qt::KeepAspectRatio);
        Renderer.Add(
            [&](QWidget *Parent) {
                auto *G = new TVexGauge(Parent);
                G->SetForceSquare(Size.width() == Size.height());
                G->SetBounds(0, 0, Size.width(), Size.height());
                G->SetResourceImageIndex(Face);
                G->SetFloat(62);
                if (Face == 6 || Face == 7 || Face == 9)
                    G->SetCoverHeight(30);
                return G;
            },
            QStringLiteral("face %1").arg(Face));
    }
    const QMetaEnum Types = QMetaEnum::fromType<TVexGauge::TArrowType>();
    for (int Type = 0; Type < Types.keyCount(); ++Type)
        Renderer.Add(
            [&](QWidget *Parent) {
                auto *G = new TVexGauge(Parent);
                G->SetBounds(0, 0, 180, 180);
                G->SetArrowType(TVexGauge::TArrowType(Types.value(Type)));
                G->SetFloat(62);
                return G;
            },
            QString::fromLatin1(Types.key(Type)));
}
} // namespace

int main(int argc, char **argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    QStringList Args = App.arguments().mid(1);
    int Frames = 1500, Columns = 6;
    bool GaugeSheet = false;
    bool KnobSheet = false;
    while (!Args.isEmpty() && Args.first().startsWith(QLatin1String("--"))) {
        const QString Option = Args.takeFirst();
        if (Option == QLatin1String("--gauge-sheet"))
            GaugeSheet = true;
        else if (Option == QLatin1String("--knob-sheet"))
            KnobSheet = true;
        else if (Option == QLatin1String("--frames") && !Args.isEmpty())
            Frames = std::clamp(Args.takeFirst().toInt(), 0, 100000);
        else if (Option == QLatin1String("--columns") && !Args.isEmpty())
            Columns = Args.takeFirst().toInt();
        else
            return Usage();
    }
    if (Args.isEmpty() || (!GaugeSheet && !KnobSheet && Args.size() < 2))
        return Usage();
    const QString Out = Args.takeFirst();
    TControlRenderer Renderer(Columns);
    try {
        if (GaugeSheet)
            AddGaugeSheet(Renderer);
        if (KnobSheet)
            AddKnobSheet(Renderer);
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
