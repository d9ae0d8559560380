// The decompressor of compressed control files. Corrupt, truncated or oversized data must leave
// the stream exactly as it was; data that inflates must be refused by a bound one byte smaller
// than its size, and compress and inflate back to the same bytes.

#include "FuzzSupport.h"

#include "platform/core/Errors.h"
#include "toolkit/VexCompression.h"

#include <QBuffer>

namespace Vex {

namespace {
// The bound the runs inflate under: the library's 64 MiB bound is the same check with another
// number, and a small one keeps every run quick, since a 4 KiB input can inflate to 4 MiB and
// fresh memory is slow under the sanitizers.
constexpr int64_t KFuzzMaxSize = 64 * 1024;

// Inflates Input into a stream opened at Position; on an error, checks that the stream is
// unchanged and returns false.
bool Inflate(const QByteArray &Input, qint64 Position, int64_t MaxSize, QByteArray &Output) {
    QBuffer Stream;
    Stream.setData(Input);
    Stream.open(QIODevice::ReadWrite);
    Stream.seek(Position);
    try {
        DecompressStream(Stream, MaxSize);
    } catch (const EVexError &E) {
        Expect(E.Message() == QLatin1String("error"), "decompression failed with another message");
        Expect(Stream.data() == Input && Stream.pos() == Position,
               "a failed decompression changed the stream");
        return false;
    }
    Expect(Stream.pos() == 0, "decompression did not rewind the stream");
    Output = Stream.data();
    return true;
}

void CheckOne(const QByteArray &Input) {
    QByteArray Output;
    if (!Inflate(Input, Input.size() / 2, KFuzzMaxSize, Output))
        return;
    Expect(!Input.isEmpty() || Output.isEmpty(), "an empty stream inflated to something");
    Expect(Output.size() <= KFuzzMaxSize, "output beyond the bound");
    if (!Output.isEmpty()) {
        QByteArray Refused;
        Expect(!Inflate(Input, 0, Output.size() - 1, Refused), "output beyond a smaller bound");
    }
    QBuffer Again;
    Again.setData(Output);
    Again.open(QIODevice::ReadWrite);
    CompressStream(Again);
    Expect(Again.pos() == Again.size(), "compression did not end at the end");
    Expect(Again.data().startsWith("\x78\xDA"), "compressed data without a level-9 header");
    DecompressStream(Again);
    Expect(Again.data() == Output, "compressing and inflating changed the data");
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Vex::CheckOne(QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)));
    return 0;
}
