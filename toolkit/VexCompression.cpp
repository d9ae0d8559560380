#include "toolkit/VexCompression.h"

#include "platform/core/Errors.h"

#include <QByteArray>
#include <algorithm>
#include <zlib.h>

namespace Vex {

namespace {
constexpr int KLevel = 9;
constexpr qsizetype KInflateChunk = 64 * 1024;

[[noreturn]] void RaiseZlibError() {
    throw EVexError(QStringLiteral("error"));
}

// Replaces the buffer's bytes without touching the open mode; QBuffer::setData refuses an open
// buffer.
void ReplaceContent(QBuffer &Stream, QByteArray Data, qint64 Position) {
    Stream.buffer() = std::move(Data);
    if (Stream.isOpen())
        Stream.seek(Position);
}

// Frees the inflate state on every path.
class TInflater {
public:
    TInflater() {
        if (inflateInit(&FStream) != Z_OK)
            RaiseZlibError();
    }
    ~TInflater() { inflateEnd(&FStream); }
    TInflater(const TInflater &) = delete;
    TInflater &operator=(const TInflater &) = delete;

    // The whole of Input must be one complete zlib stream with nothing after it.
    QByteArray Run(const QByteArray &Input, int64_t MaxSize) {
        QByteArray Output;
        QByteArray Chunk(KInflateChunk, Qt::Uninitialized);
        FStream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(Input.constData()));
        FStream.avail_in = uInt(Input.size());
        int Status = Z_OK;
        while (Status != Z_STREAM_END) {
            FStream.next_out = reinterpret_cast<Bytef *>(Chunk.data());
            FStream.avail_out = uInt(Chunk.size());
            Status = inflate(&FStream, Z_NO_FLUSH);
            // Z_BUF_ERROR here means the input ran out before the stream ended: truncated data.
            if (Status != Z_OK && Status != Z_STREAM_END)
                RaiseZlibError();
            const qsizetype Produced = Chunk.size() - qsizetype(FStream.avail_out);
            if (Output.size() + Produced > MaxSize)
                RaiseZlibError();
            Output.append(Chunk.constData(), Produced);
        }
        if (FStream.avail_in != 0)
            RaiseZlibError();
        return Output;
    }

private:
    z_stream FStream{};
};
} // namespace

void CompressStream(QBuffer &Stream) {
    const QByteArray &Input = Stream.data();
    uLongf Size = compressBound(uLong(Input.size()));
    QByteArray Output(qsizetype(Size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(Output.data()), &Size,
                  reinterpret_cast<const Bytef *>(Input.constData()), uLong(Input.size()),
                  KLevel) != Z_OK)
        RaiseZlibError();
    Output.truncate(qsizetype(Size));
    const qint64 End = Output.size();
    ReplaceContent(Stream, std::move(Output), End);
}

void DecompressStream(QBuffer &Stream, int64_t MaxSize) {
    if (Stream.data().isEmpty()) {
        if (Stream.isOpen())
            Stream.seek(0);
        return;
    }
    // zlib counts input in 32-bit units; anything that large is far beyond the output bound.
    if (Stream.data().size() > qsizetype(UINT32_MAX))
        RaiseZlibError();
    ReplaceContent(Stream, TInflater().Run(Stream.data(), std::min(MaxSize, KMaxDecompressedSize)),
                   0);
}

} // namespace Vex
