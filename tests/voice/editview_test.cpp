// The edit views through the recording backend: the cursor with its texts and the
// time-frame fields, the cross-fade marker and its error, and the stereo hand-over.
#include "platform/numbers.h"
#include "banktest.h"

namespace {

constexpr int X = 10, Y = 20, W = 102, H = 64, X2 = X + W, Y2 = Y + H;

class EditViewTest : public BankTest {
 protected:
  int draw(int zoomed, int cursor, int decorate = 1) {
    recordDrawing();
    return bank->Display2DEdit(V, S, X, Y, W, H, X2, Y2, zoomed, 0, 0, 255, cursor, decorate);
  }
};

TEST_F(EditViewTest, CursorShowsPositionAndValueAndSetsTheTimeFrame) {
  std::vector<int16_t> values(1000, 0);
  values[230] = -56;
  load(values);
  EXPECT_EQ(draw(1, 225), 0);  // steps of 10: the first column at or past 225 is at 230
  const TDrawCall* pos = textCall("Pos:230");
  const TDrawCall* val = textCall("Val:-56");
  ASSERT_NE(pos, nullptr);
  ASSERT_NE(val, nullptr);
  // Column i = 24 (position 230) at c = x + 24.
  EXPECT_EQ(pos->args, (std::vector<float>{X + 24 + 5, Y2 - 32}));
  EXPECT_EQ(val->args, (std::vector<float>{X + 24 + 5, Y2 - 16}));
  ASSERT_EQ(verticalsAt(X + 23).size(), 1u);
  EXPECT_TRUE(colour(verticalsAt(X + 23)[0], 255, 255, 255));
  ASSERT_EQ(verticalsAt(X + 24).size(), 1u);
  EXPECT_TRUE(colour(verticalsAt(X + 24)[0], 0, 0, 0));
  EXPECT_EQ(bank->ActualTimeFrame, 230);
  EXPECT_EQ(bank->ActualTimeFramePos, 23);
  EXPECT_EQ(bank->GetTimeFrame(V, S), 230);
}

TEST_F(EditViewTest, CrossFadeInsideTheLoopIsGreenOutsideItRedWithError) {
  TVoice& voice = load(std::vector<int16_t>(1000, 0));
  voice.LoopStart = 400;
  voice.LoopEnd = 800;
  voice.LoopXFade = 600;
  draw(1, 5000);
  ASSERT_NE(textCall("XFade"), nullptr);
  EXPECT_EQ(textCall("Error"), nullptr);
  // Cross-fade line at c - 1 for the first column at 600 (c = x + 61); loop band ends
  // at the column of 800 (c = x + 81), so lx = x + 82.
  bool fadeLine = false;
  for (const auto& c : verticalsAt(X + 60))
    if (colour(c, 0, 200, 0) && c.args[1] == Y && c.args[3] == Y2) fadeLine = true;
  EXPECT_TRUE(fadeLine);
  bool cross = false;
  for (const auto& c : linesIn(0, 200, 0))
    if (c.args == std::vector<float>{X + 60, Y + 1, X + 82, Y2 - 1, 1}) cross = true;
  EXPECT_TRUE(cross);

  voice.LoopXFade = 900;
  draw(1, 5000);
  ASSERT_NE(textCall("Error"), nullptr);
  bool redCross = false;
  for (const auto& c : linesIn(200, 0, 0))
    if (c.args == std::vector<float>{X + 82, Y + 1, X + 90, Y2 - 1, 1}) redCross = true;
  EXPECT_TRUE(redCross);

  voice.LoopXFade = 0;
  draw(1, 5000);
  EXPECT_EQ(textCall("XFade"), nullptr);
  EXPECT_TRUE(linesIn(0, 200, 0).empty());
}

TEST_F(EditViewTest, StereoSamplesDrawTwoLanesAndReturnOne) {
  TVoice& voice = load(std::vector<int16_t>(2000, 0), 2);
  voice.HighlightStart = 0;
  EXPECT_EQ(draw(1, 250), 1);
  size_t segments = 0;
  for (const auto& c : lines())
    if (c.args[2] == c.args[0] + 1.0f) ++segments;
  EXPECT_EQ(segments, 200u);
  EXPECT_TRUE(texts().size() == 2u);  // only the range start marker's texts: no cursor text
  // The cursor (frame 250, value 500) lands on the same column as in the mono form.
  ASSERT_EQ(verticalsAt(X + 26).size(), 1u);
  EXPECT_TRUE(colour(verticalsAt(X + 26)[0], 0, 0, 0));
  voice.EditWindowEnd = 5000;  // an edit window past the end reads nothing beyond it
  voice.EditWindowStart = 900;
  recordDrawing();
  EXPECT_EQ(bank->Display2DEditStereo(V, S, X, Y, W, H, X2, Y2, 1, 0, 0, 255, 0, 1), 0);
  EXPECT_EQ(bank->Display2DBeatSliceStereo(V, S, X, Y, W, H, X2, Y2, 1, 0, 0, 255, 0, 1), 0);
}

}  // namespace
