#include "controls/GaugeFaces.h"

#include <QColor>
#include <QSize>
#include <array>
#include <gtest/gtest.h>

namespace Vex {

namespace {
struct TFaceSize {
    int Index;
    QSize Size;
    bool Elliptic;
};

constexpr bool KEllipse = true;
constexpr bool KRectangle = false;
const std::array<TFaceSize, 21> KFaces = {{
    {1, {238, 238}, KEllipse},   {2, {200, 201}, KEllipse},    {3, {210, 210}, KEllipse},
    {4, {220, 220}, KEllipse},   {5, {400, 400}, KRectangle},  {6, {400, 300}, KRectangle},
    {7, {300, 294}, KRectangle}, {8, {250, 250}, KEllipse},    {9, {194, 159}, KRectangle},
    {10, {220, 220}, KEllipse},  {11, {200, 200}, KEllipse},   {12, {165, 165}, KEllipse},
    {13, {200, 200}, KEllipse},  {14, {160, 160}, KEllipse},   {15, {200, 200}, KEllipse},
    {16, {100, 100}, KEllipse},  {17, {327, 327}, KRectangle}, {18, {216, 216}, KEllipse},
    {19, {242, 241}, KEllipse},  {20, {239, 239}, KEllipse},   {21, {214, 213}, KEllipse},
}};

// Pictures come back through JPEG: "dark" leaves room for its ringing.
bool IsDark(QRgb Pixel) {
    return qGray(Pixel) < 60;
}

// Mean grey level of the Size x Size square centred on (X, Y).
int MeanGrey(const QImage &Image, int X, int Y, int Size) {
    int Sum = 0;
    for (int Dy = 0; Dy < Size; ++Dy)
        for (int Dx = 0; Dx < Size; ++Dx)
            Sum += qGray(Image.pixel(X - Size / 2 + Dx, Y - Size / 2 + Dy));
    return Sum / (Size * Size);
}
} // namespace

TEST(FaceResources, EveryFaceHasItsTableSize) {
    for (const TFaceSize &Face : KFaces) {
        const auto Image = LoadGaugeFace(Face.Index);
        ASSERT_NE(Image, nullptr) << "face " << Face.Index;
        EXPECT_EQ(Image->size(), Face.Size) << "face " << Face.Index;
    }
}

TEST(FaceResources, IndexesOutsideOneToTwentyOneHaveNoFace) {
    EXPECT_EQ(LoadGaugeFace(0), nullptr);
    EXPECT_EQ(LoadGaugeFace(22), nullptr);
    EXPECT_EQ(LoadGaugeFace(-1), nullptr);
}

TEST(FaceResources, EllipticFacesAreDarkOutsideTheirEllipse) {
    for (const TFaceSize &Face : KFaces) {
        if (!Face.Elliptic)
            continue;
        const auto Image = LoadGaugeFace(Face.Index);
        ASSERT_NE(Image, nullptr);
        const int Right = Image->width() - 1;
        const int Bottom = Image->height() - 1;
        for (const QPoint Corner : {QPoint(1, 1), QPoint(Right - 1, 1), QPoint(1, Bottom - 1),
                                    QPoint(Right - 1, Bottom - 1)})
            EXPECT_TRUE(IsDark(Image->pixel(Corner))) << "face " << Face.Index;
    }
}

TEST(FaceResources, DefaultFaceIsADarkDialInADarkHousing) {
    const auto Image = LoadGaugeFace(13);
    ASSERT_NE(Image, nullptr);
    EXPECT_TRUE(IsDark(Image->pixel(0, 0)));
    EXPECT_TRUE(IsDark(Image->pixel(199, 199)));
    // White ticks and labels go on it: the centre and the ring where the ticks sit are dark
    // (away from the glass reflection at the upper left).
    EXPECT_LT(MeanGrey(*Image, 100, 100, 9), 60);
    EXPECT_LT(MeanGrey(*Image, 100 + 72, 100, 5), 60);
    EXPECT_LT(MeanGrey(*Image, 100, 100 + 72, 5), 60);
}

TEST(FaceResources, PanelMeterDialsAreLightAboveTheirCover) {
    // Panel meters carry black ticks above the cover plate.
    for (const int Index : {6, 7, 9}) {
        const auto Image = LoadGaugeFace(Index);
        ASSERT_NE(Image, nullptr);
        EXPECT_GT(MeanGrey(*Image, Image->width() / 2, Image->height() / 4, 9), 150)
            << "face " << Index;
    }
}

} // namespace Vex
