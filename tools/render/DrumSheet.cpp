#include "DrumSheet.h"

#include "ControlRenderer.h"
#include "controls/VexCylinderGauge.h"

#include <functional>

namespace Vex {

namespace {
using TSetUp = std::function<void(TVexCylinderGauge &)>;

void AddDrum(TControlRenderer &Renderer, int Width, int Height, float Position, const TSetUp &SetUp,
             const QString &Caption) {
    Renderer.Add(
        [&](QWidget *Parent) {
            auto *Drum = new TVexCylinderGauge(Parent);
            Drum->SetBounds(0, 0, Width, Height);
            SetUp(*Drum);
            Drum->SetPosition(Position);
            return Drum;
        },
        Caption);
}

void SetFontHeight(TVexCylinderGauge &Drum, int Height) {
    TFont Font = Drum.Font();
    Font.Height = Height;
    Drum.SetFont(Font);
}

// The scale the overview's odd drum and the motion pages share: -100 to 100, five ticks a label.
void CentredScale(TVexCylinderGauge &Drum) {
    SetFontHeight(Drum, -13);
    Drum.SetMin(-100);
    Drum.SetMax(100);
    Drum.SetValueSpacing(36);
    Drum.SetTicksPerValue(5);
    Drum.SetTickLength(11);
    Drum.SetScaleMargin(2);
}

void MotionDrum(TVexCylinderGauge &Drum, float Sluggishness, float StabilizeTime,
                TColor Indicator) {
    CentredScale(Drum);
    Drum.SetIndicatorWidth(6);
    Drum.SetCylinderColor(clNavy);
    Drum.SetIndicatorColor(Indicator);
    Drum.SetSluggishness(Sluggishness);
    Drum.SetStabilizeTime(StabilizeTime);
}
} // namespace

void AddDrumSheet(TControlRenderer &Renderer) {
    const TSetUp Defaults = [](TVexCylinderGauge &) {};
    AddDrum(Renderer, 40, 150, 0, Defaults, QStringLiteral("default, at rest"));
    AddDrum(Renderer, 40, 150, 123.4f, Defaults, QStringLiteral("default, 123.4"));
    AddDrum(Renderer, 40, 150, 497, Defaults, QStringLiteral("default, near Max"));
    // Three times the size, to show the bend and the shading up close.
    AddDrum(
        Renderer, 120, 450, 123.4f,
        [](TVexCylinderGauge &Drum) {
            SetFontHeight(Drum, -63);
            Drum.SetValueSpacing(120);
            Drum.SetTickLength(12);
            Drum.SetTickWidth(6);
            Drum.SetIndicatorWidth(6);
            Drum.SetScaleMargin(3);
        },
        QStringLiteral("default look, 3 x"));

    // Overview: four small drums to 100 and one centred on 0.
    const TSetUp Overview = [](TVexCylinderGauge &Drum) {
        SetFontHeight(Drum, -21);
        Drum.SetMax(100);
        Drum.SetTickLength(12);
    };
    AddDrum(Renderer, 42, 130, 12.5f, Overview, QStringLiteral("overview 12.5"));
    AddDrum(Renderer, 42, 130, 57.3f, Overview, QStringLiteral("overview 57.3"));
    AddDrum(Renderer, 42, 130, 98, Overview, QStringLiteral("overview 98"));
    AddDrum(
        Renderer, 48, 129, -42.7f,
        [](TVexCylinderGauge &Drum) {
            CentredScale(Drum);
            Drum.SetIndicatorColor(clGray);
            Drum.SetIndicatorWidth(6);
        },
        QStringLiteral("overview -42.7"));

    // Adjustable motion: navy cylinders with coloured bands.
    AddDrum(
        Renderer, 48, 129, 33.3f, [](TVexCylinderGauge &Drum) { MotionDrum(Drum, 24, 15, clBlue); },
        QStringLiteral("slow & heavy"));
    AddDrum(
        Renderer, 48, 129, -5.5f, [](TVexCylinderGauge &Drum) { MotionDrum(Drum, 5, 15, clGreen); },
        QStringLiteral("light"));
    AddDrum(
        Renderer, 48, 129, 71, [](TVexCylinderGauge &Drum) { MotionDrum(Drum, 5, 150, clYellow); },
        QStringLiteral("kickback"));

    // Data awareness: a gentler motion on the centred scale with the default look.
    AddDrum(
        Renderer, 48, 129, 27.8f,
        [](TVexCylinderGauge &Drum) {
            Drum.SetStabilizeTime(30);
            Drum.SetMin(-100);
            Drum.SetMax(100);
        },
        QStringLiteral("data page 27.8"));

    // Property editor: the large drum.
    AddDrum(
        Renderer, 89, 177, 245.5f, [](TVexCylinderGauge &Drum) { SetFontHeight(Drum, -27); },
        QStringLiteral("editor page 245.5"));
}

} // namespace Vex
