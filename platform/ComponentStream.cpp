#include "platform/ComponentStream.h"

#include "platform/Bitmap.h"
#include "platform/Colors.h"
#include "platform/Component.h"
#include "platform/Errors.h"
#include "platform/Font.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace {
const QString KLineEnd = QStringLiteral("\r\n");
constexpr qsizetype KHexDigitsPerLine = 64;
// Encoded strings are kept well inside the reader's line bound, which also holds the
// indentation and the property name.
constexpr qsizetype KMaxStringText = KMaxComponentLineSize / 2;
constexpr qsizetype KMebibyte = 1024 * 1024;
const char *const KFontFields[] = {"Charset", "Color", "Height", "Name", "Style"};

// ---- Which properties are streamed, and as what

enum class TValueKind {
    Integer,
    Color, // every unsigned int property holds a TColor
    Single,
    Double,
    Bool,
    Enum,
    Flags,
    String,
    StringList,
    Font,
    Image,
    Unsupported,
};

struct TIntegerRange {
    int TypeId;
    qlonglong Min;
    qlonglong Max;
};
constexpr TIntegerRange KIntegerTypes[] = {
    {QMetaType::Int, INT_MIN, INT_MAX},
    {QMetaType::Long, LONG_MIN, LONG_MAX},
    {QMetaType::LongLong, LLONG_MIN, LLONG_MAX},
    {QMetaType::Short, SHRT_MIN, SHRT_MAX},
    {QMetaType::UShort, 0, USHRT_MAX},
    {QMetaType::SChar, SCHAR_MIN, SCHAR_MAX},
    {QMetaType::UChar, 0, UCHAR_MAX},
};

const TIntegerRange *IntegerRange(QMetaType Type) {
    for (const TIntegerRange &R : KIntegerTypes)
        if (R.TypeId == Type.id())
            return &R;
    return nullptr;
}

TValueKind KindOf(const QMetaProperty &P) {
    if (P.isFlagType())
        return TValueKind::Flags;
    if (P.isEnumType())
        return TValueKind::Enum;
    const QMetaType Type = P.metaType();
    if (IntegerRange(Type))
        return TValueKind::Integer;
    switch (Type.id()) {
    case QMetaType::UInt:
        return TValueKind::Color;
    case QMetaType::Float:
        return TValueKind::Single;
    case QMetaType::Double:
        return TValueKind::Double;
    case QMetaType::Bool:
        return TValueKind::Bool;
    case QMetaType::QString:
        return TValueKind::String;
    case QMetaType::QStringList:
        return TValueKind::StringList;
    case QMetaType::QImage:
        return TValueKind::Image;
    default:
        break;
    }
    if (Type == QMetaType::fromType<TFont>())
        return TValueKind::Font;
    return TValueKind::Unsupported;
}

// The dotted part a property of this kind takes in the text ("Font.Color", "Lines.Strings").
bool TakesSubProperty(TValueKind Kind, const QString &Sub) {
    switch (Kind) {
    case TValueKind::Font:
        return std::any_of(std::begin(KFontFields), std::end(KFontFields),
                           [&](const char *Field) { return Sub == QLatin1String(Field); });
    case TValueKind::StringList:
        return Sub == QLatin1String("Strings");
    case TValueKind::Image:
        return Sub == QLatin1String("Data");
    default:
        return Sub.isEmpty();
    }
}

// Qt's own classes publish properties of their own; ours re-declare the ones they store.
bool IsOwnClass(const QMetaObject *Class) {
    return Class->className()[0] != 'Q';
}

const QMetaObject *DeclaringClass(const QMetaObject *Class, int PropertyIndex) {
    while (Class->propertyOffset() > PropertyIndex)
        Class = Class->superClass();
    return Class;
}

// Links to other components are not part of a control's own state.
bool IsStreamed(const QMetaObject &Class, const QMetaProperty &P) {
    return IsOwnClass(DeclaringClass(&Class, P.propertyIndex())) && P.isReadable() &&
           P.isWritable() && P.isStored() && !(P.metaType().flags() & QMetaType::PointerToQObject);
}

// The most derived declaration of the published property Name.
std::optional<QMetaProperty> FindStreamedProperty(const QMetaObject &Class,
                                                  const QByteArray &Name) {
    const int Index = Class.indexOfProperty(Name.constData());
    if (Index < 0)
        return std::nullopt;
    const QMetaProperty P = Class.property(Index);
    return IsStreamed(Class, P) ? std::optional(P) : std::nullopt;
}

// Streaming order: ancestors first; a re-declared property keeps its first place.
std::vector<QMetaProperty> StreamedProperties(const QMetaObject &Class) {
    std::vector<QMetaProperty> Result;
    QSet<QByteArray> Seen;
    for (int I = 0; I < Class.propertyCount(); ++I) {
        if (!IsOwnClass(DeclaringClass(&Class, I)))
            continue;
        const QByteArray Name = Class.property(I).name();
        if (Seen.contains(Name))
            continue;
        Seen.insert(Name);
        if (const std::optional<QMetaProperty> P = FindStreamedProperty(Class, Name))
            Result.push_back(*P);
    }
    return Result;
}

bool IsStreamedChild(const QObject *Child) {
    return dynamic_cast<const TVexComponent *>(Child) && !Child->objectName().isEmpty();
}

QObject *FindStreamedChild(const QObject &Parent, const QString &Name) {
    for (QObject *Child : Parent.children())
        if (IsStreamedChild(Child) && Child->objectName() == Name)
            return Child;
    return nullptr;
}

bool IsDigit(char16_t C) {
    return C >= u'0' && C <= u'9';
}
bool IsIdentStart(char16_t C) {
    return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') || C == u'_';
}
bool IsIdentChar(char16_t C) {
    return IsIdentStart(C) || IsDigit(C);
}

bool IsIdentifier(QStringView S) {
    return !S.isEmpty() && IsIdentStart(S.front().unicode()) &&
           std::all_of(S.begin(), S.end(), [](QChar C) { return IsIdentChar(C.unicode()); });
}

// Pictures are held to the sizes a TBitmap takes.
bool FitsBitmap(const QSize &Size) {
    return Size.width() <= TBitmap::MaxDimension && Size.height() <= TBitmap::MaxDimension &&
           int64_t(Size.width()) * Size.height() <= TBitmap::MaxPixels;
}

QString ClassNameOf(const QObject &O) {
    return QLatin1String(O.metaObject()->className());
}

// ---- Writer

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

class TTextWriter {
public:
    const QString &Text() const { return FText; }
    void WriteObject(const QObject &O, int Depth);

private:
    void Line(int Depth, const QString &S) {
        FText += QString(Depth * 2, QLatin1Char(' ')) + S + KLineEnd;
    }
    void WriteProperty(const QObject &O, const QMetaProperty &P, int Depth);
    void WriteStrings(const QObject &O, const QMetaProperty &P, int Depth);
    void WriteImage(const QObject &O, const QMetaProperty &P, int Depth);

    QString FText;
};

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

// ---- Lexer

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

enum class TTokenKind { End, Identifier, Number, String, Symbol };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    QString Text; // the string's value for String tokens
    int Line = 1;
};

class TLexer {
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

// ---- Reader

struct TAssignment {
    QPointer<QObject> Target;
    QMetaProperty Property;
    QVariant Value;                         // of the property's own type
    std::function<void(TFont &)> FontField; // a Font.X line: changes one field of the font
};

struct THeader {
    QString Name;
    QString ClassName;
    int Line = 1;
};

// Checks the whole text first, collecting what it sets; Apply() then sets it.
class TTextReader {
public:
    TTextReader(QStringView Text, const QString &SourceName)
        : FLexer(Text, SourceName), FSourceName(SourceName) {}

    void Read(QObject &Root);
    void Apply() const;

private:
    void Advance() { FToken = FLexer.Next(); }
    bool IsSymbol(char C) const {
        return FToken.Kind == TTokenKind::Symbol && FToken.Text == QLatin1Char(C);
    }
    bool IsWord(const char *Word) const {
        return FToken.Kind == TTokenKind::Identifier &&
               FToken.Text.compare(QLatin1String(Word), Qt::CaseInsensitive) == 0;
    }
    bool IsObjectKeyword() const {
        return IsWord("object") || IsWord("inline") || IsWord("inherited");
    }
    [[noreturn]] void Fail(int Line, const QString &What) const {
        RaiseAt(FSourceName, Line, What);
    }
    [[noreturn]] void FailValue(const QString &Expected) const {
        Fail(FValueLine,
             QStringLiteral("bad value for '%1': %2 expected").arg(FPropertyName, Expected));
    }
    void ExpectSymbol(char C);
    QString ExpectIdentifier(const char *What);

    THeader ReadHeader();
    void ReadBody(QObject &Target, int Depth);
    void ReadChild(QObject &Parent, int Depth);
    void ReadProperty(QObject &Target);
    QVariant ReadValue(const QMetaProperty &P, TValueKind Kind);
    std::function<void(TFont &)> ReadFontField(const QString &Field);

    qlonglong ReadInteger(qlonglong Min, qlonglong Max);
    template <typename T> T ReadReal();
    bool ReadBool();
    TColor ReadColor();
    QString ReadString();
    QStringList ReadSet();
    QStringList ReadStringList();
    int ReadEnum(const QMetaEnum &Enum);
    int ReadFlags(const QMetaEnum &Enum);
    QImage ReadImage();

    TLexer FLexer;
    QString FSourceName;
    TToken FToken;
    QString FPropertyName; // the property whose value is being read, for messages
    int FValueLine = 1;
    std::vector<QPointer<QObject>> FObjects;
    std::vector<TAssignment> FAssignments;
};

void TTextReader::ExpectSymbol(char C) {
    if (!IsSymbol(C))
        Fail(FToken.Line, QStringLiteral("'%1' expected").arg(QLatin1Char(C)));
    Advance();
}

QString TTextReader::ExpectIdentifier(const char *What) {
    if (FToken.Kind != TTokenKind::Identifier)
        Fail(FToken.Line, QStringLiteral("%1 expected").arg(QLatin1String(What)));
    const QString Text = FToken.Text;
    Advance();
    return Text;
}

void TTextReader::Read(QObject &Root) {
    Advance();
    const THeader Header = ReadHeader();
    if (Header.ClassName != ClassNameOf(Root))
        Fail(Header.Line,
             QStringLiteral("class %1 does not match %2").arg(Header.ClassName, ClassNameOf(Root)));
    ReadBody(Root, 0);
    if (FToken.Kind != TTokenKind::End)
        Fail(FToken.Line, QStringLiteral("text after the end of %1").arg(ClassNameOf(Root)));
}

// object Name: Class  (also "inline" or "inherited", and the name may be left out)
THeader TTextReader::ReadHeader() {
    if (!IsObjectKeyword())
        Fail(FToken.Line, QStringLiteral("'object' expected"));
    THeader Header;
    Header.Line = FToken.Line;
    Advance();
    Header.ClassName = ExpectIdentifier("component name or class");
    if (IsSymbol(':')) {
        Advance();
        Header.Name = Header.ClassName;
        Header.ClassName = ExpectIdentifier("class name");
    }
    return Header;
}

void TTextReader::ReadBody(QObject &Target, int Depth) {
    FObjects.emplace_back(&Target);
    for (;;) {
        if (FToken.Kind == TTokenKind::End)
            Fail(FToken.Line, QStringLiteral("unexpected end of text: 'end' of %1 missing")
                                  .arg(ClassNameOf(Target)));
        if (IsWord("end")) {
            Advance();
            return;
        }
        if (IsObjectKeyword())
            ReadChild(Target, Depth + 1);
        else
            ReadProperty(Target);
    }
}

void TTextReader::ReadChild(QObject &Parent, int Depth) {
    if (Depth > KMaxComponentNesting)
        Fail(FToken.Line,
             QStringLiteral("objects nested deeper than %1 levels").arg(KMaxComponentNesting));
    const THeader Header = ReadHeader();
    QObject *Child = FindStreamedChild(Parent, Header.Name);
    if (!Child)
        Fail(Header.Line,
             QStringLiteral("unknown component '%1' in %2").arg(Header.Name, ClassNameOf(Parent)));
    if (Header.ClassName != ClassNameOf(*Child))
        Fail(Header.Line, QStringLiteral("class %1 does not match %2")
                              .arg(Header.ClassName, ClassNameOf(*Child)));
    ReadBody(*Child, Depth);
}

// Name = Value, where Name may be dotted: Font.Color, Lines.Strings, Picture.Data.
void TTextReader::ReadProperty(QObject &Target) {
    const int Line = FToken.Line;
    QString Name = ExpectIdentifier("property name");
    while (IsSymbol('.')) {
        Advance();
        Name += QLatin1Char('.') + ExpectIdentifier("property name");
    }
    ExpectSymbol('=');
    const QString Base = Name.section(QLatin1Char('.'), 0, 0);
    const QString Sub = Name.section(QLatin1Char('.'), 1);
    const std::optional<QMetaProperty> P =
        FindStreamedProperty(*Target.metaObject(), Base.toLatin1());
    const TValueKind Kind = P ? KindOf(*P) : TValueKind::Unsupported;
    if (!P || !TakesSubProperty(Kind, Sub))
        Fail(Line, QStringLiteral("unknown property '%1' of %2").arg(Name, ClassNameOf(Target)));

    if (qsizetype(FAssignments.size()) >= KMaxComponentAssignments)
        Fail(Line, QStringLiteral("more than %1 property values").arg(KMaxComponentAssignments));
    FPropertyName = Name;
    FValueLine = FToken.Line;
    TAssignment Assignment{&Target, *P, {}, {}};
    if (Kind == TValueKind::Font)
        Assignment.FontField = ReadFontField(Sub);
    else
        Assignment.Value = ReadValue(*P, Kind);
    FAssignments.push_back(std::move(Assignment));
}

QVariant TTextReader::ReadValue(const QMetaProperty &P, TValueKind Kind) {
    QVariant Value;
    switch (Kind) {
    case TValueKind::Integer: {
        const TIntegerRange *Range = IntegerRange(P.metaType());
        Value = ReadInteger(Range->Min, Range->Max);
        break;
    }
    case TValueKind::Color:
        Value = ReadColor();
        break;
    case TValueKind::Single:
        Value = ReadReal<float>();
        break;
    case TValueKind::Double:
        Value = ReadReal<double>();
        break;
    case TValueKind::Bool:
        Value = ReadBool();
        break;
    case TValueKind::Enum:
        Value = ReadEnum(P.enumerator());
        break;
    case TValueKind::Flags:
        Value = ReadFlags(P.enumerator());
        break;
    case TValueKind::String:
        Value = ReadString();
        break;
    case TValueKind::StringList:
        Value = ReadStringList();
        break;
    case TValueKind::Image:
        Value = ReadImage();
        break;
    case TValueKind::Font: // read field by field in ReadFontField
    case TValueKind::Unsupported:
        Fail(FValueLine,
             QStringLiteral("property '%1' cannot be read from a file").arg(FPropertyName));
    }
    // Enumerations, flags and the smaller integer types are written as their own type.
    if (!Value.convert(P.metaType()))
        FailValue(QLatin1String(P.metaType().name()));
    return Value;
}

std::function<void(TFont &)> TTextReader::ReadFontField(const QString &Field) {
    if (Field == QLatin1String("Charset")) {
        std::optional<uint8_t> Charset;
        if (FToken.Kind == TTokenKind::Identifier || FToken.Kind == TTokenKind::Number)
            Charset = TFont::IdentToCharset(FToken.Text);
        if (!Charset)
            FailValue(QStringLiteral("character set"));
        Advance();
        return [Charset = *Charset](TFont &F) { F.Charset = Charset; };
    }
    if (Field == QLatin1String("Color"))
        return [Color = ReadColor()](TFont &F) { F.Color = Color; };
    if (Field == QLatin1String("Height"))
        return [Height = int(ReadInteger(INT_MIN, INT_MAX))](TFont &F) { F.Height = Height; };
    if (Field == QLatin1String("Name"))
        return [Name = ReadString()](TFont &F) { F.Name = Name; };
    const std::optional<TFontStyles> Styles = TFont::StylesFromString(
        QLatin1Char('[') + ReadSet().join(QLatin1Char(',')) + QLatin1Char(']'));
    if (!Styles)
        FailValue(QStringLiteral("set of font styles"));
    return [Styles = *Styles](TFont &F) { F.Style = Styles; };
}

qlonglong TTextReader::ReadInteger(qlonglong Min, qlonglong Max) {
    if (FToken.Kind != TTokenKind::Number)
        FailValue(QStringLiteral("integer"));
    const QByteArray Digits = FToken.Text.toLatin1();
    qlonglong Value = 0;
    const std::from_chars_result Result = std::from_chars(Digits.begin(), Digits.end(), Value);
    const bool Parsed = Result.ec == std::errc() && Result.ptr == Digits.end();
    if (!Parsed && Result.ec != std::errc::result_out_of_range)
        FailValue(QStringLiteral("integer"));
    if (!Parsed || Value < Min || Value > Max)
        FailValue(QStringLiteral("integer from %1 to %2").arg(Min).arg(Max));
    Advance();
    return Value;
}

template <typename T> T TTextReader::ReadReal() {
    T Value = 0;
    if (FToken.Kind == TTokenKind::Number) {
        const QByteArray Digits = FToken.Text.toLatin1();
        const std::from_chars_result Result = std::from_chars(Digits.begin(), Digits.end(), Value);
        if (Result.ec == std::errc() && Result.ptr == Digits.end() && std::isfinite(Value)) {
            Advance();
            return Value;
        }
    }
    FailValue(QStringLiteral("finite number"));
}

bool TTextReader::ReadBool() {
    if (!IsWord("True") && !IsWord("False"))
        FailValue(QStringLiteral("True or False"));
    const bool Value = IsWord("True");
    Advance();
    return Value;
}

TColor TTextReader::ReadColor() {
    if (FToken.Kind == TTokenKind::Number)
        return TColor(ReadInteger(INT32_MIN, UINT32_MAX)); // negatives are the signed form
    const std::optional<TColor> Color =
        FToken.Kind == TTokenKind::Identifier ? IdentToColor(FToken.Text) : std::nullopt;
    if (!Color)
        FailValue(QStringLiteral("colour"));
    Advance();
    return *Color;
}

QString TTextReader::ReadString() {
    if (FToken.Kind != TTokenKind::String)
        FailValue(QStringLiteral("string"));
    const QString Value = FToken.Text;
    Advance();
    return Value;
}

// [a, b, c]
QStringList TTextReader::ReadSet() {
    if (!IsSymbol('['))
        FailValue(QStringLiteral("set in brackets"));
    Advance();
    QStringList Items;
    if (!IsSymbol(']')) {
        Items << ExpectIdentifier("identifier");
        while (IsSymbol(',')) {
            Advance();
            Items << ExpectIdentifier("identifier");
        }
    }
    ExpectSymbol(']');
    return Items;
}

// ('a' 'b' 'c')
QStringList TTextReader::ReadStringList() {
    if (!IsSymbol('('))
        FailValue(QStringLiteral("list of strings in parentheses"));
    Advance();
    QStringList Items;
    while (FToken.Kind == TTokenKind::String) {
        Items << FToken.Text;
        Advance();
    }
    ExpectSymbol(')');
    return Items;
}

int TTextReader::ReadEnum(const QMetaEnum &Enum) {
    bool Ok = false;
    const int Value = FToken.Kind == TTokenKind::Identifier
                          ? Enum.keyToValue(FToken.Text.toLatin1().constData(), &Ok)
                          : 0;
    if (!Ok)
        FailValue(QStringLiteral("identifier of %1").arg(QLatin1String(Enum.name())));
    Advance();
    return Value;
}

int TTextReader::ReadFlags(const QMetaEnum &Enum) {
    int Value = 0;
    for (const QString &Key : ReadSet()) {
        bool Ok = false;
        Value |= Enum.keyToValue(Key.toLatin1().constData(), &Ok);
        if (!Ok)
            FailValue(QStringLiteral("set of %1").arg(QLatin1String(Enum.name())));
    }
    return Value;
}

// A PNG of at most the size a TBitmap takes; the size is checked before any pixel is decoded.
QImage TTextReader::ReadImage() {
    if (!IsSymbol('{'))
        FailValue(QStringLiteral("binary data in braces"));
    QBuffer Data;
    Data.setData(FLexer.ReadHexData());
    Advance();
    if (Data.data().isEmpty())
        return QImage();
    Data.open(QIODevice::ReadOnly);
    QImageReader Reader(&Data, "png");
    const QSize Size = Reader.size();
    if (Size.isEmpty())
        FailValue(QStringLiteral("PNG image"));
    if (!FitsBitmap(Size))
        FailValue(
            QStringLiteral("image of at most %1 pixels a side and %2 in all")
                .arg(QString::number(TBitmap::MaxDimension), QString::number(TBitmap::MaxPixels)));
    QImage Image;
    if (!Reader.read(&Image))
        FailValue(QStringLiteral("PNG image"));
    return Image;
}

void TTextReader::Apply() const {
    TLoadingScope Scope;
    for (const QPointer<QObject> &Object : FObjects)
        if (Object)
            TLoadingScope::Add(dynamic_cast<TVexComponent *>(Object.data()));
    for (const TAssignment &A : FAssignments) {
        if (!A.Target) // destroyed before the values were applied
            continue;
        if (A.FontField) {
            TFont Font = A.Property.read(A.Target).value<TFont>();
            A.FontField(Font);
            A.Property.write(A.Target, QVariant::fromValue(Font));
        } else {
            A.Property.write(A.Target, A.Value);
        }
    }
}
} // namespace

QString WriteComponentText(const QObject &Root) {
    TTextWriter Writer;
    Writer.WriteObject(Root, 0);
    if (Writer.Text().size() > KMaxComponentTextSize)
        throw EVexError(
            QStringLiteral("cannot store %1: the text is larger than %2 MiB")
                .arg(ClassNameOf(Root), QString::number(KMaxComponentTextSize / KMebibyte)));
    return Writer.Text();
}

void ReadComponentText(QObject &Root, const QString &Text, const QString &SourceName,
                       const std::function<void()> &BeforeApply) {
    if (Text.size() > KMaxComponentTextSize)
        throw EVexError(QStringLiteral("%1: the text is larger than %2 MiB")
                            .arg(SourceName, QString::number(KMaxComponentTextSize / KMebibyte)));
    CheckLineLengths(Text, SourceName);
    TTextReader Reader(Text, SourceName);
    Reader.Read(Root);
    if (BeforeApply)
        BeforeApply();
    Reader.Apply();
}
