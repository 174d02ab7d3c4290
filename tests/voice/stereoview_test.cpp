// The stereo waveform views through the recording backend: an empty slot, the
// 200-frame minimum of one form and not the other, and the playhead left of the window.
#include "platform/numbers.h"
#include "banktest.h"

namespace {

constexpr int X = 10, Y = 20, W = 102, H = 64, X2 = X + W;
constexpr int LEFT_MID = Y + H / 4;
const float SCALE = static_cast<float>(32767 / (H / 4 - 2));

int leftHeight(int value) { return TruncToInt(static_cast<float>(LEFT_MID) - static_cast<float>(value) / SCALE); }

class StereoViewTest : public BankTest {
 protected:
  int draw(bool variant, int zoomed, int showHighlight = 0, int h = H) {
    recordDrawing();
    return variant ? bank->Display2DStereox(V, S, X, Y, W, h, X2, Y + h, zoomed, showHighlight, 0, 0, 255)
                   : bank->Display2DStereo(V, S, X, Y, W, h, X2, Y + h, zoomed, showHighlight, 0, 0, 255);
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

TEST_F(StereoViewTest, PlayheadLeftOfTheWindowStandsOnTheFirstColumn) {
  TVoice& voice = load(stereo(5000), 2);
  voice.WindowStart = 1000;
  voice.WindowEnd = 1200;
  const auto channel = playFor(V, S, 500);
  ASSERT_LT(channel->GetPlayPosition(), 1000);
  draw(false, 1);
  ASSERT_EQ(linesIn(255, 255, 0).size(), 1u);
  EXPECT_EQ(linesIn(255, 255, 0)[0].args[0], X + 2);
  render(2500);
  ASSERT_GT(channel->GetPlayPosition(), 1201);
  draw(false, 1);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
}

}  // namespace
