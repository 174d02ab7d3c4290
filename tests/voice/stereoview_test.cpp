// The stereo waveform views through the recording backend: lanes, the 200-frame
// minimum of one form and not the other, the lane centres, the overview's red part
// and box, the wavetable band, the playhead and the range markers.
#include "platform/numbers.h"
#include "viewtest.h"

namespace {

constexpr int X = 10, Y = 20, W = 102, H = 64, X2 = X + W, Y2 = Y + H;
constexpr int LEFT_MID = Y + H / 4;
const float SCALE = static_cast<float>(32767 / (H / 4 - 2));

int leftHeight(int value) { return TruncToInt(static_cast<float>(LEFT_MID) - static_cast<float>(value) / SCALE); }

class StereoViewTest : public ViewTest {
 protected:
  int draw(bool variant, int zoomed, int showHighlight = 0, int h = H) {
    recorder.Clear();
    return variant ? bank.Display2DStereox(V, S, X, Y, W, h, X2, Y + h, zoomed, showHighlight, 0, 0, 255)
                   : bank.Display2DStereo(V, S, X, Y, W, h, X2, Y + h, zoomed, showHighlight, 0, 0, 255);
  }
  std::vector<TDrawCall> traceLines() const {
    std::vector<TDrawCall> out;
    for (const auto& c : lines())
      if (c.args[2] == c.args[0] + 1.0f) out.push_back(c);
    return out;
  }
  static std::vector<int16_t> stereo(int frames) { return std::vector<int16_t>(2 * frames, 0); }
};

TEST_F(StereoViewTest, EmptySlot) {
  EXPECT_EQ(draw(false, 1), 1);
  EXPECT_EQ(draw(true, 1), 1);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(StereoViewTest, OverviewOfANewVoiceIsRedWithTheBoxAcrossTheView) {
  load(stereo(400), 2);
  EXPECT_EQ(draw(false, 0), 0);
  EXPECT_EQ(linesIn(255, 40, 40).size(), 200u);  // both lanes, every column
  bool box = false;
  for (const auto& r : rects())
    if (r.args == std::vector<float>{X + 1, Y, X2 - 1 - (X + 1), H} && colour(r, 0, 0, 0)) box = true;
  EXPECT_TRUE(box);
  // The lane divider across the middle.
  bool divider = false;
  for (const auto& c : linesIn(0, 0, 0))
    if (c.args == std::vector<float>{X, Y + 2 * (H / 4), X + W, Y + 2 * (H / 4), 1}) divider = true;
  EXPECT_TRUE(divider);
}

TEST_F(StereoViewTest, ShortWindowsWidenOnlyInTheFirstForm) {
  auto values = stereo(5000);
  values[2 * 1198] = 30000;  // last column of 1000 .. 1200 (steps of 2)
  values[2 * 1099] = -30000;  // last column of 1000 .. 1100 (steps of 1)
  TVoice& voice = load(values, 2);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1100;
  draw(false, 1);
  auto trace = traceLines();
  ASSERT_EQ(trace.size(), 200u);
  EXPECT_EQ(trace[198].args[3], leftHeight(30000));  // column 100, left lane
  draw(true, 1);
  trace = traceLines();
  ASSERT_EQ(trace.size(), 200u);
  EXPECT_EQ(trace[198].args[3], leftHeight(-30000));
}

TEST_F(StereoViewTest, RightLaneCentresDifferWhenTheHeightIsNotAMultipleOfFour) {
  load(stereo(400), 2);
  draw(false, 1, 0, 63);
  EXPECT_EQ(traceLines()[1].args[3], Y + 63 / 2 + 63 / 4);
  draw(true, 1, 0, 63);
  EXPECT_EQ(traceLines()[1].args[3], Y + 63 - 63 / 4);
}

TEST_F(StereoViewTest, WavetableSoundMarksThePartBeingPlayed) {
  load(stereo(400), 2);
  sound->waveLength = 4;
  channel->wavePlayhead = 2;
  draw(false, 1);
  int band = 0;
  for (const auto& c : linesIn(255, 255, 255))
    if (c.state.alpha == 0.13f) ++band;
  EXPECT_EQ(band, 26);  // frames 200 .. 300 in steps of 4
}

TEST_F(StereoViewTest, PlayheadLeftOfTheWindowStandsOnTheFirstColumn) {
  TVoice& voice = load(stereo(5000), 2);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1200;
  channel->playing = 1;
  channel->position = 500;
  draw(false, 1);
  ASSERT_EQ(linesIn(255, 255, 0).size(), 1u);
  EXPECT_EQ(linesIn(255, 255, 0)[0].args[0], X + 2);
  channel->position = 3000;
  draw(false, 1);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
}

TEST_F(StereoViewTest, RangeMarkersOfBothForms) {
  TVoice& voice = load(stereo(5000), 2);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1200;
  voice.HighlightStart = 1500;  // wholly right of the view
  voice.HighlightEnd = 1600;
  draw(false, 1, 1);
  ASSERT_NE(textCall("Start"), nullptr);
  EXPECT_EQ(textCall("Start")->args[0], X + 100 + 7);  // on the last column
  draw(true, 1, 1);
  EXPECT_EQ(textCall("Start"), nullptr);

  voice.HighlightStart = 1050;
  voice.HighlightEnd = 1100;
  draw(false, 1, 1);
  ASSERT_NE(textCall("End"), nullptr);
  bool endLine = false;
  for (const auto& c : verticalsAt(X + 51))
    if (colour(c, 255, 0, 0) && c.args[3] == Y2 - 2) endLine = true;
  EXPECT_TRUE(endLine);  // the last column with pos <= 1100 <= pos + 2

  voice.HighlightStart = 900;  // a full step or more before the view: no start marker
  draw(false, 1, 1);
  EXPECT_EQ(textCall("Start"), nullptr);
}

}  // namespace
