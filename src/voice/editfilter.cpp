// TFilter::DoEditFilter: lays a clip into a sound in place from a stored-sample
// position, overwriting, overwriting one side, adding or mixing by the peak-keeping
// rule, forward or backward, with or without wrapping the overflow to the start.
#include <algorithm>
#include <cstdint>

#include "audio/sound.h"
#include "platform/print.h"
#include "voice/samplewords.h"
#include "voice/voicefilter.h"

namespace {

// Agreeing signs keep the larger magnitude; opposite signs are averaged, rounding down.
int16_t mix(int a, int b) {
  if (a >= 0 && b >= 0) return static_cast<int16_t>(std::max(a, b));
  if (a <= 0 && b <= 0) return static_cast<int16_t>(std::min(a, b));
  return static_cast<int16_t>((a + b) >> 1);
}

int16_t combine(int operation, int a, int b) {
  switch (operation) {
    case 13: case 14: return Low16(static_cast<int64_t>(a) + b);
    case 2: case 4: case 6: case 8: return mix(a, b);
    default: return static_cast<int16_t>(b);  // 9, 10: overwrite
  }
}

}  // namespace

int TFilter::DoEditFilter(const std::shared_ptr<TSound>& sound, int position, int operation,
                          const std::shared_ptr<TSound>& clip) {
  if (!sound || !clip || operation < 1) return 0;
  const bool known = operation == 2 || operation == 4 || operation == 6 || (operation >= 8 && operation <= 14);
  if (!known) return 0;
  int16_t* x = sound->GetAudioSample();
  const int16_t* s = clip->GetAudioSample();
  if (x == nullptr || s == nullptr) return 0;
  const int64_t total = static_cast<int64_t>(sound->GetAudioSampleLength()) * sound->GetAudioSampleMono();
  const int64_t n = static_cast<int64_t>(clip->GetAudioSampleLength()) * clip->GetAudioSampleMono();
  if (position < 0 || position > total || n <= 0) return 0;

  int64_t last = position + n - 1;
  int64_t overflow = 0;
  if (last >= total) {
    overflow = last - total + 1;
    last = total - 1;
  }
  SamplePtr = x;
  if (operation == 13) Print("filter add");
  if (operation == 14) Print("filter addloop");

  if (operation == 11 || operation == 12) {
    for (int64_t i = position; i <= last; ++i) {
      const int64_t at = 2 * (i / 2) + (operation == 11 ? 1 : 0);
      if (at < total) x[at] = s[i - position];
    }
    return 0;
  }
  if (operation == 8) {
    int64_t k = n - 1;
    for (int64_t i = position; i <= last; ++i, --k) x[i] = mix(x[i], s[k]);
    for (int64_t i = 0; k >= 0 && i < total; ++i, --k) x[i] = mix(x[i], s[k]);
    return 0;
  }
  for (int64_t i = position; i <= last; ++i) {
    const int64_t k = operation == 4 ? last - i : i - position;
    x[i] = combine(operation, x[i], s[k]);
  }
  if (operation == 10 || operation == 14 || operation == 6) {
    const int64_t used = last - position + 1;  // 0 for a span that starts at the end
    for (int64_t i = 0; i < overflow && i < total; ++i) x[i] = combine(operation, x[i], s[used + i]);
  }
  return 0;
}
