#pragma once
// A drum counter: a vertical scale of numbers and ticks printed on a drum that rolls past a fixed
// indicator band, seen through a narrow window. A new Position is not shown at once: a damped
// second-order motion, one step per frame tick, rolls the drum to it; the frame timer is woken
// when a motion starts and sleeps once the drum has settled. Each paint after a change draws the
// drum flat at twice the control's width on a surface 1.414 times twice its height, shades it
// dark toward its upper and lower edges, bends it into a cylinder by a tangent-law remap of its
// rows and reduces it 2 x 2 into the control's surface; a paint that finds nothing changed
// shows the last picture. Position can follow a numeric database field.
//
// On a screen of pixel ratio above 1 the drum is drawn at twice the screen's resolution (halved
// below ratio 2, as on ordinary screens) or, from ratio 2 up, at the screen's resolution
// unhalved; at ratio 2 that is the very drum of an ordinary screen, shown without the reduction.
//
// Drum coordinates: rows of the flat drum surface, 0 at the top; the shown value sits near row
// 1.4 * Height, larger values lower down, so the scale rolls upwards as the value rises. The
// lengths given in drum pixels (spacing, ticks, band, margin) are those of an ordinary screen's
// drum, scaled with the drum.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Font.h"

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Vex {

class VEX_EXPORT TVexCylinderGauge : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(float StabilizeTime READ StabilizeTime WRITE SetStabilizeTime)
    Q_PROPERTY(float Sluggishness READ Sluggishness WRITE SetSluggishness)
    Q_PROPERTY(float Position READ Position WRITE SetPosition)
    Q_PROPERTY(float Min READ Min WRITE SetMin)
    Q_PROPERTY(float Max READ Max WRITE SetMax)
    Q_PROPERTY(int ValueSpacing READ ValueSpacing WRITE SetValueSpacing)
    Q_PROPERTY(int TicksPerValue READ TicksPerValue WRITE SetTicksPerValue)
    Q_PROPERTY(TColor TickColor READ TickColor WRITE SetTickColor)
    Q_PROPERTY(int TickLength READ TickLength WRITE SetTickLength)
    Q_PROPERTY(TColor IndicatorColor READ IndicatorColor WRITE SetIndicatorColor)
    Q_PROPERTY(int IndicatorWidth READ IndicatorWidth WRITE SetIndicatorWidth)
    Q_PROPERTY(bool IndicatorTransparent READ IndicatorTransparent WRITE SetIndicatorTransparent)
    Q_PROPERTY(float Step READ Step WRITE SetStep)
    Q_PROPERTY(QString ValueFormat READ ValueFormat WRITE SetValueFormat)
    Q_PROPERTY(int ScaleMargin READ ScaleMargin WRITE SetScaleMargin)
    Q_PROPERTY(TColor CylinderColor READ CylinderColor WRITE SetCylinderColor)
    Q_PROPERTY(int TickWidth READ TickWidth WRITE SetTickWidth)

public:
    // One printed value of the scale: its text, centred on drum row Y.
    struct TDrumLabel {
        int Y;
        QString Text;
    };
    // One tick: a line of Length drum pixels hanging from the drum's right edge at row Y.
    struct TDrumTick {
        int Y;
        int Length;
    };

    explicit TVexCylinderGauge(QWidget *Parent = nullptr);
    ~TVexCylinderGauge() override;

    // The drum surface for a picture of Width x Height pixels drawn Factor times as large: Factor
    // times the width, and the height of the unrolled half-cylinder, 1.414 times Factor times
    // the height. Every surface size of the gauge is derived here.
    static QSize DrumSize(int Width, int Height, int Factor = 2);

    // Copies Value; the drum font is Value at twice its point size (at the drum's scale).
    const TFont &Font() const { return FFont; }
    void SetFont(const TFont &Value);
    // Lowers the damping: 0 is critically damped, 150 overshoots, 200 swings without end.
    // Values above 201 are refused.
    float StabilizeTime() const { return FStabilizeTime; }
    void SetStabilizeTime(float Value);
    // Slows the roll: the gain is 1 / (Sluggishness + 1); 0 or less shows each Position at the
    // next frame without motion. Values at or below -1, where the gain has no finite value, are
    // refused.
    float Sluggishness() const { return FSluggishness; }
    void SetSluggishness(float Value);
    // The value the drum rolls to. At design time, where no frames run, the drum shows it at
    // once.
    float Position() const { return FPosition; }
    void SetPosition(float Value);
    // The first labelled value; not checked against Max.
    float Min() const { return FMin; }
    void SetMin(float Value);
    // The last labelled value; refused unless greater than Min.
    float Max() const { return FMax; }
    void SetMax(float Value);
    // Drum pixels between two labels.
    int ValueSpacing() const { return FValueSpacing; }
    void SetValueSpacing(int Value);
    // Tick intervals per label interval; 0 draws the labelled ticks only. Negative is refused.
    int TicksPerValue() const { return FTicksPerValue; }
    void SetTicksPerValue(int Value);
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor Value);
    // Length of the minor ticks in drum pixels; labelled ticks are twice as long. 0 draws no
    // ticks; negative is refused.
    int TickLength() const { return FTickLength; }
    void SetTickLength(int Value);
    TColor IndicatorColor() const { return FIndicatorColor; }
    void SetIndicatorColor(TColor Value);
    // Half the height of the indicator band in drum pixels; 0 draws no band, negative is refused.
    int IndicatorWidth() const { return FIndicatorWidth; }
    void SetIndicatorWidth(int Value);
    // The band tints the drum half and half instead of covering it.
    bool IndicatorTransparent() const { return FIndicatorTransparent; }
    void SetIndicatorTransparent(bool Value);
    // Value difference between two labels; refused unless positive.
    float Step() const { return FStep; }
    void SetStep(float Value);
    // Number picture of the labels ("0", "0.0" ...); longer than KMaxPictureLength is refused.
    QString ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString &Value);
    // Left margin of the labels in drum pixels; negative is refused.
    int ScaleMargin() const { return FScaleMargin; }
    void SetScaleMargin(int Value);
    // Tint of the shading toward the drum's edges.
    TColor CylinderColor() const { return FCylinderColor; }
    void SetCylinderColor(TColor Value);
    // Pen width of the ticks in drum pixels; negative is refused.
    int TickWidth() const { return FTickWidth; }
    void SetTickWidth(int Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void FrameTick() override;

    // The motion: the drum's value x, its velocity v, and the value the drum shows.
    float DrumValue() const { return FDrumValue; }
    float Velocity() const { return FVelocity; }
    float ShownValue() const { return -FDisplayValue; }
    float Gain() const { return FGain; }
    float Damping() const { return FDamping; }
    // The shown value has reached Position, or can no longer move toward it; no more frames are
    // asked for until Position changes.
    bool Settled() const { return FSettled; }

    // The scale as the last rendering laid it out on the flat drum: the row of the Min label
    // (which may lie above the drum), the labels and the ticks drawn. Half the height of the
    // text "0" in the drum font centres the labels on their rows.
    int64_t DrumOrigin() const { return FDrumOrigin; }
    const std::vector<TDrumLabel> &Labels() const { return FLabels; }
    const std::vector<TDrumTick> &Ticks() const { return FTicks; }
    int LabelOffset() const { return FLabelOffset; }
    const TFont &DrumFont() const { return FDrumFont; }
    // The drum surface: after a rendering, its top-left quarter holds the reduced cylinder.
    const TBitmap &Drum() const { return *FDrum; }

    // For each row of a bent drum of Height rows, from the top, the flat drum row it shows. The
    // tangent law spreads the middle of the drum over more rows and squeezes its edges: the whole
    // drum lands on the first 0.705 * Height rows.
    static std::vector<int> ProjectionRows(int Height);

protected:
    void Loaded() override;
    void Paint(TCanvas &Canvas) override;
    void DataChange(QObject *Sender) override;
    void PixelRatioChanged() override;
    // Rolling toward Position: the frames that move the drum are wanted. A hidden drum keeps
    // rolling, without paints, so that it shows where it has got to when it is shown again.
    bool Animating() const override { return !FSettled; }

    // The steps of a rendering: the flat drum (the scale of labels and ticks on white, the
    // indicator band, the edge shading), then the bend, the reduction and the copy into the
    // control's surface.
    void RenderDrum();
    void DrawFlatDrum();
    void DrawScale();
    void ProjectDrum();

private:
    // Renders and invalidates, unless loading (outside design) or the drum has no area.
    void RedrawDrum();
    // Sizes the drum and the control's surface for the control's size and pixel ratio.
    void SizeSurfaces();
    // The drum font and the label offset for the font and the drum's scale.
    void UpdateDrumFont();
    void RollStep();
    void LayOutScale();
    void DrawDrumValues();
    void DrawDrumTicks();
    void DrawDrumIndicator();
    void ShadeDrum();
    // The per-row tables of the current drum height and cylinder colour.
    void UpdateRowTables();

    // An aliased drawing made once and then put wherever it recurs: the labels and ticks are
    // the same drawings at whole-pixel offsets frame after frame. The drawing is kept as the
    // runs of equal colour along its rows, relative to its reference point, which land
    // exactly the pixels a fresh drawing would. A drawing that blends with what lies beneath,
    // or is larger than the drum, is drawn afresh instead.
    struct TRun {
        int Y, X0, X1;
        uint32_t Pixel;
    };
    struct TStamp {
        std::vector<TRun> Runs;
        bool Afresh = false;
    };
    // Puts the drawing named Key with its reference point at (X, Y) of the drum. On first use,
    // Bounds() gives the drawing's extent around its reference point and Draw(Canvas, X, Y)
    // draws it.
    template <typename TBounds, typename TDraw>
    void Stamp(const QString &Key, int X, int Y, TBounds &&Bounds, TDraw &&Draw);
    static TStamp MakeStamp(const QImage &Picture, QPoint Origin);
    void PutRuns(const std::vector<TRun> &Runs, int X, int Y);

    std::unique_ptr<TBitmap> FDrum;
    TFont FFont;
    TFont FDrumFont;
    int FLabelOffset = 0;
    bool FRendering = false;
    // What the last rendering showed; a paint renders again only when that has changed.
    bool FRendered = false;
    float FRenderedValue = 0;

    float FStabilizeTime = 15;
    float FSluggishness = 5;
    float FPosition = 0;
    float FMin = 0;
    float FMax = 500;
    int FValueSpacing = 40;
    int FTicksPerValue = 4;
    TColor FTickColor = clBlack;
    int FTickLength = 4;
    TColor FIndicatorColor = clRed;
    int FIndicatorWidth = 2;
    bool FIndicatorTransparent = true;
    float FStep = 10;
    QString FValueFormat = QStringLiteral("0");
    int FScaleMargin = 1;
    TColor FCylinderColor = clGray;
    int FTickWidth = 2;

    // The motion, every quantity a 32-bit float: gain g and damping k follow Sluggishness and
    // StabilizeTime; x, v, the last error e and damping term d; the display value holds the
    // shown value negated.
    float FGain = 1.0f / 6;
    float FDamping = 1.85f;
    float FDrumValue = 0;
    float FVelocity = 0;
    float FError = 0;
    float FDampingTerm = 0;
    float FDisplayValue = 0;
    bool FSettled = true;

    int64_t FDrumOrigin = 0;
    std::vector<TDrumLabel> FLabels;
    std::vector<TDrumTick> FTicks;

    // Rebuilt when the drum height or the cylinder colour changes.
    int FTableHeight = -1;
    TColor FTableColor = 0;
    std::vector<int> FProjection;
    // Per row, what each byte of four pixels loses to the shading (blue, green, red, unused).
    std::vector<std::array<uint8_t, 16>> FShade;
    // Made again after every property change.
    QHash<QString, TStamp> FStamps;
};

} // namespace Vex
