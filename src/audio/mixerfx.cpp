// The mixer's effect path: voices rendered into nine accumulators (dry plus one send
// per bus) through a sink that weights each voice's buffer by the record's send levels, the
// 16-bit outputs of the accumulators, and the buffer steps the bus routing uses.
#include <algorithm>

#include "audio/mixer.h"
#include "audio/saturate.h"
#include "audio/soundrecord.h"
#include "audio/voicerender.h"
#include "platform/numbers.h"

namespace {

// Adds the voice's samples to every accumulator whose level is not 0, weighted by that
// level (a level of 0 leaves its accumulator exactly as it was, so it is skipped).
struct FxSink {
  std::array<int32_t*, kAccumulators> a{};
  std::array<float, kAccumulators> level{};
  std::array<int, kAccumulators> active{};
  int count = 0;
  float* floats = nullptr;

  FxSink(std::array<std::vector<int32_t>, kAccumulators>& buffers, const sample* s, float* scratch) : floats(scratch) {
    for (int k = 0; k < kAccumulators; ++k) {
      a[k] = buffers[k].data();
      // Accumulator 0 is the dry mix: the record's send 8; accumulator k + 1 is bus k.
      const float l = s ? s->send[k == 0 ? kDrySend : k - 1].load() : 0.0f;
      level[k] = l;
      if (l != 0.0f) active[count++] = k;
    }
  }

  void add(const int32_t* samples, int offset, int n) {
    if (count == 0) return;
    for (int i = 0; i < n; ++i) floats[i] = static_cast<float>(samples[i]);
    for (int j = 0; j < count; ++j) addscaled(a[active[j]] + offset, floats, level[active[j]], n);
  }
};

}  // namespace

void mixer::mixfx(int n) {
  n = limit(n);
  mixvoices([this, n](sound& v) {
    FxSink sink(buffers, v.smp, scratch.floats.data());
    return v.render(sink, n);
  });
}

void mixer::mix16fx(const std::array<int16_t*, kAccumulators>& out, int n) {
  if (n == 0) n = size;
  n = limit(n);
  mixfx(n);
  for (int k = 0; k < kAccumulators; ++k) {
    int32_t* a = buffers[k].data();
    int16_t* target = out[k];
    for (int i = 0; i < n; ++i) {
      if (target) target[i] = saturate16(a[i] >> 4);
      a[i] = 0;
    }
  }
}

void mixer::compute(int bus, const int16_t* input, int unused, int ringsize, int n) {
  fx.compute(bus, input, ringsize, n < 1 ? size : n);
}

void mixer::zerobuffer(int16_t* buffer, int n) {
  if (buffer && n > 0) std::fill_n(buffer, n, int16_t{0});
}

void mixer::combine(int16_t* target, std::initializer_list<const int16_t*> sources, int n) {
  if (!target) return;
  for (int i = 0; i < n; ++i) {
    int64_t sum = target[i];
    for (const int16_t* source : sources)
      if (source) sum += source[i];
    target[i] = saturate16(sum);
  }
}
