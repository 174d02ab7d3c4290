// The 3D views through the recording backend: the density limit, slice counts and
// colours, the playhead, values past the end, and the projection's response to the
// pointer.
#include "platform/numbers.h"
#include "viewtest.h"

namespace {

constexpr int X = 0, Y = 0, W = 212, H = 200, X2 = W, Y2 = H;
constexpr int LINES_PER_SLICE = (W / 2 - 5) - 1;  // columns 2 .. trunc(halfW - 5)

class View3dTest : public ViewTest {
 protected:
  int draw(bool projected) {
    recorder.Clear();
    return projected ? bank.Display3dTrue(V, S, X, Y, W, H, X2, Y2, 0, 0, 0)
                     : bank.Display3d(V, S, X, Y, W, H, X2, Y2, 0, 0, 0);
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

TEST_F(View3dTest, TheSliceAtTheWindowStartIsRed) {
  TVoice& voice = load(std::vector<int16_t>(10 * 128, 0));
  draw(false);
  auto all = lines();
  ASSERT_EQ(all.size(), static_cast<size_t>(10 * LINES_PER_SLICE));
  EXPECT_TRUE(colour(all[0], 255, 40, 40));
  EXPECT_TRUE(colour(all[LINES_PER_SLICE], 160, 160, 160));
  voice.WindowStart = 200;  // between the starts 128 and 256: the later slice
  draw(false);
  all = lines();
  EXPECT_EQ(linesIn(255, 40, 40).size(), static_cast<size_t>(LINES_PER_SLICE));
  EXPECT_TRUE(colour(all[2 * LINES_PER_SLICE], 255, 40, 40));
  EXPECT_TRUE(colour(all[2 * LINES_PER_SLICE - 1], 160, 160, 160));
}

TEST_F(View3dTest, PlayheadTurnsTheRestOfItsSliceYellowOnce) {
  load(std::vector<int16_t>(10 * 128, 0));
  draw(false);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
  channel->playing = 1;
  channel->position = 300;  // inside slice 2
  draw(false);
  const auto all = lines();
  int verticals = 0;
  for (const auto& c : linesIn(255, 255, 0))
    if (c.args[0] == c.args[2]) ++verticals;
  EXPECT_EQ(verticals, 1);
  // The slice after it takes its own colour again; the slice's last line is yellow.
  EXPECT_TRUE(colour(all[3 * LINES_PER_SLICE + 1], 160, 160, 160));
  EXPECT_TRUE(colour(all[3 * LINES_PER_SLICE], 255, 255, 0));
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

TEST_F(View3dTest, WithoutPitchTheValuesDoNotMoveTheProjection) {
  TVoice& voice = load(std::vector<int16_t>(4 * 128, 0));
  voice.Mouse3dX = W / 4;
  voice.Mouse3dY = H;
  draw(true);
  ASSERT_NE(textCall("Click and drag with the mouse to change the angle of view, Press Shift+mouse to alter the spacing."),
            nullptr);
  const auto flat = lines();
  load(ramp(4 * 128, -20000, 80));
  bank.SlotVoice(V, S)->Mouse3dX = W / 4;
  bank.SlotVoice(V, S)->Mouse3dY = H;
  draw(true);
  const auto loud = lines();
  ASSERT_EQ(flat.size(), loud.size());
  for (size_t i = 0; i < flat.size(); ++i) EXPECT_EQ(flat[i].args, loud[i].args);
  // With the default pitch of 144 degrees the values do move it.
  bank.SlotVoice(V, S)->Mouse3dY = 0;
  draw(true);
  EXPECT_NE(lines()[5].args, flat[5].args);
}

TEST_F(View3dTest, OddSizesAreClampedNotFatal) {
  TVoice& voice = load(ramp(1000, 0, 20), 2);
  voice.SegmentSize = 0;
  voice.SegmentStep = -4;
  voice.Spacing3d = 500.0f;
  voice.WindowStart = -50;
  bank.Display3d(V, S, X, Y, 8, 30, X2, Y2, 0, 0, 0);
  bank.Display3dTrue(V, S, X, Y, 8, 30, X2, Y2, 0, 0, 0);
  voice.SegmentSize = 64;
  voice.SegmentStep = 1;
  EXPECT_EQ(draw(true), 0);
  for (const auto& c : lines())
    for (float a : c.args) EXPECT_TRUE(std::isfinite(a));
}

}  // namespace
