#include "platform/streaming/ComponentLexer.h"

#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"

namespace Vex {

namespace ComponentText {
namespace {
QString CharacterName(char16_t C) {
    return C > 32 && C < 127 ? QStringLiteral("'%1'").arg(QChar(C))
                             : QStringLiteral("#%1").arg(int(C));
}

int HexValue(char16_t C) {
    if (IsDigit(C))
        return C - u'0';
    if (C >= u'A' && C <= u'F')
        return C - u'A' + 10;
    if (C >= u'a' && C <= u'f')
        return C - u'a' + 10;
    return -1;
}
} // namespace

[[noreturn]] void RaiseAt(const QString &SourceName, int Line, const QString &What) {
    throw EVexError(QStringLiteral("%1, line %2: %3").arg(SourceName, QString::number(Line), What));
}

void CheckLineLengths(const QString &Text, const QString &SourceName) {
    int Line = 1;
    for (qsizetype Start = 0;; ++Line) {
        const qsizetype End = Text.indexOf(QLatin1Char('\n'), Start);
        if ((End < 0 ? Text.size() : End) - Start > KMaxComponentLineSize)
            RaiseAt(
                SourceName, Line,
                QStringLiteral("line longer than %1 MiB").arg(KMaxComponentLineSize / KMebibyte));
        if (End < 0)
            return;
        Start = End + 1;
    }
}

void TLexer::SkipSpace() {
    for (; !AtEnd(); ++FPos) {
        const char16_t C = Peek();
        if (C == u'\n')
            ++FLine;
        else if (C != u' ' && C != u'\t' && C != u'\r')
            return;
    }
}

TToken TLexer::Next() {
    SkipSpace();
    TToken Token;
    Token.Line = FLine;
    if (AtEnd())
        return Token;
    const qsizetype Start = FPos;
    const char16_t C = Peek();
    if (IsIdentStart(C)) {
        while (IsIdentChar(Peek()))
            ++FPos;
        Token.Kind = TTokenKind::Identifier;
    } else if (IsDigit(C) || (C == u'-' && IsDigit(Peek(1)))) {
        // The whole number, exponent included; letters are taken too so that "12ab" is one bad
        // number rather than a number followed by a name.
        for (++FPos; !AtEnd(); ++FPos) {
            const char16_t D = Peek();
            const char16_t Before = FText[FPos - 1].unicode();
            const bool ExponentSign =
                (D == u'+' || D == u'-') && (Before == u'e' || Before == u'E');
            if (!IsIdentChar(D) && D != u'.' && !ExponentSign)
                break;
        }
        Token.Kind = TTokenKind::Number;
    } else if (C == u'\'' || C == u'#') {
        Token.Kind = TTokenKind::String;
        Token.Text = ReadString();
        return Token;
    } else if (QStringView(u"=:[](){},.").contains(QChar(C))) {
        ++FPos;
        Token.Kind = TTokenKind::Symbol;
    } else {
        Fail(QStringLiteral("unexpected character %1").arg(CharacterName(C)));
    }
    Token.Text = FText.sliced(Start, FPos - Start).toString();
    return Token;
}

QString TLexer::ReadString() {
    QString Value;
    for (;;) {
        if (Peek() == u'\'') {
            for (++FPos;; ++FPos) {
                const char16_t C = Peek();
                if (AtEnd() || C == u'\n' || C == u'\r')
                    Fail(QStringLiteral("unterminated string"));
                if (C == u'\'') {
                    if (Peek(1) != u'\'')
                        break;
                    ++FPos;
                }
                Value += QChar(C);
            }
            ++FPos;
        } else if (Peek() == u'#') {
            ++FPos;
            if (!IsDigit(Peek()))
                Fail(QStringLiteral("character code expected after '#'"));
            int Code = 0;
            for (; IsDigit(Peek()); ++FPos) {
                Code = Code * 10 + (Peek() - u'0');
                if (Code > 0xFFFF)
                    Fail(QStringLiteral("character code out of range"));
            }
            Value += QChar(char16_t(Code));
        } else {
            return Value;
        }
    }
}

QByteArray TLexer::ReadHexData() {
    QByteArray Data;
    int High = -1;
    for (;;) {
        SkipSpace();
        if (AtEnd())
            Fail(QStringLiteral("unterminated binary data: '}' missing"));
        const char16_t C = FText[FPos++].unicode();
        if (C == u'}')
            break;
        const int Nibble = HexValue(C);
        if (Nibble < 0)
            Fail(QStringLiteral("unexpected character %1 in binary data").arg(CharacterName(C)));
        if (High < 0) {
            High = Nibble;
        } else {
            Data.append(char(High << 4 | Nibble));
            High = -1;
        }
    }
    if (High >= 0)
        Fail(QStringLiteral("odd number of hex digits in binary data"));
    return Data;
}
} // namespace ComponentText

} // namespace Vex
