// The number formatter with arbitrary pictures and values: NaN, infinities, denormals and huge
// exponents included. Input: the value's eight bytes, one byte choosing the separators, then
// the picture as UTF-8.

#include "FuzzSupport.h"

#include "platform/format/FloatFormat.h"

#include <QString>
#include <cfloat>
#include <cmath>

namespace Vex {

namespace {
constexpr char16_t KSeparators[] = {u'.', u',', u' ', u'\'', u';', u'0'};

// Each picture character writes at most one character and a group separator; the first digit
// placeholder writes every integer digit (309 for the largest double, with their groups); an
// exponent has at most four digits beyond the picture's.
qsizetype MaxFormattedLength(const QString &Picture) {
    return 2 * Picture.size() + 420;
}

// The largest magnitude whose fifteen significant digits still name a double.
constexpr double KLargestRoundingDown = 1.797693134862315e308;

// FloatToStr keeps 15 significant digits: reading its text back lands within half a unit of
// the fifteenth digit. Run with "." as the decimal separator.
void CheckGeneralText(double Value) {
    const QString Text = FloatToStr(Value);
    if (!std::isfinite(Value)) {
        Expect(Text == QLatin1String(std::isnan(Value) ? "NAN"
                                     : Value > 0       ? "INF"
                                                       : "-INF"),
               "non-finite value written as a number");
        return;
    }
    bool Ok = false;
    const double Back = Text.toDouble(&Ok);
    // Fifteen digits of the largest doubles round up past DBL_MAX (1.79769313486232E308): such
    // a text reads as out of range, as the same text would anywhere.
    if (!Ok && std::fabs(Value) >= KLargestRoundingDown)
        return;
    Expect(Ok, "FloatToStr wrote something that is no number");
    // Half a unit of the fifteenth digit, and the last bit lost in reading it.
    Expect(std::fabs(Back - Value) <= 5.5e-15 * std::fabs(Value), "FloatToStr lost the value");
}

void CheckOne(TFuzzInput Input) {
    const double Value = Input.Take<double>();
    const uint8_t Separators = Input.Take<uint8_t>();
    const QString Picture = QString::fromUtf8(Input.Rest());
    SetDecimalSeparator(QChar(KSeparators[(Separators & 7) % std::size(KSeparators)]));
    SetThousandSeparator(QChar(KSeparators[(Separators >> 3 & 7) % std::size(KSeparators)]));
    const QString Text = FormatFloat(Picture, Value);
    Expect(Text.size() <= MaxFormattedLength(Picture),
           "formatted text longer than its picture allows");
    Expect(FormatFloat(Picture, -Value).size() <= MaxFormattedLength(Picture),
           "formatted text longer than its picture allows");
    SetDecimalSeparator(QLatin1Char('.'));
    CheckGeneralText(Value);
    // The instruments format single-precision values.
    if (std::fabs(Value) <= FLT_MAX)
        CheckGeneralText(double(float(Value)));
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Vex::CheckOne(Vex::TFuzzInput(Data, Size));
    return 0;
}
