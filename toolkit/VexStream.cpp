#include "toolkit/VexStream.h"

#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexCompression.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>

namespace Vex {

namespace {
const QString KObject = QStringLiteral("object");
const QString KInline = QStringLiteral("inline");
const QString KInherited = QStringLiteral("inherited");
const QString KFrame = QStringLiteral("Frame");
const QString KLineEnd = QStringLiteral("\r\n");

[[noreturn]] void RaiseFileError(const QString &FileName, const QString &Reason) {
    throw EVexError(FileName + QStringLiteral(": ") + Reason);
}

QByteArray ReadBoundedFile(const QString &FileName) {
    const QString TooLarge =
        QStringLiteral("the file is larger than %1 MiB").arg(KMaxControlFileSize >> 20);
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        RaiseFileError(FileName, File.errorString());
    // Checked before reading and again after: special files report no size.
    if (File.size() > KMaxControlFileSize)
        RaiseFileError(FileName, TooLarge);
    const QByteArray Data = File.read(KMaxControlFileSize + 1);
    if (File.error() != QFileDevice::NoError)
        RaiseFileError(FileName, File.errorString());
    if (Data.size() > KMaxControlFileSize)
        RaiseFileError(FileName, TooLarge);
    return Data;
}

// The character at 1-based column Col of S is a space; columns outside the line are not.
bool IsSpaceAt(const QString &S, qsizetype Col) {
    return Col >= 1 && Col <= S.size() && S[Col - 1] == QLatin1Char(' ');
}

// The 1-based column of Keyword when S is a block header starting with it, else 0. Only the
// leading keyword of a header is ever rewritten, so property values that happen to contain
// these words are stored as they are.
qsizetype HeaderKeywordColumn(const QString &S, const QString &Keyword) {
    qsizetype Indent = 0;
    while (Indent < S.size() && S[Indent] == QLatin1Char(' '))
        ++Indent;
    if (!QStringView(S).mid(Indent).startsWith(Keyword))
        return 0;
    const qsizetype After = Indent + Keyword.size();
    return After < S.size() && S[After] == QLatin1Char(' ') ? Indent + 1 : 0;
}

void ReplaceKeyword(QString &S, qsizetype Col, const QString &From, const QString &To) {
    S.replace(Col - 1, From.size(), To);
}
} // namespace

void FixFrameLines(QStringList &Lines) {
    qsizetype I = 0;
    while (I < Lines.size() - 1) {
        QString S = Lines[I];
        const qsizetype ObjectCol = HeaderKeywordColumn(S, KObject);
        const qsizetype InlineCol = HeaderKeywordColumn(S, KInline);
        if (S.contains(KFrame) && (ObjectCol > 0 || InlineCol > 0)) {
            const qsizetype Col = ObjectCol > 0 ? ObjectCol : InlineCol;
            if (ObjectCol > 0)
                ReplaceKeyword(S, Col, KObject, KInline);
            Lines[I] = S;
            ++I;
            while (IsSpaceAt(S, Col - 1) && I < Lines.size()) {
                S = Lines[I];
                if (const qsizetype Inner = HeaderKeywordColumn(S, KObject)) {
                    ReplaceKeyword(S, Inner, KObject, KInherited);
                    Lines[I] = S;
                }
                ++I;
            }
        }
        ++I;
    }
}

std::unique_ptr<QImage> LoadJPEGResource(const QString &Name) {
    // The name is one path component: no way out of the faces folder.
    if (Name.isEmpty() || Name.contains(QLatin1Char('/')))
        return nullptr;
    QImageReader Reader(QStringLiteral(":/faces/") + Name + QStringLiteral(".jpg"));
    Reader.setDecideFormatFromContent(true);
    if (Reader.format() != "jpeg")
        return nullptr;
    auto Image = std::make_unique<QImage>();
    if (!Reader.read(Image.get()))
        return nullptr;
    return Image;
}

TVexStreamFormat DetectStreamFormat(const QByteArray &Head) {
    return !Head.isEmpty() && uint8_t(Head[0]) == 0x78 ? sfCompressed : sfText;
}

void SaveControlToFile(const QObject &Control, const QString &FileName, TVexStreamFormat Format) {
    QStringList Lines = WriteComponentText(Control).split(KLineEnd);
    Lines.removeLast(); // the empty rest after the last line end
    FixFrameLines(Lines);
    // Characters outside Latin-1 are written as codes, so the conversion loses nothing.
    QByteArray Data = (Lines.join(KLineEnd) + KLineEnd).toLatin1();
    if (Format == sfCompressed) {
        QBuffer Stream;
        Stream.setData(Data);
        Stream.open(QIODevice::ReadWrite);
        CompressStream(Stream);
        Data = Stream.data();
    }
    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly) || File.write(Data) != Data.size() || !File.commit())
        RaiseFileError(FileName, File.errorString());
}

void LoadControlFromFile(QObject &Control, const QString &FileName, TVexStreamFormat Format,
                         const std::function<void()> &BeforeApply) {
    LoadControlFromData(Control, ReadBoundedFile(FileName), Format, FileName, BeforeApply);
}

void LoadControlFromData(QObject &Control, const QByteArray &Data, TVexStreamFormat Format,
                         const QString &SourceName, const std::function<void()> &BeforeApply) {
    QBuffer Stream;
    Stream.setData(Data);
    Stream.open(QIODevice::ReadWrite);
    if (Format == sfCompressed) {
        try {
            // Text beyond what the reader takes is refused while inflating, not after.
            DecompressStream(Stream, KMaxComponentTextSize);
        } catch (const EVexError &E) {
            RaiseFileError(SourceName, E.Message());
        }
    }
    ReadComponentText(Control, QString::fromLatin1(Stream.data()), SourceName, BeforeApply);
}

} // namespace Vex
