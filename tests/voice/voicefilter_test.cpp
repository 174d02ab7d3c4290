// The numbered sample effects of TFilter on known ramps and impulses: the range frame
// (clamping, stereo doubling, rejected ranges), levels, signs and bits, reverse, the
// moves, time scaling, click removal, smoothing and noise; and DoEditFilter's paste,
// add and mix with and without wrapping.
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "audio/drivertest.h"
#include "voice/voicefilter.h"

namespace {

class VoiceFilterEffects : public DriverTest {
 protected:
  // value(i) = i + 1, so no sample is 0 before an effect.
  static std::vector<int16_t> ramp(int count) { return fill(count, [](int i) { return i + 1; }); }
  std::vector<int16_t> run(std::vector<int16_t> v, int start, int end, int effect, int amount = 0,
                           int channels = 1, const std::vector<int16_t>* source = nullptr) {
    std::shared_ptr<TSound> s = sound(v, channels);
    std::shared_ptr<TSound> src = source ? sound(*source, channels) : nullptr;
    filter.DoFilter(s, start, end, effect, amount, src);
    return values(s);
  }
  TFilter filter;
};

using Words = std::vector<int16_t>;

TEST_F(VoiceFilterEffects, RangeIsClampedDoubledForStereoOrRejected) {
  EXPECT_EQ(run(ramp(10), 2, 50, 44), (Words{1, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Stereo frames 2..50 become stored samples 4..19 (the end clamped to the last one).
  Words st = run(ramp(20), 2, 50, 44, 0, 2);
  EXPECT_EQ(st, (Words{1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Frames 0..9 give stored 0..18: the right sample of frame 9 stays.
  st = run(ramp(20), 0, 9, 44, 0, 2);
  EXPECT_EQ(st[18], 0);
  EXPECT_EQ(st[19], 20);
  for (auto [start, end, effect] : std::vector<std::tuple<int, int, int>>{
           {-1, 5, 44}, {5, 4, 44}, {0, 5, 0}, {0, 5, 999}, {0, 5, 63}, {INT32_MAX, INT32_MAX, 44}})
    EXPECT_EQ(run(ramp(10), start, end, effect), ramp(10)) << start << " " << end << " " << effect;
  EXPECT_EQ(filter.DoFilter(nullptr, 0, 5, 44, 0, nullptr), 0);
  // An empty sound has no samples to touch.
  EXPECT_EQ(run({}, 0, 5, 44), Words{});
}

TEST_F(VoiceFilterEffects, LevelsAndRamps) {
  const Words flat(5, 1000);  // D = 4: the step 1/D is exact
  EXPECT_EQ(run(flat, 0, 4, 41), (Words{0, 250, 500, 750, 1000}));
  EXPECT_EQ(run(flat, 0, 4, 42), (Words{1000, 750, 500, 250, 0}));
  EXPECT_EQ(run(flat, 0, 4, 50), (Words{500, 625, 750, 875, 1000}));
  EXPECT_EQ(run(flat, 0, 4, 51), (Words{1000, 875, 750, 625, 500}));
  // h = 2: up by 0.125 per sample, then back from 1.25.
  EXPECT_EQ(run(flat, 0, 4, 52), (Words{1000, 1125, 1250, 1125, 1000}));
  EXPECT_EQ(run(Words(5, 30000), 0, 4, 48)[0], 32767);  // 1.5 x 30000, clamped
  EXPECT_EQ(run(Words(5, -30000), 0, 4, 49)[4], -32767);
  EXPECT_EQ(run(Words{1000, 7}, 1, 1, 41), (Words{1000, 7}));  // a one-sample range has no ramp
  EXPECT_EQ(run(Words{32000, -32768, 100, -100}, 0, 3, 45), (Words{32767, -32767, 110, -110}));
  EXPECT_EQ(run(Words{100, -100, 32767}, 0, 2, 46), (Words{89, -89, 29490}));  // 0.9f is just below 0.9
}

TEST_F(VoiceFilterEffects, NormaliseScalesThePeakOfEitherSign) {
  // 32767 / 16384 = 1.99993896484375, exact in single precision.
  EXPECT_EQ(run(Words{16384, -8192, 2}, 0, 2, 43), (Words{32767, -16383, 3}));
  EXPECT_EQ(run(Words{100, -16384}, 0, 1, 43), (Words{199, -32767}));
  EXPECT_EQ(run(Words{-32768, 5}, 0, 1, 43), (Words{-32768, 5}));
  EXPECT_EQ(run(Words{0, 0, 0}, 0, 2, 43), (Words{0, 0, 0}));
}

TEST_F(VoiceFilterEffects, SignsBitsAndReverse) {
  EXPECT_EQ(run(Words{0, -1, 1, 32767}, 0, 3, 65), (Words{-32768, 32767, -32767, -1}));
  EXPECT_EQ(run(Words{-32768, 5, -5}, 0, 2, 64), (Words{-32768, -5, 5}));
  EXPECT_EQ(run(Words{-3, 3, -1}, 0, 2, 110), (Words{-2, 1, -1}));
  EXPECT_EQ(run(Words{-1, 0, 7}, 0, 2, 66), (Words{-32767, 0, 7}));
  EXPECT_EQ(run(Words{1, 0, -1}, 0, 2, 67), (Words{32767, -32768, -32767}));
  EXPECT_EQ(run(Words{-1, 1}, 0, 1, 68), (Words{21342, 1}));
  EXPECT_EQ(run(Words{0x7FFF, -1}, 0, 1, 106), (Words{0x7E00, static_cast<int16_t>(0xFE00)}));
  EXPECT_EQ(run(Words{-1}, 0, 0, 109), (Words{static_cast<int16_t>(0xEE00)}));
  // The sample at the end takes no part in the reverse.
  EXPECT_EQ(run(Words{1, 2, 3, 4, 5}, 0, 4, 62), (Words{4, 3, 2, 1, 5}));
  // Stereo frames 0..3 (end frame 4 excluded) reversed as whole frames.
  EXPECT_EQ(run(Words{1, -1, 2, -2, 3, -3, 4, -4, 5, -5}, 0, 4, 62, 0, 2),
            (Words{4, -4, 3, -3, 2, -2, 1, -1, 5, -5}));
}

TEST_F(VoiceFilterEffects, OffsetCopiesFromTheSource) {
  const Words src = fill(10, [](int i) { return 100 + i; });
  // The source is read rotated by the amount: sample 7 takes source sample 0.
  Words out = run(Words(10, 0), 0, 9, -5, 3, 1, &src);
  EXPECT_EQ(out, (Words{103, 104, 105, 106, 107, 108, 109, 100, 101, 102}));
  EXPECT_EQ(run(Words(10, 0), 0, 9, -5, 0, 1, &src), src);
  EXPECT_EQ(run(Words(10, 0), 0, 9, -5, 10, 1, &src), Words(10, 0));  // amount beyond the sound
  EXPECT_EQ(run(Words(10, 0), 0, 9, -5, 3), Words(10, 0));            // no source
  // Stereo, offset one frame: left from the next frame's left, right untouched.
  const Words st = {10, 11, 20, 21, 30, 31};
  EXPECT_EQ(run(Words(6, 0), 0, 2, -6, 1, 2, &st), (Words{20, 0, 30, 0, 10, 0}));
  EXPECT_EQ(run(Words(6, 0), 0, 2, -7, 1, 2, &st), (Words{0, 21, 0, 31, 0, 11}));
}

TEST_F(VoiceFilterEffects, WholeSoundShifts) {
  const Words r = ramp(6);  // 1..6, E = 5
  EXPECT_EQ(run(r, 0, 0, -2, 2), (Words{4, 5, 6, 4, 5, 6}));
  EXPECT_EQ(run(r, 0, 0, -1, 2), (Words{4, 5, 0, 0, 0, 0}));
  EXPECT_EQ(run(r, 0, 0, -4, 2), (Words{1, 2, 1, 2, 3, 4}));
  EXPECT_EQ(run(r, -5, 0, -3, 2), (Words{0, 0, 0, 2, 3, 4}));  // a negative start becomes 0
  EXPECT_EQ(run(r, 0, 0, -4, 6), r);                           // beyond E
  EXPECT_EQ(run(r, 0, 0, -4, -1), r);
}

TEST_F(VoiceFilterEffects, ChannelSwapsAndCopies) {
  const Words st = {1, -1, 2, -2, 3, -3};
  EXPECT_EQ(run(st, 0, 2, 147, 0, 2), (Words{-1, 1, -2, 2, -3, 3}));
  EXPECT_EQ(run(st, 1, 2, 148, 0, 2), (Words{1, -1, -2, -2, -3, -3}));
  EXPECT_EQ(run(st, 0, 0, 149, 0, 2), (Words{1, 1, 2, -2, 3, -3}));
  // On a mono sound the last pair whose partner lies past the end is skipped.
  EXPECT_EQ(run(Words{1, 2, 3}, 0, 2, 147), (Words{2, 1, 3}));
}

TEST_F(VoiceFilterEffects, ChunkShuffleSwapsChunksInPairs) {
  SeedRnd(7);
  EXPECT_EQ(run(ramp(128), 0, 127, 61), ramp(128));  // D = 127: chunk length 0
  const Words in = ramp(257);                         // D = 256: 128 chunks of 2
  const Words out = run(in, 0, 256, 61);
  EXPECT_EQ(out[256], 257);  // beyond the last chunk
  std::map<int, int> moved;  // chunk -> chunk now holding it
  for (int c = 0; c < 128; ++c) {
    ASSERT_EQ((out[2 * c] - 1) % 2, 0);
    const int from = (out[2 * c] - 1) / 2;
    EXPECT_EQ(out[2 * c + 1], in[2 * from + 1]);
    moved[from] = c;
  }
  ASSERT_EQ(moved.size(), 128u);
  for (auto [from, to] : moved) {
    EXPECT_NE(from, to);
    EXPECT_EQ(moved[to], from);  // pairs swap
  }
}

TEST_F(VoiceFilterEffects, TimeScaling) {
  const Words r = fill(10, [](int i) { return i; });
  EXPECT_EQ(run(r, 0, 9, 123), (Words{0, 2, 4, 6, 8, 0, 0, 0, 0, 0}));
  EXPECT_EQ(run(r, 0, 9, 124), (Words{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
  // Stereo keeps the channels apart: each side is halved on its own.
  const Words st = {0, 100, 1, 101, 2, 102, 3, 103};
  EXPECT_EQ(run(st, 0, 50, 123, 0, 2), (Words{0, 100, 2, 102, 0, 0, 0, 0}));
  EXPECT_EQ(run(st, 0, 50, 124, 0, 2), (Words{0, 100, 0, 100, 1, 101, 1, 101}));
  // 1.005f is just below 1.005: L = trunc(999 / 1.005f) = 994, 200 x F = 200.999999.
  const Words big = fill(1000, [](int i) { return i; });
  const Words fast = run(big, 0, 999, 121);
  EXPECT_EQ(fast[200], 200);
  EXPECT_EQ(fast[994], 998);
  for (int t = 995; t < 1000; ++t) EXPECT_EQ(fast[t], 0) << t;
  // Slowing down stretches the head over the range from the end downward.
  const Words slow = run(big, 0, 999, 126);
  EXPECT_EQ(slow[999], 951);  // L = trunc(999 / 1.05f) = 951
  EXPECT_EQ(slow[998], 951);
  for (int16_t v : slow) EXPECT_LE(v, 951);
}

TEST_F(VoiceFilterEffects, ClickRemovalDrawsALineOverTheJump) {
  const Words calm = {0, 100, 200, 2079, 2100};
  EXPECT_EQ(run(calm, 0, 4, 101), calm);  // 1879 / 32 = 58: no click
  // One jump at 3: samples 3..end become a line from 4000 to 4400.
  EXPECT_EQ(run(Words{0, 0, 0, 4000, 4500, 4100, 4900, 4400}, 0, 7, 101),
            (Words{0, 0, 0, 4000, 4100, 4200, 4300, 4400}));
  // Stereo: the jump sits in the left channel of frame 1; each channel gets its line.
  EXPECT_EQ(run(Words{0, 10, 5000, 20, 5500, 60, 6000, 40}, 0, 3, 101, 0, 2),
            (Words{0, 10, 5000, 20, 5500, 30, 6000, 40}));
}

TEST_F(VoiceFilterEffects, SmoothingAveragesBothWays) {
  EXPECT_EQ(run(Words{0, 0, 1000, 0, 0}, 0, 4, 103), (Words{0, 250, 500, 250, 0}));
  EXPECT_EQ(run(Words{0, 7, 0, 7, 1000, 7, 0, 7, 0, 7}, 0, 4, 103, 0, 2),
            (Words{0, 7, 250, 7, 500, 7, 250, 7, 0, 7}));
}

TEST_F(VoiceFilterEffects, NoiseStaysInRange) {
  SeedRnd(3);
  const Words steps = run(Words(200, 1234), 0, 199, 104);
  EXPECT_EQ(steps[0], 0);
  for (int t = 1; t < 200; ++t) {
    const int up = (steps[t - 1] + 32767) / 2, down = (steps[t - 1] - 32767) / 2;
    EXPECT_TRUE(steps[t] == up || steps[t] == down) << t;
  }
  const Words white = run(Words(500, 0), 0, 499, 105);
  EXPECT_TRUE(std::all_of(white.begin(), white.end(), [](int16_t v) { return v >= -32767; }));
  EXPECT_GT(std::count_if(white.begin(), white.end(), [&](int16_t v) { return v != white[0]; }), 0);
}

class VoiceFilterPaste : public VoiceFilterEffects {
 protected:
  Words edit(Words into, int position, int operation, const Words& clip, int channels = 1) {
    std::shared_ptr<TSound> s = sound(into, channels);
    filter.DoEditFilter(s, position, operation, sound(clip, channels));
    return values(s);
  }
  const Words clip4 = {101, 102, 103, 104};
};

TEST_F(VoiceFilterPaste, OverwriteWithAndWithoutWrap) {
  const Words z(10, 0);
  EXPECT_EQ(edit(z, 3, 9, clip4), (Words{0, 0, 0, 101, 102, 103, 104, 0, 0, 0}));
  EXPECT_EQ(edit(z, 8, 9, clip4), (Words{0, 0, 0, 0, 0, 0, 0, 0, 101, 102}));
  EXPECT_EQ(edit(z, 8, 10, clip4), (Words{103, 104, 0, 0, 0, 0, 0, 0, 101, 102}));
  EXPECT_EQ(edit(z, 9, 10, Words{1, 2}), (Words{2, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  // A position of exactly N: only the wrapping operations write, from the start.
  EXPECT_EQ(edit(z, 10, 10, clip4), (Words{101, 102, 103, 104, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(edit(z, 10, 9, clip4), z);
  // A clip longer than the sound wraps once, up to the sound's last position.
  EXPECT_EQ(edit(Words(3, 0), 2, 10, clip4), (Words{102, 103, 104}));
}

TEST_F(VoiceFilterPaste, MixRuleAndBackwardMixes) {
  EXPECT_EQ(edit(Words{1000, -1000, 0, 1000}, 0, 2, Words{3000, -3000, -5, -3001}),
            (Words{3000, -3000, -5, -1001}));
  const Words z(10, 0);
  EXPECT_EQ(edit(z, 3, 4, clip4), (Words{0, 0, 0, 104, 103, 102, 101, 0, 0, 0}));
  EXPECT_EQ(edit(z, 8, 8, clip4), (Words{102, 101, 0, 0, 0, 0, 0, 0, 104, 103}));
  EXPECT_EQ(edit(z, 8, 6, clip4), (Words{103, 104, 0, 0, 0, 0, 0, 0, 101, 102}));
  EXPECT_EQ(edit(z, 8, 2, clip4), (Words{0, 0, 0, 0, 0, 0, 0, 0, 101, 102}));
}

TEST_F(VoiceFilterPaste, AddWrapsIntoSixteenBits) {
  EXPECT_EQ(edit(Words{30000, 5}, 0, 13, Words{10000, 5}), (Words{-25536, 10}));
  EXPECT_EQ(edit(Words{1, 1, 1}, 2, 14, Words{10, 20}), (Words{21, 1, 11}));
}

TEST_F(VoiceFilterPaste, StereoClipsAndSides) {
  // A clip of 3 stereo frames at frame 2 (stored position 4) fills frames 2..4.
  Words st(12, 0);
  const Words clip = {1, -1, 2, -2, 3, -3};
  EXPECT_EQ(edit(st, 4, 9, clip, 2), (Words{0, 0, 0, 0, 1, -1, 2, -2, 3, -3, 0, 0}));
  // One side: each frame is written twice and keeps the odd position's clip sample.
  EXPECT_EQ(edit(Words(6, 0), 0, 12, clip, 2), (Words{-1, 0, -2, 0, -3, 0}));
  EXPECT_EQ(edit(Words(6, 0), 0, 11, clip, 2), (Words{0, -1, 0, -2, 0, -3}));
}

TEST_F(VoiceFilterPaste, NothingHappensForBadRequests) {
  const Words z(10, 0);
  for (int op : {1, 3, 0, -2, 5, 7, 15})
    EXPECT_EQ(edit(z, 0, op, clip4), z) << op;
  EXPECT_EQ(edit(z, -1, 9, clip4), z);
  EXPECT_EQ(edit(z, 11, 10, clip4), z);
  std::shared_ptr<TSound> s = sound(z);
  EXPECT_EQ(filter.DoEditFilter(s, 0, 9, nullptr), 0);
  EXPECT_EQ(filter.DoEditFilter(nullptr, 0, 9, s), 0);
  EXPECT_EQ(values(s), z);
}

}  // namespace
