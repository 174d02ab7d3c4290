// The whole pan of each frame of a pan ramp. The ramp is a running single-precision
// sum (pan += increment each frame), and its rounding must be kept exactly. Inside one
// binade, with a step that is not a tie, each addition rounds to the same multiple of
// the binade's unit, so a run of frames is the start plus k times that rounded step:
// such runs are filled without the chain of float additions.
#pragma once
#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

// Frames (at most limit) after x whose values are x + k × step exactly, with the step;
// 0 when the next addition must be done one at a time.
inline int exactpanrun(float x, float increment, int limit, double& step) {
  if (limit < 2 || x == 0.0f || !std::isfinite(x) || !std::isfinite(increment)) return 0;
  int exponent = 0;
  std::frexp(x, &exponent);  // |x| in [2^(exponent - 1), 2^exponent)
  if (exponent < -100 || exponent > 30) return 0;  // runs stay far inside the 32-bit range
  const double low = std::ldexp(1.0, exponent - 1);
  const double high = std::ldexp(1.0, exponent);
  const double unit = std::ldexp(1.0, exponent - 24);
  const double sign = x < 0.0f ? -1.0 : 1.0;
  const double magnitude = std::fabs(static_cast<double>(x));
  const double d = sign * static_cast<double>(increment);  // moves the magnitude
  const double units = d / unit;
  const double whole = std::floor(units);
  const double part = units - whole;
  if (part == 0.5) return 0;  // ties round to even: not one fixed step
  const double rounded = (part < 0.5 ? whole : whole + 1.0) * unit;
  // Each exact sum magnitude + (k - 1) × rounded + d, k = 1..run, stays inside the binade.
  const auto inside = [&](int k) {
    const double sum = magnitude + static_cast<double>(k - 1) * rounded + d;
    return sum >= low && sum < high;
  };
  if (!inside(1)) return 0;
  int run = limit;
  if (rounded != 0.0) {
    const double room = rounded > 0.0 ? (high - magnitude - d) / rounded : (magnitude + d - low) / -rounded;
    run = static_cast<int>(std::fmin(static_cast<double>(limit), std::floor(room) + 1.0));
    while (run > 1 && !inside(run)) --run;
    while (run < limit && inside(run + 1)) ++run;
  }
  step = sign * rounded;
  return run;
}

// p[i] = trunc(x_i) for x_0 = start and x_(i+1) = x_i + increment in single precision.
inline void panpath(float start, float increment, int frames, int32_t* p) {
  float x = start;
  int i = 0;
  while (i < frames) {
    p[i] = TruncToInt(x);
    double step = 0.0;
    const int run = exactpanrun(x, increment, frames - 1 - i, step);
    if (run < 2) {
      x += increment;
      ++i;
      continue;
    }
    const double base = x;
    for (int k = 1; k <= run; ++k) p[i + k] = static_cast<int32_t>(base + k * step);
    x = static_cast<float>(base + run * step);
    i += run;
  }
}

