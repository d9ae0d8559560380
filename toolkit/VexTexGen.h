#pragma once
// A non-visual component holding a texture picture that controls paint, tiled, as their
// background. The tiles are aligned to the form rather than to each control, so neighbouring
// controls sharing one generator show one seamless surface.

#include "platform/core/Component.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QImage>
#include <QObject>

class QWidget;

namespace Vex {

class VEX_EXPORT TVexTexGen : public QObject, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(int RandomPeak READ RandomPeak WRITE SetRandomPeak)
    Q_PROPERTY(int Brightness READ Brightness WRITE SetBrightness)
    Q_PROPERTY(int RandomRate READ RandomRate WRITE SetRandomRate)
    Q_PROPERTY(int Red READ Red WRITE SetRed)
    Q_PROPERTY(int Green READ Green WRITE SetGreen)
    Q_PROPERTY(int Blue READ Blue WRITE SetBlue)

public:
    explicit TVexTexGen(QObject *Owner = nullptr);

    const QImage &Picture() const { return FPicture; }
    // The picture for changes in place, as a reader filling it does; the painted texture
    // follows such changes only through SetPicture or the end of loading.
    QImage &Picture() { return FPicture; }
    // Copies Value and makes it the texture. A picture beyond the bitmap limits is refused.
    void SetPicture(const QImage &Value);

    // Stored, streamed and copied by Assign; painting does not use them.
    int RandomPeak() const { return FRandomPeak; }
    void SetRandomPeak(int Value) { FRandomPeak = Value; }
    int Brightness() const { return FBrightness; }
    void SetBrightness(int Value) { FBrightness = Value; }
    int RandomRate() const { return FRandomRate; }
    void SetRandomRate(int Value) { FRandomRate = Value; }
    int Red() const { return FRed; }
    void SetRed(int Value) { FRed = Value; }
    int Green() const { return FGreen; }
    void SetGreen(int Value) { FGreen = Value; }
    int Blue() const { return FBlue; }
    void SetBlue(int Value) { FBlue = Value; }

    // Copies the six parameters; the picture stays.
    void Assign(const TVexTexGen &Source);

    // Tiles the texture over Control's client area on Canvas, whose origin is Control's top-left
    // corner, so that Control's pixel (0, 0) shows the texture pixel at Control's position on its
    // form (modulo the texture size). Paints nothing without a texture.
    void PaintTexture(QWidget *Control, TCanvas &Canvas);

protected:
    // Streaming fills the picture in place: the texture takes it here.
    void Loaded() override;

private:
    QImage FPicture;
    // The picture as a surface: the tile that is painted.
    TBitmap FTexture;
    // Scratch copy of the tile, the source of each tile's copy.
    TBitmap FWork;
    int FRandomPeak = 30;
    int FBrightness = 128;
    int FRandomRate = 8;
    int FRed = 0;
    int FGreen = 20;
    int FBlue = 30;
};

} // namespace Vex
