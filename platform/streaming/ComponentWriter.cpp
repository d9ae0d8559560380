#include "platform/streaming/ComponentWriter.h"

#include "platform/core/Errors.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentStream.h"

#include <QBuffer>
#include <QImage>
#include <QStringList>
#include <charconv>
#include <cmath>

namespace Vex {

namespace ComponentText {
namespace {
const QString KLineEnd = QStringLiteral("\r\n");
constexpr qsizetype KHexDigitsPerLine = 64;
// Encoded strings are kept well inside the reader's line bound, which also holds the
// indentation and the property name.
constexpr qsizetype KMaxStringText = KMaxComponentLineSize / 2;

QString ColorText(TColor Color) {
    return ColorToIdent(Color).value_or(QString::number(Color));
}

// The shortest text that reads back as the same value of the stored type.
template <typename T> QString ShortestText(T Value) {
    char Buffer[64];
    const std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value);
    return QString::fromLatin1(Buffer, Result.ptr - Buffer);
}

// 'abc'#13#10'def': quotes doubled; control characters and characters outside Latin-1 as codes.
QString QuotedString(const QString &S) {
    QString Out;
    bool Open = false;
    for (const QChar C : S) {
        const char16_t U = C.unicode();
        const bool Literal = (U >= 32 && U < 127) || (U >= 160 && U <= 255);
        if (Literal != Open) {
            Out += QLatin1Char('\'');
            Open = Literal;
        }
        if (!Literal)
            Out += QLatin1Char('#') + QString::number(U);
        else if (U == u'\'')
            Out += QLatin1String("''");
        else
            Out += C;
    }
    if (Open)
        Out += QLatin1Char('\'');
    return Out.isEmpty() ? QStringLiteral("''") : Out;
}

[[noreturn]] void RaiseUnstorable(const QObject &O, const QMetaProperty &P, const QString &Why) {
    throw EVexError(QStringLiteral("cannot store property '%1' of %2: %3")
                        .arg(QLatin1String(P.name()), ClassNameOf(O), Why));
}

QString StoredString(const QObject &O, const QMetaProperty &P, const QString &S) {
    QString Text = QuotedString(S);
    if (Text.size() > KMaxStringText)
        RaiseUnstorable(O, P, QStringLiteral("the text is too long"));
    return Text;
}

template <typename T> QString StoredReal(const QObject &O, const QMetaProperty &P, T Value) {
    if (!std::isfinite(Value))
        RaiseUnstorable(O, P, QStringLiteral("the value is not a finite number"));
    return ShortestText(Value);
}
} // namespace

void TTextWriter::Line(int Depth, const QString &S) {
    FText += QString(Depth * 2, QLatin1Char(' ')) + S + KLineEnd;
}

void TTextWriter::WriteObject(const QObject &O, int Depth) {
    const QString ClassName = ClassNameOf(O);
    const QString Name = O.objectName();
    if (!IsIdentifier(ClassName) || (Depth > 0 && !IsIdentifier(Name)))
        throw EVexError(QStringLiteral("cannot store component '%1' of class %2: not an identifier")
                            .arg(Name, ClassName));
    if (Depth > KMaxComponentNesting)
        throw EVexError(QStringLiteral("cannot store component '%1': nested deeper than %2 levels")
                            .arg(Name, QString::number(KMaxComponentNesting)));
    // An unnamed root is written by its class alone; the reader does not need its name.
    Line(Depth, QStringLiteral("object ") +
                    (IsIdentifier(Name) ? Name + QStringLiteral(": ") : QString()) + ClassName);
    for (const QMetaProperty &P : StreamedProperties(*O.metaObject()))
        WriteProperty(O, P, Depth + 1);
    for (const QObject *Child : O.children())
        if (IsStreamedChild(Child))
            WriteObject(*Child, Depth + 1);
    Line(Depth, QStringLiteral("end"));
}

void TTextWriter::WriteProperty(const QObject &O, const QMetaProperty &P, int Depth) {
    const QString Name = QLatin1String(P.name());
    const QVariant V = P.read(&O);
    const auto Put = [&](const char *Sub, const QString &Value) {
        Line(Depth, Name + QLatin1String(Sub) + QStringLiteral(" = ") + Value);
    };
    switch (KindOf(P)) {
    case TValueKind::Integer:
        Put("", QString::number(V.toLongLong()));
        break;
    case TValueKind::Color:
        Put("", ColorText(V.toUInt()));
        break;
    case TValueKind::Single:
        Put("", StoredReal(O, P, V.toFloat()));
        break;
    case TValueKind::Double:
        Put("", StoredReal(O, P, V.toDouble()));
        break;
    case TValueKind::Bool:
        Put("", V.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
        break;
    case TValueKind::Enum: {
        const char *Key = P.enumerator().valueToKey(V.toInt());
        if (!Key)
            RaiseUnstorable(O, P, QStringLiteral("the value %1 has no identifier").arg(V.toInt()));
        Put("", QLatin1String(Key));
        break;
    }
    case TValueKind::Flags:
        Put("", QLatin1Char('[') +
                    QString::fromLatin1(P.enumerator().valueToKeys(V.toInt()))
                        .replace(QLatin1Char('|'), QLatin1Char(',')) +
                    QLatin1Char(']'));
        break;
    case TValueKind::String:
        Put("", StoredString(O, P, V.toString()));
        break;
    case TValueKind::StringList:
        WriteStrings(O, P, Depth);
        break;
    case TValueKind::Font: {
        const TFont F = V.value<TFont>();
        Put(".Charset", TFont::CharsetToIdent(F.Charset));
        Put(".Color", ColorText(F.Color));
        Put(".Height", QString::number(F.Height));
        Put(".Name", StoredString(O, P, F.Name));
        Put(".Style", TFont::StylesToString(F.Style));
        break;
    }
    case TValueKind::Image:
        WriteImage(O, P, Depth);
        break;
    case TValueKind::Unsupported:
        RaiseUnstorable(O, P,
                        QStringLiteral("control files do not hold values of type %1")
                            .arg(QLatin1String(P.metaType().name())));
    }
}

// Lines.Strings = (  then one string a line, the last one closing the list: 'b')
void TTextWriter::WriteStrings(const QObject &O, const QMetaProperty &P, int Depth) {
    const QString Head = QLatin1String(P.name()) + QStringLiteral(".Strings = (");
    const QStringList Items = P.read(&O).toStringList();
    if (Items.isEmpty()) {
        Line(Depth, Head + QLatin1Char(')'));
        return;
    }
    Line(Depth, Head);
    for (qsizetype I = 0; I < Items.size(); ++I)
        Line(Depth + 1, StoredString(O, P, Items[I]) +
                            (I == Items.size() - 1 ? QStringLiteral(")") : QString()));
}

// Picture.Data = {  then the PNG bytes in hex, 64 digits a line, the last one closing: ...}
void TTextWriter::WriteImage(const QObject &O, const QMetaProperty &P, int Depth) {
    const QString Head = QLatin1String(P.name()) + QStringLiteral(".Data = {");
    const QImage Image = P.read(&O).value<QImage>();
    if (Image.isNull()) {
        Line(Depth, Head + QLatin1Char('}'));
        return;
    }
    if (!FitsBitmap(Image.size()))
        RaiseUnstorable(O, P, QStringLiteral("the image is larger than a bitmap may be"));
    QBuffer Png;
    Png.open(QIODevice::WriteOnly);
    if (!Image.save(&Png, "PNG"))
        RaiseUnstorable(O, P, QStringLiteral("the image cannot be encoded"));
    const QString Hex = QString::fromLatin1(Png.data().toHex().toUpper());
    Line(Depth, Head);
    for (qsizetype I = 0; I < Hex.size(); I += KHexDigitsPerLine) {
        const bool Last = I + KHexDigitsPerLine >= Hex.size();
        Line(Depth + 1, Hex.mid(I, KHexDigitsPerLine) + (Last ? QStringLiteral("}") : QString()));
    }
}
} // namespace ComponentText

} // namespace Vex
