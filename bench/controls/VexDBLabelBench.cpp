// One animation frame of a typing label at double resolution, 300 x 20 as the demonstration
// pages place their captions: background (plain or a 64 x 64 texture), text, 2 x 2 reduction
// and the copy to the screen.

#include "controls/VexDBLabel.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace Vex {

namespace {
// Paints frames onto an image standing in for the screen.
class TFrameLabel : public TVexDBLabel {
public:
    using TVexDBLabel::TVexDBLabel;
    void PaintFrame(TCanvas &Screen) { Paint(Screen); }
};

void BM_LabelTypingFrame(benchmark::State &State) {
    const bool Textured = State.range(0) != 0;
    QWidget Form;
    TFrameLabel Label(&Form);
    Label.SetBounds(10, 10, 300, 20);
    TVexTexGen TexGen;
    if (Textured) {
        QImage Picture(64, 64, QImage::Format_RGB32);
        for (int Y = 0; Y < 64; ++Y)
            for (int X = 0; X < 64; ++X)
                Picture.setPixel(X, Y, qRgb(X * 4, Y * 4, (X ^ Y) * 4));
        TexGen.SetPicture(Picture);
        Label.SetVexTexGen(&TexGen);
    }
    Label.SetText({QStringLiteral("Every caption types itself out, frame by frame")});
    QImage Screen(300, 20, QImage::Format_RGB32);
    TCanvas Canvas(&Screen);
    for (auto _ : State) {
        if (Label.FramesLeft() == 0) {
            State.PauseTiming();
            Label.RestartAnimation();
            State.ResumeTiming();
        }
        Label.PaintFrame(Canvas);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LabelTypingFrame)->ArgName("Textured")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
} // namespace

} // namespace Vex
