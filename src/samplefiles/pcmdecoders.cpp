// The PCM data decoders that the WAV and AIFF readers and the forced load share:
// 16-bit words of either byte order, 8-bit bytes and little-endian 24-bit values, each
// into a new 16-bit sample at 44100 Hz. Data cut short, claiming more bytes than are
// left from its start, is refused before anything is made, and no more frames are made
// than the given bytes hold, so a lying header cannot ask for a large buffer.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/chunkwalk.h"
#include "samplefiles/fillablesample.h"
#include "samplefiles/soundio.h"

namespace {

constexpr int kHertz = 44100;
// 16-bit data is read in blocks of this many bytes, small enough that a block is
// still in the cache while its words are exchanged.
constexpr int64_t kWordBlock = int64_t{1} << 18;

int FormatFor(int channels) { return channels == 1 ? TSoundIO::SF_MONO16 : TSoundIO::SF_STEREO16; }

// The frames that bytes of data hold, at most the frames asked for; -1 when the data
// cannot be decoded (channels other than 1 or 2, or more bytes than are left).
int FramesHeld(TStream& stream, int frames, int bytes, int channels, int bytesPerValue) {
  if (channels != 1 && channels != 2) return -1;
  bytes = std::max(bytes, 0);
  if (BytesLeft(stream) < bytes) return -1;
  return std::clamp(frames, 0, bytes / (channels * bytesPerValue));
}

// Exchanges the two bytes of each of the count / 2 words at bytes.
void ExchangeWordBytes(uint8_t* bytes, int64_t count) {
  for (int64_t i = 0; i + 1 < count; i += 2) {
    uint16_t word;
    std::memcpy(&word, bytes + i, 2);
    word = static_cast<uint16_t>(word << 8 | word >> 8);
    std::memcpy(bytes + i, &word, 2);
  }
}

}  // namespace

int TSoundIO::LoadAifData(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                          int littleEndian) {
  frames = FramesHeld(stream, frames, bytes, channels, 2);
  if (frames < 0) return 0;
  // The old sample goes first, so that two large ones are never held at once. Every
  // byte of the new one is written below, as ReadBytes zeroes what it cannot read.
  TempSample = nullptr;
  std::shared_ptr<TAudioSample> sample = CreateFillableSample(frames, FormatFor(channels));
  if (!sample) return 0;
  TempSample = sample;
  const int64_t size = static_cast<int64_t>(frames) * channels * 2;
  for (int64_t at = 0; at < size; at += kWordBlock) {
    const int64_t count = std::min(kWordBlock, size - at);
    ReadBytes(stream, sample->samples + at, count);
    if (littleEndian == 0) ExchangeWordBytes(sample->samples + at, count);
  }
  return frames > 0 ? 1 : 0;
}

int TSoundIO::LoadAifData8(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                           int littleEndian) {
  Print("load 8bit aif");
  frames = FramesHeld(stream, frames, bytes, channels, 1);
  if (frames < 0) return 0;
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(frames, kHertz, FormatFor(channels));
  if (!sample) return 0;
  TempSample = sample;
  const int values = frames * channels;
  std::vector<uint8_t> raw(static_cast<size_t>(values));
  ReadBytes(stream, raw.data(), values);
  CurrLoad = 1;
  int16_t* out = sample->Values16();
  for (int i = 0; i < values; ++i) {
    const int b = raw[static_cast<size_t>(i)];
    out[i] = static_cast<int16_t>((b & 128) == 0 ? (127 - (b & 127)) * 164 : -(b & 127) * 164);
  }
  return frames > 0 ? 1 : 0;
}

int TSoundIO::convert24(uint8_t b0, uint8_t b1, uint8_t b2) {
  int v = b2 * 65536 + b1 * 256 + b0;
  if (v > 0x7FFFFF) v -= 0x1000000;
  return v / 256;
}

int TSoundIO::LoadAifData24(const std::string& path, TStream& stream, int frames, int bytes, int channels,
                            int littleEndian) {
  frames = FramesHeld(stream, frames, bytes, channels, 3);
  if (frames < 0) return 0;
  bytes = std::max(bytes, 0);
  std::vector<uint8_t> raw(static_cast<size_t>(bytes));
  ReadBytes(stream, raw.data(), bytes);
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(frames, kHertz, FormatFor(channels));
  if (!sample) return 0;
  TempSample = sample;
  int16_t* out = sample->Values16();
  const uint8_t* b = raw.data();
  if (channels == 1) {
    for (int f = 0; f < frames; ++f) out[f] = static_cast<int16_t>(convert24(b[3 * f], b[3 * f + 1], b[3 * f + 2]));
  } else {
    // Surplus bytes of two-channel data are skipped at its start.
    const uint8_t* d = b + (bytes - frames * 6);
    for (int f = 0; f < frames; ++f) {
      out[2 * f] = static_cast<int16_t>(convert24(d[6 * f], d[6 * f + 1], d[6 * f + 2]));
      out[2 * f + 1] = static_cast<int16_t>(convert24(d[6 * f + 3], d[6 * f + 4], d[6 * f + 5]));
    }
  }
  return frames > 0 ? 1 : 0;
}
