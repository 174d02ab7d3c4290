// The whole pan of each frame of a pan ramp. The ramp is a running single-precision
// sum (pan += increment each frame), and its rounding must be kept exactly. Inside one
// binade, with a step that is not a tie, each addition rounds to the same multiple of
// the binade's unit, so a run of frames is the start plus k times that rounded step:
// such runs are taken in integers, without the chain of float additions.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

// Frames k = 0..frames of a run: x_k = sign × (base + k × step) × 2^(exponent - 24)
// exactly, every base + k × step inside [2^23, 2^24] (only the last may reach 2^24).
struct PanRun {
  int frames;  // 0: the next addition must be done one at a time
  int sign;
  int exponent;
  int32_t base;
  int32_t step;
  // The whole pan of the magnitude base + k × step: it is below 2^24, and a float
  // above 2^24 is whole already.
  int32_t whole(int32_t magnitude) const {
    const int32_t value = exponent >= 24 ? magnitude * (1 << (exponent - 24)) : magnitude >> std::min(24 - exponent, 31);
    return sign * value;
  }
};

// The run (at most limit frames) after x whose values are x + k × increment rounded
// the way the running float sum rounds them.
inline PanRun exactpanrun(float x, float increment, int limit) {
  PanRun run{};
  if (limit < 2 || x == 0.0f || !std::isfinite(x) || !std::isfinite(increment)) return run;
  int exponent = 0;
  std::frexp(x, &exponent);  // |x| in [2^(exponent - 1), 2^exponent)
  if (exponent < -100 || exponent > 30) return run;  // runs stay far inside the 32-bit range
  const double low = std::ldexp(1.0, exponent - 1);
  const double high = std::ldexp(1.0, exponent);
  const double unit = std::ldexp(1.0, exponent - 24);
  const double sign = x < 0.0f ? -1.0 : 1.0;
  const double magnitude = std::fabs(static_cast<double>(x));
  const double d = sign * static_cast<double>(increment);  // moves the magnitude
  const double units = d / unit;
  const double whole = std::floor(units);
  const double part = units - whole;
  if (part == 0.5) return run;  // ties round to even: not one fixed step
  const double rounded = (part < 0.5 ? whole : whole + 1.0) * unit;
  // Each exact sum magnitude + (k - 1) × rounded + d, k = 1..frames, stays inside the binade.
  const auto inside = [&](int k) {
    const double sum = magnitude + static_cast<double>(k - 1) * rounded + d;
    return sum >= low && sum < high;
  };
  if (!inside(1)) return run;
  int frames = limit;
  if (rounded != 0.0) {
    const double room = rounded > 0.0 ? (high - magnitude - d) / rounded : (magnitude + d - low) / -rounded;
    frames = static_cast<int>(std::fmin(static_cast<double>(limit), std::floor(room) + 1.0));
    while (frames > 1 && !inside(frames)) --frames;
    while (frames < limit && inside(frames + 1)) ++frames;
  }
  run.frames = frames;
  run.sign = x < 0.0f ? -1 : 1;
  run.exponent = exponent;
  run.base = static_cast<int32_t>(magnitude / unit);
  run.step = static_cast<int32_t>(rounded / unit);  // inside the binade: |step| < 2^23
  return run;
}

// Calls fill(first, count, pan) for consecutive spans of frames 0..frames - 1, in order,
// each of one whole pan: pan = trunc(x_i) for x_0 = start and x_(i+1) = x_i + increment
// in single precision. Neighbouring spans may share a pan.
template <class Fill>
inline void panruns(float start, float increment, int frames, Fill&& fill) {
  float x = start;
  int i = 0;
  while (i < frames) {
    const PanRun run = exactpanrun(x, increment, frames - i);
    if (run.frames < 2) {
      fill(i, 1, TruncToInt(x));
      x += increment;
      ++i;
      continue;
    }
    // Frames i + k, k = 0..run.frames - 1, by the magnitude's whole part.
    const int shift = 24 - run.exponent;  // bits of the magnitude below the whole pan
    const int32_t stride = shift >= 1 && shift <= 23 ? 1 << shift : 0;  // magnitudes of one whole pan
    const int32_t speed = std::abs(run.step);
    if (run.exponent <= 0 || speed == 0) {
      fill(i, run.frames, run.whole(run.base));  // |x| < 1, or a step too small to move x
    } else if (speed >= stride) {
      for (int k = 0; k < run.frames; ++k) fill(i + k, 1, run.whole(run.base + k * run.step));
    } else {
      // The magnitude's place inside its whole pan, counted the way it moves: a span
      // ends where it reaches stride, and then the place is below speed. Spans after the
      // first hold per or per + 1 frames.
      const int32_t per = stride / speed;
      const int32_t rest = stride % speed;
      const int32_t below = run.base & (stride - 1);
      int32_t place = run.step > 0 ? below : stride - 1 - below;
      int32_t whole = run.base >> shift;
      int span = (stride - place + speed - 1) / speed;
      for (int k = 0;;) {
        fill(i + k, std::min(span, run.frames - k), run.sign * whole);
        k += span;
        if (k >= run.frames) break;
        place += span * speed - stride;
        whole += run.step > 0 ? 1 : -1;
        span = rest > place ? per + 1 : per;
      }
    }
    x = static_cast<float>(run.sign * std::ldexp(static_cast<double>(run.base + run.frames * run.step), run.exponent - 24));
    i += run.frames;
  }
}

// p[i] = trunc(x_i) for x_0 = start and x_(i+1) = x_i + increment in single precision.
inline void panpath(float start, float increment, int frames, int32_t* p) {
  panruns(start, increment, frames, [p](int first, int count, int32_t pan) { std::fill_n(p + first, count, pan); });
}
