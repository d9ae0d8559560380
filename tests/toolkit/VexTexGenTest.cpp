#include "toolkit/VexTexGen.h"

#include <QMetaProperty>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

namespace {
// Every pixel tells its own coordinates: red = x, green = y.
QImage CoordinateTexture(int Width, int Height) {
    QImage Image(Width, Height, QImage::Format_RGB32);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Image.setPixel(X, Y, qRgb(X, Y, 7));
    return Image;
}

TColor TexturePixel(int X, int Y) {
    return RGB(uint8_t(X), uint8_t(Y), 7);
}

// Control's rendering on a surface of its size, pre-filled with a sentinel colour.
std::unique_ptr<TBitmap> Render(TVexTexGen &Gen, QWidget &Control) {
    auto B = std::make_unique<TBitmap>(Control.width(), Control.height());
    B->Fill(clFuchsia);
    Gen.PaintTexture(&Control, B->Canvas());
    return B;
}
} // namespace

TEST(VexTexGen, PublishesItsPropertiesInStreamingOrderWithDefaults) {
    TVexTexGen Gen;
    const QMetaObject *Meta = Gen.metaObject();
    const char *Names[] = {"Picture", "RandomPeak", "Brightness", "RandomRate",
                           "Red",     "Green",      "Blue"};
    const int First = Meta->propertyOffset();
    ASSERT_EQ(Meta->propertyCount() - First, 7);
    for (int I = 0; I < 7; ++I)
        EXPECT_STREQ(Meta->property(First + I).name(), Names[I]);
    EXPECT_TRUE(Gen.Picture().isNull());
    EXPECT_EQ(Gen.RandomPeak(), 30);
    EXPECT_EQ(Gen.Brightness(), 128);
    EXPECT_EQ(Gen.RandomRate(), 8);
    EXPECT_EQ(Gen.Red(), 0);
    EXPECT_EQ(Gen.Green(), 20);
    EXPECT_EQ(Gen.Blue(), 30);
}

TEST(VexTexGen, TilesAreAlignedToTheForm) {
    QWidget Form;
    Form.move(500, 300); // the form's own position plays no part
    QWidget Panel(&Form);
    Panel.setGeometry(10, 20, 300, 400);
    QWidget Control(&Panel);
    Control.setGeometry(30, 250, 150, 60);
    TVexTexGen Gen(&Form);
    Gen.SetPicture(CoordinateTexture(100, 100));

    const auto B = Render(Gen, Control);
    // Position on the form (40, 270): tiles start at (-40, -70).
    EXPECT_EQ(B->Pixel(0, 0), TexturePixel(40, 70));
    EXPECT_EQ(B->Pixel(59, 29), TexturePixel(99, 99));
    EXPECT_EQ(B->Pixel(60, 30), TexturePixel(0, 0));
    EXPECT_EQ(B->Pixel(149, 59), TexturePixel(89, 29));
}

TEST(VexTexGen, ControlWithoutParentUsesItsOwnPosition) {
    QWidget Control;
    Control.setGeometry(25, 5, 40, 40);
    TVexTexGen Gen;
    Gen.SetPicture(CoordinateTexture(30, 30));
    const auto B = Render(Gen, Control);
    EXPECT_EQ(B->Pixel(0, 0), TexturePixel(25, 5));
    EXPECT_EQ(B->Pixel(5, 25), TexturePixel(0, 0));
}

TEST(VexTexGen, NeighboursShareOneSeamlessSurface) {
    QWidget Form;
    Form.resize(200, 100);
    QWidget Left(&Form), Right(&Form);
    Left.setGeometry(3, 11, 37, 45);
    Right.setGeometry(40, 11, 53, 45);
    TVexTexGen Gen(&Form);
    Gen.SetPicture(CoordinateTexture(17, 13));

    for (QWidget *Control : {&Left, &Right}) {
        const auto B = Render(Gen, *Control);
        for (int Y = 0; Y < B->Height(); ++Y)
            for (int X = 0; X < B->Width(); ++X)
                ASSERT_EQ(B->Pixel(X, Y),
                          TexturePixel((Control->x() + X) % 17, (Control->y() + Y) % 13))
                    << X << "," << Y;
    }
}

TEST(VexTexGen, PhaseHoldsLeftOfAndAboveTheForm) {
    QWidget Form;
    QWidget Control(&Form);
    Control.setGeometry(-130, -30, 20, 20);
    TVexTexGen Gen;
    Gen.SetPicture(CoordinateTexture(100, 100));
    EXPECT_EQ(Render(Gen, Control)->Pixel(0, 0), TexturePixel(70, 70));
}

TEST(VexTexGen, EmptyOrRefusedPicturePaintsNothing) {
    QWidget Control;
    Control.resize(20, 20);
    TVexTexGen Gen;
    auto B = Render(Gen, Control);
    EXPECT_EQ(B->Pixel(0, 0), clFuchsia);
    EXPECT_EQ(B->Pixel(19, 19), clFuchsia);

    // Wider than any surface may be: refused, the previous picture stays.
    Gen.SetPicture(CoordinateTexture(10, 10));
    Gen.SetPicture(QImage(TBitmap::MaxDimension + 1, 1, QImage::Format_RGB32));
    EXPECT_EQ(Gen.Picture().width(), 10);
    B = Render(Gen, Control);
    EXPECT_EQ(B->Pixel(12, 3), TexturePixel(2, 3));

    Gen.SetPicture(QImage());
    B = Render(Gen, Control);
    EXPECT_EQ(B->Pixel(12, 3), clFuchsia);
}

TEST(VexTexGen, AssignCopiesTheParametersButNotThePicture) {
    TVexTexGen Source, Target;
    Source.SetPicture(CoordinateTexture(5, 5));
    Source.SetRandomPeak(1);
    Source.SetBrightness(2);
    Source.SetRandomRate(3);
    Source.SetRed(4);
    Source.SetGreen(5);
    Source.SetBlue(6);
    Target.SetPicture(CoordinateTexture(8, 8));

    Target.Assign(Source);
    EXPECT_EQ(Target.RandomPeak(), 1);
    EXPECT_EQ(Target.Brightness(), 2);
    EXPECT_EQ(Target.RandomRate(), 3);
    EXPECT_EQ(Target.Red(), 4);
    EXPECT_EQ(Target.Green(), 5);
    EXPECT_EQ(Target.Blue(), 6);
    EXPECT_EQ(Target.Picture().size(), QSize(8, 8));
    QWidget Control;
    Control.resize(10, 10);
    EXPECT_EQ(Render(Target, Control)->Pixel(7, 7), TexturePixel(7, 7));
}

TEST(VexTexGen, TextureFollowsAPictureFilledInPlaceOnlyAfterLoading) {
    QWidget Control;
    Control.resize(10, 10);
    std::unique_ptr<TVexTexGen> Gen;
    {
        TLoadingScope Scope;
        Gen = std::make_unique<TVexTexGen>();
        Gen->Picture() = CoordinateTexture(4, 4);
        EXPECT_TRUE(Gen->IsLoading());
        EXPECT_EQ(Render(*Gen, Control)->Pixel(0, 0), clFuchsia);
    }
    EXPECT_FALSE(Gen->IsLoading());
    EXPECT_EQ(Render(*Gen, Control)->Pixel(6, 1), TexturePixel(2, 1));

    // Later changes in place are not painted until the setter runs.
    Gen->Picture() = CoordinateTexture(3, 3);
    EXPECT_EQ(Render(*Gen, Control)->Pixel(3, 0), TexturePixel(3, 0));
    Gen->SetPicture(Gen->Picture());
    EXPECT_EQ(Render(*Gen, Control)->Pixel(3, 0), TexturePixel(0, 0));
}

} // namespace Vex
