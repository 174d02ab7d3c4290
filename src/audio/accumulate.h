// Adding one voice's rendered samples into the dry accumulator with saturating integer
// sums, and the dry path's sink that adds plainly while no sum can saturate. SSE2 does
// four samples at a time with results identical to the plain loop, which serves every
// other processor.
#pragma once
#include <cstdint>

#include "audio/saturate.h"
#include "audio/vectorpath.h"

#if defined(QUILLON_SSE2)
#include <emmintrin.h>
#endif

// a[i] = a[i] + s[i] where no sum can leave the 32-bit range.
inline void addplain(int32_t* a, const int32_t* s, int count) {
  for (int i = 0; i < count; ++i) a[i] += s[i];
}

// a[i] = a[i] + s[i], limited to the 32-bit range; four at a time with vectors.
inline void addsaturating(int32_t* a, const int32_t* s, int count, bool vectors) {
  int i = 0;
#if defined(QUILLON_SSE2)
  const __m128i largest = _mm_set1_epi32(INT32_MAX);
  for (; vectors && i + 4 <= count; i += 4) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i sum = _mm_add_epi32(x, y);
    // Overflow: both addends of one sign, the sum of the other.
    const __m128i overflow = _mm_srai_epi32(_mm_andnot_si128(_mm_xor_si128(x, y), _mm_xor_si128(x, sum)), 31);
    const __m128i limit = _mm_xor_si128(_mm_srai_epi32(x, 31), largest);
    const __m128i result = _mm_or_si128(_mm_and_si128(overflow, limit), _mm_andnot_si128(overflow, sum));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(a + i), result);
  }
#endif
  for (; i < count; ++i) a[i] = saturate32(static_cast<int64_t>(a[i]) + s[i]);
}

// The dry accumulator: each rendered sample added, saturating at the 32-bit range. While
// the bounds of the voices added since the accumulator was clear cannot reach that
// range, a plain sum gives the same result.
struct DrySink {
  int32_t* a;
  int64_t& reach;  // bound of every entry's magnitude, or more than the 32-bit range
  bool vectors;
  // The accumulator from offset on when a voice of this bound can be added plainly.
  int32_t* direct(int offset, int64_t bound) {
    if (reach + bound > INT32_MAX) return nullptr;
    reach += bound;
    return a + offset;
  }
  void add(const int32_t* samples, int offset, int count, int64_t bound) {
    reach += bound;
    if (reach <= INT32_MAX)
      addplain(a + offset, samples, count);
    else
      addsaturating(a + offset, samples, count, vectors);
  }
};
