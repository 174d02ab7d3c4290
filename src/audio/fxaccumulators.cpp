// The effect path's float accumulators, several voices a pass (see fxaccumulators.h).
#include "audio/fxaccumulators.h"

#include <algorithm>
#include <cmath>

#include "audio/saturate.h"
#include "platform/numbers.h"

#if defined(QUILLON_SSE2)
#include <emmintrin.h>
#endif
#if defined(QUILLON_AVX)
#include <immintrin.h>
#endif

namespace {

constexpr int kBlock = 512;  // samples a pass keeps in the first-level cache, for all the rows

#if defined(QUILLON_SSE2)
// Truncation toward zero, as the rounding instruction of the wide pass gives it: a float
// of magnitude 2^23 or more (or not finite) is already whole and passes unconverted, as
// the conversion through 32-bit integers holds only the others; the sign is kept, so
// that -0.5 gives -0.
inline __m128 truncate(__m128 x) {
  const __m128 sign = _mm_set1_ps(-0.0f);
  const __m128 small = _mm_cmplt_ps(_mm_andnot_ps(sign, x), _mm_set1_ps(8388608.0f));
  const __m128 whole = _mm_or_ps(_mm_cvtepi32_ps(_mm_cvttps_epi32(x)), _mm_and_ps(sign, x));
  return _mm_or_ps(_mm_and_ps(small, whole), _mm_andnot_ps(small, x));
}
#endif

// sum[i] = trunc(sum[i] + level_m × source_m[i]) for each source m in order, i in from .. to - 1;
// a plain sum[i] + source_m[i] where the source is exact (at level 1 the truncation of a
// sum of whole numbers changes nothing).
using Pass = void (*)(float* sum, const float* const* sources, const float* levels, const bool* exact, int count,
                     int from, int to);

void addsourcesplain(float* sum, const float* const* sources, const float* levels, const bool* exact, int count,
                     int from, int to) {
  for (int i = from; i < to; ++i) {
    float x = sum[i];
    for (int m = 0; m < count; ++m) x = std::trunc(x + levels[m] * sources[m][i]);
    sum[i] = x;
  }
}

#if defined(QUILLON_SSE2)
// Each sample's sum is a chain of dependent steps; eight vectors at once keep the
// processor busy while each chain waits.
void addsources(float* sum, const float* const* sources, const float* levels, const bool* exact, int count, int from,
                int to) {
  int i = from;
  constexpr int kLanes = 8;
  for (; i + 4 * kLanes <= to; i += 4 * kLanes) {
    __m128 x[kLanes];
#pragma GCC unroll 8
    for (int r = 0; r < kLanes; ++r) x[r] = _mm_loadu_ps(sum + i + 4 * r);
    for (int m = 0; m < count; ++m) {
      const __m128 level = _mm_set1_ps(levels[m]);
      const float* source = sources[m] + i;
      if (exact[m]) {
#pragma GCC unroll 8
        for (int r = 0; r < kLanes; ++r) x[r] = _mm_add_ps(x[r], _mm_loadu_ps(source + 4 * r));
      } else {
#pragma GCC unroll 8
        for (int r = 0; r < kLanes; ++r) x[r] = truncate(_mm_add_ps(x[r], _mm_mul_ps(level, _mm_loadu_ps(source + 4 * r))));
      }
    }
#pragma GCC unroll 8
    for (int r = 0; r < kLanes; ++r) _mm_storeu_ps(sum + i + 4 * r, x[r]);
  }
  for (; i + 4 <= to; i += 4) {
    __m128 x = _mm_loadu_ps(sum + i);
    for (int m = 0; m < count; ++m) {
      const __m128 source = _mm_loadu_ps(sources[m] + i);
      x = exact[m] ? _mm_add_ps(x, source) : truncate(_mm_add_ps(x, _mm_mul_ps(_mm_set1_ps(levels[m]), source)));
    }
    _mm_storeu_ps(sum + i, x);
  }
  addsourcesplain(sum, sources, levels, exact, count, i, to);
}
#endif

#if defined(QUILLON_AVX)
// The same sums eight floats a vector, for processors that have them: separate multiply
// and add (no fused step), so every result is the one the plain path gives; the
// truncation is one rounding instruction instead of two conversions.
__attribute__((target("avx"))) void addsourceswide(float* sum, const float* const* sources, const float* levels,
                                                   const bool* exact, int count, int from, int to) {
  constexpr int kLanes = 8;
  int i = from;
  for (; i + 8 * kLanes <= to; i += 8 * kLanes) {
    __m256 x[kLanes];
#pragma GCC unroll 8
    for (int r = 0; r < kLanes; ++r) x[r] = _mm256_loadu_ps(sum + i + 8 * r);
    for (int m = 0; m < count; ++m) {
      const __m256 level = _mm256_set1_ps(levels[m]);
      const float* source = sources[m] + i;
      if (exact[m]) {
#pragma GCC unroll 8
        for (int r = 0; r < kLanes; ++r) x[r] = _mm256_add_ps(x[r], _mm256_loadu_ps(source + 8 * r));
      } else {
#pragma GCC unroll 8
        for (int r = 0; r < kLanes; ++r)
          x[r] = _mm256_round_ps(_mm256_add_ps(x[r], _mm256_mul_ps(level, _mm256_loadu_ps(source + 8 * r))),
                                 _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
      }
    }
#pragma GCC unroll 8
    for (int r = 0; r < kLanes; ++r) _mm256_storeu_ps(sum + i + 8 * r, x[r]);
  }
  if (i < to) addsources(sum, sources, levels, exact, count, i, to);
}
#endif

// The pass for a path, falling back to the fastest one compiled in.
Pass passfor(VectorPath path) {
#if defined(QUILLON_AVX)
  if (path == VectorPath::Avx) return addsourceswide;
#endif
#if defined(QUILLON_SSE2)
  if (path != VectorPath::Plain) return addsources;
#endif
  return addsourcesplain;
}

}  // namespace

FxAccumulators::FxAccumulators(int samples)
    : samples_(std::max(samples, 0)), voices_(static_cast<size_t>(samples_ + kFxRowPadding) * kFxBatchVoices) {
  for (auto& sum : sums_) sum.assign(static_cast<size_t>(samples_), 0.0f);
}

void FxAccumulators::limit(int& offset, int& count, int& n) const {
  n = std::clamp(n, 0, samples_);
  offset = std::clamp(offset, 0, n);
  count = std::clamp(count, 0, n - offset);
}

float* FxAccumulators::row(int n, const Levels& levels) {
  if (std::all_of(levels.begin(), levels.end(), [](float l) { return l == 0.0f; })) return nullptr;
  if (waiting_ == kFxBatchVoices) flush(n);
  return rowof(waiting_);
}

void FxAccumulators::commit(int offset, int count, int n, const Levels& levels) {
  limit(offset, count, n);
  float* const target = rowof(waiting_);
  std::fill_n(target, offset, 0.0f);
  std::fill(target + offset + count, target + n, 0.0f);
  levels_[static_cast<size_t>(waiting_)] = levels;
  // At unity the sum of two whole numbers rounds to a whole number (exactly below 2^24,
  // and every float from 2^24 on is whole): the truncation has nothing to do.
  for (int k = 0; k < kFxAccumulators; ++k)
    exact_[static_cast<size_t>(waiting_)][static_cast<size_t>(k)] = levels[static_cast<size_t>(k)] == 1.0f;
  ++waiting_;
}

void FxAccumulators::flush(int n) {
  n = std::clamp(n, 0, samples_);
  // The waiting voices that reach each accumulator, in the order they were rendered.
  struct Sources {
    std::array<const float*, kFxBatchVoices> rows{};
    std::array<float, kFxBatchVoices> levels{};
    std::array<bool, kFxBatchVoices> exact{};
    int count = 0;
  };
  std::array<Sources, kFxAccumulators> reach;
  for (int k = 0; k < kFxAccumulators; ++k) {
    Sources& r = reach[static_cast<size_t>(k)];
    for (int v = 0; v < waiting_; ++v) {
      const float level = levels_[static_cast<size_t>(v)][static_cast<size_t>(k)];
      if (level == 0.0f) continue;
      r.rows[static_cast<size_t>(r.count)] = rowof(v);
      r.levels[static_cast<size_t>(r.count)] = level;
      r.exact[static_cast<size_t>(r.count)] = exact_[static_cast<size_t>(v)][static_cast<size_t>(k)];
      ++r.count;
    }
  }
  const Pass add = passfor(path);
  for (int from = 0; from < n; from += kBlock) {
    const int to = std::min(n, from + kBlock);
    for (int k = 0; k < kFxAccumulators; ++k) {
      const Sources& r = reach[static_cast<size_t>(k)];
      if (r.count == 0) continue;
      add(sums_[static_cast<size_t>(k)].data(), r.rows.data(), r.levels.data(), r.exact.data(), r.count, from, to);
    }
  }
  waiting_ = 0;
}

void FxAccumulators::take16(int k, int16_t* target, int n) {
  n = std::clamp(n, 0, samples_);
  float* sum = sums_[static_cast<size_t>(k)].data();
  int i = 0;
  if (target) {
#if defined(QUILLON_SSE2)
    if (path != VectorPath::Plain) {
      // Limited first to where the 16-bit result saturates anyway, so the conversion cannot
      // overflow; a NaN counts as 0.
      const __m128 low = _mm_set1_ps(-524289.0f);
      const __m128 high = _mm_set1_ps(524288.0f);
      for (; i + 8 <= n; i += 8) {
        __m128 x0 = _mm_loadu_ps(sum + i);
        __m128 x1 = _mm_loadu_ps(sum + i + 4);
        x0 = _mm_min_ps(_mm_max_ps(_mm_and_ps(x0, _mm_cmpord_ps(x0, x0)), low), high);
        x1 = _mm_min_ps(_mm_max_ps(_mm_and_ps(x1, _mm_cmpord_ps(x1, x1)), low), high);
        const __m128i whole0 = _mm_srai_epi32(_mm_cvttps_epi32(x0), 4);
        const __m128i whole1 = _mm_srai_epi32(_mm_cvttps_epi32(x1), 4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), _mm_packs_epi32(whole0, whole1));
      }
    }
#endif
    for (; i < n; ++i) target[i] = saturate16(TruncToInt(sum[i]) >> 4);
  }
  std::fill_n(sum, n, 0.0f);
}
