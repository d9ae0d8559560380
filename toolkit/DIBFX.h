#pragma once
// Pixel effects on TBitmap surfaces: the 2 x 2 reduction behind every instrument's smooth edges,
// grain and streaks for metal surfaces, turning and lighting the knob face, the drum gauge's
// tinted band, colour fades and rotated text. Free functions without state, for the GUI thread.
// Pixels are blue, green, red and an unused byte that every routine leaves at 0xFF; channel
// arithmetic is integer and clamped to 0..255.

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"

#include <QString>

namespace Vex {

class TBitmap;
class TCanvas;
struct TRect;

// C1 at T = 0, C2 at T = 1; T outside 0..1 extrapolates, clamped per channel. System colours are
// resolved first.
VEX_EXPORT TColor BlendColors(TColor C1, TColor C2, float T);

// Adds Random(Amount) - Amount div 2 to every channel: Amount 10 moves each by -5..4; Amount <= 1
// changes nothing. The draws come from a grain generator seeded by two draws of the process-wide
// one, whatever the bitmap and the Amount, so a seeded run repeats its grain.
VEX_EXPORT void AddNoise(TBitmap &Bitmap, int Amount);

// Streaks along the rows: one running offset per channel, started at 0, walks by -5..4 from
// pixel to pixel over the whole bitmap, bounded by +-Amount. Amount <= 0 changes nothing. The
// steps come from a grain generator seeded as AddNoise's.
VEX_EXPORT void AddRasterNoise(TBitmap &Bitmap, int Amount);

// Halves every channel inside Rect (clipped to the bitmap) and adds half of Color's channel.
VEX_EXPORT void HalfTintRect(TBitmap &Bitmap, const TRect &Rect, TColor Color);

// Copies row 0 into every other row, doubling the copied block each step.
VEX_EXPORT void ReplicateFirstRow(TBitmap &Bitmap);

// Resizes Dest to Width x Height, each pixel the average of a 4 x 4 block of Source stretched
// to four times that size.
VEX_EXPORT void SmoothStretch(const TBitmap &Source, TBitmap &Dest, int Width, int Height);

// Lights Target with the shading map Light: each channel gains 2 * light - 256, so 128 leaves
// it unchanged. Only the area both bitmaps cover is processed.
VEX_EXPORT void ApplyLightMap(const TBitmap &Light, TBitmap &Target);

// Turns (X, Y) about the origin by Angle + 180 degrees in bitmap coordinates (positive angles
// turn clockwise on screen), after moving points with -1 < Y < 1 to Y = 1.
VEX_EXPORT void RotatePoint(float &X, float &Y, float Angle);

// Fills Dest by nearest-pixel mapping from Source turned by Angle degrees about its centre
// shifted by (OffsetX, OffsetY) and scaled by ScaleX, ScaleY; Dest pixels that map outside
// Source are white. Made for a Dest of Source's size; any other size is filled with the same
// mapping continued, never read or written outside either bitmap.
VEX_EXPORT void RotateBitmap(const TBitmap &Source, TBitmap &Dest, int OffsetX, float Angle,
                             float ScaleX, float ScaleY, int OffsetY);

// Averages each 2 x 2 block into the top-left quarter (odd last column and row dropped). Shrink
// then cuts the bitmap to that quarter; otherwise the rest keeps its old pixels.
VEX_EXPORT void HalveBitmap(TBitmap &Bitmap, bool Shrink);

// Draws Text at (X, Y) turned by Angle degrees counter-clockwise, placed by the TA_ flags in
// Align; the canvas's font and text alignment are restored afterwards.
VEX_EXPORT void TextOutRotated(TCanvas &Canvas, int X, int Y, int Angle, const QString &Text,
                               unsigned Align);

} // namespace Vex
