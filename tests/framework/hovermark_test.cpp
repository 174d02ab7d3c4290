// The hover mark's branches through the recording backend (none, flash, highlight
// switched off) and the square point test.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/palette.h"
#include "platform/draw2d.h"
#include "platform/recordingscreen.h"

namespace {

using Rgb = std::tuple<int, int, int>;
using Box = std::tuple<int, int, int, int>;

Box ViewportOf(const TDrawState& s) {
  return {s.viewportX, s.viewportY, s.viewportWidth, s.viewportHeight};
}

class HoverMarkTest : public ::testing::Test {
 protected:
  void TearDown() override {
    g_fAlpha = 1.0f;
    AppControlFlash = 0;
    AppShowCtrlHighlight = 1;
    AppFlashX = AppFlashY = -1;
  }
  TRecordingScreen recorder;
};

TEST_F(HoverMarkTest, WithoutTheLiveFlagOnlyTheAlphaIsSetBack) {
  g_fAlpha = 0.6f;
  SetAlpha(0.1f);
  MCheckOver(10, 20, 30, 40, 0);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_FLOAT_EQ(GetAlpha(), 0.6f);
  EXPECT_FALSE(CurrentDrawState().viewportSet);
}

TEST_F(HoverMarkTest, WithTheHighlightOffItClipsAndColoursButDrawsNothing) {
  AppShowCtrlHighlight = 0;
  MCheckOver(10, 20, 30, 40, 1);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(ViewportOf(CurrentDrawState()), Box(10, 20, 30, 40));
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(Rgb(r, g, b), Rgb(AppHL.GetRed(), AppHL.GetGreen(), AppHL.GetBlue()));
  // A flash is drawn all the same.
  AppControlFlash = 1;
  MCheckOver(10, 20, 30, 40, 1);
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Rect).size(), 1u);
}

TEST(CircHitTest, TheTestIsAStrictSquareNotACircle) {
  EXPECT_EQ(MCheckCircHit(10, 10, 5, 15, 10), 0);  // on the edge
  EXPECT_EQ(MCheckCircHit(10, 10, 5, 5, 10), 0);
  EXPECT_EQ(MCheckCircHit(10, 10, 5, 10, 15), 0);
  EXPECT_EQ(MCheckCircHit(10, 10, 5, 14, 14), 1);  // a corner, outside the circle
  EXPECT_EQ(MCheckCircHit(10, 10, 5, 6, 6), 1);
  EXPECT_EQ(MCheckCircHit(10, 10, 0, 10, 10), 0);
  EXPECT_EQ(MCheckCircHit(INT_MAX, INT_MIN, INT_MAX, 0, 0), 0);  // no overflow
  EXPECT_EQ(MCheckCircHit(INT_MAX, 0, 10, INT_MAX - 9, 0), 1);
}

TEST_F(HoverMarkTest, AFlashFillsTheBoxAndFramesItWithWideLines) {
  for (int flash : {1, 3, 7}) {
    recorder.Clear();
    AppControlFlash = flash;
    g_fAlpha = 0.5f;
    MCheckOver(-10, 20, 31, 41, 1);
    EXPECT_EQ(std::tuple(AppFlashX, AppFlashY), std::tuple(5, 40));
    const std::vector<TDrawCall> rects = recorder.CallsOf(TDrawCallKind::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args, (std::vector<float>{-10, 20, 31, 41}));
    EXPECT_FLOAT_EQ(rects[0].state.alpha, 0.25f);
    const std::vector<TDrawCall> lines = recorder.CallsOf(TDrawCallKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (const TDrawCall& c : lines)
      EXPECT_EQ(std::tuple(c.state.lineWidth, c.state.alpha), std::tuple(5.0f, 1.0f));
    EXPECT_EQ(GetLineWidth(), 1.0f);
    EXPECT_EQ(GetAlpha(), 1.0f);
  }
  // 2 is no flash: the triple frame, even with the flash state set.
  recorder.Clear();
  AppControlFlash = 2;
  MCheckOver(0, 0, 10, 10, 1);
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Rect).empty());
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Line).size(), 12u);
}

}  // namespace
