// The 2D module and the immediate-mode calls, seen through the recording backend: each
// call arrives with its arguments and the state in force; the state keeps what was set.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/draw2d.h"
#include "platform/imagefont.h"
#include "platform/immediategl.h"
#include "platform/input.h"
#include "platform/recordingscreen.h"

namespace {

class RecordingTest : public ::testing::Test {
 protected:
  void SetUp() override { AutoImageFlags(MASKEDIMAGE | FILTEREDIMAGE); }
  TRecordingScreen recorder_;
};

std::shared_ptr<TPixmap> Pixmap(int width, int height, std::initializer_list<uint32_t> rgba, bool hasAlpha = false) {
  auto pixmap = CreatePixmap(width, height);
  size_t i = 0;
  for (uint32_t value : rgba) {
    for (int k = 0; k < 4; ++k) pixmap->pixels[i * 4 + k] = static_cast<uint8_t>(value >> (24 - 8 * k));
    ++i;
  }
  pixmap->hasAlpha = hasAlpha;
  return pixmap;
}

TEST_F(RecordingTest, CallsCarryTheirArgumentsAndTheStateInForce) {
  SetColor(300, -5, 10);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 300);  // stored as given
  EXPECT_EQ(g, -5);
  SetAlpha(0.25f);
  SetBlend(LIGHTBLEND);
  SetOrigin(3, 4);
  SetHandle(1, 2);
  SetScale(2, 0.5f);
  SetRotation(30);
  SetLineWidth(3);
  SetViewport(1, 2, 3, 4);
  SetVirtualResolution(512, 384);
  SetClsColor(7, 8, 9);
  DrawLine(1, 2, 3, 4, 0);
  DrawRect(5, 6, 7, 8);
  DrawOval(9, 10, 11, 12);
  Cls();
  const auto& calls = recorder_.Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, TDrawCallKind::Line);
  EXPECT_EQ(calls[0].args, (std::vector<float>{1, 2, 3, 4, 0}));
  EXPECT_EQ(calls[1].kind, TDrawCallKind::Rect);
  EXPECT_EQ(calls[1].args, (std::vector<float>{5, 6, 7, 8}));
  EXPECT_EQ(calls[3].kind, TDrawCallKind::Cls);
  const TDrawState& s = calls[1].state;
  EXPECT_EQ(s.green, -5);
  EXPECT_EQ(s.blend, LIGHTBLEND);
  EXPECT_EQ(s.rotation, 30);
  EXPECT_EQ(s.viewportHeight, 4);
  EXPECT_EQ(calls[3].state.clsBlue, 9);

  // Everything back to the start.
  ResetDrawState();
  EXPECT_EQ(GetAlpha(), 1.0f);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  EXPECT_FALSE(CurrentDrawState().viewportSet);
}

TEST_F(RecordingTest, NothingIsDrawnAtAlphaZeroOrBelow) {
  for (float alpha : {0.0f, -0.5f, std::numeric_limits<float>::quiet_NaN()}) {
    SetAlpha(alpha);
    DrawLine(0, 0, 1, 1);
    DrawRect(0, 0, 1, 1);
    DrawOval(0, 0, 1, 1);
    DrawText("x", 0, 0);
  }
  EXPECT_TRUE(recorder_.Calls().empty());
  SetAlpha(0.01f);
  DrawRect(0, 0, 1, 1);
  EXPECT_EQ(recorder_.Calls().size(), 1u);
}

TEST_F(RecordingTest, BlendModesSetTheAlphaTest) {
  SetBlend(MASKBLEND);
  EXPECT_TRUE(CurrentDrawState().alphaTest);
  EXPECT_EQ(CurrentDrawState().alphaFunc, ALPHA_GEQUAL);
  EXPECT_EQ(CurrentDrawState().alphaRef, 0.5f);
  SetBlend(ALPHABLEND);
  EXPECT_FALSE(CurrentDrawState().alphaTest);
  SetBlend(9);  // not a mode: ignored
  SetBlend(0);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.0f);
  EXPECT_TRUE(CurrentDrawState().alphaTest);
  EXPECT_EQ(CurrentDrawState().alphaFunc, ALPHA_GREATER);
  glAlphaFunc(0x1234, 0.3f);  // not a comparison: ignored
  EXPECT_EQ(CurrentDrawState().alphaFunc, ALPHA_GREATER);
  glDisable(GL_ALPHA_TEST);
  EXPECT_FALSE(CurrentDrawState().alphaTest);
}

TEST_F(RecordingTest, ImmediatePrimitivesArriveWholeAtGlEnd) {
  glBegin(GL_TRIANGLE_STRIP);
  glColor4f(1, 0.5f, 0, 1);
  glVertex2f(1, 2);
  glVertex2i(3, 4);
  glColor4f(0.5f, 0.25f, 0, 1);
  glTexCoord2f(0.5f, 0.75f);
  glVertex3f(5, 6, 7);
  glBegin(GL_LINES);  // inside another: ignored
  glVertex2f(8, 9);
  glEnd();
  glEnd();  // without glBegin: ignored
  glBegin(GL_QUADS);
  glEnd();  // no vertices: nothing drawn
  glBegin(12345);  // not a primitive
  glVertex2f(1, 1);
  glEnd();
  glVertex2f(1, 1);  // outside glBegin: nothing
  auto calls = recorder_.CallsOf(TDrawCallKind::Immediate);
  ASSERT_EQ(calls.size(), 1u);
  const TImmediatePrimitive& p = calls[0].primitive;
  EXPECT_EQ(p.mode, GL_TRIANGLE_STRIP);
  ASSERT_EQ(p.vertices.size(), 4u);
  EXPECT_EQ(p.vertices[1].x, 3);
  EXPECT_EQ(p.vertices[1].green, 0.5f);
  EXPECT_EQ(p.vertices[2].z, 7);
  EXPECT_EQ(p.vertices[2].red, 0.5f);
  EXPECT_EQ(p.vertices[2].v, 0.75f);
  EXPECT_EQ(p.vertices[3].x, 8);
}

TEST_F(RecordingTest, ImmediateColoursClampAndConvert) {
  glBegin(GL_POINTS);
  glColor4f(2, -1, 0.5f, std::numeric_limits<float>::quiet_NaN());
  glVertex2f(0, 0);
  glColor4ub(255, 0, 51, 255);
  glVertex2f(0, 0);
  glColor4b(127, -20, 0, 51);  // signed: 127 is full, negative none
  glVertex2f(0, 0);
  glColor3f(0.5f, 0.5f, 0.5f);
  glVertex2f(0, 0);
  glEnd();
  const auto v = recorder_.CallsOf(TDrawCallKind::Immediate).at(0).primitive.vertices;
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[0].red, 1.0f);
  EXPECT_EQ(v[0].green, 0.0f);
  EXPECT_EQ(v[0].alpha, 0.0f);
  EXPECT_FLOAT_EQ(v[1].blue, 0.2f);
  EXPECT_EQ(v[2].red, 1.0f);
  EXPECT_EQ(v[2].green, 0.0f);
  EXPECT_FLOAT_EQ(v[2].alpha, 51.0f / 127.0f);
  EXPECT_EQ(v[3].alpha, 1.0f);
}

TEST_F(RecordingTest, TwoDimensionalDrawsLeaveTheGlStateAsOpenGlWouldBe) {
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_LINE_SMOOTH);
  glBindTexture(GL_TEXTURE_2D, 42);
  glBindTexture(0x1234, 43);  // not a 2D texture target: ignored
  glLineWidth(5);
  glColor4f(0, 1, 0, 1);
  EXPECT_EQ(CurrentDrawState().boundTexture, 42u);
  glBegin(GL_LINES);
  glVertex2f(0, 0);
  glVertex2f(1, 1);
  glEnd();
  SetColor(255, 0, 0);   // the GL colour follows SetColor
  SetAlpha(2.0f);        // clamped for GL
  SetLineWidth(2);
  DrawRect(0, 0, 1, 1);  // and the draw leaves texturing off, nothing bound
  glBegin(GL_LINES);
  glVertex2f(0, 0);
  glVertex2f(1, 1);
  glEnd();
  auto calls = recorder_.CallsOf(TDrawCallKind::Immediate);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_TRUE(calls[0].state.texturing);
  EXPECT_TRUE(calls[0].state.lineSmooth);
  EXPECT_EQ(calls[0].state.glLineWidth, 5);
  EXPECT_EQ(calls[0].primitive.vertices[0].green, 1.0f);
  EXPECT_FALSE(calls[1].state.texturing);
  EXPECT_EQ(calls[1].state.boundTexture, 0u);
  EXPECT_TRUE(calls[1].state.lineSmooth);  // not the 2D module's business
  EXPECT_EQ(calls[1].state.glLineWidth, 2);
  EXPECT_EQ(calls[1].primitive.vertices[0].green, 0.0f);
  EXPECT_EQ(calls[1].primitive.vertices[0].alpha, 1.0f);
  // A GL line width changes the immediate width only.
  glLineWidth(4);
  EXPECT_EQ(GetLineWidth(), 2);
  glLineWidth(-1);  // not a width
  EXPECT_EQ(CurrentDrawState().glLineWidth, 4);
}

TEST_F(RecordingTest, ImageDrawsCarryTheirRectanglesAndHandles) {
  auto image = LoadAnimImage(Pixmap(4, 2, {0xFF0000FF, 0xFF0000FF, 0x00FF00FF, 0x00FF00FF, 0xFF0000FF,
                                           0xFF0000FF, 0x00FF00FF, 0x00FF00FF}),
                             2, 2, 0, 2);
  ASSERT_NE(image, nullptr);
  SetImageHandle(image, 1, 0.5f);
  DrawImage(image, 10, 20, 1);
  DrawImageRect(image, 1, 2, 30, 40);
  DrawSubImageRect(image, 1, 2, -3, 4, 0.5f, 0.25f, 1, 1, 0.1f, 0.2f, 1);
  // Nothing for no image, a missing frame or an empty source rectangle.
  DrawImage(nullptr, 0, 0);
  DrawImage(image, 0, 0, 2);
  DrawImage(image, 0, 0, -1);
  DrawSubImageRect(image, 0, 0, 5, 5, 0, 0, 0, 1);
  DrawSubImageRect(image, 0, 0, 5, 5, 0, 0, 1, 0);
  auto calls = recorder_.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].image, image.get());
  EXPECT_EQ(calls[0].frame, 1);
  EXPECT_EQ(calls[0].args, (std::vector<float>{10, 20, 2, 2, 0, 0, 2, 2, 1, 0.5f}));
  EXPECT_EQ(calls[2].imageCall, TImageCall::DrawSubImageRect);
  EXPECT_EQ(calls[2].args, (std::vector<float>{1, 2, -3, 4, 0.5f, 0.25f, 1, 1, 0.1f, 0.2f}));
}

TEST_F(RecordingTest, TextureNamesAreStablePerFrame) {
  auto image = LoadAnimImage(Pixmap(2, 1, {0xFFFFFFFF, 0x000000FF}), 1, 1, 0, 2);
  ASSERT_NE(image, nullptr);
  const unsigned first = ImageTextureName(image, 0);
  const unsigned second = ImageTextureName(image, 1);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(ImageTextureName(image, 0), first);
  EXPECT_EQ(ImageTextureName(image, 2), 0u);
  EXPECT_EQ(ImageTextureName(nullptr), 0u);
}

TEST_F(RecordingTest, TextUsesTheSelectedFont) {
  DrawText("Quillon", 5, 6);
  DrawText("", 5, 6);  // nothing to draw
  auto calls = recorder_.CallsOf(TDrawCallKind::Text);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Quillon");
  EXPECT_EQ(calls[0].font, DefaultImageFont());
  EXPECT_EQ(calls[0].args, (std::vector<float>{5, 6}));
  auto bold = LoadImageFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 20, BOLDFONT);
  ASSERT_NE(bold, nullptr);
  SetImageFont(bold);
  DrawText("Quillon", 0, 0);
  EXPECT_EQ(recorder_.CallsOf(TDrawCallKind::Text).at(1).font, bold.get());
  EXPECT_EQ(TextHeight(), bold->Height());
  EXPECT_EQ(LoadImageFont("/no/such/font.ttf", 12), nullptr);
  EXPECT_EQ(LoadImageFont(DEFAULT_FONT_PATH, 0), nullptr);
}

TEST_F(RecordingTest, TextMeasuresAreStableAndTolerateBadBytes) {
  ASSERT_NE(DefaultImageFont(), nullptr);
  const int width = TextWidth("Page F1");
  EXPECT_GT(width, 0);
  EXPECT_EQ(TextWidth("Page F1"), width);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_LT(TextWidth("i"), TextWidth("W"));
  EXPECT_EQ(TextWidth("ab\xff\xfe"), TextWidth("ab"));  // malformed bytes count nothing
  EXPECT_GT(TextWidth("\xe2\x80\xa6"), 0);               // an ellipsis
  // Every character laid out lies inside the atlas.
  TImageFont& font = *DefaultImageFont();
  const auto& quads = font.Layout("The quick brown fox, 0123456789!");
  const TPixmap& atlas = *font.Atlas().frames.at(0).pixmap;
  ASSERT_FALSE(quads.empty());
  for (const auto& q : quads) {
    EXPECT_GE(q.sourceX, 0);
    EXPECT_LE(q.sourceX + q.width, atlas.width);
    EXPECT_LE(q.sourceY + q.height, atlas.height);
  }
}

TEST_F(RecordingTest, AnimImagesCutCellsInReadingOrder) {
  // A 3 x 2 grid of 1-pixel cells numbered by their red channel.
  auto source = Pixmap(3, 2, {0x000000FF, 0x010000FF, 0x020000FF, 0x030000FF, 0x040000FF, 0x050000FF}, true);
  auto image = LoadAnimImage(source, 1, 1, 2, 3);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(ImageFrames(image), 3);
  EXPECT_EQ(image->frames[0].pixmap->pixels[0], 2);
  EXPECT_EQ(image->frames[1].pixmap->pixels[0], 3);
  EXPECT_EQ(image->frames[2].pixmap->pixels[0], 4);
  EXPECT_EQ(LoadAnimImage(source, 1, 1, 4, 3), nullptr);  // past the last cell
  EXPECT_EQ(LoadAnimImage(source, 0, 1, 0, 1), nullptr);
  EXPECT_EQ(LoadAnimImage(source, 4, 1, 0, 1), nullptr);  // wider than the picture
  EXPECT_EQ(LoadAnimImage(source, 1, 1, -1, 1), nullptr);
  EXPECT_EQ(LoadAnimImage(source, 1, 1, 0, 0), nullptr);
}

TEST_F(RecordingTest, BrokenPicturesGiveNoImage) {
  EXPECT_EQ(LoadImage(std::shared_ptr<TPixmap>()), nullptr);
  auto empty = std::make_shared<TPixmap>();
  EXPECT_EQ(LoadImage(empty), nullptr);
  auto shortRows = CreatePixmap(4, 4);
  shortRows->pixels.resize(10);
  EXPECT_EQ(LoadImage(shortRows), nullptr);
  auto badPitch = CreatePixmap(4, 4);
  badPitch->pitch = 3;
  EXPECT_EQ(LoadImage(badPitch), nullptr);
  EXPECT_EQ(LoadImage(std::string("/no/such/picture.png")), nullptr);
  EXPECT_EQ(LoadAnimImage(std::string("/no/such/picture.png"), 1, 1, 0, 1), nullptr);
  EXPECT_EQ(ImageWidth(nullptr), 0);
  SetImageHandle(nullptr, 1, 1);
  MidHandleImage(nullptr);
}

}  // namespace
