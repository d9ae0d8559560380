#include "FuzzSupport.h"

#include "controls/ControlClasses.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Errors.h"
#include "platform/streaming/ComponentLexer.h"
#include "platform/streaming/ComponentRegistry.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexCompression.h"
#include "toolkit/VexStream.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace Vex {

void StartFuzzApplication() {
    // Made once and never destroyed: libFuzzer ends the process from inside a run, and Qt's
    // teardown at exit would run after the statics it needs.
    static QApplication *Application = nullptr;
    if (Application)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int Argc = 1;
    static char Name[] = "fuzz";
    static char *Argv[] = {Name, nullptr};
    Application = new QApplication(Argc, Argv);
    RegisterControlClasses();
    SetApplicationErrorHandler([](const QString &Message) {
        Fail(QStringLiteral("an error reached the user: ") + Message);
    });
}

void Expect(bool Condition, const char *What) {
    if (!Condition)
        Fail(QLatin1String(What));
}

void Fail(const QString &What) {
    std::fprintf(stderr, "fuzz check failed: %s\n", qPrintable(What));
    std::abort();
}

void ExpectSameText(const QString &Expected, const QString &Actual, const char *What) {
    if (Expected == Actual)
        return;
    const QStringList A = Expected.split(QStringLiteral("\r\n"));
    const QStringList B = Actual.split(QStringLiteral("\r\n"));
    qsizetype Line = 0;
    while (Line < A.size() && Line < B.size() && A[Line] == B[Line])
        ++Line;
    Fail(QStringLiteral("%1: line %2 was '%3', is '%4'")
             .arg(QLatin1String(What), QString::number(Line + 1), A.value(Line), B.value(Line)));
}

QObject *MakeComponent(const QString &ClassName, QObject *Owner) {
    QObject *Component = CreateComponent(ClassName, Owner);
    if (!Component)
        Fail(QStringLiteral("cannot make a %1").arg(ClassName));
    return Component;
}

bool SizesBeyondFuzzLimit(const QString &Text) {
    static const QRegularExpression Size(QStringLiteral("\\b(?:Width|Height)\\s*=\\s*(\\d+)"));
    for (QRegularExpressionMatchIterator It = Size.globalMatch(Text); It.hasNext();) {
        bool Ok = false;
        const qlonglong Side = It.next().captured(1).toLongLong(&Ok);
        if (!Ok || Side > KMaxFuzzSide)
            return true;
    }
    return false;
}

QString HeaderClassName(const QString &Text) {
    using namespace ComponentText;
    try {
        TLexer Lexer(Text, QString());
        Lexer.Next(); // object, inline or inherited
        TToken Token = Lexer.Next();
        const TToken After = Lexer.Next();
        if (After.Kind == TTokenKind::Symbol && After.Text == QLatin1String(":"))
            Token = Lexer.Next();
        return Token.Kind == TTokenKind::Identifier ? Token.Text : QString();
    } catch (const EVexError &) {
        return QString();
    }
}

QString ControlText(const QByteArray &Data) {
    if (DetectStreamFormat(Data) == sfText)
        return QString::fromLatin1(Data);
    QBuffer Stream;
    Stream.setData(Data);
    try {
        DecompressStream(Stream);
    } catch (const EVexError &) {
        return QString();
    }
    return QString::fromLatin1(Stream.data());
}

namespace {
QString SavedText(const QObject &Root) {
    try {
        return WriteComponentText(Root);
    } catch (const EVexError &E) {
        Fail(QStringLiteral("a component read from a file cannot be saved: ") + E.Message());
    }
}

void ReadBack(QObject &Root, const QString &Text, const TTextReading &Read) {
    try {
        Read(Root, Text);
    } catch (const EVexError &E) {
        Fail(QStringLiteral("a component's own saved text is refused: ") + E.Message());
    }
}
} // namespace

void CheckSavedTextReadsBack(QObject &Root, const TTextReading &Read) {
    ReadBack(Root, SavedText(Root), Read);
    const QString Settled = SavedText(Root);
    ReadBack(Root, Settled, Read);
    ExpectSameText(Settled, SavedText(Root), "reading its own saved text changed the component");
}

void PaintAndTick(QWidget &Control, int Frames) {
    QImage Image(Control.size().boundedTo(QSize(4096, 4096)), QImage::Format_RGB32);
    if (!Image.isNull())
        Control.render(&Image);
    if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
        for (int I = 0; I < Frames; ++I)
            Timer->Tick();
}

} // namespace Vex
