#include "controls/VexMatrix.h"
#include "TestDatabase.h"
#include "controls/VexMatrixFont.h"
#include "platform/core/Component.h"
#include "platform/streaming/ComponentStream.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace Vex {

using namespace Qt::StringLiterals;
using TCells = std::vector<TVexMatrix::TCell>;

namespace {
constexpr QRgb KBackground = qRgb(164, 176, 70);
constexpr QRgb KDark = qRgb(148, 157, 64);
constexpr QRgb KLit = qRgb(0, 0, 0);

struct Matrix : ::testing::Test {
    QWidget Form;
    TVexMatrix M{&Form};
    QImage Paint() { return M.grab().toImage(); }
    int Glyph(char16_t Ch) const { return M.GlyphIndex(uint8_t(Ch)); }
    // Cells of Step pixels from X on, all showing Glyph.
    static TCells Run(int X, int Step, int Count, int Glyph) {
        TCells Cells;
        for (int I = 0; I < Count; ++I)
            Cells.push_back({X + I * Step, Glyph});
        return Cells;
    }
    TCells TextCells(int X, const QString &Text) const {
        TCells Cells;
        for (const QChar Ch : Text) {
            Cells.push_back({X, Glyph(Ch.unicode())});
            X += 22;
        }
        return Cells;
    }
};

TCells Joined(std::initializer_list<TCells> Parts) {
    TCells All;
    for (const TCells &P : Parts)
        All.insert(All.end(), P.begin(), P.end());
    return All;
}

// The colour of dot (Row, Column) of a glyph with 3-pixel dots 1 pixel apart, at its centre.
QRgb Dot(const QImage &Image, int Row, int Column, int X = 0, int Y = 0) {
    return Image.pixel(X + 4 * Column + 1, Y + 4 * Row + 1);
}
} // namespace

TEST_F(Matrix, DefaultsAndTheBlankLine) {
    EXPECT_EQ(M.PixelWidth(), 3.0f);
    EXPECT_EQ(M.PixelHeight(), 3.0f);
    EXPECT_EQ(M.CharSpacing(), 3.0f);
    EXPECT_EQ(M.PixelSpacing(), 1.0f);
    EXPECT_EQ(M.Text(), QString());
    EXPECT_EQ(M.BackgroundColor(), 4632740u);
    EXPECT_EQ(M.LitPixelColor(), 0u);
    EXPECT_EQ(M.DarkPixelColor(), 4234644u);
    EXPECT_EQ(M.LightBrightness(), 50);
    EXPECT_EQ(M.Alignment(), TVexMatrix::taLeftJustify);
    // The constructor's height is not the rule's.
    EXPECT_EQ(M.Width(), 310);
    EXPECT_EQ(M.Height(), 34);
    EXPECT_EQ(M.LineHeight(), 33);
    EXPECT_EQ(M.GlyphWidth(), 19);
    EXPECT_EQ(M.GlyphHeight(), 27);

    M.SetLightBrightness(0);
    const QImage P = Paint();
    EXPECT_EQ(M.Cells(), Run(3, 22, 14, TVexMatrix::BlankGlyph));
    EXPECT_EQ(P.pixel(0, 0), KBackground);
    EXPECT_EQ(Dot(P, 0, 0, 3, 3), KDark);
    EXPECT_EQ(P.pixel(6, 4), KBackground); // between two dots
    EXPECT_EQ(Dot(P, 6, 4, 289, 3), KDark);
    EXPECT_EQ(P.pixel(309, 33), KBackground);
}

TEST_F(Matrix, GlyphTableHoldsTheCharacterSetAndItsPatterns) {
    EXPECT_EQ(M.GlyphCode(0), 0);
    EXPECT_EQ(M.GlyphCode(1), ' ');
    EXPECT_EQ(M.GlyphCode(2), '1');
    EXPECT_EQ(M.GlyphCode(37), 'Z');
    EXPECT_EQ(M.GlyphCode(38), 0xC5);
    EXPECT_EQ(M.GlyphCode(94), 0xF6);
    int Bitmaps = 0;
    for (int I = 0; I < TVexMatrix::GlyphCount; ++I) {
        if (I == 0 || I > 94) {
            EXPECT_EQ(M.GlyphCode(I), 0) << I;
        }
        if (const TBitmap *B = M.GlyphBitmap(I)) {
            ++Bitmaps;
            EXPECT_EQ(B->Width(), 19);
            EXPECT_EQ(B->Height(), 27);
        }
    }
    EXPECT_EQ(Bitmaps, 90);
    for (const char16_t Bracket : {u'[', u']', u'{', u'}'})
        EXPECT_EQ(M.GlyphBitmap(Glyph(Bracket)), nullptr);

    // "1" is drawn with "X" in its pattern: lit all the same.
    const QImage One = M.GlyphBitmap(Glyph(u'1'))->Image();
    EXPECT_EQ(Dot(One, 0, 2), KLit);
    EXPECT_EQ(Dot(One, 1, 1), KLit);
    EXPECT_EQ(Dot(One, 1, 3), KDark);
    EXPECT_EQ(Dot(One, 6, 0), KDark);
    EXPECT_EQ(Dot(One, 6, 3), KLit);
    EXPECT_EQ(One.pixel(3, 0), KBackground);
    // The ring of the capital A-ring, and the small o-diaeresis drawn like its capital.
    const QImage ARing = M.GlyphBitmap(Glyph(0xC5))->Image();
    EXPECT_EQ(Dot(ARing, 0, 2), KLit);
    EXPECT_EQ(Dot(ARing, 1, 1), KLit);
    EXPECT_EQ(Dot(ARing, 1, 2), KDark);
    EXPECT_EQ(M.GlyphBitmap(Glyph(0xF6))->Image(), M.GlyphBitmap(Glyph(0xD6))->Image());
}

TEST_F(Matrix, TextIsMatchedFromUnicode) {
    // Composed and decomposed accents, a character beyond Latin-1, one outside the plane, a
    // zero that ends the text.
    EXPECT_EQ(MatrixCharCodes(u"\u00c5A\u030ao\u0308"_s), (std::vector<uint8_t>{197, 197, 246}));
    const std::vector<uint8_t> Odd = MatrixCharCodes(u"\u20ac\U0001F600x"_s + QChar(0) + u"y"_s);
    ASSERT_EQ(Odd.size(), 3u);
    EXPECT_EQ(M.GlyphIndex(Odd[0]), TVexMatrix::BlankGlyph);
    EXPECT_EQ(M.GlyphIndex(Odd[1]), TVexMatrix::BlankGlyph);
    EXPECT_EQ(Odd[2], 'x');
}

TEST_F(Matrix, UnknownCharactersShowBlanksAndBracketsTakeNoCell) {
    M.SetText(u"A[B#|\t]"_s);
    Paint();
    const int Blank = TVexMatrix::BlankGlyph;
    EXPECT_EQ(M.Cells(), Joined({{{3, Glyph(u'A')}, {25, Glyph(u'B')}}, Run(47, 22, 12, Blank)}));
}

TEST_F(Matrix, RightJustifiedTextEndsTwoSpacingsBeforeTheEdge) {
    M.SetWidth(314);
    M.SetPixelHeight(8);
    M.SetText(u"987654"_s);
    M.SetAlignment(TVexMatrix::taRightJustify);
    EXPECT_EQ(M.Height(), 68);
    EXPECT_EQ(M.GlyphHeight(), 62);
    Paint();
    EXPECT_EQ(M.Cells(),
              Joined({Run(3, 22, 8, TVexMatrix::BlankGlyph), TextCells(179, u"987654"_s)}));
    EXPECT_EQ(M.Cells().back().X + M.GlyphWidth(), 314 - 6);
}

TEST_F(Matrix, CentredTextSitsMidGridWithTheOddBlankRight) {
    const int Blank = TVexMatrix::BlankGlyph;
    M.SetAlignment(TVexMatrix::taCenter);
    M.SetText(u"Centre"_s);
    Paint();
    const TCells Centred = M.Cells();
    EXPECT_EQ(Centred,
              Joined({Run(3, 22, 4, Blank), TextCells(91, u"Centre"_s), Run(223, 22, 4, Blank)}));
    M.SetAlignment(TVexMatrix::taRightJustify);
    Paint();
    EXPECT_NE(M.Cells(), Centred);

    M.SetAlignment(TVexMatrix::taCenter);
    M.SetText(u"ABCDE"_s);
    Paint();
    EXPECT_EQ(M.Cells(),
              Joined({Run(3, 22, 4, Blank), TextCells(91, u"ABCDE"_s), Run(201, 22, 5, Blank)}));
    // Longer than the line: the middle shows.
    M.SetText(u"ABCDEFGHIJKLMNOPQRST"_s);
    Paint();
    EXPECT_EQ(M.Cells(), TextCells(3, u"DEFGHIJKLMNOPQ"_s));
}

TEST_F(Matrix, HighlightAddsASineBandOverEveryRow) {
    const auto Plus = [](int A) {
        return qRgb(std::clamp(164 + A, 0, 255), std::clamp(176 + A, 0, 255),
                    std::clamp(70 + A, 0, 255));
    };
    M.SetLightBrightness(0);
    QImage P = Paint();
    for (int X = 0; X < 310; X += 7)
        EXPECT_EQ(P.pixel(X, 1), KBackground) << X;

    M.SetLightBrightness(50);
    P = Paint();
    EXPECT_EQ(P.pixel(0, 0), KBackground);
    EXPECT_EQ(P.pixel(162, 0), Plus(50)); // 3k / 310 is nearest a right angle here
    EXPECT_EQ(P.pixel(162, 33), Plus(50));
    EXPECT_EQ(P.pixel(309, 0), Plus(8)); // sin(927 / 310) * 50 = 7.53
    EXPECT_EQ(Dot(P, 0, 0, 157, 3), qRgb(148 + 50, 157 + 50, 64 + 50));

    M.SetLightBrightness(-50);
    EXPECT_EQ(Paint().pixel(162, 0), Plus(-50));
    M.SetLightBrightness(1000);
    EXPECT_EQ(Paint().pixel(162, 0), qRgb(255, 255, 255));
}

TEST_F(Matrix, SettersRefuseBadValuesAndSetTheLineHeight) {
    for (const float Bad : {0.0f, -1.0f, NAN, INFINITY}) {
        M.SetPixelWidth(Bad);
        M.SetPixelHeight(Bad);
    }
    M.SetCharSpacing(-1);
    M.SetCharSpacing(NAN);
    M.SetPixelSpacing(-0.1f);
    M.SetPixelSpacing(INFINITY);
    M.SetAlignment(TVexMatrix::TAlignment(3));
    EXPECT_EQ(M.PixelWidth(), 3.0f);
    EXPECT_EQ(M.PixelHeight(), 3.0f);
    EXPECT_EQ(M.CharSpacing(), 3.0f);
    EXPECT_EQ(M.PixelSpacing(), 1.0f);
    EXPECT_EQ(M.Alignment(), TVexMatrix::taLeftJustify);
    EXPECT_EQ(M.Height(), 34);

    M.SetCharSpacing(-0.9f); // rounds to -1
    EXPECT_EQ(M.Height(), -2 + 21 + 6);
    M.SetPixelSpacing(0);
    EXPECT_EQ(M.Height(), -2 + 21);
    M.SetPixelHeight(2.5f); // rounds to 2
    EXPECT_EQ(M.Height(), -2 + 14);
    M.SetPixelWidth(0.4f); // dots of no width: nothing to place, and no endless fill
    Paint();
    EXPECT_TRUE(M.Cells().empty());
}

TEST_F(Matrix, AbsurdSizesAndLengthsStayBounded) {
    // Glyphs of 50004 x 27 pixels are not kept: the few cells that show are drawn dot by dot.
    M.SetLightBrightness(0);
    M.SetPixelWidth(10000);
    EXPECT_EQ(M.GlyphBitmap(TVexMatrix::BlankGlyph), nullptr);
    M.SetText(u"L"_s); // top row "x....": the first dot lit, the last dark
    EXPECT_EQ(Paint().pixel(100, 4), KLit);
    EXPECT_EQ(M.Cells(), (TCells{{3, Glyph(u'L')}}));
    M.SetAlignment(TVexMatrix::taRightJustify);
    EXPECT_EQ(Paint().pixel(100, 4), KDark);
    EXPECT_EQ(Paint().pixel(305, 4), KBackground);

    M.SetPixelWidth(3);
    M.SetText(QString(20000, u'A'));
    for (const auto Alignment :
         {TVexMatrix::taLeftJustify, TVexMatrix::taCenter, TVexMatrix::taRightJustify}) {
        M.SetAlignment(Alignment);
        Paint();
        EXPECT_EQ(M.Cells().size(), 14u) << Alignment;
    }
    M.SetPixelHeight(1e30f);
    EXPECT_EQ(M.Height(), TVexGraphicControl::MaxSide);
    EXPECT_EQ(M.LineHeight(), M.Height());
}

TEST_F(Matrix, LoadingDefersGlyphsButCharSpacingRebuildsThem) {
    TVexMatrix *Built;
    {
        TLoadingScope Scope;
        Built = new TVexMatrix(&Form);
        Built->SetPixelWidth(5);
        EXPECT_EQ(Built->GlyphBitmap(TVexMatrix::BlankGlyph)->Width(), 19);
        Built->SetCharSpacing(2);
        EXPECT_EQ(Built->GlyphBitmap(TVexMatrix::BlankGlyph)->Width(), 29);
        Built->SetLitPixelColor(clRed);
        EXPECT_EQ(Built->GlyphBitmap(Glyph(u'1'))->Image().pixel(13, 1), KLit);
    }
    EXPECT_EQ(Built->GlyphBitmap(Glyph(u'1'))->Image().pixel(13, 1), qRgb(255, 0, 0));
}

TEST_F(Matrix, StreamsItsProperties) {
    M.SetPixelWidth(5);
    M.SetPixelHeight(2);
    M.SetText(u"lowercase"_s);
    M.SetBackgroundColor(4227327);
    M.SetDarkPixelColor(20208);
    M.SetAlignment(TVexMatrix::taRightJustify);
    M.SetWidth(313);
    const QString Saved = WriteComponentText(M);
    TVexMatrix Copy(&Form);
    ReadComponentText(Copy, Saved, u"matrix"_s);
    EXPECT_EQ(WriteComponentText(Copy), Saved);
    EXPECT_EQ(Copy.Height(), 26);
    EXPECT_EQ(Copy.GlyphBitmap(TVexMatrix::BlankGlyph)->Width(), 29);
    EXPECT_EQ(Copy.grab().toImage(), Paint());
}

struct MatrixData : TEmployeeTableTest {
    QWidget Form;
    TVexMatrix M{&Form};
    void SetUp() override {
        TEmployeeTableTest::SetUp();
        Db.Exec("INSERT INTO employee VALUES (4, NULL, 4500)");
        M.SetDataSource(&Source);
        M.SetDataField(u"LastName"_s);
        Table.Open();
    }
};

TEST_F(MatrixData, ShowsTheFieldAsText) {
    EXPECT_EQ(M.Text(), u"Nelson"_s);
    Table.Next();
    EXPECT_EQ(M.Text(), u"Young"_s);
    Table.SetFieldValue(u"LastName"_s, u"\u00c5str\u00f6m"_s);
    M.grab();
    EXPECT_EQ(M.Cells().front().Glyph, M.GlyphIndex(0xC5));
    Table.Last();
    EXPECT_EQ(M.Text(), QString());
    M.SetDataField(u"Salary"_s);
    EXPECT_EQ(M.Text(), u"4500"_s);
    EXPECT_TRUE(Errors.isEmpty());
}

} // namespace Vex
