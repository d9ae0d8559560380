#include "platform/graphics/Font.h"

#include "platform/core/Maths.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <climits>

namespace Vex {

namespace {
constexpr int KDefaultPixelHeight = 11;
// Upper bound for font heights: larger values are clamped so a bad file cannot ask the font
// engine for glyphs of absurd size.
constexpr int KMaxPixelHeight = 2000;

// Greek letters at the positions of A..Z and a..z in the Symbol encoding.
constexpr char16_t KSymbolUpper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr char16_t KSymbolLower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

struct StyleName {
    TFontStyle Style;
    const char *Ident;
};
constexpr StyleName KStyleNames[] = {{fsBold, "fsBold"},
                                     {fsItalic, "fsItalic"},
                                     {fsUnderline, "fsUnderline"},
                                     {fsStrikeOut, "fsStrikeOut"}};

struct CharsetName {
    uint8_t Charset;
    const char *Ident;
};
constexpr CharsetName KCharsetNames[] = {{ANSI_CHARSET, "ANSI_CHARSET"},
                                         {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
                                         {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
                                         {OEM_CHARSET, "OEM_CHARSET"}};
} // namespace

int TFont::Size() const {
    return -MulDiv(Height, 72, 96);
}

void TFont::SetSize(int Points) {
    Height = -MulDiv(Points, 96, 72);
}

TFont TFont::Doubled() const {
    // Limited first, so that twice the size still converts to a height within an int.
    constexpr int MaxPoints = INT_MAX / 4;
    TFont Result = *this;
    Result.SetSize(std::clamp(Size(), -MaxPoints, MaxPoints) * 2);
    return Result;
}

bool TFont::IsSymbol() const {
    return Charset == SYMBOL_CHARSET ||
           Name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

QString TFont::DisplayText(const QString &Text) const {
    if (!IsSymbol())
        return Text;
    QString Mapped = Text;
    for (QChar &C : Mapped) {
        const char16_t U = C.unicode();
        if (U >= u'A' && U <= u'Z')
            C = QChar(KSymbolUpper[U - u'A']);
        else if (U >= u'a' && U <= u'z')
            C = QChar(KSymbolLower[U - u'a']);
    }
    return Mapped;
}

QFont TFont::ToQFont() const {
    QFont F(IsSymbol() ? QStringLiteral("DejaVu Sans") : Name);
    F.setStyleStrategy(QFont::NoAntialias);
    F.setBold(Style & fsBold);
    F.setItalic(Style & fsItalic);
    F.setUnderline(Style & fsUnderline);
    F.setStrikeOut(Style & fsStrikeOut);
    int Pixels = KDefaultPixelHeight;
    if (Height < 0) {
        // Negated in 64 bits: the most negative int has no positive counterpart.
        Pixels = int(std::min<int64_t>(-int64_t(Height), KMaxPixelHeight));
    } else if (Height > 0) {
        // A positive height is the whole cell (ascent + descent): scale the em size to fit it.
        QFont Probe = F;
        Probe.setPixelSize(100);
        const QFontMetricsF M(Probe);
        const double Cell = M.ascent() + M.descent();
        Pixels = Cell > 0 ? Round(Height * 100.0 / Cell) : Height;
    }
    F.setPixelSize(qBound(1, Pixels, KMaxPixelHeight));
    return F;
}

QString TFont::StylesToString(TFontStyles Styles) {
    QStringList Names;
    for (const StyleName &S : KStyleNames)
        if (Styles & S.Style)
            Names << QLatin1String(S.Ident);
    return QLatin1Char('[') + Names.join(QLatin1Char(',')) + QLatin1Char(']');
}

std::optional<TFontStyles> TFont::StylesFromString(const QString &Text) {
    const QString T = Text.trimmed();
    if (!T.startsWith(QLatin1Char('[')) || !T.endsWith(QLatin1Char(']')))
        return std::nullopt;
    TFontStyles Result = 0;
    const QStringList Parts = T.mid(1, T.size() - 2).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &Part : Parts) {
        bool Found = false;
        for (const StyleName &S : KStyleNames)
            if (Part.trimmed().compare(QLatin1String(S.Ident), Qt::CaseInsensitive) == 0) {
                Result |= S.Style;
                Found = true;
            }
        if (!Found)
            return std::nullopt;
    }
    return Result;
}

QString TFont::CharsetToIdent(uint8_t Charset) {
    for (const CharsetName &C : KCharsetNames)
        if (C.Charset == Charset)
            return QLatin1String(C.Ident);
    return QString::number(Charset);
}

std::optional<uint8_t> TFont::IdentToCharset(const QString &Ident) {
    for (const CharsetName &C : KCharsetNames)
        if (Ident.compare(QLatin1String(C.Ident), Qt::CaseInsensitive) == 0)
            return C.Charset;
    bool Ok = false;
    const uint Value = Ident.toUInt(&Ok);
    if (Ok && Value <= 255)
        return uint8_t(Value);
    return std::nullopt;
}

} // namespace Vex
