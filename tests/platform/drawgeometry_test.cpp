// The geometry of drawing the pixel tests cannot see directly: clip rectangles in
// OpenGL's orientation and the triangulation of immediate-mode primitives.
#include <gtest/gtest.h>

#include "platform/drawgeometry.h"
#include "platform/immediategl.h"

namespace {

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

}  // namespace
