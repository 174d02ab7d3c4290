// DrawControl through the recording backend: draw types without a renderer (outside the
// table, the group markers, the unused numbers) draw nothing but still take the common
// steps, and application-drawn controls get their hover mark only when they take part
// in the live control.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "framework/drawtypes.h"
#include "framework/windowtesting.h"
#include "platform/draw2d.h"
#include "platform/recordingscreen.h"

namespace {

// A control of the given draw type four cells wide at column x of the page.
TMControl& Add(DrawnPage& p, int drawType, float x, int live = 1) {
  return p.Add({.drawType = drawType, .x = x, .w = 4, .y = 1, .h = 3, .live = live});
}

class DrawControlTest : public ::testing::Test {
 protected:
  void TearDown() override { g_fAlpha = 1.0f; }

  // Only what DrawControl draws from here on is kept.
  void Draw(DrawnPage& p, TMControl& c, int drawType) {
    recorder.Clear();
    p.DrawControl(&c, drawType);
  }

  TRecordingScreen recorder;
};

TEST_F(DrawControlTest, KindsWithoutARendererDrawNothingButTakeTheCommonSteps) {
  DrawnPage p;
  TMControl& c = Add(p, 1, 0);
  // Outside the table, and the group markers, never have a renderer.
  for (int drawType : {-5, -1, 71, 72, kFrameworkDrawTypes, kFrameworkDrawTypes + 5, 99999})
    EXPECT_EQ(DrawTypeRenderer(drawType), nullptr) << drawType;
  size_t drawn = 0;
  for (int drawType = -5; drawType <= kFrameworkDrawTypes + 5; ++drawType) {
    if (DrawTypeRenderer(drawType) != nullptr) continue;
    Draw(p, c, drawType);
    ++drawn;
    EXPECT_TRUE(recorder.Calls().empty()) << drawType;
  }
  Draw(p, c, 99999);
  ++drawn;
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_TRUE(p.customDraws.empty());
  // Each still took the common steps: its hook, its alpha and its clip.
  EXPECT_EQ(p.preDraws.size(), drawn);
  EXPECT_EQ(std::tuple(CurrentDrawState().viewportX, CurrentDrawState().viewportWidth),
            std::tuple(c.nX, c.nWidth));
}

TEST_F(DrawControlTest, AnApplicationDrawnLiveControlGetsTheHoverMark) {
  DrawnPage p;
  TMControl& live = Add(p, kDrawCustom, 0);
  TMControl& other = Add(p, kDrawCustom + 7, 10);
  ASSERT_EQ(p.PageActive[0], live.nArrayPos);
  Draw(p, live, live.nDrawType);
  const std::vector<TDrawCall> lines = recorder.CallsOf(TDrawCallKind::Line);
  ASSERT_EQ(lines.size(), 12u);  // the triple frame
  EXPECT_EQ(std::vector<float>(lines[0].args.begin(), lines[0].args.begin() + 4),
            (std::vector<float>{static_cast<float>(live.nX), static_cast<float>(live.nY),
                                static_cast<float>(live.nX + live.nWidth - 1),
                                static_cast<float>(live.nY)}));
  // Another control of the page is drawn with live 0: no mark.
  Draw(p, other, other.nDrawType);
  EXPECT_TRUE(recorder.Calls().empty());
  ASSERT_EQ(p.customDraws.size(), 2u);
  EXPECT_EQ(std::tuple(p.customDraws[0].live, p.customDraws[1].live), std::tuple(1, 0));
}

TEST_F(DrawControlTest, AControlThatTakesNoPartInTheLiveControlHasNoMark) {
  DrawnPage p;
  TMControl& c = Add(p, kDrawCustom, 0, 0);
  p.PageActive[0] = c.nArrayPos;  // live all the same
  Draw(p, c, c.nDrawType);
  EXPECT_TRUE(recorder.Calls().empty());
  ASSERT_EQ(p.customDraws.size(), 1u);
  EXPECT_EQ(p.customDraws[0].live, 1);
}

}  // namespace
