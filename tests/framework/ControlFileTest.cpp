#include "framework/VexAngularMeter.h"
#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"

#include <QFile>
#include <QMetaProperty>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "StoredValues.h"

namespace Vex {

namespace {
// Every stored property of the meter chain, as text, for comparing two controls.
void Customise(TVexAngularMeter &M) {
    M.SetBounds(12, 34, 150, 120);
    M.SetMax(250);
    M.SetMin(-50);
    M.SetFloat(42.7f);
    M.SetInertia(80);
    M.SetStabilizationTime(25);
    M.SetOrigoX(-7);
    M.SetOrigoY(9);
    M.SetMinAngle(225);
    M.SetMaxAngle(-45);
    M.SetAllowInput(false);
    M.SetMouseInputType(TVexGraphicControl::mitDragY);
    M.SetHint(QStringLiteral("Oil 'pressure'"));
}
} // namespace

TEST(ControlFile, AngularMeterRoundTripsAsTextAndCompressed) {
    QTemporaryDir Dir;
    QWidget Form;
    TVexAngularMeter Source(&Form);
    Customise(Source);
    for (const TVexStreamFormat Format : {sfText, sfCompressed}) {
        const QString File = Dir.filePath(QStringLiteral("m%1.TVexAngularMeter").arg(int(Format)));
        Source.SaveToFile(File, Format);
        TVexAngularMeter Copy(&Form);
        Copy.LoadFromFile(File, Format);
        EXPECT_EQ(StoredValues(Copy), StoredValues(Source));
        EXPECT_FALSE(Copy.IsLoading());
    }
}

TEST(ControlFile, TextFollowsTheStreamingOrder) {
    QWidget Form;
    TVexAngularMeter M(&Form);
    const QString Text = WriteComponentText(M);
    const char *Order[] = {
        "Left",  "MouseInputType", "AllowInput",        "Indexed", "Max",      "Min",
        "Float", "Inertia",        "StabilizationTime", "OrigoX",  "MinAngle", "MaxAngle"};
    qsizetype Last = -1;
    for (const char *Name : Order) {
        const qsizetype At = Text.indexOf(QStringLiteral("  %1 = ").arg(QLatin1String(Name)));
        ASSERT_GT(At, Last) << Name;
        Last = At;
    }
}

TEST(ControlFile, LoadingOrderDecidesTheRange) {
    QWidget Form;
    TVexMeter M(&Form);
    // Max comes before Min: -5 is not above the old Min 0, so Max stays 100.
    ReadComponentText(M,
                      QStringLiteral("object M: TVexMeter\r\n  Max = -5\r\n  Min = -10\r\nend\r\n"),
                      QStringLiteral("range.TVexMeter"));
    EXPECT_EQ(M.Min(), -10.0f);
    EXPECT_EQ(M.Max(), 100.0f);
    // A stored Indexed = True resets Min and Float and loads the fixed factors; Inertia and
    // StabilizationTime read afterwards set theirs again.
    ReadComponentText(M,
                      QStringLiteral("object M: TVexMeter\r\n  Indexed = True\r\n  Float = 7\r\n"
                                     "  Inertia = 50\r\n  StabilizationTime = 500\r\nend\r\n"),
                      QStringLiteral("indexed.TVexMeter"));
    EXPECT_TRUE(M.Indexed());
    EXPECT_EQ(M.Min(), 0.0f);
    EXPECT_EQ(M.Float(), 7.0f);
    M.FrameTick();
    // K = 0.5, S = 0.5: the first step moves half the error.
    EXPECT_FLOAT_EQ(M.DisplayValue(), 3.5f * 0.5f);
}

TEST(ControlFile, BadFileLeavesTheControlExactlyAsItWas) {
    QTemporaryDir Dir;
    QWidget Form;
    TVexAngularMeter M(&Form);
    Customise(M);
    const QStringList Before = StoredValues(M);
    const QString File = Dir.filePath(QStringLiteral("bad.TVexAngularMeter"));
    const QByteArray Bad[] = {
        "object M: TVexAngularMeter\r\n  Max = 10\r\n  Nonsense = 3\r\nend\r\n",
        "object M: TVexAngularMeter\r\n  Max = 10\r\n  Float = NAN\r\nend\r\n",
        "object M: TVexAngularMeter\r\n  Max = 'ten'\r\nend\r\n",
        "object M: TVexGauge\r\n  Max = 10\r\nend\r\n",
        "object M: TVexAngularMeter\r\n  Max = 10\r\n",
        "\x01\x02garbage",
    };
    for (const QByteArray &Content : Bad) {
        QFile F(File);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Content);
        F.close();
        try {
            M.LoadFromFile(File, sfText);
            ADD_FAILURE() << "accepted: " << Content.constData();
        } catch (const EVexError &E) {
            EXPECT_TRUE(E.Message().startsWith(File)) << E.Message().toStdString();
        }
        EXPECT_EQ(StoredValues(M), Before) << Content.constData();
    }
    // The message says where and what: an unknown property on line 3.
    QFile F(File);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
    F.write(Bad[0]);
    F.close();
    try {
        M.LoadFromFile(File, sfText);
    } catch (const EVexError &E) {
        EXPECT_TRUE(E.Message().startsWith(File + QStringLiteral(", line 3: ")))
            << E.Message().toStdString();
        EXPECT_TRUE(E.Message().contains(QStringLiteral("Nonsense")));
    }
    // Not compressed data at all.
    EXPECT_THROW(M.LoadFromFile(File, sfCompressed), EVexError);
    EXPECT_THROW(M.LoadFromFile(Dir.filePath(QStringLiteral("missing")), sfText), EVexError);
    EXPECT_EQ(StoredValues(M), Before);
}

} // namespace Vex
