// The shapes through the recording backend: corner and circle points, gradient colours
// per vertex (master alpha, channels modulo 256), the texturing switches, frames and grids.
#include "framework/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "framework/drawstate.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/recordingbackend.h"

namespace {

using Calls = std::vector<TDrawCall>;
using Rgba = std::tuple<int, int, int, int>;
using Rgb = std::tuple<int, int, int>;

struct Point {
  float x, y;
};

// The point at an angle on a circle, worked out here from the angle in radians.
Point OnCircle(double cx, double cy, double r, double degrees) {
  const double a = degrees * 3.14159265358979323846 / 180.0;
  return {static_cast<float>(cx + r * std::cos(a)), static_cast<float>(cy + r * std::sin(a))};
}

Rgba ColourOf(const TImmediateVertex& v) {
  return {static_cast<int>(std::lround(v.red * 255)), static_cast<int>(std::lround(v.green * 255)),
          static_cast<int>(std::lround(v.blue * 255)), static_cast<int>(std::lround(v.alpha * 255))};
}

Rgb ColourOf(const TDrawState& s) { return {s.red, s.green, s.blue}; }

std::vector<float> LineEnds(const TDrawCall& c) { return {c.args[0], c.args[1], c.args[2], c.args[3]}; }

class ShapesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDrawState();
    SetDrawBackend(&recorder);
    MAlpha(1.0f);
    MSetCols(250, 10, 20, 255, 30, 40, 200, 255);
  }
  void TearDown() override {
    SetDrawBackend(nullptr);
    ResetDrawState();
    MAlpha(1.0f);
    MSetCols(255, 255, 255, 255, 255, 255, 255, 255);
  }
  Calls Immediate() const { return recorder.CallsOf(TDrawCallKind::Immediate); }
  Calls Lines() const { return recorder.CallsOf(TDrawCallKind::Line); }
  Calls Rects() const { return recorder.CallsOf(TDrawCallKind::Rect); }

  // Vertex i lies at p.
  static void ExpectAt(const std::vector<TImmediateVertex>& v, size_t i, Point p) {
    ASSERT_LT(i, v.size());
    EXPECT_NEAR(v[i].x, p.x, 1e-3) << "vertex " << i;
    EXPECT_NEAR(v[i].y, p.y, 1e-3) << "vertex " << i;
  }

  TRecordingBackend recorder{640, 480};
  const Rgba top{250, 10, 20, 255};
  const Rgba bottom{30, 40, 200, 255};
};

TEST_F(ShapesTest, RoundRectCornersInThirtyDegreeStepsAroundAnInnerFirstVertex) {
  MRoundRect(10, 20, 100, 40, 6, 8, 10, 12);
  const Calls prims = Immediate();
  ASSERT_EQ(prims.size(), 1u);
  EXPECT_EQ(prims[0].primitive.mode, GL_POLYGON);
  EXPECT_FALSE(prims[0].state.texturing);
  EXPECT_TRUE(CurrentDrawState().texturing);  // switched back on after
  const std::vector<TImmediateVertex>& v = prims[0].primitive.vertices;
  ASSERT_EQ(v.size(), 21u);
  // The top-right centre first, each corner's radius its own, the top edge closing.
  ExpectAt(v, 0, {102, 28});
  ExpectAt(v, 2, OnCircle(102, 28, 8, 300));
  ExpectAt(v, 8, OnCircle(100, 50, 10, 60));
  ExpectAt(v, 14, OnCircle(22, 48, 12, 180));
  ExpectAt(v, 17, OnCircle(16, 26, 6, 210));
  ExpectAt(v, 20, {102, 20});
  // Colour 1 on the top half's vertices, colour 2 on the bottom half's.
  for (size_t i = 0; i < v.size(); ++i)
    EXPECT_EQ(ColourOf(v[i]), i >= 5 && i < 15 ? bottom : top) << "vertex " << i;
}

TEST_F(ShapesTest, GradientRectanglesPutEachColourOnItsSide) {
  struct Case {
    const char* name;
    void (*draw)();
    bool switchesTexturing;  // off for the shape, on again after it
  };
  // Each rectangle spans 10..50 x 20..80; colour 1 must lie on the top (vertical) or the
  // left (horizontal) side, colour 2 on the other.
  const std::vector<std::pair<Case, bool>> cases = {
      {{"MRectFade", [] { MRectFade(10, 20, 40, 60); }, false}, true},
      {{"MFadeRect", [] { MFadeRect(10, 20, 40, 60); }, false}, true},
      {{"MRectHFade", [] { MRectHFade(10, 20, 40, 60); }, false}, false},
      {{"MFadeHRect", [] { MFadeHRect(10, 20, 40, 60); }, false}, false},
      {{"MRectH", [] { MRectH(10, 20, 40, 60); }, true}, false},
  };
  for (const auto& [c, vertical] : cases) {
    recorder.Clear();
    glDisable(GL_TEXTURE_2D);
    c.draw();
    const Calls prims = Immediate();
    ASSERT_EQ(prims.size(), 1u) << c.name;
    EXPECT_EQ(prims[0].primitive.mode, GL_POLYGON) << c.name;
    EXPECT_EQ(CurrentDrawState().texturing, c.switchesTexturing) << c.name;
    const std::vector<TImmediateVertex>& v = prims[0].primitive.vertices;
    ASSERT_GE(v.size(), 4u) << c.name;
    for (const TImmediateVertex& p : v) {
      const bool near = vertical ? p.y == 20 : p.x == 10;
      EXPECT_EQ(ColourOf(p), near ? top : bottom) << c.name << " " << p.x << "," << p.y;
      EXPECT_TRUE((p.x == 10 || p.x == 50) && (p.y == 20 || p.y == 80)) << c.name;
    }
  }
  // MRectH's polygon repeats its top-right corner, in colour 2.
  const std::vector<TImmediateVertex> h = Immediate().at(0).primitive.vertices;
  ASSERT_EQ(h.size(), 5u);
  EXPECT_EQ(std::tuple(h[3].x, h[3].y, h[4].x, h[4].y), std::tuple(50.0f, 20.0f, 50.0f, 20.0f));
}

TEST_F(ShapesTest, GradientAlphaIsScaledByTheMasterAlphaAndTakenModulo256) {
  MAlpha(0.5f);
  MSetCols(255, 0, 0, 255, 0, 0, 255, 200);
  MRectFade(0, 0, 10, 10);
  const std::vector<TImmediateVertex> v = Immediate().at(0).primitive.vertices;
  EXPECT_EQ(ColourOf(v[0]), (Rgba{255, 0, 0, 127}));
  EXPECT_EQ(ColourOf(v[2]), (Rgba{0, 0, 255, 100}));

  recorder.Clear();
  MSetCols(256 + 7, -1, 255, 0, 0, 0, 0, 0);
  MAlpha2(0.0f, 300.0f);
  MRectFade(0, 0, 10, 10);
  const std::vector<TImmediateVertex> w = Immediate().at(0).primitive.vertices;
  EXPECT_EQ(ColourOf(w[0]), (Rgba{7, 255, 255, 0}));
  EXPECT_EQ(ColourOf(w[2]), (Rgba{0, 0, 0, 44}));
}

TEST_F(ShapesTest, FrameCoversExactlyFromXToXPlusWMinusOne) {
  SetColor(1, 2, 3);
  MFrame(10, 10, 1, 1);
  Calls lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  for (const TDrawCall& l : lines) {
    EXPECT_EQ(l.args, (std::vector<float>{10, 10, 10, 10, 1}));  // the single pixel, last pixel on
    EXPECT_EQ(ColourOf(l.state), (Rgb{1, 2, 3}));
  }
  recorder.Clear();
  MFrame(5, 6, 20, 10);
  lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(LineEnds(lines[0]), (std::vector<float>{5, 6, 24, 6}));
  EXPECT_EQ(LineEnds(lines[1]), (std::vector<float>{24, 6, 24, 15}));
  EXPECT_EQ(LineEnds(lines[2]), (std::vector<float>{24, 15, 5, 15}));
  EXPECT_EQ(LineEnds(lines[3]), (std::vector<float>{5, 15, 5, 6}));
  for (const TDrawCall& l : lines) EXPECT_EQ(l.args[4], 1.0f);
}

TEST_F(ShapesTest, AlphaGridAlternatesByRowAndClipsTheLastCells) {
  MAlphaGrid(0, 0, 25, 15, 10);
  const Calls rects = Rects();
  ASSERT_EQ(rects.size(), 6u);
  const std::vector<std::vector<float>> boxes = {{1, 0, 10, 10}, {11, 0, 10, 10}, {21, 0, 4, 10},
                                                 {1, 10, 10, 5}, {11, 10, 10, 5}, {21, 10, 4, 5}};
  const std::vector<int> greys = {128, 200, 128, 200, 128, 200};
  for (size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].args, boxes[i]) << i;
    EXPECT_EQ(ColourOf(rects[i].state), (Rgb{greys[i], greys[i], greys[i]})) << i;
  }

  // Smaller than one cell: one clipped cell still.
  recorder.Clear();
  MAlphaGrid(2.5f, 3.75f, 4, 5, 8);
  ASSERT_EQ(Rects().size(), 1u);
  EXPECT_EQ(Rects()[0].args, (std::vector<float>{3, 3, 3.5f, 5.75f}));
}

TEST_F(ShapesTest, AlphaGridWithoutAUsableCellEnds) {
  for (float cell : {0.0f, -4.0f, std::numeric_limits<float>::quiet_NaN()}) {
    recorder.Clear();
    MAlphaGrid(0, 0, 100, 100, cell);
    EXPECT_TRUE(recorder.Calls().empty()) << cell;
  }
  // Cells that truncation cannot move on, and limits no start reaches: finite all the same.
  recorder.Clear();
  MAlphaGrid(0, 0, 100, 100, 0.5f);
  EXPECT_EQ(Rects().size(), 1u);
  recorder.Clear();
  MAlphaGrid(0, 0, std::numeric_limits<float>::infinity(), 20, 1e9f);
  EXPECT_LE(Rects().size(), 4u);
}

TEST_F(ShapesTest, CircleJoinsPointsFiveDegreesApartEitherWayRound) {
  SetColor(5, 6, 7);
  MCircle(100, 50, 20, 0, 90);
  const Calls forward = Lines();
  recorder.Clear();
  MCircle(100, 50, 20, 90, 0);
  const Calls backward = Lines();
  // From 0 to 1, 6, ... 91: 19 lines, the same either way round.
  ASSERT_EQ(forward.size(), 19u);
  ASSERT_EQ(backward.size(), forward.size());
  for (size_t i = 0; i < forward.size(); ++i) EXPECT_EQ(forward[i].args, backward[i].args);
  const Point start = OnCircle(100, 50, 20, 0), end = OnCircle(100, 50, 20, 91);
  EXPECT_NEAR(forward[0].args[0], start.x, 1e-3);
  EXPECT_NEAR(forward[18].args[2], end.x, 1e-3);
  EXPECT_NEAR(forward[18].args[3], end.y, 1e-3);
  EXPECT_EQ(ColourOf(forward[0].state), (Rgb{5, 6, 7}));
  // An arc of no span still joins its start to one degree on.
  recorder.Clear();
  MCircle(0, 0, 10, 45, 45);
  EXPECT_EQ(Lines().size(), 1u);
  recorder.Clear();
  MAngleLine(10, 10, 20, 90);  // 90 degrees points down
  EXPECT_NEAR(Lines().at(0).args[2], 10, 1e-3);
  EXPECT_NEAR(Lines().at(0).args[3], 30, 1e-3);
}

TEST_F(ShapesTest, PieOutlineBringsOnlyItsStartIntoRange) {
  MPie(50, 50, 10, 30, -30);  // swapped, then the start becomes 330 while the end stays 30
  Calls prims = Immediate();
  ASSERT_EQ(prims.size(), 1u);
  EXPECT_EQ(prims[0].primitive.mode, GL_LINE_STRIP);
  EXPECT_TRUE(prims[0].state.lineSmooth);
  EXPECT_FALSE(prims[0].state.texturing);
  ASSERT_EQ(prims[0].primitive.vertices.size(), 2u);
  ExpectAt(prims[0].primitive.vertices, 0, {50, 50});
  ExpectAt(prims[0].primitive.vertices, 1, {50, 50});
  EXPECT_FALSE(CurrentDrawState().lineSmooth);
  EXPECT_TRUE(CurrentDrawState().texturing);

  recorder.Clear();
  MPie(50, 50, 10, 0, 20);
  const std::vector<TImmediateVertex> v = Immediate().at(0).primitive.vertices;
  ASSERT_EQ(v.size(), 7u);  // the centre, 1, 6, 11, 16, 21, the centre
  for (int k = 0; k < 5; ++k) ExpectAt(v, 1 + k, OnCircle(50, 50, 10, 1 + 5 * k));
}

}  // namespace
