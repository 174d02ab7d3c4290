// The voice kernels' vector code against one frame at a time: 16-bit mono records of
// full-scale and random values, read at random positions and steps up to the step limit
// across loop ends, at steady and moving steps, with steady and per-frame gains, into
// the render's scratch, added into an accumulator and written as floats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "audio/framekernels.h"

namespace {

constexpr int kLargestFrames = 4096;

enum Target { kScratch, kAdd, kRow };

struct Rendered {
  int frames;
  FrameContext c;
  std::vector<int32_t> samples;
  std::vector<float> row;
};

Rendered renderwith(bool vectors, FrameContext c, Target target, const std::vector<int32_t>& accumulator) {
  RenderScratch scratch(2 * kLargestFrames);
  Rendered r{0, c, accumulator, std::vector<float>(2 * kLargestFrames, 0.0f)};
  r.c.vectors = vectors;
  r.frames = mixkernel(r.c, scratch, [&](int64_t) {
    RenderTarget t;
    if (target == kAdd) t.add = r.samples.data();
    if (target == kRow) t.row = r.row.data();
    return t;
  });
  if (target == kScratch) std::copy_n(scratch.frames.begin(), 2 * r.frames, r.samples.begin());
  return r;
}

}  // namespace

TEST(FrameKernels, SeveralFramesAtATimeMatchOneAtATime) {
  std::mt19937 random(29);
  auto pick = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(random); };
  constexpr int kValues = 6000;
  std::vector<int16_t> data(kValues + 4);
  for (size_t i = 0; i < data.size(); ++i) {
    const int64_t kind = pick(0, 3);
    // Neighbours at the two ends of the range give the largest differences.
    data[i] = static_cast<int16_t>(kind == 0 ? (i % 2 ? INT16_MAX : INT16_MIN) : pick(INT16_MIN, INT16_MAX));
  }
  const int64_t steps[] = {1, 0x7FFF, 0x10001, 0xFFFF, 3 * 0x10000 + 1, 0x158880};  // 16.16, up to the limit
  for (int k = 0; k < 400; ++k) {
    FrameContext c;
    c.data = data.data();
    c.bits = 16;
    c.channels = 1;
    c.looped = true;
    c.loopend = pick(kValues / 2, kValues);
    c.loopsize = pick(1, c.loopend);
    c.playpos = pick(0, (c.loopend << 32) - 1);
    const int64_t step = k % 3 == 0 ? steps[k / 3 % std::size(steps)] : pick(1, 0x158880);
    c.increment = step * 65536;
    c.frames = static_cast<int>(pick(1, kLargestFrames));
    c.volume = static_cast<int>(pick(INT16_MIN, INT16_MAX));
    // A step and a volume that move across the buffer, at most to the step limit.
    c.ramp = k % 4 == 3;
    c.stepfx = step << 32;
    c.stepinc = ((pick(1, 0x158880) - step) << 32) / c.frames;
    c.vol8 = c.volume * 256;
    c.volinc = (static_cast<int>(pick(INT16_MIN, INT16_MAX)) - c.volume) * 256 / c.frames;
    c.pan = static_cast<float>(pick(-4096, 4096));
    c.panramp = k % 2 == 1;
    c.paninc = c.panramp ? static_cast<float>(pick(-8192, 8192)) / static_cast<float>(c.frames) : 0.0f;
    const auto target = static_cast<Target>(k % 3);
    std::vector<int32_t> accumulator(2 * kLargestFrames);
    for (int32_t& x : accumulator) x = static_cast<int32_t>(pick(-1000000, 1000000));
    const Rendered fast = renderwith(true, c, target, accumulator);
    const Rendered plain = renderwith(false, c, target, accumulator);
    const auto where = testing::Message() << "case " << k << " step " << step << " target " << target;
    ASSERT_EQ(fast.frames, plain.frames) << where;
    ASSERT_EQ(fast.samples, plain.samples) << where;
    ASSERT_EQ(fast.row, plain.row) << where;
    ASSERT_EQ(fast.c.playpos, plain.c.playpos) << where;
    ASSERT_EQ(fast.c.position, plain.c.position) << where;
  }
}
