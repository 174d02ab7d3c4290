// The waveform view and the combined views through the recording backend: the window
// shaping, no reads past the sample, and the hand-over to the stereo views.
#include "platform/numbers.h"
#include "banktest.h"

namespace {

constexpr int X = 10, Y = 20, W = 102, H = 64, X2 = X + W, Y2 = Y + H;
constexpr int MID = Y + H / 2;
const float SCALE = static_cast<float>(32767 / (H / 2 - 2));

int height(int value) { return TruncToInt(static_cast<float>(MID) - static_cast<float>(value) / SCALE); }

class WaveformViewTest : public BankTest {
 protected:
  int draw(int zoomed, int showHighlight = 0) {
    recordDrawing();
    return bank->Display2D(V, S, X, Y, W, H, X2, Y2, zoomed, showHighlight, 0, 0, 255);
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

// The overview strip: the window's part of the trace red, a box over it; 50 frames a
// column over 100 columns.
TEST_F(WaveformViewTest, OverviewMarksTheWindowInRedUnderABox) {
  TVoice& voice = load(std::vector<int16_t>(5000, 0));
  voice.WindowStart = 1000;
  voice.WindowEnd = 2000;
  EXPECT_EQ(draw(0), 0);
  size_t red = 0;
  for (const auto& c : traceLines()) red += colour(c, 255, 40, 40) ? 1 : 0;
  EXPECT_EQ(red, 21u);  // positions 1000, 1050, ... 2000
  std::vector<TDrawCall> boxes;
  for (const auto& r : rects())
    if (colour(r, 0, 0, 0) && r.state.alpha == 0.2f) boxes.push_back(r);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].args, (std::vector<float>{X + 21, Y, 21, H}));
  EXPECT_EQ(voice.CurrSegment, 0);  // mode 10 keeps it
}

// In a segment mode the window becomes the segment holding its start, the box is one
// segment wide and a grid line stands every segment; the segment under the box is current.
TEST_F(WaveformViewTest, OverviewInASegmentModeDrawsTheGridAndSetsTheSegment) {
  TVoice& voice = load(std::vector<int16_t>(5000, 0));
  voice.CurrDisplay = 13;
  voice.WindowStart = 1000;  // segment 7: 896 .. 1024
  draw(0);
  std::vector<TDrawCall> grid;
  for (const auto& c : lines())
    if (c.args[0] == c.args[2] && c.args[1] == Y && c.args[3] == Y2 - 3) grid.push_back(c);
  ASSERT_EQ(grid.size(), 39u);  // every 128 / 50 pixels up to the right edge
  EXPECT_FLOAT_EQ(grid[0].args[0], X + 1 + 2.56f);
  EXPECT_EQ(voice.CurrSegment, 7);
  size_t red = 0;
  for (const auto& c : traceLines()) red += colour(c, 255, 40, 40) ? 1 : 0;
  EXPECT_EQ(red, 3u);  // positions 900, 950, 1000
}

// The zoomed view over the whole sample: the loop band white, one yellow playhead.
TEST_F(WaveformViewTest, LoopBandAndPlayhead) {
  TVoice& voice = load(std::vector<int16_t>(5000, 0));
  voice.LoopStart = 1000;
  voice.LoopEnd = 1400;
  draw(1);
  std::vector<TDrawCall> band;
  for (const auto& c : linesIn(255, 255, 255))
    if (c.args[0] == c.args[2] && c.args[3] == Y2 - 2 && c.state.alpha == 0.13f) band.push_back(c);
  ASSERT_EQ(band.size(), 9u);  // positions 1000 .. 1400
  EXPECT_EQ(band[0].args[0], X + 22);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  voice.LoopEnd = -1;
  const int position = playFor(V, S, 600)->GetPlayPosition();
  draw(1);
  EXPECT_TRUE(linesIn(255, 255, 255).empty());
  const auto playhead = linesIn(255, 255, 0);
  ASSERT_EQ(playhead.size(), 1u);
  const int column = (position + 49) / 50 + 1;  // the first column at or past it
  EXPECT_EQ(playhead[0].args[0], X + column + 1);
  EXPECT_EQ(playhead[0].args[2], X + column + 1);
  EXPECT_EQ(playhead[0].args[3], Y2 - 1);
}

// While the voice plays, each combined view draws one playhead across the view at the
// first column that reaches the play position, and goes on with the grey trace after it.
TEST_F(WaveformViewTest, CombinedViewsMarkThePlayPositionOnce) {
  for (int channels : {1, 2}) {
    load(std::vector<int16_t>(static_cast<size_t>(5000 * channels), 100), channels);  // 50 frames a column
    const int position = playFor(V, S, 600)->GetPlayPosition();
    ASSERT_GT(position, 0);
    recordDrawing();
    if (channels == 1)
      bank->DisplayCombine2D(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 5000, 0);
    else
      bank->DisplayCombine2DStereo(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 5000, 0);
    const auto playhead = linesIn(255, 255, 0);
    ASSERT_EQ(playhead.size(), 1u) << channels;
    const int column = (position + 49) / 50 + 1;
    const std::vector<float> across(playhead[0].args.begin(), playhead[0].args.begin() + 4);
    EXPECT_EQ(across, (std::vector<float>{X + column + 1.0f, Y + 1.0f, X + column + 1.0f, Y2 - 1.0f})) << channels;
    EXPECT_TRUE(colour(traceLines().back(), 170, 170, 170)) << channels;
    bank->Stop(V, S);
  }
}

// The zoomed view marks the columns whose positions lie in the highlighted range, and
// nothing red. Past 2^24 frames a frame number no longer fits a float: the first column
// of a window from frame 16777217 stands at 16777216, one frame before the range. A
// column half a frame past the range's end lies outside it.
TEST_F(WaveformViewTest, ZoomedRangeMarksTheColumnsOfPositionsInside) {
  constexpr int kStart = (1 << 24) + 1;
  const struct {
    int windowStart, windowEnd, rangeStart, rangeEnd;
    size_t marks;
    float first;
  } rows[] = {
      {kStart, kStart + 400, kStart, kStart + 83, 21, X + 3},  // positions 16777220 .. 16777300
      {1000, 1450, 1010, 1040, 6, X + 5},                      // 1013.5 .. 1036, not 1040.5
  };
  for (const auto& row : rows) {
    TVoice& voice = load(std::vector<int16_t>(static_cast<size_t>(row.windowEnd) + 100, 0));
    voice.WindowStart = row.windowStart;
    voice.WindowEnd = row.windowEnd;
    voice.HighlightStart = row.rangeStart;
    voice.HighlightEnd = row.rangeEnd;
    draw(1, 1);
    const auto range = linesIn(0, 0, 255);
    ASSERT_EQ(range.size(), row.marks) << row.windowStart;
    EXPECT_EQ(range[0].args[0], row.first) << row.windowStart;
    EXPECT_TRUE(linesIn(255, 40, 40).empty()) << row.windowStart;
  }
}

TEST_F(WaveformViewTest, StereoSamplesGoToTheStereoView) {
  load(std::vector<int16_t>(800, 0), 2);
  draw(1);
  // Two lanes: two trace segments a column, and the divider across the middle.
  EXPECT_EQ(traceLines().size(), 200u);
}

TEST_F(WaveformViewTest, StereoCombinedViewSqueezesALongSample) {
  load(std::vector<int16_t>(800, 100), 2);  // 400 frames
  recordDrawing();
  EXPECT_EQ(bank->DisplayCombine2D(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 200, 0), 400);
  EXPECT_EQ(traceLines().size(), 200u);
  recordDrawing();
  EXPECT_EQ(bank->DisplayCombine2DStereo(V, S, X, Y, W, H, X2, Y2, 0, 0, 0, 800, 0), 800);
  int level = 0;
  for (const auto& c : traceLines())
    if (c.args[1] == c.args[3] && (c.args[1] == Y + H / 4 || c.args[1] == Y + H / 2 + H / 4)) ++level;
  EXPECT_EQ(level, 100);  // the right half: both lanes level at their centres
}

}  // namespace
