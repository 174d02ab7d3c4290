// LoadWav: the RIFF WAVE reader. It walks the chunks, takes the format from "fmt ",
// decodes "data" through the PCM decoders and takes the sample name and loop points
// from the sampler chunk "RLND".
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/chunkwalk.h"
#include "samplefiles/soundio.h"

namespace {

constexpr int kRlndBody = 620;
constexpr char kRlndSignature[] = "roifxvmc";

int ReadLE32(const uint8_t* p) {
  return static_cast<int>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                          static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

std::string TrimTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// How much the bytes at header[0..available) look like a chunk header at pos: 0 not
// an id of four printable characters, 1 such an id, 2 one whose chunk also ends
// within the file, and 3 more for an id this reader acts on.
int ChunkLikeness(const uint8_t* header, int64_t available, int64_t pos, int64_t fileSize) {
  if (available < 4) return 0;
  for (int i = 0; i < 4; ++i)
    if (header[i] < 0x20 || header[i] > 0x7E) return 0;
  const std::string id(reinterpret_cast<const char*>(header), 4);
  const int known = id == "fmt " || id == "data" || id == "RLND" ? 3 : 0;
  if (available < 8) return 1 + known;
  const int64_t size = static_cast<uint32_t>(ReadLE32(header + 4));
  return (pos + 8 + size <= fileSize ? 2 : 1) + known;
}

// Moves past a chunk. Some writers leave out the pad byte after a chunk of odd size.
// A zero byte is a pad byte, as no chunk id begins with one; any other byte starts the
// next chunk unless a chunk header looks likelier one byte on.
void SkipWavChunk(TStream& stream, int64_t bodyStart, uint32_t size) {
  const int64_t end = bodyStart + static_cast<int64_t>(size);
  SeekStream(stream, end);
  if ((size & 1) == 0) return;
  std::array<uint8_t, 9> next{};
  const int64_t got = ReadBytes(stream, next.data(), static_cast<int64_t>(next.size()));
  const int64_t fileSize = StreamSize(stream);
  const bool padded = next[0] == 0 || ChunkLikeness(next.data() + 1, got - 1, end + 1, fileSize) >
                                          ChunkLikeness(next.data(), got, end, fileSize);
  SeekStream(stream, padded ? end + 1 : end);
}

}  // namespace

int TSoundIO::LoadWav(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  const int result = ReadWav(*stream);
  CloseStream(*stream);
  return result;
}

int TSoundIO::ReadWav(TStream& stream) {
  if (StreamSize(stream) < 10) return 0;
  if (ReadString(stream, 4) != "RIFF") return 0;
  const int64_t riffSize = static_cast<uint32_t>(ReadInt(stream));

  int channels = 0;
  int bits = 0;
  int result = 0;
  std::string id;
  while (StreamPos(stream) < riffSize && !Eof(stream)) {
    if (!ReadChunkId(stream, id)) {
      Print("error");
      return -1;
    }
    if (id == "WAVE") continue;
    const uint32_t size = static_cast<uint32_t>(ReadInt(stream));
    const int64_t body = StreamPos(stream);

    if (id == "fmt ") {
      if (size < 16) break;
      const int tag = ReadShort(stream);
      if (tag == 1 || tag == 3) {
        channels = ReadShort(stream);
        ReadInt(stream);    // sampling rate: every sample is made at 44100 Hz
        ReadInt(stream);    // bytes per second
        ReadShort(stream);  // block align
        bits = ReadShort(stream);
        CurrBits = bits;
      }
      SkipWavChunk(stream, body, size);
    } else if (id == "data") {
      // Size 0 stands for the rest of the file.
      const int64_t length = size == 0 ? BytesLeft(stream) : static_cast<int64_t>(size);
      // Each value sits in whole bytes: 9 to 16 bits in two, 17 to 24 bits in three.
      const int container = (bits + 7) / 8;
      if (bits >= 8 && container <= 3 && (channels == 1 || channels == 2) && length <= INT32_MAX) {
        const int bytes = static_cast<int>(length);
        const int frames = bytes / (container * channels);
        const std::string path;  // the decoders read the stream; the path is not needed
        if (container == 1) {
          result = LoadAifData8(path, stream, frames, bytes, channels, 1);
        } else if (container == 2) {
          result = LoadAifData(path, stream, frames, bytes, channels, 1);
        } else {
          result = LoadAifData24(path, stream, frames, bytes, channels, 1);
        }
        if (result == 0) break;
      }
      SkipWavChunk(stream, body, static_cast<uint32_t>(std::min<int64_t>(length, UINT32_MAX)));
    } else if (id == "RLND") {
      std::array<uint8_t, kRlndBody> rlnd{};
      ReadBytes(stream, rlnd.data(), kRlndBody);
      if (std::string(reinterpret_cast<const char*>(rlnd.data()), 8) != kRlndSignature) break;
      if (rlnd[187] == 0) {
        const int start = ReadLE32(&rlnd[27]) / 256;
        const int loopStart = ReadLE32(&rlnd[31]) / 256;
        const int end = ReadLE32(&rlnd[35]) / 256;
        const int loopEnd = ReadLE32(&rlnd[39]) / 256;
        Print("Start=" + std::to_string(start) + " End=" + std::to_string(end) +
              ", LoopStart=" + std::to_string(loopStart) + " LoopEnd=" + std::to_string(loopEnd));
        LpStart = loopStart;
        LpEnd = loopEnd;
        aliasName = TrimTrailingBlanks(std::string(reinterpret_cast<const char*>(&rlnd[11]), 16));
      }
      // The body is read whole whatever its size says; a longer chunk is skipped to its end.
      SkipWavChunk(stream, body, std::max<uint32_t>(size, kRlndBody));
    } else {
      SkipWavChunk(stream, body, size);
    }
  }
  return result;
}
