// The effect accumulators on every path the processor runs: their sums against the
// plain float model, bit for bit, and their 16-bit output (the whole sum >> 4, saturated)
// from the vector loop and its tail.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "audio/fxaccumulators.h"

namespace {

class FxAccumulatorPaths : public ::testing::TestWithParam<VectorPath> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Paths, FxAccumulatorPaths, ::testing::ValuesIn(availablepaths()),
                         [](const auto& info) { return pathname(info.param); });

// The paths the tests run end with the one the render takes by default.
TEST(VectorPaths, TheDefaultPathIsTested) { EXPECT_EQ(availablepaths().back(), FxAccumulators(0).path); }

TEST_P(FxAccumulatorPaths, SixteenBitOutputSaturatesAndClears) {
  const struct {
    int32_t sample;
    float level;
    int16_t expected;
  } cases[] = {
      {15, 1.0f, 0},           {16, 1.0f, 1},          {-1, 1.0f, -1},         {-16, 1.0f, -1},
      {-17, 1.0f, -2},         {33, 0.5f, 1},          {-33, 0.5f, -1},        {524271, 1.0f, 32766},
      {524272, 1.0f, 32767},   {-524288, 1.0f, -32768}, {-524289, 1.0f, -32768}, {1000000000, 2.0f, 32767},
      {-1000000000, 2.0f, -32768}, {4000000, 1000.0f, 32767}, {-4000000, 1000.0f, -32768},
  };
  // Nine samples: the vector path takes position 0, the plain path position 8.
  for (const auto& c : cases) {
    for (int at : {0, 8}) {
      FxAccumulators sums(9);
      sums.path = GetParam();
      std::array<int16_t, 10> out;  // the last entry lies past the samples taken
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
      EXPECT_EQ(out[9], 77);
    }
  }
}

// More voices than one batch, with partial rows and levels of 0, 1 and others, over full
// blocks and then tails of 64, 32, 4 and 3 samples: each width of the sums' loops. Small
// negative products truncate to -0, and the largest level takes sums past the 32-bit range.
TEST_P(FxAccumulatorPaths, SumsFollowTheFloatModel) {
  constexpr int n = 1024 + 64 + 32 + 4 + 3;
  FxAccumulators sums(n);
  sums.path = GetParam();
  std::vector<std::vector<float>> model(kFxAccumulators, std::vector<float>(n, 0.0f));
  std::mt19937 random(5);
  std::uniform_int_distribution<int> value(-600000, 600000);
  const float choices[] = {0.0f, 1.0f, 0.3f, 0.07f, 2.5f, 1e-6f, 5000.0f};
  for (int v = 0; v < kFxBatchVoices + 2; ++v) {
    FxAccumulators::Levels levels{};
    for (int k = 0; k < kFxAccumulators; ++k) levels[static_cast<size_t>(k)] = choices[(k + 2 * v) % std::size(choices)];
    // The last voice alone reaches the first samples.
    const int offset = 10 * (kFxBatchVoices + 1 - v);
    const int count = n - offset - v;
    float* row = sums.row(n, levels);
    for (int i = offset; i < offset + count; ++i) row[i] = static_cast<float>(value(random));
    std::vector<float> heard(row, row + n);
    std::fill(heard.begin(), heard.begin() + offset, 0.0f);
    std::fill(heard.begin() + offset + count, heard.end(), 0.0f);
    sums.commit(offset, count, n, levels);
    for (int k = 0; k < kFxAccumulators; ++k)
      for (int i = 0; i < n; ++i) {
        float& m = model[static_cast<size_t>(k)][static_cast<size_t>(i)];
        if (levels[static_cast<size_t>(k)] != 0.0f) m = std::trunc(m + levels[static_cast<size_t>(k)] * heard[static_cast<size_t>(i)]);
      }
  }
  sums.flush(n);
  for (int k = 0; k < kFxAccumulators; ++k)
    for (int i = 0; i < n; ++i)
      ASSERT_EQ(std::bit_cast<uint32_t>(sums.at(k, i)), std::bit_cast<uint32_t>(model[static_cast<size_t>(k)][static_cast<size_t>(i)]))
          << k << " " << i << ": " << sums.at(k, i);
}
