// Building the 512-point overview from 16-bit sample data.
#include "voice/voiceoverview.h"

#include "platform/numbers.h"

// The step is a 32-bit float; its product with the point number is taken in double,
// so 511 x (1024 / 511) stays just below 1024.

namespace {
float Point(const int16_t* samples, int64_t index, int64_t limit) {
  if (samples == nullptr || index < 0 || index >= limit - 1) return 0.0f;
  return -(static_cast<float>(samples[index]) / 32767.0f);
}
}  // namespace

void BuildMonoOverview(std::array<float, 512>& data, const int16_t* samples, int length) {
  const float step = static_cast<float>(length) / 511.0f;
  for (int p = 0; p < 512; ++p) {
    const double at = static_cast<double>(p) * step;
    data[p] = Point(samples, TruncToInt(at), length);
  }
}

void BuildStereoOverview(std::array<float, 512>& data, const int16_t* samples, int length,
                         int64_t wordLimit) {
  const float step = static_cast<float>(length) / 255.0f;
  for (int p = 0; p < 512; p += 2) {
    const double at = static_cast<double>(p) * step;
    const int64_t frame = TruncToInt(at) / 2;
    data[p] = Point(samples, 2 * frame, wordLimit);
    data[p + 1] = Point(samples, 2 * frame + 1, wordLimit);
  }
}
