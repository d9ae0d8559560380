#pragma once
// A flat push button, check box or radio button whose background fades from its colour to a
// highlight colour when the mouse enters or presses it. Every press toggles Checked, whatever
// the style; radio buttons are not grouped.

#include "controls/VexMouseControl.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Font.h"

namespace Vex {

class VEX_EXPORT TVexButton : public TVexMouseControl {
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(TColor HighlightFontColor READ HighlightFontColor WRITE SetHighlightFontColor)
    Q_PROPERTY(bool HighRes READ HighRes WRITE SetHighRes)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(TButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TBorderType BorderType READ BorderType WRITE SetBorderType)

public:
    enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TButtonStyle : int { bsButton, bsCheckbox, bsRadiobutton };
    Q_ENUM(TButtonStyle)
    enum TBorderType : int { btNone, btSingle, btBevel };
    Q_ENUM(TBorderType)

    explicit TVexButton(QWidget *Parent = nullptr);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // The colour the button paints with. It is the button's own: the inherited control colour,
    // which follows the parent while ParentColor is set, is not used for painting, and setting
    // this one leaves ParentColor as it is (stored files set both).
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Background and text colours at the end of the fade; the next paint picks them up.
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value) { FHighlightColor = Value; }
    TColor HighlightFontColor() const { return FHighlightFontColor; }
    void SetHighlightFontColor(TColor Value) { FHighlightFontColor = Value; }
    // Draws at twice the size and halves the picture, for smooth text and marks.
    bool HighRes() const { return FHighRes; }
    void SetHighRes(bool Value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &Value);
    TFont Font() const { return FFont; }
    void SetFont(const TFont &Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // Also turns the border off, and left-justifies check boxes and radio buttons: a border
    // wanted on those is set after the style.
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    // In buffer pixels, so halved on screen with HighRes; negative widths are refused.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TBorderType BorderType() const { return FBorderType; }
    void SetBorderType(TBorderType Value);

protected:
    void Paint(TCanvas &Canvas) override;
    void MouseDown(TMouseButton Button, int X, int Y) override;

    void PixelRatioChanged() override;

private:
    // Buffer pixels per control pixel: 2 with HighRes, times the pixel ratio (not doubled again
    // from ratio 2, where the buffer is not halved).
    qreal Scale() const { return RenderScale(FHighRes); }
    // A length given in the buffer's pixels at ratio 1, in the buffer's pixels now.
    int BufferPixels(int Length) const;
    // The button's font at buffer scale: double point size with HighRes.
    TFont BufferFont() const;
    // Measures the text height with the buffer's canvas, as the caption and font setters do.
    void MeasureTextHeight();
    int CaptionX(int BufferWidth) const;
    void DrawMark(TCanvas &Canvas, int Wb, int Hb);
    void DrawBorder(TCanvas &Canvas, int Wb, int Hb);

    TAlignment FAlignment = taCenter;
    TColor FColor = clBtnFace;
    TColor FHighlightColor = 0x400080;
    TColor FHighlightFontColor = 0xFFFFFF;
    bool FHighRes = true;
    QString FCaption;
    TFont FFont;
    bool FChecked = false;
    TButtonStyle FButtonStyle = bsButton;
    int FBorderWidth = 1;
    TColor FBorderColor = clBlack;
    TBorderType FBorderType = btSingle;
    int FTextHeight = 0;
    int FTextWidth = 0;
};

} // namespace Vex
