// Harmonic tables (range checks of every parameter, bulk level operations, reset) and
// the mid-point warp of the source waveforms.
#include <gtest/gtest.h>

#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/recordingbackend.h"
#include "voice/harmoniceditlist.h"
#include "voice/harmonics.h"
#include "voice/harmonicsource.h"

namespace {

class HarmonicTables : public ::testing::Test {
 protected:
  void SetUp() override { set.Init(); }
  TAllHarmonics set;
};

TEST_F(HarmonicTables, LevelsAreKeptWithinZeroToOne) {
  set.SetValue(5, 3, kHarmLevel, 0.25f);
  set.SetValue(5, 3, kHarmLevel, 1.5f);
  set.SetValue(5, 3, kHarmLevel, -0.1f);
  EXPECT_FLOAT_EQ(set.GetValue(5, 3, kHarmLevel), 0.25f);
  set.SetValue(5, 3, kHarmLevel, 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(5, 3, kHarmLevel), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(6, 3, kHarmLevel), 0.0f);  // other tables untouched
}

TEST_F(HarmonicTables, TableAmountAndCurrentTableTruncateAndLower) {
  set.SetValue(0, 0, kHarmTableAmount, 3.9f);
  EXPECT_EQ(set.TableAmount, 3);
  set.SetValue(0, 0, kHarmTableAmount, 4.5f);
  EXPECT_EQ(set.TableAmount, 3);

  set.SetValue(0, 0, kHarmCurrentTable, 200.0f);
  EXPECT_EQ(set.CurrentTable, 128);
  set.SetValue(0, 0, kHarmCurrentTable, 300.0f);
  EXPECT_EQ(set.CurrentTable, 128);
  set.SetValue(0, 0, kHarmCurrentTable, 0.5f);
  EXPECT_EQ(set.CurrentTable, 0);
  EXPECT_FLOAT_EQ(set.GetValue(0, 0, kHarmCurrentTable), 1.0f);
  EXPECT_EQ(set.CurrentTable, 1);

  set.SetValue(0, 0, kHarmTableAmount, 1.0f);  // 32 tables
  set.SetValue(0, 0, kHarmCurrentTable, 100.0f);
  EXPECT_EQ(set.CurrentTable, 32);
}

TEST_F(HarmonicTables, SharedSettingsAreGuardedByTheHarmonicCheckToo) {
  set.SetValue(0, 0, kHarmCurrentHarmonic, 48.0f);
  EXPECT_EQ(set.CurrentHarmonic, 48);
  set.SetValue(0, 0, kHarmCurrentHarmonic, 49.0f);
  EXPECT_EQ(set.CurrentHarmonic, 48);

  set.SetValue(0, 48, kHarmTableAmount, 2.0f);
  EXPECT_EQ(set.TableAmount, 3);
  EXPECT_FLOAT_EQ(set.GetValue(0, 48, kHarmTableAmount), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(257, 0, kHarmLevel), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(-1, 0, kHarmTableAmount), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(1, 0, 9), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(0, 0, kHarmClipping), 1.0f);
  set.SetValue(0, 0, kHarmClipping, 3.0f);
  set.SetValue(0, 0, kHarmClipping, 0.0f);
  EXPECT_EQ(set.Clipping, 3);
}

TEST_F(HarmonicTables, TableZeroHasNoPerTableValues) {
  set.SetValue(0, 2, kHarmLevel, 0.5f);
  EXPECT_FLOAT_EQ(set.GetValue(0, 2, kHarmLevel), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(0, 2, kHarmWaveform), 1.0f);
  set.DoFilter(0, 2, kHarmInvertAll);  // nothing to crash on
}

TEST_F(HarmonicTables, TypeWaveformAndMidPointRanges) {
  set.SetValue(7, 0, kHarmType, 2.7f);
  set.SetValue(7, 0, kHarmType, 3.5f);
  set.SetValue(7, 0, kHarmWaveform, 5.0f);
  set.SetValue(7, 0, kHarmWaveform, 6.0f);
  set.SetValue(7, 0, kHarmMidPoint, 0.3f);
  set.SetValue(7, 0, kHarmMidPoint, 1.01f);
  EXPECT_FLOAT_EQ(set.GetValue(7, 0, kHarmType), 2.0f);
  EXPECT_FLOAT_EQ(set.GetValue(7, 0, kHarmWaveform), 5.0f);
  EXPECT_FLOAT_EQ(set.GetValue(7, 0, kHarmMidPoint), 0.3f);
}

TEST_F(HarmonicTables, InvertAndZeroOperations) {
  set.SetValue(3, 5, kHarmLevel, 0.3f);
  set.DoFilter(3, 5, kHarmInvertOne);
  EXPECT_NEAR(set.GetValue(3, 5, kHarmLevel), 0.7f, 1e-6);
  set.DoFilter(3, 5, kHarmInvertOne);
  EXPECT_NEAR(set.GetValue(3, 5, kHarmLevel), 0.3f, 1e-6);
  set.DoFilter(3, 48, kHarmInvertOne);
  EXPECT_NEAR(set.GetValue(3, 5, kHarmLevel), 0.3f, 1e-6);

  set.DoFilter(3, 0, kHarmInvertAll);  // all levels of table 3 become 1 - level
  EXPECT_FLOAT_EQ(set.GetValue(3, 47, kHarmLevel), 1.0f);
  set.DoFilter(3, 48, kHarmZeroAll);  // the set hands the table harmonic 0
  for (int h = 0; h < kHarmonicCount; ++h) EXPECT_FLOAT_EQ(set.GetValue(3, h, kHarmLevel), 0.0f);
  set.DoFilter(3, 0, kHarmInvertAll);
  set.DoFilter(3, 5, kHarmZeroAll);
  for (int h = 0; h < kHarmonicCount; ++h) EXPECT_FLOAT_EQ(set.GetValue(3, h, kHarmLevel), 0.0f);
  set.Table(3)->DoFilter(kHarmZeroAll, 48);  // the table itself checks the harmonic first
  set.Table(3)->values[0] = 0.5f;
  set.Table(3)->DoFilter(kHarmZeroAll, 48);
  EXPECT_FLOAT_EQ(set.GetValue(3, 0, kHarmLevel), 0.5f);

  set.SetValue(3, 9, kHarmLevel, 0.8f);
  set.DoFilter(3, 9, kHarmZeroOne);
  EXPECT_FLOAT_EQ(set.GetValue(3, 9, kHarmLevel), 0.0f);
  set.DoFilter(257, 9, kHarmInvertOne);
}

TEST_F(HarmonicTables, ResetRestoresTablesButKeepsSharedSettings) {
  set.SetValue(0, 0, kHarmTableAmount, 4.0f);
  set.SetValue(0, 0, kHarmClipping, 2.0f);
  set.SetValue(0, 0, kHarmCurrentTable, 200.0f);
  set.SetValue(0, 0, kHarmCurrentHarmonic, 7.0f);
  set.SetValue(256, 47, kHarmLevel, 0.9f);
  set.SetValue(256, 0, kHarmWaveform, 3.0f);
  set.SetValue(256, 0, kHarmType, 3.0f);
  set.SetValue(1, 0, kHarmMidPoint, 0.1f);
  set.Reset();
  EXPECT_FLOAT_EQ(set.GetValue(256, 47, kHarmLevel), 0.0f);
  EXPECT_FLOAT_EQ(set.GetValue(256, 0, kHarmWaveform), 0.0f);
  EXPECT_FLOAT_EQ(set.GetValue(256, 0, kHarmType), 1.0f);
  EXPECT_FLOAT_EQ(set.GetValue(1, 0, kHarmMidPoint), 0.5f);
  EXPECT_EQ(set.TableAmount, 4);
  EXPECT_EQ(set.Clipping, 2);
  EXPECT_EQ(set.CurrentTable, 200);
  EXPECT_EQ(set.CurrentHarmonic, 7);
}

class HarmonicSourceWaves : public ::testing::Test {
 protected:
  void SetUp() override { source.Init(); }
  THarmonicSource source;
};

TEST_F(HarmonicSourceWaves, MidPointWarp) {
  source.FillSource(0.5f, 2);
  for (int k = 0; k < kWarpPoints; ++k) ASSERT_EQ(source.CurrentSource[k], source.Source[2][k]) << k;

  source.FillSource(0.25f, 3);
  for (int k = 0; k <= 500; ++k) ASSERT_EQ(source.CurrentSource[k], source.Source[3][2 * k]) << k;
  EXPECT_EQ(source.CurrentSource[501], source.Source[3][1000]);
  EXPECT_EQ(source.CurrentSource[1999], source.Source[3][1999]);

  source.FillSource(0.15f, 1);  // the single-precision step falls one short of point 1000
  EXPECT_EQ(source.CurrentSource[300], source.Source[1][999]);
}

TEST_F(HarmonicSourceWaves, SplitAtEitherEndStaysInsideTheCopy) {
  source.FillSource(0.0f, 3);
  EXPECT_EQ(source.CurrentSource[0], source.Source[3][0]);
  EXPECT_EQ(source.CurrentSource[1999], source.Source[3][1999]);
  source.FillSource(1.0f, 1);
  EXPECT_EQ(source.CurrentSource[999], 32767.0f);
  EXPECT_EQ(source.CurrentSource[1999], 32767.0f);  // only the first half-cycle remains
}

TEST(HarmonicSourceFill, AWarpBeforeInitFillsTheSourcesFirst) {
  THarmonicSource fresh;
  fresh.FillSource(0.5f, 1);
  EXPECT_EQ(fresh.CurrentSource[0], 32767.0f);
  EXPECT_EQ(fresh.CurrentSource[1500], -32767.0f);
}

}  // namespace
