// Harmonic tables (range checks of every parameter, bulk level operations, reset), the
// four source waveforms and the mid-point warp, and the harmonic edit menu's content.
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

TEST_F(HarmonicSourceWaves, SourcePointsInSinglePrecision) {
  EXPECT_FLOAT_EQ(source.Source[0][500], 32767.0f);
  EXPECT_FLOAT_EQ(source.Source[0][1500], -32767.0f);
  EXPECT_NEAR(source.Source[0][250], 23169.77f, 0.01f);
  EXPECT_NEAR(source.Source[0][2000], 0.0082f, 0.0005f);  // 0.18 as a float is not exact
  EXPECT_NEAR(source.Source[0][1000], -0.0041f, 0.0005f);
  EXPECT_FLOAT_EQ(source.Source[1][999], 32767.0f);
  EXPECT_FLOAT_EQ(source.Source[1][1000], -32767.0f);
  EXPECT_NEAR(source.Source[2][500], 32150.156f, 0.01f);
  EXPECT_NEAR(source.Source[2][1501], -32214.457f, 0.01f);
  EXPECT_NEAR(source.Source[2][2000], -128.6f, 0.05f);
  EXPECT_NEAR(source.Source[3][1014], 32752.525f, 0.01f);
  EXPECT_FLOAT_EQ(source.Source[3][1015], -32767.0f);
  EXPECT_NEAR(source.Source[3][2000], -951.17f, 0.05f);
}

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

TEST_F(HarmonicSourceWaves, ARepeatedWarpIsSkippedAndAnotherWaveRedoesIt) {
  source.FillSource(0.4f, 0);
  source.CurrentSource[10] = 12345.0f;
  source.FillSource(0.4f, 0);
  EXPECT_EQ(source.CurrentSource[10], 12345.0f);
  source.FillSource(0.4f, 1);
  EXPECT_EQ(source.CurrentSource[10], 32767.0f);
  EXPECT_EQ(source.CurrentWave, 1);
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

TEST_F(HarmonicSourceWaves, SourcePanel) {
  TRecordingBackend recorder;
  SetDrawBackend(&recorder);
  for (int wave : {1, 4, 5}) {
    recorder.Clear();
    source.DrawSource(10, 20, 102, 100, 0.005f, wave);  // below 0.01: the empty panel only
    EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Rect).size(), 1u);
    EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Text).empty());
  }
  recorder.Clear();
  source.DrawSource(10, 20, 102, 100, 0.5f, 1);
  const auto lines = recorder.CallsOf(TDrawCallKind::Line);
  ASSERT_EQ(lines.size(), 4u + 99u);  // the frame, then columns 1..99 (column 100 reaches 2000)
  // The square's top half-cycle sits above the centre (y 70) at scale 48 / 32768.
  const TDrawCall& firstStep = lines[4];
  EXPECT_FLOAT_EQ(firstStep.args[0], 10.0f);
  EXPECT_FLOAT_EQ(firstStep.args[1], 22.0f);
  EXPECT_FLOAT_EQ(lines.back().args[3], 117.0f);  // the bottom half-cycle below it
  EXPECT_EQ(firstStep.state.red, 170);
  recorder.Clear();
  source.DrawSource(10, 20, 102, 100, 0.5f, 5);
  const auto texts = recorder.CallsOf(TDrawCallKind::Text);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "Each harmonic is a subvoice");
  EXPECT_EQ(texts[3].text, "  Harmonic 2 = subvoice 2, etc");
  SetDrawBackend(nullptr);
  ResetDrawState();
}

TEST(HarmonicEditMenu, CategoriesAndOperations) {
  THarmonicEditList menu;
  menu.Init();
  menu.Init();  // read again from the first row: the same content
  const char* names[] = {"Edit", "Reset", "Tuning", "Direction", "Gain", "Mark Wavetable", "Mark Operations"};
  EXPECT_EQ(menu.CoreEffectCount, 6);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(menu.CoreEffect[c], names[c]);
  const int counts[] = {11, 4, 4, 3, 4, 7, 15};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(menu.CoreSubCount[c], counts[c]) << c;
  EXPECT_EQ(menu.CoreSelected, 0);

  menu.MouseDownBrowse(3 * 20 + 5);
  menu.MouseDownPick(1 * 20);
  EXPECT_EQ(menu.GetEffect(), 21);
  EXPECT_EQ(menu.GetEffectName(), "Invert All Harmonics");

  for (int category : {0, 5, 6}) {
    menu.MouseDownBrowse(category * 20);
    const int row = category == 0 ? 5 : 0;
    ASSERT_EQ(menu.MouseDownPick(row * 20), 1);
    EXPECT_EQ(menu.GetEffect(), 41) << category;
    EXPECT_EQ(menu.GetEffectName(), "Mark/Unmark (A)");
  }
  EXPECT_TRUE(menu.CoreEffect[7].empty());
}

}  // namespace
