// Clock, random numbers and the numeric helpers every subsystem shares.
#pragma once
#include <cstdint>
#include <functional>

// Milliseconds since the clock started, as a 32-bit counter that is never 0.
int MilliSecs();
void Delay(int millis);
// Tests replace the clock; an empty function restores the real one.
void SetTestClock(std::function<int()> clock);

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
int TruncToInt(double value);
int64_t TruncToInt64(double value);
