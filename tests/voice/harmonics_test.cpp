// Harmonic tables (range checks of every parameter, bulk level operations, reset), the
// source waveforms and their mid-point warp, the source panel and the edit menu.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "banktest.h"
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

TEST_F(HarmonicSourceWaves, TheFourSourcesAtTheirTellingPoints) {
  struct Point {
    int wave, point;
    double value;
  };
  const std::vector<Point> points{
      {0, 250, 23169.77},  {0, 500, 32767.0},    {0, 1000, -0.0041},   {0, 1500, -32767.0}, {0, 2000, 0.0082},
      {1, 0, 32767.0},     {1, 999, 32767.0},    {1, 1000, -32767.0},  {1, 2000, -32767.0},
      {2, 0, 0.0},         {2, 1, 64.3},         {2, 500, 32150.156},  {2, 1501, -32214.457}, {2, 2000, -128.6},
      {3, 0, 0.0},         {3, 1, 32.3},         {3, 1014, 32752.525}, {3, 1015, -32767.0},  {3, 2000, -951.17}};
  for (const Point& p : points)
    EXPECT_NEAR(source.Source[p.wave][p.point], p.value, 0.01) << p.wave << " at " << p.point;
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

TEST_F(HarmonicSourceWaves, SplitAtEitherEndStaysInsideTheCopy) {
  source.FillSource(0.0f, 3);
  EXPECT_EQ(source.CurrentSource[0], source.Source[3][0]);
  EXPECT_EQ(source.CurrentSource[1999], source.Source[3][1999]);
  source.FillSource(1.0f, 1);
  EXPECT_EQ(source.CurrentSource[999], 32767.0f);
  EXPECT_EQ(source.CurrentSource[1999], 32767.0f);  // only the first half-cycle remains
}

class HarmonicPanels : public BankTest {};

// The source panel as the editor shows it: the warped waveform in its own green, or two
// lines of explanation for the sub-voice modes.
TEST_F(HarmonicPanels, SourcePanelDrawsTheWarpedWaveOrTheExplanation) {
  recordDrawing();
  HarmonicSource->DrawSource(10, 20, 202, 100, 0.005f, 5);  // too small a mid point: empty panel
  ASSERT_EQ(rects().size(), 1u);
  EXPECT_TRUE(colour(rects()[0], 0, 70, 0));
  EXPECT_EQ(rects()[0].state.alpha, 0.4f);
  EXPECT_TRUE(texts().empty());
  EXPECT_TRUE(linesIn(170, 220, 0).empty());

  // A square warped to a quarter: high for the first 50 columns, low after them.
  recorder.Clear();
  HarmonicSource->DrawSource(10, 20, 202, 100, 0.25f, 1);
  const auto wave = linesIn(170, 220, 0);
  ASSERT_EQ(wave.size(), 199u);  // columns whose point stays below 2000
  EXPECT_EQ(wave.front().args[1], 22.0f);  // centre 70 less 48 pixels of full scale
  EXPECT_EQ(wave[48].args[3], 22.0f);
  EXPECT_EQ(wave[49].args[3], 117.0f);
  EXPECT_EQ(wave.back().args[2], 10.0f + 199.0f);
  EXPECT_EQ(wave.back().args[3], 117.0f);

  recorder.Clear();
  HarmonicSource->DrawSource(10, 20, 202, 100, 0.5f, 5);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Each harmonic is a subvoice", "Example:", "  Harmonic 1 = subvoice 1",
                                                "  Harmonic 2 = subvoice 2, etc"}));
  EXPECT_EQ(textCall("Example:")->args, (std::vector<float>{20.0f, 46.0f}));
  for (int mode : {4, 9}) {
    recorder.Clear();
    HarmonicSource->DrawSource(10, 20, 202, 100, 0.5f, mode);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Every 8 harmonics is the next subvoice", "Example:",
                                                  "  Harmonic 1-8 = subvoice +1", "  Harmonic 9-16 = subvoice +2, etc"}));
    EXPECT_EQ(textCall("  Harmonic 9-16 = subvoice +2, etc")->args[1], 78.0f);
  }
}

// The harmonic edit menu: seven categories in the browse pane, each with its operations.
TEST_F(HarmonicPanels, EditMenuOffersSevenCategories) {
  THarmonicEditList menu;
  menu.Init();
  EXPECT_EQ(menu.CoreEffectCount, 6);
  EXPECT_EQ(menu.CoreSelected, 0);
  const std::vector<int> counts{11, 4, 4, 3, 4, 7, 15};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(menu.CoreSubCount[c], counts[static_cast<size_t>(c)]) << c;
  EXPECT_EQ(menu.CoreSubCount[7], 0);
  recordDrawing();
  menu.DrawBrowse(0, 0, 200, 160, 0);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Edit", "Reset", "Tuning", "Direction", "Gain", "Mark Wavetable",
                                                "Mark Operations"}));
  // "Invert All Harmonics" is the second item of "Direction".
  EXPECT_EQ(menu.MouseDownBrowse(3 * 20 + 5), 1);
  EXPECT_EQ(menu.MouseDownPick(1 * 20 + 5), 1);
  EXPECT_EQ(menu.GetEffect(), 21);
  EXPECT_EQ(menu.GetEffectName(), "Invert All Harmonics");
  // The mark item answers 41 in each of its three categories.
  for (const auto& [category, row] : std::vector<std::pair<int, int>>{{0, 5}, {5, 0}, {6, 0}}) {
    menu.MouseDownBrowse(category * 20);
    ASSERT_EQ(menu.MouseDownPick(row * 20), 1) << category;
    EXPECT_EQ(menu.GetEffectName(), "Mark/Unmark (A)") << category;
    EXPECT_EQ(menu.GetEffect(), 41) << category;
  }
  menu.MouseDownBrowse(6 * 20);
  menu.MouseDownPick(14 * 20);
  EXPECT_EQ(menu.GetEffect(), 56);
  menu.Init();  // again: the same content
  EXPECT_EQ(menu.CoreSubCount[6], 15);
  EXPECT_EQ(menu.CoreSubEffect[6][14], "PPG Mix & Fade (A to B)");
}

TEST(HarmonicSourceFill, AWarpBeforeInitFillsTheSourcesFirst) {
  THarmonicSource fresh;
  fresh.FillSource(0.5f, 1);
  EXPECT_EQ(fresh.CurrentSource[0], 32767.0f);
  EXPECT_EQ(fresh.CurrentSource[1500], -32767.0f);
}

}  // namespace
