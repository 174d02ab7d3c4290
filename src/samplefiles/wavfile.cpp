// LoadWav: the RIFF WAVE reader. It walks the chunks, takes the format from "fmt ",
// decodes "data" through the PCM decoders and takes the sample name and loop points
// from the sampler chunk "RLND".
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

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

// The chunks this reader acts on; a header with one of these ids is the likelier reading.
constexpr std::string_view kFmtId = "fmt ";
constexpr std::string_view kDataId = "data";
constexpr std::string_view kSamplerId = "RLND";
constexpr std::array<std::string_view, 3> kIdsActedOn = {kFmtId, kDataId, kSamplerId};

// How many chunk headers on each reading of a missing pad byte is followed.
constexpr int kChainHeaders = 4;

// Where the chunks may end: the file's end, the end the RIFF header states (8 + its
// size), and where the walk stops, at the size field's value.
struct TWalkEnds {
  int64_t file;
  int64_t riff;
  int64_t walk;
};

// Where a chunk whose body starts at bodyStart ends as the walk reads it: a data chunk of
// size 0 runs to the file's end, and the sampler chunk's body is read whole whatever its
// size says.
int64_t ChunkEnd(std::string_view id, uint32_t size, int64_t bodyStart, int64_t fileSize) {
  if (id == kDataId && size == 0) return std::max(bodyStart, fileSize);
  if (id == kSamplerId) size = std::max<uint32_t>(size, kRlndBody);
  return bodyStart + static_cast<int64_t>(size);
}

bool IsPrintableId(const uint8_t* id) {
  return std::all_of(id, id + 4, [](uint8_t c) { return c >= 0x20 && c <= 0x7E; });
}

// How much the bytes at header[0..available) look like a chunk header at pos: 0 not
// an id of four printable characters, 1 such an id, 2 one whose chunk also ends
// within the file, and 3 more for an id this reader acts on.
int ChunkLikeness(const uint8_t* header, int64_t available, int64_t pos, int64_t fileSize) {
  if (available < 4 || !IsPrintableId(header)) return 0;
  const std::string_view id(reinterpret_cast<const char*>(header), 4);
  const int known = std::find(kIdsActedOn.begin(), kIdsActedOn.end(), id) != kIdsActedOn.end() ? 3 : 0;
  if (available < 8) return 1 + known;
  const int64_t size = static_cast<uint32_t>(ReadLE32(header + 4));
  return (pos + 8 + size <= fileSize ? 2 : 1) + known;
}

// After an odd chunk ending at end, judged by the next header alone: a zero byte is a
// pad byte, as no chunk id begins with one; any other byte starts the next chunk unless
// a chunk header looks likelier one byte on.
bool PadByteByNextHeader(TStream& stream, int64_t end, int64_t fileSize) {
  std::array<uint8_t, 9> next{};
  SeekStream(stream, end);
  const int64_t got = ReadBytes(stream, next.data(), static_cast<int64_t>(next.size()));
  return next[0] == 0 ||
         ChunkLikeness(next.data() + 1, got - 1, end + 1, fileSize) > ChunkLikeness(next.data(), got, end, fileSize);
}

// How far a chain of chunk headers reads as printable ids whose chunks fit the file:
// the headers it gets through, landing exactly where the walk may stop counting as all
// of them, and of those the headers really read, so that a chain which lands by
// jumping over chunks counts for less than one which reads them.
struct TChainReach {
  int depth = 0;
  int read = 0;
  auto operator<=>(const TChainReach&) const = default;
};

// The reach of the chain from pos on, over at most the given number of headers. After an
// odd chunk on the way, either reading may carry the chain.
TChainReach ChainReach(TStream& stream, int64_t pos, const TWalkEnds& ends, int headers) {
  if (headers == 0) return {};
  if (pos == ends.file || pos == ends.riff) return {headers, 0};
  std::array<uint8_t, 8> header{};
  SeekStream(stream, pos);
  if (ReadBytes(stream, header.data(), 8) < 8 || !IsPrintableId(header.data())) return {};
  const std::string_view id(reinterpret_cast<const char*>(header.data()), 4);
  const int64_t end = ChunkEnd(id, static_cast<uint32_t>(ReadLE32(header.data() + 4)), pos + 8, ends.file);
  if (end > ends.file) return {};
  const bool odd = ((end - pos) & 1) != 0;
  TChainReach next = ChainReach(stream, end + (odd ? 1 : 0), ends, headers - 1);
  if (odd && next != TChainReach{headers - 1, headers - 1}) {
    next = std::max(next, ChainReach(stream, end, ends, headers - 1));
  }
  return {1 + next.depth, 1 + next.read};
}

// Moves to the end of a chunk whose body started at bodyStart. Some writers leave out the
// pad byte after a chunk of odd size and others leave any byte there, so a byte other
// than zero is judged by where each reading leads: the one whose chain of chunks reaches
// further wins. At equal reach a pad byte just before where the walk stops is taken, as
// reading on would only meet what follows the chunks; else the next header decides.
void SkipWavChunk(TStream& stream, int64_t bodyStart, int64_t end, const TWalkEnds& ends) {
  bool padded = false;
  if (((end - bodyStart) & 1) != 0) {
    // A zero byte ends the chain read from it at once, as no chunk id begins with one.
    const TChainReach atEnd = ChainReach(stream, end, ends, kChainHeaders);
    const TChainReach afterPad = ChainReach(stream, end + 1, ends, kChainHeaders);
    padded = atEnd != afterPad ? afterPad > atEnd
                               : end + 1 == ends.walk || PadByteByNextHeader(stream, end, ends.file);
  }
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
  // The walk stops at the size field's value, as this reader always has, so that stored
  // files read as before; the pad-byte chains need where the RIFF's chunks really end.
  const TWalkEnds ends = {StreamSize(stream), 8 + riffSize, riffSize};

  int channels = 0;
  int bits = 0;
  int result = 0;
  std::string id;
  while (StreamPos(stream) < ends.walk && !Eof(stream)) {
    if (!ReadChunkId(stream, id)) {
      Print("error");
      return -1;
    }
    if (id == "WAVE") continue;
    const uint32_t size = static_cast<uint32_t>(ReadInt(stream));
    const int64_t body = StreamPos(stream);
    const int64_t end = ChunkEnd(id, size, body, ends.file);

    if (id == kFmtId) {
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
    } else if (id == kDataId) {
      const int64_t length = end - body;
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
    } else if (id == kSamplerId) {
      std::array<uint8_t, kRlndBody> rlnd{};
      ReadBytes(stream, rlnd.data(), kRlndBody);
      if (std::string(reinterpret_cast<const char*>(rlnd.data()), 8) != kRlndSignature) break;
      if (rlnd[187] == 0) {
        const int start = ReadLE32(&rlnd[27]) / 256;
        const int loopStart = ReadLE32(&rlnd[31]) / 256;
        const int sampleEnd = ReadLE32(&rlnd[35]) / 256;
        const int loopEnd = ReadLE32(&rlnd[39]) / 256;
        Print("Start=" + std::to_string(start) + " End=" + std::to_string(sampleEnd) +
              ", LoopStart=" + std::to_string(loopStart) + " LoopEnd=" + std::to_string(loopEnd));
        LpStart = loopStart;
        LpEnd = loopEnd;
        aliasName = TrimTrailingBlanks(std::string(reinterpret_cast<const char*>(&rlnd[11]), 16));
      }
    }
    SkipWavChunk(stream, body, end, ends);
  }
  return result;
}
