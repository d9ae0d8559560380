#include "platform/streaming/ComponentReader.h"

#include "platform/core/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/streaming/ComponentRegistry.h"

#include <QBuffer>
#include <QImageReader>
#include <QWidget>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

namespace Vex {

namespace ComponentText {

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
    ReadBody({&Root, -1, Root.metaObject()}, 0);
    if (FToken.Kind != TTokenKind::End)
        Fail(FToken.Line, QStringLiteral("text after the end of %1").arg(ClassNameOf(Root)));
    ResolveReferences(Root);
}

// Control files set only published properties; descriptions of whole pages also dock controls
// and link them to each other.
std::optional<QMetaProperty> TTextReader::FindProperty(const QMetaObject &Class,
                                                       const QByteArray &Name) const {
    std::optional<QMetaProperty> P = FindStreamedProperty(Class, Name);
    if (!P && FCreateChildren)
        P = FindDescribedProperty(Class, Name);
    return P;
}

// Each link names a component the text creates or one that exists under Root, of a class the
// property takes.
void TTextReader::ResolveReferences(QObject &Root) {
    for (const TReference &R : FReferences) {
        TAssignment &A = FAssignments[size_t(R.Assignment)];
        const QMetaObject *Found = nullptr;
        for (size_t I = 0; I < FCreations.size() && !Found; ++I)
            if (FCreations[I].Name == R.Name) {
                A.ReferencedCreated = int(I);
                Found = ComponentClass(FCreations[I].ClassName);
            }
        if (!Found) {
            QObject *Existing =
                Root.objectName() == R.Name ? &Root : Root.findChild<QObject *>(R.Name);
            if (Existing) {
                A.Referenced = Existing;
                Found = Existing->metaObject();
            }
        }
        if (!Found)
            Fail(R.Line, QStringLiteral("bad value for '%1': no component named '%2'")
                             .arg(QLatin1String(A.Property.name()), R.Name));
        if (!Found->inherits(R.Class))
            Fail(R.Line,
                 QStringLiteral("bad value for '%1': '%2' is no %3")
                     .arg(QLatin1String(A.Property.name()), R.Name, ComponentClassName(*R.Class)));
    }
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

QString TTextReader::TargetClassName(const TTarget &Target) const {
    return Target.Object ? ClassNameOf(*Target.Object) : FCreations[Target.Created].ClassName;
}

void TTextReader::ReadBody(const TTarget &Target, int Depth) {
    if (Target.Object)
        FObjects.emplace_back(Target.Object);
    for (;;) {
        if (FToken.Kind == TTokenKind::End)
            Fail(FToken.Line, QStringLiteral("unexpected end of text: 'end' of %1 missing")
                                  .arg(TargetClassName(Target)));
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

void TTextReader::ReadChild(const TTarget &Parent, int Depth) {
    if (Depth > KMaxComponentNesting)
        Fail(FToken.Line,
             QStringLiteral("objects nested deeper than %1 levels").arg(KMaxComponentNesting));
    const THeader Header = ReadHeader();
    QObject *Child = Parent.Object ? FindStreamedChild(*Parent.Object, Header.Name) : nullptr;
    if (!Child) {
        if (!FCreateChildren)
            Fail(Header.Line, QStringLiteral("unknown component '%1' in %2")
                                  .arg(Header.Name, TargetClassName(Parent)));
        ReadBody(PlanCreation(Parent, Header), Depth);
        return;
    }
    if (Header.ClassName != ClassNameOf(*Child))
        Fail(Header.Line, QStringLiteral("class %1 does not match %2")
                              .arg(Header.ClassName, ClassNameOf(*Child)));
    ReadBody({Child, -1, Child->metaObject()}, Depth);
}

// A block that names no existing child: the component it describes is made when the values
// are applied, so a bad text still changes nothing.
TTarget TTextReader::PlanCreation(const TTarget &Parent, const THeader &Header) {
    const QMetaObject *Class = ComponentClass(Header.ClassName);
    if (!Class)
        Fail(Header.Line, QStringLiteral("unknown class %1").arg(Header.ClassName));
    if (Class->inherits(&QWidget::staticMetaObject) &&
        !Parent.Class->inherits(&QWidget::staticMetaObject))
        Fail(Header.Line, QStringLiteral("%1 cannot hold the control %2")
                              .arg(TargetClassName(Parent), Header.ClassName));
    if (qsizetype(FCreations.size()) >= KMaxCreatedComponents)
        Fail(Header.Line, QStringLiteral("more than %1 components").arg(KMaxCreatedComponents));
    for (const TCreation &Sibling : FCreations)
        if (!Header.Name.isEmpty() && Sibling.Name == Header.Name &&
            Sibling.CreatedOwner == Parent.Created && Sibling.Owner == Parent.Object)
            Fail(Header.Line, QStringLiteral("component '%1' appears twice").arg(Header.Name));
    FCreations.push_back({Parent.Object, Parent.Created, Header.Name, Header.ClassName});
    return {nullptr, int(FCreations.size()) - 1, Class};
}

// Name = Value, where Name may be dotted: Font.Color, Lines.Strings, Picture.Data.
void TTextReader::ReadProperty(const TTarget &Target) {
    const int Line = FToken.Line;
    QString Name = ExpectIdentifier("property name");
    while (IsSymbol('.')) {
        Advance();
        Name += QLatin1Char('.') + ExpectIdentifier("property name");
    }
    ExpectSymbol('=');
    const QString Base = Name.section(QLatin1Char('.'), 0, 0);
    const QString Sub = Name.section(QLatin1Char('.'), 1);
    const std::optional<QMetaProperty> P = FindProperty(*Target.Class, Base.toLatin1());
    const TValueKind Kind = P ? KindOf(*P) : TValueKind::Unsupported;
    const bool IsLink = P && (P->metaType().flags() & QMetaType::PointerToQObject);
    if (!P || !(IsLink ? Sub.isEmpty() : TakesSubProperty(Kind, Sub)))
        Fail(Line,
             QStringLiteral("unknown property '%1' of %2").arg(Name, TargetClassName(Target)));

    if (qsizetype(FAssignments.size()) >= KMaxComponentAssignments)
        Fail(Line, QStringLiteral("more than %1 property values").arg(KMaxComponentAssignments));
    FPropertyName = Name;
    FValueLine = FToken.Line;
    TAssignment Assignment;
    Assignment.Target = Target.Object;
    Assignment.Created = Target.Created;
    Assignment.Property = *P;
    if (IsLink) {
        // "nil" clears the link; any other name is looked up once the whole text is read.
        Assignment.IsReference = true;
        const QString Linked = ExpectIdentifier("component name");
        if (Linked.compare(QLatin1String("nil"), Qt::CaseInsensitive) != 0)
            FReferences.push_back(
                {qsizetype(FAssignments.size()), Linked, P->metaType().metaObject(), FValueLine});
    } else if (Kind == TValueKind::Font)
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
    // Made inside the scope, so each gets its Loaded() with the others at the end.
    std::vector<QPointer<QObject>> Created;
    Created.reserve(FCreations.size());
    for (const TCreation &C : FCreations) {
        QObject *Owner = C.CreatedOwner >= 0 ? Created[C.CreatedOwner].data() : C.Owner.data();
        QObject *Component = Owner ? CreateComponent(C.ClassName, Owner) : nullptr;
        if (Component)
            Component->setObjectName(C.Name);
        Created.emplace_back(Component);
    }
    for (const TAssignment &A : FAssignments) {
        QObject *Target = A.Created >= 0 ? Created[A.Created].data() : A.Target.data();
        if (!Target) // destroyed before the values were applied
            continue;
        if (A.IsReference) {
            QObject *Linked = A.ReferencedCreated >= 0 ? Created[A.ReferencedCreated].data()
                                                       : A.Referenced.data();
            QVariant Value = QVariant::fromValue(Linked);
            Value.convert(A.Property.metaType());
            A.Property.write(Target, Value);
        } else if (A.FontField) {
            TFont Font = A.Property.read(Target).value<TFont>();
            A.FontField(Font);
            A.Property.write(Target, QVariant::fromValue(Font));
        } else {
            A.Property.write(Target, A.Value);
        }
    }
}
} // namespace ComponentText

} // namespace Vex
