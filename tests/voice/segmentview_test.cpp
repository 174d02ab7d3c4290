// The segment views through the recording backend: the empty and past-the-end cases,
// cells past a short sample and the flat trace past the end.
#include "framework/palette.h"
#include "banktest.h"

namespace {

constexpr int X = 0, Y = 0, W = 500, H = 480;  // cells of 50 x 40 pixels
constexpr int CELL_COLUMNS = 50 - 5 - 1;        // trace columns 2 .. int(cw - 5)

class SegmentViewTest : public BankTest {
 protected:
  int grid(bool stereo = false) {
    recordDrawing();
    return stereo ? bank->DisplaySegmentsStereo(V, S, X, Y, W, H, W, H, 0, 0, 0)
                  : bank->DisplaySegments(V, S, X, Y, W, H, W, H, 0, 0, 0);
  }
  int single(bool stereo = false) {
    recordDrawing();
    return stereo ? bank->DisplaySegmentStereo(V, S, X, Y, 200, 100, 200, 100, 0, 0, 0)
                  : bank->DisplaySegment(V, S, X, Y, 200, 100, 200, 100, 0, 0, 0);
  }
  // The highlighted fills (AppHL at alpha 0.3).
  std::vector<TDrawCall> currentFills() const {
    std::vector<TDrawCall> out;
    for (const auto& r : rects())
      if (r.state.alpha == 0.3f && colour(r, AppHL.r, AppHL.g, AppHL.b)) out.push_back(r);
    return out;
  }
};

TEST_F(SegmentViewTest, EmptySlotDrawsNothing) {
  EXPECT_EQ(grid(), 1);
  EXPECT_EQ(single(true), 1);
  EXPECT_TRUE(recorder.Calls().empty());
}

// Cell k of the 10 x 12 grid stands at x 50 (k mod 10) + 2.
TEST_F(SegmentViewTest, GridMarksTheWindowsSegmentAndThePlayhead) {
  TVoice& voice = load(std::vector<int16_t>(20 * 128, 1000));
  voice.WindowStart = 300;  // between segments 2 and 3: the later one is current
  grid();
  ASSERT_EQ(currentFills().size(), 1u);
  EXPECT_EQ(currentFills()[0].args[0], 3 * 50 + 2.0f);
  EXPECT_EQ(voice.CurrSegment, 3);
  const auto red = linesIn(255, 40, 40);
  ASSERT_EQ(red.size(), static_cast<size_t>(CELL_COLUMNS));
  for (const auto& c : red) EXPECT_TRUE(c.args[0] >= 150.0f && c.args[2] <= 200.0f);
  EXPECT_TRUE(linesIn(255, 255, 0).empty());

  voice.WindowStart = 384;  // exactly on segment 3
  grid();
  EXPECT_EQ(currentFills()[0].args[0], 3 * 50 + 2.0f);
  voice.WindowStart = 500 * 128;  // past every cell: none current, the number kept
  grid();
  EXPECT_TRUE(currentFills().empty());
  EXPECT_EQ(voice.CurrSegment, 3);

  // One playhead, in the cell the play position falls in; that cell's trace turns
  // yellow from there on.
  const int position = playFor(V, S, 600)->GetPlayPosition();
  ASSERT_GT(position, 0);
  grid();
  std::vector<TDrawCall> playheads;
  for (const auto& c : linesIn(255, 255, 0))
    if (c.args[0] == c.args[2]) playheads.push_back(c);
  ASSERT_EQ(playheads.size(), 1u);
  const float cellLeft = static_cast<float>(50 * (position / 128 % 10));
  EXPECT_GE(playheads[0].args[0], cellLeft);
  EXPECT_LE(playheads[0].args[0], cellLeft + 50.0f);
  EXPECT_GT(linesIn(255, 255, 0).size(), 1u);
}

TEST_F(SegmentViewTest, SegmentPastTheEndShowsOnlyTheBackground) {
  TVoice& voice = load(std::vector<int16_t>(1000, 0));
  voice.CurrSegment = 8;  // 8 x 128 = 1024
  EXPECT_EQ(single(), 0);
  ASSERT_EQ(rects().size(), 1u);
  EXPECT_TRUE(colour(rects()[0], 30, 30, 30));
  EXPECT_TRUE(lines().empty());
}

TEST_F(SegmentViewTest, CellsPastAShortSampleStayBackground) {
  load(std::vector<int16_t>(20 * 128 - 1, 0));
  grid();
  EXPECT_EQ(rects().size(), 1u + 20u);  // background and 20 cell fills
  EXPECT_EQ(lines().size(), 20u * (4 + 1 + CELL_COLUMNS));
  grid(true);  // stereo grid over the same values: 10 frames' worth of cells, two traces
}

TEST_F(SegmentViewTest, TracePastTheEndIsFlatAtTheCentre) {
  TVoice& voice = load(std::vector<int16_t>(200, 20000));
  voice.CurrSegment = 1;  // 128 .. 256, the sample ends at 200
  single();
  const auto trace = linesIn(160, 160, 160);
  ASSERT_EQ(trace.size(), static_cast<size_t>(200 - 5 - 1));
  const float mid = static_cast<float>(Y - 2 + 100 / 2);
  EXPECT_EQ(trace.back().args[1], mid);
  EXPECT_EQ(trace.back().args[3], mid);
  EXPECT_LT(trace.front().args[3], mid);
}

}  // namespace
