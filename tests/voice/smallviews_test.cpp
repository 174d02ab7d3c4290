// The small views through the recording backend, by what lands on screen: the overview
// with its labels and playhead, the LFO shape with its name and rate, one wavetable
// with its scale and marks, and the pile of all wavetables in their colours.
#include <algorithm>
#include <cmath>

#include "banktest.h"

namespace {

class SmallViewsTest : public BankTest {
 protected:
  // The lowest and highest y reached by the lines in the colour.
  std::pair<float, float> span(int r, int g, int b) const {
    float low = 1e9f, high = -1e9f;
    for (const auto& c : linesIn(r, g, b)) {
      low = std::min({low, c.args[1], c.args[3]});
      high = std::max({high, c.args[1], c.args[3]});
    }
    return {low, high};
  }
  // 32 wavetables of 64 values, table t (1-based) holding t x 500.
  TVoice& tables() {
    return load(fill(32 * 64, [](int i) { return (i / 64 + 1) * 500; }));
  }
};

TEST_F(SmallViewsTest, OverviewLabelsAndPlayhead) {
  recordDrawing();
  EXPECT_EQ(bank->DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  EXPECT_TRUE(recorder.Calls().empty());
  TVoice& voice = load(fill(2000, [](int i) { return i % 2 == 0 ? -16384 : 16384; }), 2);
  SetColor(1, 2, 3);
  EXPECT_EQ(bank->DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1), 1);
  EXPECT_TRUE(texts().empty());
  // The left value -16384 stands 9 pixels below its lane's centre (y 21); the right lane
  // is drawn the other way round, so +16384 stands 9 below its centre (y 21 + 38).
  ASSERT_EQ(linesIn(1, 2, 3).size(), 2u * 197u);
  EXPECT_EQ(linesIn(1, 2, 3)[2].args[3], 2.0f + 19.0f + 9.0f);
  EXPECT_EQ(linesIn(1, 2, 3)[3].args[3], 2.0f + 19.0f + 9.0f + 38.0f);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());

  const auto channel = playFor(V, S, 250);
  const int position = channel->GetPlayPosition();
  ASSERT_GT(position, 0);
  recorder.Clear();
  bank->DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, -1);
  EXPECT_NE(textCall("Left"), nullptr);
  EXPECT_NE(textCall("Right"), nullptr);
  ASSERT_EQ(linesIn(255, 255, 0).size(), 1u);
  EXPECT_FLOAT_EQ(linesIn(255, 255, 0)[0].args[0], 1.0f + 198.0f * (static_cast<float>(position) / 1000.0f));
  EXPECT_EQ(linesIn(255, 255, 0)[0].args[1], 1.0f);
  EXPECT_EQ(linesIn(255, 255, 0)[0].args[3], 79.0f);
  // A spread of 3 or less reads no index outside the overview.
  voice.CurrChannel = 1;
  bank->DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 2);
  bank->DisplayWavData(V, S, 0, 0, 200, 81, 200, 81, 3);
}

// A sound of no frames on a playing channel: there is no place for a playhead.
TEST_F(SmallViewsTest, OverviewOfAnEmptySoundDrawsNoPlayhead) {
  TVoice& voice = load(fill(4000, [](int) { return 100; }));
  playFor(V, S, 250);
  voice.Sound = TSound::New();
  recorder.Clear();
  bank->DisplayWavData(V, S, 0, 0, 200, 80, 200, 80, -1);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  for (const auto& c : lines())
    for (float a : c.args) EXPECT_TRUE(std::isfinite(a));
}

TEST_F(SmallViewsTest, LfoShowsTheEnginesShapeWithItsNameAndRate) {
  recordDrawing();
  EXPECT_EQ(bank->DisplayLFO(V, S, 0, 10, 20, 200, 100), 0);  // empty: frame and centre line
  EXPECT_TRUE(texts().empty());
  EXPECT_FALSE(linesIn(105, 105, 105).empty());
  EXPECT_TRUE(linesIn(220, 220, 160).empty());

  load({1, 2, 3});
  TSound& sound = soundOf(V, S);
  sound.SetLFOWave(1, 4);  // square
  sound.SetLFOHertzRate(1, 999);
  sound.SetLFOScale(1, 1000);
  LFOHasBeenSetup = 0;  // as before the program's first LFO view
  EXPECT_EQ(bank->DisplayLFO(V, S, 1, 10, 20, 200, 100), 0);
  EXPECT_EQ(LFOHasBeenSetup, 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Square", "999 ms"}));
  EXPECT_EQ(textCall("999 ms")->args[1], 20.0f + 100.0f - 20.0f);
  // One full cycle reaching 49 pixels above and below the centre at y 70 (the engine's
  // square peaks at 999 of 1000).
  EXPECT_NEAR(span(220, 220, 160).first, 70.0f - 49.0f, 0.1f);
  EXPECT_NEAR(span(220, 220, 160).second, 70.0f + 49.0f, 0.1f);
  EXPECT_EQ(linesIn(220, 220, 160).size(), 2u + 198u + 2u);

  // Half the scale and a vertical offset: the shape shrinks around a moved centre.
  sound.SetLFOScale(1, 500);
  sound.SetLFOVertical(1, 400);
  recorder.Clear();
  bank->DisplayLFO(V, S, 1, 10, 20, 200, 100);
  EXPECT_NEAR(span(220, 220, 160).first, 50.0f - 24.5f, 0.1f);
  EXPECT_NEAR(span(220, 220, 160).second, 50.0f + 24.5f, 0.1f);
}

TEST_F(SmallViewsTest, WavetableShowsOneTableWithScaleAndMarks) {
  recordDrawing();
  EXPECT_EQ(bank->DisplayHarmonicTable(V, S, 10, 20, 210, 168, 220, 188, 1, 3, 0, 0, 0, 0, 0), 1);
  EXPECT_TRUE(texts().empty());
  TVoice& voice = tables();
  voice.MarkA = 2;
  voice.MarkB = 2;
  EXPECT_EQ(bank->DisplayHarmonicTable(V, S, 10, 20, 210, 168, 220, 188, 1, 3, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(texts(), (std::vector<std::string>{"This is wavetable 3", "This is wavetable 3", "Marked A & B"}));
  EXPECT_TRUE(colour(*textCall("This is wavetable 3"), 0, 0, 0));
  // Table 3 holds 1500: the trace stands 3 pixels above the middle line at y 104,
  // from x 15 to x 215.
  const auto trace = linesIn(250, 250, 190);
  ASSERT_EQ(trace.size(), 200u);
  for (const auto& c : trace) EXPECT_EQ(c.args[3], 100.0f);
  EXPECT_EQ(trace.front().args[0], 15.0f);
  EXPECT_EQ(trace.back().args[2], 215.0f);
  EXPECT_EQ(linesIn(100, 100, 100).size(), 1u);  // the middle line
  EXPECT_EQ(linesIn(60, 60, 60).size(), 2u + 17u * 5u);
  // The last table ends at the sample's end.
  voice.MarkA = -1;
  recorder.Clear();
  bank->DisplayHarmonicTable(V, S, 10, 20, 210, 168, 220, 188, 1, 32, 1, 5, 6, 7, 8);
  EXPECT_EQ(texts().back(), "This is wavetable 32");
  EXPECT_EQ(linesIn(250, 250, 190).back().args[3], static_cast<float>(static_cast<int>(104.0f - 16000.0f / (32767.0f / 80.0f))));
  voice.MarkB = 31;
  recorder.Clear();
  bank->DisplayHarmonicTable(V, S, 10, 20, 210, 168, 220, 188, 1, 32, 0, 0, 0, 0, 0);
  EXPECT_EQ(texts().back(), "Marked B");
}

TEST_F(SmallViewsTest, PileShowsEveryTableInItsColour) {
  recordDrawing();
  EXPECT_EQ(bank->DisplayHarmonicTables(V, S, 0, 0, 256, 160, 256, 160, 1, 4), 1);
  EXPECT_TRUE(recorder.Calls().empty());
  TVoice& voice = tables();
  voice.MarkA = 3;  // table 4, also the current one
  voice.MarkB = 6;  // table 7
  EXPECT_EQ(bank->DisplayHarmonicTables(V, S, 0, 0, 256, 160, 256, 160, 1, 4), 0);
  // 128 pixels a table, every fourth sampled: 32 lines each.
  EXPECT_EQ(linesIn(255, 40, 40).size(), 32u);
  EXPECT_EQ(linesIn(255, 40, 255).size(), 0u);
  EXPECT_EQ(linesIn(40, 255, 255).size(), 32u);
  EXPECT_EQ(linesIn(140, 140, 140).size(), 30u * 32u);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Marks", "A:4", "B:7"}));
  // Table 1 sits lowest at the left, table 32 highest at the right.
  const auto grey = linesIn(140, 140, 140);
  EXPECT_LT(grey.front().args[0], grey.back().args[0]);
  EXPECT_GT(grey.front().args[1], grey.back().args[1]);
  // A table marked A and B takes the A colour; no marks show dashes.
  voice.MarkB = 3;
  recorder.Clear();
  bank->DisplayHarmonicTables(V, S, 0, 0, 256, 160, 256, 160, 1, 1);
  EXPECT_EQ(linesIn(255, 40, 255).size(), 32u);
  EXPECT_EQ(linesIn(40, 255, 255).size(), 0u);
  voice.MarkA = voice.MarkB = -1;
  recorder.Clear();
  bank->DisplayHarmonicTables(V, S, 0, 0, 256, 160, 256, 160, 1, 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Marks", "A:-", "B:-"}));
}

}  // namespace
