// Moving a voice through its record frame by frame: the advance of every position, the
// loop end and wave boundary events, and how many frames may run before the next one.
#pragma once
#include <algorithm>
#include <cstdint>

#include "audio/framecontext.h"

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

// The increment of frame i of a ramp: the step's whole 16.16 value, in sample values.
template <int Channels>
inline int64_t rampincrement(const FrameContext& c, int i) {
  return (((c.stepfx + c.stepinc * i) >> 32) * Channels) * 65536;
}
