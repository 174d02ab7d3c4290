// The 3D views through the recording backend: the density limit, values past the end
// and odd sizes that must not break the projection.
#include "platform/numbers.h"
#include "banktest.h"

namespace {

constexpr int X = 0, Y = 0, W = 212, H = 200, X2 = W, Y2 = H;
constexpr int LINES_PER_SLICE = (W / 2 - 5) - 1;  // columns 2 .. trunc(halfW - 5)

class View3dTest : public BankTest {
 protected:
  int draw(bool projected) {
    recordDrawing();
    return projected ? bank->Display3dTrue(V, S, X, Y, W, H, X2, Y2, 0, 0, 0)
                     : bank->Display3d(V, S, X, Y, W, H, X2, Y2, 0, 0, 0);
  }
};

TEST_F(View3dTest, EmptySlotDrawsNothing) {
  EXPECT_EQ(draw(false), 1);
  EXPECT_EQ(draw(true), 1);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(View3dTest, TwoHundredSlicesAreTooDense) {
  load(std::vector<int16_t>(200 * 128, 0));
  EXPECT_EQ(draw(false), 1);
  EXPECT_TRUE(lines().empty());
  ASSERT_EQ(texts().size(), 2u);
  EXPECT_EQ(texts()[0], "The density of the current Segment Length and Step Size is too high");
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Text)[1].args, (std::vector<float>{X, Y + 16}));
  EXPECT_EQ(draw(true), 1);
  EXPECT_TRUE(colour(recorder.CallsOf(TDrawCallKind::Text)[0], 160, 160, 160));

  load(std::vector<int16_t>(199 * 128, 0));
  EXPECT_EQ(draw(false), 0);
  EXPECT_EQ(lines().size(), static_cast<size_t>(199 * LINES_PER_SLICE));
  EXPECT_EQ(draw(true), 0);
  EXPECT_EQ(lines().size(), static_cast<size_t>(199 * (W / 2 - 5)));
}

// While the channel plays, one vertical yellow line marks the play position in both
// forms (48 pixels tall in the slanted form, 80 in the projected one); stopped, none.
TEST_F(View3dTest, OnePlayheadWhilePlaying) {
  load(std::vector<int16_t>(20 * 128, 5000));
  draw(false);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  playFor(V, S, 600);
  for (bool projected : {false, true}) {
    draw(projected);
    size_t verticals = 0;
    const float tall = projected ? 80.0f : static_cast<float>(H / 4 - 2);
    for (const auto& c : linesIn(255, 255, 0))
      verticals += c.args[0] == c.args[2] && c.args[3] - c.args[1] == tall ? 1 : 0;
    EXPECT_EQ(verticals, 1u) << projected;
    EXPECT_GT(linesIn(255, 255, 0).size(), 1u) << projected;  // the rest of that slice
  }
}

TEST_F(View3dTest, ColumnsPastTheEndDrawValueZero) {
  load(std::vector<int16_t>(130, 20000));  // slice 1 holds two frames
  draw(false);
  const auto all = lines();
  ASSERT_EQ(all.size(), static_cast<size_t>(2 * LINES_PER_SLICE));
  // Slice 1's zero line, with its tilt taken off the last line's end.
  const float n = 130.0f / 128.0f;
  const float qH = static_cast<float>(H / 4);
  const float z = static_cast<float>(Y2 - 2) - qH - (static_cast<float>(H / 2) / n);
  const float slope = (qH / 2.0f) / static_cast<float>(W / 2);
  const float tilt = static_cast<float>(W / 2 - 5 - 2) * slope;
  EXPECT_FLOAT_EQ(all.back().args[3], static_cast<float>(TruncToInt(z)) + tilt);
}

TEST_F(View3dTest, OddSizesAreClampedNotFatal) {
  TVoice& voice = load(ramp(1000, 0, 20), 2);
  voice.SegmentSize = 0;
  voice.SegmentStep = -4;
  voice.Spacing3d = 500.0f;
  voice.WindowStart = -50;
  bank->Display3d(V, S, X, Y, 8, 30, X2, Y2, 0, 0, 0);
  bank->Display3dTrue(V, S, X, Y, 8, 30, X2, Y2, 0, 0, 0);
  voice.SegmentSize = 64;
  voice.SegmentStep = 1;
  EXPECT_EQ(draw(true), 0);
  for (const auto& c : lines())
    for (float a : c.args) EXPECT_TRUE(std::isfinite(a));
}

}  // namespace
