// The per-frame loops of the voice render, kept apart from the voice's state machine:
// one template per sample format (8 or 16 bits, mono or stereo), steady or ramped step,
// and steady or per-frame gains. A voice renders once into a scratch buffer, which a
// sink then adds to its accumulators, or straight into an accumulator or a float row.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <vector>

#include "audio/framecontext.h"
#include "audio/framegains.h"
#include "audio/framestepping.h"
#include "audio/interpolation.h"
#include "audio/vectorpath.h"
#include "platform/numbers.h"

#if defined(QUILLON_SSE2)
#include <emmintrin.h>
#endif

#if defined(QUILLON_SSE2)
// Four frames at a time of a 16-bit mono record, from frame j up to end, frame f moving
// the position by step(f): answers the first frame not rendered. The fraction f is split into 2 × (f >> 1)
// + (f & 1), so the interpolation's product f × (b - a) becomes 16-bit multiply-adds
// whose sums fit 32 bits, and floor(f × (b - a) / 65536) is
// (f1 × (b - a) + floor((f & 1) × (b - a) / 2)) >> 15 exactly.
template <bool Add, class Out, class Step>
inline int mono16frames(const void* data, int64_t& pos, Step step, const FrameGains& g, bool perframe, int gl,
                        int gr, Out* out, int j, int end) {
  const auto* d = static_cast<const int16_t*>(data);
  const int16_t* const gainsleft = g.left;
  const int16_t* const gainsright = g.right;
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi32(1);
  const __m128i lowhalf = _mm_set1_epi32(0xFFFF);
  const __m128i difference = _mm_set1_epi32(0x0001FFFF);  // weights -1 (a) and +1 (b)
  const __m128i steadygains = _mm_unpacklo_epi64(_mm_set1_epi16(static_cast<int16_t>(gl)), _mm_set1_epi16(static_cast<int16_t>(gr)));
  for (; j + 4 <= end; j += 4) {
    // Built in registers: a vector load of four scalar stores would stall on forwarding.
    int32_t pairs[4];
    int32_t fractions[4];
    for (int k = 0; k < 4; ++k) {
      std::memcpy(&pairs[k], d + (pos >> 32), sizeof(int32_t));  // a = d[w] low, b = d[w + 1] high
      fractions[k] = static_cast<int32_t>(static_cast<uint32_t>(pos) >> 16);
      pos += step(j + k);
    }
    const __m128i pair = _mm_setr_epi32(pairs[0], pairs[1], pairs[2], pairs[3]);
    const __m128i f16 = _mm_setr_epi32(fractions[0], fractions[1], fractions[2], fractions[3]);
    const __m128i f1 = _mm_srli_epi32(f16, 1);
    const __m128i weights = _mm_or_si128(_mm_slli_epi32(f1, 16), _mm_and_si128(_mm_sub_epi32(zero, f1), lowhalf));
    const __m128i product = _mm_madd_epi16(pair, weights);
    const __m128i delta = _mm_madd_epi16(pair, difference);
    const __m128i odd = _mm_sub_epi32(zero, _mm_and_si128(f16, one));
    const __m128i half = _mm_srai_epi32(_mm_and_si128(delta, odd), 1);
    const __m128i a = _mm_srai_epi32(_mm_slli_epi32(pair, 16), 16);
    const __m128i value = _mm_add_epi32(a, _mm_srai_epi32(_mm_add_epi32(product, half), 15));
    // 16-bit gains (four left, four right) and values: their 32-bit products, then >> 8.
    const __m128i gains16 =
        perframe ? _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(gainsleft + j)),
                                      _mm_loadl_epi64(reinterpret_cast<const __m128i*>(gainsright + j)))
                 : steadygains;
    const __m128i value16 = _mm_packs_epi32(value, value);
    const __m128i low = _mm_mullo_epi16(gains16, _mm_unpacklo_epi64(value16, value16));
    const __m128i high = _mm_mulhi_epi16(gains16, _mm_unpacklo_epi64(value16, value16));
    const __m128i outleft = _mm_srai_epi32(_mm_unpacklo_epi16(low, high), 8);
    const __m128i outright = _mm_srai_epi32(_mm_unpackhi_epi16(low, high), 8);
    __m128i first = _mm_unpacklo_epi32(outleft, outright);
    __m128i second = _mm_unpackhi_epi32(outleft, outright);
    if constexpr (std::is_same_v<Out, float>) {
      _mm_storeu_ps(out + 2 * j, _mm_cvtepi32_ps(first));
      _mm_storeu_ps(out + 2 * j + 4, _mm_cvtepi32_ps(second));
    } else {
      if constexpr (Add) {
        first = _mm_add_epi32(first, _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + 2 * j)));
        second = _mm_add_epi32(second, _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + 2 * j + 4)));
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * j), first);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * j + 4), second);
    }
  }
  return j;
}
#endif

// Stores (or with Add, adds plainly) a rendered sample.
template <bool Add, class Out>
inline void put(Out& slot, int32_t value) {
  static_assert(!Add || std::is_same_v<Out, int32_t>, "samples are added only into integers");
  if constexpr (Add)
    slot += value;
  else
    slot = static_cast<Out>(value);
}

// Renders up to frames frames of the voice into out (left, right per frame) and answers
// how many it rendered (fewer when the voice ended). Between events the frames run in a
// tight loop; the frame that meets an event takes every check. With Add the samples are
// added to out, whose sums the caller knows stay inside the 32-bit range.
template <int Bits, int Channels, bool Ramp, bool PerFrame, bool Add, class Out>
int mixframes(FrameContext& c, Out* out, const FrameGains& g, int frames) {
  const void* const data = c.data;
  [[maybe_unused]] const bool vectors = c.vectors;
  const int gl = g.left[0];
  const int gr = g.right[0];
  int i = 0;
  while (i < frames) {
    int64_t most = c.increment;
    if constexpr (Ramp) most = std::max(rampincrement<Channels>(c, i), rampincrement<Channels>(c, frames - 1));
    const int span = placed(c) ? framesbeforeevent(c, most, frames - i) : 0;
    int64_t pos = c.playpos;
    const int end = i + span;
    int j = i;
#if defined(QUILLON_SSE2)
    if constexpr (Bits == 16 && Channels == 1) {
      if (vectors && Ramp)
        j = mono16frames<Add>(data, pos, [&c](int f) { return rampincrement<1>(c, f); }, g, PerFrame, gl, gr, out, j, end);
      else if (vectors)
        j = mono16frames<Add>(data, pos, [step = c.increment](int) { return step; }, g, PerFrame, gl, gr, out, j, end);
    }
#endif
    for (; j < end; ++j) {
      int valueleft;
      int valueright;
      readframe<Bits, Channels>(data, pos, valueleft, valueright);
      put<Add>(out[2 * j], ((PerFrame ? g.left[j] : gl) * valueleft) >> 8);
      put<Add>(out[2 * j + 1], ((PerFrame ? g.right[j] : gr) * valueright) >> 8);
      pos += Ramp ? rampincrement<Channels>(c, j) : c.increment;
    }
    const int64_t moved = pos - c.playpos;
    c.playpos = pos;
    c.position = wrappingadd(c.position, moved);
    c.wavepos = wrappingadd(c.wavepos, moved);
    c.wavetruepos = wrappingadd(c.wavetruepos, moved);
    i = end;
    if (i == frames) break;
    int valueleft;
    int valueright;
    readframe<Bits, Channels>(data, c.playpos, valueleft, valueright);
    put<Add>(out[2 * i], ((PerFrame ? g.left[i] : gl) * valueleft) >> 8);
    put<Add>(out[2 * i + 1], ((PerFrame ? g.right[i] : gr) * valueright) >> 8);
    if (!advance(c, Ramp ? rampincrement<Channels>(c, i) : c.increment)) return i + 1;
    ++i;
  }
  return frames;
}

template <bool Ramp, bool PerFrame, bool Add, class Out>
int mixformat(FrameContext& c, Out* out, const FrameGains& g, int frames) {
  if (c.bits == 8)
    return c.channels == 1 ? mixframes<8, 1, Ramp, PerFrame, Add>(c, out, g, frames)
                           : mixframes<8, 2, Ramp, PerFrame, Add>(c, out, g, frames);
  return c.channels == 1 ? mixframes<16, 1, Ramp, PerFrame, Add>(c, out, g, frames)
                         : mixframes<16, 2, Ramp, PerFrame, Add>(c, out, g, frames);
}

// Where a voice's samples go: added into an accumulator, written as floats into a row
// of the effect path, or else into the render's scratch.
struct RenderTarget {
  int32_t* add = nullptr;
  float* row = nullptr;
};

template <bool Ramp, bool PerFrame>
int mixinto(FrameContext& c, int32_t* scratch, RenderTarget target, const FrameGains& g, int frames) {
  if (target.row) return mixformat<Ramp, PerFrame, false>(c, target.row, g, frames);
  return target.add ? mixformat<Ramp, PerFrame, true>(c, target.add, g, frames)
                    : mixformat<Ramp, PerFrame, false>(c, scratch, g, frames);
}

// Scratch of the render (audio thread): one voice's frames and its gains.
struct RenderScratch {
  explicit RenderScratch(int samples)
      : frames(static_cast<size_t>(samples)), pans(static_cast<size_t>(samples / 2 + 1)),
        gainl(static_cast<size_t>(samples / 2 + 1 + kGainPadding)),
        gainr(static_cast<size_t>(samples / 2 + 1 + kGainPadding)) {}
  std::vector<int32_t> frames;
  std::vector<int32_t> pans;
  std::vector<int16_t> gainl;
  std::vector<int16_t> gainr;
};

// One buffer of a voice into the target that claim (given the voice's sample bound)
// hands back; answers the frames rendered.
template <class Claim>
inline int mixkernel(FrameContext& c, RenderScratch& scratch, Claim claim) {
  int32_t* out = scratch.frames.data();
  int16_t* left = scratch.gainl.data();
  int16_t* right = scratch.gainr.data();
  const FrameGains g{left, right};
  if (c.ramp || c.panramp) {
    const int largest = framegains(c, c.frames, c.ramp, c.panramp, scratch.pans.data(), left, right);
    c.samplebound = (largest * kValueBound >> 8) + 1;
    const RenderTarget target = claim(c.samplebound);
    return c.ramp ? mixinto<true, true>(c, out, target, g, c.frames) : mixinto<false, true>(c, out, target, g, c.frames);
  }
  int steadyleft = 0;
  int steadyright = 0;
  pangains(TruncToInt(c.pan), c.volume, steadyleft, steadyright);
  left[0] = static_cast<int16_t>(steadyleft);  // pangains saturates to 16 bits
  right[0] = static_cast<int16_t>(steadyright);
  c.samplebound = (std::max(std::abs(steadyleft), std::abs(steadyright)) * kValueBound >> 8) + 1;
  return mixinto<false, false>(c, out, claim(c.samplebound), g, c.frames);
}
