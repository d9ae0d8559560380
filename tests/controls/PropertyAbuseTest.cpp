// Every writable property of every registered class, written through the meta-object system as a
// form loader or a script would write it, with the values a damaged file or a careless caller
// brings: NaN, infinities, the ends of every range, negative and huge sizes, out-of-range
// enumerators, empty and very long text. After each the control is painted and run for a few
// frames; refused values must leave the old value, clamped ones must lie between the old value
// and the one asked for, and the control's file must still be written and read back.

#include "controls/ControlClasses.h"
#include "framework/VexGraphicControl.h"
#include "framework/VexVBlankTimer.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentRegistry.h"
#include "platform/streaming/ComponentStream.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMetaProperty>
#include <QWidget>
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

#include "StoredValues.h"

namespace Vex {

namespace {
using ComponentText::TValueKind;

constexpr double KInf = std::numeric_limits<double>::infinity();
constexpr double KNaN = std::numeric_limits<double>::quiet_NaN();
// Frames run after each write: the spring, typing and fading animations take the new value.
constexpr int KFrames = 5;
// What one case may add to the process's peak resident memory. The largest control the base
// allows (8192 x 2048) keeps a double-size surface of 256 MiB; anything beyond that and its
// picture is a surface the control never needed.
constexpr qint64 KMaxCaseGrowthKiB = 448 * 1024;

// The peak resident memory since the last reset, in KiB (VmHWM), and its reset.
qint64 PeakResidentKiB() {
    QFile Status(QStringLiteral("/proc/self/status"));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &Line : Status.readAll().split('\n'))
        if (Line.startsWith("VmHWM:"))
            return Line.mid(6).trimmed().split(' ').front().toLongLong();
    return 0;
}

void ResetPeakResident() {
    QFile ClearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (ClearRefs.open(QIODevice::WriteOnly))
        ClearRefs.write("5");
}

std::vector<std::string> AbusedClasses() {
    RegisterControlClasses();
    std::vector<std::string> Names;
    for (const QString &Name : RegisteredComponentClasses())
        Names.push_back(Name.toStdString());
    return Names;
}

TFont FontWith(int Height, const QString &Name, TFontStyles Style, uint8_t Charset) {
    TFont F;
    F.Height = Height;
    F.Name = Name;
    F.Style = Style;
    F.Charset = Charset;
    return F;
}

QList<QVariant> AbusesOf(TValueKind Kind) {
    const QString Long(100000, QLatin1Char('8'));
    switch (Kind) {
    case TValueKind::Integer:
        return {INT_MIN, INT_MAX, -1, 0, -1000000, 1000000, 65536};
    case TValueKind::Color:
        return {0xFFFFFFFFu, 0x80000000u, 0x800000FFu, 0x80FFFFFFu, 0x00FFFFFFu};
    case TValueKind::Single:
    case TValueKind::Double:
        return {KNaN,   KInf, -KInf, 1e308, -1e308, double(FLT_MAX), -double(FLT_MAX), 1e-45,
                -1e-45, 0.0,  -1.0,  1e9,   -1e9};
    case TValueKind::Bool:
        return {true, false};
    case TValueKind::Enum:
        return {-1, 1000, INT_MIN, INT_MAX};
    case TValueKind::String:
        return {QString(), Long, QString(100000, QLatin1Char('0')) + QStringLiteral(".#E+0;;"),
                QStringLiteral("#,##0.00;-#;\"zero\"")};
    case TValueKind::StringList:
        return {QStringList(), QStringList{QString()}, QStringList{Long},
                QStringList(10000, QStringLiteral("Item"))};
    case TValueKind::Font:
        return {QVariant::fromValue(FontWith(INT_MIN, QStringLiteral("Arial"), 0, 0)),
                QVariant::fromValue(FontWith(INT_MAX, QStringLiteral("Arial"), 0xFF, 0)),
                QVariant::fromValue(FontWith(0, QString(), 0, SYMBOL_CHARSET)),
                QVariant::fromValue(FontWith(-2000, Long, fsItalic | fsBold, OEM_CHARSET))};
    case TValueKind::Image:
        return {QImage(), QImage(1, 1, QImage::Format_RGB32),
                QImage(TBitmap::MaxDimension + 1, 1, QImage::Format_RGB32),
                QImage(1, 4096, QImage::Format_ARGB32)};
    case TValueKind::Flags:
    case TValueKind::Unsupported:
        break;
    }
    return {};
}

// The writable properties of Class that callers and files may set, links to other components
// left out.
std::vector<QMetaProperty> AbusedProperties(const QMetaObject &Class) {
    std::vector<QMetaProperty> Properties;
    for (int I = 0; I < Class.propertyCount(); ++I) {
        const std::optional<QMetaProperty> P =
            ComponentText::FindDescribedProperty(Class, Class.property(I).name());
        if (P && !(P->metaType().flags() & QMetaType::PointerToQObject) && P->propertyIndex() == I)
            Properties.push_back(*P);
    }
    return Properties;
}

// The value as the property's setter receives it: a double written to a float property arrives
// as a float (1e308 as infinity).
double AsReceived(const QMetaProperty &P, const QVariant &Value) {
    return P.metaType().id() == QMetaType::Float ? double(Value.toFloat()) : Value.toDouble();
}

// The control after each write: what it holds must follow the refusal rules.
void CheckValue(const QMetaProperty &P, TValueKind Kind, const QVariant &Old, const QVariant &Asked,
                const QVariant &Now) {
    switch (Kind) {
    case TValueKind::Integer:
    case TValueKind::Single:
    case TValueKind::Double: {
        const double O = Old.toDouble(), A = AsReceived(P, Asked), N = Now.toDouble();
        if (!std::isfinite(A)) {
            EXPECT_EQ(N, O) << "a value that is not finite is refused";
            break;
        }
        EXPECT_TRUE(std::isfinite(N));
        // Refused (the old value), taken, or clamped toward the value asked for.
        EXPECT_GE(N, std::min(O, A));
        EXPECT_LE(N, std::max(O, A));
        break;
    }
    case TValueKind::Enum: {
        EXPECT_NE(P.enumerator().valueToKey(Now.toInt()), nullptr) << "not an enumerator";
        if (!P.enumerator().valueToKey(Asked.toInt())) {
            EXPECT_EQ(Now.toInt(), Old.toInt()) << "an unknown enumerator is refused";
        }
        break;
    }
    default:
        break;
    }
}

bool Is(const QObject &Control, const char *Class, const QMetaProperty &P, const char *Name) {
    return ComponentText::ClassNameOf(Control) == QLatin1String(Class) &&
           qstrcmp(P.name(), Name) == 0;
}

// Properties whose setters turn a value into another by rule rather than refusing or clamping:
// the gauge keeps its angles modulo 360.
bool Transforms(const QObject &Control, const QMetaProperty &P) {
    return Is(Control, "TVexGauge", P, "MinAngle") || Is(Control, "TVexGauge", P, "MaxAngle");
}

// The needle instruments' value clamps everything to its range, infinities included, and takes
// NaN as below the range: nothing that is not finite is stored.
void CheckClampedValue(const QObject &Control, const QMetaProperty &P, const QVariant &Asked,
                       const QVariant &Now) {
    const double A = AsReceived(P, Asked), N = Now.toDouble();
    const double Min = Control.property("Min").toDouble(), Max = Control.property("Max").toDouble();
    EXPECT_EQ(N, std::isnan(A) ? Min : std::clamp(A, Min, Max));
}

// Lines a file read back sets by rule rather than from their own line: the dot matrix's height
// follows its dot sizes, the label's its text, and the gauge's outline its face.
bool DerivedOnReading(const QObject &Control, const QString &Line) {
    const QString Class = ComponentText::ClassNameOf(Control);
    return (Class == QLatin1String("TVexMatrix") && Line.startsWith(QLatin1String("  Height ="))) ||
           (Class == QLatin1String("TVexDBLabel") &&
            Line.startsWith(QLatin1String("  Height ="))) ||
           (Class == QLatin1String("TVexGauge") && Line.startsWith(QLatin1String("  Circular =")));
}

// The stored values as one text, which a failed comparison shows line by line.
std::string StoredText(const QObject &Control) {
    QStringList Lines = StoredValues(Control);
    Lines.removeIf([&](const QString &Line) { return DerivedOnReading(Control, Line); });
    return Lines.join(QLatin1Char('\n')).left(4000).toStdString();
}

struct TCaseTime {
    QString Case;
    double Milliseconds = 0;
};

class PropertyAbuse : public ::testing::TestWithParam<std::string> {
protected:
    // A fresh control of the class under test on its own form, painted once.
    std::unique_ptr<QObject> NewControl() {
        std::unique_ptr<QObject> Control(
            CreateComponent(QString::fromStdString(GetParam()), &FForm));
        if (auto *W = qobject_cast<QWidget *>(Control.get()))
            W->grab();
        return Control;
    }

    void Exercise(QObject &Control) {
        auto *W = qobject_cast<QWidget *>(&Control);
        if (!W)
            return;
        W->grab();
        for (int I = 0; I < KFrames; ++I)
            if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
                Timer->Tick();
        W->grab();
    }

    // Writes each abuse of P into a fresh control, checking the rules after each, then checks
    // that the abused control's file reads back into another one unchanged.
    void AbuseProperty(const QMetaProperty &P) {
        const TValueKind Kind = ComponentText::KindOf(P);
        const std::unique_ptr<QObject> Control = NewControl();
        const QList<QVariant> Abuses = AbusesOf(Kind);
        for (qsizetype I = 0; I < Abuses.size(); ++I) {
            const QVariant &Value = Abuses[I];
            const QString Case = QStringLiteral("%1 #%2 (%3)")
                                     .arg(QLatin1String(P.name()))
                                     .arg(I)
                                     .arg(Value.toString().left(24));
            SCOPED_TRACE(Case.toStdString());
            const qint64 Before = PeakResidentKiB();
            ResetPeakResident();
            QElapsedTimer Clock;
            Clock.start();
            const QVariant Old = P.read(Control.get());
            P.write(Control.get(), Value);
            const QVariant Now = P.read(Control.get());
            if (qstrcmp(P.name(), "Float") == 0 && Control->inherits("Vex::TVexMeter"))
                CheckClampedValue(*Control, P, Value, Now);
            else if (!Transforms(*Control, P))
                CheckValue(P, Kind, Old, Value, Now);
            Exercise(*Control);
            FTimes.push_back({Case, Clock.nsecsElapsed() / 1e6});
            EXPECT_LT(PeakResidentKiB() - Before, KMaxCaseGrowthKiB) << "a huge allocation";
            CheckRange(*Control);
        }
        CheckFileRoundTrip(*Control, P);
    }

    // A control with a range keeps Min at or below Max whatever was written; but the drum takes
    // Min as it comes (files store it before Max) and shows no scale while it lies above Max.
    void CheckRange(const QObject &Control) {
        const QVariant Min = Control.property("Min"), Max = Control.property("Max");
        if (Min.isValid() && Max.isValid() &&
            ComponentText::ClassNameOf(Control) != QLatin1String("TVexCylinderGauge")) {
            EXPECT_LE(Min.toDouble(), Max.toDouble());
        }
    }

    void CheckFileRoundTrip(const QObject &Control, const QMetaProperty &P) {
        SCOPED_TRACE(std::string("file after abusing ") + P.name());
        QString Text;
        ASSERT_NO_THROW(Text = WriteComponentText(Control));
        QWidget OtherForm;
        const std::unique_ptr<QObject> Copy(
            CreateComponent(QString::fromStdString(GetParam()), &OtherForm));
        ASSERT_NO_THROW(ReadComponentText(*Copy, Text, QStringLiteral("abused")));
        EXPECT_EQ(StoredText(*Copy), StoredText(Control));
    }

    QWidget FForm;
    std::vector<TCaseTime> FTimes;
};

} // namespace

TEST_P(PropertyAbuse, BadValuesAreRefusedOrClampedAndTheControlStillPaintsAndSaves) {
    const QMetaObject *Class = ComponentClass(QString::fromStdString(GetParam()));
    ASSERT_NE(Class, nullptr);
    FForm.resize(400, 400);
    const std::vector<QMetaProperty> Properties = AbusedProperties(*Class);
    ASSERT_FALSE(Properties.empty());
    for (const QMetaProperty &P : Properties)
        AbuseProperty(P);
    // The slowest cases, for whoever looks at the output: no case should take long.
    std::sort(FTimes.begin(), FTimes.end(), [](const TCaseTime &A, const TCaseTime &B) {
        return A.Milliseconds > B.Milliseconds;
    });
    for (size_t I = 0; I < std::min<size_t>(3, FTimes.size()); ++I)
        std::printf("slowest: %s %.1f ms\n", qPrintable(FTimes[I].Case), FTimes[I].Milliseconds);
}

INSTANTIATE_TEST_SUITE_P(EveryRegisteredClass, PropertyAbuse, ::testing::ValuesIn(AbusedClasses()),
                         [](const ::testing::TestParamInfo<std::string> &Info) {
                             return Info.param;
                         });

} // namespace Vex
