// LoadIFF: the IFF sampled-voice reader ("8SVX" 8-bit, "16SV" 16-bit), and raw signed
// 8-bit data for a file without a "FORM" header. 8-bit values are widened, repeated
// four times and smoothed; the voice header's rate and loop are not used.
#include <vector>

#include "platform/numbers.h"
#include "platform/print.h"
#include "platform/streams.h"
#include "samplefiles/chunkwalk.h"
#include "samplefiles/soundio.h"

namespace {

constexpr int kHertz = 44100;

// Signed bytes, each widened to 16 bits and written four times, then two smoothing
// passes; nullptr when the sample cannot be made.
std::shared_ptr<TAudioSample> WidenSmoothed(const std::vector<uint8_t>& raw) {
  const int64_t frames = 4 * static_cast<int64_t>(raw.size());
  if (frames > INT32_MAX) return nullptr;
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(static_cast<int>(frames), kHertz, TSoundIO::SF_MONO16);
  if (!sample) return nullptr;
  int16_t* s = sample->Values16();
  for (size_t i = 0; i < raw.size(); ++i) {
    const int16_t v = static_cast<int16_t>(static_cast<int8_t>(raw[i]) * 256);
    s[4 * i] = s[4 * i + 1] = s[4 * i + 2] = s[4 * i + 3] = v;
  }
  for (int pass = 0; pass < 2; ++pass)
    for (int64_t j = 0; j + 1 < frames; ++j) s[j] = static_cast<int16_t>(TruncToInt((s[j] + s[j + 1]) * 0.5));
  return sample;
}

}  // namespace

int TSoundIO::LoadIFFData(const std::string& path, TStream& stream, int size) {
  if (size < 0 || StreamSize(stream) < size) return 0;
  std::vector<uint8_t> raw(static_cast<size_t>(size));
  ReadBytes(stream, raw.data(), size);
  std::shared_ptr<TAudioSample> sample = WidenSmoothed(raw);
  if (!sample) return 0;
  TempSample = sample;
  return sample->length > 0 ? 1 : 0;
}

int TSoundIO::LoadIFFRaw(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  const int64_t size = StreamSize(*stream);
  const int result = size <= INT32_MAX ? LoadIFFData(path, *stream, static_cast<int>(size)) : 0;
  CloseStream(*stream);
  return result;
}

int TSoundIO::LoadIFF16Data(const std::string& path, TStream& stream, int size) {
  const int frames = size / 2;
  if (frames < 0 || StreamSize(stream) < static_cast<int64_t>(frames) * 2) return 0;
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(frames, kHertz, SF_MONO16);
  if (!sample) return 0;
  TempSample = sample;
  ReadBytes(stream, sample->samples, static_cast<int64_t>(frames) * 2);
  uint8_t* p = sample->samples;
  for (int i = 0; i < frames; ++i) std::swap(p[2 * i], p[2 * i + 1]);
  return frames > 0 ? 1 : 0;
}

int TSoundIO::LoadIFF(const std::string& path) {
  std::unique_ptr<TStream> stream = ReadStream(path);
  if (!stream) return 0;
  if (ReadString(*stream, 4) != "FORM") {
    CloseStream(*stream);
    return LoadIFFRaw(path);
  }
  SeekStream(*stream, 8);  // past the form's size
  const std::string type = ReadString(*stream, 4);
  const bool eight = type == "8SVX";
  if (!eight && type != "16SV") {
    CloseStream(*stream);
    Print("error form");
    return -1;
  }
  // The chunks of the form, each passed over by its size, up to "BODY".
  int result = -1;
  std::string id;
  while (ReadChunkId(*stream, id)) {
    const uint32_t size = static_cast<uint32_t>(SampleReadLong(*stream));
    if (id == "BODY") {
      const int body = size > INT32_MAX ? INT32_MAX : static_cast<int>(size);
      result = eight ? LoadIFFData(path, *stream, body) : LoadIFF16Data(path, *stream, body);
      break;
    }
    SkipChunk(*stream, StreamPos(*stream), size);
  }
  CloseStream(*stream);
  if (result < 0) Print(eight ? "error 8svx" : "error 16sv");
  return result;
}
