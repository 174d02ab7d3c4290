// The pan ramp's whole pans, taken in runs, against the float sum they replace: binade
// edges, zero crossings, ties that round to even, steps too small to move the pan. The
// gains of a moving pan or volume against each frame's own pan and volume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "audio/framegains.h"
#include "audio/panpath.h"
#include "platform/numbers.h"

namespace {

std::vector<int32_t> floatsum(float from, float increment, int frames) {
  std::vector<int32_t> pans;
  float x = from;
  for (int i = 0; i < frames; ++i, x += increment) pans.push_back(TruncToInt(x));
  return pans;
}

// The spans of one pan each, in order and without gaps, and the pans of panpath, are
// the float sum's. Answers the spans.
int expectsum(float from, float increment, int frames) {
  const std::vector<int32_t> expected = floatsum(from, increment, frames);
  std::vector<int32_t> perframe(static_cast<size_t>(frames));
  panpath(from, increment, frames, perframe.data());
  EXPECT_EQ(perframe, expected) << from << " + " << increment;
  int spans = 0;
  int end = 0;
  panruns(from, increment, frames, [&](int first, int count, int32_t pan) {
    ++spans;
    ASSERT_EQ(first, end) << from << " + " << increment;
    ASSERT_GE(count, 1);
    ASSERT_LE(first + count, frames);
    for (int i = first; i < first + count; ++i)
      ASSERT_EQ(pan, expected[static_cast<size_t>(i)]) << from << " + " << increment << " frame " << i;
    end = first + count;
  });
  EXPECT_EQ(end, frames) << from << " + " << increment;
  return spans;
}

uint32_t seed = 12345;
float randompan() {
  seed = seed * 1664525u + 1013904223u;
  return static_cast<float>(static_cast<int32_t>(seed >> 8) % 8193);
}

}  // namespace

TEST(PanPath, WholePansMatchTheRunningFloatSum) {
  const struct { float start, increment; } cases[] = {
      {0.0f, 0.37f},          {-4096.0f, 2.0f},      {100.3f, -0.0731f},   {4096.0f, 0.000732421875f},
      {-4096.0f, -0.000732421875f}, {3000.5f, 1e-7f}, {32767.0f, -16.001f}, {-0.75f, 0.001f},
      {1.0f, -0.5f},          {2047.99f, 0.0039f},   {-1.0e-30f, 0.25f},   {8191.0f, 0.00048828125f},
      {-3000.0f, 1.7f},       {3000.0f, -2.3f},      {1.0e8f, 300.0f},     {-5.0e8f, 3000.5f},
      {3000.9990234375f, 0.000244140625f},           {-3000.0009765625f, 0.000244140625f},
  };
  for (const auto& c : cases) expectsum(c.start, c.increment, 4096);
  for (int k = 0; k < 300; ++k) {
    const float from = randompan();
    const float to = randompan();
    const int frames = 1 + static_cast<int>(seed % 4096);
    expectsum(from, (to - from) / static_cast<float>(frames), frames);
  }
}

TEST(PanPath, ARampInsideOneBinadeTakesOneSpanPerPan) {
  const struct { float start, increment; } cases[] = {
      {2100.25f, 0.0637f}, {-2100.25f, -0.0637f}, {3900.0f, -0.11f}, {-3900.0f, 0.11f}, {-2500.0f, -0.3f},
  };
  for (const auto& c : cases) {
    const std::vector<int32_t> pans = floatsum(c.start, c.increment, 4096);
    int changes = 0;
    for (size_t i = 1; i < pans.size(); ++i) changes += pans[i] != pans[i - 1];
    EXPECT_EQ(expectsum(c.start, c.increment, 4096), changes + 1) << c.start << " + " << c.increment;
  }
}

// Each frame's gains are those of its own pan and volume, and the bound is the largest
// of their magnitudes: a steady volume, a volume ramp of no slope, moving volumes, with
// and without a moving pan, over frame counts that leave a tail, the largest gain a
// negative one on either side; with and without the vector code.
TEST(FrameGains, EachFrameHasTheGainsOfItsPanAndVolume) {
  const struct {
    float pan, paninc;
    bool ramp;
    int volume, vol8, volinc, frames;
  } cases[] = {
      {-4096.0f, 2.0f, false, 30000, 0, 0, 4096},     {4096.0f, -0.0637f, false, -32768, 0, 0, 4093},
      {32767.0f, -16.001f, false, 32767, 0, 0, 4096},  {2500.0f, 0.0f, false, 12000, 0, 0, 13},
      {-300.0f, 0.37f, true, 0, 20000 * 256, 0, 4095}, {100.3f, -0.0731f, true, 0, 5000 * 256, 700, 4096},
      {-32768.0f, 3.9f, true, 0, -32768 * 256, 2000, 4091}, {1500.0f, 0.0f, true, 0, 32767 * 256, -1500, 4096},
      {0.5f, -0.001f, false, 7, 0, 0, 5},               {-700.0f, 0.3f, false, 0, 0, 0, 4096},
      {700.0f, -0.3f, true, 0, 0, 1, 200},             {1500.0f, 0.0f, true, 0, -32768 * 256, 1500, 4096},
  };
  for (bool vectors : {false, true}) {
    for (const auto& t : cases) {
      FrameContext c;
      c.vectors = vectors;
      c.pan = t.pan;
      c.paninc = t.paninc;
      c.volume = t.volume;
      c.vol8 = t.vol8;
      c.volinc = t.volinc;
      const size_t size = static_cast<size_t>(t.frames + kGainPadding);
      std::vector<int32_t> pans(size);
      std::vector<int16_t> left(size);
      std::vector<int16_t> right(size);
      const bool panramp = t.paninc != 0.0f;
      const int bound = framegains(c, t.frames, t.ramp, panramp, pans.data(), left.data(), right.data());
      const std::vector<int32_t> expected = floatsum(t.pan, t.paninc, t.frames);
      int largest = 0;
      for (int i = 0; i < t.frames; ++i) {
        const auto at = static_cast<size_t>(i);
        int l = 0;
        int r = 0;
        pangains(expected[at], t.ramp ? (t.vol8 + t.volinc * i) >> 8 : t.volume, l, r);
        ASSERT_EQ(left[at], l) << vectors << " " << t.pan << " + " << t.paninc << " frame " << i;
        ASSERT_EQ(right[at], r) << vectors << " " << t.pan << " + " << t.paninc << " frame " << i;
        largest = std::max({largest, std::abs(l), std::abs(r)});
      }
      EXPECT_EQ(bound, largest) << vectors << " " << t.pan << " + " << t.paninc;
    }
  }
}
