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
#include "platform/recordingscreen.h"
#include "framework/raster.h"

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
    MAlpha(1.0f);
    MSetCols(250, 10, 20, 255, 30, 40, 200, 255);
  }
  void TearDown() override {
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

  // The recording as it would look, over a mid-grey background.
  TRaster Seen() const { return TRaster(recorder); }

  TRecordingScreen recorder;
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


// A span of lit pixels within one pixel of its expected ends.
void ExpectSpan(std::pair<int, int> seen, int first, int last, const char* what) {
  EXPECT_NEAR(seen.first, first, 1) << what;
  EXPECT_NEAR(seen.second, last, 1) << what;
}

Rgb Grey(int v) { return {v, v, v}; }
Rgb OverGrey(int colour, float alpha) { return Grey(TRaster::Over(128, colour, alpha)); }

TEST_F(ShapesTest, RoundFrameOutlinesEachCornerWithItsOwnRadius) {
  glColor4ub(0, 255, 0, 255);  // a colour of no vertex
  EXPECT_EQ(MRoundFrame(10, 10, 100, 60, 4, 8, 12, 16), 0);  // right edge x 110, bottom edge y 70
  const Calls prims = Immediate();
  ASSERT_EQ(prims.size(), 1u);
  EXPECT_TRUE(prims[0].state.lineSmooth);
  EXPECT_FALSE(prims[0].state.texturing);
  EXPECT_FALSE(CurrentDrawState().lineSmooth);
  EXPECT_TRUE(CurrentDrawState().texturing);
  const TRaster seen = Seen();
  // Each straight edge runs between the two corners' radii.
  ExpectSpan(seen.RowSpan(10), 14, 102, "top");
  ExpectSpan(seen.RowSpan(70), 26, 98, "bottom");
  ExpectSpan(seen.ColumnSpan(10), 14, 54, "left");
  ExpectSpan(seen.ColumnSpan(110), 18, 58, "right");
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{10, 10, 110, 70}));
  EXPECT_FALSE(seen.Lit(60, 40));  // an outline only
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_LE(std::get<1>(seen.At(x, y)), 128) << x << "," << y;
  // Colour 1 along the top, colour 2 along the bottom, both down the sides.
  EXPECT_EQ(seen.At(60, 10), (Rgb{250, 10, 20}));
  EXPECT_EQ(seen.At(60, 70), (Rgb{30, 40, 200}));
  for (const Rgb& side : {seen.At(10, 35), seen.At(110, 38)}) {
    EXPECT_NE(side, (Rgb{250, 10, 20}));
    EXPECT_NE(side, (Rgb{30, 40, 200}));
  }
}

TEST_F(ShapesTest, BevelLightsTheTopAndLeftUnlessPressedAtAThirdOfTheMasterAlpha) {
  MAlpha(0.5f);
  const Rgb light = OverGrey(255, 0.15f), dark = OverGrey(0, 0.15f);
  for (int pressed : {0, 1, 7}) {
    recorder.Clear();
    EXPECT_EQ(MFrame3d(10, 10, 20, 10, pressed), 0);  // edges: rows 10 and 19, columns 10 and 29
    const TRaster seen = Seen();
    const Rgb lit = pressed == 0 ? light : dark, shaded = pressed == 0 ? dark : light;
    EXPECT_EQ(seen.At(20, 10), lit) << pressed;
    EXPECT_EQ(seen.At(10, 15), lit) << pressed;
    EXPECT_EQ(seen.At(29, 15), shaded) << pressed;
    EXPECT_EQ(seen.At(20, 19), shaded) << pressed;
    EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{10, 10, 29, 19})) << pressed;
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f) << pressed;
  }
}

TEST_F(ShapesTest, NullBoxAndColourBoxFrameTheirFaceInNearBlack) {
  MAlpha(0.5f);  // neither follows the master alpha
  EXPECT_EQ(MNullBox(10, 10, 20, 20), 0);
  TRaster seen = Seen();
  const Rgb frame{10, 10, 10};
  for (const auto& [x, y] : {std::pair{20, 10}, {29, 20}, {20, 29}, {10, 20}, {15, 15}, {15, 25}, {25, 15}})
    EXPECT_EQ(seen.At(x, y), frame) << x << "," << y;  // the frame and both diagonals
  EXPECT_EQ(seen.At(20, 13), OverGrey(1, 0.1f));         // a faint face
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{10, 10, 30, 30}));
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);

  // A swatch at alpha 102 of 255 over the checkerboard, whose cells start one pixel in.
  const Rgb colour{200, 40, 60};
  for (int a : {255, 102}) {
    recorder.Clear();
    EXPECT_EQ(MColorBox(10, 10, 20, 20, 5, 200, 40, 60, a), 0);
    seen = Seen();
    const float f = a / 255.0f;
    auto onGrey = [&](int grey) {
      return Rgb{TRaster::Over(grey, 200, f), TRaster::Over(grey, 40, f), TRaster::Over(grey, 60, f)};
    };
    EXPECT_EQ(seen.At(12, 12), onGrey(128)) << a;
    EXPECT_EQ(seen.At(17, 12), onGrey(200)) << a;
    EXPECT_EQ(seen.At(12, 17), onGrey(200)) << a;
    EXPECT_EQ(seen.At(20, 10), frame) << a;
    EXPECT_EQ(seen.At(29, 20), frame) << a;
    EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{10, 10, 29, 29})) << a;
    if (a == 255) {
      EXPECT_EQ(seen.At(20, 20), colour);
    }
  }
}

TEST_F(ShapesTest, FilledCircleIsADiscInTheCurrentColourAndAlpha) {
  SetColor(200, 100, 0);
  SetAlpha(0.5f);
  glColor4ub(0, 0, 255, 255);  // the 2D module's colour rules, not GL's
  EXPECT_EQ(MFilledCircle(50, 50, 10), 0);
  const TRaster seen = Seen();
  const float alpha = 127 / 255.0f;  // the alpha truncated to a byte
  EXPECT_EQ(seen.At(50, 50), (Rgb{TRaster::Over(128, 200, alpha), TRaster::Over(128, 100, alpha),
                                  TRaster::Over(128, 0, alpha)}));
  ExpectSpan(seen.RowSpan(50), 40, 59, "across");
  ExpectSpan(seen.ColumnSpan(50), 40, 59, "down");
  ExpectSpan(seen.RowSpan(43), 43, 56, "near the top");  // round, not square
}

TEST_F(ShapesTest, DiamondsAndTrianglesAboutTheirCentre) {
  const Rgb edge{170, 170, 170}, orange{250, 140, 60}, mark{140, 140, 140};
  EXPECT_EQ(MDrawDiamond(50, 50, 10, 1), 0);
  TRaster seen = Seen();
  EXPECT_EQ(seen.At(50, 50), orange);
  EXPECT_EQ(seen.At(45, 51), orange);
  EXPECT_EQ(seen.At(50, 56), orange);
  for (const auto& [x, y] : {std::pair{50, 40}, {60, 50}, {50, 60}, {40, 50}, {55, 45}, {45, 55}})
    EXPECT_EQ(seen.At(x, y), edge) << x << "," << y;
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{40, 40, 60, 60}));

  recorder.Clear();
  MDrawDiamond(50, 50, 10, 0);
  seen = Seen();
  EXPECT_FALSE(seen.Lit(50, 50));
  EXPECT_EQ(seen.At(55, 55), edge);

  struct Case {
    const char* name;
    int (*draw)(int);
    int baseRow, apexRow;
  };
  for (const Case& c : {Case{"in", [](int s) { return MDrawDiamondIn(50, 50, s); }, 50, 58},
                        Case{"out", [](int s) { return MDrawDiamondOut(50, 50, s); }, 58, 50}}) {
    recorder.Clear();
    EXPECT_EQ(c.draw(10), 0) << c.name;
    seen = Seen();
    ExpectSpan(seen.RowSpan(c.baseRow), 42, 58, c.name);
    EXPECT_EQ(seen.At(50, c.apexRow), mark) << c.name;
    EXPECT_EQ(seen.At(50, c.baseRow), mark) << c.name;
    EXPECT_EQ(seen.At(46, 54), mark) << c.name;
    EXPECT_EQ(seen.At(54, 54), mark) << c.name;
    EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{42, 50, 58, 58})) << c.name;
    recorder.Clear();
    c.draw(2);
    EXPECT_EQ(Seen().CountLit(), 1) << c.name;  // three lines of no length
  }
}

TEST_F(ShapesTest, ArrowsPointFromTheirBaseWithTheLabelBeyondTheHead) {
  struct Case {
    const char* name;
    int (*draw)();
    std::array<int, 4> bounds;
    std::vector<std::pair<int, int>> head;
    std::pair<float, float> label;
  };
  const std::vector<Case> cases = {
      {"up", [] { return MUpArrow(50, 100, "U"); }, {47, 70, 53, 100}, {{50, 70}, {47, 75}, {53, 75}}, {48, 50}},
      {"right", [] { return MRightArrow(50, 100, "R"); }, {50, 97, 80, 103}, {{80, 100}, {75, 97}, {75, 103}}, {75, 82}},
  };
  for (const Case& c : cases) {
    recorder.Clear();
    SetColor(0, 200, 0);
    EXPECT_EQ(c.draw(), 0) << c.name;
    const TRaster seen = Seen();
    EXPECT_EQ(seen.LitBounds(), c.bounds) << c.name;
    for (const auto& [x, y] : c.head) EXPECT_EQ(seen.At(x, y), (Rgb{0, 200, 0})) << c.name;
    const Calls texts = recorder.CallsOf(TDrawCallKind::Text);
    ASSERT_EQ(texts.size(), 1u) << c.name;
    EXPECT_EQ(std::pair(texts[0].args[0], texts[0].args[1]), c.label) << c.name;
    EXPECT_EQ(ColourOf(texts[0].state), (Rgb{0, 200, 0})) << c.name;
  }
}

TEST_F(ShapesTest, CallOutBoxHangsBelowItsPointerWithAbsoluteAlphas) {
  MAlpha(0.5f);
  EXPECT_EQ(MRectUp(20, 20, 100, 60, 60), 0);  // box from y 35 to 80, pointer apex at (60, 20)
  const TRaster seen = Seen();
  EXPECT_FALSE(seen.Lit(30, 25));                   // beside the pointer, above the box
  EXPECT_EQ(seen.At(30, 70), OverGrey(0, 0.3f));    // the box below its shadow band
  EXPECT_EQ(seen.At(60, 30), OverGrey(0, 51 / 127.0f));  // inside the pointer
  EXPECT_LT(std::get<0>(seen.At(30, 40)), std::get<0>(seen.At(30, 70)));  // the band
  EXPECT_GT(std::get<0>(seen.At(100, 35)), std::get<0>(seen.At(100, 36)));  // the lit top edge
  EXPECT_EQ(seen.At(120, 35), OverGrey(255, 0.34f));  // its last pixel, past the box
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{20, 20, 120, 79}));
  ExpectSpan(seen.RowSpan(30), 49, 70, "pointer");
  ExpectSpan(seen.RowSpan(22), 57, 62, "near the apex");
}

TEST_F(ShapesTest, HexagonFillAndOutlineAreFlatTopped) {
  glColor4ub(0, 255, 0, 255);
  EXPECT_EQ(FillHex(50, 50, 0.5f, 1.0f, 1.0f), 0);
  TRaster seen = Seen();
  EXPECT_EQ(seen.At(50, 50), (Rgb{0, 255, 0}));
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{37, 34, 62, 65}));
  EXPECT_FALSE(seen.Lit(38, 40));  // cut off by the slanted side
  for (const auto& [x, y] : {std::pair{42, 40}, {57, 40}, {42, 60}, {57, 60}}) EXPECT_TRUE(seen.Lit(x, y)) << x << "," << y;
  const std::vector<TImmediateVertex> fill = Immediate().at(0).primitive.vertices;
  for (const TImmediateVertex& v : fill) EXPECT_EQ(v.z, 0.5f);

  recorder.Clear();
  FillHex(50, 50, 0.0f, 2.0f, 0.5f);
  EXPECT_EQ(Seen().LitBounds(), (std::array<int, 4>{25, 42, 74, 57}));  // the side tips are points

  recorder.Clear();
  EXPECT_EQ(DrawHex(50, 50, 2.0f, 1.0f), 0);
  seen = Seen();
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{24, 34, 76, 66}));
  for (const auto& [x, y] : {std::pair{50, 34}, {50, 66}, {30, 42}, {70, 58}, {30, 58}, {70, 42}})
    EXPECT_TRUE(seen.Lit(x, y)) << x << "," << y;
  EXPECT_FALSE(seen.Lit(50, 50));
  const std::vector<TImmediateVertex> outline = Immediate().at(0).primitive.vertices;
  ASSERT_EQ(outline.size(), 7u);
  EXPECT_EQ(std::pair(outline.front().x, outline.front().y), std::pair(36.0f, 34.0f));
  EXPECT_EQ(std::pair(outline[1].x, outline[1].y), std::pair(64.0f, 34.0f));  // along the top first
  EXPECT_EQ(std::pair(outline.back().x, outline.back().y), std::pair(36.0f, 34.0f));
  for (const TImmediateVertex& v : outline) EXPECT_EQ(v.z, 0.0f);
}

TEST_F(ShapesTest, QuadCornersGoIntoTheCallersPrimitive) {
  glBegin(GL_QUADS);
  EXPECT_EQ(DrawQuad(10, 10, 5), 0);
  DrawQuad(30, 10, 3);
  glEnd();
  ASSERT_EQ(Immediate().size(), 1u);
  const TRaster seen = Seen();
  EXPECT_EQ(seen.CountLit(), 5 * 5 + 3 * 3);
  EXPECT_EQ(seen.LitBounds(), (std::array<int, 4>{10, 10, 32, 14}));
  EXPECT_TRUE(seen.Lit(14, 14));
  EXPECT_FALSE(seen.Lit(15, 12));
}

}  // namespace
