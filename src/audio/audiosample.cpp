// The sample-data record: the format table, making a record and converting formats.
#include "audio/audiosample.h"

#include <array>
#include <climits>
#include <new>

namespace {

constexpr std::array<int, kAudioFormats> kChannels{0, 1, 1, 1, 2, 2, 2};
constexpr std::array<int, kAudioFormats> kBytes{0, 1, 2, 2, 2, 4, 4};

bool known(int format) { return format >= 0 && format < kAudioFormats; }
bool bigendian(int format) { return format == SF_MONO16BE || format == SF_STEREO16BE; }
bool eightbit(int format) { return format == SF_MONO8 || format == SF_STEREO8; }

// Value v (0 left, 1 right) of frame f as signed 16-bit.
int readvalue(const TAudioSample& s, int frame, int side) {
  const int channels = kChannels[s.format];
  const int index = frame * channels + (channels == 2 ? side : 0);
  if (eightbit(s.format)) return (static_cast<int>(s.samples[index]) - 128) * 256;
  const uint8_t* p = s.samples + 2 * index;
  const int bits = bigendian(s.format) ? (p[0] << 8) | p[1] : p[0] | (p[1] << 8);
  return static_cast<int16_t>(static_cast<uint16_t>(bits));
}

void writevalue(TAudioSample& s, int index, int value) {
  if (eightbit(s.format)) {
    s.samples[index] = static_cast<uint8_t>((value >> 8) + 128);
    return;
  }
  const auto bits = static_cast<uint16_t>(static_cast<int16_t>(value));
  uint8_t* p = s.samples + 2 * index;
  const uint8_t high = static_cast<uint8_t>(bits >> 8);
  const uint8_t low = static_cast<uint8_t>(bits & 0xFF);
  p[0] = bigendian(s.format) ? high : low;
  p[1] = bigendian(s.format) ? low : high;
}

}  // namespace

int AudioFormatChannels(int format) { return known(format) ? kChannels[format] : 0; }
int AudioFormatBytes(int format) { return known(format) ? kBytes[format] : 0; }

bool TAudioSample::Holds() const {
  if (!known(format) || length < 0) return false;
  const int64_t bytes = static_cast<int64_t>(length) * kBytes[format];
  if (bytes == 0) return true;
  if (!samples) return false;
  return capacity < 0 || bytes <= capacity;
}

std::shared_ptr<TAudioSample> CreateAudioSample(int length, int hertz, int format) {
  if (!known(format) || length < 0) return nullptr;
  const int64_t bytes = static_cast<int64_t>(length) * kBytes[format];
  if (bytes > INT_MAX) return nullptr;
  auto record = std::make_shared<TAudioSample>();
  // At least one byte, so even an empty record has an address of its own.
  record->owned_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(bytes > 0 ? bytes : 1)]());
  if (!record->owned_) return nullptr;
  record->samples = record->owned_.get();
  record->length = length;
  record->hertz = hertz;
  record->format = format;
  record->capacity = static_cast<int>(bytes);
  return record;
}

std::shared_ptr<TAudioSample> TAudioSample::Convert(int to) const {
  if (!Holds() || !known(to)) return nullptr;
  std::shared_ptr<TAudioSample> result = CreateAudioSample(length, hertz, to);
  if (!result) return nullptr;
  const int from = kChannels[format];
  const int channels = kChannels[to];
  if (from == 0 || channels == 0) return result;  // nothing to carry
  for (int f = 0; f < length; ++f) {
    const int left = readvalue(*this, f, 0);
    const int right = readvalue(*this, f, 1);
    if (channels == 2) {
      writevalue(*result, 2 * f, left);
      writevalue(*result, 2 * f + 1, right);
    } else {
      writevalue(*result, f, from == 2 ? (left + right) / 2 : left);
    }
  }
  return result;
}
