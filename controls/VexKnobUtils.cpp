#include "controls/VexKnobUtils.h"

#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Vex {

namespace {
constexpr double KPi = std::numbers::pi;
constexpr double KNeutral = 128;

// Grey levels before clamping; kstTest alone gives the channels different values.
struct TShade {
    double Blue, Green, Red;
};

TShade Grey(double T) {
    return {T, T, T};
}

// Nearest integer, halves to even, kept in double: the relief's products can lie far outside
// any integer type (tan(pi r) has its pole at r = 0.5), and they are clamped to a byte only
// after rounding.
double RoundD(double Value) {
    return std::nearbyint(Value);
}

uint8_t ToByte(double T) {
    return uint8_t(std::clamp(T, 0.0, 255.0));
}

// One pixel of the disc, 0 < r <= 1.
struct TPixel {
    float R;     // distance from the centre, 1 at the edge
    float Phi;   // angle term of the pixel's position
    float Light; // L: the light angle plus Phi
    float LightAngle;
};

// The grey level of one pixel of Type. A is the contrast; its halves and thirds are taken by
// integer division, as the relief's own unit.
TShade Shade(TKnobSurfaceType Type, int A, const TPixel &P) {
    const int A2 = A / 2, A3 = A / 3;
    const float R = P.R, Phi = P.Phi, X = P.LightAngle;
    // The light terms, computed only by the types that use them.
    const auto SinL = [&P] { return std::sin(double(P.Light)); };
    const auto CosL90 = [&P] { return std::cos(KPi / 2 + P.Light); };
    switch (Type) {
    case kstConic: {
        double T = RoundD(SinL() * A2 + KNeutral);
        if (R > 0.98f)
            T = KNeutral;
        if (R > 0.4f && R < 0.5f)
            T = RoundD(T * T / 128);
        if (R < 0.4f)
            T = RoundD(std::sin(100.0 * R) * T);
        if (R < 0.1f)
            T = KNeutral;
        if (R > 0.4f && R < 0.42f)
            T = 255 - T;
        return Grey(T);
    }
    case kstAmplifier: {
        if (R < 0.5f || R == 1.0f)
            return Grey(KNeutral);
        const float H = float((std::tan(KPi * R) * 0.5 + 0.5) * CosL90() * (1.0 - R));
        return Grey(RoundD(double(A) * H) + KNeutral);
    }
    case kstFat: {
        float H = float(std::cos(std::tan(0.43 * R * KPi)) * std::sin(KPi + P.Light) * R);
        if (H > 0)
            H = 2 * H;
        if (R < 0.75f)
            H = 0;
        return Grey(RoundD(A2 * double(H) + KNeutral));
    }
    case kstFlat: {
        const float H = float(CosL90() * std::sin(1.0 / std::cos(double(R)) + KPi / 2) * R * R);
        return Grey(RoundD(double(A) * H) + KNeutral);
    }
    case kstSoft: {
        const float H = float(SinL() * std::sin(1.0 / R));
        return Grey(RoundD(double(A) * H) + KNeutral);
    }
    case kstBump: {
        const float S = float(std::pow(double(R), 7));
        const float H = float(SinL() * std::sin(KPi * KPi * S));
        return Grey(RoundD(A2 * double(H) + KNeutral));
    }
    case kstSphere: {
        float H = float(SinL() * std::sin(KPi * R));
        if (H > 0)
            H = 2 * H;
        return Grey(RoundD(A2 * double(H) + KNeutral));
    }
    case kstSmooth: {
        if (R > 0.435f) {
            const float H = float(CosL90() * std::sin(1.0 / std::cos(4.3 * R)));
            return Grey(RoundD(double(A) * H) + KNeutral);
        }
        if (R > 0.35f) {
            const double Q = RoundD(SinL() * A2 + KNeutral);
            return Grey(RoundD(Q * Q / 128));
        }
        return Grey(KNeutral);
    }
    case kstDisc:
        return Grey(R < 0.7f ? KNeutral : RoundD(A * SinL()) + KNeutral);
    case kstMetal:
    case kstMetal2: {
        // The outer ring is centred on 64: it darkens the rim even where the light is level.
        if (R > 0.95f)
            return Grey(RoundD(A * SinL()) + 64);
        const float H = float(SinL() * std::cos(2.0 * Phi + X) * std::sin(3.0 * Phi + X));
        const double Depth = Type == kstMetal ? double(H) * A3 : double(R) * H * A3;
        return Grey(RoundD(Depth) + KNeutral);
    }
    case kstFlat2: {
        const float S = float(std::pow(double(R), 7));
        const float H = float(std::pow(SinL() * std::sin(0.75 * S * KPi), 3));
        return Grey(RoundD(A2 * double(H) + KNeutral));
    }
    case kstTest: {
        if (R > 0.95f)
            return Grey(RoundD(A * SinL()) + KNeutral);
        const double Lit = A * SinL(), Phi2 = 2.0 * Phi, Phi3 = 3.0 * Phi;
        return {RoundD(Lit * std::cos(2.5 * Phi + X) * std::sin(3.1 * Phi + X)) + KNeutral,
                RoundD(Lit * std::cos(1.0 + X + Phi2) * std::sin(Phi3 + X)) + KNeutral,
                RoundD(Lit * std::cos(Phi3 + X) * std::sin(4.0 * Phi + X)) + KNeutral};
    }
    case kstNone:
    case kstStandard:
    case kstGrip:
        break;
    }
    return Grey(KNeutral);
}

// The angle term of a pixel at (U, V), V downwards, at distance R > 0: arcsin(v / r) on the
// left half and -pi - arcsin(v / r) on the right. The quotient is held to -1..1 against the
// rounding of R.
float PhiAt(double U, double V, float R) {
    const double S = std::asin(std::clamp(V / R, -1.0, 1.0));
    return float(U <= 0 ? S : -KPi - S);
}
} // namespace

void RenderSurfaceAlpha(TBitmap &Bitmap, int Contrast, TKnobSurfaceType SurfaceType,
                        float LightAngle) {
    const int W = Bitmap.Width(), H = Bitmap.Height();
    const int CX = W / 2, CY = H / 2;
    const bool Flat = CX == 0 || CY == 0 || SurfaceType == kstNone || SurfaceType == kstStandard;
    for (int I = 0; I < H; ++I) {
        uint8_t *Row = Bitmap.ScanLine(I);
        for (int J = 0; J < W; ++J) {
            TShade T = Grey(KNeutral);
            if (!Flat) {
                const double U = double(J - CX) / CX, V = double(I - CY) / CY;
                const float R = float(std::sqrt(U * U + V * V));
                if (R > 0 && R <= 1) {
                    const float Phi = PhiAt(U, V, R);
                    T = Shade(SurfaceType, Contrast, {R, Phi, LightAngle + Phi, LightAngle});
                }
            }
            uint8_t *P = Row + J * TBitmap::BytesPerPixel;
            P[0] = ToByte(T.Blue);
            P[1] = ToByte(T.Green);
            P[2] = ToByte(T.Red);
        }
    }
}

} // namespace Vex
