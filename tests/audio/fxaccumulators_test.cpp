// The effect accumulators' 16-bit output: the whole sum >> 4, saturated,
// the same on the vector and the plain path (each value is taken at both).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "audio/fxaccumulators.h"

TEST(FxAccumulators, SixteenBitOutputSaturatesAndClears) {
  const struct {
    int32_t sample;
    float level;
    int16_t expected;
  } cases[] = {
      {15, 1.0f, 0},           {16, 1.0f, 1},          {-1, 1.0f, -1},         {-16, 1.0f, -1},
      {-17, 1.0f, -2},         {33, 0.5f, 1},          {-33, 0.5f, -1},        {524271, 1.0f, 32766},
      {524272, 1.0f, 32767},   {-524288, 1.0f, -32768}, {-524289, 1.0f, -32768}, {1000000000, 2.0f, 32767},
      {-1000000000, 2.0f, -32768},
  };
  // Nine samples: the vector path takes position 0, the plain path position 8.
  for (const auto& c : cases) {
    for (int at : {0, 8}) {
      FxAccumulators sums(9);
      std::array<int16_t, 9> out;
      out.fill(77);
      FxAccumulators::Levels levels{};
      levels[1] = c.level;
      sums.row(9, levels)[at] = static_cast<float>(c.sample);
      sums.commit(at, 1, 9, levels);
      sums.flush(9);
      sums.take16(1, out.data(), 9);
      for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(out[static_cast<size_t>(i)], i == at ? c.expected : 0) << c.sample << " x " << c.level << " at " << i;
        EXPECT_EQ(sums.at(1, i), 0.0f);
      }
    }
  }
}
