#pragma once
// The analogue needle gauge: one of 21 photographic faces resampled to the control, with ticks,
// scale labels, a unit caption and a value text drawn over it, and a needle that swings to the
// meter's displayed value. The static picture is rendered at double size and halved when a
// property or the size changes; each paint draws the value text, the needle with its shadow and
// the lower cover band over it.

#include "framework/VexAngularMeter.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Font.h"

#include <vector>

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
    enum TScaleType { stNormal, stRotated, stNoScale };
    Q_ENUM(TScaleType)
    enum TValueType { vtStandard, vtNone };
    Q_ENUM(TValueType)

    static constexpr int FaceCount = 21;

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
    const TBitmap &Face() const { return FFace; }
    // The needle outline of the last paint, in control pixels.
    const std::vector<TPoint> &ArrowPoints() const { return FArrowPoints; }

    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor Value) { Rebuild(FArrowColor, Value); }
    float ArrowLenght() const { return FArrowLenght; }
    void SetArrowLenght(float Value) { Rebuild(FArrowLenght, Value); }
    // Values outside the outline table are refused.
    TArrowType ArrowType() const { return FArrowType; }
    void SetArrowType(TArrowType Value);
    float ArrowWidth() const { return FArrowWidth; }
    void SetArrowWidth(float Value) { Rebuild(FArrowWidth, Value); }
    // Height of the lower cover band in percent of the control's height; negative is refused.
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
    void SetLowerAlarmThreshold(float Value) { FLowerAlarmThreshold = Value; }
    int MajorTickInterval() const { return FMajorTickInterval; }
    void SetMajorTickInterval(int Value) { Rebuild(FMajorTickInterval, Value); }
    // Selects face 1 to 21 and sets the outline to suit it; other values, and any value while the
    // gauge has no parent, are ignored.
    int ResourceImageIndex() const { return FResourceImageIndex; }
    void SetResourceImageIndex(int Value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType Value) { Rebuild(FScaleType, Value); }
    QString ScaleFormat() const { return FScaleFormat; }
    void SetScaleFormat(const QString &Value) { Rebuild(FScaleFormat, Value); }
    int ScaleCount() const { return FScaleCount; }
    void SetScaleCount(int Value);
    TFont ScaleFont() const { return FScaleFont; }
    void SetScaleFont(const TFont &Value) { Rebuild(FScaleFont, Value); }
    float ScaleRadius() const { return FScaleRadius; }
    void SetScaleRadius(float Value) { Rebuild(FScaleRadius, Value); }
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
    int TickCount() const { return FTickCount; }
    void SetTickCount(int Value) { Rebuild(FTickCount, Value); }
    int TickRadius() const { return FTickRadius; }
    void SetTickRadius(int Value) { Rebuild(FTickRadius, Value); }
    int TickLenght() const { return FTickLenght; }
    void SetTickLenght(int Value) { Rebuild(FTickLenght, Value); }
    float UpperAlarmThreshold() const { return FUpperAlarmThreshold; }
    void SetUpperAlarmThreshold(float Value) { FUpperAlarmThreshold = Value; }
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
    void SetValueType(TValueType Value) { Rebuild(FValueType, Value); }
    QString ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString &Value) { Rebuild(FValueFormat, Value); }

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
    void showEvent(QShowEvent *Event) override;

private:
    template <typename T> void Rebuild(T &Field, const T &Value) {
        Field = Value;
        RenderBackground();
    }
    // A gauge built in code is never loaded: it becomes ready when first shown or painted.
    void BecomeReady();
    void ApplyOutline();
    void RenderLabels();
    void RenderTicks();
    void RenderUnit();
    // The needle outline turned to the needle's angle and moved to the pivot plus Offset.
    void BuildArrow(TPoint Offset);
    void RaiseAlarms(float Before, bool AskedAboveMax);

    TBitmap FFace;
    std::vector<TPoint> FArrowPoints;
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
