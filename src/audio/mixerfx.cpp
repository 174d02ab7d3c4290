// The mixer's effect path: voices rendered into nine accumulators (dry plus one send
// per bus) through a sink that hands each voice's buffer on with the record's send levels, the
// 16-bit outputs of the accumulators, and the buffer steps the bus routing uses.
#include <algorithm>

#include "audio/mixer.h"
#include "audio/saturate.h"
#include "audio/soundrecord.h"
#include "audio/voicerender.h"
#include "platform/numbers.h"

namespace {

// Hands the voice's samples to the effect accumulators with the record's send levels.
struct FxSink {
  FxAccumulators& sums;
  FxAccumulators::Levels levels{};
  int n;

  FxSink(FxAccumulators& accumulators, const sample* s, int samples) : sums(accumulators), n(samples) {
    // Accumulator 0 is the dry mix: the record's send 8; accumulator k + 1 is bus k.
    for (int k = 0; k < kAccumulators; ++k) levels[k] = s ? s->send[k == 0 ? kDrySend : k - 1].load() : 0.0f;
  }

  // Reached only when row handed out none: every level is 0, so nothing is heard.
  void add(const int32_t*, int, int, int64_t) {}
  // The voice renders straight into its row of the accumulators' batch.
  float* row(int offset) {
    float* const target = sums.row(n, levels);
    return target ? target + offset : nullptr;
  }
  void rendered(int offset, int count) { sums.commit(offset, count, n, levels); }
};

}  // namespace

void mixer::mixfx(int n) {
  n = limit(n);
  mixvoices([this, n](sound& v) {
    FxSink sink(fxsums, v.smp, n);
    return v.render(sink, n);
  });
  fxsums.flush(n);
}

void mixer::mix16fx(const std::array<int16_t*, kAccumulators>& out, int n) {
  if (n == 0) n = size;
  n = limit(n);
  mixfx(n);
  for (int k = 0; k < kAccumulators; ++k) fxsums.take16(k, out[k], n);
}

void mixer::compute(int bus, const int16_t* input, int unused, int ringsize, int n) {
  fx.compute(bus, input, ringsize, n < 1 ? size : n);
}

void mixer::zerobuffer(int16_t* buffer, int n) {
  if (buffer && n > 0) std::fill_n(buffer, n, int16_t{0});
}

void mixer::combine(int16_t* target, std::initializer_list<const int16_t*> sources, int n) {
  if (!target) return;
  // Summed a block at a time in 32 bits (ample for the few buffers routed), so the loops
  // vectorise; each sum saturates once, at the end.
  constexpr int kBlock = 256;
  int32_t sums[kBlock];
  for (int from = 0; from < n; from += kBlock) {
    const int count = std::min(kBlock, n - from);
    for (int i = 0; i < count; ++i) sums[i] = target[from + i];
    for (const int16_t* source : sources)
      if (source)
        for (int i = 0; i < count; ++i) sums[i] += source[from + i];
    for (int i = 0; i < count; ++i) target[from + i] = saturate16(sums[i]);
  }
}
