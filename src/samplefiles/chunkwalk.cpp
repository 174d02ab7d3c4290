// Chunk ids, chunk skipping with the pad byte, and the bytes left in a stream.
#include "samplefiles/chunkwalk.h"

#include <algorithm>

#include "platform/streams.h"

bool ReadChunkId(TStream& stream, std::string& id) {
  id.clear();
  for (int i = 0; i < 4; ++i) {
    if (Eof(stream)) return false;
    id.push_back(static_cast<char>(ReadByte(stream)));
  }
  return true;
}

void SkipChunk(TStream& stream, int64_t bodyStart, uint32_t size) {
  SeekStream(stream, bodyStart + static_cast<int64_t>(size) + (size & 1));
}

int64_t BytesLeft(TStream& stream) { return std::max<int64_t>(0, StreamSize(stream) - StreamPos(stream)); }
