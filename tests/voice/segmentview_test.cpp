// The segment views through the recording backend: the empty and past-the-end cases,
// which cell is current (and CurrSegment), cells past a short sample, the playhead,
// flat trace past the end and the stereo traces.
#include "framework/palette.h"
#include "viewtest.h"

namespace {

constexpr int X = 0, Y = 0, W = 500, H = 480;  // cells of 50 x 40 pixels
constexpr int CELL_COLUMNS = 50 - 5 - 1;        // trace columns 2 .. int(cw - 5)

class SegmentViewTest : public ViewTest {
 protected:
  int grid(bool stereo = false) {
    recorder.Clear();
    return stereo ? bank.DisplaySegmentsStereo(V, S, X, Y, W, H, W, H, 0, 0, 0)
                  : bank.DisplaySegments(V, S, X, Y, W, H, W, H, 0, 0, 0);
  }
  int single(bool stereo = false) {
    recorder.Clear();
    return stereo ? bank.DisplaySegmentStereo(V, S, X, Y, 200, 100, 200, 100, 0, 0, 0)
                  : bank.DisplaySegment(V, S, X, Y, 200, 100, 200, 100, 0, 0, 0);
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

TEST_F(SegmentViewTest, SegmentPastTheEndShowsOnlyTheBackground) {
  TVoice& voice = load(std::vector<int16_t>(1000, 0));
  voice.CurrSegment = 8;  // 8 x 128 = 1024
  EXPECT_EQ(single(), 0);
  ASSERT_EQ(rects().size(), 1u);
  EXPECT_TRUE(colour(rects()[0], 30, 30, 30));
  EXPECT_TRUE(lines().empty());
}

TEST_F(SegmentViewTest, WindowStartChoosesTheCurrentCell) {
  TVoice& voice = load(std::vector<int16_t>(20 * 128, 0));
  voice.WindowStart = 256;
  grid();
  ASSERT_EQ(currentFills().size(), 1u);
  EXPECT_EQ(currentFills()[0].args[0], X + 2 + 2 * 50);
  EXPECT_EQ(voice.CurrSegment, 2);
  voice.WindowStart = 300;  // strictly between two starts: the later one
  grid();
  ASSERT_EQ(currentFills().size(), 1u);
  EXPECT_EQ(currentFills()[0].args[0], X + 2 + 3 * 50);
  EXPECT_EQ(voice.CurrSegment, 3);
  voice.WindowStart = 12 * 128;  // second row, third cell
  grid();
  ASSERT_EQ(currentFills().size(), 1u);
  EXPECT_EQ(currentFills()[0].args[1], Y + 2 + 40);
  voice.WindowStart = 130 * 128;  // beyond every drawn cell
  voice.CurrSegment = 55;
  grid();
  EXPECT_TRUE(currentFills().empty());
  EXPECT_EQ(voice.CurrSegment, 55);
}

TEST_F(SegmentViewTest, CellsPastAShortSampleStayBackground) {
  load(std::vector<int16_t>(20 * 128 - 1, 0));
  grid();
  EXPECT_EQ(rects().size(), 1u + 20u);  // background and 20 cell fills
  EXPECT_EQ(lines().size(), 20u * (4 + 1 + CELL_COLUMNS));
  grid(true);  // stereo grid over the same values: 10 frames' worth of cells, two traces
}

TEST_F(SegmentViewTest, OnePlayheadInTheFirstCellThatPassesIt) {
  load(std::vector<int16_t>(20 * 128, 0));
  channel->playing = 1;
  channel->position = 300;
  grid();
  int verticals = 0;
  for (const auto& c : linesIn(255, 255, 0))
    if (c.args[0] == c.args[2]) ++verticals;
  EXPECT_EQ(verticals, 1);
  channel->playing = 0;
  grid();
  EXPECT_TRUE(linesIn(255, 255, 0).empty());
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

TEST_F(SegmentViewTest, StereoSingleViewZigZagsAndTheGridDrawsTwoTraces) {
  std::vector<int16_t> values(2 * 20 * 128);
  for (size_t i = 0; i < values.size(); ++i) values[i] = (i % 2) ? -20000 : 20000;
  load(values, 2);
  single(true);
  const auto trace = linesIn(255, 40, 40);  // segment 0 is current
  ASSERT_EQ(trace.size(), static_cast<size_t>(200 - 5 - 1));
  bool zigzag = false;
  for (const auto& c : trace)
    if (c.args[1] != c.args[3]) zigzag = true;
  EXPECT_TRUE(zigzag);
  grid(true);
  EXPECT_EQ(lines().size(), 20u * (4 + 1 + 2 * CELL_COLUMNS));
  // Left values above the row's centre, right values below it.
  const auto red = linesIn(255, 40, 40);
  ASSERT_EQ(red.size(), static_cast<size_t>(2 * CELL_COLUMNS));
  EXPECT_LT(red[0].args[3], 40.0f / 2.0f);
  EXPECT_GT(red[1].args[3], 40.0f / 2.0f);
}

}  // namespace
