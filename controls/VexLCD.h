#pragma once
// The seven-segment LCD: one number, formatted with a picture, drawn right-aligned as polygon
// segments with a drop shadow over a tinted, sinusoidally lit and grainy background. The whole
// picture is drawn at twice the screen's resolution and halved, which smooths the segment edges;
// from pixel ratio 2 up the double size is the screen's resolution already and is not halved.
// There is no animation: the picture is rebuilt, grain included, whenever a property, the size,
// the pixel ratio or the bound field changes.
//
// Units: the geometry is in pixels of the surface as drawn, before any halving; HMargin is in
// pixels of the double-size surface of an ordinary screen, scaled with the surface.

#include "framework/VexVBSGraphicControlDA.h"
#include "platform/core/VexExport.h"
#include "toolkit/VexPolygons.h"

#include <array>
#include <vector>

namespace Vex {

class VEX_EXPORT TVexLCD : public TVexVBSGraphicControlDA {
    Q_OBJECT
    Q_PROPERTY(float Value READ Value WRITE SetValue)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TColor SegmentColor READ SegmentColor WRITE SetSegmentColor)
    Q_PROPERTY(QString Format READ Format WRITE SetFormat)
    Q_PROPERTY(float CharWidth READ CharWidth WRITE SetCharWidth)
    Q_PROPERTY(float SegmentWidth READ SegmentWidth WRITE SetSegmentWidth)
    Q_PROPERTY(float LightIntensity READ LightIntensity WRITE SetLightIntensity)
    Q_PROPERTY(int HMargin READ HMargin WRITE SetHMargin)
    Q_PROPERTY(float GradientRate READ GradientRate WRITE SetGradientRate)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)

public:
    // The eight segment outlines, in the order they are stored and drawn: the first six are the
    // outer ring, the first seven make an 8.
    enum TSegment : int {
        sgUpperLeft,
        sgLowerLeft,
        sgLowerRight,
        sgUpperRight,
        sgTop,
        sgBottom,
        sgMiddle,
        sgPoint,
        SegmentCount
    };

    // Sizes in double-size pixels, derived from the surface height and the width ratios.
    struct TGeometry {
        int CellHeight = 0;   // Hc
        int CellWidth = 0;    // W
        int Thickness = 0;    // T
        int Gap = 0;          // g, between neighbouring segments
        int ShadowOffset = 0; // s, down and to the right
        int Top = 0;          // Y0, the top of every cell
        friend bool operator==(const TGeometry &, const TGeometry &) = default;
    };

    explicit TVexLCD(QWidget *Parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Infinite and NaN values are refused.
    float Value() const { return FValue; }
    void SetValue(float Value);
    void SetColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    TColor SegmentColor() const { return FSegmentColor; }
    void SetSegmentColor(TColor Value);
    // The picture Value is formatted with; "." and "," both draw the decimal point. Pictures
    // longer than KMaxPictureLength are refused.
    QString Format() const { return FFormat; }
    void SetFormat(const QString &Value);
    // Cell width and segment thickness as fractions of the cell height.
    float CharWidth() const { return FCharWidth; }
    void SetCharWidth(float Value);
    float SegmentWidth() const { return FSegmentWidth; }
    void SetSegmentWidth(float Value);
    // Amplitude of the lighting wave, in colour levels.
    float LightIntensity() const { return FLightIntensity; }
    void SetLightIntensity(float Value);
    // Space right of the last cell, in double-size pixels.
    int HMargin() const { return FHMargin; }
    void SetHMargin(int Value);
    // The lighting wave's angle at the right edge is twice this, in radians; only positive
    // finite rates are taken.
    float GradientRate() const { return FGradientRate; }
    void SetGradientRate(float Value);

    // What the cells show: Value formatted with Format, or nothing while the bound field holds
    // no number.
    const QString &DisplayText() const { return FDisplayText; }
    const TGeometry &Geometry() const { return FGeometry; }
    // Segment S's outline relative to a cell's top-left corner; six points each.
    const TVexShape &Segment(TSegment S) const { return FSegments[S]; }
    // The segments character Ch lights, as a set of 1 << TSegment bits; none for characters the
    // display cannot show.
    static unsigned SegmentsOf(QChar Ch);
    // The left edge of each cell that reaches into the surface, leftmost first, as the last
    // rebuild placed them.
    const std::vector<int> &CellLefts() const { return FCellLefts; }

protected:
    void Loaded() override;
    void Paint(TCanvas &Canvas) override;
    void DataChange(QObject *Sender) override;
    void PixelRatioChanged() override;

private:
    // Sizes the surface as drawn; the one place that knows how the surface relates to the
    // control.
    void SizeSurface();
    // Recomputes the geometry and the segments and renders, unless loading or without area.
    void RebuildDisplay();
    void FormatDisplayText();
    void SplitColor();
    void CalcGeometry();
    void BuildSegments();
    void RenderBitmap();
    void RenderBackground();
    void AddGrain();
    void DrawCells();
    void DrawDigit(TCanvas &Canvas, QChar Ch, TColor Color, TPoint Origin);

    float FValue = 0;
    TColor FShadowColor = 4210752;
    TColor FSegmentColor = clBlack;
    QString FFormat = QStringLiteral("0.00");
    float FCharWidth = 0.5f;
    float FSegmentWidth = 0.1f;
    float FLightIntensity = 80;
    int FHMargin = 8;
    float FGradientRate = 2;

    QString FDisplayText;
    // The background colour's channels, apart for the per-pixel arithmetic.
    uint8_t FRed = 0, FGreen = 0, FBlue = 0;
    TGeometry FGeometry;
    std::array<TVexShape, SegmentCount> FSegments{};
    std::vector<int> FCellLefts;
};

} // namespace Vex
