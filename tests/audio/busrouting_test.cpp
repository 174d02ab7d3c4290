// The effect path of the mixer: voices into the nine accumulators by their record's
// send levels, and each routing mode's sum into the dry buffer, worked out by hand
// from the buses' gains and the send buffers.
#include <gtest/gtest.h>

#include <functional>

#include "audio/busrouting.h"
#include "audiotest.h"

namespace {

constexpr int kFrames = 8;
constexpr int kSamples = 2 * kFrames;

// Send buffer values of bus k, left and right, and the gain of each bus.
constexpr int kSendLeft[kBuses] = {3, 5, 7, 11, 13, 17, 19, 23};
constexpr int kSendRight[kBuses] = {-2, 4, -6, 8, -10, 12, -14, 16};
constexpr int kGain[kBuses] = {2, 3, 5, 1, 2, 3, 5, 4};

class Routing : public ::testing::Test {
 protected:
  void SetUp() override {
    mx.fx.make(kFxOutSize, kFxRingSize);
    for (int b = 0; b < kBuses; ++b) {
      mx.fx.init(b, kFxOutSize, kFxRingSize);
      // Bus b multiplies its input by its gain: dry gain 1 into the wet signal, wet gain g.
      for (int id : {8, 108}) mx.fx.setparameter(id, b, 100);
      for (int id : {2, 102}) mx.fx.setparameter(id, b, 100 * kGain[b]);
    }
    for (int b = 0; b < kBuses; ++b)
      for (int f = 0; f < kFrames; ++f) {
        sendbuffers[b][2 * f] = static_cast<int16_t>(kSendLeft[b]);
        sendbuffers[b][2 * f + 1] = static_cast<int16_t>(kSendRight[b]);
      }
    for (int f = 0; f < kFrames; ++f) {
      dry[2 * f] = 1000;
      dry[2 * f + 1] = -1000;
    }
  }

  std::array<int16_t*, kBuses> sends() {
    std::array<int16_t*, kBuses> s{};
    for (int b = 0; b < kBuses; ++b) s[b] = sendbuffers[b].data();
    return s;
  }

  mixer mx{8192};
  std::array<std::array<int16_t, kSamples>, kBuses> sendbuffers{};
  std::array<int16_t, kSamples> dry{};
};

// What each mode adds to the dry buffer, with S the send values and g the gains.
int added(int mode, const int* S) {
  const int* g = kGain;
  switch (mode) {
    case 0: return g[0] * S[0] + g[1] * S[1] + g[2] * S[2] + g[3] * S[3] + g[4] * S[4] + g[5] * S[5] + g[6] * S[6] + g[7] * S[7];
    case 1: return g[1] * S[1] + g[2] * S[2] + g[3] * S[3] + g[4] * S[4] + g[5] * S[5] + g[6] * S[6] + g[7] * g[0] * S[0];
    case 2: return g[1] * g[0] * S[0] + g[3] * g[2] * S[2] + g[5] * g[4] * S[4] + g[7] * g[6] * S[6];
    case 3: return g[2] * g[1] * g[0] * S[0] + g[5] * g[4] * g[3] * S[3] + g[6] * S[6] + g[7] * S[7];
    case 4: return g[1] * g[0] * S[0] + g[3] * g[2] * S[2] + g[4] * S[4] + g[5] * S[5] + g[6] * S[6] + g[7] * S[7];
    case 5: return g[2] * (g[1] * g[0] * S[0] + g[4] * g[3] * S[3]) + g[6] * g[5] * S[5] + g[7] * S[7];
    case 6: return g[3] * (g[0] * S[0] + g[1] * S[1] + g[2] * S[2]) + g[5] * g[4] * S[4] + g[7] * g[6] * S[6];
    case 7: return g[3] * (g[0] * S[0] + g[1] * S[1] + g[2] * S[2]) + g[7] * (g[4] * S[4] + g[5] * S[5] + g[6] * S[6]);
    case 8: return g[7] * g[6] * (g[0] * S[0] + g[1] * S[1] + g[2] * S[2] + g[3] * S[3] + g[4] * S[4] + g[5] * S[5]);
    case 9: return g[7] * (g[0] * S[0] + g[1] * S[1] + g[2] * S[2] + g[3] * S[3] + g[4] * S[4] + g[5] * S[5] + g[6] * S[6]);
    default: return 0;
  }
}

using EffectPath = AudioTest;

}  // namespace

TEST_F(Routing, EachModeAddsItsChainsToTheDryBuffer) {
  for (int mode = 0; mode < kRouteModes; ++mode) {
    SetUp();
    ASSERT_TRUE(routebuses(mx, mode, dry.data(), sends(), kSamples));
    for (int f = 0; f < kFrames; ++f) {
      ASSERT_EQ(dry[2 * f], 1000 + added(mode, kSendLeft)) << "mode " << mode << " frame " << f;
      ASSERT_EQ(dry[2 * f + 1], -1000 + added(mode, kSendRight)) << "mode " << mode << " frame " << f;
    }
  }
}

TEST_F(Routing, OtherModesLeaveTheDryBufferAlone) {
  for (int mode : {-1, 10, 969}) {
    EXPECT_FALSE(routebuses(mx, mode, dry.data(), sends(), kSamples));
    EXPECT_EQ(dry[0], 1000);
    EXPECT_EQ(dry[1], -1000);
  }
}

TEST_F(Routing, FinalSumSaturates) {
  for (int f = 0; f < kFrames; ++f) {
    dry[2 * f] = 32700;
    dry[2 * f + 1] = -32700;
  }
  for (int id : {2, 102}) mx.fx.setparameter(id, 7, 30000);  // bus 7 at 300 times
  routebuses(mx, 9, dry.data(), sends(), kSamples);
  EXPECT_EQ(dry[0], 32767);
  EXPECT_EQ(dry[1], -32768);
}

TEST_F(Routing, BusesNotMadeAreSkippedSafely) {
  mixer bare{8192};
  EXPECT_TRUE(routebuses(bare, 5, dry.data(), sends(), kSamples));
  EXPECT_EQ(dry[0], 1000);
}

TEST_F(Routing, ComputeTakesTheWholeBufferForNoCountAndNothingForLessThanAFrame) {
  const std::vector<int16_t> input(8192, 100);
  mx.compute(0, input.data(), 0, kFxRingSize, 1);
  EXPECT_EQ(mx.fx.out[0][0], 0);
  mx.compute(0, input.data(), 0, kFxRingSize, 0);
  EXPECT_EQ(mx.fx.out[0][8191], 100 * kGain[0]);
}

TEST_F(Routing, CombineAndZeroBuffer) {
  std::array<int16_t, 4> target = {1, 30000, -30000, 5};
  const std::array<int16_t, 4> a = {1, 2000, -2000, 5};
  const std::array<int16_t, 4> b = {1, 2000, -3000, -20};
  mixer::combine2(target.data(), a.data(), b.data(), 4);
  EXPECT_EQ(target, (std::array<int16_t, 4>{3, 32767, -32768, -10}));
  // Saturated once: an overshoot taken back by a later source still counts.
  std::array<int16_t, 1> t = {30000};
  const std::array<int16_t, 1> up = {5000}, down = {-5000};
  mixer::combine2(t.data(), up.data(), down.data(), 1);
  EXPECT_EQ(t[0], 30000);
  // Longer than one block of the sum and not a multiple of it; the entry past n stays.
  std::vector<int16_t> longtarget(301, 7), rising(301), falling(301);
  const auto risingat = [](int i) { return std::min(150 * i, 32767); };
  for (int i = 0; i < 301; ++i) {
    rising[static_cast<size_t>(i)] = static_cast<int16_t>(risingat(i));
    falling[static_cast<size_t>(i)] = static_cast<int16_t>(-i);
  }
  mixer::combine2(longtarget.data(), rising.data(), falling.data(), 300);
  for (int i = 0; i < 300; ++i) ASSERT_EQ(longtarget[static_cast<size_t>(i)], std::min(7 + risingat(i) - i, 32767)) << i;
  EXPECT_EQ(longtarget[300], 7);
  mixer::zerobuffer(target.data(), 1);
  EXPECT_EQ(target, (std::array<int16_t, 4>{0, 32767, -32768, -10}));
  mixer::zerobuffer(target.data(), 3);
  EXPECT_EQ(target, (std::array<int16_t, 4>{0, 0, 0, -10}));
  mixer::zerobuffer(target.data(), -1);
  mixer::zerobuffer(nullptr, 3);  // no buffer: nothing to clear
}

TEST_F(EffectPath, VoiceReachesEachAccumulatorAtItsSendLevel) {
  sound* source = mx.allocsound(nullptr);
  source->setfxmixvalues({100, 0, 0, 50, 0, 0, 0, 250, 500});  // buses 0-7, then dry in thousandths
  start(make16(std::vector<int16_t>(100, 1000), 1, 1), source);
  std::array<std::array<int16_t, 512>, kAccumulators> out{};
  std::array<int16_t*, kAccumulators> targets{};
  for (int k = 0; k < kAccumulators; ++k) targets[k] = out[k].data();
  mx.mix16fx(targets, 512);  // the first buffer fades in
  mx.mix16fx(targets, 512);
  // One frame of 1000 at unity puts 16000 in an accumulator, 1000 in the 16-bit output.
  const int expected[kAccumulators] = {500, 1000, 0, 0, 500, 0, 0, 0, 2500};
  for (int k = 0; k < kAccumulators; ++k)
    for (int i = 0; i < 512; ++i) ASSERT_EQ(out[k][static_cast<size_t>(i)], expected[k]) << k << " " << i;
  for (int k = 0; k < kAccumulators; ++k)
    for (int i = 0; i < 512; ++i) ASSERT_EQ(mx.fxsums.at(k, i), 0.0f);
  // A count of 0 renders the whole accumulator.
  std::vector<std::vector<int16_t>> whole(kAccumulators, std::vector<int16_t>(8192));
  for (int k = 0; k < kAccumulators; ++k) targets[k] = whole[static_cast<size_t>(k)].data();
  mx.mix16fx(targets, 0);
  for (int k = 0; k < kAccumulators; ++k) EXPECT_EQ(whole[static_cast<size_t>(k)][8191], expected[k]) << k;
}
