// TStaticRand.
#include "framework/staticrand.h"

#include <cstdint>

#include "framework/random.h"
#include "platform/numbers.h"

namespace {
// A table index for any position, negative ones wrapping from the end.
int Wrap(int64_t position) {
  const int64_t index = position % kStaticRandCount;
  return static_cast<int>(index < 0 ? index + kStaticRandCount : index);
}
}  // namespace

void TStaticRand::Init(const std::string& seed) {
  SetSeed(seed);
  for (float& entry : num) entry = static_cast<float>(RndDouble());
  reset();
}

void TStaticRand::SetPos(int n) { pos = n % kStaticRandCount; }

void TStaticRand::reset() { pos = TruncToInt(num[0] * 1000.0); }

float TStaticRand::random() {
  const int64_t magnitude = pos < 0 ? -int64_t{pos} : int64_t{pos};
  pos = static_cast<int>((magnitude + 1) % kStaticRandCount);
  return num[pos];
}

float TStaticRand::randomPos(int k) {
  random();
  return num[Wrap(int64_t{k} + pos)];
}
