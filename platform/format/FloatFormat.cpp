#include "platform/format/FloatFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace Vex {

namespace {
QChar GDecimal = QLatin1Char('.');
QChar GThousand = QLatin1Char(',');

// Significant digits taken from a double before rounding: enough to tell which side of a half
// the binary value lies (2.675 is stored as 2.67499999999999982...).
constexpr int ExpansionDigits = 18;
// Significant digits of FloatToStr.
constexpr int GeneralDigits = 15;
// FloatToStr switches to scientific form outside 1E-4 <= |value| < 1E15.
constexpr int GeneralMinExponent = -5;
// The longest exponent a picture can ask for ("E+0000").
constexpr int MaxExponentDigits = 4;

// The magnitude of a finite value as Value = 0.Digits x 10^Exponent. Digits has no leading or
// trailing zeros; zero has no digits and exponent 0.
struct TDecimal {
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }
    int Size() const { return int(Digits.size()); }
    // The digit weighing 10^(Place - 1): place 1 holds the units, 2 the tens, 0 the tenths.
    char DigitAt(int Place) const {
        const int Index = Exponent - Place;
        return Index >= 0 && Index < Size() ? Digits[size_t(Index)] : '0';
    }
    void TrimTrailingZeros() {
        while (!Digits.empty() && Digits.back() == '0')
            Digits.pop_back();
        if (Digits.empty())
            Exponent = 0;
    }
};

// std::to_chars rather than printf: the C library's decimal point follows the process locale.
TDecimal Decompose(double Value) {
    TDecimal Result;
    if (Value == 0)
        return Result;
    char Buffer[48];
    char *End = std::to_chars(Buffer, Buffer + sizeof Buffer, std::fabs(Value),
                              std::chars_format::scientific, ExpansionDigits - 1)
                    .ptr;
    // Text "d.ddddde+xx".
    const char *Mark = std::find(Buffer, End, 'e');
    for (const char *P = Buffer; P != Mark; ++P)
        if (*P != '.')
            Result.Digits += *P;
    const char *ExponentText = Mark + 1 + (Mark[1] == '+');
    int Exponent = 0;
    std::from_chars(ExponentText, End, Exponent);
    Result.Exponent = Exponent + 1;
    Result.TrimTrailingZeros();
    return Result;
}

// Keeps Count significant digits, rounding half away from zero. Count <= 0 keeps none: the value
// becomes 0 or, when the first dropped digit is 5 or more, one unit of the first dropped place.
void RoundTo(TDecimal &D, int Count) {
    if (Count >= D.Size())
        return;
    if (Count < 0) {
        D = TDecimal();
        return;
    }
    const bool Up = D.Digits[size_t(Count)] >= '5';
    D.Digits.resize(size_t(Count));
    if (Up) {
        while (!D.Digits.empty() && D.Digits.back() == '9')
            D.Digits.pop_back();
        if (D.Digits.empty()) {
            D.Digits.push_back('1');
            ++D.Exponent;
        } else {
            ++D.Digits.back();
        }
    }
    D.TrimTrailingZeros();
}

QString NonFiniteText(double Value) {
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    return Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

// Digits of D with the decimal separator where needed and no grouping: "0.05", "1200", "1.5".
QString PlainDigits(const TDecimal &D) {
    QString Out;
    const int Last = std::min(1, D.Exponent - D.Size() + 1);
    for (int Place = std::max(D.Exponent, 1); Place >= Last; --Place) {
        if (Place == 0)
            Out += GDecimal;
        Out += QLatin1Char(D.DigitAt(Place));
    }
    return Out;
}

// One element of a picture section. Thousands commas and decimal points are layout, not tokens.
struct TToken {
    enum TKind { tkDigit, tkExponent, tkLiteral };
    TKind Kind;
    QStringView Text;  // literal text; the letter "E" or "e" of an exponent
    bool Plus = false; // exponent written with "+" when not negative
    int MinDigits = 0; // exponent digits, zero-padded
};

struct TSection {
    std::vector<TToken> Tokens;
    int DigitCount = 0;      // "0" and "#" placeholders
    int DecimalIndex = -1;   // placeholders before the first "."
    int FirstZero = INT_MAX; // index of the first "0" placeholder
    int LastZero = -1;       // index of the last "0" placeholder
    bool Thousands = false;
    bool Scientific = false;
};

// Picture sections split at ";" outside quotes. A third ";" ends the picture. An unclosed quote
// runs to the end of the picture, as it does in ParseSection.
std::array<QStringView, 3> SplitSections(QStringView Picture) {
    std::array<QStringView, 3> Sections;
    int Count = 0;
    qsizetype Start = 0;
    QChar Quote;
    for (qsizetype I = 0; I < Picture.size() && Count < 3; ++I) {
        const QChar C = Picture[I];
        if (!Quote.isNull()) {
            if (C == Quote)
                Quote = QChar();
        } else if (C == u'\'' || C == u'"') {
            Quote = C;
        } else if (C == u';') {
            Sections[size_t(Count++)] = Picture.sliced(Start, I - Start);
            Start = I + 1;
        }
    }
    if (Count < 3)
        Sections[size_t(Count)] = Picture.sliced(Start);
    return Sections;
}

// Reads an exponent that starts at Text[I] ("E+00"); returns the index of its last character.
qsizetype ParseExponent(QStringView Text, qsizetype I, TSection &S) {
    TToken Token{TToken::tkExponent, Text.sliced(I, 1)};
    Token.Plus = Text[I + 1] == u'+';
    I += 2;
    int Zeros = 0;
    while (I < Text.size() && Text[I] == u'0') {
        ++Zeros;
        ++I;
    }
    Token.MinDigits = std::min(Zeros, MaxExponentDigits);
    S.Tokens.push_back(Token);
    S.Scientific = true;
    return I - 1;
}

TSection ParseSection(QStringView Text) {
    TSection S;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C == u'0' || C == u'#') {
            if (C == u'0') {
                S.FirstZero = std::min(S.FirstZero, S.DigitCount);
                S.LastZero = S.DigitCount;
            }
            ++S.DigitCount;
            S.Tokens.push_back({TToken::tkDigit, {}});
        } else if (C == u'.') {
            if (S.DecimalIndex < 0)
                S.DecimalIndex = S.DigitCount;
        } else if (C == u',') {
            S.Thousands = true;
        } else if (C == u'\'' || C == u'"') {
            const qsizetype Close = Text.indexOf(C, I + 1);
            const qsizetype End = Close < 0 ? Text.size() : Close;
            S.Tokens.push_back({TToken::tkLiteral, Text.sliced(I + 1, End - I - 1)});
            I = End;
        } else if ((C == u'E' || C == u'e') && I + 1 < Text.size() &&
                   (Text[I + 1] == u'+' || Text[I + 1] == u'-')) {
            I = ParseExponent(Text, I, S);
        } else {
            S.Tokens.push_back({TToken::tkLiteral, Text.sliced(I, 1)});
        }
    }
    if (S.DecimalIndex < 0)
        S.DecimalIndex = S.DigitCount;
    return S;
}

// The value's digits rounded to what the section shows: its decimals, or in scientific form its
// placeholder count (at least one digit, so that the exponent keeps its meaning).
TDecimal RoundedFor(const TSection &S, double Value) {
    TDecimal D = Decompose(Value);
    if (S.Scientific)
        RoundTo(D, std::max(S.DigitCount, 1));
    else
        RoundTo(D, D.Exponent + S.DigitCount - S.DecimalIndex);
    return D;
}

// Lays the digits of a rounded value into a parsed section.
class TSectionWriter {
public:
    TSectionWriter(const TSection &Section, TDecimal Digits)
        : FSection(Section), FDigits(std::move(Digits)) {
        // Scientific form places the digits as if the point were after the integer placeholders
        // and carries the difference in the exponent.
        if (FSection.Scientific) {
            if (!FDigits.IsZero())
                FExponent = FDigits.Exponent - FSection.DecimalIndex;
            FDigits.Exponent = FSection.DecimalIndex;
        }
    }

    QString Write(bool Minus) {
        if (Minus)
            FOut += u'-';
        int Index = 0;
        for (const TToken &Token : FSection.Tokens) {
            if (Token.Kind == TToken::tkLiteral)
                FOut += Token.Text;
            else if (Token.Kind == TToken::tkExponent)
                WriteExponent(Token);
            else
                WritePlaceholder(Index++);
        }
        return FOut;
    }

private:
    // Placeholder Index stands for one place; the first placeholder also takes every integer
    // digit the picture has no room for.
    void WritePlaceholder(int Index) {
        const int Place = FSection.DecimalIndex - Index;
        const int Top = Index == 0 ? std::max(Place, FDigits.Exponent) : Place;
        for (int P = Top; P >= Place; --P)
            WritePlace(P, Index);
    }

    void WritePlace(int Place, int Index) {
        if (Place > 0) {
            // A leading zero shows only from the first "0" placeholder on.
            if (Place > FDigits.Exponent && Index < FSection.FirstZero)
                return;
            FOut += QLatin1Char(FDigits.DigitAt(Place));
            if (FSection.Thousands && Place > 3 && (Place - 1) % 3 == 0)
                FOut += GThousand;
            return;
        }
        // A trailing zero shows only up to the last "0" placeholder.
        if (Place <= FDigits.Exponent - FDigits.Size() && Index > FSection.LastZero)
            return;
        if (!FFractionStarted) {
            FOut += GDecimal;
            FFractionStarted = true;
        }
        FOut += QLatin1Char(FDigits.DigitAt(Place));
    }

    void WriteExponent(const TToken &Token) {
        FOut += Token.Text;
        if (FExponent < 0)
            FOut += u'-';
        else if (Token.Plus)
            FOut += u'+';
        FOut += QString::number(std::abs(FExponent)).rightJustified(Token.MinDigits, u'0');
    }

    const TSection &FSection;
    TDecimal FDigits;
    int FExponent = 0;
    bool FFractionStarted = false;
    QString FOut;
};

// The section that formats values of sign Wanted (0 positive, 1 negative, 2 zero): an empty or
// missing section falls back to the first.
int SectionIndex(const std::array<QStringView, 3> &Sections, int Wanted) {
    return Sections[size_t(Wanted)].isEmpty() ? 0 : Wanted;
}
} // namespace

QChar DecimalSeparator() {
    return GDecimal;
}
void SetDecimalSeparator(QChar Separator) {
    GDecimal = Separator;
}
QChar ThousandSeparator() {
    return GThousand;
}
void SetThousandSeparator(QChar Separator) {
    GThousand = Separator;
}

QString FormatFloat(const QString &Picture, double Value) {
    if (!std::isfinite(Value))
        return NonFiniteText(Value);
    const std::array<QStringView, 3> Sections = SplitSections(Picture);
    if (Value != 0) {
        const int Used = SectionIndex(Sections, Value > 0 ? 0 : 1);
        if (Sections[size_t(Used)].isEmpty())
            return FloatToStr(Value);
        const TSection S = ParseSection(Sections[size_t(Used)]);
        TDecimal D = RoundedFor(S, Value);
        // Only the first section writes a minus sign; a negative section brings its own text.
        if (!D.IsZero())
            return TSectionWriter(S, std::move(D)).Write(Value < 0 && Used == 0);
    }
    // Zero, or a value that rounds to zero in its section: the zero section shows it as zero.
    const QStringView Zero = Sections[size_t(SectionIndex(Sections, 2))];
    if (Zero.isEmpty())
        return FloatToStr(0);
    const TSection S = ParseSection(Zero);
    return TSectionWriter(S, TDecimal()).Write(false);
}

QString FloatToStr(double Value) {
    if (!std::isfinite(Value))
        return NonFiniteText(Value);
    TDecimal D = Decompose(Value);
    RoundTo(D, GeneralDigits);
    if (D.IsZero())
        return QStringLiteral("0");
    const QString Sign = Value < 0 ? QStringLiteral("-") : QString();
    const int Exponent = D.Exponent - 1;
    if (Exponent > GeneralMinExponent && Exponent < GeneralDigits)
        return Sign + PlainDigits(D);
    D.Exponent = 1;
    return Sign + PlainDigits(D) + u'E' + QString::number(Exponent);
}

} // namespace Vex
