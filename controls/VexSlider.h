#pragma once
// A value slider drawn straight on its widget, without an off-screen surface or animation, in
// three styles: a trackbar with a triangular knob over a labelled scale, a range selector that
// fills the span between Position2 and Position, and a liquid bar that fills from the range's
// start (or from zero, for a range that straddles zero) to Position.
//
// The value range runs along the track from LeftMargin to the far end less RightMargin. With
// usoHorizontal that is left to right; with usoVertical it is bottom to top (LeftMargin at the
// bottom), the knob points right and the scale stands to the right of it, and every rule below
// holds with "along the track" for x.
//
// Mouse: a press jumps to the pointer (Position and Position2 both), a drag then follows the
// pointer's movement; beyond either margin Position pins to Min or Max. A double-click on a
// range selector selects the whole range. Focused, the arrow keys move Position by a hundredth
// of the range, Page Up and Page Down by a tenth, Home and End to the ends.
//
// OnChange: Position's setter raises it when the new value differs from the position recorded
// at the latest mouse move (or key), once the slider is no longer loading.

#include "framework/VexGraphicControl.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"

namespace Vex {

class VEX_EXPORT TVexSlider : public TVexGraphicControl {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int KnobWidth READ KnobWidth WRITE SetKnobWidth)
    Q_PROPERTY(int KnobHeight READ KnobHeight WRITE SetKnobHeight)
    Q_PROPERTY(float Min READ Min WRITE SetMin)
    Q_PROPERTY(float Max READ Max WRITE SetMax)
    Q_PROPERTY(float Position READ Position WRITE SetPosition)
    Q_PROPERTY(float Position2 READ Position2 WRITE SetPosition2)
    Q_PROPERTY(int TickCount READ TickCount WRITE SetTickCount)
    Q_PROPERTY(int SubTickCount READ SubTickCount WRITE SetSubTickCount)
    Q_PROPERTY(int TickLenght READ TickLenght WRITE SetTickLenght)
    Q_PROPERTY(int TickDistance READ TickDistance WRITE SetTickDistance)
    Q_PROPERTY(int TickWidth READ TickWidth WRITE SetTickWidth)
    Q_PROPERTY(TColor TickColor READ TickColor WRITE SetTickColor)
    Q_PROPERTY(TVexSliderType SliderType READ SliderType WRITE SetSliderType)
    Q_PROPERTY(TVexSliderOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(TColor DesignColor READ DesignColor WRITE SetDesignColor)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)

public:
    enum TVexSliderType : int { ustTrackbar, ustRangeSelector, ustLiquidBar };
    Q_ENUM(TVexSliderType)
    enum TVexSliderOrientation : int { usoHorizontal, usoVertical };
    Q_ENUM(TVexSliderOrientation)

    // More ticks than any screen has pixels are refused, so a paint always ends.
    static constexpr int MaxTickCount = 10000;

    explicit TVexSlider(QWidget *Parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Knob width in percent of the control's length along the track, knob height (and the
    // depth of the range and bar frames) in percent of its extent across the track. Both rebuild
    // the knob from the control's size at that moment; later resizes keep the knob's pixel size.
    // These, the tick sizes and the margins are held to +-MaxSide, the largest control's side.
    int KnobWidth() const { return FKnobWidth; }
    void SetKnobWidth(int Value);
    int KnobHeight() const { return FKnobHeight; }
    void SetKnobHeight(int Value);
    // Min must stay below Max: other values are refused. Narrowing the range moves Position
    // into it first. While loading, both are taken as they come and checked in Loaded.
    float Min() const { return FMin; }
    void SetMin(float Value);
    float Max() const { return FMax; }
    void SetMax(float Value);
    // Clamped to Min .. Max (once loaded); non-finite values are refused.
    float Position() const { return FPosition; }
    void SetPosition(float Value);
    // The range selector's other end, stored as given (non-finite refused), without an event.
    float Position2() const { return FPosition2; }
    void SetPosition2(float Value);
    // Labelled main ticks; fewer than 2 draw no scale. Up to MaxTickCount.
    int TickCount() const { return FTickCount; }
    void SetTickCount(int Value);
    // Unlabelled ticks between two main ticks, half as long. Up to MaxTickCount.
    int SubTickCount() const { return FSubTickCount; }
    void SetSubTickCount(int Value);
    // Main tick length in pixels.
    int TickLenght() const { return FTickLenght; }
    void SetTickLenght(int Value);
    // Pixels between half the knob height (KnobHeight read as pixels) and the scale line.
    int TickDistance() const { return FTickDistance; }
    void SetTickDistance(int Value);
    int TickWidth() const { return FTickWidth; }
    void SetTickWidth(int Value);
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor Value);
    // Switching to ustLiquidBar also sets KnobHeight to 100 and both margins to 0; switching
    // back leaves them.
    TVexSliderType SliderType() const { return FSliderType; }
    void SetSliderType(TVexSliderType Value);
    // A change rebuilds the knob, which points down the control or across it.
    TVexSliderOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVexSliderOrientation Value);
    // Picture of the scale labels; longer than KMaxPictureLength is refused.
    QString Format() const { return FFormat; }
    void SetFormat(const QString &Value);
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value);
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value);
    // Fill of the range and of the bar.
    TColor DesignColor() const { return FDesignColor; }
    void SetDesignColor(TColor Value);
    // Font of the scale labels.
    TFont Font() const { return FFont; }
    void SetFont(const TFont &Value);

    // The knob as last built: a triangle outline, transparent around it.
    const TBitmap &KnobBitmap() const { return FKnob; }
    bool Dragging() const { return FDragging; }

    // Pixels along the track between the margins, and where a value lies along it.
    int TrackLength() const;
    int ValueToPixel(float Value) const;

signals:
    void OnChange(TVexSlider *Sender);

protected:
    void Loaded() override;
    void Paint(TCanvas &Canvas) override;
    void MouseDown(TMouseButton Button, int X, int Y) override;
    void MouseMove(int X, int Y) override;
    void MouseUp(TMouseButton Button, int X, int Y) override;
    // A double-click on a range selector selects the whole range; the press that follows it
    // and the next move are then ignored.
    virtual void DblClick();
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;

private:
    bool Vertical() const { return FOrientation == usoVertical; }
    // The control's extent along the track, and across it.
    int Length() const { return Vertical() ? height() : width(); }
    int Thickness() const { return Vertical() ? width() : height(); }
    // The pixel along the track under a pointer position.
    int Along(int X, int Y) const { return Vertical() ? Length() - 1 - Y : X; }
    // Screen pixel of track pixel A, C pixels across; screen rectangle of the track pixels
    // A0 .. A1 - 1 and C0 .. C1 - 1.
    TPoint ScreenPoint(int A, int C) const;
    TRect ScreenRect(int A0, int C0, int A1, int C1) const;
    // The value of a drag offset D pixels from LeftMargin, limited to the range.
    float OffsetToValue(int D) const;
    // Frame height of the range and the bar, in pixels across the track.
    int FrameDepth() const;

    void BuildKnob();
    void PaintScale(TCanvas &Canvas);
    void PaintKnob(TCanvas &Canvas);
    void PaintSpan(TCanvas &Canvas, float From, float To);
    // Sets Position from a key, raising OnChange only for a real change.
    void MoveByKey(float Target);

    int FKnobWidth = 3;
    int FKnobHeight = 20;
    float FMin = 0;
    float FMax = 100;
    float FPosition = 0;
    float FPosition2 = 0;
    int FTickCount = 5;
    int FSubTickCount = 10;
    int FTickLenght = 10;
    int FTickDistance = 1;
    int FTickWidth = 1;
    TColor FTickColor = clBlack;
    TVexSliderType FSliderType = ustTrackbar;
    TVexSliderOrientation FOrientation = usoHorizontal;
    QString FFormat = QStringLiteral("0.##");
    int FLeftMargin = 10;
    int FRightMargin = 10;
    TColor FDesignColor = clNavy;
    TFont FFont;

    TBitmap FKnob;
    bool FDragging = false;
    bool FSkipNext = false;
    // Pointer position along the track at the press or at the last move inside the track.
    int FLastAlong = 0;
    int FDragOffset = 0;
    // Position when the latest mouse move (or key) began: OnChange compares with it.
    float FChangeReference = 0;
};

} // namespace Vex
