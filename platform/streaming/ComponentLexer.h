#pragma once
// The tokens of the control-file text: identifiers, numbers, quoted strings with character codes,
// symbols, and the hex digits of binary values, each token with the line it starts on.

#include "platform/core/VexExport.h"
#include <QByteArray>
#include <QString>
#include <QStringView>

namespace Vex {

namespace ComponentText {

// Raises EVexError "<SourceName>, line <Line>: <What>", the form of every reading error.
VEX_EXPORT [[noreturn]] void RaiseAt(const QString &SourceName, int Line, const QString &What);

// Raises for the first line longer than KMaxComponentLineSize; run on the whole text before any
// token is read.
VEX_EXPORT void CheckLineLengths(const QString &Text, const QString &SourceName);

enum class TTokenKind { End, Identifier, Number, String, Symbol };

struct VEX_EXPORT TToken {
    TTokenKind Kind = TTokenKind::End;
    QString Text; // the string's value for String tokens
    int Line = 1;
};

class VEX_EXPORT TLexer {
public:
    TLexer(QStringView Text, const QString &SourceName) : FText(Text), FSourceName(SourceName) {}

    TToken Next();
    // The bytes of a binary value: hex digits and white space up to the closing brace, which
    // is consumed. Called right after the opening brace.
    QByteArray ReadHexData();

private:
    char16_t Peek(qsizetype Ahead = 0) const {
        return FPos + Ahead < FText.size() ? FText[FPos + Ahead].unicode() : u'\0';
    }
    bool AtEnd() const { return FPos >= FText.size(); }
    void SkipSpace();
    QString ReadString();
    [[noreturn]] void Fail(const QString &What) const { RaiseAt(FSourceName, FLine, What); }

    QStringView FText;
    QString FSourceName;
    qsizetype FPos = 0;
    int FLine = 1;
};

} // namespace ComponentText

} // namespace Vex
