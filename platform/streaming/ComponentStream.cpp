#include "platform/streaming/ComponentStream.h"

#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentLexer.h"
#include "platform/streaming/ComponentReader.h"
#include "platform/streaming/ComponentWriter.h"

#include <QSet>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace Vex {

namespace ComponentText {
namespace {
const char *const KFontFields[] = {"Charset", "Color", "Height", "Name", "Style"};

constexpr TIntegerRange KIntegerTypes[] = {
    {QMetaType::Int, INT_MIN, INT_MAX},
    {QMetaType::Long, LONG_MIN, LONG_MAX},
    {QMetaType::LongLong, LLONG_MIN, LLONG_MAX},
    {QMetaType::Short, SHRT_MIN, SHRT_MAX},
    {QMetaType::UShort, 0, USHRT_MAX},
    {QMetaType::SChar, SCHAR_MIN, SCHAR_MAX},
    {QMetaType::UChar, 0, UCHAR_MAX},
};

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
} // namespace

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

std::optional<QMetaProperty> FindStreamedProperty(const QMetaObject &Class,
                                                  const QByteArray &Name) {
    const int Index = Class.indexOfProperty(Name.constData());
    if (Index < 0)
        return std::nullopt;
    const QMetaProperty P = Class.property(Index);
    return IsStreamed(Class, P) ? std::optional(P) : std::nullopt;
}

std::optional<QMetaProperty> FindDescribedProperty(const QMetaObject &Class,
                                                   const QByteArray &Name) {
    const int Index = Class.indexOfProperty(Name.constData());
    if (Index < 0)
        return std::nullopt;
    const QMetaProperty P = Class.property(Index);
    const bool Own = IsOwnClass(DeclaringClass(&Class, P.propertyIndex()));
    return Own && P.isReadable() && P.isWritable() ? std::optional(P) : std::nullopt;
}

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

bool IsIdentifier(QStringView S) {
    return !S.isEmpty() && IsIdentStart(S.front().unicode()) &&
           std::all_of(S.begin(), S.end(), [](QChar C) { return IsIdentChar(C.unicode()); });
}

bool FitsBitmap(const QSize &Size) {
    return Size.width() <= TBitmap::MaxDimension && Size.height() <= TBitmap::MaxDimension &&
           int64_t(Size.width()) * Size.height() <= TBitmap::MaxPixels;
}

QString ClassNameOf(const QObject &O) {
    return ComponentClassName(*O.metaObject());
}
} // namespace ComponentText

QString ComponentClassName(const QMetaObject &Class) {
    QString Name = QLatin1String(Class.className());
    if (Name.startsWith(QLatin1String("Vex::")))
        Name.remove(0, 5);
    return Name;
}

QString WriteComponentText(const QObject &Root) {
    ComponentText::TTextWriter Writer;
    Writer.WriteObject(Root, 0);
    if (Writer.Text().size() > KMaxComponentTextSize)
        throw EVexError(
            QStringLiteral("cannot store %1: the text is larger than %2 MiB")
                .arg(ComponentText::ClassNameOf(Root),
                     QString::number(KMaxComponentTextSize / ComponentText::KMebibyte)));
    return Writer.Text();
}

namespace {
void ReadText(QObject &Root, const QString &Text, const QString &SourceName,
              const std::function<void()> &BeforeApply, bool CreateChildren) {
    if (Text.size() > KMaxComponentTextSize)
        throw EVexError(QStringLiteral("%1: the text is larger than %2 MiB")
                            .arg(SourceName, QString::number(KMaxComponentTextSize /
                                                             ComponentText::KMebibyte)));
    ComponentText::CheckLineLengths(Text, SourceName);
    ComponentText::TTextReader Reader(Text, SourceName, CreateChildren);
    Reader.Read(Root);
    if (BeforeApply)
        BeforeApply();
    Reader.Apply();
}
} // namespace

void ReadComponentText(QObject &Root, const QString &Text, const QString &SourceName,
                       const std::function<void()> &BeforeApply) {
    ReadText(Root, Text, SourceName, BeforeApply, false);
}

void ReadComponentDescription(QObject &Root, const QString &Text, const QString &SourceName) {
    ReadText(Root, Text, SourceName, {}, true);
}

} // namespace Vex
