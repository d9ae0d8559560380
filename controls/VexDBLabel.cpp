#include "controls/VexDBLabel.h"

#include "platform/core/Maths.h"
#include "toolkit/DIBFX.h"

#include <QFontMetrics>
#include <algorithm>
#include <climits>

namespace Vex {

namespace {
// Splits Text at its line breaks (CR LF, LF or CR) the way a string list takes a text: a break
// at the very end opens no further line, and an empty text has no lines.
QStringList SplitLines(QString Text) {
    Text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Text.isEmpty())
        return {};
    QStringList Lines = Text.split(QLatin1Char('\n'));
    if (Lines.last().isEmpty())
        Lines.removeLast();
    return Lines;
}
} // namespace

TVexDBLabel::TVexDBLabel(QWidget *Parent) : TVexVBSGraphicControlDA(Parent) {
    SetParentColor(true);
    SetHighRes(true);
    SetText({objectName().isEmpty() ? QStringLiteral("TVexDBLabel") : objectName()});
    SetWidth(50);
    SetHeight(20);
    SetDelay(0);
    EnableFrameTimer(true);
    TFont Arial;
    Arial.Name = QStringLiteral("Arial");
    Arial.SetSize(11);
    Arial.Color = clBlack;
    SetFont(Arial);
}

void TVexDBLabel::SetFont(const TFont &Value) {
    FFont = Value;
    UpdateDrawFont();
    if (!IsLoading())
        UpdateLayout();
    update();
}

void TVexDBLabel::SetPrefix(const QString &Value) {
    FPrefix = Value;
    update();
}

void TVexDBLabel::SetSuffix(const QString &Value) {
    FSuffix = Value;
    update();
}

void TVexDBLabel::SetText(const QStringList &Value) {
    FText = Value;
    RestartAnimation();
}

void TVexDBLabel::SetVexTexGen(TVexTexGen *Value) {
    FVexTexGen = Value;
    update();
}

void TVexDBLabel::SetDelay(int Value) {
    if (Value >= 0)
        FDelay = Value;
    FDelayLeft = FDelay;
}

void TVexDBLabel::SetDisplayStyle(TDisplayStyle Value) {
    if (!IsEnumerator(Value))
        return;
    FDisplayStyle = Value;
    update();
}

void TVexDBLabel::SetFade(bool Value) {
    FFade = Value;
    update();
}

void TVexDBLabel::SetHighRes(bool Value) {
    FHighRes = Value;
    UpdateDrawFont();
    if (!IsLoading())
        UpdateLayout();
    update();
}

void TVexDBLabel::SetAnimationStyle(TAnimationStyle Value) {
    if (!IsEnumerator(Value))
        return;
    FAnimationStyle = Value;
    update();
}

void TVexDBLabel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int OldWidth = Width();
    TVexVBSGraphicControlDA::SetBounds(ALeft, ATop, AWidth, AHeight);
    // The wrap follows the width; the height that UpdateLayout sets comes back here unchanged
    // in width, so this does not recurse.
    if (Width() != OldWidth && !IsLoading())
        UpdateLayout();
}

void TVexDBLabel::FrameTick() {
    TVexVBSGraphicControlDA::FrameTick();
    if (FFramesLeft != 0 || FDelayLeft > 0)
        update();
}

void TVexDBLabel::Loaded() {
    TVexVBSGraphicControlDA::Loaded();
    RestartAnimation();
}

void TVexDBLabel::DataChange(QObject *Sender) {
    TVexVBSGraphicControlDA::DataChange(Sender);
    if (DataLink().HasField())
        SetText(SplitLines(DataLink().AsString()));
}

void TVexDBLabel::RestartAnimation() {
    FDelayLeft = FDelay;
    UpdateLayout();
    FFramesLeft = FLongest;
    WakeFrameTimer();
    update();
}

void TVexDBLabel::PixelRatioChanged() {
    UpdateDrawFont();
    UpdateLayout();
}

void TVexDBLabel::UpdateDrawFont() {
    FDrawFont = ScaledFont(FFont, RenderScale(FHighRes));
    FBuffer->Canvas().Font = FDrawFont;
}

void TVexDBLabel::UpdateLayout() {
    FDisplayLines = FText;
    WrapLines();
    qsizetype Longest = 0;
    for (const QString &Line : std::as_const(FDisplayLines))
        Longest = std::max(Longest, Line.size());
    FLongest = int(std::min<qsizetype>(Longest, INT_MAX));
    FFramesLeft = std::min(FFramesLeft, FLongest);
    FLineHeight = FBuffer->Canvas().TextHeight(QStringLiteral("Yy"));
    SetHeight(int(FLineHeight / RenderScale(FHighRes)));
}

void TVexDBLabel::WrapLines() {
    QString Joined = FDisplayLines.join(QLatin1Char('\n'));
    Joined.replace(QLatin1Char(' '), QLatin1Char('\n'));
    const QStringList Words = SplitLines(Joined);
    if (Words.isEmpty())
        return;
    // The drawing font is at the buffer's scale, so is the limit.
    const int Limit = int(RenderScale(FHighRes) * Width());
    // One metrics object for the whole wrap. Every character advances at least one pixel, so a
    // text of more than Limit characters exceeds the limit without being measured: a huge word
    // costs no more than a line's width.
    const QFontMetrics Metrics(FDrawFont.ToQFont());
    const auto Exceeds = [&](const QString &S) {
        return S.size() > Limit || Metrics.horizontalAdvance(FDrawFont.DisplayText(S)) > Limit;
    };
    FDisplayLines.clear();
    QString Line;
    for (qsizetype I = 0; I < Words.size(); ++I) {
        const QString &Word = Words[I];
        // Measured without the blank, stored with one after it: an overlong first word leaves
        // a first line of one blank.
        if (Exceeds(Line + Word)) {
            FDisplayLines << Line + QLatin1Char(' ');
            Line = Word;
        } else {
            Line = I == 0 ? Word : Line + QLatin1Char(' ') + Word;
        }
    }
    FDisplayLines << Line;
}

float TVexDBLabel::Fraction() const {
    if (IsDesigning() || FLongest == 0)
        return 0;
    return float(FFramesLeft) / float(FLongest);
}

QString TVexDBLabel::VisibleText(int Line) const {
    if (Line < 0 || Line >= FDisplayLines.size())
        return {};
    const QString &Text = FDisplayLines[Line];
    switch (FDisplayStyle) {
    case dsType: {
        const int Typed = FLongest - FFramesLeft;
        if (Typed >= Text.size())
            return FPrefix + Text + FSuffix;
        return Typed > 0 ? FPrefix + Text.left(Typed) : QString();
    }
    case dsFlash:
        // Blinks with a period of 8 frames while the animation runs.
        return (FFramesLeft / 4) % 2 ? QString() : FPrefix + Text + FSuffix;
    case dsFade:
    case dsNormal:
        break;
    }
    return FPrefix + Text + FSuffix;
}

int TVexDBLabel::LineTop(int Line) const {
    // Every text of the drawing font is one line height high.
    const int Rise =
        FAnimationStyle == asUpwards ? Round(double(FLineHeight) * double(Fraction())) : 0;
    return Rise + Line * FLineHeight;
}

bool TVexDBLabel::AdvanceFrame() {
    if (IsDesigning()) {
        FDelayLeft = 0;
        FFramesLeft = 0;
        return true;
    }
    if (FDelayLeft > 0) {
        --FDelayLeft;
        return false;
    }
    if (FFramesLeft > 0)
        --FFramesLeft;
    return true;
}

void TVexDBLabel::Paint(TCanvas &Canvas) {
    TVexVBSGraphicControlDA::Paint(Canvas);
    const bool TextFrame = AdvanceFrame();
    const QSize Device = DeviceSize();
    const int Factor = FHighRes && HalvesRendering() ? 2 : 1;
    FBuffer->SetSize(Factor * Device.width(), Factor * Device.height());
    RenderBackground();
    if (TextFrame)
        DrawLines();
    // Delay frames are reduced too, so that a texture keeps its scale when the text arrives.
    if (Factor == 2)
        HalveBitmap(*FBuffer, false);
    DrawDeviceImage(Canvas.Painter(), FBuffer->Image());
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

void TVexDBLabel::RenderBackground() {
    TCanvas &C = FBuffer->Canvas();
    C.Brush.Style = bsSolid;
    if (FVexTexGen && FBuffer->Width() != Width()) {
        // The texture is tiled at screen resolution and stretched, so it halves back unchanged.
        // The fill shows where a generator without picture paints nothing.
        TBitmap Texture(Width(), Height());
        Texture.Fill(Color());
        FVexTexGen->PaintTexture(this, Texture.Canvas());
        C.StretchDraw(Rect(0, 0, FBuffer->Width(), FBuffer->Height()), Texture);
        return;
    }
    FBuffer->Fill(Color());
    if (FVexTexGen)
        FVexTexGen->PaintTexture(this, C);
}

void TVexDBLabel::DrawLines() {
    TCanvas &C = FBuffer->Canvas();
    C.Font = FDrawFont;
    if (FFade)
        C.Font.Color = BlendColors(FFont.Color, Color(), Fraction());
    C.Brush.Style = bsClear;
    // Lines that start below the buffer are not seen, nor characters beyond its width in
    // pixels: a huge text costs one buffer's worth of drawing.
    const int Bottom = FBuffer->Height();
    const int MaxChars = FBuffer->Width();
    for (int I = 0; I < FDisplayLines.size() && I * std::max(FLineHeight, 1) < Bottom; ++I)
        C.TextOut(0, LineTop(I), VisibleText(I).left(MaxChars));
    C.Brush.Style = bsSolid;
}

} // namespace Vex
