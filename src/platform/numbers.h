// Clock, random numbers and the numeric helpers every subsystem shares.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

// Milliseconds since the clock started, as a 32-bit counter that is never 0.
int MilliSecs();
void Delay(int millis);
// Tests replace the clock; an empty function restores the real one.
void SetTestClock(std::function<int()> clock);
// Milliseconds since 1970 by the wall clock: different in every run, unlike MilliSecs.
int64_t WallMilliSecs();
// Tests replace the wall clock; an empty function restores the real one.
void SetTestWallClock(std::function<int64_t()> clock);

// A seedable generator, deterministic for a seed (a 64-bit LCG mixed on output).
void SeedRnd(int seed);
int RndSeed();
double RndDouble();                // [0, 1)
double Rnd(double a, double b);    // [a, b)
int Rand(int a, int b);            // a..b, both ends included, either order

// Sine and cosine in degrees.
double Sin(double degrees);
double Cos(double degrees);

// Float-to-int truncation toward zero, defined for NaN (0) and saturating out of range.
// Inline: the mixer's effect path converts many values a frame.
inline int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

inline int64_t TruncToInt64(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
  if (value <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}
