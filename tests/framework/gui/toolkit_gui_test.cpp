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

TEST_F(ToolkitGui, RoundedGradientRectangleCutsItsCornersAndHalvesItsAlpha) {
  MAlpha(0.5f);
  MSetCols(0, 255, 0, 255, 0, 255, 0, 255);
  MRoundRect(20, 30, 120, 60, 12, 12, 12, 12);
  TCanvasPixels p;
  ASSERT_TRUE(p.Valid());
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_EQ(std::tuple(left, top, right, bottom), std::tuple(20, 30, 139, 89));
  // Half-transparent green over black.
  EXPECT_TRUE(Near(p.At(80, 60).g, 127, 3));
  EXPECT_EQ(p.At(80, 60).r, 0);
  // The corners are cut away; the edges between them are filled.
  for (auto [x, y] : {std::pair(20, 30), std::pair(139, 30), std::pair(139, 89), std::pair(20, 89),
                      std::pair(21, 31), std::pair(138, 88)})
    EXPECT_FALSE(p.Lit(x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair(20, 60), std::pair(139, 60), std::pair(80, 30), std::pair(80, 89),
                      std::pair(26, 36), std::pair(133, 83)})
    EXPECT_TRUE(p.Lit(x, y)) << x << "," << y;
  // A quarter circle less than its square: 4 corners of about (1 - pi/4) * 144 pixels.
  const int missing = 120 * 60 - p.CountLit();
  EXPECT_GT(missing, 4 * 20);
  EXPECT_LT(missing, 4 * 45);
}

TEST_F(ToolkitGui, CaptionInItsColourCodeOverItsShadowCentredInTheBox) {
  SetClsColor(100, 100, 100);
  Cls();
  const int bx = 20, by = 40, bw = 280, bh = 60;
  std::shared_ptr<TImageFont> font = LoadImageFont(DEFAULT_FONT_PATH, 24);
  ASSERT_NE(font, nullptr);
  SetImageFont(font);  // large enough for solid strokes
  MText(bx, by, bw, bh, (2 << 11) | kTextShadow, kAlignCentre | kAlignMiddle, "Quillon Caption");
  TCanvasPixels p;
  ASSERT_TRUE(p.Valid());
  // Pixels tinted towards the code's colour (91, 140, 231), and shadow pixels darker than
  // the background.
  int textLeft = 320, textRight = -1, textTop = 240, textBottom = -1, text = 0, shadowBottom = -1,
      shadow = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const TRgba c = p.At(x, y);
      if (c.b - c.r > 60 && c.g > c.r) {
        ++text;
        textLeft = std::min(textLeft, x), textRight = std::max(textRight, x);
        textTop = std::min(textTop, y), textBottom = std::max(textBottom, y);
      } else if (c.r < 95 && c.g < 95 && c.b < 95) {
        ++shadow;
        shadowBottom = std::max(shadowBottom, y);
      }
    }
  ASSERT_GT(text, 200);
  // The solid strokes carry the code's colour itself.
  EXPECT_GT(p.Count([](TRgba c) { return Near(c.r, 91, 3) && Near(c.g, 140, 3) && Near(c.b, 231, 3); }),
            50);
  EXPECT_GT(shadow, 10);
  EXPECT_TRUE(Near(shadowBottom, textBottom + 2, 1)) << shadowBottom << " " << textBottom;
  // Centred across: the ink sits about as far from each side of the box.
  EXPECT_TRUE(Near(textLeft - bx, bx + bw - 1 - textRight, 6)) << textLeft << " " << textRight;
  EXPECT_GE(textTop, by);
  EXPECT_LE(textBottom, by + bh - 1);
  // Outside the box's rows nothing is drawn.
  for (int x = 0; x < 320; ++x) {
    EXPECT_EQ(p.At(x, by - 1).r, 100);
    EXPECT_EQ(p.At(x, by + bh + 2).r, 100);
  }
}

}  // namespace
