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
