#include "Grain.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace Vex {

TRandom::TRandom(uint32_t Seed) : FState(Seed != 0 ? Seed : 0x9E3779B9u) {
    // The first outputs of a small seed are small too: run it in before use.
    for (int I = 0; I < 8; ++I)
        Next();
}

uint32_t TRandom::Next() {
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return FState;
}

int TRandom::Below(int N) {
    return N > 0 ? int(Next() % uint32_t(N)) : 0;
}

int TRandom::Signed(int Amount) {
    return Below(2 * Amount + 1) - Amount;
}

float TRandom::Unit() {
    return float(Next() >> 8) / float(1u << 24);
}

namespace {
constexpr int KChannels = 4;

// White with alpha Value for Value > 0, black with alpha -Value otherwise (premultiplied).
uint32_t SignedPixel(int Value) {
    const uint32_t Alpha = uint32_t(std::min(std::abs(Value), 255));
    const uint32_t Grey = Value > 0 ? Alpha : 0;
    return (Alpha << 24) | (Grey << 16) | (Grey << 8) | Grey;
}

// Adds (Sign > 0) or removes one row of pixels from per-column channel sums.
void AccumulateRow(const uint32_t *Row, int Width, int Sign, std::vector<int> &Sums) {
    for (int X = 0; X < Width; ++X)
        for (int C = 0; C < KChannels; ++C)
            Sums[X * KChannels + C] += Sign * int((Row[X] >> (8 * C)) & 0xFF);
}

uint32_t PackAverage(const int *Sums, int Count) {
    uint32_t Pixel = 0;
    for (int C = 0; C < KChannels; ++C)
        Pixel |= uint32_t(Sums[C] / Count) << (8 * C);
    return Pixel;
}

void BlurRows(QImage &Image, int Radius) {
    const int Width = Image.width();
    const int Window = 2 * Radius + 1;
    std::vector<uint32_t> Source(Width);
    for (int Y = 0; Y < Image.height(); ++Y) {
        auto *Row = reinterpret_cast<uint32_t *>(Image.scanLine(Y));
        std::copy(Row, Row + Width, Source.begin());
        int Sums[KChannels] = {};
        for (int X = 0; X < std::min(Radius, Width); ++X)
            for (int C = 0; C < KChannels; ++C)
                Sums[C] += int((Source[X] >> (8 * C)) & 0xFF);
        for (int X = 0; X < Width; ++X) {
            const int Entering = X + Radius;
            const int Leaving = X - Radius - 1;
            for (int C = 0; C < KChannels; ++C) {
                if (Entering < Width)
                    Sums[C] += int((Source[Entering] >> (8 * C)) & 0xFF);
                if (Leaving >= 0)
                    Sums[C] -= int((Source[Leaving] >> (8 * C)) & 0xFF);
            }
            Row[X] = PackAverage(Sums, Window);
        }
    }
}

void BlurColumns(QImage &Image, int Radius) {
    const QImage Source = Image.copy();
    const int Width = Image.width();
    const int Height = Image.height();
    const int Window = 2 * Radius + 1;
    std::vector<int> Sums(size_t(Width) * KChannels, 0);
    for (int Y = 0; Y < std::min(Radius, Height); ++Y)
        AccumulateRow(reinterpret_cast<const uint32_t *>(Source.constScanLine(Y)), Width, 1, Sums);
    for (int Y = 0; Y < Height; ++Y) {
        if (Y + Radius < Height)
            AccumulateRow(reinterpret_cast<const uint32_t *>(Source.constScanLine(Y + Radius)),
                          Width, 1, Sums);
        if (Y - Radius - 1 >= 0)
            AccumulateRow(reinterpret_cast<const uint32_t *>(Source.constScanLine(Y - Radius - 1)),
                          Width, -1, Sums);
        auto *Row = reinterpret_cast<uint32_t *>(Image.scanLine(Y));
        for (int X = 0; X < Width; ++X)
            Row[X] = PackAverage(&Sums[size_t(X) * KChannels], Window);
    }
}
} // namespace

QImage GrainLayer(QSize Size, int Amount, TRandom &Random) {
    QImage Layer(Size, QImage::Format_ARGB32_Premultiplied);
    for (int Y = 0; Y < Layer.height(); ++Y) {
        auto *Row = reinterpret_cast<uint32_t *>(Layer.scanLine(Y));
        for (int X = 0; X < Layer.width(); ++X)
            Row[X] = SignedPixel(Random.Signed(Amount));
    }
    return Layer;
}

QImage StreakLayer(QSize Size, int Amount, int Length, TRandom &Random) {
    QImage Layer(Size, QImage::Format_ARGB32_Premultiplied);
    const int Run = std::max(Length, 1);
    // A run of n values in -a .. a averages to about a / sqrt(n): draw them wider to make up.
    int Spread = 1;
    while (Spread * Spread < Run)
        ++Spread;
    std::vector<int> Noise(size_t(Layer.width() + Run));
    for (int Y = 0; Y < Layer.height(); ++Y) {
        for (int &Value : Noise)
            Value = Random.Signed(Amount * Spread);
        const int RowOffset = Random.Signed(Amount / 3);
        int Sum = 0;
        for (int X = 0; X < Run; ++X)
            Sum += Noise[size_t(X)];
        auto *Row = reinterpret_cast<uint32_t *>(Layer.scanLine(Y));
        for (int X = 0; X < Layer.width(); ++X) {
            Row[X] = SignedPixel(Sum / Run + RowOffset);
            Sum += Noise[size_t(X + Run)] - Noise[size_t(X)];
        }
    }
    return Layer;
}

void BoxBlur(QImage &Image, int Radius, int Passes) {
    if (Radius <= 0 || Image.isNull())
        return;
    if (Image.format() != QImage::Format_ARGB32_Premultiplied)
        Image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int Pass = 0; Pass < Passes; ++Pass) {
        BlurRows(Image, Radius);
        BlurColumns(Image, Radius);
    }
}

QImage AverageDown(const QImage &Image, int Factor) {
    if (Factor <= 1 || Image.isNull())
        return Image.convertToFormat(QImage::Format_RGB32);
    const QImage Source = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage Result(Source.width() / Factor, Source.height() / Factor, QImage::Format_RGB32);
    const int Count = Factor * Factor;
    std::vector<int> Sums(size_t(Result.width()) * KChannels);
    for (int Y = 0; Y < Result.height(); ++Y) {
        std::fill(Sums.begin(), Sums.end(), 0);
        for (int Line = 0; Line < Factor; ++Line) {
            const auto *Row =
                reinterpret_cast<const uint32_t *>(Source.constScanLine(Y * Factor + Line));
            for (int X = 0; X < Result.width() * Factor; ++X)
                for (int C = 0; C < KChannels; ++C)
                    Sums[size_t(X / Factor) * KChannels + C] += int((Row[X] >> (8 * C)) & 0xFF);
        }
        auto *Out = reinterpret_cast<uint32_t *>(Result.scanLine(Y));
        for (int X = 0; X < Result.width(); ++X)
            Out[X] = PackAverage(&Sums[size_t(X) * KChannels], Count) | 0xFF000000u;
    }
    return Result;
}

} // namespace Vex
