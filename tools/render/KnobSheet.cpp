#include "KnobSheet.h"

#include "ControlRenderer.h"
#include "controls/VexKnob.h"
#include "platform/core/Maths.h"

#include <QMetaEnum>
#include <functional>

namespace Vex {

namespace {
// A knob of Size pixels on a white page, as the demonstration pages show them, with its grain
// seeded so that the sheet comes out the same every time.
TVexKnob *MakeKnob(QWidget *Parent, int Size, const std::function<void(TVexKnob &)> &Setup) {
    auto *K = new TVexKnob(Parent);
    K->SetColor(clWhite);
    K->SetBounds(0, 0, Size, Size);
    Setup(*K);
    SetRandSeed(uint32_t(Size));
    K->EndUpdate();
    return K;
}

TFont Font(int Points, TFontStyles Style = 0, TColor Color = clBlack) {
    TFont F;
    F.Name = QStringLiteral("Arial");
    F.SetSize(Points);
    F.Style = Style;
    F.Color = Color;
    return F;
}

void SetTicks(TVexKnob &K, TItemType Type, int Radius, int Count, float Len, float Width) {
    K.SetTickType(Type);
    K.SetTickRadius(Radius);
    K.SetTickCount(Count);
    K.SetTickLen(Len);
    K.SetTickWidth(Width);
}

void SetIndicator(TVexKnob &K, TItemType Type, TItemLocation Location, TColor Color = clBlack) {
    K.SetIndicatorType(Type);
    K.SetIndicatorLocation(Location);
    K.SetIndicatorColor(Color);
}

void SetRange(TVexKnob &K, float Min, float Max, float MinAngle, float MaxAngle) {
    K.SetMax(Max);
    K.SetMin(Min);
    K.SetMinAngle(MinAngle);
    K.SetMaxAngle(MaxAngle);
}

// A smooth knob whose numbers 0 .. 9 are printed on it and turn under a fixed indicator at the
// bottom, turned by dragging.
void SetNumbersUnderIndicator(TVexKnob &K, TColor Color, float MinAngle, float MaxAngle) {
    K.SetKnobSize(90);
    K.SetKnobSurfaceType(kstSmooth);
    K.SetKnobColor(Color);
    K.SetContrast(113);
    K.SetGranularity(90);
    SetRange(K, 0, 9, MinAngle, MaxAngle);
    K.SetMouseInputType(TVexGraphicControl::mitDragXY);
    SetTicks(K, itTriangle, 83, 1, 6, 4);
    K.SetTickColor(clWhite);
    SetIndicator(K, itTriangle, ilOnBackground);
    K.SetIndicatorRadius(100);
    K.SetIndicatorLength(-12);
    K.SetScaleItemCount(10);
    K.SetScaleType(stKnobRot0);
}

// Every surface type with every grain type on a silver face, which shows both the lit and the
// shaded side; the rest is the default look.
void AddSurfaces(TControlRenderer &Renderer) {
    const QMetaEnum Surfaces = QMetaEnum::fromType<TKnobSurfaceType>();
    const QMetaEnum Grains = QMetaEnum::fromType<TGranularityType>();
    for (int S = 0; S < Surfaces.keyCount(); ++S)
        for (int G = 0; G < Grains.keyCount(); ++G)
            Renderer.Add(
                [&](QWidget *Parent) {
                    return MakeKnob(Parent, 113, [&](TVexKnob &K) {
                        K.SetKnobColor(clSilver);
                        K.SetKnobSurfaceType(TKnobSurfaceType(Surfaces.value(S)));
                        K.SetGranularityType(TGranularityType(Grains.value(G)));
                        K.SetScaleType(stNone);
                        K.SetFloat(30);
                    });
                },
                QStringLiteral("%1 %2").arg(QLatin1String(Surfaces.key(S)),
                                            QLatin1String(Grains.key(G))));
}

// The overview page's nine knobs.
void AddOverview(TControlRenderer &Renderer) {
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 161, [](TVexKnob &K) {
                K.SetKnobSize(50);
                K.SetContrast(126);
                K.SetGranularityType(gtRaster);
                K.SetGranularity(41);
                K.SetKnobColor(0xFFE6E6);
                K.SetCaptions(
                    {"ALPHA", "BETA", "GAMMA", "DELTA", "EPSILON", "ZETA", "ETA", "THETA"});
                K.SetIndexed(true);
                K.SetInertia(60);
                SetRange(K, 0, 7, 237, -57);
                SetTicks(K, itCircle, 63, 4, 5, 2);
                SetIndicator(K, itCircle, ilOnKnob);
                K.SetIndicatorWidth(10);
                K.SetScaleFont(Font(7));
                K.SetScaleRadius(80);
                K.SetScaleType(stBackHorizontal);
                K.SetFloat(2);
            });
        },
        QStringLiteral("VexKnob1 captions"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSurfaceType(kstGrip);
                K.SetContrast(50);
                K.SetGranularity(40);
                K.SetKnobColor(clMaroon);
                SetRange(K, 0, 600, 230, -50);
                SetTicks(K, itLine, 100, 10, 6, 0.5f);
                SetIndicator(K, itRectangle, ilOnKnob);
                K.SetScaleItemCount(7);
                K.SetScaleFont(Font(6));
                K.SetScaleRadius(86);
                K.SetScaleType(stBackRot180);
                K.SetFloat(250);
            });
        },
        QStringLiteral("VexKnob3 grip"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetGranularity(60);
                K.SetKnobColor(0xB9DCFF);
                SetRange(K, 40, 100, 225, -45);
                SetTicks(K, itLine, 80, 3, 5, 0.5f);
                SetIndicator(K, itTriangle, ilOnKnob);
                K.SetIndicatorWidth(10);
                K.SetScaleItemCount(13);
                K.SetScaleFont(Font(5));
                K.SetScaleRadius(90);
                K.SetScaleType(stBackRot0);
                K.SetFloat(70);
            });
        },
        QStringLiteral("VexKnob4 rot0"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSurfaceType(kstConic);
                K.SetContrast(100);
                K.SetLightAngle(2);
                K.SetKnobColor(0x980736);
                SetRange(K, -100, 100, 257, -73);
                SetTicks(K, itLine, 67, 8, 5, 0.5f);
                SetIndicator(K, itTriangle, ilOnKnob, clWhite);
                K.SetIndicatorWidth(10);
                K.SetScaleFont(Font(6));
                K.SetScaleType(stBackHorizontal);
                K.SetFloat(-40);
            });
        },
        QStringLiteral("VexKnob51 conic"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSurfaceType(kstSphere);
                K.SetGranularityType(gtRaster);
                K.SetKnobColor(clNavy);
                SetRange(K, 0, 200, 225, -45);
                SetTicks(K, itTriangle, 66, 3, 6, 4);
                SetIndicator(K, itRectangle, ilOnKnob, clWhite);
                K.SetScaleItemCount(5);
                K.SetScaleFont(Font(6));
                K.SetScaleRadius(86);
                K.SetScaleType(stBackRot0);
                K.SetFloat(100);
            });
        },
        QStringLiteral("VexKnob6 sphere"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                SetNumbersUnderIndicator(K, 0x408000, -91, 234);
                K.SetScaleFont(Font(6, fsBold, clWhite));
                K.SetScaleRadius(70);
                K.SetFloat(3);
            });
        },
        QStringLiteral("VexKnob5 scale on knob"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSize(50);
                K.SetContrast(100);
                K.SetKnobColor(clWhite);
                K.SetCaptions(
                    {"Idle", "Lowest", "Lower", "Normal", "Higher", "Highest", "TimeCritical"});
                K.SetIndexed(true);
                K.SetInertia(60);
                SetRange(K, 0, 6, 245, -66);
                SetTicks(K, itTriangle, 52, 1, 6, 4);
                K.SetTickColor(0x408080);
                SetIndicator(K, itRectangle, ilOnKnob);
                K.SetScaleFont(Font(5));
                K.SetScaleRadius(76);
                K.SetScaleType(stBackHorizontal);
                K.SetFloat(3);
            });
        },
        QStringLiteral("VexKnob10 priorities"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSurfaceType(kstSmooth);
                K.SetContrast(100);
                K.SetKnobColor(clBlack);
                SetRange(K, 0, 10, 225, -43);
                SetTicks(K, itRectangle, 71, 3, 6, 2);
                SetIndicator(K, itRectangle, ilOnKnob, clWhite);
                K.SetScaleFont(Font(6));
                K.SetScaleType(stBackHorizontal);
                K.SetFloat(7);
            });
        },
        QStringLiteral("VexKnob9 smooth black"));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 113, [](TVexKnob &K) {
                K.SetKnobSurfaceType(kstDisc);
                K.SetContrast(71);
                K.SetLightAngle(2);
                K.SetGranularityType(gtRaster);
                K.SetKnobColor(clSilver);
                SetRange(K, 0, 100, 225, -45);
                SetTicks(K, itTriangle, 58, 3, 6, 4);
                SetIndicator(K, itTriangle, ilOnKnob, clWhite);
                K.SetIndicatorWidth(10);
                K.SetScaleItemCount(6);
                K.SetScaleFont(Font(6, fsBold | fsItalic));
                K.SetScaleType(stBackHorizontal);
                K.SetFloat(40);
            });
        },
        QStringLiteral("VexKnob8 disc"));
}

// The data awareness page's four grip knobs and the property editor page's knob.
void AddDataAndEditor(TControlRenderer &Renderer) {
    const float Ranges[] = {200, 200, 2000, 800};
    for (float Top : Ranges)
        Renderer.Add(
            [Top](QWidget *P) {
                return MakeKnob(P, 81, [Top](TVexKnob &K) {
                    K.SetKnobSurfaceType(kstGrip);
                    K.SetKnobColor(0xB9DCFF);
                    K.SetGranularity(40);
                    K.SetInertia(70);
                    SetRange(K, 0, Top, 225, -45);
                    SetTicks(K, itLine, 80, 3, 10, 0.5f);
                    SetIndicator(K, itTriangle, ilOnKnob);
                    K.SetScaleItemCount(5);
                    K.SetScaleFont(Font(5, fsBold));
                    K.SetScaleRadius(90);
                    K.SetScaleType(stBackRot0);
                    K.SetFloat(Top * 0.3f);
                });
            },
            QStringLiteral("data 0..%1").arg(double(Top)));
    Renderer.Add(
        [](QWidget *P) {
            return MakeKnob(P, 148, [](TVexKnob &K) {
                SetNumbersUnderIndicator(K, 0xB0, -90, 235);
                TFont F = Font(0, fsBold, clWhite);
                F.Height = -24;
                K.SetScaleFont(F);
                K.SetScaleRadius(68);
                K.SetFloat(4);
            });
        },
        QStringLiteral("editor page"));
}
} // namespace

void AddKnobSheet(TControlRenderer &Renderer) {
    AddSurfaces(Renderer);
    AddOverview(Renderer);
    AddDataAndEditor(Renderer);
}

} // namespace Vex
