// fastrand, GetSeed and SetSeed.
#include "framework/random.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/numbers.h"
#include "platform/print.h"

void InitRandomModule() {
  // The wall clock, not MilliSecs: that one counts from the process start, which gives
  // nearly the same value in every run.
  const auto ms = static_cast<uint64_t>(WallMilliSecs());
  SeedRnd(static_cast<int>(static_cast<uint32_t>(ms ^ (ms >> 32))));
}

int fastrand(int lo, int hi) {
  if (hi < lo) return lo;
  const int64_t span = int64_t{hi} - lo + 1;
  return static_cast<int>(lo + std::rand() % span);
}

int GetSeed(const std::string& text) {
  if (text == "RANDOM") return RndSeed();
  float f = 1.0f;
  for (unsigned char c : text) {
    const double product = static_cast<double>(f) * c * 0.06;
    // Long texts overflow to infinity; keep the conversion to float defined.
    f = std::fabs(product) > FLT_MAX ? std::copysign(INFINITY, product) : static_cast<float>(product);
  }
  return TruncToInt(f);
}

void SetSeed(const std::string& text) {
  const int n = GetSeed(text);
  Print("seed='" + text + "' seednum=" + std::to_string(n));
  SeedRnd(n);
}
