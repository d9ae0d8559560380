#pragma once
// The analogue needle gauge: one of 21 photographic faces resampled to the control, with ticks,
// scale labels, a unit caption and a value text drawn over it, and a needle that swings to the
// meter's displayed value. The static picture is rendered at double size and halved when a
// property or the size changes; each paint draws the value text, the needle with its shadow and
// the lower cover band over it.

#include "framework/VexAngularMeter.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Font.h"

#include <QBrush>
#include <QImage>
#include <QPen>
#include <span>
#include <vector>

class QPainter;

namespace Vex {

class VEX_EXPORT TVexGauge : public TVexAngularMeter {
    Q_OBJECT
    Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE SetArrowColor)
    Q_PROPERTY(float ArrowLenght READ ArrowLenght WRITE SetArrowLenght)
    Q_PROPERTY(TArrowType ArrowType READ ArrowType WRITE SetArrowType)
    Q_PROPERTY(float ArrowWidth READ ArrowWidth WRITE SetArrowWidth)
    Q_PROPERTY(float CoverHeight READ CoverHeight WRITE SetCoverHeight)
    Q_PROPERTY(bool Circular READ Circular WRITE SetCircular)
    Q_PROPERTY(bool DrawTicks READ DrawTicks WRITE SetDrawTicks)
    Q_PROPERTY(bool ForceSquare READ ForceSquare WRITE SetForceSquare)
    Q_PROPERTY(float LowerAlarmThreshold READ LowerAlarmThreshold WRITE SetLowerAlarmThreshold)
    Q_PROPERTY(int MajorTickInterval READ MajorTickInterval WRITE SetMajorTickInterval)
    Q_PROPERTY(int ResourceImageIndex READ ResourceImageIndex WRITE SetResourceImageIndex)
    Q_PROPERTY(TScaleType ScaleType READ ScaleType WRITE SetScaleType)
    Q_PROPERTY(QString ScaleFormat READ ScaleFormat WRITE SetScaleFormat)
    Q_PROPERTY(int ScaleCount READ ScaleCount WRITE SetScaleCount)
    Q_PROPERTY(TFont ScaleFont READ ScaleFont WRITE SetScaleFont)
    Q_PROPERTY(float ScaleRadius READ ScaleRadius WRITE SetScaleRadius)
    Q_PROPERTY(int ShadowPtX READ ShadowPtX WRITE SetShadowPtX)
    Q_PROPERTY(int ShadowPtY READ ShadowPtY WRITE SetShadowPtY)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(bool TicksConnected READ TicksConnected WRITE SetTicksConnected)
    Q_PROPERTY(TColor TickColor READ TickColor WRITE SetTickColor)
    Q_PROPERTY(int TickPenWidth READ TickPenWidth WRITE SetTickPenWidth)
    Q_PROPERTY(int TickCount READ TickCount WRITE SetTickCount)
    Q_PROPERTY(int TickRadius READ TickRadius WRITE SetTickRadius)
    Q_PROPERTY(int TickLenght READ TickLenght WRITE SetTickLenght)
    Q_PROPERTY(float UpperAlarmThreshold READ UpperAlarmThreshold WRITE SetUpperAlarmThreshold)
    Q_PROPERTY(QString UnitString READ UnitString WRITE SetUnitString)
    Q_PROPERTY(TFont UnitFont READ UnitFont WRITE SetUnitFont)
    Q_PROPERTY(int UnitChoordX READ UnitChoordX WRITE SetUnitChoordX)
    Q_PROPERTY(int UnitChoordY READ UnitChoordY WRITE SetUnitChoordY)
    Q_PROPERTY(int ValueChoordX READ ValueChoordX WRITE SetValueChoordX)
    Q_PROPERTY(int ValueChoordY READ ValueChoordY WRITE SetValueChoordY)
    Q_PROPERTY(TFont ValueFont READ ValueFont WRITE SetValueFont)
    Q_PROPERTY(TValueType ValueType READ ValueType WRITE SetValueType)
    Q_PROPERTY(QString ValueFormat READ ValueFormat WRITE SetValueFormat)

public:
    // A fixed type, so a number written through the meta-object system is a value the setter
    // can refuse rather than an invalid enumerator.
    enum TArrowType : int {
        atSharp2,
        atPlain,
        atArrow,
        atSharp,
        atSharp3,
        atSharpCross,
        atEdgeTriangle,
        atEdgeSquare,
        atWicked,
        atPlainDouble,
        atSharpDouble
    };
    Q_ENUM(TArrowType)
    enum TScaleType : int { stNormal, stRotated, stNoScale };
    Q_ENUM(TScaleType)
    enum TValueType : int { vtStandard, vtNone };
    Q_ENUM(TValueType)

    static constexpr int FaceCount = 21;
    // Tick and label counts above this are refused: far past the point where marks merge into
    // a ring on any face, and a rebuild with this many labels still takes about a tenth of a
    // second.
    static constexpr int MaxCount = 10000;

    explicit TVexGauge(QWidget *Parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetFloat(float Value) override;
    // Angles are kept normalised: the whole degrees modulo 360 (with the sign of the value)
    // plus the fraction, so 595 reads back as 235.
    float MinAngle() const override { return FGaugeMinAngle; }
    float MaxAngle() const override { return FGaugeMaxAngle; }
    void SetMinAngle(float Value) override;
    void SetMaxAngle(float Value) override;

    // Loads face Index (1 to 21) resampled to Width x Height into Target; a missing face leaves
    // Target black.
    static void LoadFaceImage(int Index, int Width, TBitmap &Target, int Height);
    // Saves the rendered surface as a Windows bitmap; raises EVexError when it cannot be written.
    void SaveBufferToFile(const QString &FileName) const;
    // Shows Picture as the face, resampled to the face's size, until a face is selected again
    // (by ResourceImageIndex or a resize). Ignored while the gauge has no face yet.
    void SetFacePicture(const QImage &Picture);

    bool Ready() const { return FReady; }
    // The face resampled to the control's size in device pixels (control pixels at ratio 1).
    const TBitmap &Face() const { return FFace; }
    // The needle outline of the last paint, in device pixels (control pixels at ratio 1).
    const std::vector<TPoint> &ArrowPoints() const { return FArrowPoints; }

    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor Value) { Rebuild(FArrowColor, Value); }
    // Floats that are not finite are refused, here and in every other setter.
    float ArrowLenght() const { return FArrowLenght; }
    void SetArrowLenght(float Value) { RebuildFinite(FArrowLenght, Value); }
    // Values outside the outline table are refused.
    TArrowType ArrowType() const { return FArrowType; }
    void SetArrowType(TArrowType Value);
    float ArrowWidth() const { return FArrowWidth; }
    void SetArrowWidth(float Value) { RebuildFinite(FArrowWidth, Value); }
    // Height of the lower cover band in percent of the control's height; negative is refused,
    // and above 100 the band covers the whole control.
    float CoverHeight() const { return FCoverHeight; }
    void SetCoverHeight(float Value);
    // The window outline: an ellipse, or the full rectangle.
    bool Circular() const { return FCircular; }
    void SetCircular(bool Value);
    bool DrawTicks() const { return FDrawTicks; }
    void SetDrawTicks(bool Value) { Rebuild(FDrawTicks, Value); }
    // Keeps the control square (side = width) once ready; takes effect at the next bounds change.
    bool ForceSquare() const { return FForceSquare; }
    void SetForceSquare(bool Value) { FForceSquare = Value; }
    float LowerAlarmThreshold() const { return FLowerAlarmThreshold; }
    void SetLowerAlarmThreshold(float Value);
    int MajorTickInterval() const { return FMajorTickInterval; }
    void SetMajorTickInterval(int Value) { Rebuild(FMajorTickInterval, Value); }
    // Selects face 1 to 21 and sets the outline to suit it; other values, and any value while the
    // gauge has no parent, are ignored.
    int ResourceImageIndex() const { return FResourceImageIndex; }
    void SetResourceImageIndex(int Value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType Value);
    QString ScaleFormat() const { return FScaleFormat; }
    // Pictures longer than KMaxPictureLength are refused.
    void SetScaleFormat(const QString &Value);
    // Negative counts and counts above MaxCount are refused.
    int ScaleCount() const { return FScaleCount; }
    void SetScaleCount(int Value);
    TFont ScaleFont() const { return FScaleFont; }
    void SetScaleFont(const TFont &Value) { Rebuild(FScaleFont, Value); }
    float ScaleRadius() const { return FScaleRadius; }
    void SetScaleRadius(float Value) { RebuildFinite(FScaleRadius, Value); }
    int ShadowPtX() const { return FShadowPtX; }
    void SetShadowPtX(int Value) { Rebuild(FShadowPtX, Value); }
    int ShadowPtY() const { return FShadowPtY; }
    void SetShadowPtY(int Value) { Rebuild(FShadowPtY, Value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value) { Rebuild(FShadowColor, Value); }
    bool TicksConnected() const { return FTicksConnected; }
    void SetTicksConnected(bool Value) { Rebuild(FTicksConnected, Value); }
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor Value) { Rebuild(FTickColor, Value); }
    int TickPenWidth() const { return FTickPenWidth; }
    void SetTickPenWidth(int Value) { Rebuild(FTickPenWidth, Value); }
    // Counts above MaxCount are refused; below 1 no tick is drawn.
    int TickCount() const { return FTickCount; }
    void SetTickCount(int Value);
    int TickRadius() const { return FTickRadius; }
    void SetTickRadius(int Value) { Rebuild(FTickRadius, Value); }
    int TickLenght() const { return FTickLenght; }
    void SetTickLenght(int Value) { Rebuild(FTickLenght, Value); }
    float UpperAlarmThreshold() const { return FUpperAlarmThreshold; }
    void SetUpperAlarmThreshold(float Value);
    QString UnitString() const { return FUnitString; }
    void SetUnitString(const QString &Value) { Rebuild(FUnitString, Value); }
    TFont UnitFont() const { return FUnitFont; }
    void SetUnitFont(const TFont &Value) { Rebuild(FUnitFont, Value); }
    int UnitChoordX() const { return FUnitChoordX; }
    void SetUnitChoordX(int Value) { Rebuild(FUnitChoordX, Value); }
    int UnitChoordY() const { return FUnitChoordY; }
    void SetUnitChoordY(int Value) { Rebuild(FUnitChoordY, Value); }
    int ValueChoordX() const { return FValueChoordX; }
    void SetValueChoordX(int Value) { Rebuild(FValueChoordX, Value); }
    int ValueChoordY() const { return FValueChoordY; }
    void SetValueChoordY(int Value) { Rebuild(FValueChoordY, Value); }
    TFont ValueFont() const { return FValueFont; }
    void SetValueFont(const TFont &Value) { Rebuild(FValueFont, Value); }
    TValueType ValueType() const { return FValueType; }
    void SetValueType(TValueType Value);
    QString ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString &Value);

signals:
    // Float moved above UpperAlarmThreshold, or below LowerAlarmThreshold.
    void OnUpperAlarm(TVexGauge *Sender);
    void OnLowerAlarm(TVexGauge *Sender);
    // A value above Max was asked for (and clamped), and later Float left Max again.
    void OnAboveMax(TVexGauge *Sender);
    void OnBelowMax(TVexGauge *Sender);

protected:
    void Loaded() override;
    void RenderBackground() override;
    void Paint(TCanvas &Canvas) override;
    // A frame repaints the band the needle swept and, when Float changed, the value text.
    void InvalidateFrame() override;
    void PixelRatioChanged() override;
    void showEvent(QShowEvent *Event) override;

private:
    template <typename T> void Rebuild(T &Field, const T &Value) {
        Field = Value;
        RenderBackground();
    }
    void RebuildFinite(float &Field, float Value);
    // A gauge built in code is never loaded: it becomes ready when first shown or painted.
    void BecomeReady();
    void ApplyOutline();
    void RenderLabels();
    void RenderTicks();
    void RenderUnit();
    // An offset or length in control pixels at the rendering's scale, held to the coordinates
    // a surface can use.
    int ToRender(double ControlPixels) const;
    // The picture a paint starts from: the background, with the outside of a round outline
    // transparent.
    void UpdateScreenImage();
    const QImage &ScreenImage() const;
    // The value text as drawn, kept between paints: redrawn only when Float, the format, the
    // font or the pixel ratio change. Returns the area it covers, old and new.
    QRect UpdateValueText();
    QRect ValueTextRect() const;
    // The shadow and the needle at the displayed value, in device pixels, built again only when
    // that value or the background changed; returns the control-pixel area they cover.
    QRect BuildNeedles();
    // The needle outline turned to the needle's angle and moved to the pivot plus Offset (device
    // pixels) into Points.
    void BuildArrow(TPoint Offset, std::vector<TPoint> &Points);
    // Whether a device pixel lies well inside the round outline; the drawing of points not all
    // well inside is clipped to the outline.
    bool WellInsideOutline(TPoint Device) const;
    void ClipUnlessInside(std::span<const TPoint> Device, QPainter &P) const;
    void UpdateDrawingTools();
    void RaiseAlarms(float Before, bool AskedAboveMax);

    TBitmap FFace;
    // The face's size in control pixels.
    QSize FFaceSize;
    std::vector<TPoint> FArrowPoints;
    std::vector<TPoint> FShadowPoints;
    // Scratch for the painter's points, so that a frame allocates nothing.
    std::vector<QPoint> FPolygon;
    QImage FScreen;
    // The value text rendered once, at device resolution, over transparency, as far as it lies
    // on the control; its text, font and ratio; where the whole text's box and the part kept
    // stand in control pixels.
    QImage FValueImage;
    QRect FValueImageRect;
    QString FValueText;
    TFont FValueImageFont;
    qreal FValueImageRatio = 0;
    QPoint FValueImageOrigin;
    int FValueTextWidth = 0;
    int FValueMargin = 0;
    // The needles as last built, for the displayed value they were built for.
    bool FNeedlesBuilt = false;
    float FNeedlesValue = 0;
    QRect FNeedlesRect;
    // Control-pixel areas of what the last paint drew and what the next frame must repaint.
    QRect FPaintedNeedles;
    QRect FPendingDirty;
    QPen FShadowPen, FArrowPen;
    QBrush FShadowBrush, FArrowBrush;
    float FArrowAngle = 0;
    float FGaugeMinAngle = 235;
    float FGaugeMaxAngle = -55;
    bool FReady = false;
    bool FAboveMax = false;

    TColor FArrowColor = clWhite;
    float FArrowLenght = 0.774f;
    TArrowType FArrowType = atSharp;
    float FArrowWidth = 0.2f;
    float FCoverHeight = 0;
    bool FCircular = true;
    bool FDrawTicks = true;
    bool FForceSquare = false;
    float FLowerAlarmThreshold = -100000;
    int FMajorTickInterval = 5;
    int FResourceImageIndex = 0;
    TScaleType FScaleType = stNormal;
    QString FScaleFormat = QStringLiteral("0");
    int FScaleCount = 11;
    TFont FScaleFont;
    float FScaleRadius = 0.555f;
    int FShadowPtX = 1;
    int FShadowPtY = 1;
    TColor FShadowColor = clGray;
    bool FTicksConnected = false;
    TColor FTickColor = clWhite;
    int FTickPenWidth = 3;
    int FTickCount = 51;
    int FTickRadius = 75;
    int FTickLenght = 10;
    float FUpperAlarmThreshold = 100000;
    QString FUnitString;
    TFont FUnitFont;
    int FUnitChoordX = 0;
    int FUnitChoordY = 0;
    int FValueChoordX = 0;
    int FValueChoordY = 0;
    TFont FValueFont;
    TValueType FValueType = vtStandard;
    QString FValueFormat = QStringLiteral("0.00");
};

} // namespace Vex
