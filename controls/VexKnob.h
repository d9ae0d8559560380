#pragma once
// The rotary knob: a round, lit, textured knob seen from above, with an indicator mark and
// optional ticks and a scale of numbers or captions, printed either on the knob (turning with
// it) or on the background around it (fixed). It holds a value between Min and Max, follows it
// with the meter's spring, and is turned with the mouse (pointing or dragging) or the keyboard.
//
// Four pictures make a knob. The face, unrotated with its indicator pointing down, the shading
// map (the relief of KnobSurfaceType, lit from LightAngle) and the background layer (colour or
// texture, fixed scale, bevel and drop shadow) are rebuilt when a property, the size or the
// screen's pixel ratio changes, at twice the resolution of the screen and halved for smooth
// edges; from pixel ratio 2 up that double size is the screen's own resolution and is kept
// unhalved. Each paint turns the face to the displayed value, halves it, lights it with the
// shading map, which stays put while the face turns under it, keys out its corners and lays it
// over the background layer.
//
// A knob read from a file or a page renders once loading ends; a knob made in code renders on
// its first paint, or when EndUpdate is called.

#include "controls/VexKnobTypes.h"
#include "framework/VexAngularMeter.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Region.h"
#include "toolkit/VexTexGen.h"

#include <QPointer>
#include <QStringList>

namespace Vex {

class VEX_EXPORT TVexKnob : public TVexAngularMeter {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int KnobSize READ KnobSize WRITE SetKnobSize)
    Q_PROPERTY(TColor DesignColor READ DesignColor WRITE SetDesignColor)
    Q_PROPERTY(float LightAngle READ LightAngle WRITE SetLightAngle)
    Q_PROPERTY(int Contrast READ Contrast WRITE SetContrast)
    Q_PROPERTY(TColor KnobColor READ KnobColor WRITE SetKnobColor)
    Q_PROPERTY(Vex::VexKnobTypes::TKnobSurfaceType KnobSurfaceType READ KnobSurfaceType WRITE
                   SetKnobSurfaceType)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(int Granularity READ Granularity WRITE SetGranularity)
    Q_PROPERTY(Vex::VexKnobTypes::TGranularityType GranularityType READ GranularityType WRITE
                   SetGranularityType)
    Q_PROPERTY(int Index READ Index WRITE SetIndex)
    Q_PROPERTY(TColor TickColor READ TickColor WRITE SetTickColor)
    Q_PROPERTY(int TickCount READ TickCount WRITE SetTickCount)
    Q_PROPERTY(float TickLen READ TickLen WRITE SetTickLen)
    Q_PROPERTY(float TickWidth READ TickWidth WRITE SetTickWidth)
    Q_PROPERTY(Vex::VexKnobTypes::TItemType TickType READ TickType WRITE SetTickType)
    Q_PROPERTY(
        Vex::VexKnobTypes::TItemLocation TickLocation READ TickLocation WRITE SetTickLocation)
    Q_PROPERTY(int TickRadius READ TickRadius WRITE SetTickRadius)
    Q_PROPERTY(float TickMinorSize READ TickMinorSize WRITE SetTickMinorSize)
    Q_PROPERTY(float IndicatorRadius READ IndicatorRadius WRITE SetIndicatorRadius)
    Q_PROPERTY(float IndicatorWidth READ IndicatorWidth WRITE SetIndicatorWidth)
    Q_PROPERTY(float IndicatorLength READ IndicatorLength WRITE SetIndicatorLength)
    Q_PROPERTY(TColor IndicatorColor READ IndicatorColor WRITE SetIndicatorColor)
    Q_PROPERTY(Vex::VexKnobTypes::TItemType IndicatorType READ IndicatorType WRITE SetIndicatorType)
    Q_PROPERTY(Vex::VexKnobTypes::TItemLocation IndicatorLocation READ IndicatorLocation WRITE
                   SetIndicatorLocation)
    Q_PROPERTY(TFont ScaleFont READ ScaleFont WRITE SetScaleFont)
    Q_PROPERTY(int ScaleItemCount READ ScaleItemCount WRITE SetScaleItemCount)
    Q_PROPERTY(float ScaleRadius READ ScaleRadius WRITE SetScaleRadius)
    Q_PROPERTY(Vex::VexKnobTypes::TScaleType ScaleType READ ScaleType WRITE SetScaleType)
    Q_PROPERTY(QString ScaleFormat READ ScaleFormat WRITE SetScaleFormat)
    Q_PROPERTY(QStringList Captions READ Captions WRITE SetCaptions)
    Q_PROPERTY(Vex::VexKnobTypes::TCaptionAlign ScaleAlign READ ScaleAlign WRITE SetScaleAlign)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int ShadowX READ ShadowX WRITE SetShadowX)
    Q_PROPERTY(int ShadowY READ ShadowY WRITE SetShadowY)
    // A reference to another component of the form, kept by the page that makes it.
    Q_PROPERTY(TVexTexGen *VexTexGen READ VexTexGen WRITE SetVexTexGen STORED false)

public:
    // The knob's sizes for the current width, KnobSize and pixel ratio, all derived here. The
    // pictures are drawn at Scale pixels per control pixel: twice the pixel ratio, and halved
    // for smooth edges, below ratio 2 (2 on ordinary screens); the ratio itself, unhalved, from
    // ratio 2 up, and for a control too large to draw at double size.
    struct TGeometry {
        double Scale = 2;
        // Whether the pictures are halved after drawing.
        bool Halved = true;
        // D: the knob's diameter in control pixels.
        int Diameter = 0;
        // The side of the face, the shading map and the composite as drawn.
        int Side = 0;
        // The offset of the knob's square from the control's top-left corner, on both axes, in
        // control pixels.
        int Offset = 0;
        // The side of the finished knob in the composite, after any halving: device pixels.
        int Square() const { return Halved ? Side / 2 : Side; }
        // A length given in double-size pixels, at Scale (truncated toward zero).
        int Scaled(int DoubleSize) const { return int(DoubleSize * Scale / 2); }
    };
    // The pictures are bounded at this side, so no size or KnobSize can ask for gigabytes: a
    // control beyond half of it is drawn at its own resolution, and a larger knob is drawn at
    // this size.
    static constexpr int MaxSide = 4096;
    // A knob three times the control's width shows only its middle third: a larger KnobSize
    // is drawn as this one.
    static constexpr int MaxKnobSize = 300;

    explicit TVexKnob(QWidget *Parent = nullptr);
    ~TVexKnob() override;

    // Keeps the knob square: both sides become the smaller one. Applied by SetBounds except
    // while the knob is being loaded (its width and height arrive one at a time); loading
    // applies it once at the end.
    static void CanResize(int &NewWidth, int &NewHeight);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Starts rendering a knob made in code at a moment of the caller's choice.
    void EndUpdate() override;

    // Clamps to Min .. Max. While indexed, Float keeps the value as given and Index its nearest
    // whole number, to which the knob then turns.
    void SetFloat(float Value) override;
    // Switching to or from indexed mode starts the range at 0 and, with captions, gives one
    // whole value per caption (0 .. lines - 1); the value returns to 0.
    void SetIndexed(bool Value) override;

    TGeometry Geometry() const;
    // Rotation of the face for the displayed value at the last paint, in degrees
    // counter-clockwise on screen; the indicator then points to the screen angle Rotation - 90.
    float Rotation() const { return FRotation; }
    int KnobDiameter() const { return Geometry().Diameter; }
    bool Rendered() const { return FRendered; }
    const TBitmap &KnobBitmap() const { return FKnobBitmap; }
    const TBitmap &MaskBitmap() const { return FMaskBitmap; }
    const TBitmap &AlphaBitmap() const { return FAlphaBitmap; }

    // Colours are TColor values (0x00BBGGRR); percentages are of the control's width unless
    // noted. Every setter rebuilds the pictures, even for an unchanged value, unless noted.
    // Values out of range, and floats that are not finite, are refused (the old value stays).

    // Percent of the control's width; must be above 0. Values above MaxKnobSize are kept but
    // drawn as MaxKnobSize.
    int KnobSize() const { return FKnobSize; }
    void SetKnobSize(int Value);
    // Stored and streamed; no picture uses it.
    TColor DesignColor() const { return FDesignColor; }
    void SetDesignColor(TColor Value) { Rebuild(FDesignColor, Value); }
    // Direction the light comes from, in radians counter-clockwise from the right.
    float LightAngle() const { return FLightAngle; }
    void SetLightAngle(float Value) { RebuildFinite(FLightAngle, Value); }
    // Depth of the relief; any value.
    int Contrast() const { return FContrast; }
    void SetContrast(int Value) { Rebuild(FContrast, Value); }
    TColor KnobColor() const { return FKnobColor; }
    void SetKnobColor(TColor Value) { Rebuild(FKnobColor, Value); }
    TKnobSurfaceType KnobSurfaceType() const { return FKnobSurfaceType; }
    void SetKnobSurfaceType(TKnobSurfaceType Value);
    // Strength of the grain: noise amplitude, or the bound of the streaks.
    int Granularity() const { return FGranularity; }
    void SetGranularity(int Value) { Rebuild(FGranularity, Value); }
    TGranularityType GranularityType() const { return FGranularityType; }
    void SetGranularityType(TGranularityType Value);
    // Float's nearest whole number. Writing accepts 0 .. Max (one detent per caption when
    // indexed), sets Float to it and rebuilds; a file's stored Index is not applied, as the
    // stored Float already says where the knob stands.
    int Index() const { return FIndex; }
    void SetIndex(int Value);
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor Value) { Rebuild(FTickColor, Value); }
    // Minor divisions per major interval; 1 or less draws minor ticks at the majors only.
    int TickCount() const { return FTickCount; }
    void SetTickCount(int Value) { Rebuild(FTickCount, Value); }
    // Length of a tick, percent: of the picture's width for lines, of its half width for the
    // shapes.
    float TickLen() const { return FTickLen; }
    void SetTickLen(float Value) { RebuildFinite(FTickLen, Value); }
    // Pen width of line ticks in percent of the picture's width; for the shapes, half their
    // angular width in hundredths of a radian.
    float TickWidth() const { return FTickWidth; }
    void SetTickWidth(float Value) { RebuildFinite(FTickWidth, Value); }
    // Rebuilds only when the value changes.
    TItemType TickType() const { return FTickType; }
    void SetTickType(TItemType Value);
    // ilNowhere hides the ticks; otherwise they are drawn where the scale is.
    TItemLocation TickLocation() const { return FTickLocation; }
    void SetTickLocation(TItemLocation Value);
    // Radius of the ticks in percent of the picture's half width, 0 .. 100.
    int TickRadius() const { return FTickRadius; }
    void SetTickRadius(int Value);
    // Size of the minor ticks in percent of the major ones; not negative.
    float TickMinorSize() const { return FTickMinorSize; }
    void SetTickMinorSize(float Value);
    // The indicator runs from IndicatorRadius + IndicatorLength to IndicatorRadius percent of
    // the face's radius. IndicatorWidth is its half width in hundredths of a radian, or for a
    // dot its pen width in percent of the radius.
    float IndicatorRadius() const { return FIndicatorRadius; }
    void SetIndicatorRadius(float Value) { RebuildFinite(FIndicatorRadius, Value); }
    float IndicatorWidth() const { return FIndicatorWidth; }
    void SetIndicatorWidth(float Value) { RebuildFinite(FIndicatorWidth, Value); }
    float IndicatorLength() const { return FIndicatorLength; }
    void SetIndicatorLength(float Value) { RebuildFinite(FIndicatorLength, Value); }
    TColor IndicatorColor() const { return FIndicatorColor; }
    void SetIndicatorColor(TColor Value) { Rebuild(FIndicatorColor, Value); }
    TItemType IndicatorType() const { return FIndicatorType; }
    void SetIndicatorType(TItemType Value);
    TItemLocation IndicatorLocation() const { return FIndicatorLocation; }
    void SetIndicatorLocation(TItemLocation Value);
    TFont ScaleFont() const { return FScaleFont; }
    void SetScaleFont(const TFont &Value) { Rebuild(FScaleFont, Value); }
    // Number of labels and major ticks; indexed knobs with captions use the caption count.
    int ScaleItemCount() const { return FScaleItemCount; }
    void SetScaleItemCount(int Value) { Rebuild(FScaleItemCount, Value); }
    // Radius of the labels' centres in percent of the picture's half height. Redraws only the
    // background layer.
    float ScaleRadius() const { return FScaleRadius; }
    void SetScaleRadius(float Value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType Value);
    // Longer than KMaxPictureLength is refused.
    QString ScaleFormat() const { return FScaleFormat; }
    void SetScaleFormat(const QString &Value) {
        if (IsNumberPicture(Value))
            Rebuild(FScaleFormat, Value);
    }
    // The labels of an indexed knob. A list with lines also sets ScaleItemCount to their
    // number (except while loading, where ScaleItemCount is read as stored); an empty list is
    // taken without a rebuild.
    QStringList Captions() const { return FCaptions; }
    void SetCaptions(const QStringList &Value);
    // Level labels stand centred on their point (caCenter), inside the arc (caInwards) or
    // outside it (caOutwards); turned labels always follow the arc.
    TCaptionAlign ScaleAlign() const { return FScaleAlign; }
    void SetScaleAlign(TCaptionAlign Value);
    // Pen width of the dark ring around the knob, in pixels of the double-size background.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    // Offset of the drop shadow in percent of the control's width and height; 0 and 0 draw
    // no shadow.
    int ShadowX() const { return FShadowX; }
    void SetShadowX(int Value) { Rebuild(FShadowX, Value); }
    int ShadowY() const { return FShadowY; }
    void SetShadowY(int Value) { Rebuild(FShadowY, Value); }
    // Not owned and stored only: the texture shows from the next rebuild. A generator that
    // goes away leaves the knob on its Color.
    TVexTexGen *VexTexGen() const { return FVexTexGen; }
    void SetVexTexGen(TVexTexGen *Value) { FVexTexGen = Value; }

signals:
    // The freshly rendered double-size shading map and background layer, once per rebuild,
    // and the face before each paint turns it: handlers may draw on them.
    void OnAfterRenderAlpha(TVexKnob *Sender, TBitmap *Bitmap);
    void OnAfterRenderMask(TVexKnob *Sender, TBitmap *Bitmap);
    void OnAfterRenderBackground(TVexKnob *Sender, TBitmap *Bitmap);

protected:
    void Loaded() override;
    void RenderBackground() override;
    void Paint(TCanvas &Canvas) override;
    void PixelRatioChanged() override;
    void keyPressEvent(QKeyEvent *Event) override;

private:
    template <typename T> void Rebuild(T &Field, const T &Value) {
        Field = Value;
        RenderBackground();
    }
    void RebuildFinite(float &Field, float Value);
    // Sizes the composite and recomputes the diameter from the width and KnobSize.
    void ApplyGeometry();
    void RenderMask();
    void RenderAlpha();
    void RenderBackdrop();
    // Paints the backdrop: the texture, or Color, over the double-size background layer.
    void FillBackdrop();
    void ComposeKnob();
    void ComposeGripKnob();
    // Halves Bitmap when the pictures are drawn at double size.
    void Reduce(TBitmap &Bitmap, bool Shrink) const;
    // Fills the corners of the composite's top-left Side square outside its inscribed circle
    // with the colour key.
    void KeyCorners(int Side);
    void KeyOutsideKnob();
    void DrawScale(TBitmap &Target, double Scale);
    // Count ticks, their size (length of lines, width of shapes) scaled by SizeFactor.
    void DrawScaleTicks(TBitmap &Target, int Count, double SizeFactor);
    void DrawScaleLabels(TBitmap &Target, int Count);
    void DrawIndicator(TBitmap &Target);
    void ApplyGranularity(TBitmap &Bitmap, int Amount) const;
    // Major count of the scale: the caption lines of an indexed knob, else ScaleItemCount.
    int MajorCount() const;
    // Turns the knob by Delta from its current whole or fractional value, as a mouse turn
    // does: OnChanging, then OnChange and the bound field.
    void TurnBy(float Delta);

    TBitmap FKnobBitmap;
    TBitmap FMaskBitmap;
    TBitmap FAlphaBitmap;
    float FRotation = 0;
    bool FRendered = false;
    int FIndex = 0;
    TRegion FKeyCorners;
    int FKeyCornersSide = -1;

    int FKnobSize = 62;
    TColor FDesignColor = 0x808080;
    float FLightAngle = 2.3561945f;
    int FContrast = 128;
    TColor FKnobColor = 0xFFFFFF;
    TKnobSurfaceType FKnobSurfaceType = kstMetal;
    int FGranularity = 100;
    TGranularityType FGranularityType = gtNoise;
    TColor FTickColor = clBlack;
    int FTickCount = 5;
    float FTickLen = 5;
    float FTickWidth = 0.5f;
    TItemType FTickType = itLine;
    TItemLocation FTickLocation = ilOnBackground;
    int FTickRadius = 73;
    float FTickMinorSize = 50;
    float FIndicatorRadius = 90;
    float FIndicatorWidth = 6;
    float FIndicatorLength = -30;
    TColor FIndicatorColor = clBlack;
    TItemType FIndicatorType = itRectangle;
    TItemLocation FIndicatorLocation = ilOnKnob;
    TFont FScaleFont;
    int FScaleItemCount = 11;
    float FScaleRadius = 85;
    TScaleType FScaleType = stBackHorizontal;
    QString FScaleFormat = QStringLiteral("0");
    QStringList FCaptions;
    TCaptionAlign FScaleAlign = caCenter;
    int FBevelWidth = 3;
    int FShadowX = 30;
    int FShadowY = 30;
    QPointer<TVexTexGen> FVexTexGen;
};

} // namespace Vex
