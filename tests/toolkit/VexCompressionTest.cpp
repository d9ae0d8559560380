#include "toolkit/VexCompression.h"

#include "platform/core/Errors.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace Vex {

namespace {
QByteArray SampleText() {
    QByteArray Text;
    for (int I = 0; I < 20000; ++I)
        Text +=
            "  Prop" + QByteArray::number(I) + " = " + QByteArray::number(I * 7919 % 1000) + "\r\n";
    return Text;
}

QByteArray Compressed(const QByteArray &Data) {
    QBuffer Stream;
    Stream.setData(Data);
    Stream.open(QIODevice::ReadWrite);
    CompressStream(Stream);
    return Stream.data();
}

// Runs DecompressStream on Data opened at Position; expects the error and an untouched stream.
void ExpectRefused(const QByteArray &Data, qint64 Position = 3) {
    QBuffer Stream;
    Stream.setData(Data);
    Stream.open(QIODevice::ReadWrite);
    Stream.seek(Position);
    try {
        DecompressStream(Stream);
        ADD_FAILURE() << "no error raised";
    } catch (const EVexError &E) {
        EXPECT_EQ(E.Message(), QStringLiteral("error"));
    }
    EXPECT_EQ(Stream.data(), Data);
    EXPECT_EQ(Stream.pos(), Position);
}
} // namespace

TEST(VexCompression, CompressWritesOneLevel9ZlibStreamAndEndsAtTheEnd) {
    const QByteArray Text = SampleText();
    QBuffer Stream;
    Stream.setData(Text);
    Stream.open(QIODevice::ReadWrite);
    Stream.seek(10);
    CompressStream(Stream);
    const QByteArray Out = Stream.data();
    ASSERT_GE(Out.size(), 2);
    EXPECT_EQ(uint8_t(Out[0]), 0x78);
    EXPECT_EQ(uint8_t(Out[1]), 0xDA);
    EXPECT_LT(Out.size(), Text.size());
    EXPECT_EQ(Stream.pos(), Out.size());

    // Any zlib reader gets the whole input back: no framing of ours around the stream.
    std::vector<Bytef> Plain(Text.size());
    uLongf PlainSize = Plain.size();
    ASSERT_EQ(uncompress(Plain.data(), &PlainSize, reinterpret_cast<const Bytef *>(Out.data()),
                         Out.size()),
              Z_OK);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(Plain.data()), PlainSize), Text);
}

TEST(VexCompression, DecompressRestoresTheContentAtPositionZero) {
    const QByteArray Text = SampleText();
    QBuffer Stream;
    Stream.setData(Compressed(Text));
    Stream.open(QIODevice::ReadWrite);
    Stream.seek(Stream.size());
    DecompressStream(Stream);
    EXPECT_EQ(Stream.data(), Text);
    EXPECT_EQ(Stream.pos(), 0);
}

TEST(VexCompression, EmptyStreams) {
    QBuffer Stream;
    Stream.open(QIODevice::ReadWrite);
    DecompressStream(Stream);
    EXPECT_TRUE(Stream.data().isEmpty());
    EXPECT_EQ(Stream.pos(), 0);

    // Compressing nothing still gives a stream that decompresses to nothing.
    CompressStream(Stream);
    EXPECT_FALSE(Stream.data().isEmpty());
    DecompressStream(Stream);
    EXPECT_TRUE(Stream.data().isEmpty());
}

TEST(VexCompression, CorruptOrTruncatedDataIsRefusedAndLeavesTheStream) {
    const QByteArray Good = Compressed(SampleText());
    ExpectRefused(QByteArray("this is not zlib data at all"));
    ExpectRefused(Good.left(Good.size() / 2));
    ExpectRefused(Good.left(Good.size() - 1)); // checksum cut short
    QByteArray Flipped = Good;
    Flipped[Flipped.size() / 2] = char(Flipped[Flipped.size() / 2] ^ 0x55);
    ExpectRefused(Flipped);
    ExpectRefused(Good + "trailing");
}

TEST(VexCompression, OutputIsBoundedAt64MiB) {
    QByteArray Exact(qsizetype(KMaxDecompressedSize), '\0');
    const QByteArray Limit = Compressed(Exact);
    Exact.append('\0');
    const QByteArray Bomb = Compressed(Exact);
    Exact.clear();

    ExpectRefused(Bomb, 0);

    QBuffer Stream;
    Stream.setData(Limit);
    Stream.open(QIODevice::ReadWrite);
    DecompressStream(Stream);
    EXPECT_EQ(Stream.size(), KMaxDecompressedSize);
}

} // namespace Vex
