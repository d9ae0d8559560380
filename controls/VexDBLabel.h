#pragma once
// A text label that animates its text whenever the text is set: typed one character per painted
// frame, blinking, fading in or rising into place, clocked by the shared frame timer. The text
// is word-wrapped to the label's width and the label keeps itself one line high. It draws over
// its Color or over the texture of a TVexTexGen, at double resolution reduced 2 x 2 when HighRes
// (smooth text), and can show the value of a database field.
//
// How the animation behaves:
// - Each paint is one frame. The animation runs L frames, L being the length of the longest
//   display line without Prefix and Suffix; r = frames left / L falls from near 1 to 0. A label
//   without text (L = 0) is finished at once (r = 0) and paints its background.
// - Delay: the first Delay paints after a restart show the background only; the animation then
//   starts, so a delayed label types its whole text. The frame tick keeps asking for paints
//   through the delay and the animation.
// - dsType types the lines, not their frame: Prefix stands before the typed characters from the
//   first typed frame, and Suffix joins a line once that line is completely typed.
// - Fade blends the text in from the background Color (r = 1) to the font's colour (r = 0); each
//   frame's colour is computed from Font's colour, so it never drifts from frame to frame.
// - asUpwards: each line starts one line height below its place and rises into it as r falls.
// - Designing: every paint shows the finished text (r = 0) with the design outline.
// - Font and HighRes changes refresh the drawing font (Font, double point size when HighRes) and
//   the layout (wrap, line height, the one-line Height); so does a change of Width. The running
//   animation continues.
// - Wrapping work grows with the text's length and the label's width, never with the square of
//   the text: a line is measured only while it can still fit.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Font.h"
#include "toolkit/VexTexGen.h"

#include <QPointer>
#include <QStringList>

namespace Vex {

class VEX_EXPORT TVexDBLabel : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(QString Prefix READ Prefix WRITE SetPrefix)
    Q_PROPERTY(QString Suffix READ Suffix WRITE SetSuffix)
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    // A reference to another component of the form, kept by the page that makes it.
    Q_PROPERTY(TVexTexGen *VexTexGen READ VexTexGen WRITE SetVexTexGen STORED false)
    Q_PROPERTY(int Delay READ Delay WRITE SetDelay)
    Q_PROPERTY(TDisplayStyle DisplayStyle READ DisplayStyle WRITE SetDisplayStyle)
    Q_PROPERTY(bool Fade READ Fade WRITE SetFade)
    Q_PROPERTY(bool HighRes READ HighRes WRITE SetHighRes)
    Q_PROPERTY(TAnimationStyle AnimationStyle READ AnimationStyle WRITE SetAnimationStyle)

public:
    enum TDisplayStyle : int { dsType, dsFlash, dsFade, dsNormal };
    Q_ENUM(TDisplayStyle)
    enum TAnimationStyle : int { asNone, asUpwards };
    Q_ENUM(TAnimationStyle)

    explicit TVexDBLabel(QWidget *Parent = nullptr);

    // Copies Value; the drawing font and the layout follow.
    const TFont &Font() const { return FFont; }
    void SetFont(const TFont &Value);
    // Drawn before and after every line.
    QString Prefix() const { return FPrefix; }
    void SetPrefix(const QString &Value);
    QString Suffix() const { return FSuffix; }
    void SetSuffix(const QString &Value);
    // Setting the text restarts the animation.
    QStringList Text() const { return FText; }
    void SetText(const QStringList &Value);
    // Not owned; a generator that goes away leaves the label on its Color.
    TVexTexGen *VexTexGen() const { return FVexTexGen; }
    void SetVexTexGen(TVexTexGen *Value);
    // Paints of background before the animation starts; a negative value is refused.
    int Delay() const { return FDelay; }
    void SetDelay(int Value);
    TDisplayStyle DisplayStyle() const { return FDisplayStyle; }
    void SetDisplayStyle(TDisplayStyle Value);
    bool Fade() const { return FFade; }
    void SetFade(bool Value);
    bool HighRes() const { return FHighRes; }
    void SetHighRes(bool Value);
    TAnimationStyle AnimationStyle() const { return FAnimationStyle; }
    void SetAnimationStyle(TAnimationStyle Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void FrameTick() override;

    // Starts the animation over: delay, wrap, L frames, one-line height.
    void RestartAnimation();

    // The layout and the animation's state, as the last paint used them.
    const QStringList &DisplayLines() const { return FDisplayLines; }
    const TFont &DrawFont() const { return FDrawFont; }
    int LongestLine() const { return FLongest; }
    int FramesLeft() const { return FFramesLeft; }
    int DelayLeft() const { return FDelayLeft; }
    // Height of one line in the drawing font, in buffer pixels (double size when HighRes, and
    // device pixels on a screen of a higher pixel ratio).
    int LineHeight() const { return FLineHeight; }
    // r: frames left over L, 0 when finished, designing or without text.
    float Fraction() const;
    // What display line Line shows in the current frame, and where its top is in the buffer.
    QString VisibleText(int Line) const;
    int LineTop(int Line) const;

protected:
    // The animation counts painted frames: it waits for frames only while it can be painted.
    bool Animating() const override { return (FFramesLeft != 0 || FDelayLeft > 0) && isVisible(); }
    void Loaded() override;
    void DataChange(QObject *Sender) override;
    void Paint(TCanvas &Canvas) override;
    void PixelRatioChanged() override;

private:
    // Wraps, measures L and sets the one-line Height; the running animation is kept within L.
    void UpdateLayout();
    void WrapLines();
    void UpdateDrawFont();
    // Counts one painted frame; false while the delay shows the background only.
    bool AdvanceFrame();
    void RenderBackground();
    void DrawLines();

    TFont FFont;
    // Font as drawn: double point size when HighRes, scaled by the pixel ratio; its colour carries
    // the fade.
    TFont FDrawFont;
    QString FPrefix;
    QString FSuffix;
    QStringList FText;
    QStringList FDisplayLines;
    QPointer<TVexTexGen> FVexTexGen;
    int FDelay = 0;
    int FDelayLeft = 0;
    TDisplayStyle FDisplayStyle = dsType;
    bool FFade = false;
    bool FHighRes = true;
    TAnimationStyle FAnimationStyle = asNone;
    int FLongest = 40;
    int FFramesLeft = 0;
    int FLineHeight = 0;
};

} // namespace Vex
