#include "LCDMatrixSheet.h"

#include "ControlRenderer.h"
#include "controls/VexLCD.h"
#include "controls/VexMatrix.h"

#include <functional>

namespace Vex {

namespace {
void AddLCD(TControlRenderer &Renderer, const QString &Caption, int Width, int Height,
            const std::function<void(TVexLCD &)> &Setup) {
    Renderer.Add(
        [&](QWidget *Parent) {
            auto *L = new TVexLCD(Parent);
            L->SetBounds(0, 0, Width, Height);
            Setup(*L);
            return L;
        },
        Caption);
}

void AddMatrix(TControlRenderer &Renderer, const QString &Caption, int Width,
               const std::function<void(TVexMatrix &)> &Setup) {
    Renderer.Add(
        [&](QWidget *Parent) {
            auto *M = new TVexMatrix(Parent);
            M->SetWidth(Width);
            Setup(*M);
            return M;
        },
        Caption);
}

// A matrix look of the overview page: dot size, text, colours, highlight and alignment.
std::function<void(TVexMatrix &)> MatrixLook(float DotWidth, float DotHeight, const QString &Text,
                                             TColor Background, TColor Lit, TColor Dark,
                                             int Brightness, TVexMatrix::TAlignment Alignment) {
    return [=](TVexMatrix &M) {
        M.SetPixelWidth(DotWidth);
        M.SetPixelHeight(DotHeight);
        M.SetText(Text);
        M.SetBackgroundColor(Background);
        M.SetLitPixelColor(Lit);
        M.SetDarkPixelColor(Dark);
        M.SetLightBrightness(Brightness);
        M.SetAlignment(Alignment);
    };
}
} // namespace

void AddLCDMatrixSheet(TControlRenderer &Renderer) {
    AddLCD(Renderer, QStringLiteral("LCD default"), 360, 100, [](TVexLCD &) {});
    AddLCD(Renderer, QStringLiteral("LCD -12.5"), 360, 100, [](TVexLCD &L) { L.SetValue(-12.5f); });
    // The overview page: three sizes with a wider margin.
    const QSize Overview[] = {{201, 57}, {281, 81}, {393, 137}};
    const float OverviewValues[] = {512.37f, 98.06f, 999.99f};
    for (int I = 0; I < 3; ++I)
        AddLCD(Renderer, QStringLiteral("LCD overview %1").arg(I + 1), Overview[I].width(),
               Overview[I].height(), [&](TVexLCD &L) {
                   L.SetHMargin(25);
                   L.SetValue(OverviewValues[I]);
               });
    AddLCD(Renderer, QStringLiteral("LCD property editor page"), 393, 145, [](TVexLCD &L) {
        L.SetValue(123.456f);
        L.SetColor(clGray);
        L.SetLightIntensity(100);
        L.SetHMargin(26);
    });
    AddLCD(Renderer, QStringLiteral("LCD data awareness page"), 668, 137, [](TVexLCD &L) {
        L.SetColor(16744576);
        L.SetLightIntensity(100);
        L.SetHMargin(40);
        L.SetGradientRate(1.96581196784973f);
        L.SetValue(40000);
    });

    AddMatrix(Renderer, QStringLiteral("matrix default"), 310, [](TVexMatrix &) {});
    AddMatrix(Renderer, QStringLiteral("matrix overview 1"), 310,
              MatrixLook(3, 3, QStringLiteral("VEXMATRIX"), 4632740, clBlack, 4234644, 50,
                         TVexMatrix::taLeftJustify));
    AddMatrix(Renderer, QStringLiteral("matrix overview 2"), 310,
              MatrixLook(3, 3, QStringLiteral("UPPERCASE"), 14483456, clSilver, 10485760, 50,
                         TVexMatrix::taRightJustify));
    AddMatrix(Renderer, QStringLiteral("matrix overview 4"), 313,
              MatrixLook(5, 2, QStringLiteral("lowercase"), 4227327, clBlack, 20208, 50,
                         TVexMatrix::taRightJustify));
    AddMatrix(Renderer, QStringLiteral("matrix overview 3"), 314,
              MatrixLook(3, 8, QStringLiteral("987654"), 50688, clBlack, 40192, 100,
                         TVexMatrix::taRightJustify));
    for (const QString &Field :
         {QStringLiteral("Nelson"), QStringLiteral("Robert"), QStringLiteral("40000")})
        AddMatrix(Renderer, QStringLiteral("matrix data awareness"), 310,
                  [&](TVexMatrix &M) { M.SetText(Field); });
    AddMatrix(Renderer, QStringLiteral("matrix centred"), 310, [](TVexMatrix &M) {
        M.SetText(QStringLiteral("Centre"));
        M.SetAlignment(TVexMatrix::taCenter);
    });
    AddMatrix(Renderer, QStringLiteral("matrix accents, # and [ ]"), 310, [](TVexMatrix &M) {
        M.SetText(QString::fromUtf8("\xc3\x85\xc3\x84\xc3\x96 \xc3\xa5\xc3\xa4\xc3\xb6 #[x]@"));
    });
}

} // namespace Vex
