// The geometry of drawing: transforms, line bands, clip rectangles and the
// triangulation of immediate-mode primitives.
#include <gtest/gtest.h>

#include "platform/drawgeometry.h"
#include "platform/immediategl.h"

namespace {

void ExpectPoint(TPoint p, float x, float y) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
}

TEST(DrawGeometry, PlacementScalesThenRotatesClockwiseThenMoves) {
  TDrawState s;
  ExpectPoint(PlacePoint(s, 10, 20, 3, 4), 13, 24);
  s.originX = 100;
  s.scaleX = 2;
  s.scaleY = 3;
  ExpectPoint(PlacePoint(s, 10, 20, 3, 4), 116, 32);
  s.scaleX = s.scaleY = 1;
  s.rotation = 90;  // right turns into down on screen
  ExpectPoint(PlacePoint(s, 0, 0, 10, 0), 100, 10);
  s.rotation = -90;
  ExpectPoint(PlacePoint(s, 0, 0, 10, 0), 100, -10);
}

TEST(DrawGeometry, VirtualResolutionMapsOntoTheCanvas) {
  TDrawState s;
  TCanvasMap plain = CanvasMapFor(s, 960, 640);
  EXPECT_EQ(plain.scaleX, 1.0f);
  s.virtualWidth = 512;
  s.virtualHeight = 384;
  TCanvasMap map = CanvasMapFor(s, 960, 640);
  EXPECT_FLOAT_EQ(map.scaleX, 1.875f);
  EXPECT_FLOAT_EQ(map.scaleY, 640.0f / 384.0f);
  ExpectPoint(ToCanvas(map, {512, 384}), 960, 640);
}

TEST(DrawGeometry, LinesReachHalfAPixelPastTheirEndCentres) {
  TDrawState s;
  TCanvasMap map = CanvasMapFor(s, 100, 100);
  auto q = LineQuad(s, map, 10, 10, 20, 10, true);
  ExpectPoint(q[0], 10, 11);
  ExpectPoint(q[1], 21, 11);
  ExpectPoint(q[2], 21, 10);
  auto open = LineQuad(s, map, 10, 10, 20, 10, false);
  ExpectPoint(open[1], 20, 11);
  auto dot = LineQuad(s, map, 5, 5, 5, 5, true);
  ExpectPoint(dot[0], 5, 5);
  ExpectPoint(dot[2], 6, 6);
  auto none = LineQuad(s, map, 5, 5, 5, 5, false);
  ExpectPoint(none[0], none[2].x, none[2].y);
  s.lineWidth = 4;
  auto wide = LineQuad(s, map, 0, 0, 0, 10, true);
  EXPECT_NEAR(std::abs(wide[0].x - wide[3].x), 4.0f, 1e-4f);
}

TEST(DrawGeometry, ThinLinesRunRightOrUpAndReachPastTheirLastPixel) {
  TDrawState s;
  TCanvasMap map = CanvasMapFor(s, 100, 100);
  TPoint from, to;
  ASSERT_TRUE(ThinLine(s, map, 20, 10, 10, 10, true, from, to));  // leftward: turned round
  ExpectPoint(from, 10.5f, 10.5f);
  ExpectPoint(to, 21.25f, 10.5f);
  ASSERT_TRUE(ThinLine(s, map, 5, 5, 5, 15, true, from, to));  // steep and downward: drawn upward
  ExpectPoint(from, 5.5f, 15.5f);
  ExpectPoint(to, 5.5f, 4.75f);
  EXPECT_FALSE(ThinLine(s, map, 0, 0, 5, 5, false, from, to));
  EXPECT_FALSE(ThinLine(s, map, 3, 3, 3, 3, true, from, to));
  s.lineWidth = 2;
  EXPECT_FALSE(ThinLine(s, map, 0, 0, 5, 5, true, from, to));
}

TEST(DrawGeometry, ClipRectanglesFlipToOpenGlAndNeverGoNegative) {
  TDrawState s;
  TCanvasMap map = CanvasMapFor(s, 200, 100);
  EXPECT_FALSE(ScissorFor(s, map).enabled);
  s.viewportSet = true;
  s.viewportX = 10;
  s.viewportY = 20;
  s.viewportWidth = 30;
  s.viewportHeight = 40;
  TScissor c = ScissorFor(s, map);
  EXPECT_TRUE(c.enabled);
  EXPECT_EQ(c.x, 10);
  EXPECT_EQ(c.y, 100 - 60);
  EXPECT_EQ(c.width, 30);
  EXPECT_EQ(c.height, 40);
  for (auto [w, h] : {std::pair{0, 5}, std::pair{5, -1}, std::pair{-30, -30}}) {
    s.viewportWidth = w;
    s.viewportHeight = h;
    c = ScissorFor(s, map);
    EXPECT_TRUE(c.enabled);
    EXPECT_EQ(c.width * c.height, 0);
  }
  s.viewportX = 190;  // cut at the canvas
  s.viewportWidth = 50;
  s.viewportHeight = 50;
  c = ScissorFor(s, map);
  EXPECT_EQ(c.width, 10);
  s.viewportX = 300;  // wholly outside
  EXPECT_EQ(ScissorFor(s, map).width, 0);
  s.virtualWidth = 100;  // doubles across
  s.virtualHeight = 100;
  s.viewportX = 10;
  c = ScissorFor(s, CanvasMapFor(s, 200, 100));
  EXPECT_EQ(c.x, 20);
  EXPECT_EQ(c.width, 100);
}

TEST(DrawGeometry, ImageHandlesCountInSourcePixels) {
  TImageDraw d;
  d.width = 40;
  d.height = -20;
  d.sourceWidth = 4;
  d.sourceHeight = 2;
  d.handleX = 1;
  d.handleY = 1;
  float x0, y0, x1, y1;
  ImageBox(d, x0, y0, x1, y1);
  EXPECT_EQ(x0, -10);
  EXPECT_EQ(x1, 30);
  EXPECT_EQ(y0, 10);  // mirrored: the handle moves the other way
  EXPECT_EQ(y1, -10);
}

TEST(DrawGeometry, PrimitivesBecomeTrianglesLinesOrPoints) {
  EXPECT_EQ(PrimitiveIndices(GL_TRIANGLES, 7).size(), 6u);  // the odd vertex is dropped
  EXPECT_EQ(PrimitiveIndices(GL_QUADS, 8), (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7}));
  EXPECT_EQ(PrimitiveIndices(GL_TRIANGLE_STRIP, 5), (std::vector<uint32_t>{0, 1, 2, 2, 1, 3, 2, 3, 4}));
  EXPECT_EQ(PrimitiveIndices(GL_TRIANGLE_FAN, 4), (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
  EXPECT_EQ(PrimitiveIndices(GL_POLYGON, 2).size(), 0u);
  EXPECT_EQ(PrimitiveIndices(GL_QUAD_STRIP, 4), (std::vector<uint32_t>{0, 1, 3, 0, 3, 2}));
  EXPECT_EQ(PrimitiveIndices(GL_LINES, 5), (std::vector<uint32_t>{0, 1, 2, 3}));
  EXPECT_EQ(PrimitiveIndices(GL_LINE_STRIP, 3), (std::vector<uint32_t>{0, 1, 1, 2}));
  EXPECT_EQ(PrimitiveIndices(GL_LINE_LOOP, 3), (std::vector<uint32_t>{0, 1, 1, 2, 2, 0}));
  EXPECT_EQ(PrimitiveIndices(GL_POINTS, 2).size(), 2u);
  EXPECT_TRUE(PrimitiveIndices(99, 10).empty());
  EXPECT_EQ(PrimitiveKind(GL_LINE_LOOP), TPrimitiveKind::Lines);
  EXPECT_EQ(PrimitiveKind(GL_POLYGON), TPrimitiveKind::Triangles);
  EXPECT_EQ(PrimitiveKind(-1), TPrimitiveKind::None);
}

TEST(DrawGeometry, OvalsStayInsideTheirBox) {
  TDrawState s;
  TCanvasMap map = CanvasMapFor(s, 100, 100);
  auto points = OvalOutline(s, map, 10, 20, 40, 10);
  ASSERT_GE(points.size(), 12u);
  for (TPoint p : points) {
    EXPECT_GE(p.x, 10 - 1e-3f);
    EXPECT_LE(p.x, 50 + 1e-3f);
    EXPECT_GE(p.y, 20 - 1e-3f);
    EXPECT_LE(p.y, 30 + 1e-3f);
  }
}

}  // namespace
