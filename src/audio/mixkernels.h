// The per-frame loops of the voice render, kept apart from the voice's state machine:
// one template per sample format (8 or 16 bits, mono or stereo), steady or ramped
// volume and step, steady or moving pan, and an accumulation sink (the dry mix here;
// the effect path brings its own). Positions are 32.32 in sample values, steps 16.16
// per output frame, gains 4096-scaled 16-bit values, interpolation fractions 16 bits.
#pragma once
#include <cstdint>

#include "audio/saturate.h"
#include "platform/numbers.h"

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

template <int Bits, int Channels, bool Ramp, bool PanRamp, class Sink>
int mixframes(FrameContext& c, Sink& sink, int frames) {
  int left = 0;
  int right = 0;
  const int steadypan = TruncToInt(c.pan);
  if constexpr (!Ramp && !PanRamp) pangains(steadypan, c.volume, left, right);
  for (int i = 0; i < frames; ++i) {
    if constexpr (Ramp || PanRamp)
      pangains(PanRamp ? TruncToInt(c.pan) : steadypan, Ramp ? (c.vol8 >> 8) : c.volume, left, right);
    const int64_t w = c.playpos >> 32;
    const int fraction16 = static_cast<int>(static_cast<uint32_t>(c.playpos) >> 16);
    int valueleft;
    int valueright;
    if constexpr (Channels == 1) {
      valueleft = valueright = interpolate<Bits>(readvalue<Bits>(c.data, w), readvalue<Bits>(c.data, w + 1), fraction16);
    } else {
      const int64_t frame = w & ~int64_t{1};
      const int fraction = ((static_cast<int>(w & 1) << 16) + fraction16) / 2;
      valueleft = interpolate<Bits>(readvalue<Bits>(c.data, frame), readvalue<Bits>(c.data, frame + 2), fraction);
      valueright = interpolate<Bits>(readvalue<Bits>(c.data, frame + 1), readvalue<Bits>(c.data, frame + 3), fraction);
    }
    sink.add(i, (left * valueleft) >> 8, (right * valueright) >> 8);
    const int64_t increment = Ramp ? ((c.stepfx >> 32) * Channels) * 65536 : c.increment;
    if (!advance(c, increment)) return i + 1;
    if constexpr (PanRamp) c.pan += c.paninc;
    if constexpr (Ramp) {
      c.vol8 += c.volinc;
      c.stepfx += c.stepinc;
    }
  }
  return frames;
}

// Picks the frame loop for the record's format.
template <bool Ramp, bool PanRamp, class Sink>
int mixformat(FrameContext& c, Sink& sink, int frames, int bits) {
  if (bits == 8)
    return c.channels == 1 ? mixframes<8, 1, Ramp, PanRamp>(c, sink, frames)
                           : mixframes<8, 2, Ramp, PanRamp>(c, sink, frames);
  return c.channels == 1 ? mixframes<16, 1, Ramp, PanRamp>(c, sink, frames)
                         : mixframes<16, 2, Ramp, PanRamp>(c, sink, frames);
}

template <class Sink>
int mixkernel(FrameContext& c, Sink& sink, int frames, int bits, bool ramp, bool panramp) {
  if (ramp)
    return panramp ? mixformat<true, true>(c, sink, frames, bits) : mixformat<true, false>(c, sink, frames, bits);
  return panramp ? mixformat<false, true>(c, sink, frames, bits) : mixformat<false, false>(c, sink, frames, bits);
}

// The dry accumulator: left and right of frame i, saturating at the 32-bit range.
struct DrySink {
  int32_t* a;
  DrySink offset(int frames) const { return DrySink{a + 2 * frames}; }
  void add(int i, int left, int right) {
    a[2 * i] = saturate32(static_cast<int64_t>(a[2 * i]) + left);
    a[2 * i + 1] = saturate32(static_cast<int64_t>(a[2 * i + 1]) + right);
  }
};
