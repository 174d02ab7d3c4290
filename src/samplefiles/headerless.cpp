// Headerless sampler files: raw 16-bit words (as stored, byte-exchanged, or with every
// byte's bits reversed too), 12-bit data (length only), and 8-bit bytes under four
// mappings, each read whole into TempSample at 44100 Hz; and the silent sample of
// Zero and CreateNew.
//
// Sizes come from the file system and are checked before anything is made: data
// shorter than its header and tail, or too long for a sample, is refused.
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/bytemaps.h"
#include "samplefiles/soundio.h"

namespace {

constexpr int kRate = 44100;

// Frames of bytes / perFrame, or -1 (which no sample can be made of) when the bytes
// are negative or the frames do not fit an int.
int FramesOf(int64_t bytes, int perFrame) {
  if (bytes < 0 || bytes / perFrame > INT_MAX) return -1;
  return static_cast<int>(bytes / perFrame);
}

// The file opened and its first skip bytes passed over; nullptr when it cannot be opened.
std::unique_ptr<TStream> OpenAfter(const std::string& path, int skip) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (stream && skip > 0) SeekStream(*stream, skip);
  return stream;
}

// The shared steps of the 16-bit members: a new sample of frames in format replaces
// TempSample, then the file's bytes after skip fill it as they are stored.
std::shared_ptr<TAudioSample> ReadWords(TSoundIO& io, const std::string& path, int skip, int frames,
                                        int format, bool traceReversed) {
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(frames, kRate, format);
  if (!sample) return nullptr;
  io.TempSample = sample;
  std::unique_ptr<TStream> stream = OpenAfter(path, skip);
  if (!stream) return nullptr;
  if (traceReversed && skip > 0)
    Print("load16rev samples=" + std::to_string(frames) + " ignore=" + std::to_string(skip));
  ReadBytes(*stream, sample->samples, static_cast<int64_t>(frames) * AudioFormatBytes(format));
  CloseStream(*stream);
  return sample;
}

void ExchangeBytes(TAudioSample& sample) {
  const int64_t bytes = static_cast<int64_t>(sample.length) * AudioFormatBytes(sample.format);
  for (int64_t i = 0; i + 1 < bytes; i += 2) std::swap(sample.samples[i], sample.samples[i + 1]);
}

uint8_t ReverseBits(uint8_t b) {
  uint8_t r = 0;
  for (int bit = 0; bit < 8; ++bit)
    if (b & (1 << bit)) r |= static_cast<uint8_t>(0x80 >> bit);
  return r;
}

// The shared steps of the 8-bit members: the line, a sample of one frame a byte, the
// bytes through the mapping.
int Load8Bit(TSoundIO& io, const std::string& path, const char* line, int16_t (*mapping)(uint8_t)) {
  Print(line);
  const int frames = FramesOf(FileSize(path), 1);
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(frames, kRate, TSoundIO::SF_MONO16);
  if (!sample) return 0;
  io.TempSample = sample;
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  std::vector<uint8_t> bytes(static_cast<size_t>(frames));
  ReadBytes(*stream, bytes.data(), frames);
  CloseStream(*stream);
  io.CurrLoad = 1;
  int16_t* values = sample->Values16();
  for (int i = 0; i < frames; ++i) values[i] = mapping(bytes[static_cast<size_t>(i)]);
  return 1;
}

// Bytes of data between a header of skip and a tail of tail bytes; -1 when the file is
// shorter than both.
int64_t DataBytes(const std::string& path, int skip, int tail) {
  if (skip < 0 || tail < 0) return -1;
  const int64_t n = FileSize(path) - skip - tail;
  return n < 0 ? -1 : n;
}

}  // namespace

int TSoundIO::LoadAs16Bit(const std::string& path, int skip, int tail) {
  const int64_t n = DataBytes(path, skip, tail);
  if (n < 0) return 0;
  if (!ReadWords(*this, path, skip, FramesOf(n, 2), SF_MONO16, false)) return 0;
  CurrLoad = 2;
  return 1;
}

int TSoundIO::LoadAs16BitRev(const std::string& path, int skip) {
  const int64_t n = DataBytes(path, skip, 0);
  if (n < 4) return 0;
  std::shared_ptr<TAudioSample> sample = ReadWords(*this, path, skip, FramesOf(n, 2), SF_MONO16, true);
  if (!sample) return 0;
  ExchangeBytes(*sample);
  CurrLoad = 3;
  return 1;
}

// Taken as stored (little-endian words, left then right), as CurrLoad 2 says.
int TSoundIO::LoadAs16BitStereo(const std::string& path, int skip) {
  const int64_t n = DataBytes(path, skip, 0);
  if (n < 0) return 0;
  if (!ReadWords(*this, path, skip, FramesOf(n, 4), SF_STEREO16, false)) return 0;
  CurrLoad = 2;
  return 1;
}

// Mono whatever the name says: every byte's bits reversed, then every word's bytes exchanged.
int TSoundIO::xLoadAs16BitStereo(const std::string& path, int skip) {
  const int64_t n = DataBytes(path, skip, 0);
  if (n < 0) return 0;
  std::shared_ptr<TAudioSample> sample = ReadWords(*this, path, skip, FramesOf(n, 2), SF_MONO16, false);
  if (!sample) return 0;
  const int64_t bytes = static_cast<int64_t>(sample->length) * 2;
  for (int64_t i = 0; i < bytes; ++i) sample->samples[i] = ReverseBits(sample->samples[i]);
  ExchangeBytes(*sample);
  CurrLoad = 2;
  return 1;
}

// The 12-bit words are not decoded: the sample is silence of the length they would give.
int TSoundIO::LoadAs12Bit(const std::string& path, int skip) {
  const int64_t n = skip < 0 ? -1 : FileSize(path) - skip;
  const int64_t count = n < 0 ? 0 : (8 * n) / 12;
  Print("12bit samsize=" + std::to_string(n) + " 12bit size=" + std::to_string(count));
  if (n < 0) return 0;
  std::unique_ptr<TStream> stream = OpenAfter(path, skip);
  if (!stream) return 0;
  CloseStream(*stream);
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(FramesOf(count, 1), kRate, SF_MONO16);
  if (!sample) return 0;
  TempSample = sample;  // made zero-filled
  return 1;
}

int TSoundIO::LoadAs8Bit(const std::string& path) { return Load8Bit(*this, path, "Load as 8bit", Map8Bit); }

int TSoundIO::LoadAs8Bit2(const std::string& path) { return Load8Bit(*this, path, "Load as 8bit2", Map8Bit2); }

int TSoundIO::LoadAs8BitFlipped(const std::string& path) {
  return Load8Bit(*this, path, "Load as 8bit flipped", Map8BitFlipped);
}

// The byte range start..end of the file; a range outside the file is refused and
// TempSample kept.
int TSoundIO::LoadAs8BitLog(const std::string& path, int start, int end) {
  Print("Loadas 8bitlog");
  const int64_t count = static_cast<int64_t>(end) - start;
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  if (start < 0 || count < 0 || start + count > StreamSize(*stream)) return 0;
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  SeekStream(*stream, start);
  ReadBytes(*stream, bytes.data(), count);
  CloseStream(*stream);
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(static_cast<int>(count), kRate, SF_MONO16);
  if (!sample) return 0;
  TempSample = sample;
  int16_t* values = sample->Values16();
  for (int i = 0; i < sample->length; ++i) values[i] = Map8BitLog(bytes[static_cast<size_t>(i)]);
  return sample->length > 0 ? 1 : 0;
}

// Silences every frame (of either channel count) and rebuilds the overview.
int TSoundIO::Zero() {
  if (!TempSample) return 0;
  if (TempSample->Holds() && TempSample->length > 0)
    std::memset(TempSample->samples, 0,
                static_cast<size_t>(TempSample->length) * AudioFormatBytes(TempSample->format));
  FillTempData();
  return 0;
}

int TSoundIO::CreateNew(int length) {
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(length, kRate, SF_MONO16);
  if (!sample) return 0;
  TempSample = sample;
  Zero();
  return 1;
}
