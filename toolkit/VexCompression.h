#pragma once
// zlib compression of whole in-memory streams, as the compressed control files store them: the
// stream's content becomes exactly one zlib stream (level 9, header bytes 0x78 0xDA) with no
// framing of ours, and back.

#include "platform/core/VexExport.h"
#include <QBuffer>
#include <cstdint>

namespace Vex {

// Decompressed data larger than this (or than the caller's own bound) is refused as corrupt, so
// a small hostile file cannot make the program allocate without bound.
constexpr int64_t KMaxDecompressedSize = int64_t(64) * 1024 * 1024;

// Replaces the whole content of Stream by its compression; the position ends at the end.
// Raises EVexError("error") when zlib fails, leaving Stream as it was.
VEX_EXPORT void CompressStream(QBuffer &Stream);

// Replaces the whole content of Stream by the decompression of all of it; the position ends at
// 0. An empty stream stays empty. Corrupt, truncated or oversized data raises
// EVexError("error") and leaves Stream exactly as it was, content and position.
VEX_EXPORT void DecompressStream(QBuffer &Stream, int64_t MaxSize = KMaxDecompressedSize);

} // namespace Vex
