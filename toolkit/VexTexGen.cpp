#include "toolkit/VexTexGen.h"

#include <QWidget>

namespace Vex {

namespace {
// Control's position on its top-level window: its own position plus that of every container
// between them (the window's own position on the screen is not part of it).
QPoint FormPosition(const QWidget &Control) {
    QPoint Position = Control.pos();
    for (const QWidget *Parent = Control.parentWidget(); Parent && !Parent->isWindow();
         Parent = Parent->parentWidget())
        Position += Parent->pos();
    return Position;
}

// The first tile's offset (-(Size - 1) .. 0) that puts texture pixel (Position mod Size) at the
// control's pixel 0, for positions left of or above the form's origin too.
int TilePhase(int Position, int Size) {
    return -((Position % Size + Size) % Size);
}
} // namespace

TVexTexGen::TVexTexGen(QObject *Owner) : QObject(Owner) {}

void TVexTexGen::SetPicture(const QImage &Value) {
    if (FTexture.Assign(Value))
        FPicture = Value;
}

void TVexTexGen::Loaded() {
    TVexComponent::Loaded();
    if (FTexture.Assign(FPicture))
        return;
    // A streamed picture beyond the bitmap limits is dropped, as the setter would refuse it.
    FPicture = QImage();
    FTexture.Assign(FPicture);
}

void TVexTexGen::Assign(const TVexTexGen &Source) {
    SetRandomPeak(Source.RandomPeak());
    SetBrightness(Source.Brightness());
    SetRandomRate(Source.RandomRate());
    SetRed(Source.Red());
    SetGreen(Source.Green());
    SetBlue(Source.Blue());
}

void TVexTexGen::PaintTexture(QWidget *Control, TCanvas &Canvas) {
    const int TW = FTexture.Width();
    const int TH = FTexture.Height();
    if (!Control || TW < 1 || TH < 1)
        return;
    const QPoint Position = FormPosition(*Control);
    const int OX = TilePhase(Position.x(), TW);
    const int OY = TilePhase(Position.y(), TH);
    for (int Y = OY; Y < Control->height(); Y += TH) {
        for (int X = OX; X < Control->width(); X += TW) {
            FWork.Assign(FTexture);
            Canvas.Draw(X, Y, FWork);
        }
    }
}

} // namespace Vex
