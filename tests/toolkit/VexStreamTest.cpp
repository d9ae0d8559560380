#include "toolkit/VexStream.h"

#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexCompression.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <zlib.h>

namespace Vex {

class TFileProbe : public QObject, public TVexComponent {
    Q_OBJECT
public:
    enum TStyle : uint8_t { stFlat, stRaised };
    Q_ENUM(TStyle)

private:
    Q_PROPERTY(int Left MEMBER Left)
    Q_PROPERTY(float Float MEMBER Float)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(bool Indexed MEMBER Indexed)
    Q_PROPERTY(TStyle Style MEMBER Style)
    Q_PROPERTY(TColor Color MEMBER Color)
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(TFont Font MEMBER Font)
    Q_PROPERTY(QImage Picture MEMBER Picture)

public:
    int Left = 0;
    float Float = 0;
    double Ratio = 0;
    bool Indexed = false;
    TStyle Style = stFlat;
    TColor Color = clBlack;
    QString Caption;
    QStringList Lines;
    TFont Font;
    QImage Picture;
    int LoadedCount = 0;

protected:
    void Loaded() override {
        TVexComponent::Loaded();
        ++LoadedCount;
    }
};

namespace {
void Fill(TFileProbe &P) {
    P.setObjectName(QStringLiteral("Gauge1"));
    P.Left = -12;
    P.Float = 37.25f;
    P.Ratio = 1.0 / 3.0;
    P.Indexed = true;
    P.Style = TFileProbe::stRaised;
    P.Color = clBtnFace;
    P.Caption = QStringLiteral("say 'hi'\r\n\u00E9\u2126");
    P.Lines = {QStringLiteral("one"), QString(), QStringLiteral("it's")};
    P.Font.Name = QStringLiteral("Arial");
    P.Font.Style = fsItalic;
    P.Font.Height = -20;
    P.Picture = QImage(3, 2, QImage::Format_RGB32);
    P.Picture.fill(qRgb(10, 200, 30));
}

void ExpectSameValues(const TFileProbe &A, const TFileProbe &B) {
    EXPECT_EQ(A.Left, B.Left);
    EXPECT_EQ(A.Float, B.Float);
    EXPECT_EQ(A.Ratio, B.Ratio);
    EXPECT_EQ(A.Indexed, B.Indexed);
    EXPECT_EQ(A.Style, B.Style);
    EXPECT_EQ(A.Color, B.Color);
    EXPECT_EQ(A.Caption, B.Caption);
    EXPECT_EQ(A.Lines, B.Lines);
    EXPECT_EQ(A.Font, B.Font);
    EXPECT_EQ(A.Picture.convertToFormat(QImage::Format_RGB32),
              B.Picture.convertToFormat(QImage::Format_RGB32));
}

QByteArray ReadAll(const QString &FileName) {
    QFile File(FileName);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly));
    return File.readAll();
}

void WriteAll(const QString &FileName, const QByteArray &Data) {
    QFile File(FileName);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Data);
}

// Loading FileName must fail with a message that starts with Prefix and leave the probe and
// its loading state untouched.
void ExpectLoadRefused(const QString &FileName, TVexStreamFormat Format, const QString &Prefix) {
    TFileProbe P;
    Fill(P);
    bool BeforeApplyCalled = false;
    try {
        LoadControlFromFile(P, FileName, Format, [&] { BeforeApplyCalled = true; });
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_TRUE(E.Message().startsWith(Prefix)) << E.Message().toStdString();
    }
    TFileProbe Untouched;
    Fill(Untouched);
    ExpectSameValues(P, Untouched);
    EXPECT_FALSE(BeforeApplyCalled);
    EXPECT_EQ(P.LoadedCount, 0);
}
} // namespace

TEST(FixFrameLines, HeaderAtColumnOneBecomesInlineAndNothingElseChanges) {
    QStringList Lines = {QStringLiteral("object GaugeFrame1: TVexGauge"),
                         QStringLiteral("  Left = 0"), QStringLiteral("  object Inner: TVexGauge"),
                         QStringLiteral("  end"), QStringLiteral("end")};
    QStringList Expected = Lines;
    Expected[0] = QStringLiteral("inline GaugeFrame1: TVexGauge");
    FixFrameLines(Lines);
    EXPECT_EQ(Lines, Expected);
}

TEST(FixFrameLines, IndentedFrameRunsUntilTheColumnBeforeItsKeywordIsNoSpace) {
    QStringList Lines = {QStringLiteral("object Page1: TPage"),
                         QStringLiteral("  object GaugeFrame1: TGaugeFrame"),
                         QStringLiteral("    object Gauge1: TVexGauge"),
                         QStringLiteral("      Caption = 'an object'"),
                         QStringLiteral("    end"),
                         QStringLiteral("  end"),
                         QStringLiteral("  object Button1: TVexButton"),
                         QStringLiteral("  end"),
                         QStringLiteral("end"),
                         QStringLiteral("object SkippedFrame: TFrame"),
                         QStringLiteral("object OtherFrame: TFrame"),
                         QStringLiteral("object LastFrame: TFrame")};
    FixFrameLines(Lines);
    const QStringList Expected = {
        QStringLiteral("object Page1: TPage"), QStringLiteral("  inline GaugeFrame1: TGaugeFrame"),
        QStringLiteral("    inherited Gauge1: TVexGauge"),
        // Values are never rewritten: only a header's leading keyword is.
        QStringLiteral("      Caption = 'an object'"), QStringLiteral("    end"),
        QStringLiteral("  end"),
        // The run goes on over siblings at the frame's own indentation.
        QStringLiteral("  inherited Button1: TVexButton"), QStringLiteral("  end"),
        QStringLiteral("end"),
        // The line after the one that ended the run is not examined.
        QStringLiteral("object SkippedFrame: TFrame"), QStringLiteral("inline OtherFrame: TFrame"),
        // Neither is the last line (here also skipped after a header).
        QStringLiteral("object LastFrame: TFrame")};
    EXPECT_EQ(Lines, Expected);

    QStringList Last = {QStringLiteral("Left = 0"), QStringLiteral("object LastFrame: TFrame")};
    FixFrameLines(Last);
    EXPECT_EQ(Last[1], QStringLiteral("object LastFrame: TFrame"));
}

TEST(FixFrameLines, RunsThatReachTheEndOrShortLinesStop) {
    QStringList Lines = {QStringLiteral("x"), QStringLiteral("  object AFrame: T"),
                         QStringLiteral("    object B: T")};
    FixFrameLines(Lines);
    EXPECT_EQ(Lines, QStringList({QStringLiteral("x"), QStringLiteral("  inline AFrame: T"),
                                  QStringLiteral("    inherited B: T")}));

    QStringList Short = {QStringLiteral("  inline AFrame: T"), QString(),
                         QStringLiteral("  object C: T"), QStringLiteral("end")};
    FixFrameLines(Short);
    EXPECT_EQ(Short[2], QStringLiteral("  object C: T"));

    QStringList Empty;
    FixFrameLines(Empty);
    EXPECT_TRUE(Empty.isEmpty());
}

TEST(ControlFile, RoundTripsAsTextAndCompressed) {
    QTemporaryDir Dir;
    TFileProbe Source;
    Fill(Source);
    for (const TVexStreamFormat Format : {sfText, sfCompressed}) {
        const QString FileName =
            Dir.filePath(QStringLiteral("gauge%1.TFileProbe").arg(int(Format)));
        SaveControlToFile(Source, FileName, Format);
        TFileProbe Copy;
        int BeforeApplyCalls = 0;
        LoadControlFromFile(Copy, FileName, Format, [&] { ++BeforeApplyCalls; });
        ExpectSameValues(Copy, Source);
        EXPECT_EQ(BeforeApplyCalls, 1);
        EXPECT_EQ(Copy.LoadedCount, 1);
    }
}

TEST(ControlFile, TextIsLatin1WithCrLfAndCompressedIsOneZlibStreamOfIt) {
    QTemporaryDir Dir;
    TFileProbe Source;
    Fill(Source);
    Source.setObjectName(QStringLiteral("GaugeFrame1"));
    const QString TextName = Dir.filePath(QStringLiteral("a.TFileProbe"));
    const QString PackedName = Dir.filePath(QStringLiteral("b.TFileProbe"));
    SaveControlToFile(Source, TextName, sfText);
    SaveControlToFile(Source, PackedName, sfCompressed);

    const QByteArray Text = ReadAll(TextName);
    EXPECT_TRUE(Text.startsWith("inline GaugeFrame1: TFileProbe\r\n  Left = -12\r\n"));
    EXPECT_TRUE(Text.endsWith("\r\nend\r\n"));
    EXPECT_EQ(Text.count("\r\n"), Text.count('\n'));
    EXPECT_TRUE(Text.contains("  Caption = 'say ''hi'''#13#10'\xE9'#8486\r\n"));

    const QByteArray Packed = ReadAll(PackedName);
    ASSERT_GE(Packed.size(), 2);
    EXPECT_EQ(uint8_t(Packed[0]), 0x78);
    EXPECT_EQ(uint8_t(Packed[1]), 0xDA);
    std::vector<Bytef> Plain(Text.size() + 1);
    uLongf PlainSize = Plain.size();
    ASSERT_EQ(uncompress(Plain.data(), &PlainSize, reinterpret_cast<const Bytef *>(Packed.data()),
                         Packed.size()),
              Z_OK);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(Plain.data()), PlainSize), Text);

    TFileProbe Copy;
    LoadControlFromFile(Copy, TextName, sfText);
    ExpectSameValues(Copy, Source);
}

TEST(ControlFile, FormatIsToldByTheFirstByte) {
    QTemporaryDir Dir;
    TFileProbe Source;
    Fill(Source);
    for (const TVexStreamFormat Format : {sfText, sfCompressed}) {
        const QString FileName = Dir.filePath(QStringLiteral("f%1.TFileProbe").arg(int(Format)));
        SaveControlToFile(Source, FileName, Format);
        EXPECT_EQ(DetectStreamFormat(ReadAll(FileName).left(1)), Format);
    }
    EXPECT_EQ(DetectStreamFormat(QByteArray()), sfText);
}

TEST(ControlFile, BytesInMemoryReadAsTheirFileWould) {
    TFileProbe Source;
    Fill(Source);
    QBuffer Packed;
    Packed.setData(WriteComponentText(Source).toLatin1());
    CompressStream(Packed);
    TFileProbe Copy;
    LoadControlFromData(Copy, Packed.data(), sfCompressed, QStringLiteral("clipboard"));
    ExpectSameValues(Copy, Source);
    EXPECT_EQ(Copy.LoadedCount, 1);
    try {
        LoadControlFromData(Copy, Packed.data().left(12), sfCompressed,
                            QStringLiteral("clipboard"));
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_EQ(E.Message(), QStringLiteral("clipboard: error"));
    }
}

TEST(ControlFile, BadFilesNameTheFileAndChangeNothing) {
    QTemporaryDir Dir;
    const QString Name = Dir.filePath(QStringLiteral("dial.TFileProbe"));

    WriteAll(Name, "object Gauge1: TFileProbe\r\n  Left = 1\r\n  Foo = 2\r\nend\r\n");
    ExpectLoadRefused(Name, sfText,
                      Name + QStringLiteral(", line 3: unknown property 'Foo' of TFileProbe"));
    WriteAll(Name, "object Gauge1: TFileProbe\r\n  Left = 1\r\n  Float = NaN\r\nend\r\n");
    ExpectLoadRefused(Name, sfText, Name + QStringLiteral(", line 3: bad value for 'Float'"));
    WriteAll(Name, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    ExpectLoadRefused(Name, sfText, Name + QStringLiteral(", line 1: "));

    TFileProbe Source;
    Fill(Source);
    SaveControlToFile(Source, Name, sfCompressed);
    const QByteArray Packed = ReadAll(Name);
    WriteAll(Name, Packed.left(Packed.size() - 5));
    ExpectLoadRefused(Name, sfCompressed, Name + QStringLiteral(": error"));
    QByteArray Flipped = Packed;
    Flipped[Flipped.size() / 2] = char(Flipped[Flipped.size() / 2] ^ 0xFF);
    WriteAll(Name, Flipped);
    ExpectLoadRefused(Name, sfCompressed, Name + QStringLiteral(": error"));
    // A text file is not a compressed one.
    SaveControlToFile(Source, Name, sfText);
    ExpectLoadRefused(Name, sfCompressed, Name + QStringLiteral(": error"));

    const QString Missing = Dir.filePath(QStringLiteral("missing.TFileProbe"));
    ExpectLoadRefused(Missing, sfText, Missing + QStringLiteral(": "));
    {
        QFile Huge(Name);
        ASSERT_TRUE(Huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(Huge.resize(KMaxControlFileSize + 1)); // sparse: nothing is written
    }
    ExpectLoadRefused(Name, sfText, Name + QStringLiteral(": the file is larger than 8 MiB"));
}

TEST(ControlFile, FailedSaveRaisesAndKeepsTheOldFile) {
    QTemporaryDir Dir;
    TFileProbe Source;
    Fill(Source);
    const QString Nowhere = Dir.filePath(QStringLiteral("no/such/dir/x.TFileProbe"));
    try {
        SaveControlToFile(Source, Nowhere, sfText);
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_TRUE(E.Message().startsWith(Nowhere + QStringLiteral(": ")))
            << E.Message().toStdString();
    }

    const QString Name = Dir.filePath(QStringLiteral("keep.TFileProbe"));
    SaveControlToFile(Source, Name, sfCompressed);
    const QByteArray Old = ReadAll(Name);
    Source.Ratio = NAN; // cannot be stored
    EXPECT_THROW(SaveControlToFile(Source, Name, sfCompressed), EVexError);
    EXPECT_EQ(ReadAll(Name), Old);
}

TEST(LoadJPEGResource, PresentMissingAndUndecodable) {
    const std::unique_ptr<QImage> Face = LoadJPEGResource(QStringLiteral("90"));
    ASSERT_TRUE(Face);
    EXPECT_EQ(Face->size(), QSize(8, 8));
    EXPECT_GT(qRed(Face->pixel(0, 0)), 150);

    EXPECT_FALSE(LoadJPEGResource(QStringLiteral("5000")));
    EXPECT_FALSE(LoadJPEGResource(QString()));
    EXPECT_FALSE(LoadJPEGResource(QStringLiteral("91"))); // a JPEG header and then garbage
    EXPECT_FALSE(LoadJPEGResource(QStringLiteral("92"))); // a PNG under a JPEG name
    EXPECT_FALSE(LoadJPEGResource(QStringLiteral("../faces/90")));
}

} // namespace Vex

#include "VexStreamTest.moc"
