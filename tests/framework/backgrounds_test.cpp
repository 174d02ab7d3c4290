// MBackground and MCheckButton through the recording backend: fill colours and the
// colour code, tiling, the stretched picture, and the hand-over to MButton.
#include "framework/backgrounds.h"

#include <gtest/gtest.h>

#include "framework/buttons.h"
#include "framework/colorcodes.h"
#include "framework/rendertesting.h"

namespace {

constexpr int kCode5 = 5 << kColorCodeShift;  // (230, 10, 0)

class BackgroundRendererTest : public RenderTest {
 protected:
  void Background(int style, int x = 10, int y = 20, int w = 200, int h = 100,
                  const std::string& name = "tile") {
    recorder.Clear();
    MBackground(x, y, w, h, x + w, y + h, style, 0, 0, name);
  }
};

TEST_F(BackgroundRendererTest, FilledStylesTakeTheColourCode) {
  struct Case {
    int style;
    Rgb plain, coded;
  };
  for (const Case& c : {Case{6, {100, 100, 100}, {230, 10, 0}}, Case{7, {60, 60, 60}, {190, 0, 0}},
                        Case{8, {100, 100, 100}, {230, 10, 0}}}) {
    Background(c.style);
    ASSERT_FALSE(Of(TDrawCallKind::Rect).empty()) << c.style;
    EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), c.plain) << c.style;
    EXPECT_EQ(BoxOf(Of(TDrawCallKind::Rect)[0]), (Box{10, 20, 200, 100}));
    Background(c.style | kCode5);
    EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), c.coded) << c.style;
  }
}

TEST_F(BackgroundRendererTest, UnknownStylesDrawAFortyPercentBlackBox) {
  for (int style : {18, 100, -3}) {
    Background(style);
    ASSERT_EQ(recorder.Calls().size(), 1u) << style;
    const TDrawCall& r = recorder.Calls()[0];
    EXPECT_EQ(ColourOf(r), Rgb(0, 0, 0));
    EXPECT_FLOAT_EQ(r.state.alpha, 0.4f);
    EXPECT_EQ(BoxOf(r), (Box{10, 20, 200, 100}));
  }
}

TEST_F(BackgroundRendererTest, TilingCoversTheBoxWithWholeOverhangingTiles) {
  PutImage(0, "tile.png", 64, 64);
  Background(11, 0, 0, 100, 100);
  std::vector<Box> tiles;
  for (const TDrawCall& c : Of(TDrawCallKind::Image)) tiles.push_back(BoxOf(c));
  EXPECT_EQ(tiles, (std::vector<Box>{{0, 0, 64, 64}, {64, 0, 64, 64}, {0, 64, 64, 64},
                                     {64, 64, 64, 64}}));
  // A box smaller than the image still gets its one tile.
  Background(16, 5, 5, 10, 10);
  EXPECT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  EXPECT_FALSE(CurrentDrawState().texturing);  // style 16 leaves texturing off
  Background(17, 5, 5, 10, 10);
  EXPECT_TRUE(CurrentDrawState().texturing);
}

TEST_F(BackgroundRendererTest, MissingOrEmptyImagesDrawNothing) {
  for (int style : {4, 11, 12, 14, 15, 16, 17}) {
    Background(style, 0, 0, 100, 100, "nowhere");
    EXPECT_TRUE(Of(TDrawCallKind::Image).empty()) << style;
  }
  PutImage(0, "flat.png", 0, 0);
  Background(11, 0, 0, 100, 100, "flat");
  EXPECT_TRUE(Of(TDrawCallKind::Image).empty());
}

TEST_F(BackgroundRendererTest, PicturesAtNaturalSizeOrStretchedToRightAndBottom) {
  PutImage(0, "pic.png", 40, 30);
  Background(4, 10, 20, 200, 100, "pic");
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image).at(0)), (Box{10, 20, 40, 30}));
  Background(12, 0, 0, 200, 100, "pic");
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image).at(0)), (Box{0, 0, 200, 100}));
  Background(12, 10, 20, 200, 100, "pic");  // width and height are right and bottom
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image).at(0)), (Box{10, 20, 210, 120}));
}

TEST_F(BackgroundRendererTest, CheckButtonWithAnyOtherStyleWordIsAPushButton) {
  recorder.Clear();
  MCheckButton(10, 10, 200, 20, 0, 0x800, 0, -1, 0, "Loop", 0, 0, 0, 0);
  ASSERT_FALSE(Of(TDrawCallKind::Rect).empty());
  EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), Rgb(148, 148, 148));
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Rect)[0]), (Box{10, 10, 200, 20}));
}

}  // namespace
