#pragma once
// Seeded noise, streaks, blur and reduction for the face generator. Every face draws its grain
// from a generator seeded with its index, so a rebuild gives byte-identical pictures.
//
// Grain and streak layers are premultiplied ARGB images meant to be drawn over a surface: a
// positive value is white and a negative one black, with an alpha of the value's magnitude, so
// the layer lightens and darkens around the surface's own colour.

#include <QImage>
#include <QSize>
#include <cstdint>

namespace Vex {

// xorshift32: the same sequence on every platform and compiler, which the distributions of
// <random> do not promise.
class TRandom {
public:
    explicit TRandom(uint32_t Seed);
    uint32_t Next();
    // Uniform in 0 .. N - 1; N <= 0 gives 0.
    int Below(int N);
    // Uniform in -Amount .. Amount.
    int Signed(int Amount);
    // Uniform in 0 .. 1.
    float Unit();

private:
    uint32_t FState;
};

// Independent grain per pixel with values in -Amount .. Amount (Amount at most 255).
QImage GrainLayer(QSize Size, int Amount, TRandom &Random);

// Streaks along the rows, as left by brushing: the grain of each row averaged over a run of
// Length pixels, scaled back to about -Amount .. Amount, plus a faint offset per row.
QImage StreakLayer(QSize Size, int Amount, int Length, TRandom &Random);

// Box blur of a premultiplied ARGB image in place, Passes times (three approach a Gaussian).
// Pixels outside the image count as transparent.
void BoxBlur(QImage &Image, int Radius, int Passes);

// Image reduced Factor times each way, every pixel the mean of a Factor x Factor block, as an
// opaque RGB32 picture; rows and columns past the last whole block are dropped.
QImage AverageDown(const QImage &Image, int Factor);

} // namespace Vex
