#pragma once
// The text form of control files: a component's published properties, one per line, inside an
// object block.
//
//   object VexGauge1: TVexGauge
//     Float = 42.5
//     Caption = 'Oil '#13#10'pressure'
//     Font.Style = [fsBold]
//     object Inner1: TVexTexGen
//       ...
//     end
//   end
//
// Published properties are the readable, writable, stored Q_PROPERTYs declared by our own
// classes (those whose names do not begin with "Q"), in meta-object order, ancestors first.
// Named child components are nested blocks. Lines end with CR LF; numbers use "." whatever the
// locale; text outside Latin-1 is written as character codes, so the whole text is Latin-1.

#include "platform/core/VexExport.h"
#include <QMetaProperty>
#include <QMetaType>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

namespace Vex {

// Bounds on what the reader accepts, so that a damaged or hostile file fails with an error
// instead of exhausting memory or the stack.
constexpr qsizetype KMaxComponentTextSize = 8 * 1024 * 1024;
constexpr qsizetype KMaxComponentLineSize = 1024 * 1024;
constexpr int KMaxComponentNesting = 32;
constexpr qsizetype KMaxComponentAssignments = 65536;
constexpr qsizetype KMaxCreatedComponents = 4096;

// The class name control files give Class: its name without the library's namespace
// ("TVexGauge" for Vex::TVexGauge).
VEX_EXPORT QString ComponentClassName(const QMetaObject &Class);

// The text form of Root and its named child components. Raises EVexError for a value that the
// reader could not take back (a type it does not know, a non-finite number, a line too long).
VEX_EXPORT QString WriteComponentText(const QObject &Root);

// Reads Text into the existing Root: the header's class must be Root's class, every property
// must be one of its published properties with a value of the right type, and nested blocks
// must name existing child components. The whole text is checked before anything changes;
// only then BeforeApply runs and the values are set through their setters in file order,
// inside a loading scope that gives Root (and each child read) one Loaded() at the end.
// A bad text raises EVexError "<SourceName>, line <n>: <what is wrong>" and changes nothing.
VEX_EXPORT void ReadComponentText(QObject &Root, const QString &Text, const QString &SourceName,
                                  const std::function<void()> &BeforeApply = {});

// As ReadComponentText, for descriptions of whole forms and pages: a nested block that names
// no existing child creates a component of the class it names (registered with
// RegisterComponentClass), owned by the enclosing component and named as the block says.
// Controls can only sit on controls (or other widgets). The whole text is still checked before
// anything is created or set.
VEX_EXPORT void ReadComponentDescription(QObject &Root, const QString &Text,
                                         const QString &SourceName);

// The property model the writer (ComponentWriter) and the reader (ComponentReader) share: which
// properties and children are streamed, as what kind of value, and what an identifier is.
namespace ComponentText {

constexpr qsizetype KMebibyte = 1024 * 1024;

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

struct VEX_EXPORT TIntegerRange {
    int TypeId;
    qlonglong Min;
    qlonglong Max;
};

// The bounds of an integer property type; null for any other type.
VEX_EXPORT const TIntegerRange *IntegerRange(QMetaType Type);

VEX_EXPORT TValueKind KindOf(const QMetaProperty &P);

// The dotted part a property of this kind takes in the text ("Font.Color", "Lines.Strings").
VEX_EXPORT bool TakesSubProperty(TValueKind Kind, const QString &Sub);

// The most derived declaration of the published property Name.
VEX_EXPORT std::optional<QMetaProperty> FindStreamedProperty(const QMetaObject &Class,
                                                             const QByteArray &Name);

// A property a page description may set: a published one, or one of our own readable and
// writable properties that control files leave out (links to other components, docking).
VEX_EXPORT std::optional<QMetaProperty> FindDescribedProperty(const QMetaObject &Class,
                                                              const QByteArray &Name);

// Streaming order: ancestors first; a re-declared property keeps its first place.
VEX_EXPORT std::vector<QMetaProperty> StreamedProperties(const QMetaObject &Class);

// Named components are written, and read, as nested blocks of their parent.
VEX_EXPORT bool IsStreamedChild(const QObject *Child);
VEX_EXPORT QObject *FindStreamedChild(const QObject &Parent, const QString &Name);

inline bool IsDigit(char16_t C) {
    return C >= u'0' && C <= u'9';
}
inline bool IsIdentStart(char16_t C) {
    return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') || C == u'_';
}
inline bool IsIdentChar(char16_t C) {
    return IsIdentStart(C) || IsDigit(C);
}

VEX_EXPORT bool IsIdentifier(QStringView S);

// Pictures are held to the sizes a TBitmap takes.
VEX_EXPORT bool FitsBitmap(const QSize &Size);

VEX_EXPORT QString ClassNameOf(const QObject &O);

} // namespace ComponentText

} // namespace Vex
