// The mixer's effect path: voices rendered into nine accumulators (dry plus one send
// per bus) through a sink that weights each frame by the record's send levels, the
// 16-bit outputs of the accumulators, and the buffer steps the bus routing uses.
#include <algorithm>

#include "audio/mixer.h"
#include "audio/saturate.h"
#include "audio/soundrecord.h"
#include "audio/voicerender.h"
#include "platform/numbers.h"

namespace {

// Adds each frame to every accumulator whose level is not 0, weighted by that level
// (a level of 0 leaves its accumulator exactly as it was, so it is skipped).
struct FxSink {
  std::array<int32_t*, kAccumulators> a{};
  std::array<float, kAccumulators> level{};
  std::array<int, kAccumulators> active{};
  int count = 0;

  FxSink(std::array<std::vector<int32_t>, kAccumulators>& buffers, const sample* s) {
    for (int k = 0; k < kAccumulators; ++k) {
      a[k] = buffers[k].data();
      // Accumulator 0 is the dry mix: the record's send 8; accumulator k + 1 is bus k.
      const float l = s ? s->send[k == 0 ? kDrySend : k - 1].load() : 0.0f;
      level[k] = l;
      if (l != 0.0f) active[count++] = k;
    }
  }

  FxSink offset(int frames) const {
    FxSink shifted = *this;
    for (auto& entry : shifted.a) entry += 2 * frames;
    return shifted;
  }

  void add(int i, int left, int right) {
    const float l = static_cast<float>(left);
    const float r = static_cast<float>(right);
    for (int j = 0; j < count; ++j) {
      const int k = active[j];
      int32_t* entry = a[k] + 2 * i;
      entry[0] = TruncToInt(static_cast<float>(entry[0]) + level[k] * l);
      entry[1] = TruncToInt(static_cast<float>(entry[1]) + level[k] * r);
    }
  }
};

}  // namespace

void mixer::mixfx(int n) {
  n = limit(n);
  mixvoices([this, n](sound& v) {
    FxSink sink(buffers, v.smp);
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
