// One effect bus on impulses: pass-through, the delay, the comb and its feedback,
// input and comb crossfeed, the speed re-read, the limits kept where parameters are
// stored, saturation, and what a bus's init resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>
#include <vector>

#include "audio/delayfx.h"

namespace {

class Bus : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.make(kFxOutSize, kFxRingSize);
    for (int b = 0; b < kBuses; ++b) fx.init(b, kFxOutSize, kFxRingSize);
  }

  // Wet and dry gains at unity on both sides: the bus hands its input on unchanged.
  void passthrough(int bus) {
    for (int id : {2, 102, 8, 108}) fx.setparameter(id, bus, 100);
  }

  // Runs bus 0 over the interleaved frames and answers its output.
  std::vector<int16_t> run(const std::vector<int16_t>& in, int bus = 0) {
    fx.compute(bus, in.data(), kFxRingSize, static_cast<int>(in.size()));
    return {fx.out[bus].begin(), fx.out[bus].begin() + static_cast<long>(in.size())};
  }

  static std::vector<int16_t> impulse(int frames, int left, int right) {
    std::vector<int16_t> v(static_cast<size_t>(frames) * 2, 0);
    v[0] = static_cast<int16_t>(left);
    v[1] = static_cast<int16_t>(right);
    return v;
  }

  DelayFX fx;
};

int L(const std::vector<int16_t>& v, int frame) { return v[static_cast<size_t>(frame) * 2]; }
int R(const std::vector<int16_t>& v, int frame) { return v[static_cast<size_t>(frame) * 2 + 1]; }

}  // namespace

TEST_F(Bus, FreshBusIsSilentAndUnityGainsPassTheInput) {
  std::vector<int16_t> in;
  for (int i = 0; i < 64; ++i) in.push_back(static_cast<int16_t>(i * 511 - 16000));
  for (int16_t x : run(in)) ASSERT_EQ(x, 0);
  passthrough(0);
  EXPECT_EQ(run(in), in);
  // Reading its own output buffer works in place.
  std::copy(in.begin(), in.end(), fx.out[0].begin());
  fx.compute(0, fx.out[0].data(), kFxRingSize, 64);
  EXPECT_TRUE(std::equal(in.begin(), in.end(), fx.out[0].begin()));
}

TEST_F(Bus, DelaysEachSideByItsOwnCountAcrossRenders) {
  fx.setparameter(6, 0, 4410);
  fx.setparameter(106, 0, 10);
  for (int id : {7, 107, 2, 102}) fx.setparameter(id, 0, 100);  // echo only, dry gain 0
  const auto first = run(impulse(4096, 1000, -2000));
  for (int f = 0; f < 4096; ++f) {
    ASSERT_EQ(L(first, f), 0) << f;
    ASSERT_EQ(R(first, f), f == 10 ? -2000 : 0) << f;
  }
  const auto second = run(std::vector<int16_t>(8192, 0));
  for (int f = 0; f < 4096; ++f) {
    ASSERT_EQ(L(second, f), 4096 + f == 4410 ? 1000 : 0) << f;
    ASSERT_EQ(R(second, f), 0) << f;
  }
}

TEST_F(Bus, CombFeedsBackEachPeriod) {
  // Comb gain 100, send 100, feedback 0.5, length 100, dry gain 100, wet gain 0.
  for (auto [id, value] : {std::pair{1, 100}, {3, 100}, {4, 500}, {5, 100}, {8, 100}}) fx.setparameter(id, 0, value);
  const auto out = run(impulse(500, 1000, 0));
  // Frame 0 stores trunc(1000 × 0.7) = 700; each period puts out half of what is
  // stored (350, then trunc(244 / 2) = 122 ...) and stores 0.7 of that.
  for (int f = 0; f < 500; ++f) {
    const int expected = f == 100 ? 350 : f == 200 ? 122 : f == 300 ? 42 : f == 400 ? 14 : 0;
    ASSERT_EQ(L(out, f), expected) << f;
    ASSERT_EQ(R(out, f), 0) << f;
  }
}

TEST_F(Bus, CombLengthZeroStaysOnTheFirstPosition) {
  for (auto [id, value] : {std::pair{1, 100}, {3, 100}, {4, 500}, {5, 0}, {8, 100}}) fx.setparameter(id, 0, value);
  const auto out = run(impulse(4, 1000, 0));
  EXPECT_EQ(L(out, 0), 0);
  EXPECT_EQ(L(out, 1), 350);
  EXPECT_EQ(L(out, 2), 122);
}

TEST_F(Bus, InputCrossfeedSwapsOrJoinsTheChannels) {
  passthrough(0);
  fx.setparameter(201, 0, 100);
  auto out = run({1000, 3000, -400, 200});
  EXPECT_EQ(out, (std::vector<int16_t>{3000, 1000, 200, -400}));
  fx.setparameter(201, 0, 50);
  out = run({1000, 3000, -400, 200});
  EXPECT_EQ(out, (std::vector<int16_t>{2000, 2000, -100, -100}));
}

TEST_F(Bus, SpeedReReadsTheOutputInPlace) {
  passthrough(0);
  std::vector<int16_t> in;
  for (int f = 0; f < 6; ++f) {
    in.push_back(static_cast<int16_t>(10 + f));    // left of frame f
    in.push_back(static_cast<int16_t>(-20 - f));   // right of frame f
  }
  fx.setparameter(203, 0, 0);
  EXPECT_EQ(run(in), in);
  // Factor 1.5 over 12 samples: the sources past the end wrap to the start and read
  // frames that were already rewritten.
  fx.setparameter(203, 0, 50);
  fx.out[0][12] = fx.out[0][13] = 77;  // past the render: left alone
  const auto out = run(in);
  EXPECT_EQ(fx.out[0][12], 77);
  EXPECT_EQ(fx.out[0][13], 77);
  const std::vector<int> left = {10, 11, 13, 14, 10, 11};
  const std::vector<int> right = {-20, -22, -23, -25, -20, -23};
  for (int f = 0; f < 6; ++f) {
    EXPECT_EQ(L(out, f), left[static_cast<size_t>(f)]) << f;
    EXPECT_EQ(R(out, f), right[static_cast<size_t>(f)]) << f;
  }
}

// A delay past the ring wraps around it; a negative one passes the input straight on.
TEST_F(Bus, DelayIsTakenModuloTheRing) {
  const struct {
    int left, right, heardleft, heardright;
  } cases[] = {{40000, -7, 40000 - kFxRingSize, 0}, {-3, kFxRingSize + 5, 0, 5}};
  for (int bus = 0; bus < 2; ++bus) {
    const auto& c = cases[bus];
    fx.setparameter(6, bus, c.left);
    fx.setparameter(106, bus, c.right);
    for (int id : {7, 107, 2, 102}) fx.setparameter(id, bus, 100);
    const auto first = run(impulse(4096, 1000, -2000), bus);
    const auto second = run(std::vector<int16_t>(8192, 0), bus);
    for (int f = 0; f < 8192; ++f) {
      const auto& out = f < 4096 ? first : second;
      ASSERT_EQ(L(out, f % 4096), f == c.heardleft ? 1000 : 0) << bus << " " << f;
      ASSERT_EQ(R(out, f % 4096), f == c.heardright ? -2000 : 0) << bus << " " << f;
    }
  }
}

// Positions left past a ring that shrank start over from its first slot, a ring of one
// frame hears every delay at once, and no ring leaves the output alone.
TEST_F(Bus, ShorterRingStartsOverAndARingOfOneFrameHasNoDelay) {
  fx.setparameter(6, 0, 10);
  fx.setparameter(106, 0, 3);
  for (int id : {7, 107, 2, 102}) fx.setparameter(id, 0, 100);
  const std::vector<int16_t> silence(8192, 0);
  fx.compute(0, silence.data(), kFxRingSize, 8192);
  for (int ring : {100, 1}) {
    const auto in = impulse(50, 1000, -2000);
    fx.compute(0, in.data(), ring, 100);
    const std::vector<int16_t> out(fx.out[0].begin(), fx.out[0].begin() + 100);
    const int heardleft = ring == 1 ? 0 : 10;
    const int heardright = ring == 1 ? 0 : 3;
    for (int f = 0; f < 50; ++f) {
      ASSERT_EQ(L(out, f), f == heardleft ? 1000 : 0) << ring << " " << f;
      ASSERT_EQ(R(out, f), f == heardright ? -2000 : 0) << ring << " " << f;
    }
  }
  // No ring at all: nothing to delay through, the output stays as it was.
  const auto in = impulse(50, 1000, -2000);
  for (int ring : {0, -5}) {
    fx.out[0].assign(fx.out[0].size(), 9);
    fx.compute(0, in.data(), ring, 100);
    EXPECT_TRUE(std::all_of(fx.out[0].begin(), fx.out[0].end(), [](int16_t x) { return x == 9; })) << ring;
  }
}

TEST_F(Bus, ParametersReadBackAsStoredAndStayInsideTheRings) {
  const struct {
    int id, value, stored;
  } cases[] = {
      {6, -5, -5},       {6, 40000, 40000},   {106, 4410, 4410},  {5, 50000, 50000}, {105, -3, -3},
      {203, 150, 99},    {203, -250, -250},   {4, 500, 500},      {104, -70, -70},   {2, 250, 250},
      {108, 100, 100},   {201, 50, 50},       {202, 100, 100},    {9, 5, 0},          {204, 5, 0},
  };
  for (const auto& c : cases) {
    fx.setparameter(c.id, 3, c.value);
    EXPECT_EQ(fx.getparameter(c.id, 3), c.stored) << c.id << " " << c.value;
  }
  fx.setparameter(2, 8, 100);  // no bus 8
  fx.setparameter(2, -1, 100);
  EXPECT_EQ(fx.getparameter(2, 8), 0);
  EXPECT_EQ(fx.getparameter(2, -1), 0);

  // The longest delay and comb with the widest speed, over several full buffers.
  for (int id : {6, 106}) fx.setparameter(id, 0, 1 << 30);
  for (int id : {5, 105}) fx.setparameter(id, 0, 1 << 30);
  fx.setparameter(203, 0, 1 << 30);
  for (int id : {1, 101, 2, 102, 3, 103, 7, 107, 8, 108}) fx.setparameter(id, 0, 100);
  for (int id : {4, 104}) fx.setparameter(id, 0, 900);
  std::vector<int16_t> in(8192);
  for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<int16_t>((i * 7919) % 60000 - 30000);
  for (int round = 0; round < 10; ++round) run(in);
  fx.compute(0, in.data(), kFxRingSize, 1 << 20);  // more than the buffer holds
  fx.compute(0, in.data(), 1 << 20, 8192);          // a ring larger than the one made
  fx.compute(0, nullptr, kFxRingSize, 8192);
  fx.compute(9, in.data(), kFxRingSize, 8192);
  DelayFX unmade;
  unmade.compute(0, in.data(), kFxRingSize, 8192);  // buses not made: nothing happens
}

TEST_F(Bus, ResultsSaturateInsteadOfWrapping) {
  passthrough(0);
  fx.setparameter(2, 0, 300);
  fx.setparameter(102, 0, 300);
  const auto out = run({20000, -20000});
  EXPECT_EQ(out, (std::vector<int16_t>{32767, -32768}));
}

TEST_F(Bus, InitClearsTheBusButNotTheSwitch) {
  fx.setparameter(kFxSwitchId, 0, 1);
  fx.mode = 4;
  passthrough(2);
  fx.setparameter(6, 2, 50);
  fx.setparameter(7, 2, 100);
  for (int id : {1, 3, 101, 103}) fx.setparameter(id, 2, 100);
  for (int id : {5, 105}) fx.setparameter(id, 2, 7);
  run(impulse(4, 500, 500), 2);  // shorter than the comb, so its ring still holds the impulse
  fx.init(2, kFxOutSize, kFxRingSize);
  EXPECT_EQ(fx.mode.load(), 0);
  const fxbus& p = fx.parameters[2];
  EXPECT_EQ(std::tuple(p.delaypositionl, p.delaypositionr, p.combpositionl, p.combpositionr), std::tuple(0, 0, 0, 0));
  for (const auto* buffer : {&fx.out[2], &fx.combl[2], &fx.combr[2]})
    EXPECT_TRUE(std::all_of(buffer->begin(), buffer->end(), [](int16_t x) { return x == 0; }));
  // A bus outside 0-7 resets only the routing mode.
  fx.mode = 4;
  fx.init(-1, kFxOutSize, kFxRingSize);
  fx.init(kBuses, kFxOutSize, kFxRingSize);
  EXPECT_EQ(fx.mode.load(), 0);
  EXPECT_EQ(fx.getparameter(kFxSwitchId, 0), 1);
  for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 101, 102, 103, 104, 105, 106, 107, 108, 201, 202, 203})
    EXPECT_EQ(fx.getparameter(id, 2), 0) << id;
  // The delayed impulse is gone with the cleared ring: the longer delay reads its slot
  // before writing there.
  passthrough(2);
  for (auto [id, value] : {std::pair{6, 60}, {7, 100}, {8, 0}, {106, 60}, {107, 100}, {108, 0}})
    fx.setparameter(id, 2, value);
  for (int16_t x : run(std::vector<int16_t>(200, 0), 2)) ASSERT_EQ(x, 0);
  fx.setparameter(kFxSwitchId, 0, 2);
  EXPECT_EQ(fx.getparameter(kFxSwitchId, 5), 0);
}

// Eight and four frames at a time against one at a time, over random input and settings: delays
// and comb lengths around the limits where frames of one step would meet in a ring,
// short rings, renders of odd frame counts so that rings wrap inside a step's reach,
// saturating and non-finite gains, and a bus reading its own output.
TEST(BusSteps, SeveralFramesAtATimeMatchOneAtATime) {
  constexpr int N = kFxRingSize;
  constexpr float inf = std::numeric_limits<float>::infinity();
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  enum Gains { kModerate, kSaturating, kNaN, kInfinite };
  const struct {
    int ring, delayL, delayR, lengthL, lengthR;
    Gains gains;
    bool inplace;
  } cases[] = {
      {N, 0, 1, 4, 5, kModerate, false},
      {N, 3, N - 4, 1 << 20, 4097, kSaturating, false},
      {N, N - 3, 0, 100, 100, kModerate, true},
      {N, N - 1, 40000, 5, 3, kSaturating, true},
      {N, 40000, 7, 0, 1000, kModerate, false},
      {N, 1, 2, 1, 6, kInfinite, false},
      {N, 100, N - 4, N + 1, 4, kInfinite, true},
      {N, 2, 5, 4, 4, kSaturating, false},
      {N, 0, 6, 1 << 20, 1 << 20, kModerate, false},
      {N, 6, 0, 1 << 20, 1 << 20, kModerate, true},
      {N, 9, N - 3, 6, 7, kModerate, false},
      {N, 5, N - 1, 8, 9, kModerate, true},
      {N, N - 8, 11, 8, 1 << 20, kModerate, false},
      {N, 12, N - 7, 9, 8, kModerate, true},
      {N, 4, 9, 7, 1 << 20, kSaturating, false},
      {7, 3, 2, 5, 9, kNaN, false},
      {7, 4, 6, 4, 11, kSaturating, true},
      {7, 2, 4, 5, 6, kModerate, false},
      {4, 0, 0, 4, 4, kModerate, false},
      {3, 1, 2, 4, 4, kModerate, false},
  };
  const int renders[] = {74, 6, 2, 8192, 8192, 8192, 8192, 8192, 8192, 8192, 8192, 8192};
  std::mt19937 random(13);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (size_t c = 0; c < std::size(cases); ++c) {
    const auto& k = cases[c];
    const int bus = static_cast<int>(c % kBuses);
    DelayFX fast, reference;
    reference.vectors = false;
    for (DelayFX* fx : {&fast, &reference}) {
      fx->make(kFxOutSize, kFxRingSize);
      fx->init(bus, kFxOutSize, kFxRingSize);
    }
    const int wide = k.gains == kSaturating ? 5000 : 150;
    std::vector<std::pair<int, int>> settings = {{6, k.delayL}, {106, k.delayR}, {5, k.lengthL}, {105, k.lengthR},
                                                 {4, pick(-1200, 1200)}, {104, pick(-1200, 1200)}};
    for (int id : {1, 2, 3, 7, 8, 101, 102, 103, 107, 108, 201, 202}) settings.emplace_back(id, pick(-wide, wide));
    // Sends this large take the comb's integer step past the 32-bit range.
    if (k.gains == kSaturating) settings.insert(settings.end(), {{3, 1 << 30}, {103, -(1 << 30)}});
    for (DelayFX* fx : {&fast, &reference}) {
      for (auto [id, value] : settings) fx->setparameter(id, bus, value);
      fxbus& p = fx->parameters[bus];
      if (k.gains == kNaN) {
        p.left.combsend = nan;
        p.right.wetgain = nan;
      }
      if (k.gains == kInfinite) {
        p.left.combsend = inf;
        p.right.combsend = -inf;
        p.left.echogain = -inf;
      }
    }
    for (size_t r = 0; r < std::size(renders); ++r) {
      const int n = renders[r];
      // Combs shortened to their running positions start over from the first.
      if (r == 6) {
        const fxbus& now = fast.parameters[bus];
        for (DelayFX* fx : {&fast, &reference}) {
          fx->setparameter(5, bus, now.combpositionl);
          fx->setparameter(105, bus, now.combpositionr);
        }
      }
      std::vector<int16_t> in(static_cast<size_t>(n));
      for (int16_t& x : in) x = static_cast<int16_t>(pick(INT16_MIN, INT16_MAX));
      for (DelayFX* fx : {&fast, &reference}) {
        if (k.inplace) std::copy(in.begin(), in.end(), fx->out[bus].begin());
        fx->compute(bus, k.inplace ? fx->out[bus].data() : in.data(), k.ring, n);
      }
      const auto where = testing::Message() << "case " << c << " render " << r;
      ASSERT_TRUE(std::equal(fast.out[bus].begin(), fast.out[bus].begin() + n, reference.out[bus].begin())) << where;
      ASSERT_EQ(fast.delayl[bus], reference.delayl[bus]) << where;
      ASSERT_EQ(fast.delayr[bus], reference.delayr[bus]) << where;
      ASSERT_EQ(fast.combl[bus], reference.combl[bus]) << where;
      ASSERT_EQ(fast.combr[bus], reference.combr[bus]) << where;
      const fxbus &a = fast.parameters[bus], &b = reference.parameters[bus];
      ASSERT_EQ(std::tie(a.delaypositionl, a.delaypositionr, a.combpositionl, a.combpositionr),
                std::tie(b.delaypositionl, b.delaypositionr, b.combpositionl, b.combpositionr))
          << where;
    }
  }
}
