// The gains of a buffer of a voice: a left and right pair from a pan and a volume, one
// pair for the buffer or one per frame while the volume or pan moves (the pan in runs of
// one whole pan). Gains are 4096-scaled 16-bit values.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <type_traits>

#include "audio/framecontext.h"
#include "audio/panpath.h"
#include "audio/saturate.h"
#include "audio/vectorpath.h"
#include "platform/numbers.h"

#if defined(QUILLON_SSE2)
#include <emmintrin.h>
#endif

inline void pangains(int p, int vol, int& left, int& right) {
  if (p > 0) {
    left = saturate16((static_cast<int64_t>(4096 - p) * vol) >> 12);
    right = saturate16(vol);
  } else if (p < 0) {
    left = saturate16(vol);
    right = saturate16((static_cast<int64_t>(4096 + p) * vol) >> 12);
  } else {
    left = right = saturate16(vol);
  }
}

// Entries past the frames that the gain arrays hold for whole-vector stores.
constexpr int kGainPadding = 8;

// gainl and gainr of count frames from first hold one pair; with vectors, up to
// kGainPadding - 1 entries after them may be overwritten. A template, so that the
// choice is made once per buffer and not once per run of one pan.
template <bool Vectors>
inline void fillgains(int16_t* gainl, int16_t* gainr, int first, int count, int left, int right) {
#if defined(QUILLON_SSE2)
  if constexpr (Vectors) {
    const __m128i l = _mm_set1_epi16(static_cast<int16_t>(left));
    const __m128i r = _mm_set1_epi16(static_cast<int16_t>(right));
    for (int i = first; i < first + count; i += 8) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(gainl + i), l);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(gainr + i), r);
    }
    return;
  }
#endif
  std::fill_n(gainl + first, count, static_cast<int16_t>(left));
  std::fill_n(gainr + first, count, static_cast<int16_t>(right));
}

// Per-frame gains of a buffer whose volume or pan moves: the pan runs as the float sum
// it always was, the volume in 8.8 steps. Volumes are 16-bit values, and each side's
// pan factor (4096 - p or 4096 + p where the pan attenuates that side, else 4096) lies
// in -28680 .. 4096 for every pan the float sum between two 16-bit pans reaches (it
// strays at most a few units past them), so the products are taken from 16-bit halves
// and saturated back to 16 bits. Answers the largest magnitude of the gains. The arrays
// hold kGainPadding entries past the frames.
inline int framegains(const FrameContext& c, int frames, bool ramp, bool panramp, int32_t* pans, int16_t* gainl,
                      int16_t* gainr) {
  if (!ramp || c.volinc == 0) {
    // A steady volume: one gain pair for each run of one whole pan.
    const int volume = ramp ? c.vol8 >> 8 : c.volume;
    int largest = 0;
    const auto fill = [&](auto vectors, int first, int count, int32_t pan) {
      int left = 0;
      int right = 0;
      pangains(pan, volume, left, right);
      largest = std::max({largest, std::abs(left), std::abs(right)});
      fillgains<decltype(vectors)::value>(gainl, gainr, first, count, left, right);
    };
    const auto fillall = [&](auto vectors) {
      const auto run = [&](int first, int count, int32_t pan) { fill(vectors, first, count, pan); };
      if (panramp)
        panruns(c.pan, c.paninc, frames, run);
      else if (frames > 0)
        run(0, frames, TruncToInt(c.pan));
    };
    if (c.vectors)
      fillall(std::true_type{});
    else
      fillall(std::false_type{});
    return largest;
  }
  if (panramp)
    panpath(c.pan, c.paninc, frames, pans);
  else
    std::fill_n(pans, frames, TruncToInt(c.pan));
  const int vol8 = c.vol8;
  const int volinc = c.volinc;
  int largest = 0;
  int i = 0;
#if defined(QUILLON_SSE2)
  if (c.vectors) {
    const __m128i full = _mm_set1_epi32(4096);
    const __m128i zero = _mm_setzero_si128();
    const __m128i ramp4 = _mm_setr_epi32(0, volinc, 2 * volinc, 3 * volinc);
    __m128i top = zero;
    __m128i bottom = zero;
    // Sixteen-bit gains of eight frames from 32-bit factors and volumes (all in 16-bit range).
    const auto gains8 = [](__m128i factor0, __m128i factor1, __m128i volume16) {
      const __m128i factor16 = _mm_packs_epi32(factor0, factor1);
      const __m128i low = _mm_mullo_epi16(factor16, volume16);
      const __m128i high = _mm_mulhi_epi16(factor16, volume16);
      const __m128i product0 = _mm_srai_epi32(_mm_unpacklo_epi16(low, high), 12);
      const __m128i product1 = _mm_srai_epi32(_mm_unpackhi_epi16(low, high), 12);
      return _mm_packs_epi32(product0, product1);
    };
    for (; i + 8 <= frames; i += 8) {
      const __m128i p0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pans + i));
      const __m128i p1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pans + i + 4));
      const __m128i base = _mm_add_epi32(_mm_set1_epi32(vol8 + volinc * i), ramp4);
      const __m128i volume0 = _mm_srai_epi32(base, 8);
      const __m128i volume1 = _mm_srai_epi32(_mm_add_epi32(base, _mm_set1_epi32(4 * volinc)), 8);
      const __m128i volume16 = _mm_packs_epi32(volume0, volume1);
      // Left: 4096 - p where p > 0; right: 4096 + p where p < 0; else 4096.
      const __m128i positive0 = _mm_cmpgt_epi32(p0, zero);
      const __m128i positive1 = _mm_cmpgt_epi32(p1, zero);
      const __m128i negative0 = _mm_cmpgt_epi32(zero, p0);
      const __m128i negative1 = _mm_cmpgt_epi32(zero, p1);
      const __m128i left0 = _mm_sub_epi32(full, _mm_and_si128(positive0, p0));
      const __m128i left1 = _mm_sub_epi32(full, _mm_and_si128(positive1, p1));
      const __m128i right0 = _mm_add_epi32(full, _mm_and_si128(negative0, p0));
      const __m128i right1 = _mm_add_epi32(full, _mm_and_si128(negative1, p1));
      const __m128i gl = gains8(left0, left1, volume16);
      const __m128i gr = gains8(right0, right1, volume16);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(gainl + i), gl);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(gainr + i), gr);
      top = _mm_max_epi16(top, _mm_max_epi16(gl, gr));
      bottom = _mm_min_epi16(bottom, _mm_min_epi16(gl, gr));
    }
    alignas(16) int16_t tops[8];
    alignas(16) int16_t bottoms[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(tops), top);
    _mm_store_si128(reinterpret_cast<__m128i*>(bottoms), bottom);
    for (int k = 0; k < 8; ++k) largest = std::max({largest, static_cast<int>(tops[k]), -bottoms[k]});
  }
#endif
  for (; i < frames; ++i) {
    int left = 0;
    int right = 0;
    pangains(pans[i], (vol8 + volinc * i) >> 8, left, right);
    gainl[i] = static_cast<int16_t>(left);
    gainr[i] = static_cast<int16_t>(right);
    largest = std::max({largest, std::abs(left), std::abs(right)});
  }
  return largest;
}

// The gains of a buffer: one pair per frame (the volume or pan moves), or one pair.
struct FrameGains {
  const int16_t* left;
  const int16_t* right;
};
