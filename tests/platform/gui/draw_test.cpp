// The OpenGL backend's contracts, checked on the pixels it draws under Xvfb: exact
// rectangles, the last pixel of a line, the clip rectangle, the virtual resolution,
// transforms, mirroring, blending, masks, filtering, text, batching and drawing areas.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "canvastesting.h"
#include "platform/imagefont.h"
#include "platform/immediategl.h"
#include "platform/input.h"

namespace {

using DrawTest = CanvasTest;

// An image of the given pixels (RGBA rows), without alpha of its own unless said.
std::shared_ptr<TImage> MakeImage(int width, int height, const std::vector<TRgba>& pixels, int flags,
                                  bool hasAlpha = false) {
  auto pixmap = CreatePixmap(width, height);
  pixmap->hasAlpha = hasAlpha;
  for (int i = 0; i < width * height; ++i) {
    pixmap->pixels[i * 4 + 0] = static_cast<uint8_t>(pixels[i].r);
    pixmap->pixels[i * 4 + 1] = static_cast<uint8_t>(pixels[i].g);
    pixmap->pixels[i * 4 + 2] = static_cast<uint8_t>(pixels[i].b);
    pixmap->pixels[i * 4 + 3] = static_cast<uint8_t>(pixels[i].a);
  }
  return LoadImage(pixmap, flags);
}

const TRgba RED{255, 0, 0, 255};
const TRgba BLUE{0, 0, 255, 255};
const TRgba BLACK{0, 0, 0, 255};
const TRgba WHITE{255, 255, 255, 255};

bool IsRed(TRgba c) { return c.r == 255 && c.g == 0 && c.b == 0; }
bool IsBlue(TRgba c) { return c.r == 0 && c.g == 0 && c.b == 255; }

TEST_F(DrawTest, RectangleCoversExactlyItsPixels) {
  SetColor(255, 0, 0);
  DrawRect(10, 20, 30, 40);
  TCanvasPixels p;
  ASSERT_TRUE(p.Valid());
  EXPECT_EQ(p.CountLit(), 30 * 40);
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_EQ(left, 10);
  EXPECT_EQ(top, 20);
  EXPECT_EQ(right, 39);
  EXPECT_EQ(bottom, 59);
  // Colour channels out of range are clamped when drawn.
  SetColor(400, -20, 128);
  DrawRect(100, 100, 1, 1);
  TCanvasPixels q;
  EXPECT_EQ(q.At(100, 100).r, 255);
  EXPECT_EQ(q.At(100, 100).g, 0);
  EXPECT_TRUE(Near(q.At(100, 100).b, 128, 1));
  EXPECT_EQ(q.CountLit(), 30 * 40 + 1);
}

TEST_F(DrawTest, LinesDrawTheirLastPixelUnlessTold) {
  SetColor(255, 255, 255);
  DrawLine(10, 10, 20, 10);
  TCanvasPixels a;
  EXPECT_EQ(a.CountLit(), 11);
  EXPECT_TRUE(a.Lit(10, 10));
  EXPECT_TRUE(a.Lit(20, 10));
  EXPECT_FALSE(a.Lit(21, 10));

  Cls();
  DrawLine(10, 30, 20, 30, 0);
  TCanvasPixels b;
  EXPECT_EQ(b.CountLit(), 10);
  EXPECT_FALSE(b.Lit(20, 30));

  // A one-pixel frame at (10, 10): four lines of no length, exactly one pixel.
  Cls();
  for (int i = 0; i < 4; ++i) DrawLine(10, 10, 10, 10);
  DrawLine(100, 100, 100, 100, 0);  // without its last pixel a point is nothing
  TCanvasPixels c;
  EXPECT_EQ(c.CountLit(), 1);
  EXPECT_TRUE(c.Lit(10, 10));
}

TEST_F(DrawTest, ThinLinesLightBothEndsInEveryDirection) {
  SetColor(255, 255, 255);
  for (int dx = -7; dx <= 7; ++dx)
    for (int dy = -7; dy <= 7; ++dy) {
      Cls();
      DrawLine(100, 100, 100 + dx, 100 + dy);
      TCanvasPixels p;
      EXPECT_TRUE(p.Lit(100, 100)) << dx << ", " << dy;
      EXPECT_TRUE(p.Lit(100 + dx, 100 + dy)) << dx << ", " << dy;
      EXPECT_EQ(p.CountLit(), std::max(std::abs(dx), std::abs(dy)) + 1) << dx << ", " << dy;
    }
}

TEST_F(DrawTest, WideLinesGrowAcrossTheirLength) {
  SetColor(255, 255, 255);
  SetLineWidth(3);
  DrawLine(10, 10, 29, 10);
  TCanvasPixels p;
  EXPECT_EQ(p.CountLit(), 20 * 3);
  EXPECT_TRUE(p.Lit(10, 9));
  EXPECT_TRUE(p.Lit(29, 11));
  EXPECT_FALSE(p.Lit(10, 12));
}

TEST_F(DrawTest, ViewportClipsEverythingOutsideIt) {
  SetColor(255, 255, 255);
  SetViewport(10, 20, 30, 40);
  DrawRect(0, 0, W, H);
  TCanvasPixels a;
  EXPECT_EQ(a.CountLit(), 30 * 40);
  int left, top, right, bottom;
  ASSERT_TRUE(a.LitBounds(left, top, right, bottom));
  EXPECT_EQ(left, 10);
  EXPECT_EQ(top, 20);
  EXPECT_EQ(right, 39);
  EXPECT_EQ(bottom, 59);

  // Zero or negative sizes clip everything, lines and clearing included.
  for (auto [w, h] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{-5, 10}, std::pair{10, -1}}) {
    SetViewport(0, 0, W, H);
    Cls();
    SetViewport(100, 100, w, h);
    DrawRect(0, 0, W, H);
    DrawLine(0, 105, W, 105);
    SetClsColor(255, 255, 255);
    Cls();
    SetClsColor(0, 0, 0);
    EXPECT_EQ(TCanvasPixels().CountLit(), 0) << w << " x " << h;
  }

  // Clearing keeps to the viewport too; a viewport reaching outside the canvas is cut.
  SetViewport(0, 0, W, H);
  Cls();
  SetViewport(W - 10, H - 10, 50, 50);
  SetClsColor(0, 255, 0);
  Cls();
  TCanvasPixels c;
  EXPECT_EQ(c.CountLit(), 100);
  EXPECT_EQ(c.At(W - 1, H - 1).g, 255);
}

TEST_F(DrawTest, AnAreaOfTheWindowIsACanvasOfItsOwn) {
  // The area (100, 50) to (200, 130); one reaching past the window's corner is cut.
  for (const auto& [x, y, w, h, right, bottom] :
       {std::tuple{100, 50, 100, 80, 199, 129}, std::tuple{W - 20, H - 10, 50, 50, W - 1, H - 1}}) {
    SetGraphicsWindow(window_);
    Cls();
    SetGraphicsWindowArea(window_, x, y, w, h);
    EXPECT_EQ(GraphicsWidth(), right - x + 1);
    SetClsColor(0, 0, 255);
    Cls();  // no viewport set: the area, not the window
    SetColor(255, 0, 0);
    DrawRect(0, 0, 2, 2);  // its top left
    std::vector<uint8_t> corner;
    ASSERT_TRUE(ReadPixels(0, 0, 1, 1, corner));  // read in the area's pixels too
    EXPECT_EQ(corner[0], 255);
    SetClsColor(0, 0, 0);
    SetGraphicsWindow(window_);
    TCanvasPixels p;
    EXPECT_EQ(p.Count(IsRed), 4) << x;
    EXPECT_TRUE(IsRed(p.At(x + 1, y + 1))) << x;
    EXPECT_EQ(p.Count(IsBlue), (right - x + 1) * (bottom - y + 1) - 4) << x;
    EXPECT_TRUE(IsBlue(p.At(right, bottom))) << x;
  }
}

TEST_F(DrawTest, VirtualResolutionStretchesDrawingViewportAndPointer) {
  SetVirtualResolution(W / 2, H / 2);
  EXPECT_EQ(VirtualResolutionWidth(), W / 2);
  SetColor(255, 255, 255);
  DrawRect(10, 10, 20, 20);
  TCanvasPixels a;
  EXPECT_EQ(a.CountLit(), 40 * 40);
  EXPECT_TRUE(a.Lit(20, 20));
  EXPECT_TRUE(a.Lit(59, 59));
  EXPECT_FALSE(a.Lit(60, 60));

  Cls();
  SetViewport(0, 0, 50, 25);  // virtual units: canvas 100 x 50
  DrawRect(0, 0, 1000, 1000);
  EXPECT_EQ(TCanvasPixels().CountLit(), 100 * 50);

  InputMouseMove(100, 60);
  EXPECT_EQ(VirtualMouseX(), 50);
  EXPECT_EQ(VirtualMouseY(), 30);
  SetVirtualResolution(0, 0);  // back to canvas pixels
  EXPECT_EQ(VirtualMouseX(), 100);
  EXPECT_EQ(VirtualResolutionWidth(), W);
}

TEST_F(DrawTest, OriginHandleScaleAndRotationPlaceShapes) {
  SetColor(255, 255, 255);
  SetOrigin(100, 0);
  DrawRect(0, 0, 4, 4);
  SetOrigin(0, 0);
  SetHandle(2, 2);
  DrawRect(10, 10, 4, 4);
  SetHandle(0, 0);
  SetScale(2, 3);
  DrawRect(200, 100, 5, 5);
  SetScale(1, 1);
  SetRotation(90);  // clockwise: the rectangle's width now points down
  DrawRect(50, 150, 20, 10);
  TCanvasPixels p;
  EXPECT_TRUE(p.Lit(100, 0) && p.Lit(103, 3) && !p.Lit(104, 0));
  EXPECT_TRUE(p.Lit(8, 8) && p.Lit(11, 11) && !p.Lit(12, 12));
  EXPECT_TRUE(p.Lit(209, 114) && !p.Lit(210, 100) && !p.Lit(200, 115));
  EXPECT_TRUE(p.Lit(45, 160) && p.Lit(41, 168));
  EXPECT_FALSE(p.Lit(55, 152));
  EXPECT_FALSE(p.Lit(45, 172));
  EXPECT_EQ(p.CountLit(), 16 + 16 + 10 * 15 + 200);
}

TEST_F(DrawTest, OvalFillsItsBoxInside) {
  SetColor(255, 255, 255);
  DrawOval(100, 100, 60, 40);
  TCanvasPixels p;
  EXPECT_TRUE(p.Lit(130, 120));
  EXPECT_TRUE(p.Lit(101, 120));
  EXPECT_TRUE(p.Lit(130, 101));
  EXPECT_FALSE(p.Lit(101, 101));  // the box's corners stay empty
  EXPECT_FALSE(p.Lit(158, 138));
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_GE(left, 100);
  EXPECT_LE(right, 159);
  EXPECT_GE(top, 100);
  EXPECT_LE(bottom, 139);
  // About pi * 30 * 20 pixels.
  EXPECT_NEAR(p.CountLit(), 1885, 40);
}

TEST_F(DrawTest, AlphaAndBlendModesMixAsTheySay) {
  SetColor(255, 0, 0);
  DrawRect(0, 0, 10, 10);
  SetAlpha(0.5f);
  SetColor(0, 0, 255);
  DrawRect(0, 0, 10, 10);  // alpha blending by default
  // Nothing at all at alpha 0 or below.
  SetAlpha(0.0f);
  DrawRect(20, 0, 10, 10);
  SetAlpha(-0.3f);
  DrawRect(20, 0, 10, 10);
  EXPECT_EQ(GetAlpha(), -0.3f);
  // Above 1 draws as 1.
  SetAlpha(3.0f);
  SetColor(0, 255, 0);
  DrawRect(40, 0, 10, 10);

  // Light adds, shade multiplies, solid ignores alpha.
  SetAlpha(1.0f);
  SetColor(100, 50, 200);
  DrawRect(60, 0, 10, 10);
  DrawRect(80, 0, 10, 10);
  DrawRect(100, 0, 10, 10);
  SetBlend(LIGHTBLEND);
  SetColor(100, 100, 100);
  DrawRect(60, 0, 10, 10);
  SetBlend(SHADEBLEND);
  SetColor(128, 255, 64);
  DrawRect(80, 0, 10, 10);
  SetBlend(SOLIDBLEND);
  SetAlpha(0.25f);
  SetColor(10, 20, 30);
  DrawRect(100, 0, 10, 10);

  TCanvasPixels p;
  TRgba mixed = p.At(5, 5);
  EXPECT_TRUE(Near(mixed.r, 128) && mixed.g == 0 && Near(mixed.b, 128)) << mixed.r << " " << mixed.b;
  EXPECT_FALSE(p.Lit(25, 5));
  EXPECT_EQ(p.At(45, 5).g, 255);
  TRgba light = p.At(65, 5);
  EXPECT_TRUE(Near(light.r, 200) && Near(light.g, 150) && light.b == 255);
  TRgba shade = p.At(85, 5);
  EXPECT_TRUE(Near(shade.r, 50) && Near(shade.g, 50) && Near(shade.b, 50));
  TRgba solid = p.At(105, 5);
  EXPECT_TRUE(Near(solid.r, 10, 1) && Near(solid.g, 20, 1) && Near(solid.b, 30, 1));
}

TEST_F(DrawTest, MaskedImagesLoseTheirPureBlack) {
  SetClsColor(0, 0, 255);
  Cls();
  const std::vector<TRgba> pixels{BLACK, RED, TRgba{1, 0, 0, 255}, BLACK};
  auto masked = MakeImage(2, 2, pixels, MASKEDIMAGE);
  auto plain = MakeImage(2, 2, pixels, 0);
  auto ownAlpha = MakeImage(2, 2, pixels, MASKEDIMAGE, true);
  DrawImageRect(masked, 0, 0, 20, 20);
  DrawImageRect(plain, 30, 0, 20, 20);
  DrawImageRect(ownAlpha, 60, 0, 20, 20);
  // Automatic flags apply to -1.
  AutoImageFlags(MASKEDIMAGE);
  auto automatic = MakeImage(2, 2, pixels, -1);
  EXPECT_EQ(ImageFlags(automatic), MASKEDIMAGE);
  DrawImageRect(automatic, 90, 0, 20, 20);
  TCanvasPixels p;
  EXPECT_TRUE(IsBlue(p.At(5, 5)));     // black became see-through
  EXPECT_TRUE(IsRed(p.At(15, 5)));
  EXPECT_EQ(p.At(5, 15).r, 1);         // almost black is kept
  EXPECT_TRUE(IsBlue(p.At(15, 15)));
  EXPECT_EQ(p.At(35, 5).b, 0);         // unmasked black is drawn
  EXPECT_EQ(p.At(65, 5).b, 0);         // an image with alpha keeps its black
  EXPECT_TRUE(IsBlue(p.At(95, 5)));

  // Mask blending draws where alpha is 0.5 or more, fully.
  Cls();
  SetBlend(MASKBLEND);
  auto half = MakeImage(2, 1, {TRgba{255, 0, 0, 100}, TRgba{255, 0, 0, 160}}, 0, true);
  DrawImageRect(half, 0, 0, 20, 10);
  TCanvasPixels q;
  EXPECT_TRUE(IsBlue(q.At(5, 5)));
  EXPECT_TRUE(IsRed(q.At(15, 5)));
}

TEST_F(DrawTest, NearestOrLinearFilteringWhenStretched) {
  auto nearest = MakeImage(2, 1, {BLACK, WHITE}, 0);
  auto linear = MakeImage(2, 1, {BLACK, WHITE}, FILTEREDIMAGE);
  DrawImageRect(nearest, 0, 0, 40, 1);
  DrawImageRect(linear, 0, 10, 40, 1);
  TCanvasPixels p;
  int nearestMiddle = 0, linearMiddle = 0;
  for (int x = 0; x < 40; ++x) {
    const int n = p.At(x, 0).r, l = p.At(x, 10).r;
    EXPECT_EQ(n, x < 20 ? 0 : 255) << x;
    nearestMiddle += (n > 10 && n < 245) ? 1 : 0;
    linearMiddle += (l > 10 && l < 245) ? 1 : 0;
  }
  EXPECT_EQ(nearestMiddle, 0);
  EXPECT_GE(linearMiddle, 10);
}

TEST_F(DrawTest, NegativeSizesMirrorSourceRectangles) {
  auto image = MakeImage(2, 2, {RED, BLUE, BLUE, RED}, 0);
  DrawImageRect(image, 0, 0, 20, 20);             // as it is
  DrawImageRect(image, 60, 0, -20, 20);           // mirrored left to right, over 40..59
  DrawSubImageRect(image, 80, 20, 20, -20, 0, 0, 2, 2);  // upside down, over 80..99 x 0..19
  DrawSubImageRect(image, 120, 0, 10, 20, 1, 0, 1, 2);   // the right column only
  TCanvasPixels p;
  EXPECT_TRUE(IsRed(p.At(5, 5)) && IsBlue(p.At(15, 5)));
  EXPECT_TRUE(IsBlue(p.At(45, 5)) && IsRed(p.At(55, 5)));
  EXPECT_FALSE(p.Lit(35, 5));
  EXPECT_FALSE(p.Lit(60, 5));
  EXPECT_TRUE(IsBlue(p.At(85, 5)) && IsRed(p.At(85, 15)));
  EXPECT_TRUE(IsBlue(p.At(125, 5)) && IsRed(p.At(125, 15)));
  EXPECT_FALSE(p.Lit(130, 5));
}

TEST_F(DrawTest, ImageHandlesMoveTheDraw) {
  auto image = MakeImage(4, 4, std::vector<TRgba>(16, WHITE), 0);
  MidHandleImage(image);
  DrawImage(image, 50, 50);
  // A sub-image handle counts in source pixels: 1 source pixel is 5 drawn ones here.
  DrawSubImageRect(image, 100, 100, 20, 20, 0, 0, 4, 4, 1, 2);
  TCanvasPixels p;
  EXPECT_TRUE(p.Lit(48, 48) && p.Lit(51, 51) && !p.Lit(52, 52) && !p.Lit(47, 50));
  EXPECT_TRUE(p.Lit(95, 90) && p.Lit(114, 109) && !p.Lit(115, 100) && !p.Lit(100, 110));
  EXPECT_EQ(p.CountLit(), 16 + 400);
}

TEST_F(DrawTest, TextFitsItsMeasuredWidthAndHeight) {
  const std::string text = "Status: Quillon ready";
  const int width = TextWidth(text);
  const int height = TextHeight(text);
  EXPECT_GT(width, 60);
  EXPECT_GT(height, 8);
  EXPECT_LE(height, 18);  // fits the status bar
  SetColor(255, 255, 0);
  DrawText(text, 20, 30);
  TCanvasPixels p;
  int left, top, right, bottom;
  ASSERT_TRUE(p.LitBounds(left, top, right, bottom));
  EXPECT_GE(left, 19);
  EXPECT_LE(left, 24);
  EXPECT_LE(right, 20 + width);
  EXPECT_GE(right, 20 + width - 8);
  EXPECT_GE(top, 30);
  EXPECT_LE(bottom, 30 + height);
  EXPECT_EQ(p.Count([](TRgba c) { return c.b > 0; }), 0);  // yellow text only

  // Scale stretches the drawn text, not its measure.
  Cls();
  SetScale(2, 2);
  DrawText(text, 0, 100);
  SetScale(1, 1);
  TCanvasPixels q;
  ASSERT_TRUE(q.LitBounds(left, top, right, bottom));
  EXPECT_GE(right, width + width / 2);
  EXPECT_EQ(TextWidth(text), width);
}

TEST_F(DrawTest, ImmediateModeShapesUseTheDrawingCoordinates) {
  SetVirtualResolution(W / 2, H / 2);  // every shape doubles on the canvas
  glColor4f(1, 1, 1, 1);
  glBegin(GL_TRIANGLES);  // the left-top half of 0..10 x 0..10
  glVertex2f(0, 0);
  glVertex2f(10, 0);
  glVertex2f(0, 10);
  glEnd();
  glBegin(GL_TRIANGLE_STRIP);  // a quad as P4, P1, P3, P2
  glVertex2i(20, 10);
  glVertex2i(20, 0);
  glVertex2i(30, 10);
  glVertex2i(30, 0);
  glEnd();
  glBegin(GL_QUADS);
  glVertex2f(60, 0);
  glVertex2f(70, 0);
  glVertex2f(70, 10);
  glVertex2f(60, 10);
  glEnd();
  glBegin(GL_POLYGON);  // fanned from its first vertex, which lies inside
  glVertex2f(85, 5);
  glVertex2f(90, 0);
  glVertex2f(90, 10);
  glVertex2f(80, 10);
  glVertex2f(80, 0);
  glVertex2f(90, 0);
  glEnd();
  glBegin(GL_LINES);
  glVertex2f(0, 50);
  glVertex2f(100, 50);
  glEnd();
  TCanvasPixels p;
  EXPECT_TRUE(p.Lit(2, 2) && !p.Lit(18, 18));
  for (int x : {40, 120, 160}) EXPECT_TRUE(p.Lit(x + 1, 1) && p.Lit(x + 18, 18)) << x;
  int square = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 160; x < 180; ++x) square += p.Lit(x, y) ? 1 : 0;
  EXPECT_EQ(square, 400);
  // OpenGL's own lines: the row or column beside the exact coordinate may light.
  EXPECT_TRUE(p.Lit(150, 99) || p.Lit(150, 100));
}

TEST_F(DrawTest, ImmediateColoursAndTexturesPerVertex) {
  // A vertical gradient: colour 1 on top, colour 2 below, as the gradient shapes give.
  glBegin(GL_POLYGON);
  glColor4ub(255, 0, 0, 255);
  glVertex2i(0, 0);
  glVertex2i(100, 0);
  glColor4ub(0, 0, 255, 255);
  glVertex2i(100, 100);
  glVertex2i(0, 100);
  glEnd();

  auto image = MakeImage(2, 1, {RED, BLUE}, 0);
  const unsigned name = ImageTextureName(image);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, name);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_TRIANGLE_STRIP);  // the texture mirrored: u runs from 1 to 0
  glTexCoord2f(1, 0);
  glVertex2f(200, 50);
  glTexCoord2f(0, 0);
  glVertex2f(220, 50);
  glTexCoord2f(1, 1);
  glVertex2f(200, 60);
  glTexCoord2f(0, 1);
  glVertex2f(220, 60);
  glEnd();
  // Texturing off draws the colour alone, whatever is bound.
  glDisable(GL_TEXTURE_2D);
  glColor4f(0, 1, 0, 1);
  glBegin(GL_QUADS);
  glVertex2f(250, 50);
  glVertex2f(260, 50);
  glVertex2f(260, 60);
  glVertex2f(250, 60);
  glEnd();
  TCanvasPixels p;
  TRgba top = p.At(50, 1), bottom = p.At(50, 98), middle = p.At(50, 50);
  EXPECT_TRUE(top.r > 240 && top.b < 15);
  EXPECT_TRUE(bottom.b > 240 && bottom.r < 15);
  EXPECT_TRUE(Near(middle.r, 128, 6) && Near(middle.b, 128, 6));
  EXPECT_TRUE(IsBlue(p.At(205, 55)) && IsRed(p.At(215, 55)));
  TRgba green = p.At(255, 55);
  EXPECT_TRUE(green.r == 0 && green.g == 255 && green.b == 0);
}

TEST_F(DrawTest, LineSmoothingSoftensImmediateLinesOnly) {
  auto diagonal = [](float y) {
    glBegin(GL_LINES);
    glVertex2f(10, y);
    glVertex2f(110, y + 37);
    glEnd();
  };
  auto partial = [](const TCanvasPixels& p, int top) {
    int n = 0;
    for (int y = top; y < top + 50; ++y)
      for (int x = 0; x < 130; ++x) n += (p.At(x, y).r > 20 && p.At(x, y).r < 235) ? 1 : 0;
    return n;
  };
  glColor4f(1, 1, 1, 1);
  glLineWidth(2);
  diagonal(0);
  glEnable(GL_LINE_SMOOTH);
  diagonal(100);
  DrawLine(10, 200, 110, 237);  // the 2D module's lines stay hard
  glDisable(GL_LINE_SMOOTH);
  TCanvasPixels p;
  EXPECT_EQ(partial(p, 0), 0);
  EXPECT_GT(partial(p, 95), 20);
  EXPECT_EQ(partial(p, 195), 0);
}

TEST_F(DrawTest, TwoDimensionalDrawsTrustNoStateOfTheDirectCalls) {
  auto image = MakeImage(1, 1, {BLUE}, 0);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, ImageTextureName(image));
  glColor4f(0, 1, 0, 1);
  glLineWidth(7);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 10, 10);  // red, untextured
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, ImageTextureName(image));
  glLineWidth(7);
  DrawLine(20, 5, 40, 5);  // one pixel wide, as SetLineWidth left it
  TCanvasPixels p;
  EXPECT_TRUE(IsRed(p.At(5, 5)));
  EXPECT_TRUE(IsRed(p.At(30, 5)));
  EXPECT_FALSE(p.Lit(30, 4));
  EXPECT_FALSE(p.Lit(30, 6));
}

TEST_F(DrawTest, BatchesKeepTheOrderOfDrawing) {
  auto image = MakeImage(1, 1, {WHITE}, 0);
  auto scene = [&] {
    SetViewport(0, 0, W, H);
    Cls();
    for (int i = 0; i < 40; ++i) {
      SetViewport(0, 0, W, H);
      SetColor(255, 0, 0);
      DrawRect(i * 5, 0, 20, 20);
      SetColor(0, 255, 0);
      DrawImageRect(image, i * 5 + 2, 2, 16, 16);
      SetViewport(0, 0, i * 5 + 10, H);
      DrawText("ab", i * 5, 30);
      DrawLine(0, 60 + i, W, 60 + i);
      glColor4f(0, 0, 1, 1);
      glBegin(GL_LINES);
      glVertex2f(i * 5, 100);
      glVertex2f(i * 5, 140);
      glEnd();
    }
  };
  scene();
  TCanvasPixels batched;
  // The last rectangle's middle is covered by the last image; its corner by nothing.
  EXPECT_EQ(batched.At(200, 10).g, 255);
  EXPECT_TRUE(IsRed(batched.At(214, 0)));
  SetDrawBatching(false);
  scene();
  TCanvasPixels single;
  EXPECT_EQ(batched.Raw(), single.Raw());
}

TEST_F(DrawTest, CanvasSizeReadBackAndGrab) {
  SetColor(0, 255, 0);
  DrawRect(5, 6, 1, 1);
  std::vector<uint8_t> rgba;
  ASSERT_TRUE(ReadPixels(5, 6, 2, 1, rgba));
  ASSERT_EQ(rgba.size(), 8u);
  EXPECT_EQ(rgba[1], 255);
  EXPECT_EQ(rgba[5], 0);
  EXPECT_FALSE(ReadPixels(W - 1, 0, 2, 1, rgba));  // reaches outside
  EXPECT_FALSE(ReadPixels(0, 0, 0, 1, rgba));
  auto grab = GrabPixmap(5, 6, 1, 1);
  ASSERT_NE(grab, nullptr);
  EXPECT_EQ(grab->pixels[1], 255);
  EXPECT_EQ(grab->pixels[3], 255);
  FreeAllWindows();
  EXPECT_EQ(GraphicsWidth(), 0);
  DrawRect(0, 0, 10, 10);  // no canvas: nothing happens
  EXPECT_FALSE(ReadPixels(0, 0, 1, 1, rgba));
}

TEST_F(DrawTest, ImagesDrawAgainInANewWindow) {
  auto image = MakeImage(1, 1, {RED}, 0);
  DrawImageRect(image, 0, 0, 10, 10);
  EXPECT_TRUE(IsRed(TCanvasPixels().At(5, 5)));
  FreeAllWindows();  // its context, and the texture in it, are gone
  window_ = CreateWindow("Again", 0, 0, W, H, WINDOW_TITLEBAR | WINDOW_CLIENTCOORDS);
  ASSERT_NE(window_, nullptr);
  Cls();
  DrawImageRect(image, 0, 0, 10, 10);
  EXPECT_TRUE(IsRed(TCanvasPixels().At(5, 5)));
  // What was drawn before a second window took over reaches the first one's canvas.
  TWindow* first = window_;
  SetColor(0, 0, 255);
  DrawRect(20, 0, 10, 10);
  TWindow* second = CreateWindow("Second", 50, 50, 100, 100, WINDOW_TITLEBAR | WINDOW_CLIENTCOORDS);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GraphicsWidth(), 100);
  SetGraphicsWindow(first);
  EXPECT_TRUE(IsBlue(TCanvasPixels().At(25, 5)));
}

}  // namespace
