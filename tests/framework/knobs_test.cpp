// The knob, fader, meter and slider kinds through the recording backend: the knob's
// angle and pointer corner, its column by alignment, the fader's margins, the level
// meter's square and the arrow slider's thumb at both ends of the range.
#include <gtest/gtest.h>

#include "framework/drawkinds.h"
#include "framework/rendertesting.h"
#include "framework/windowtesting.h"

namespace {

class KnobsTest : public RenderTest {
 protected:
  TestWindowLayer app;
  // A knob strip of two size x size frames in slot 0.
  void KnobStrip(int size) {
    PutImage(0, "knob.png", 2 * size, size);
    Images->nFWidth[0] = size;
  }
  // The knob's two image draws: the body, then the pointer.
  std::vector<TDrawCall> Knob(int x, int y, int w, int align, int size, int min, int max,
                              int pos) {
    recorder.Clear();
    EXPECT_EQ(app.DrawKnob(x, y, w, 60, 0, "knob", align, size, min, max, pos), 0);
    return Of(TDrawCallKind::Image);
  }
};

TEST_F(KnobsTest, AlignmentPicksTheKnobsColumn) {
  KnobStrip(20);
  struct Case {
    int align, column;
  };
  for (const Case& c : {Case{0, 100}, Case{2, 130}, Case{1, 160}, Case{3, 160}}) {
    const std::vector<TDrawCall> draws = Knob(100, 0, 80, c.align, 20, 0, 100, 0);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(BoxOf(draws[0]).x, c.column) << c.align;
    EXPECT_EQ(ViewportNow(), (Box{c.column, 0, 20, 60})) << c.align;
  }
}

TEST_F(KnobsTest, FaderThumbKeepsASixthOfItsHeightFromBothEnds) {
  PutImage(1, "thumb.png", 20, 60);
  auto thumbTop = [&](int pos) {
    recorder.Clear();
    app.DrawImageFader(0, 0, 20, 200, 1, 0, 100, pos);
    return BoxOf(Of(TDrawCallKind::Image).at(0)).y;
  };
  EXPECT_EQ(thumbTop(0), 200 - 60 - 10);
  EXPECT_EQ(thumbTop(100), 10);
  EXPECT_EQ(thumbTop(50), 130 - 60);
  recorder.Clear();
  app.DrawImageFader(0, 0, 20, 200, -1, 0, 100, 50);
  app.DrawImageFaderCol(0, 0, 20, 200, -1, 0, 100, 50);
  app.DrawImageFader(0, 0, 20, 200, 200, 0, 100, 50);  // a free slot
  EXPECT_TRUE(recorder.Calls().empty());
  // The colour variant cuts frame 0, half the image wide.
  app.DrawImageFaderCol(0, 0, 20, 200, 1, 0, 100, 0);
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_EQ(Of(TDrawCallKind::Image)[0].args[6], 10.0f);
}

TEST_F(KnobsTest, ArrowSliderThumbRunsFromTheLeftArrowToTheRightOne) {
  PutImage(2, "arrows.png", 48, 16);
  TMControl c;
  c.nX = 100;
  c.nWidth = 200;
  c.nX1 = 300;
  c.nHeight = 40;
  c.nYMid = 20;
  c.strText = "arrows.png";
  c.nMin = 10;
  c.nMax = 30;
  auto thumbX = [&](int pos) {
    c.nPos = pos;
    recorder.Clear();
    DrawArrowSliderKind(app, c, 40, 0, 0);
    const std::vector<TDrawCall> images = Of(TDrawCallKind::Image);
    EXPECT_EQ(images.size(), 3u);
    return images.empty() ? -1 : BoxOf(images.back()).x;
  };
  EXPECT_EQ(thumbX(10), 123);
  EXPECT_EQ(thumbX(30), 300 - 48);
  EXPECT_EQ(thumbX(20), 123 + ((300 - 43) - (100 + 28)) / 2);
}

TEST_F(KnobsTest, DistanceIsTheStraightLine) {
  EXPECT_FLOAT_EQ(app.GetDistance(0, 0, 0, 1, 2, 2), 3.0f);
  EXPECT_FLOAT_EQ(app.GetDistance(1, 2, 2, 0, 0, 0), 3.0f);
  EXPECT_FLOAT_EQ(app.GetDistance(-1, -1, -1, -1, -1, -1), 0.0f);
}

TEST_F(KnobsTest, PointerTurnsAboutTheKnobsCentreByTheValueItself) {
  KnobStrip(32);
  struct Case {
    int min, max, pos;
    float angle;
    int px, py;  // the pointer's top-left corner, which the rotation turns about
  };
  // Turning a square about its centre by 0, 90 and 180 degrees clockwise moves its
  // top-left corner to the top-left, top-right and bottom-right of the body.
  for (const Case& c : {Case{0, 100, 0, 0, 10, 20}, Case{0, 100, 25, 90, 42, 20},
                        Case{50, 150, 50, 180, 42, 52}}) {
    const std::vector<TDrawCall> draws = Knob(10, 20, 32, 0, 32, c.min, c.max, c.pos);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(BoxOf(draws[0]), (Box{10, 20, 32, 32}));
    EXPECT_EQ(draws[0].args[4], 32.0f);  // body: frame 1
    EXPECT_EQ(draws[0].state.rotation, 0.0f);
    EXPECT_EQ(BoxOf(draws[1]), (Box{c.px, c.py, 32, 32})) << c.pos;
    EXPECT_EQ(draws[1].args[4], 0.0f);  // pointer: frame 0
    EXPECT_EQ(draws[1].state.rotation, c.angle);
  }
  EXPECT_EQ(CurrentDrawState().rotation, 0.0f);
  // An empty range draws the pointer unturned rather than at an undefined angle.
  EXPECT_EQ(Knob(10, 20, 32, 0, 32, 5, 5, 3).at(1).state.rotation, 0.0f);
}

TEST_F(KnobsTest, LevelMeterSquareSitsOnTheValue) {
  TMControl c;
  c.nX = 10;
  c.nY = 0;
  c.nWidth = 20;
  c.nHeight = 120;
  c.nY1 = 120;
  c.nXMid = 20;
  c.nMax = 100;
  for (int pos : {0, 100}) {
    c.nPos = pos;
    recorder.Clear();
    DrawLevelMeterKind(app, c, 29, 0, 0);
    const std::vector<TDrawCall> rects = Of(TDrawCallKind::Rect);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(BoxOf(rects[0]), (Box{15, 10, 10, 100}));
    EXPECT_EQ(ColourOf(rects[0]), Rgb(75, 10, 10));
    const int top = pos == 0 ? 100 : 0;  // 100 pixels of travel
    EXPECT_EQ(BoxOf(rects[1]), (Box{10, top, 20, 20})) << pos;
    EXPECT_EQ(ColourOf(rects[1]), Rgb(255, 10, 10));
    EXPECT_EQ(BoxOf(rects[2]), (Box{12, top + 2, 16, 16}));
    EXPECT_EQ(ColourOf(rects[2]), Rgb(0, 0, 0));
    const std::vector<TDrawCall> texts = Of(TDrawCallKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, std::to_string(pos));
    EXPECT_EQ(ColourOf(texts[0]), Rgb(255, 255, 255));
    const float middle = texts[0].args[0] + TextWidth(texts[0].text) / 2.0f;
    EXPECT_NEAR(middle, 20.0f, 1.0f);
  }
}

}  // namespace
