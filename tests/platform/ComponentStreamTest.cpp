#include "platform/streaming/ComponentStream.h"

#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"

#include <QBuffer>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace Vex {

// A component base with one setter that notes the loading state, a property that is not
// stored and one that cannot be written.
class TProbeBase : public QObject, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Hidden MEMBER FHidden STORED false)
    Q_PROPERTY(int Count READ Count)

public:
    int Left() const { return FLeft; }
    void SetLeft(int Value) {
        FLeft = Value;
        LeftSetWhileLoading = IsLoading();
        ++SetterCalls;
    }
    int Count() const { return 0; }

    int FHidden = 0;
    int LoadedCount = 0;
    int SetterCalls = 0;
    bool LeftSetWhileLoading = false;

protected:
    void Loaded() override {
        TVexComponent::Loaded();
        ++LoadedCount;
    }

private:
    int FLeft = 0;
};

class TProbe : public TProbeBase {
    Q_OBJECT
public:
    enum TNeedle : uint8_t { ndLine, ndArrow, ndTriangle };
    Q_ENUM(TNeedle)
    enum TOption { opTicks = 1, opLabels = 2, opShadow = 4 };
    Q_DECLARE_FLAGS(TOptions, TOption)
    Q_FLAG(TOptions)

private:
    Q_PROPERTY(float Float MEMBER Float)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(bool Indexed MEMBER Indexed)
    Q_PROPERTY(TNeedle Needle MEMBER Needle)
    Q_PROPERTY(TOptions Options READ GetOptions WRITE SetOptions)
    Q_PROPERTY(TColor Color MEMBER Color)
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(TFont Font MEMBER Font)
    Q_PROPERTY(QImage Picture MEMBER Picture)
    Q_PROPERTY(qint16 Small MEMBER Small)

public:
    TOptions GetOptions() const { return Options; }
    void SetOptions(TOptions Value) { Options = Value; }

    float Float = 0;
    double Ratio = 0;
    bool Indexed = false;
    TNeedle Needle = ndLine;
    TOptions Options;
    TColor Color = clBlack;
    QString Caption;
    QStringList Lines;
    TFont Font;
    QImage Picture;
    qint16 Small = 0;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TProbe::TOptions)

// A class with a property of a type control files do not hold.
class TOddProbe : public QObject {
    Q_OBJECT
    Q_PROPERTY(QPoint Where MEMBER Where)
public:
    QPoint Where;
};

namespace {
const QString KSource = QStringLiteral("dial.TProbe");

void Fill(TProbe &P) {
    P.setObjectName(QStringLiteral("Probe1"));
    P.SetLeft(3);
    P.Float = 0.1f;
    P.Ratio = -2.5;
    P.Indexed = true;
    P.Needle = TProbe::ndArrow;
    P.Options = TProbe::opTicks | TProbe::opShadow;
    P.Color = clRed;
    P.Caption = QStringLiteral("it's\r\n\u03A9\u00E9");
    P.Lines = {QStringLiteral("a"), QStringLiteral("b c")};
    P.Small = -7;
}

QImage SamplePicture() {
    QImage Image(40, 3, QImage::Format_RGB32);
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            Image.setPixel(X, Y, qRgb(X * 6, Y * 80, (X * Y) % 256));
    return Image;
}

QString Join(const QStringList &Lines) {
    return Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Expects Text to be refused with a message naming the source and Line, and the probe to be
// left exactly as it was.
void ExpectRefused(const QString &Text, int Line, const QString &Fragment) {
    SCOPED_TRACE(Text.left(200).toStdString());
    TProbe P;
    Fill(P);
    const QString Before = WriteComponentText(P);
    const int SetterCalls = P.SetterCalls;
    bool BeforeApplyCalled = false;
    try {
        ReadComponentText(P, Text, KSource, [&] { BeforeApplyCalled = true; });
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        const QString Prefix = KSource + QStringLiteral(", line %1: ").arg(Line);
        EXPECT_TRUE(E.Message().startsWith(Prefix)) << E.Message().toStdString();
        EXPECT_TRUE(E.Message().contains(Fragment)) << E.Message().toStdString();
    }
    EXPECT_FALSE(BeforeApplyCalled);
    EXPECT_EQ(WriteComponentText(P), Before);
    EXPECT_EQ(P.SetterCalls, SetterCalls);
    EXPECT_EQ(P.LoadedCount, 0);
}
} // namespace

TEST(ComponentStream, WritesPublishedPropertiesInStreamingOrder) {
    TProbe P;
    Fill(P);
    P.FHidden = 9;
    const QString Expected = Join({
        QStringLiteral("object Probe1: TProbe"),
        QStringLiteral("  Left = 3"),
        QStringLiteral("  Float = 0.1"),
        QStringLiteral("  Ratio = -2.5"),
        QStringLiteral("  Indexed = True"),
        QStringLiteral("  Needle = ndArrow"),
        QStringLiteral("  Options = [opTicks,opShadow]"),
        QStringLiteral("  Color = clRed"),
        QStringLiteral("  Caption = 'it''s'#13#10#937'\u00E9'"),
        QStringLiteral("  Lines.Strings = ("),
        QStringLiteral("    'a'"),
        QStringLiteral("    'b c')"),
        QStringLiteral("  Font.Charset = DEFAULT_CHARSET"),
        QStringLiteral("  Font.Color = clWindowText"),
        QStringLiteral("  Font.Height = -11"),
        QStringLiteral("  Font.Name = 'MS Sans Serif'"),
        QStringLiteral("  Font.Style = []"),
        QStringLiteral("  Picture.Data = {}"),
        QStringLiteral("  Small = -7"),
        QStringLiteral("end"),
    });
    EXPECT_EQ(WriteComponentText(P), Expected);
}

TEST(ComponentStream, WritesPicturesAsPngHexLinesAndChildrenAsBlocks) {
    TProbe P;
    P.Picture = SamplePicture();
    TProbeBase Child;
    Child.setObjectName(QStringLiteral("Inner"));
    Child.setParent(&P);
    QObject Plain(&P); // not a component: not written
    Plain.setObjectName(QStringLiteral("Plain"));
    TProbeBase Unnamed;
    Unnamed.setParent(&P);

    const QStringList Lines = WriteComponentText(P).split(QStringLiteral("\r\n"));
    EXPECT_EQ(Lines[0], QStringLiteral("object TProbe"));
    const qsizetype Start = Lines.indexOf(QStringLiteral("  Picture.Data = {"));
    ASSERT_GE(Start, 0);
    QByteArray Hex;
    qsizetype I = Start + 1;
    for (; !Lines[I].endsWith(QLatin1Char('}')); ++I) {
        EXPECT_EQ(Lines[I].size(), 4 + 64);
        Hex += Lines[I].trimmed().toLatin1();
    }
    Hex += Lines[I].trimmed().chopped(1).toLatin1();
    const QImage Decoded = QImage::fromData(QByteArray::fromHex(Hex), "PNG");
    EXPECT_EQ(Decoded.convertToFormat(QImage::Format_RGB32), SamplePicture());

    EXPECT_EQ(
        Lines.mid(Lines.size() - 5),
        QStringList({QStringLiteral("  object Inner: TProbeBase"), QStringLiteral("    Left = 0"),
                     QStringLiteral("  end"), QStringLiteral("end"), QString()}));
}

TEST(ComponentStream, RoundTripKeepsEveryValueKind) {
    TProbe Source;
    Fill(Source);
    Source.SetLeft(INT_MIN);
    Source.Float = 1e-7f;
    Source.Ratio = 0.1 + 0.2;
    Source.Options = {};
    Source.Color = 0x00123456; // no name: written as a number
    Source.Caption = QStringLiteral("'quoted' \"x\"\r\n\t\u00FF\u20AC\U0001F600 end");
    Source.Lines = {QString(), QStringLiteral("O'Neil"), QStringLiteral("tab\there")};
    Source.Font.Name = QStringLiteral("Times New Roman");
    Source.Font.Height = 24;
    Source.Font.Style = fsBold | fsUnderline;
    Source.Font.Color = clBtnFace;
    Source.Font.Charset = SYMBOL_CHARSET;
    Source.Picture = SamplePicture();
    Source.Small = SHRT_MAX;

    TProbe Copy;
    ReadComponentText(Copy, WriteComponentText(Source), KSource);
    EXPECT_EQ(Copy.Left(), INT_MIN);
    EXPECT_EQ(Copy.Float, 1e-7f);
    EXPECT_EQ(Copy.Ratio, 0.1 + 0.2);
    EXPECT_EQ(Copy.Indexed, true);
    EXPECT_EQ(Copy.Needle, TProbe::ndArrow);
    EXPECT_EQ(Copy.Options, TProbe::TOptions());
    EXPECT_EQ(Copy.Color, 0x00123456u);
    EXPECT_EQ(Copy.Caption, Source.Caption);
    EXPECT_EQ(Copy.Lines, Source.Lines);
    EXPECT_EQ(Copy.Font, Source.Font);
    EXPECT_EQ(Copy.Picture.convertToFormat(QImage::Format_RGB32), Source.Picture);
    EXPECT_EQ(Copy.Small, SHRT_MAX);
    EXPECT_EQ(WriteComponentText(Copy),
              WriteComponentText(Source).replace(QStringLiteral("Probe1: "), QString()));

    // Extremes of the stored types survive the shortest text.
    Source.Float = FLT_MAX;
    Source.Ratio = -DBL_MIN;
    Source.Options = TProbe::opLabels;
    ReadComponentText(Copy, WriteComponentText(Source), KSource);
    EXPECT_EQ(Copy.Float, FLT_MAX);
    EXPECT_EQ(Copy.Ratio, -DBL_MIN);
    EXPECT_EQ(Copy.Options, TProbe::opLabels);
}

TEST(ComponentStream, ReaderTakesTheFormsOtherWritersUse) {
    TProbe P;
    P.Font.Height = -11;
    ReadComponentText(P,
                      QStringLiteral("inline Other: TProbe\n"
                                     "  Indexed = true\n"
                                     "  Options = [ opLabels , opTicks ]\n"
                                     "  Color = -2147483633\n"
                                     "  Float = 2.5E+3\n"
                                     "  Ratio = 7\n"
                                     "  Lines.Strings = ('x'\n 'y'\n )\n"
                                     "  Font.Style = [fsItalic]\n"
                                     "END"),
                      KSource);
    EXPECT_TRUE(P.Indexed);
    EXPECT_EQ(P.Options, TProbe::opLabels | TProbe::opTicks);
    EXPECT_EQ(P.Color, clBtnFace);
    EXPECT_EQ(P.Float, 2500.0f);
    EXPECT_EQ(P.Ratio, 7.0);
    EXPECT_EQ(P.Lines, QStringList({QStringLiteral("x"), QStringLiteral("y")}));
    // Font fields not in the text keep their values.
    EXPECT_EQ(P.Font.Style, fsItalic);
    EXPECT_EQ(P.Font.Height, -11);
    EXPECT_EQ(P.objectName(), QString());
}

TEST(ComponentStream, GoodLoadRunsBeforeApplyThenSettersInsideOneLoadingScope) {
    TProbe P;
    TProbeBase Child;
    Child.setObjectName(QStringLiteral("Inner"));
    Child.setParent(&P);
    int SetterCallsAtBeforeApply = -1;
    ReadComponentText(
        P,
        Join({QStringLiteral("object Probe1: TProbe"), QStringLiteral("  Left = 5"),
              QStringLiteral("  Left = 6"), QStringLiteral("  inherited Inner: TProbeBase"),
              QStringLiteral("    Left = 8"), QStringLiteral("  end"), QStringLiteral("end")}),
        KSource, [&] { SetterCallsAtBeforeApply = P.SetterCalls; });
    EXPECT_EQ(SetterCallsAtBeforeApply, 0);
    EXPECT_EQ(P.SetterCalls, 2); // file order: the last one wins
    EXPECT_EQ(P.Left(), 6);
    EXPECT_TRUE(P.LeftSetWhileLoading);
    EXPECT_EQ(P.LoadedCount, 1);
    EXPECT_FALSE(P.IsLoading());
    EXPECT_EQ(Child.Left(), 8);
    EXPECT_EQ(Child.LoadedCount, 1);
}

TEST(ComponentStream, ChildDestroyedBeforeApplyIsSkipped) {
    TProbe P;
    auto *Child = new TProbeBase;
    Child->setObjectName(QStringLiteral("Inner"));
    Child->setParent(&P);
    ReadComponentText(
        P,
        Join({QStringLiteral("object TProbe"), QStringLiteral("  object Inner: TProbeBase"),
              QStringLiteral("    Left = 8"), QStringLiteral("  end"), QStringLiteral("  Left = 4"),
              QStringLiteral("end")}),
        KSource, [&] { delete Child; });
    EXPECT_EQ(P.Left(), 4);
    EXPECT_EQ(P.LoadedCount, 1);
}

TEST(ComponentStream, BadTextsNameFileAndLineAndChangeNothing) {
    const auto Text = [](const QStringList &Body) {
        return Join(
            QStringList{QStringLiteral("object Probe1: TProbe"), QStringLiteral("  Left = 77")} +
            Body + QStringList{QStringLiteral("end")});
    };
    ExpectRefused(Text({QStringLiteral("  Indexed = False"), QStringLiteral("  Foo = 1")}), 4,
                  QStringLiteral("unknown property 'Foo' of TProbe"));
    ExpectRefused(Text({QStringLiteral("  Font.Size = 1")}), 3,
                  QStringLiteral("unknown property 'Font.Size'"));
    ExpectRefused(Text({QStringLiteral("  Font = 1")}), 3,
                  QStringLiteral("unknown property 'Font'"));
    ExpectRefused(Text({QStringLiteral("  Hidden = 1")}), 3,
                  QStringLiteral("unknown property 'Hidden'"));
    ExpectRefused(Text({QStringLiteral("  Count = 1")}), 3,
                  QStringLiteral("unknown property 'Count'"));
    ExpectRefused(Text({QStringLiteral("  objectName = 'x'")}), 3,
                  QStringLiteral("unknown property"));
    ExpectRefused(Text({QStringLiteral("  Left = 'x'")}), 3,
                  QStringLiteral("bad value for 'Left': integer"));
    ExpectRefused(Text({QStringLiteral("  Left = 1.5")}), 3, QStringLiteral("integer"));
    ExpectRefused(Text({QStringLiteral("  Left = 2147483648")}), 3, QStringLiteral("integer from"));
    ExpectRefused(Text({QStringLiteral("  Left = 99999999999999999999999")}), 3,
                  QStringLiteral("integer from"));
    ExpectRefused(Text({QStringLiteral("  Small = 40000")}), 3,
                  QStringLiteral("integer from -32768 to 32767"));
    ExpectRefused(Text({QStringLiteral("  Float = NAN")}), 3, QStringLiteral("finite number"));
    ExpectRefused(Text({QStringLiteral("  Ratio = INF")}), 3, QStringLiteral("finite number"));
    ExpectRefused(Text({QStringLiteral("  Float = 1e39")}), 3, QStringLiteral("finite number"));
    ExpectRefused(Text({QStringLiteral("  Indexed = 1")}), 3, QStringLiteral("True or False"));
    ExpectRefused(Text({QStringLiteral("  Needle = ndCircle")}), 3,
                  QStringLiteral("identifier of TNeedle"));
    ExpectRefused(Text({QStringLiteral("  Options = [opTicks,fsBold]")}), 3,
                  QStringLiteral("set of TOptions"));
    ExpectRefused(Text({QStringLiteral("  Color = clPlaid")}), 3, QStringLiteral("colour"));
    ExpectRefused(Text({QStringLiteral("  Color = 4294967296")}), 3,
                  QStringLiteral("integer from"));
    ExpectRefused(Text({QStringLiteral("  Caption = 'open")}), 3,
                  QStringLiteral("unterminated string"));
    ExpectRefused(Text({QStringLiteral("  Caption = #65536")}), 3,
                  QStringLiteral("character code"));
    ExpectRefused(Text({QStringLiteral("  Font.Style = [fsShiny]")}), 3,
                  QStringLiteral("font styles"));
    ExpectRefused(Text({QStringLiteral("  Font.Charset = MARTIAN")}), 3,
                  QStringLiteral("character set"));
    ExpectRefused(Text({QStringLiteral("  Lines.Strings = ("), QStringLiteral("    'a'"),
                        QStringLiteral("    3)")}),
                  5, QStringLiteral("')' expected"));
    ExpectRefused(Text({QStringLiteral("  Picture.Data = {"), QStringLiteral("    0011223G}")}), 4,
                  QStringLiteral("binary data"));
    ExpectRefused(Text({QStringLiteral("  Picture.Data = {001122}")}), 3,
                  QStringLiteral("PNG image"));
    ExpectRefused(Text({QStringLiteral("  Picture.Data = {001}")}), 3,
                  QStringLiteral("odd number"));
    ExpectRefused(Text({QStringLiteral("  Left = 1"), QStringLiteral("  object Nobody: TProbeBase"),
                        QStringLiteral("  end")}),
                  4, QStringLiteral("unknown component 'Nobody'"));

    ExpectRefused(QStringLiteral("object Probe1: TVexGauge\r\n  Left = 1\r\nend\r\n"), 1,
                  QStringLiteral("class TVexGauge does not match TProbe"));
    ExpectRefused(QStringLiteral("\r\n\r\nfrobnicate Probe1: TProbe\r\nend\r\n"), 3,
                  QStringLiteral("'object' expected"));
    ExpectRefused(QString(), 1, QStringLiteral("'object' expected"));
    // A truncated block: the 'end' is missing.
    ExpectRefused(QStringLiteral("object Probe1: TProbe\r\n  Left = 1\r\n  Float = 2\r\n"), 4,
                  QStringLiteral("'end' of TProbe missing"));
    ExpectRefused(QStringLiteral("object Probe1: TProbe\r\n  Left =\r\n"), 3,
                  QStringLiteral("integer"));
    ExpectRefused(QStringLiteral("object Probe1: TProbe\r\nend\r\nobject X: TProbe\r\n"), 3,
                  QStringLiteral("text after the end"));
    ExpectRefused(QStringLiteral("object Probe1: TProbe\r\n  Left = 1\x01\xFE\xFF\r\nend"), 2,
                  QStringLiteral("unexpected character #1"));
    ExpectRefused(QString::fromLatin1("\x1F\x8B\x08\x00garbage\xFF\xD8"), 1,
                  QStringLiteral("unexpected character"));
}

TEST(ComponentStream, PicturesBeyondTheBitmapLimitsAreRefused) {
    QImage Wide(20000, 1, QImage::Format_RGB32);
    Wide.fill(Qt::white);
    QBuffer Png;
    Png.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Wide.save(&Png, "PNG"));
    ExpectRefused(
        Join({QStringLiteral("object Probe1: TProbe"),
              QStringLiteral("  Picture.Data = {%1}").arg(QString::fromLatin1(Png.data().toHex())),
              QStringLiteral("end")}),
        2, QStringLiteral("image of at most 16384 pixels a side"));

    TProbe P;
    P.Picture = Wide;
    EXPECT_THROW(WriteComponentText(P), EVexError);
}

TEST(ComponentStream, SizeLineAndNestingBounds) {
    ExpectRefused(QStringLiteral("object Probe1: TProbe\r\n  Caption = '") +
                      QString(KMaxComponentLineSize, QLatin1Char('x')) +
                      QStringLiteral("'\r\nend\r\n"),
                  2, QStringLiteral("line longer than 1 MiB"));

    TProbe P;
    try {
        ReadComponentText(P, QString(KMaxComponentTextSize + 1, QLatin1Char(' ')), KSource);
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_EQ(E.Message(), KSource + QStringLiteral(": the text is larger than 8 MiB"));
    }

    // A chain of named components as deep as the limit reads back; one level more is refused
    // by both the writer and the reader.
    TProbeBase Root;
    std::vector<TProbeBase *> Chain; // Chain[I] is at depth I + 1, owned by its parent
    for (int Depth = 1; Depth <= KMaxComponentNesting + 1; ++Depth) {
        Chain.push_back(new TProbeBase);
        Chain.back()->setObjectName(QStringLiteral("Level%1").arg(Depth));
        Chain.back()->setParent(Depth == 1 ? &Root : Chain[Depth - 2]);
    }
    TProbeBase *Deepest = Chain.back();
    EXPECT_THROW(WriteComponentText(Root), EVexError);
    Deepest->setParent(nullptr);
    QString Text = WriteComponentText(Root);
    ReadComponentText(Root, Text.replace(QStringLiteral("Left = 0"), QStringLiteral("Left = 1")),
                      KSource);
    EXPECT_EQ(Chain[KMaxComponentNesting - 1]->Left(), 1);

    Deepest->setParent(Chain[KMaxComponentNesting - 1]);
    QStringList Deeper;
    for (int Depth = 0; Depth <= KMaxComponentNesting + 1; ++Depth)
        Deeper << QString(Depth * 2, QLatin1Char(' ')) + QStringLiteral("object ") +
                      (Depth ? QStringLiteral("Level%1: ").arg(Depth) : QString()) +
                      QStringLiteral("TProbeBase");
    for (int Depth = KMaxComponentNesting + 1; Depth >= 0; --Depth)
        Deeper << QString(Depth * 2, QLatin1Char(' ')) + QStringLiteral("end");
    try {
        ReadComponentText(Root, Join(Deeper), KSource);
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_EQ(E.Message(),
                  KSource + QStringLiteral(", line 34: objects nested deeper than 32 levels"));
    }
}

TEST(ComponentStream, WriterRefusesWhatTheReaderCouldNotTakeBack) {
    TProbe P;
    P.Float = NAN;
    EXPECT_THROW(WriteComponentText(P), EVexError);
    P.Float = 0;
    P.Needle = TProbe::TNeedle(9);
    EXPECT_THROW(WriteComponentText(P), EVexError);

    TOddProbe Odd;
    try {
        WriteComponentText(Odd);
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_TRUE(E.Message().contains(QStringLiteral("'Where' of TOddProbe")))
            << E.Message().toStdString();
    }
}

} // namespace Vex

#include "ComponentStreamTest.moc"
