// The per-frame loops of the voice render, kept apart from the voice's state machine:
// one template per sample format (8 or 16 bits, mono or stereo), steady or ramped step,
// and steady or per-frame gains. A voice renders once into a scratch buffer, which a
// sink then adds to its accumulators (the dry mix here; the effect path brings its own).
// Positions are 32.32 in sample values, steps 16.16 per output frame, gains
// 4096-scaled 16-bit values, interpolation fractions 16 bits.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "audio/accumulate.h"
#include "audio/panpath.h"
#include "audio/saturate.h"
#include "platform/numbers.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class sample;

struct FrameContext {
  const sample* smp = nullptr;
  const void* data = nullptr;
  int channels = 1;
  // Positions.
  int64_t playpos = 0;
  int64_t position = 0;
  int64_t wavepos = 0;
  int64_t wavetruepos = 0;
  // Step: steady increment, or a step (16.16 << 32) moving by stepinc per frame.
  int64_t increment = 0;
  int64_t stepfx = 0;
  int64_t stepinc = 0;
  // Volume: steady, or 8.8 moving by volinc per frame. Pan moves in float.
  int volume = 0;
  int vol8 = 0;
  int volinc = 0;
  float pan = 0.0f;
  float paninc = 0.0f;
  // Region, in whole sample values; every bound lies inside the record's frames.
  bool looped = false;
  int64_t loopend = 0;
  int64_t loopsize = 0;
  int64_t wavesize = 0;  // 0: no wave clock
  bool wavetable = false;
  int64_t waves = 0;     // whole waves held by the record
  // Wavetable sequence.
  int waveoffset = 0;
  int wavestep = 0;
  int wave = 0;
  int repeat = 1;
  bool ended = false;
  // The buffer's plan.
  int frames = 0;
  int bits = 16;
  bool ramp = false;
  bool panramp = false;
  bool silent = false;
  int32_t finalrate = 0;
  int16_t finalvolume = 0;
  // Set by the render: no rendered sample's magnitude exceeds it.
  int64_t samplebound = 0;
};

// Moves to the next wave of the step sequence at a wave boundary; false ends the voice.
bool nextwave(FrameContext& c);

inline int64_t wrappingadd(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

inline int64_t positivemod(int64_t value, int64_t modulus) {
  const int64_t r = value % modulus;
  return r < 0 ? r + modulus : r;
}

inline void placewave(FrameContext& c) {
  int64_t w = c.wave;
  if (w < 0) w = 0;
  if (w >= c.waves) w = c.waves - 1;
  c.playpos = (w * c.wavesize + (c.wavepos >> 32)) * (int64_t{1} << 32) + (c.wavepos & 0xFFFFFFFFLL);
}

// Brings a position past the loop end back inside the loop (or ends a one-shot voice).
inline bool keepinloop(FrameContext& c) {
  if ((c.playpos >> 32) < c.loopend) return true;
  if (!c.looped) {
    c.ended = true;
    return false;
  }
  const int64_t whole = c.playpos >> 32;
  const int64_t back = ((whole - c.loopend) / c.loopsize + 1) * c.loopsize;
  c.playpos -= back * (int64_t{1} << 32);
  return true;
}

// Steps 4-6 of a frame: advance, wave boundary, then wavetable placement or loop check.
inline bool advance(FrameContext& c, int64_t increment) {
  c.playpos += increment;
  c.position = wrappingadd(c.position, increment);
  c.wavepos = wrappingadd(c.wavepos, increment);
  c.wavetruepos = wrappingadd(c.wavetruepos, increment);
  if (c.wavesize > 0 && (c.wavepos >> 32) >= c.wavesize) {
    c.wavepos = positivemod(c.wavepos, c.wavesize * (int64_t{1} << 32));
    if (!nextwave(c)) {
      c.ended = true;
      return false;
    }
  }
  if (c.wavetable) {
    placewave(c);
    return true;
  }
  return keepinloop(c);
}

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

template <int Bits>
inline int readvalue(const void* data, int64_t index) {
  if constexpr (Bits == 16)
    return static_cast<const int16_t*>(data)[index];
  else
    return static_cast<const uint8_t*>(data)[index];
}

// Linear interpolation between a and the next frame's value b, fraction in 16 bits.
template <int Bits>
inline int interpolate(int a, int b, int fraction) {
  if constexpr (Bits == 16)
    return a + static_cast<int>((static_cast<int64_t>(fraction) * (b - a)) >> 16);
  else
    return a * 256 - 32768 + (((b - a) * fraction) >> 8);
}

// The frames a voice may run before its next event (loop end or wave boundary) when
// every advance moves it by at most increment: each of them stays below its bound.
inline int framesbeforeevent(const FrameContext& c, int64_t increment, int limit) {
  if (increment <= 0) return limit;
  int64_t span = limit;
  if (c.wavesize > 0) span = std::min(span, (c.wavesize * (int64_t{1} << 32) - c.wavepos - 1) / increment);
  if (!c.wavetable) span = std::min(span, (c.loopend * (int64_t{1} << 32) - c.playpos - 1) / increment);
  return static_cast<int>(std::max<int64_t>(span, 0));
}

// A wavetable voice reads from its placed position once the first advance has placed it.
inline bool placed(const FrameContext& c) {
  if (!c.wavetable) return true;
  FrameContext probe = c;
  placewave(probe);
  return probe.playpos == c.playpos;
}

// The frame's value at a read position: left and right (the same for mono records).
template <int Bits, int Channels>
inline void readframe(const void* data, int64_t playpos, int& valueleft, int& valueright) {
  const int64_t w = playpos >> 32;
  const int fraction16 = static_cast<int>(static_cast<uint32_t>(playpos) >> 16);
  if constexpr (Channels == 1) {
    valueleft = valueright = interpolate<Bits>(readvalue<Bits>(data, w), readvalue<Bits>(data, w + 1), fraction16);
  } else {
    const int64_t frame = w & ~int64_t{1};
    const int fraction = ((static_cast<int>(w & 1) << 16) + fraction16) / 2;
    valueleft = interpolate<Bits>(readvalue<Bits>(data, frame), readvalue<Bits>(data, frame + 2), fraction);
    valueright = interpolate<Bits>(readvalue<Bits>(data, frame + 1), readvalue<Bits>(data, frame + 3), fraction);
  }
}

// The increment of frame i of a ramp: the step's whole 16.16 value, in sample values.
template <int Channels>
inline int64_t rampincrement(const FrameContext& c, int i) {
  return (((c.stepfx + c.stepinc * i) >> 32) * Channels) * 65536;
}

// Entries past the frames that the gain arrays hold for whole-vector stores.
constexpr int kGainPadding = 8;

// gainl and gainr of count frames from first hold one pair; up to kGainPadding - 1
// entries after them may be overwritten.
inline void fillgains(int16_t* gainl, int16_t* gainr, int first, int count, int left, int right) {
#if defined(__SSE2__)
  const __m128i l = _mm_set1_epi16(static_cast<int16_t>(left));
  const __m128i r = _mm_set1_epi16(static_cast<int16_t>(right));
  for (int i = first; i < first + count; i += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(gainl + i), l);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(gainr + i), r);
  }
#else
  std::fill_n(gainl + first, count, static_cast<int16_t>(left));
  std::fill_n(gainr + first, count, static_cast<int16_t>(right));
#endif
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
    const auto fill = [&](int first, int count, int32_t pan) {
      int left = 0;
      int right = 0;
      pangains(pan, volume, left, right);
      largest = std::max({largest, std::abs(left), std::abs(right)});
      fillgains(gainl, gainr, first, count, left, right);
    };
    if (panramp)
      panruns(c.pan, c.paninc, frames, fill);
    else if (frames > 0)
      fill(0, frames, TruncToInt(c.pan));
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
#if defined(__SSE2__)
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

#if defined(__SSE2__)
// Four frames at a time of a 16-bit mono record at a steady step, from frame j up to
// end: answers the first frame not rendered. The fraction f is split into 2 × (f >> 1)
// + (f & 1), so the interpolation's product f × (b - a) becomes 16-bit multiply-adds
// whose sums fit 32 bits, and floor(f × (b - a) / 65536) is
// (f1 × (b - a) + floor((f & 1) × (b - a) / 2)) >> 15 exactly.
template <bool Add, class Out>
inline int mono16frames(const void* data, int64_t& pos, int64_t increment, const FrameGains& g, bool perframe,
                        int gl, int gr, Out* out, int j, int end) {
  const auto* d = static_cast<const int16_t*>(data);
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi32(1);
  const __m128i lowhalf = _mm_set1_epi32(0xFFFF);
  const __m128i difference = _mm_set1_epi32(0x0001FFFF);  // weights -1 (a) and +1 (b)
  const __m128i steadygains = _mm_unpacklo_epi64(_mm_set1_epi16(static_cast<int16_t>(gl)), _mm_set1_epi16(static_cast<int16_t>(gr)));
  for (; j + 4 <= end; j += 4) {
    int32_t pairs[4];
    uint32_t fractions[4];
    for (int k = 0; k < 4; ++k) {
      std::memcpy(&pairs[k], d + (pos >> 32), sizeof(int32_t));  // a = d[w] low, b = d[w + 1] high
      fractions[k] = static_cast<uint32_t>(pos) >> 16;
      pos += increment;
    }
    const __m128i pair = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pairs));
    const __m128i f16 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fractions));
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
        perframe ? _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(g.left + j)),
                                      _mm_loadl_epi64(reinterpret_cast<const __m128i*>(g.right + j)))
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
#if defined(__SSE2__)
    if constexpr (Bits == 16 && Channels == 1 && !Ramp) j = mono16frames<Add, Out>(data, pos, c.increment, g, PerFrame, gl, gr, out, j, end);
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

// The largest magnitude an interpolated value takes: it lies between two neighbouring
// values, 16-bit or 8-bit ones scaled to -32768 .. 32512.
constexpr int64_t kValueBound = 32768;

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

// The dry accumulator: each rendered sample added, saturating at the 32-bit range. While
// the bounds of the voices added since the accumulator was clear cannot reach that
// range, a plain sum gives the same result.
struct DrySink {
  int32_t* a;
  int64_t& reach;  // bound of every entry's magnitude, or more than the 32-bit range
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
      addsaturating(a + offset, samples, count);
  }
};
