#pragma once
// The checking reader of the control-file text: it reads the whole text, checks it against the
// components it names and collects the values, before Apply() sets any of them.

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentLexer.h"
#include "platform/streaming/ComponentStream.h"

#include <QImage>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace Vex {

namespace ComponentText {

struct VEX_EXPORT TAssignment {
    QPointer<QObject> Target; // an existing component, or
    int Created = -1;         // the index of a component the text creates
    QMetaProperty Property;
    QVariant Value;                         // of the property's own type
    std::function<void(TFont &)> FontField; // a Font.X line: changes one field of the font
    // A link to another component of a description: an existing one, or one it creates.
    bool IsReference = false;
    QPointer<QObject> Referenced;
    int ReferencedCreated = -1;
};

struct VEX_EXPORT THeader {
    QString Name;
    QString ClassName;
    int Line = 1;
};

// A component a nested block names: one that exists, or one the text creates.
struct TTarget {
    QObject *Object = nullptr;
    int Created = -1;
    const QMetaObject *Class = nullptr;
};

// A link named in a description, checked once the whole text is known (it may name a component
// described further down).
struct TReference {
    qsizetype Assignment;
    QString Name;
    const QMetaObject *Class; // what the property takes
    int Line;
};

// A component to create when the values are applied, owned by an existing component or by
// one created before it.
struct TCreation {
    QPointer<QObject> Owner;
    int CreatedOwner = -1;
    QString Name;
    QString ClassName;
};

// Checks the whole text first, collecting what it sets; Apply() then sets it. With
// CreateChildren, nested blocks that name no existing child create a component of the
// registered class they name.
class VEX_EXPORT TTextReader {
public:
    TTextReader(QStringView Text, const QString &SourceName, bool CreateChildren = false)
        : FLexer(Text, SourceName), FSourceName(SourceName), FCreateChildren(CreateChildren) {}

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
    void ReadBody(const TTarget &Target, int Depth);
    void ReadChild(const TTarget &Parent, int Depth);
    TTarget PlanCreation(const TTarget &Parent, const THeader &Header);
    void ReadProperty(const TTarget &Target);
    std::optional<QMetaProperty> FindProperty(const QMetaObject &Class,
                                              const QByteArray &Name) const;
    void ResolveReferences(QObject &Root);
    QString TargetClassName(const TTarget &Target) const;
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
    bool FCreateChildren;
    std::vector<QPointer<QObject>> FObjects;
    std::vector<TCreation> FCreations;
    std::vector<TAssignment> FAssignments;
    std::vector<TReference> FReferences;
};

} // namespace ComponentText

} // namespace Vex
