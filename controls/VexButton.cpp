#include "controls/VexButton.h"

#include "platform/core/Maths.h"
#include "toolkit/DIBFX.h"

#include <QLocale>
#include <algorithm>

namespace Vex {

namespace {
// Upper-cases the ASCII letters only, so that accented letters of the month names stay as the
// locale writes them.
QString UpperCaseAscii(QString Text) {
    for (QChar &C : Text)
        if (C >= QLatin1Char('a') && C <= QLatin1Char('z'))
            C = QChar(C.unicode() - 'a' + 'A');
    return Text;
}

// Margin between the buffer's edge and the caption or the mark, in buffer pixels.
constexpr int KMargin = 4;
constexpr int KMarkPenWidth = 2;
} // namespace

TVexButton::TVexButton(QWidget *Parent) : TVexMouseControl(Parent) {
    SetWidth(100);
    SetHeight(18);
    SetParentColor(true);
    FFont.Name = QStringLiteral("Arial");
    FFont.SetSize(9);
    // A new button shows a random month name, so that several dropped on a form differ.
    SetCaption(UpperCaseAscii(QLocale().monthName(Random(12) + 1, QLocale::LongFormat)));
}

void TVexButton::SetAlignment(TAlignment Value) {
    if (!IsEnumerator(Value))
        return;
    FAlignment = Value;
    update();
}

void TVexButton::SetColor(TColor Value) {
    FColor = Value;
    update();
}

void TVexButton::SetHighRes(bool Value) {
    if (Value == FHighRes)
        return;
    FHighRes = Value;
    update();
}

void TVexButton::SetCaption(const QString &Value) {
    FCaption = Value;
    MeasureTextHeight();
    update();
}

void TVexButton::SetFont(const TFont &Value) {
    FFont = Value;
    MeasureTextHeight();
}

void TVexButton::SetChecked(bool Value) {
    FChecked = Value;
    update();
}

void TVexButton::SetButtonStyle(TButtonStyle Value) {
    if (!IsEnumerator(Value))
        return;
    FButtonStyle = Value;
    FBorderType = btNone;
    if (Value == bsCheckbox || Value == bsRadiobutton)
        FAlignment = taLeftJustify;
    update();
}

void TVexButton::SetBorderWidth(int Value) {
    if (Value < 0)
        return;
    FBorderWidth = Value;
    update();
}

void TVexButton::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    update();
}

void TVexButton::SetBorderType(TBorderType Value) {
    if (!IsEnumerator(Value))
        return;
    FBorderType = Value;
    update();
}

TFont TVexButton::BufferFont() const {
    return ScaledFont(FFont, Scale());
}

int TVexButton::BufferPixels(int Length) const {
    return PixelRatio() == 1 ? Length : Round(Length * PixelRatio());
}

void TVexButton::PixelRatioChanged() {
    MeasureTextHeight();
}

void TVexButton::MeasureTextHeight() {
    TCanvas &C = FBuffer->Canvas();
    C.Font = BufferFont();
    FTextHeight = C.TextHeight(QStringLiteral("yY"));
}

void TVexButton::MouseDown(TMouseButton Button, int X, int Y) {
    TVexMouseControl::MouseDown(Button, X, Y);
    // Only the left button clicks (OnClick): a mark flipped by another button would show a
    // state that nobody was told of.
    if (isEnabled() && Button == mbLeft)
        SetChecked(!FChecked);
}

int TVexButton::CaptionX(int BufferWidth) const {
    switch (FAlignment) {
    case taLeftJustify:
        return BufferPixels(KMargin);
    case taRightJustify:
        return BufferWidth - BufferPixels(KMargin) - FTextWidth;
    case taCenter:
        break;
    }
    return BufferWidth / 2 - FTextWidth / 2;
}

void TVexButton::Paint(TCanvas &Canvas) {
    TVexMouseControl::Paint(Canvas);
    // Sized on every paint, so that turning HighRes off brings the buffer back to the control's
    // size at once rather than at the next resize (a double-size buffer would lay the caption
    // out beyond the visible quarter).
    const QSize Device = DeviceSize();
    const int Factor = FHighRes && HalvesRendering() ? 2 : 1;
    FBuffer->SetSize(Device.width() * Factor, Device.height() * Factor);
    const int Wb = FBuffer->Width();
    const int Hb = FBuffer->Height();
    TCanvas &C = FBuffer->Canvas();

    C.Font = BufferFont();
    C.Brush = TBrush{FColor, bsSolid};
    // Entering or pressing fades the background in; leaving ends the highlight at once.
    if (MouseState() == msEntered || MouseState() == msClicked) {
        C.Font.Color = FHighlightFontColor;
        C.Brush.Color = BlendColors(FColor, FHighlightColor, Progress());
    }
    C.FillRect(Rect(0, 0, Wb, Hb));

    FTextHeight = C.TextHeight(FCaption);
    FTextWidth = C.TextWidth(FCaption);
    C.Brush.Style = bsClear;
    C.TextOut(CaptionX(Wb), Hb / 2 - FTextHeight / 2, FCaption);

    DrawMark(C, Wb, Hb);
    DrawBorder(C, Wb, Hb);

    if (Factor == 2)
        HalveBitmap(*FBuffer, false);
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
}

void TVexButton::DrawMark(TCanvas &Canvas, int Wb, int Hb) {
    if (FButtonStyle == bsButton)
        return;
    Canvas.Pen = TPen{Canvas.Font.Color, BufferPixels(KMarkPenWidth)};
    Canvas.Brush = TBrush{Canvas.Font.Color, FChecked ? bsSolid : bsClear};
    const int S = FTextHeight / 2;
    const int Margin = BufferPixels(KMargin);
    const TRect Box = Rect(Wb - Margin - S, Hb / 2 - S / 2, Wb - Margin, Hb / 2 + S / 2);
    if (FButtonStyle == bsCheckbox)
        Canvas.Rectangle(Box);
    else
        Canvas.Ellipse(Box);
}

void TVexButton::DrawBorder(TCanvas &Canvas, int Wb, int Hb) {
    Canvas.Brush.Style = bsClear;
    switch (FBorderType) {
    case btNone:
        break;
    case btSingle:
        Canvas.Pen = TPen{FBorderColor, BufferPixels(FBorderWidth)};
        Canvas.Rectangle(0, 0, Wb, Hb);
        break;
    case btBevel:
        // A raised frame two pixels deep: dark bottom and right, light top and left.
        for (int I = 0; I < BufferPixels(2); ++I) {
            const int Right = Wb - 1 - I;
            const int Bottom = Hb - 1 - I;
            Canvas.Pen = TPen{clBlack, BufferPixels(FBorderWidth)};
            Canvas.MoveTo(I, Bottom);
            Canvas.LineTo(Right, Bottom);
            Canvas.LineTo(Right, I);
            Canvas.Pen.Color = clWhite;
            Canvas.LineTo(I, I);
            Canvas.LineTo(I, Bottom);
        }
        break;
    }
}

} // namespace Vex
