#include "platform/format/FloatFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Vex {

namespace {
struct TCase {
    const char *Picture;
    double Value;
    const char *Expected;
};

// Every test starts from "." and "," and leaves them so for the next.
class FloatFormat : public ::testing::Test {
protected:
    void SetUp() override { UseSeparators(u'.', u','); }
    void TearDown() override { UseSeparators(u'.', u','); }
    static void UseSeparators(QChar Decimal, QChar Thousand) {
        SetDecimalSeparator(Decimal);
        SetThousandSeparator(Thousand);
    }
    static void ExpectAll(std::initializer_list<TCase> Cases) {
        for (const TCase &C : Cases)
            EXPECT_EQ(FormatFloat(QString::fromUtf8(C.Picture), C.Value),
                      QString::fromUtf8(C.Expected))
                << "picture \"" << C.Picture << "\" value " << C.Value;
    }
};

const double Inf = std::numeric_limits<double>::infinity();
} // namespace

TEST_F(FloatFormat, InstrumentPicturesRoundHalfAwayFromZero) {
    ExpectAll({{"0", 0.5, "1"},           {"0", 2.5, "3"},         {"0", -2.5, "-3"},
               {"0", 1.49, "1"},          {"0", 0, "0"},           {"0", 123456, "123456"},
               {"0.0", 1.25, "1.3"},      {"0.0", -1.25, "-1.3"},  {"0.0", 3, "3.0"},
               {"0.0", 0.05, "0.1"},      {"0.00", 2.675, "2.67"}, {"0.00", 1.005, "1.00"},
               {"0.00", 12.345, "12.35"}, {"0.00", 1.115, "1.11"}, {"0.00", 99.996, "100.00"},
               {"0.##", 5, "5"},          {"0.##", 5.1, "5.1"},    {"0.##", 5.125, "5.13"},
               {"0.##", 0.005, "0.01"},   {"0.##", -0.25, "-0.25"}});
}

TEST_F(FloatFormat, OptionalAndMandatoryDigits) {
    ExpectAll({{"#", 0, ""},
               {"#", 7, "7"},
               {"#.##", 0.5, ".5"},
               {"00000", 42, "00042"},
               {"#0", 5, "5"},
               {"0#", 5, "05"},
               {"0.#0", 1.5, "1.50"},
               {"0.0##", 2, "2.0"},
               {"0.0##", 2.1234, "2.123"},
               {".00", 12.5, "12.50"},
               {"0.", 5, "5"},
               {"0.0.0", 1.25, "1.25"},
               {"#.#", 0.04, ""},
               {"0.000", 0.0004, "0.000"}});
}

TEST_F(FloatFormat, ThousandsGrouping) {
    ExpectAll({{"#,##0", 1234567, "1,234,567"},
               {"#,##0", 123, "123"},
               {"#,##0", 1000, "1,000"},
               {"#,##0.00", -1234.5, "-1,234.50"},
               {"0,000", 5, "0,005"},
               {"0,", 1234, "1,234"},
               {"#,##0.0#", 999999.996, "1,000,000.0"}});
}

TEST_F(FloatFormat, Exponents) {
    ExpectAll({{"0.00E+00", 12345, "1.23E+04"},
               {"0.00E+00", 0.00012345, "1.23E-04"},
               {"0.00E-00", 12345, "1.23E04"},
               {"0.00e-0", 0.00012345, "1.23e-4"},
               {"0.0E+0", 0, "0.0E+0"},
               {"0.##E+000", 1.5, "1.5E+000"},
               {"0.0E+0", 9.96, "1.0E+1"},
               {"00.0E+0", 12345, "12.3E+3"},
               {"0E+0000", 1e300, "1E+0300"},
               {"0E+00000", 5, "5E+0000"},
               {"0.0E+00", -2.5e-7, "-2.5E-07"},
               {"0 E", 5, "5 E"},
               {"0 e", 5, "5 e"}});
}

TEST_F(FloatFormat, QuotedAndLiteralText) {
    ExpectAll({{"'0.0'0", 5, "0.05"},
               {"\"#\"0", 5, "#5"},
               {"$0.00", 5, "$5.00"},
               {"0%", 50, "50%"},
               {"0 'x", 5, "5 x"},
               {"0' \"E+0\"'", 5, "5 \"E+0\""},
               {"'a;b'0;(0)", -5, "(5)"},
               {"'$'#,##0", -1234567, "-$1,234,567"}});
}

TEST_F(FloatFormat, Sections) {
    ExpectAll({{"0;(0)", 5, "5"},
               {"0;(0)", -5, "(5)"},
               {"0;(0)", 0, "0"},
               {"0;(0);'zero'", 0, "zero"},
               {"0;(0);'zero'", 0.2, "zero"},
               {"0;(0);'zero'", -0.2, "zero"},
               {"0;0", -5, "5"},
               {"0.0;;'nil'", -1.5, "-1.5"},
               {"0.0;;'nil'", 0, "nil"},
               {"0;;", 0, "0"},
               {"0;-0;z;w", 0, "z"},
               {"0;-0;0.000", 0.001, "0.000"},
               {";0", 5, "5"},
               {";0", -5, "5"},
               {";(0)", 1.5, "1.5"},
               {"0", -0.4, "0"},
               {"0.0", -0.0, "0.0"},
               {"0;(0)", -0.4, "0"}});
}

TEST_F(FloatFormat, EmptyPictureIsGeneralText) {
    ExpectAll({{"", 0.1, "0.1"}, {"", 1e20, "1E20"}, {"", -42.5, "-42.5"}, {";", 3, "3"}});
}

TEST_F(FloatFormat, SeparatorsAreInjectable) {
    UseSeparators(u',', u'.');
    ExpectAll({{"#,##0.00", 1234.5, "1.234,50"}, {"0.0E+0", 1500, "1,5E+3"}});
    EXPECT_EQ(FloatToStr(0.5), "0,5");
    EXPECT_EQ(FloatToStr(1.5e20), "1,5E20");
}

TEST_F(FloatFormat, NonFiniteValuesGiveNames) {
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    for (const char *Picture : {"", "0", "0.00;(0);z", "0.0E+00"}) {
        EXPECT_EQ(FormatFloat(Picture, NaN), "NAN");
        EXPECT_EQ(FormatFloat(Picture, Inf), "INF");
        EXPECT_EQ(FormatFloat(Picture, -Inf), "-INF");
    }
    EXPECT_EQ(FloatToStr(NaN), "NAN");
    EXPECT_EQ(FloatToStr(-Inf), "-INF");
}

TEST_F(FloatFormat, ExtremeValuesWriteAllTheirDigits) {
    // 1e300 is stored as 1.0000000000000000525...e300; 18 digits of that are written.
    EXPECT_EQ(FormatFloat("0", 1e300), "1" + QString(16, u'0') + "5" + QString(283, u'0'));
    const QString Max = FormatFloat("#,##0", -std::numeric_limits<double>::max());
    EXPECT_TRUE(Max.startsWith("-179,769,313,486,231,57")) << Max.toStdString();
    EXPECT_EQ(Max.size(), 1 + 309 + 102);
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::denorm_min()), "0.00");
    EXPECT_EQ(FormatFloat("0.0E+0", std::numeric_limits<double>::denorm_min()), "4.9E-324");
}

TEST_F(FloatFormat, LongAndMalformedPicturesStayLinear) {
    EXPECT_EQ(FormatFloat(QString(200000, u'0'), 1), QString(199999, u'0') + "1");
    const QString Fraction = "0." + QString(100000, u'#');
    EXPECT_EQ(FormatFloat(Fraction, 0.25), "0.25");
    const QString Garbage = QString("#,0.E+'\";E-").repeated(20000);
    EXPECT_FALSE(FormatFloat(Garbage, -12.5).isEmpty());
    EXPECT_TRUE(FormatFloat(QString(50000, u'\''), 3).isEmpty());
    EXPECT_EQ(FormatFloat(QString("E+").repeated(1000), 5).size(), 1000 * 3);
}

TEST_F(FloatFormat, FloatToStrIsShortestGeneralText) {
    const struct {
        double Value;
        const char *Expected;
    } Cases[] = {{0, "0"},
                 {-0.0, "0"},
                 {0.1, "0.1"},
                 {42.7, "42.7"},
                 {-2.5, "-2.5"},
                 {100, "100"},
                 {1.0 / 3, "0.333333333333333"},
                 {2.0 / 3, "0.666666666666667"},
                 {0.1 + 0.2, "0.3"},
                 {123456789012345, "123456789012345"},
                 {1e15, "1E15"},
                 {999999999999999.9, "1E15"},
                 {1234567890123456, "1.23456789012346E15"},
                 {0.0001, "0.0001"},
                 {0.00001, "1E-5"},
                 {1.5e-5, "1.5E-5"},
                 {1e20, "1E20"},
                 {std::numeric_limits<double>::max(), "1.79769313486232E308"},
                 {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}};
    for (const auto &C : Cases)
        EXPECT_EQ(FloatToStr(C.Value), QString::fromUtf8(C.Expected)) << C.Value;
}

} // namespace Vex
