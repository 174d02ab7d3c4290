// The waveform view and the combined views through the recording backend: the trace's
// lines and end points, the window shaping, the overview's box, red window part and
// segment grid, the loop band, the playhead and the hand-over to the other views.
#include "platform/numbers.h"
#include "viewtest.h"

namespace {

constexpr int X = 10, Y = 20, W = 102, H = 64, X2 = X + W, Y2 = Y + H;
constexpr int MID = Y + H / 2;
const float SCALE = static_cast<float>(32767 / (H / 2 - 2));

int height(int value) { return TruncToInt(static_cast<float>(MID) - static_cast<float>(value) / SCALE); }

class WaveformViewTest : public ViewTest {
 protected:
  int draw(int zoomed, int showHighlight = 0) {
    recorder.Clear();
    return bank.Display2D(V, S, X, Y, W, H, X2, Y2, zoomed, showHighlight, 0, 0, 255);
  }
  // The trace segment of column i: the line from x + i to x + i + 1.
  std::vector<TDrawCall> traceLines() const {
    std::vector<TDrawCall> out;
    for (const auto& c : lines())
      if (c.args[2] == c.args[0] + 1.0f) out.push_back(c);
    return out;
  }
};

TEST_F(WaveformViewTest, EmptySlotDrawsNothing) {
  EXPECT_EQ(draw(1), 1);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(WaveformViewTest, NewVoiceShowsTheWholeSampleOneSamplePerColumn) {
  load(ramp(1000, 0, 30));
  EXPECT_EQ(draw(1), 0);
  const auto trace = traceLines();
  ASSERT_EQ(trace.size(), 100u);
  EXPECT_EQ(trace[0].args[0], X + 1);
  EXPECT_EQ(trace[0].args[1], height(0));  // the first segment is level
  EXPECT_EQ(trace[0].args[3], height(0));
  EXPECT_EQ(trace[99].args[0], X + 100);
  EXPECT_EQ(trace[99].args[3], height(990 * 30));  // column 100 reads frame 99 x 10
  EXPECT_EQ(trace[50].args[1], height(490 * 30));
  for (const auto& c : trace) EXPECT_TRUE(colour(c, 170, 170, 170));
  EXPECT_TRUE(linesIn(255, 255, 0).empty());  // not playing: no playhead
  EXPECT_TRUE(texts().empty());
  ASSERT_FALSE(rects().empty());
  EXPECT_TRUE(colour(rects()[0], 30, 30, 30));
  EXPECT_EQ(rects()[0].args, (std::vector<float>{X, Y, W, H}));
}

TEST_F(WaveformViewTest, ShortWindowIsWidenedTo400FramesFromItsStart) {
  std::vector<int16_t> values(5000, 0);
  values[1000] = 20000;
  values[1396] = -20000;  // the last column of 1000 .. 1400 in steps of 4
  TVoice& voice = load(values);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1100;
  draw(1);
  const auto trace = traceLines();
  ASSERT_EQ(trace.size(), 100u);
  EXPECT_EQ(trace[0].args[3], height(20000));
  EXPECT_EQ(trace[99].args[3], height(-20000));
  EXPECT_EQ(trace[50].args[3], height(0));
}

TEST_F(WaveformViewTest, WindowPastTheEndReadsNothingBeyondTheSample) {
  TVoice& voice = load(std::vector<int16_t>(50, 8000));
  voice.WindowStart = 40;
  voice.WindowEnd = 45;  // widened to 40 .. 440
  draw(1);
  const auto trace = traceLines();
  ASSERT_EQ(trace.size(), 100u);
  EXPECT_EQ(trace[0].args[3], height(8000));
  EXPECT_EQ(trace[99].args[3], MID);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());  // past n + 1, still no playhead when stopped
}

TEST_F(WaveformViewTest, SegmentModeOverviewBoxesOneSegmentAndDrawsTheGrid) {
  TVoice& voice = load(std::vector<int16_t>(1600, 0));
  voice.CurrDisplay = 13;
  voice.WindowStart = 300;  // the segment 256 .. 384
  voice.CurrSegment = 77;
  draw(0);
  // step 16 frames a column, segments 8 pixels wide.
  const auto red = linesIn(255, 40, 40);
  EXPECT_EQ(red.size(), 9u);  // positions 256 .. 384
  EXPECT_EQ(red.front().args[0], X + 17);
  bool boxFound = false;
  for (const auto& r : rects())
    if (r.args == std::vector<float>{X + 17, Y, 8, H} && colour(r, 0, 0, 0)) boxFound = true;
  EXPECT_TRUE(boxFound);
  // Grid lines from x + 1 + 8 while below x2 - 1, down to y2 - 3.
  std::vector<float> grid;
  for (const auto& c : lines())
    if (c.args[0] == c.args[2] && c.args[1] == Y && c.args[3] == Y2 - 3) grid.push_back(c.args[0]);
  ASSERT_EQ(grid.size(), 12u);
  EXPECT_EQ(grid.front(), X + 9);
  EXPECT_EQ(grid.back(), X + 97);
  EXPECT_EQ(voice.CurrSegment, 1);  // the first grid line at or right of the box (x + 17)
}

TEST_F(WaveformViewTest, ZoomedSegmentAnd3dModesHandOver) {
  TVoice& voice = load(std::vector<int16_t>(1600, 0));
  voice.CurrDisplay = 13;
  draw(1);
  // The single segment view: background over the box, cell inset by 2 pixels.
  ASSERT_GE(rects().size(), 2u);
  EXPECT_EQ(rects()[1].args, (std::vector<float>{X + 2, Y + 2, W - 4, H - 4}));
  EXPECT_TRUE(traceLines().size() > 90u);

  voice.CurrDisplay = 11;
  draw(1, 1);  // the highlight flag keeps the 2D view, whatever the mode
  EXPECT_EQ(traceLines().size(), 100u);
  EXPECT_TRUE(texts().empty());
}

TEST_F(WaveformViewTest, HighlightColumnsAndLoopBandOfAWavetableSound) {
  TVoice& voice = load(std::vector<int16_t>(1600, 0));
  voice.HighlightStart = 160;
  voice.HighlightEnd = 320;
  sound->waveLength = 4;
  channel->wavePlayhead = 2;  // the third quarter: 800 .. 1200
  voice.LoopStart = 0;
  voice.LoopEnd = 1599;  // ignored for a wavetable sound
  draw(1, 1);
  int highlight = 0;
  int loop = 0;
  for (const auto& c : lines()) {
    if (c.args[0] != c.args[2]) continue;
    if (colour(c, 0, 0, 255) && c.state.alpha == 0.5f && c.args[3] == Y2 - 2) ++highlight;
    if (colour(c, 255, 255, 255) && c.state.alpha == 0.13f) ++loop;
  }
  EXPECT_EQ(highlight, 11);  // positions 160 .. 320 in steps of 16
  EXPECT_EQ(loop, 26);       // positions 800 .. 1200
  EXPECT_TRUE(texts().empty());  // the mono 2D view draws no range markers
}

TEST_F(WaveformViewTest, PlayheadIsOneLineAtTheFirstColumnPastThePosition) {
  load(std::vector<int16_t>(1000, 0));
  channel->playing = 1;
  channel->position = 500;
  draw(1);
  const auto yellow = linesIn(255, 255, 0);
  ASSERT_EQ(yellow.size(), 1u);
  EXPECT_EQ(yellow[0].args, (std::vector<float>{X + 52, Y + 1, X + 52, Y2 - 1, 1}));
}

TEST_F(WaveformViewTest, StereoSamplesGoToTheStereoView) {
  load(std::vector<int16_t>(800, 0), 2);
  draw(1);
  // Two lanes: two trace segments a column, and the divider across the middle.
  EXPECT_EQ(traceLines().size(), 200u);
}

TEST_F(WaveformViewTest, CombinedViewCutsAtTheSpanOrEndsLevel) {
  load(ramp(800, 0, 40));
  recorder.Clear();
  EXPECT_EQ(bank.DisplayCombine2D(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 1600, 1), 800);
  EXPECT_TRUE(colour(rects()[0], 30, 30, 30));
  const auto trace = traceLines();
  ASSERT_EQ(trace.size(), 100u);
  EXPECT_EQ(trace[49].args[3], height(784 * 40));  // column 50 reads frame 49 x 16
  for (int i = 50; i < 100; ++i) {
    EXPECT_EQ(trace[i].args[1], MID);
    EXPECT_EQ(trace[i].args[3], MID);
  }
  recorder.Clear();
  EXPECT_EQ(bank.DisplayCombine2D(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 400, 0), 400);
  EXPECT_TRUE(rects().empty());
  EXPECT_EQ(traceLines()[99].args[3], height(396 * 40));
  recorder.Clear();
  EXPECT_EQ(bank.DisplayCombine2D(3, 3, X, Y, W, H, X2, Y2, 0, 0, 0, 400, 1), 1);
  EXPECT_EQ(rects().size(), 1u);  // the background comes before the slot test
}

TEST_F(WaveformViewTest, StereoCombinedViewSqueezesALongSample) {
  load(std::vector<int16_t>(800, 100), 2);  // 400 frames
  recorder.Clear();
  EXPECT_EQ(bank.DisplayCombine2D(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 200, 0), 400);
  EXPECT_EQ(traceLines().size(), 200u);
  recorder.Clear();
  EXPECT_EQ(bank.DisplayCombine2DStereo(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 800, 0), 800);
  int level = 0;
  for (const auto& c : traceLines())
    if (c.args[1] == c.args[3] && (c.args[1] == Y + H / 4 || c.args[1] == Y + H / 2 + H / 4)) ++level;
  EXPECT_EQ(level, 100);  // the right half: both lanes level at their centres
}

}  // namespace
