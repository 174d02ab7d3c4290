// The LFO, wavetable, wavetable pile and overview displays through the recording
// backend: empty slots, names and marks, the one-time function set-up, the flat LFO of
// rate 0, the pile's colours, and the overview's labels and playhead.
#include "viewtest.h"

namespace {

class SmallViewsTest : public ViewTest {};

TEST_F(SmallViewsTest, LFOViewOfAnEmptySlotIsFrameAndCentreLine) {
  EXPECT_EQ(bank.DisplayLFO(V, S, 0, 10, 20, 200, 100), 0);
  EXPECT_EQ(lines().size(), 5u);
  for (const auto& c : lines()) EXPECT_TRUE(colour(c, 105, 105, 105));
  EXPECT_TRUE(texts().empty());
}

TEST_F(SmallViewsTest, LFOViewNamesTheWaveAndBuildsTheTablesOnce) {
  LFOHasBeenSetup = 0;
  load(std::vector<int16_t>(100, 0));
  sound->lfoWave = 3;
  bank.DisplayLFO(V, S, 0, 10, 20, 200, 100);
  bank.DisplayLFO(V, S, 0, 10, 20, 200, 100);
  EXPECT_EQ(sound->initCalls, 1);
  EXPECT_EQ(LFOHasBeenSetup, 1);
  ASSERT_NE(textCall("Ramp Down"), nullptr);
  EXPECT_EQ(textCall("Ramp Down")->args, (std::vector<float>{13, 20}));
  bool rate = false;
  for (const auto& t : texts())
    if (t.size() > 3 && t.substr(t.size() - 3) == " ms") rate = true;
  EXPECT_TRUE(rate);
  recorder.Clear();
  sound->lfoWave = 12;
  bank.DisplayLFO(V, S, 0, 10, 20, 200, 100);
  EXPECT_EQ(texts().size(), 1u);  // the rate only
}

TEST_F(SmallViewsTest, LFOOfRateZeroIsFlatAtItsOffsetEntry) {
  load(std::vector<int16_t>(100, 0));
  sound->lfoRate = 0;
  sound->lfoOffset = 100;
  sound->function = [](int table, int entry) { return entry - 500; };
  bank.DisplayLFO(V, S, 0, 10, 20, 200, 100);
  const auto trace = linesIn(220, 220, 160);
  ASSERT_EQ(trace.size(), 2u + 198u + 2u);
  const float base = 20.0f + 50.0f;
  const float flat = base + 49.0f * (400.0f / 1000.0f);  // entry 100 reads -400
  for (size_t i = 3; i < 2 + 198; ++i) {
    EXPECT_FLOAT_EQ(trace[i].args[1], flat);
    EXPECT_FLOAT_EQ(trace[i].args[3], flat);
  }
  EXPECT_FLOAT_EQ(trace[0].args[3], base + 49.0f * 0.5f);       // entry 0 reads -500
  EXPECT_FLOAT_EQ(trace[200].args[3], base - 49.0f * 0.499f);    // entry 999 reads 499
}

TEST_F(SmallViewsTest, WavetableViewMarksAndLastTable) {
  EXPECT_EQ(bank.DisplayHarmonicTable(V, S, 0, 0, 300, 200, 300, 200, 1, 32, 0, 0, 0, 0, 0), 1);
  EXPECT_EQ(rects().size(), 1u);
  TVoice& voice = load(ramp(32 * 50, -16000, 20));
  voice.MarkA = 31;
  voice.MarkB = 31;
  EXPECT_EQ(bank.DisplayHarmonicTable(V, S, 0, 0, 300, 200, 300, 200, 1, 32, 0, 0, 0, 0, 0), 0);
  EXPECT_NE(textCall("Marked A & B"), nullptr);
  EXPECT_NE(textCall("This is wavetable 32"), nullptr);
  // The trace spans x + 5 .. x + w - 5 and shows exactly one table.
  const auto trace = linesIn(250, 250, 190);
  ASSERT_EQ(trace.size(), 290u);
  EXPECT_EQ(trace.front().args[0], 5);
  EXPECT_EQ(trace.back().args[2], 295);
  recorder.Clear();
  voice.MarkA = 3;
  bank.DisplayHarmonicTable(V, S, 0, 0, 300, 200, 300, 200, 1, 32, 1, 4, 5, 6, 7);
  EXPECT_NE(textCall("Marked B"), nullptr);
  EXPECT_EQ(textCall("Marked A & B"), nullptr);
  bool guide = false;
  for (const auto& c : lines())
    if (c.args == std::vector<float>{4, 5, 6, 7, 1}) guide = true;
  EXPECT_TRUE(guide);
}

TEST_F(SmallViewsTest, PileColoursTheCurrentAndMarkedTables) {
  EXPECT_EQ(bank.DisplayHarmonicTables(V, S, 0, 0, 200, 160, 200, 160, 1, 3), 1);
  EXPECT_TRUE(recorder.Calls().empty());
  TVoice& voice = load(ramp(32 * 50, -16000, 20));
  voice.MarkA = 2;  // table 3, also current
  voice.MarkB = 4;
  bank.DisplayHarmonicTables(V, S, 0, 0, 200, 160, 200, 160, 1, 3);
  constexpr size_t perTable = 25;  // i = 1, 5, ... 97
  EXPECT_EQ(linesIn(255, 40, 40).size(), perTable);
  EXPECT_TRUE(linesIn(255, 40, 255).empty());
  EXPECT_EQ(linesIn(40, 255, 255).size(), perTable);
  EXPECT_EQ(linesIn(140, 140, 140).size(), 30 * perTable);
  EXPECT_NE(textCall("A:3"), nullptr);
  EXPECT_NE(textCall("B:5"), nullptr);
  recorder.Clear();
  voice.MarkB = 2;
  voice.MarkA = 6;
  bank.DisplayHarmonicTables(V, S, 0, 0, 200, 160, 200, 160, 1, 1);
  voice.MarkA = 7;
  voice.MarkB = 7;
  recorder.Clear();
  bank.DisplayHarmonicTables(V, S, 0, 0, 200, 160, 200, 160, 1, 1);
  EXPECT_EQ(linesIn(255, 40, 255).size(), perTable);  // marked A and B: the A colour
}

TEST_F(SmallViewsTest, OverviewLabelsAndPlayhead) {
  EXPECT_EQ(bank.DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  TVoice& voice = load(std::vector<int16_t>(1000, 0), 2);
  voice.data.fill(0.5f);
  SetColor(1, 2, 3);
  EXPECT_EQ(bank.DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(linesIn(1, 2, 3).size(), 2u * 197u);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  recorder.Clear();
  channel->playing = 1;
  channel->position = 250;
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, -1);
  EXPECT_NE(textCall("Left"), nullptr);
  EXPECT_NE(textCall("Right"), nullptr);
  ASSERT_EQ(linesIn(255, 255, 0).size(), 1u);
  EXPECT_FLOAT_EQ(linesIn(255, 255, 0)[0].args[0], 1.0f + 198.0f * 0.5f);
  // A spread of 3 or less reads no index outside the overview.
  voice.CurrChannel = 1;
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 2);
  bank.DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 3);
}

}  // namespace
