// The pan ramp's whole pans, taken in runs, against the float sum they replace: binade
// edges, zero crossings, ties that round to even, steps too small to move the pan.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "audio/panpath.h"
#include "platform/numbers.h"

namespace {

void expectsum(float from, float increment, int frames) {
  std::vector<int32_t> perframe(static_cast<size_t>(frames));
  panpath(from, increment, frames, perframe.data());
  float x = from;
  for (int i = 0; i < frames; ++i) {
    ASSERT_EQ(perframe[static_cast<size_t>(i)], TruncToInt(x)) << from << " + " << increment << " frame " << i;
    x += increment;
  }
}

}  // namespace

TEST(PanPath, WholePansMatchTheRunningFloatSum) {
  const struct { float start, increment; } cases[] = {
      {0.0f, 0.37f},          {-4096.0f, 2.0f},      {100.3f, -0.0731f},   {4096.0f, 0.000732421875f},
      {-4096.0f, -0.000732421875f}, {3000.5f, 1e-7f}, {32767.0f, -16.001f}, {-0.75f, 0.001f},
      {1.0f, -0.5f},          {2047.99f, 0.0039f},   {-1.0e-30f, 0.25f},   {8191.0f, 0.00048828125f},
  };
  for (const auto& c : cases) expectsum(c.start, c.increment, 4096);
  uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int32_t>(seed >> 8) % 8193) ;
  };
  for (int k = 0; k < 300; ++k) {
    const float from = next();
    const float to = next();
    const int frames = 1 + static_cast<int>(seed % 4096);
    expectsum(from, (to - from) / static_cast<float>(frames), frames);
  }
}
