#include "FaceStyles.h"

#include <array>

namespace Vex {

namespace {
// Tint, diffuse, reflect, roughness, gloss, shininess, grain, turned.
const std::array<TFinish, 9> KFinishes = {{
    {QColor(232, 236, 242), QColor(10, 10, 12), 1.0f, 0.06f, 0.9f, 120, 3, 4}, // chrome
    {QColor(200, 203, 208), QColor(70, 72, 75), 0.7f, 0.3f, 0.35f, 14, 6, 14}, // steel
    {QColor(190, 192, 196), QColor(95, 96, 99), 0.55f, 0.45f, 0.25f, 8, 6, 0}, // aluminium
    {QColor(245, 205, 120), QColor(70, 50, 15), 0.9f, 0.12f, 0.7f, 60, 4, 5},  // brass
    {QColor(120, 125, 135), QColor(35, 37, 41), 0.8f, 0.18f, 0.55f, 40, 5, 8}, // gunmetal
    {QColor(70, 70, 74), QColor(10, 10, 11), 0.6f, 0.08f, 0.8f, 150, 3, 0},    // black gloss
    {QColor(45, 45, 48), QColor(20, 20, 22), 0.5f, 0.4f, 0.25f, 12, 8, 0},     // black satin
    {QColor(35, 35, 37), QColor(22, 22, 23), 0.4f, 0.5f, 0.15f, 6, 16, 0},     // crackle
    {QColor(90, 92, 95), QColor(110, 112, 115), 0.35f, 0.45f, 0.2f, 10, 6, 0}, // grey plastic
}};
static_assert(KFinishes.size() == fnGreyPlastic + 1, "one finish for every TFinishId, in order");

constexpr std::array<TProfilePoint, 5> KDomed = {
    {{0, 88}, {0.1f, 65}, {0.5f, 0}, {0.9f, -65}, {1, -88}}};
constexpr std::array<TProfilePoint, 6> KFlatTop = {
    {{0, 85}, {0.12f, 20}, {0.2f, 0}, {0.8f, 0}, {0.9f, -30}, {1, -85}}};
constexpr std::array<TProfilePoint, 9> KStepped = {{{0, 85},
                                                    {0.12f, 25},
                                                    {0.22f, 0},
                                                    {0.4f, -5},
                                                    {0.46f, -80},
                                                    {0.52f, -5},
                                                    {0.56f, 0},
                                                    {0.88f, -10},
                                                    {1, -80}}};
constexpr std::array<TProfilePoint, 6> KChamfer = {
    {{0, 85}, {0.1f, 25}, {0.2f, 0}, {0.28f, -35}, {0.95f, -40}, {1, -85}}};
constexpr std::array<TProfilePoint, 3> KPlate = {{{0, 75}, {0.5f, 35}, {1, 0}}};
constexpr std::array<TProfilePoint, 6> KRecessed = {
    {{0, 70}, {0.2f, 20}, {0.35f, 0}, {0.75f, 0}, {0.85f, -45}, {1, -85}}};

QColor Rgb(int Value) {
    return QColor::fromRgb(QRgb(Value));
}

std::vector<TFaceStyle> MakeStyles() {
    return {
        {.Index = 1,
         .Width = 238,
         .Height = 238,
         .Rings = {{1, 0.86f, spStepped, fnChrome}},
         .Dial = {Rgb(0x232427), Rgb(0x0c0c0d), dtGrained, 5}},
        {.Index = 2,
         .Width = 200,
         .Height = 201,
         .Rings = {{1, 0.84f, spStepped, fnBrass}},
         .Dial = {Rgb(0x222838), Rgb(0x0d1018), dtMatte, 8}},
        {.Index = 3,
         .Width = 210,
         .Height = 210,
         .Rings = {{1, 0.93f, spDomed, fnSteel, true}, {0.93f, 0.86f, spFlatTop, fnSteel}},
         .Dial = {Rgb(0xdcdcda), Rgb(0xa9aaa8), dtSunburst, 14}},
        {.Index = 4,
         .Width = 220,
         .Height = 220,
         .Rings = {{1, 0.87f, spChamfer, fnGunmetal}},
         .Dial = {Rgb(0x1c1c1d), Rgb(0x0a0a0a), dtTurned, 8}},
        {.Index = 5,
         .Width = 400,
         .Height = 400,
         .Housing = hoFlange,
         .Rings = {{0.95f, 0.87f, spDomed, fnChrome}},
         .Dial = {Rgb(0xf6f4ee), Rgb(0xd4d1c8), dtMatte, 6},
         .Plate = fnAluminium,
         .Corners = coHoles},
        {.Index = 6,
         .Width = 400,
         .Height = 300,
         .Housing = hoPanel,
         .Dial = {Rgb(0xf3eedf), Rgb(0xd9d1bc), dtGrained, 7},
         .Plate = fnBlackSatin,
         .Window = {0.045, 0.05, 0.91, 0.9},
         .CoverTop = 0.565f,
         .Cover = cvDark,
         .Glass = 45},
        {.Index = 7,
         .Width = 300,
         .Height = 294,
         .Housing = hoPanel,
         .Dial = {Rgb(0xf7f7f4), Rgb(0xdedfdb), dtMatte, 6},
         .Plate = fnGreyPlastic,
         .Window = {0.06, 0.06, 0.88, 0.88},
         .CoverTop = 0.575f,
         .Cover = cvClear,
         .Glass = 45},
        {.Index = 8,
         .Width = 250,
         .Height = 250,
         .Rings = {{1, 0.9f, spDomed, fnChrome}},
         .Dial = {Rgb(0xf5f3ed), Rgb(0xd3d0c7), dtMatte, 6}},
        {.Index = 9,
         .Width = 194,
         .Height = 159,
         .Housing = hoPanel,
         .Dial = {Rgb(0xf5f5f2), Rgb(0xd8d8d4), dtMatte, 6},
         .Plate = fnBlackGloss,
         .Window = {0.07, 0.08, 0.86, 0.84},
         .CoverTop = 0.655f,
         .Cover = cvDark,
         .Glass = 40},
        {.Index = 10,
         .Width = 220,
         .Height = 220,
         .Rings = {{1, 0.93f, spDomed, fnBlackSatin}, {0.93f, 0.86f, spDomed, fnChrome}},
         .Dial = {Rgb(0x1e2d48), Rgb(0x0a1222), dtSunburst, 10}},
        {.Index = 11,
         .Width = 200,
         .Height = 200,
         .Rings = {{1, 0.82f, spFlatTop, fnBrass}},
         .Dial = {Rgb(0xefe6cf), Rgb(0xcdbf9c), dtGrained, 12},
         .BezelScrews = 4},
        {.Index = 12,
         .Width = 165,
         .Height = 165,
         .Rings = {{1, 0.9f, spFlatTop, fnBlackGloss}, {0.9f, 0.84f, spDomed, fnChrome}},
         .Dial = {Rgb(0xfafafa), Rgb(0xdcdcdc), dtMatte, 5}},
        {.Index = 13,
         .Width = 200,
         .Height = 200,
         .Rings = {{1, 0.91f, spDomed, fnBlackSatin}, {0.91f, 0.84f, spChamfer, fnBlackGloss}},
         .Dial = {Rgb(0x252629), Rgb(0x0b0b0c), dtGrained, 5}},
        {.Index = 14,
         .Width = 160,
         .Height = 160,
         .Rings = {{1, 0.85f, spChamfer, fnChrome}},
         .Dial = {Rgb(0x1e1e20), Rgb(0x09090a), dtTurned, 6}},
        {.Index = 15,
         .Width = 200,
         .Height = 200,
         .Rings = {{1, 0.86f, spStepped, fnGunmetal}},
         .Dial = {Rgb(0x3a3d42), Rgb(0x1e2024), dtBrushed, 10}},
        {.Index = 16,
         .Width = 100,
         .Height = 100,
         .Rings = {{1, 0.82f, spDomed, fnChrome}},
         .Dial = {Rgb(0x202022), Rgb(0x0b0b0c), dtMatte, 6}},
        {.Index = 17,
         .Width = 327,
         .Height = 327,
         .Housing = hoFlange,
         .Rings = {{0.93f, 0.85f, spChamfer, fnBlackSatin}},
         .Dial = {Rgb(0x1f1f21), Rgb(0x0c0c0d), dtMatte, 7},
         .Plate = fnBlackCrackle,
         .Corners = coScrews},
        {.Index = 18,
         .Width = 216,
         .Height = 216,
         .Rings = {{1, 0.83f, spFlatTop, fnSteel}},
         .Dial = {Rgb(0xf0f0ee), Rgb(0xcfcfcc), dtMatte, 6},
         .BezelScrews = 4},
        {.Index = 19,
         .Width = 242,
         .Height = 241,
         .Rings = {{1, 0.87f, spStepped, fnBrass}},
         .Dial = {Rgb(0xe9dcb8), Rgb(0xc4ae7a), dtSunburst, 10}},
        {.Index = 20,
         .Width = 239,
         .Height = 239,
         .Rings = {{1, 0.86f, spDomed, fnSteel}},
         .Dial = {Rgb(0xdcdddf), Rgb(0xaeb0b3), dtTurned, 12}},
        {.Index = 21,
         .Width = 214,
         .Height = 213,
         .Rings = {{1, 0.87f, spChamfer, fnBlackSatin}},
         .Dial = {Rgb(0xf7f7f5), Rgb(0xd9d9d6), dtMatte, 5}},
    };
}
} // namespace

const TFinish &FinishOf(TFinishId Id) {
    return KFinishes[size_t(Id)];
}

TProfile ProfileOf(TShapeId Id) {
    switch (Id) {
    case spDomed:
        return KDomed;
    case spFlatTop:
        return KFlatTop;
    case spStepped:
        return KStepped;
    case spChamfer:
        return KChamfer;
    case spPlate:
        return KPlate;
    case spRecessed:
        return KRecessed;
    }
    return KDomed;
}

const std::vector<TFaceStyle> &FaceStyles() {
    static const std::vector<TFaceStyle> Styles = MakeStyles();
    return Styles;
}

} // namespace Vex
