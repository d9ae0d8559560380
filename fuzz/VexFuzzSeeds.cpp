// Writes the fuzz targets' seed corpora and the control-file dictionary, all made by the library
// itself: every class saved in its default state and customised (strings with quotes, line
// ends and characters beyond Latin-1, fonts, pictures), as text and compressed; a page holding
// every instrument; zlib streams of several kinds; numbers and pictures; LCD and dot-matrix
// settings. Run it again when a class gains or renames a property:
//   VexFuzzSeeds <source>/fuzz

#include "FuzzSupport.h"

#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/streaming/ComponentRegistry.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexCompression.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMetaEnum>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <zlib.h>

namespace Vex {

namespace {
using namespace ComponentText;

void WriteFile(const QString &Path, const QByteArray &Data) {
    QDir().mkpath(QFileInfo(Path).path());
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly) || File.write(Data) != Data.size() || !File.commit())
        Fail(Path + QStringLiteral(": ") + File.errorString());
}

QByteArray Compressed(const QByteArray &Data) {
    QBuffer Stream;
    Stream.setData(Data);
    CompressStream(Stream);
    return Stream.data();
}

// A control file as SaveControlToFile writes it: Latin-1 text, or that compressed.
void WriteControlFiles(const QString &Stem, const QObject &Component) {
    const QByteArray Text = WriteComponentText(Component).toLatin1();
    WriteFile(Stem + QStringLiteral(".txt"), Text);
    WriteFile(Stem + QStringLiteral(".z"), Compressed(Text));
}

QImage SmallPicture() {
    QImage Picture(6, 4, QImage::Format_RGB32);
    for (int Y = 0; Y < Picture.height(); ++Y)
        for (int X = 0; X < Picture.width(); ++X)
            Picture.setPixel(X, Y, qRgb(40 * X, 60 * Y, 128));
    return Picture;
}

// Gives every stored property of the texts, fonts, lists and pictures kinds a value that
// exercises the text form's escapes.
void Customise(QObject &Component) {
    for (const QMetaProperty &P : StreamedProperties(*Component.metaObject())) {
        const QByteArray Name = P.name();
        switch (KindOf(P)) {
        case TValueKind::String:
            P.write(&Component, Name.contains("Format")
                                    ? QStringLiteral("#,##0.0;'minus' 0.0;\"zero\"")
                                    : QStringLiteral("Oil 'pressure'\r\n%1 \u00B0C \u2713")
                                          .arg(QLatin1String(Name)));
            break;
        case TValueKind::StringList:
            P.write(&Component, QStringList{QStringLiteral("Low"), QStringLiteral("it's"),
                                            QString(), QStringLiteral("\u00C5\u00C4\u00D6")});
            break;
        case TValueKind::Font: {
            TFont Font = P.read(&Component).value<TFont>();
            Font.Name = QStringLiteral("Times New Roman");
            Font.Height = -17;
            Font.Style = fsBold | fsItalic;
            Font.Color = clRed;
            P.write(&Component, QVariant::fromValue(Font));
            break;
        }
        case TValueKind::Image:
            P.write(&Component, SmallPicture());
            break;
        default:
            break;
        }
    }
}

// The instrument's target name ("drum"), or the class name without its prefix ("texgen").
QString ShortName(const QString &Class) {
    for (const TInstrumentTarget &T : KInstrumentTargets)
        if (Class == QLatin1String(T.ClassName))
            return QLatin1String(T.Name);
    return Class.mid(4).toLower();
}

bool IsInstrument(const QString &Class) {
    return std::any_of(
        std::begin(KInstrumentTargets), std::end(KInstrumentTargets),
        [&](const TInstrumentTarget &T) { return Class == QLatin1String(T.ClassName); });
}

void WriteControlSeeds(const QString &Root) {
    QWidget Form;
    for (const QString &Class : RegisteredComponentClasses()) {
        const QString Name = ShortName(Class);
        const QString Own = Root + QStringLiteral("/control_") + Name + QLatin1Char('/');
        const QString Shared = Root + QStringLiteral("/control_reader/") + Name;
        std::unique_ptr<QObject> Component(MakeComponent(Class, &Form));
        for (const char *Variant : {"default", "custom"}) {
            if (qstrcmp(Variant, "custom") == 0)
                Customise(*Component);
            WriteControlFiles(Shared + QLatin1Char('-') + QLatin1String(Variant), *Component);
            if (IsInstrument(Class))
                WriteControlFiles(Own + QLatin1String(Variant), *Component);
        }
    }
}

// A page with every instrument side by side and one holding another, and a texture generator.
void WriteDescriptionSeeds(const QString &Root) {
    TFuzzPage Page;
    Page.Caption = QStringLiteral("Instruments");
    int Index = 0;
    for (const QString &Class : RegisteredComponentClasses()) {
        QObject *Component = MakeComponent(Class, &Page);
        Component->setObjectName(Class.mid(4) + QString::number(++Index));
    }
    QObject *Holder = Page.findChild<QWidget *>(QStringLiteral("Gauge4"));
    MakeComponent("TVexLCD", Holder)->setObjectName(QStringLiteral("Inner1"));
    WriteFile(Root + QStringLiteral("/description/page.txt"), WriteComponentText(Page).toLatin1());
}

QByteArray Deflated(const QByteArray &Data, int Level) {
    uLongf Size = compressBound(uLong(Data.size()));
    QByteArray Out(qsizetype(Size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(Out.data()), &Size,
                  reinterpret_cast<const Bytef *>(Data.constData()), uLong(Data.size()),
                  Level) != Z_OK)
        Fail(QStringLiteral("zlib cannot compress a seed"));
    Out.truncate(qsizetype(Size));
    return Out;
}

void WriteDecompressSeeds(const QString &Root) {
    const QString Dir = Root + QStringLiteral("/decompress/");
    QWidget Form;
    std::unique_ptr<QObject> Gauge(MakeComponent("TVexGauge", &Form));
    const QByteArray Text = WriteComponentText(*Gauge).toLatin1();
    for (const int Level : {0, 1, 6, 9})
        WriteFile(Dir + QStringLiteral("gauge-level%1.z").arg(Level), Deflated(Text, Level));
    WriteFile(Dir + QStringLiteral("empty.z"), Deflated(QByteArray(), 9));
    // Long runs: a small stream that inflates a lot.
    WriteFile(Dir + QStringLiteral("zeros.z"), Deflated(QByteArray(256 * 1024, '\0'), 9));
    QByteArray Bytes;
    for (int I = 0; I < 4096; ++I)
        Bytes.append(char(I * 7919 % 251));
    WriteFile(Dir + QStringLiteral("bytes.z"), Deflated(Bytes, 9));
}

void WriteFormatSeeds(const QString &Root) {
    const char *const Pictures[] = {"",
                                    "0",
                                    "0.00",
                                    "0.##",
                                    "#,##0.00",
                                    "0.0E+00",
                                    "0.###e-0000",
                                    "#,##0.00;(#,##0.00);'zero'",
                                    "\"$\"#,##0.00",
                                    "00000",
                                    "#.#",
                                    ";;",
                                    "0.0;-0.0",
                                    "##0.0 'km/h'"};
    const double Values[] = {0,
                             -0.0,
                             1,
                             -12.5,
                             2.675,
                             1234567.891,
                             1e308,
                             -4e-310,
                             3.4e38,
                             1e15,
                             0.0001,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
    int Index = 0;
    for (const char *Picture : Pictures)
        for (int I = 0; I < 3; ++I) {
            QByteArray Seed;
            PutField(Seed, Values[size_t(Index * 5 + I) % std::size(Values)]);
            PutField(Seed, uint8_t(Index % 2 == 0 ? 0x08 : 0x01)); // ". ," or ", ."
            Seed.append(Picture);
            WriteFile(Root + QStringLiteral("/format_float/%1-%2").arg(Index).arg(I), Seed);
            ++Index;
        }
}

void WriteLCDSeeds(const QString &Root) {
    struct TCase {
        float Value, CharWidth, SegmentWidth, LightIntensity, GradientRate;
        int32_t HMargin;
        uint16_t Width, Height;
        const char *Format;
    };
    const TCase Cases[] = {
        {0, 0.5f, 0.1f, 80, 2, 8, 180, 50, "0.00"},
        {-12.5f, 0.5f, 0.1f, 80, 2, 8, 180, 50, "0.00"},
        {3.14159f, 0.7f, 0.15f, 40, 1, 20, 200, 60, "0.000"},
        {1e30f, 0.4f, 0.08f, 120, 5, 0, 240, 40, "0"},
        {1234.5f, 0.5f, 0.1f, -30, 0.5f, 8, 150, 25, "#,##0.0"},
        {-0.001f, 0.5f, 0.1f, 80, 2, 8, 150, 30, "0.00E+00"},
    };
    int Index = 0;
    for (const TCase &C : Cases) {
        QByteArray Seed;
        for (const float F :
             {C.Value, C.CharWidth, C.SegmentWidth, C.LightIntensity, C.GradientRate})
            PutField(Seed, F);
        PutField(Seed, C.HMargin);
        PutField(Seed, C.Width);
        PutField(Seed, C.Height);
        Seed.append(C.Format);
        WriteFile(Root + QStringLiteral("/lcd_text/%1").arg(Index++), Seed);
    }
}

void WriteMatrixSeeds(const QString &Root) {
    struct TCase {
        float PixelWidth, PixelHeight, CharSpacing, PixelSpacing;
        int32_t LightBrightness;
        uint16_t Width;
        uint8_t Alignment;
        const char *Text; // UTF-8
    };
    const TCase Cases[] = {
        {3, 3, 3, 1, 50, 310, 0, "Hello 123"},
        {3, 8, 3, 1, 50, 314, 1, "987654"},
        {2, 2, 1, 0, -40, 400, 2, "\xC3\x85land \xC3\xA5\xC3\xA4\xC3\xB6 12:34!"},
        {3, 3, 3, 1, 0, 310, 0, ""},
        {4, 4, 0, 2, 255, 600, 1, "[{a}] #|\t ?@=/<>*%&$\"'"},
        {1.5f, 2.5f, 3.5f, 0.5f, 50, 200, 0, "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"},
    };
    int Index = 0;
    for (const TCase &C : Cases) {
        QByteArray Seed;
        for (const float F : {C.PixelWidth, C.PixelHeight, C.CharSpacing, C.PixelSpacing})
            PutField(Seed, F);
        PutField(Seed, C.LightBrightness);
        PutField(Seed, C.Width);
        PutField(Seed, C.Alignment);
        Seed.append(C.Text);
        WriteFile(Root + QStringLiteral("/matrix_text/%1").arg(Index++), Seed);
    }
}

// The words a control file is made of, for libFuzzer to splice in: keywords, class, property
// and enumeration names, colour and character set identifiers, and numbers at the limits.
QStringList DictionaryWords() {
    QStringList Words{
        QStringLiteral("object"),      QStringLiteral("inline"),      QStringLiteral("inherited"),
        QStringLiteral("end"),         QStringLiteral("True"),        QStringLiteral("False"),
        QStringLiteral("TFuzzPage"),   QStringLiteral(" = "),         QStringLiteral("#13#10"),
        QStringLiteral("''"),          QStringLiteral("fsBold"),      QStringLiteral("fsItalic"),
        QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut"), QStringLiteral("2147483647"),
        QStringLiteral("-2147483648"), QStringLiteral("4294967295"),  QStringLiteral("65535"),
        QStringLiteral("3.4E38"),      QStringLiteral("1E308"),       QStringLiteral("1E-45"),
        QStringLiteral("-1")};
    QWidget Form;
    for (const QString &Class : RegisteredComponentClasses()) {
        std::unique_ptr<QObject> Component(MakeComponent(Class, &Form));
        Words << Class;
        for (const QMetaProperty &P : StreamedProperties(*Component->metaObject())) {
            Words << QLatin1String(P.name());
            const QMetaEnum Enum = P.enumerator();
            for (int K = 0; Enum.isValid() && K < Enum.keyCount(); ++K)
                Words << QLatin1String(Enum.key(K));
        }
    }
    for (const char *Sub :
         {".Charset", ".Color", ".Height", ".Name", ".Style", ".Strings", ".Data"})
        Words << QLatin1String(Sub);
    for (uint32_t System = 0x80000000u; System < 0x80000040u; ++System)
        if (const std::optional<QString> Ident = ColorToIdent(System))
            Words << *Ident;
    for (const TColor Named :
         {0x000000u, 0x000080u, 0x008000u, 0x008080u, 0x800000u, 0x800080u, 0x808000u, 0x808080u,
          0xC0C0C0u, 0x0000FFu, 0x00FF00u, 0x00FFFFu, 0xFF0000u, 0xFF00FFu, 0xFFFF00u, 0xFFFFFFu,
          0x1FFFFFFFu, 0x20000000u})
        if (const std::optional<QString> Ident = ColorToIdent(Named))
            Words << *Ident;
    for (int Charset = 0; Charset < 256; ++Charset) {
        const QString Ident = TFont::CharsetToIdent(uint8_t(Charset));
        if (!Ident.front().isDigit())
            Words << Ident;
    }
    Words.removeDuplicates();
    return Words;
}

void WriteDictionary(const QString &Path) {
    QByteArray Out = "# Words of the control-file text, written by VexFuzzSeeds.\n";
    for (const QString &Word : DictionaryWords()) {
        QByteArray Quoted;
        for (const char C : Word.toLatin1())
            Quoted += C == '"' || C == '\\' ? QByteArray("\\") + C : QByteArray(1, C);
        Out += '"' + Quoted + "\"\n";
    }
    WriteFile(Path, Out);
}
} // namespace

} // namespace Vex

int main(int Argc, char **Argv) {
    if (Argc != 2) {
        std::fprintf(stderr, "usage: VexFuzzSeeds <source>/fuzz\n");
        return 2;
    }
    Vex::StartFuzzApplication();
    const QString Fuzz = QString::fromLocal8Bit(Argv[1]);
    const QString Corpus = Fuzz + QStringLiteral("/corpus");
    QDir(Corpus).removeRecursively();
    Vex::WriteControlSeeds(Corpus);
    Vex::WriteDescriptionSeeds(Corpus);
    Vex::WriteDecompressSeeds(Corpus);
    Vex::WriteFormatSeeds(Corpus);
    Vex::WriteLCDSeeds(Corpus);
    Vex::WriteMatrixSeeds(Corpus);
    Vex::WriteDictionary(Fuzz + QStringLiteral("/control.dict"));
    return 0;
}
