// Wave operations of HarmonicEffect on a sample cut into 32 waves of 4 values, the
// whole-sample squeeze and stretch, the harmonics pass-through and the mode-1 step
// tables.
#include <vector>

#include "voice/banktest.h"
#include "voice/voiceglobals.h"

namespace {

using Words = std::vector<int16_t>;

class HarmonicEffectsBank : public BankTest {
 protected:
  // Wave t of 4 values holds 100 x (t + 1) + j; table amount 1 gives 32 waves.
  void wavetable(int v, int s) {
    ASSERT_EQ(put(v, s, fill(128, [](int i) { return 100 * (i / 4 + 1) + i % 4; })), 1);
    bank->SetHarmonic(v, s, 0, 0, 16, 1.0f);
    voice(v, s).SampleModified = 0;
  }
  Words wave(int v, int s, int t) {
    const Words x = values(voice(v, s).Sound);
    return Words(x.begin() + 4 * t, x.begin() + 4 * t + 4);
  }
  static Words of(int t) { return {static_cast<int16_t>(100 * (t + 1)), static_cast<int16_t>(100 * (t + 1) + 1),
                                   static_cast<int16_t>(100 * (t + 1) + 2), static_cast<int16_t>(100 * (t + 1) + 3)}; }
};

TEST_F(HarmonicEffectsBank, CopyFadeAndAverage) {
  wavetable(1, 1);
  bank->HarmonicEffect(1, 1, 1, 3, 0, 7);  // every wave of 0..7 a copy of wave 2
  for (int t = 0; t <= 7; ++t) EXPECT_EQ(wave(1, 1, t), of(2)) << t;
  EXPECT_EQ(wave(1, 1, 8), of(8));
  EXPECT_EQ(voice(1, 1).SampleModified, 1);

  wavetable(1, 2);
  bank->HarmonicEffect(1, 2, 4, 0, 5, 3);  // from and to swapped
  EXPECT_EQ(wave(1, 2, 3), Words(4, 0));
  EXPECT_EQ(wave(1, 2, 4), (Words{300, 300, 301, 301}));  // half of wave 5 (600..603), truncated
  EXPECT_EQ(wave(1, 2, 5), of(5));

  wavetable(1, 3);
  bank->HarmonicEffect(1, 3, 11, 0, 2, 4);
  EXPECT_EQ(wave(1, 3, 2), (Words{350, 351, 352, 353}));
  EXPECT_EQ(wave(1, 3, 3), (Words{450, 451, 452, 453}));
  EXPECT_EQ(wave(1, 3, 4), of(4));

  wavetable(1, 4);
  bank->HarmonicEffect(1, 4, 2, 0, 0, 2);  // interpolate: wave 1 halfway between 0 and 2
  EXPECT_EQ(wave(1, 4, 1), of(1));
  bank->HarmonicEffect(1, 4, 12, 0, 6, 6);  // one wave alone: x 0.6
  EXPECT_EQ(wave(1, 4, 6), (Words{420, 420, 421, 421}));
}

// Over several waves, so that every weight of the blend, the fade and the smoothing
// shows in a value.
TEST_F(HarmonicEffectsBank, BlendFadeOutAndSmoothOverSeveralWaves) {
  wavetable(1, 1);
  bank->HarmonicEffect(1, 1, 3, 0, 0, 4);  // wave k: (4 - k) / 4 of itself, k / 4 of wave 4
  EXPECT_EQ(wave(1, 1, 0), of(0));
  EXPECT_EQ(wave(1, 1, 1), (Words{275, 276, 277, 278}));
  EXPECT_EQ(wave(1, 1, 2), (Words{400, 401, 402, 403}));
  EXPECT_EQ(wave(1, 1, 3), (Words{475, 476, 477, 478}));
  EXPECT_EQ(wave(1, 1, 4), of(4));

  wavetable(1, 2);
  bank->HarmonicEffect(1, 2, 5, 0, 1, 4);  // wave 1 + k: (3 - k) / 3 of wave 1
  EXPECT_EQ(wave(1, 2, 1), of(1));
  EXPECT_EQ(wave(1, 2, 2), (Words{133, 134, 134, 135}));
  EXPECT_EQ(wave(1, 2, 3), (Words{66, 67, 67, 67}));
  EXPECT_EQ(wave(1, 2, 4), Words(4, 0));
  EXPECT_EQ(wave(1, 2, 5), of(5));

  wavetable(1, 3);
  bank->HarmonicEffect(1, 3, 12, 0, 2, 6);  // 0.6 itself, 0.3 and 0.1 of the neighbours inside
  const std::vector<int> first{350, 540, 700, 760, 650};
  for (int t = 2; t <= 6; ++t) EXPECT_EQ(wave(1, 3, t)[0], first[static_cast<size_t>(t - 2)]) << t;
  EXPECT_EQ(wave(1, 3, 1), of(1));
  EXPECT_EQ(wave(1, 3, 7), of(7));
}

TEST_F(HarmonicEffectsBank, RefusedRangesLeaveTheFlag) {
  wavetable(1, 1);
  const Words before = values(voice(1, 1).Sound);
  for (int effect : {2, 3, 4, 5}) bank->HarmonicEffect(1, 1, effect, 0, 3, 4);
  bank->HarmonicEffect(1, 1, 1, 1, -1, 4);
  bank->HarmonicEffect(1, 1, 6, 0, 0, 40);   // past the last wave
  bank->HarmonicEffect(1, 1, 1, 40, 0, 4);   // source past the last wave
  EXPECT_EQ(values(voice(1, 1).Sound), before);
  EXPECT_EQ(voice(1, 1).SampleModified, 0);
  EXPECT_EQ(bank->GetHarmonic(9, 9, 0, 0, 16), 0.0f);
  EXPECT_EQ(bank->SlotVoice(9, 9), nullptr);
}

TEST_F(HarmonicEffectsBank, TaperSqueezeAndStretch) {
  // 32 waves of 64 values: the taper covers 20 values at each end (64 / 6 raised to 20).
  ASSERT_EQ(put(1, 1, Words(2048, 1000)), 1);
  bank->SetHarmonic(1, 1, 0, 0, 16, 1.0f);
  bank->HarmonicEffect(1, 1, 6, 0, 0, 0);
  const Words x = values(voice(1, 1).Sound);
  EXPECT_EQ(x[0], 0);
  EXPECT_EQ(x[10], 500);
  EXPECT_EQ(x[20], 1000);
  EXPECT_EQ(x[63], 0);
  EXPECT_EQ(x[53], 500);
  EXPECT_EQ(x[64], 1000);  // wave 1 untouched

  // Squeeze by 10 on 1000 values: 990 takes the old 999, 991..999 fall silent.
  ASSERT_EQ(put(1, 2, fill(1000, [](int i) { return i + 1; })), 1);
  bank->HarmonicEffect(1, 2, 9, 0, -1, -1);
  const Words y = values(voice(1, 2).Sound);
  EXPECT_EQ(y[0], 1);
  EXPECT_EQ(y[990], 1000);
  for (int i = 991; i < 1000; ++i) EXPECT_EQ(y[i], 0) << i;
  // Stretch by 100: the last value comes from trunc(999 x 0.9) = 899.
  ASSERT_EQ(put(1, 3, fill(1000, [](int i) { return i + 1; })), 1);
  bank->HarmonicEffect(1, 3, 8, 0, -1, -1);
  EXPECT_EQ(values(voice(1, 3).Sound)[999], 900);
  EXPECT_EQ(values(voice(1, 3).Sound)[0], 1);
  // Too short a sample to squeeze is left alone.
  ASSERT_EQ(put(1, 4, fill(50, [](int i) { return i; })), 1);
  bank->HarmonicEffect(1, 4, 7, 0, -1, -1);
  EXPECT_EQ(values(voice(1, 4).Sound), fill(50, [](int i) { return i; }));
}

TEST_F(HarmonicEffectsBank, CurrentTableDrivesWavetableStepZero) {
  wavetable(1, 1);
  bank->SetHarmonic(1, 1, 0, 0, 13, 5.0f);
  EXPECT_EQ(voice(1, 1).Sound->WaveTable(0), 4);
}

TEST_F(HarmonicEffectsBank, ModeOneStepTables) {
  ASSERT_EQ(put(1, 1, Words(256, 0)), 1);
  voice(1, 1).VoiceTable = 2021;
  bank->Mode1Conform(1, 1);
  for (int step : {0, 63}) EXPECT_EQ(bank->GetMode1(1, 1, 1, step), step);
  for (int step : {64, 127}) EXPECT_EQ(bank->GetMode1(1, 1, 1, step), 63);
  EXPECT_EQ(Mode1Envelopes[100], 63);
  bank->SetMode1(1, 1, 1, 5, 200);
  EXPECT_EQ(bank->GetMode1(1, 1, 1, 5), 63);
  bank->SetMode1(1, 1, 2, 5, 200);
  EXPECT_EQ(bank->GetMode1(1, 1, 2, 5), 200);
  bank->SetMode1(1, 1, 1, 5, -3);
  bank->SetMode1(1, 1, 2, 5, 0);
  EXPECT_EQ(bank->GetMode1(1, 1, 1, 5), 63);
  EXPECT_EQ(bank->GetMode1(1, 1, 2, 5), 200);
  EXPECT_EQ(bank->GetMode1(1, 1, 3, 5), 0);
  EXPECT_EQ(bank->GetMode1(2, 2, 1, 5), 0);
  EXPECT_EQ(bank->GetMode1Tables(2, 2), 127);
  EXPECT_EQ(bank->GetMode1Tables(1, 1), 63);
  voice(1, 1).VoiceTable = 7;
  bank->Mode1Conform(1, 1);
  EXPECT_EQ(bank->GetMode1(1, 1, 1, 40), 31);
  EXPECT_EQ(bank->GetMode1(1, 1, 1, 20), 20);
}

}  // namespace
