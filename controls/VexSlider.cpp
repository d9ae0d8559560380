#include "controls/VexSlider.h"

#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace Vex {

namespace {
// Lengths, margins and knob percentages are held to the largest control's side either way:
// nothing larger shows differently, and sums of a few of them stay within an int.
int Bounded(int Value) {
    return std::clamp(Value, -TVexGraphicControl::MaxSide, TVexGraphicControl::MaxSide);
}

// Gap between a tick's end and its label on a vertical scale, where the label stands beside
// the tick instead of under it.
constexpr int KLabelGap = 2;
constexpr int KKnobPenWidth = 2;

// Errors cannot travel through Qt's event loop: those raised by a handler of an event are shown.
template <typename THandler> void ShowingErrors(THandler &&Handler) {
    try {
        Handler();
    } catch (const std::exception &Error) {
        ApplicationShowError(ErrorMessage(Error));
    }
}
} // namespace

TVexSlider::TVexSlider(QWidget *Parent) : TVexGraphicControl(Parent) {
    SetBounds(Left(), Top(), 300, 35);
    setFocusPolicy(Qt::StrongFocus);
    BuildKnob();
}

void TVexSlider::Loaded() {
    TVexGraphicControl::Loaded();
    // A range read from a file is checked once both ends are known; a file whose range is
    // empty or reversed leaves the default one.
    if (!(FMin < FMax)) {
        FMin = 0;
        FMax = 100;
    }
    FPosition = std::clamp(FPosition, FMin, FMax);
    update();
}

void TVexSlider::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    update();
}

void TVexSlider::SetKnobWidth(int Value) {
    FKnobWidth = Bounded(Value);
    BuildKnob();
    update();
}

void TVexSlider::SetKnobHeight(int Value) {
    FKnobHeight = Bounded(Value);
    BuildKnob();
    update();
}

void TVexSlider::SetMin(float Value) {
    if (!std::isfinite(Value))
        return;
    // Files write Min before Max: a range beyond the default one must not be refused half read.
    if (!IsLoading()) {
        if (!(Value < FMax))
            return;
        const QPointer<TVexSlider> Self(this);
        if (FPosition < Value)
            SetPosition(Value);
        if (!Self)
            return;
    }
    FMin = Value;
    update();
}

void TVexSlider::SetMax(float Value) {
    if (!std::isfinite(Value))
        return;
    if (!IsLoading()) {
        if (!(Value > FMin))
            return;
        const QPointer<TVexSlider> Self(this);
        if (FPosition > Value)
            SetPosition(Value);
        if (!Self)
            return;
    }
    FMax = Value;
    update();
}

void TVexSlider::SetPosition(float Value) {
    if (!std::isfinite(Value))
        return;
    // While loading the range may be half read: Loaded clamps, and no event is raised.
    if (IsLoading()) {
        FPosition = Value;
        update();
        return;
    }
    FPosition = std::clamp(Value, FMin, FMax);
    const QPointer<TVexSlider> Self(this);
    if (FPosition != FChangeReference)
        emit OnChange(this);
    if (Self)
        update();
}

void TVexSlider::SetPosition2(float Value) {
    if (!std::isfinite(Value))
        return;
    FPosition2 = Value;
    update();
}

void TVexSlider::SetTickCount(int Value) {
    if (Value > MaxTickCount)
        return;
    FTickCount = Value;
    update();
}

void TVexSlider::SetSubTickCount(int Value) {
    if (Value > MaxTickCount)
        return;
    FSubTickCount = Value;
    update();
}

void TVexSlider::SetTickLenght(int Value) {
    FTickLenght = Bounded(Value);
    update();
}

void TVexSlider::SetTickDistance(int Value) {
    FTickDistance = Bounded(Value);
    update();
}

void TVexSlider::SetTickWidth(int Value) {
    FTickWidth = Bounded(Value);
    update();
}

void TVexSlider::SetTickColor(TColor Value) {
    FTickColor = Value;
    update();
}

void TVexSlider::SetSliderType(TVexSliderType Value) {
    if (Value == FSliderType || !IsEnumerator(Value))
        return;
    FSliderType = Value;
    // A bar fills the whole control.
    if (Value == ustLiquidBar) {
        SetKnobHeight(100);
        SetLeftMargin(0);
        SetRightMargin(0);
    }
    update();
}

void TVexSlider::SetOrientation(TVexSliderOrientation Value) {
    if (Value == FOrientation || !IsEnumerator(Value))
        return;
    FOrientation = Value;
    BuildKnob();
    update();
}

void TVexSlider::SetFormat(const QString &Value) {
    if (!IsNumberPicture(Value))
        return;
    FFormat = Value;
    update();
}

void TVexSlider::SetLeftMargin(int Value) {
    FLeftMargin = Bounded(Value);
    update();
}

void TVexSlider::SetRightMargin(int Value) {
    FRightMargin = Bounded(Value);
    update();
}

void TVexSlider::SetDesignColor(TColor Value) {
    FDesignColor = Value;
    update();
}

void TVexSlider::SetFont(const TFont &Value) {
    FFont = Value;
    update();
}

int TVexSlider::TrackLength() const {
    return Length() - FLeftMargin - FRightMargin;
}

int TVexSlider::ValueToPixel(float Value) const {
    const double Span = double(FMax) - FMin;
    if (!(Span > 0))
        return FLeftMargin;
    return Round((Value - FMin) * (TrackLength() / Span) + FLeftMargin);
}

float TVexSlider::OffsetToValue(int D) const {
    const int TW = TrackLength();
    // A track without length stands for its start.
    if (TW <= 0)
        return FMin;
    const float Value = float(FMin + (double(FMax) - FMin) / TW * D);
    return std::clamp(Value, FMin, FMax);
}

int TVexSlider::FrameDepth() const {
    return Round(Thickness() * 0.01 * FKnobHeight);
}

TPoint TVexSlider::ScreenPoint(int A, int C) const {
    return Vertical() ? Point(C, Length() - 1 - A) : Point(A, C);
}

TRect TVexSlider::ScreenRect(int A0, int C0, int A1, int C1) const {
    return Vertical() ? Rect(C0, Length() - A1, C1, Length() - A0) : Rect(A0, C0, A1, C1);
}

void TVexSlider::BuildKnob() {
    const int Along = Round(Length() * 0.01 * FKnobWidth);
    const int Across = Round(Thickness() * 0.01 * FKnobHeight);
    const int W = Vertical() ? Across : Along;
    const int H = Vertical() ? Along : Across;
    FKnob.SetSize(W, H);
    FKnob.Transparent = true;
    if (FKnob.Empty())
        return;
    TCanvas &C = FKnob.Canvas();
    C.Brush = TBrush{clBtnFace};
    C.FillRect(Rect(0, 0, W, H));
    // A triangle pointing at the scale, lit from the top left: its shadowed edge dark, the
    // other two light. The face colour around it is the transparent one.
    C.Pen = TPen{clBlack, KKnobPenWidth};
    if (Vertical()) {
        C.MoveTo(W, H / 2);
        C.LineTo(0, H);
        C.Pen.Color = clBtnHighlight;
        C.LineTo(0, 0);
        C.LineTo(W, H / 2);
        // The bottom-left pixel lies on the lit edge here, so the key is the face colour.
        FKnob.SetTransparentColor(ColorToRGB(clBtnFace));
    } else {
        C.MoveTo(W / 2, H);
        C.LineTo(W, 0);
        C.Pen.Color = clBtnHighlight;
        C.LineTo(0, 0);
        C.LineTo(W / 2, H);
        FKnob.TransparentMode = tmAuto;
    }
    C.Release();
}

void TVexSlider::Paint(TCanvas &Canvas) {
    Canvas.Brush = TBrush{Color()};
    Canvas.FillRect(Rect(0, 0, width(), height()));
    Canvas.Pen.Style = psSolid;
    if (FSliderType != ustLiquidBar && FTickCount > 1)
        PaintScale(Canvas);
    switch (FSliderType) {
    case ustTrackbar:
        PaintKnob(Canvas);
        break;
    case ustRangeSelector:
        PaintSpan(Canvas, FPosition2, FPosition);
        break;
    case ustLiquidBar:
        // A range across zero fills from zero, so negative values grow the other way.
        PaintSpan(Canvas, FMin < 0 && 0 < FMax ? 0.0f : FMin, FPosition);
        break;
    }
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

void TVexSlider::PaintScale(TCanvas &Canvas) {
    const int TW = TrackLength();
    if (TW <= 0)
        return;
    const int N = FTickCount;
    const int Y0 = FKnobHeight / 2 + FTickDistance;
    const int End = Length() - FRightMargin;
    Canvas.Font = FFont;
    Canvas.Pen = TPen{FTickColor, FTickWidth};
    const auto Line = [&](int A, int C0, int C1) {
        const TPoint From = ScreenPoint(A, C0), To = ScreenPoint(A, C1);
        Canvas.MoveTo(From.X, From.Y);
        Canvas.LineTo(To.X, To.Y);
    };
    const TPoint LineFrom = ScreenPoint(FLeftMargin, Y0), LineTo = ScreenPoint(End, Y0);
    Canvas.MoveTo(LineFrom.X, LineFrom.Y);
    Canvas.LineTo(LineTo.X, LineTo.Y);
    Canvas.Brush.Style = bsClear;
    Canvas.SetTextAlign(TA_LEFT | TA_TOP);
    for (int I = 0; I < N; ++I) {
        const int X = Round(double(TW) / (N - 1) * I) + FLeftMargin;
        Line(X, Y0, Y0 + FTickLenght);
        const QString Label = FormatFloat(FFormat, (double(FMax) - FMin) / (N - 1) * I + FMin);
        if (Vertical())
            Canvas.TextOut(Y0 + FTickLenght + KLabelGap,
                           ScreenPoint(X, 0).Y - Canvas.TextHeight(Label) / 2, Label);
        else
            Canvas.TextOut(X - Canvas.TextWidth(Label) / 2, Y0 + FTickLenght, Label);
    }
    if (FSubTickCount <= 0)
        return;
    // Sub-ticks fall on the main ticks too, including the last one.
    const int64_t M = int64_t(FSubTickCount + 1) * (N - 1);
    const double Step = double(TW) / double(M);
    if (M <= TW) {
        for (int64_t J = 1; J <= M; ++J)
            Line(Round(Step * double(J)) + FLeftMargin, Y0, Y0 + FTickLenght / 2);
        return;
    }
    // Closer than a pixel, they cover every pixel from the first one to the end of the track.
    for (int X = Round(Step); X <= TW; ++X)
        Line(X + FLeftMargin, Y0, Y0 + FTickLenght / 2);
}

void TVexSlider::PaintKnob(TCanvas &Canvas) {
    const int KnobAlong = Vertical() ? FKnob.Height() : FKnob.Width();
    const int KnobAcross = Vertical() ? FKnob.Width() : FKnob.Height();
    const double Span = double(FMax) - FMin;
    const double Offset = Span > 0 ? (FPosition - FMin) * (TrackLength() / Span) : 0.0;
    const int Start = Round(FLeftMargin - KnobAlong / 2 + Offset);
    const TRect Box = ScreenRect(Start, 0, Start + KnobAlong, KnobAcross);
    Canvas.Draw(Box.Left, Box.Top, FKnob);
}

void TVexSlider::PaintSpan(TCanvas &Canvas, float From, float To) {
    const int Depth = FrameDepth();
    Canvas.Pen = TPen{clBlack, 1};
    Canvas.Brush = TBrush{clWhite};
    Canvas.Rectangle(ScreenRect(FLeftMargin, 0, Length() - FRightMargin, Depth));
    const int A = ValueToPixel(From), B = ValueToPixel(To);
    if (A == B)
        return;
    Canvas.Brush.Color = FDesignColor;
    Canvas.Rectangle(ScreenRect(std::min(A, B), 0, std::max(A, B), Depth));
}

void TVexSlider::MouseDown(TMouseButton Button, int X, int Y) {
    TVexGraphicControl::MouseDown(Button, X, Y);
    if (Button != mbLeft || !AllowInput() || FSkipNext)
        return;
    FDragging = true;
    FLastAlong = Along(X, Y);
    FDragOffset = FLastAlong - FLeftMargin;
    SetPosition2(OffsetToValue(FDragOffset));
    // The press moves the knob (or the bar's end) to the pointer at once.
    MouseMove(X, Y);
}

void TVexSlider::MouseMove(int X, int Y) {
    const QPointer<TVexSlider> Self(this);
    TVexGraphicControl::MouseMove(X, Y);
    if (!Self)
        return;
    FChangeReference = FPosition;
    if (FSkipNext) {
        FSkipNext = false;
        return;
    }
    if (!FDragging)
        return;
    const int A = Along(X, Y);
    const int End = Length() - FRightMargin;
    if (A > FLeftMargin && A < End) {
        FDragOffset += A - FLastAlong;
        if (FDragOffset < 0)
            FDragOffset = 0;
        else if (FDragOffset > Length() - FKnobWidth)
            FDragOffset = Length() - FKnobWidth;
        FLastAlong = A;
        SetPosition(OffsetToValue(FDragOffset));
    } else if (A > End) {
        SetPosition(FMax);
    } else if (A < FLeftMargin) {
        SetPosition(FMin);
    }
}

void TVexSlider::MouseUp(TMouseButton Button, int X, int Y) {
    TVexGraphicControl::MouseUp(Button, X, Y);
    if (Button == mbLeft)
        FDragging = false;
}

void TVexSlider::DblClick() {
    if (FSliderType != ustRangeSelector || !AllowInput())
        return;
    FDragging = false;
    FSkipNext = true;
    const QPointer<TVexSlider> Self(this);
    SetPosition(FMax);
    if (!Self)
        return;
    SetPosition2(FMin);
}

void TVexSlider::mouseDoubleClickEvent(QMouseEvent *Event) {
    const QPointer<TVexSlider> Self(this);
    if (Event->button() == Qt::LeftButton)
        ShowingErrors([this] { DblClick(); });
    // The second press of the pair follows the double-click, as it does on the desktop.
    if (Self)
        TVexGraphicControl::mouseDoubleClickEvent(Event);
}

void TVexSlider::MoveByKey(float Target) {
    FChangeReference = FPosition;
    SetPosition(Target);
}

void TVexSlider::keyPressEvent(QKeyEvent *Event) {
    if (!AllowInput() || FDragging) {
        TVexGraphicControl::keyPressEvent(Event);
        return;
    }
    const float Step = (FMax - FMin) / 100, Page = (FMax - FMin) / 10;
    float Target;
    switch (Event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        Target = FPosition - Step;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        Target = FPosition + Step;
        break;
    case Qt::Key_PageDown:
        Target = FPosition - Page;
        break;
    case Qt::Key_PageUp:
        Target = FPosition + Page;
        break;
    case Qt::Key_Home:
        Target = FMin;
        break;
    case Qt::Key_End:
        Target = FMax;
        break;
    default:
        TVexGraphicControl::keyPressEvent(Event);
        return;
    }
    ShowingErrors([&] { MoveByKey(Target); });
}

} // namespace Vex
