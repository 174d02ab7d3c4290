// Wavetable calculation on known waves: one cycle of the sine source, two square
// harmonics scaled down, the clipping modes on mixed sub-voices, the table layout in
// mono and stereo samples, mixing a following sub-voice at double speed, and the
// overview refresh.
#include <cmath>
#include <vector>

#include "banktest.h"
#include "voice/harmonics.h"
#include "voice/harmonicsource.h"

namespace {

class WavetableCalc : public BankTest {
 protected:
  std::vector<int16_t> valuesOf(int v, int s) { return values(voice(v, s).Sound); }
  void level(int v, int s, int table, int harmonic, float value) {
    voice(v, s).SetHarmonic(table, harmonic, kHarmLevel, value);
  }
};

TEST_F(WavetableCalc, OneSineHarmonicIsOneCycleOfTheSource) {
  ASSERT_EQ(put(1, 1, fill(4096, [](int) { return 777; })), 1);
  level(1, 1, 2, 0, 1.0f);
  bank->CalculateTable(1, 1, 1, 2);  // 32 tables of 128 values
  const auto out = valuesOf(1, 1);
  THarmonicSource sine;
  sine.Init();
  float phase = 0.0f;
  for (int k = 0; k < 128; ++k) {
    ASSERT_EQ(out[128 + k], static_cast<int16_t>(std::trunc(sine.Source[0][static_cast<int>(phase)]))) << k;
    phase += 2000.0f / 128.0f;
  }
  EXPECT_EQ(out[128 + 32], 32767);  // a quarter cycle in: the peak, left unscaled
  EXPECT_EQ(out[127], 777);
  EXPECT_EQ(out[256], 777);
}

TEST_F(WavetableCalc, TwoSquareHarmonicsAreHalved) {
  ASSERT_EQ(put(1, 1, fill(32 * 100, [](int) { return 0; })), 1);
  voice(1, 1).SetHarmonic(1, 0, kHarmWaveform, 1.0f);
  level(1, 1, 1, 0, 1.0f);
  level(1, 1, 1, 1, 1.0f);
  bank->CalculateTable(1, 1, 1, 1);
  const auto out = valuesOf(1, 1);
  EXPECT_EQ(out[0], 32767);  // 65534 scaled by 2
  int ups = 0;
  for (int k = 0; k < 100; ++k) {
    ASSERT_TRUE(out[k] == 32767 || out[k] == 0 || out[k] == -32767) << k << " " << out[k];
    ups += out[k] == 32767;
  }
  EXPECT_EQ(ups, 25);  // both harmonics positive over the first quarter only
}

TEST_F(WavetableCalc, ClippingModesOnMixedSubVoices) {
  const auto twoValues = [](int plus) {
    return fill(64, [plus](int i) { return i % 2 == 0 ? plus : -plus; });
  };
  ASSERT_EQ(put(1, 1, fill(64, [](int) { return 5000; })), 1);
  ASSERT_EQ(put(1, 0, fill(64, [](int) { return 7777; })), 1);
  ASSERT_EQ(put(1, 2, twoValues(20000)), 1);
  ASSERT_EQ(put(1, 3, twoValues(20000)), 1);
  voice(1, 1).SetHarmonic(1, 0, kHarmWaveform, 5.0f);
  for (int h = 0; h < 3; ++h) level(1, 1, 1, h, 1.0f);  // level 0 would weight the target itself
  voice(1, 1).SetHarmonic(0, 0, kHarmClipping, 2.0f);
  bank->CalculateTable(1, 1, 1, 1);  // n = 2
  auto out = valuesOf(1, 1);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(out[1], -32767);
  EXPECT_EQ(out[2], 5000);

  voice(1, 1).SetHarmonic(0, 0, kHarmClipping, 3.0f);
  bank->CalculateTable(1, 1, 1, 1);
  out = valuesOf(1, 1);
  EXPECT_EQ(out[0], -25536);
  EXPECT_EQ(out[1], 25536);
}

TEST_F(WavetableCalc, TablesLieBackToBackInMonoAndStereo) {
  ASSERT_EQ(put(1, 1, fill(10000, [](int) { return 1234; })), 1);
  level(1, 1, 32, 0, 1.0f);
  level(1, 1, 2, 0, 1.0f);
  bank->CalculateTable(1, 1, 1, 32);
  bank->CalculateTable(1, 1, 1, 2);
  auto out = valuesOf(1, 1);
  EXPECT_EQ(out[311], 1234);
  EXPECT_EQ(out[312], 0);  // table 2 starts at 312 with phase 0
  EXPECT_NE(out[312 + 78], 1234);
  EXPECT_EQ(out[624], 1234);
  for (int i = 9984; i < 10000; ++i) ASSERT_EQ(out[i], 1234) << i;  // in no table
  EXPECT_EQ(out[31 * 312], 0);

  ASSERT_EQ(put(1, 2, fill(20000, [](int) { return 1234; }), 2), 1);
  level(1, 2, 2, 0, 1.0f);
  bank->CalculateTable(1, 2, 1, 2);  // 625 interleaved values a table
  out = valuesOf(1, 2);
  EXPECT_EQ(out[624], 1234);
  EXPECT_EQ(out[625], 0);
  EXPECT_EQ(out[1250], 1234);

  bank->CalculateTable(1, 2, 1, 33);  // beyond the table count: nothing is written
  bank->CalculateTable(1, 2, 1, 0);
  EXPECT_EQ(values(voice(1, 2).Sound), out);
  bank->CalculateTable(5, 5, 1, 1);  // an empty slot
}

TEST_F(WavetableCalc, FollowingSubVoiceAtDoubleSpeed) {
  ASSERT_EQ(put(1, 1, fill(64, [](int) { return 0; })), 1);
  ASSERT_EQ(put(1, 2, fill(70, [](int i) { return 100 * i; })), 1);
  voice(1, 1).SetHarmonic(2, 0, kHarmWaveform, 4.0f);
  level(1, 1, 2, 1, 1.0f);  // level 1: sub-voice 2 at speed 2
  bank->CalculateTable(1, 1, 1, 2);  // n = 2, values 2 and 3
  auto out = valuesOf(1, 1);
  EXPECT_EQ(out[2], 400);
  EXPECT_EQ(out[3], 600);

  level(1, 1, 20, 1, 1.0f);
  voice(1, 1).SetHarmonic(20, 0, kHarmWaveform, 4.0f);
  bank->CalculateTable(1, 1, 1, 20);  // values 38, 39 read 76 and 78, past the source's 70
  out = valuesOf(1, 1);
  EXPECT_EQ(out[38], 0);
  EXPECT_EQ(out[39], 0);
}

TEST_F(WavetableCalc, AFreshHarmonicSetGivesASilentTable) {
  ASSERT_EQ(put(1, 4, fill(256, [](int i) { return i + 1; })), 1);
  EXPECT_FALSE(voice(1, 4).Harmonics);
  bank->CalculateTable(1, 4, 1, 3);
  ASSERT_TRUE(voice(1, 4).Harmonics);
  const auto out = valuesOf(1, 4);
  for (int i = 16; i < 24; ++i) ASSERT_EQ(out[i], 0) << i;
  EXPECT_EQ(out[15], 16);
  EXPECT_EQ(out[24], 25);
}

TEST_F(WavetableCalc, ReFillDataRebuildsTheOverviewFromTheSound) {
  ASSERT_EQ(put(1, 1, fill(512, [](int) { return 0; })), 1);
  voice(1, 1).Sound->GetAudioSample()[0] = -16384;
  EXPECT_FLOAT_EQ(voice(1, 1).data[0], 0.0f);
  bank->ReFillData(1, 1);
  EXPECT_NEAR(voice(1, 1).data[0], 16384.0f / 32767.0f, 1e-6);
  EXPECT_EQ(voice(1, 1).SamplePtr, voice(1, 1).Sound->GetAudioSample());
  EXPECT_EQ(bank->ReFillData(9, 9), 0);
}

}  // namespace
