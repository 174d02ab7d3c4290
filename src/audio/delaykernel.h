// The delay-and-comb step of one effect bus: one frame at a time, and with SSE2 four
// frames at a time, giving the same bits. Both keep every 16-bit result truncated and
// then saturated (NaN gives 0) and do the comb's 0.7 step in double precision.
#pragma once
#include <algorithm>
#include <cstdint>

#include "audio/vectorpath.h"
#include "platform/numbers.h"

#if defined(QUILLON_SSE2)
#include <emmintrin.h>
#endif

#if defined(QUILLON_SSE2)
// Without branches: the clamp keeps a NaN (the value is the second operand), and its
// conversion gives 0x80000000, whose low 16 bits are 0.
inline int16_t to16(float value) {
  const __m128 v = _mm_set_ss(value);
  const __m128 clamped = _mm_min_ss(_mm_set_ss(32767.0f), _mm_max_ss(_mm_set_ss(-32768.0f), v));
  return static_cast<int16_t>(_mm_cvttss_si32(clamped));
}

// TruncToInt without branches: saturating, NaN gives 0.
inline int truncint(double value) {
  const __m128d v = _mm_set_sd(value);
  const __m128d clamped = _mm_min_sd(_mm_set_sd(2147483647.0), _mm_max_sd(_mm_set_sd(-2147483648.0), v));
  const int r = _mm_cvttsd_si32(clamped);
  return value == value ? r : 0;
}
#else
inline int16_t to16(float value) {
  if (value >= 32767.0f) return INT16_MAX;
  if (value <= -32768.0f) return INT16_MIN;
  if (value != value) return 0;
  return static_cast<int16_t>(static_cast<int>(value));
}

inline int truncint(double value) { return TruncToInt(value); }
#endif

// (a + b) mod ring for a and b in 0 .. ring - 1.
inline int wrapsum(int a, int b, int ring) {
  const int sum = a + b;
  return sum >= ring ? sum - ring : sum;
}

struct DelayKernel {
  float crossfeed, combcrossfeed;
  float wetL, wetR, combgainL, combgainR, sendL, sendR;
  float feedbackL, feedbackR, dryL, dryR, echoL, echoR;
  int ring;              // delay ring size; delays below it
  int delayL, delayR;
  int lengthL, lengthR;  // comb lengths, at most the comb rings' entries
  int dpL, dpR, cpL, cpR;
  int16_t *dl, *dr, *cl, *cr;

  // One frame at a time over `frames` stereo frames; `in` may be `out`.
  void frames(const int16_t* in, int16_t* out, int frames) {
    for (int i = 0; i < 2 * frames; i += 2) {
      const float L = in[i];
      const float R = in[i + 1];
      const int16_t inL = to16(R * crossfeed + (1.0f - crossfeed) * L);
      dl[wrapsum(delayL, dpL, ring)] = inL;
      const int16_t dL = dl[dpL];
      if (++dpL >= ring) dpL = 0;
      const int16_t inR = to16(L * crossfeed + (1.0f - crossfeed) * R);
      dr[wrapsum(delayR, dpR, ring)] = inR;
      const int16_t dR = dr[dpR];
      if (++dpR >= ring) dpR = 0;
      const int16_t cL = to16(cl[cpL] * feedbackL);
      cl[cpL] = cL;
      const int16_t wL = to16(dL * echoL + inL * dryL);
      const int16_t cR = to16(cr[cpR] * feedbackR);
      cr[cpR] = cR;
      const int16_t wR = to16(dR * echoR + inR * dryR);
      const int sL = truncint((static_cast<double>(cL) + truncint(wL * sendL)) * 0.7);
      const int sR = truncint((static_cast<double>(truncint(wR * sendR)) + cR) * 0.7);
      cl[cpL] = to16(static_cast<float>(sR) * combcrossfeed + (1.0f - combcrossfeed) * static_cast<float>(sL));
      cr[cpR] = to16(static_cast<float>(sL) * combcrossfeed + (1.0f - combcrossfeed) * static_cast<float>(sR));
      if (++cpL >= lengthL) cpL = 0;
      if (++cpR >= lengthR) cpR = 0;
      out[i] = to16(wL * wetL + cL * combgainL);
      out[i + 1] = to16(wR * wetR + cR * combgainR);
    }
  }

#if defined(QUILLON_SSE2)
  // Q × 4 frames in one step keep apart through the rings when no comb is shorter than
  // the step and no delay write lands on a slot an earlier frame of the step reads: the
  // writes go first, and a write reaches back to a read only for delays above ring - 4Q.
  template <int Q>
  bool fits() const {
    return lengthL >= 4 * Q && lengthR >= 4 * Q && delayL <= ring - 4 * Q && delayR <= ring - 4 * Q;
  }
  bool quadsfit() const { return fits<1>(); }

  // Frames until a ring position wraps (at least 1 when quadsfit()).
  int room() const {
    return std::min({ring - dpL, ring - wrapsum(delayL, dpL, ring), ring - dpR, ring - wrapsum(delayR, dpR, ring),
                     lengthL - cpL, lengthR - cpR});
  }

  // Q × 4 frames per step over `frames` (a multiple of 4Q, at most room()); `in` may be
  // `out`, as each step reads its input before it writes. Each stage runs on all Q
  // quads before the next, so their long chains of conversions overlap.
  template <int Q>
  void quads(const int16_t* in, int16_t* out, int frames) {
    const __m128 cf = _mm_set1_ps(crossfeed), keep = _mm_set1_ps(1.0f - crossfeed);
    const __m128 ccf = _mm_set1_ps(combcrossfeed), ckeep = _mm_set1_ps(1.0f - combcrossfeed);
    const __m128 fbL = _mm_set1_ps(feedbackL), fbR = _mm_set1_ps(feedbackR);
    const __m128 echoLv = _mm_set1_ps(echoL), echoRv = _mm_set1_ps(echoR);
    const __m128 dryLv = _mm_set1_ps(dryL), dryRv = _mm_set1_ps(dryR);
    const __m128 sendLv = _mm_set1_ps(sendL), sendRv = _mm_set1_ps(sendR);
    const __m128 wetLv = _mm_set1_ps(wetL), wetRv = _mm_set1_ps(wetR);
    const __m128 cgL = _mm_set1_ps(combgainL), cgR = _mm_set1_ps(combgainR);
    for (int f = 0; f < frames; f += 4 * Q) {
      __m128i inL[Q], inR[Q], cL[Q], cR[Q], wL[Q], wR[Q];
      __m128 dL[Q], dR[Q];
#pragma GCC unroll 2
      for (int q = 0; q < Q; ++q) {
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 2 * (f + 4 * q)));
        const __m128 L = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_slli_epi32(raw, 16), 16));
        const __m128 R = _mm_cvtepi32_ps(_mm_srai_epi32(raw, 16));
        inL[q] = to16x4(_mm_add_ps(_mm_mul_ps(R, cf), _mm_mul_ps(keep, L)));
        inR[q] = to16x4(_mm_add_ps(_mm_mul_ps(L, cf), _mm_mul_ps(keep, R)));
      }
#pragma GCC unroll 2
      for (int q = 0; q < Q; ++q) {
        store4(dl + wrapsum(delayL, dpL, ring) + 4 * q, inL[q]);
        store4(dr + wrapsum(delayR, dpR, ring) + 4 * q, inR[q]);
      }
#pragma GCC unroll 2
      for (int q = 0; q < Q; ++q) {
        dL[q] = load4(dl + dpL + 4 * q);
        dR[q] = load4(dr + dpR + 4 * q);
        cL[q] = to16x4(_mm_mul_ps(load4(cl + cpL + 4 * q), fbL));
        cR[q] = to16x4(_mm_mul_ps(load4(cr + cpR + 4 * q), fbR));
      }
#pragma GCC unroll 2
      for (int q = 0; q < Q; ++q) {
        wL[q] = to16x4(_mm_add_ps(_mm_mul_ps(dL[q], echoLv), _mm_mul_ps(_mm_cvtepi32_ps(inL[q]), dryLv)));
        wR[q] = to16x4(_mm_add_ps(_mm_mul_ps(dR[q], echoRv), _mm_mul_ps(_mm_cvtepi32_ps(inR[q]), dryRv)));
      }
#pragma GCC unroll 2
      for (int q = 0; q < Q; ++q) {
        const __m128 wLf = _mm_cvtepi32_ps(wL[q]), wRf = _mm_cvtepi32_ps(wR[q]);
        const __m128 cLf = _mm_cvtepi32_ps(cL[q]), cRf = _mm_cvtepi32_ps(cR[q]);
        const __m128 sL = _mm_cvtepi32_ps(seventenths(cL[q], truncint4(_mm_mul_ps(wLf, sendLv))));
        const __m128 sR = _mm_cvtepi32_ps(seventenths(cR[q], truncint4(_mm_mul_ps(wRf, sendRv))));
        store4(cl + cpL + 4 * q, to16x4(_mm_add_ps(_mm_mul_ps(sR, ccf), _mm_mul_ps(ckeep, sL))));
        store4(cr + cpR + 4 * q, to16x4(_mm_add_ps(_mm_mul_ps(sL, ccf), _mm_mul_ps(ckeep, sR))));
        const __m128i oL = to16x4(_mm_add_ps(_mm_mul_ps(wLf, wetLv), _mm_mul_ps(cLf, cgL)));
        const __m128i oR = to16x4(_mm_add_ps(_mm_mul_ps(wRf, wetRv), _mm_mul_ps(cRf, cgR)));
        // Lanes hold sign-extended 16-bit values: left in the low half, right in the high.
        const __m128i pair = _mm_or_si128(_mm_and_si128(oL, _mm_set1_epi32(0xffff)), _mm_slli_epi32(oR, 16));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * (f + 4 * q)), pair);
      }
      dpL += 4 * Q;
      dpR += 4 * Q;
      cpL += 4 * Q;
      cpR += 4 * Q;
    }
    if (dpL >= ring) dpL = 0;
    if (dpR >= ring) dpR = 0;
    if (cpL >= lengthL) cpL = 0;
    if (cpR >= lengthR) cpR = 0;
  }

 private:
  static __m128 load4(const int16_t* p) {
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
    return _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpacklo_epi16(v, v), 16));
  }

  // Lanes are 16-bit values sign-extended, so the saturating pack keeps them.
  static void store4(int16_t* p, __m128i v) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(v, v));
  }

  // to16 on four lanes, sign-extended to 32 bits: the low 16 bits of the conversion,
  // not a saturating pack, so that a NaN gives 0.
  static __m128i to16x4(__m128 v) {
    const __m128 clamped = _mm_min_ps(_mm_set1_ps(32767.0f), _mm_max_ps(_mm_set1_ps(-32768.0f), v));
    return _mm_srai_epi32(_mm_slli_epi32(_mm_cvttps_epi32(clamped), 16), 16);
  }

  // truncint of four floats: the conversion gives 0x80000000 out of range and for NaN;
  // flipping it gives INT_MAX at 2^31 and above, masking gives 0 for NaN.
  static __m128i truncint4(__m128 v) {
    const __m128i above = _mm_castps_si128(_mm_cmpge_ps(v, _mm_set1_ps(2147483648.0f)));
    const __m128i number = _mm_castps_si128(_mm_cmpord_ps(v, v));
    return _mm_and_si128(_mm_xor_si128(_mm_cvttps_epi32(v), above), number);
  }

  // truncint((c + t) × 0.7) in double; |c + t| ≤ 2^31 + 2^15, so the product is in range.
  static __m128i seventenths(__m128i c, __m128i t) {
    const __m128d k = _mm_set1_pd(0.7);
    const __m128d lo = _mm_mul_pd(_mm_add_pd(_mm_cvtepi32_pd(c), _mm_cvtepi32_pd(t)), k);
    const __m128i ch = _mm_shuffle_epi32(c, 0xee), th = _mm_shuffle_epi32(t, 0xee);
    const __m128d hi = _mm_mul_pd(_mm_add_pd(_mm_cvtepi32_pd(ch), _mm_cvtepi32_pd(th)), k);
    return _mm_unpacklo_epi64(_mm_cvttpd_epi32(lo), _mm_cvttpd_epi32(hi));
  }
#endif
};
