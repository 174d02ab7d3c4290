// MBackground and MCheckButton through the recording backend: fill colours and the
// colour code, tiling, the stretched picture, and the hand-over to MButton.
#include "framework/backgrounds.h"

#include <gtest/gtest.h>

#include "framework/buttons.h"
#include "framework/colorcodes.h"
#include "framework/raster.h"
#include "framework/rendertesting.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"

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


int Level(const TRaster& seen, int x, int y) { return std::get<0>(seen.At(x, y)); }

TEST_F(BackgroundRendererTest, ShadedStylesDarkenWhereTheirShadesLie) {
  PutImage(0, "tile.png", 64, 64);
  const Rgb bg{128, 128, 128};
  // Box (10, 20, 200, 100): right 210, bottom 120. Levels over mid grey 128.
  struct Case {
    int style;
    std::vector<std::pair<int, int>> darker;  // darker than the box's middle
    std::vector<std::pair<int, int>> plain;   // as the middle
    int middle;                               // the middle's level
    std::pair<int, int> at{110, 70};          // the middle: a pixel no shade reaches
  };
  const int black40 = TRaster::Over(128, 0, 0.4f), black10 = TRaster::Over(128, 0, 0.1f);
  const std::vector<Case> cases = {
      {0, {{110, 21}, {110, 119}}, {{110, 60}, {110, 80}}, black40},
      {1, {{110, 21}, {110, 50}}, {{110, 119}, {11, 90}}, 128, {110, 81}},
      {5, {{110, 21}}, {{110, 60}, {110, 119}}, black10},
      {7, {{110, 21}, {11, 70}, {208, 70}}, {{110, 100}, {60, 100}}, 60},
      {0x800, {{110, 21}, {110, 119}}, {{110, 60}, {110, 80}}, black40},  // code 1, style 0
      {9, {{11, 70}, {50, 70}}, {{71, 70}, {110, 70}, {208, 70}}, 128},
      {10, {{208, 70}, {170, 70}}, {{149, 70}, {110, 70}, {11, 70}}, 128},
      {14, {{110, 21}, {11, 100}, {208, 100}}, {{110, 61}, {110, 119}}, 128},
      {15, {{110, 21}, {110, 118}, {205, 70}}, {{110, 70}, {150, 70}}, 128},
      {16, {{110, 21}, {110, 118}}, {{110, 70}, {11, 70}, {208, 70}}, 128},
  };
  for (const Case& c : cases) {
    MAlpha(1.0f);  // as the renderer sets it before each control
    Background(c.style);
    const TRaster seen(recorder);
    const int middle = Level(seen, c.at.first, c.at.second);
    EXPECT_EQ(middle, c.middle) << c.style;
    for (const auto& [x, y] : c.darker) EXPECT_LT(Level(seen, x, y), middle) << c.style << " " << x << "," << y;
    for (const auto& [x, y] : c.plain) EXPECT_EQ(Level(seen, x, y), middle) << c.style << " " << x << "," << y;
    EXPECT_FALSE(seen.Lit(5, 70)) << c.style;
    EXPECT_FALSE(seen.Lit(110, 125)) << c.style;
  }
  // The fills and shades of these styles draw untextured, whatever was drawn before.
  for (int style : {6, 7, 14, 16}) {
    glEnable(GL_TEXTURE_2D);
    Background(style);
    for (const TDrawCall& c : Of(TDrawCallKind::Immediate)) EXPECT_FALSE(c.state.texturing) << style;
  }
  // Style 6's edges: a faint light line down the left, dark lines on the right and bottom.
  MAlpha(1.0f);
  Background(6);
  const TRaster panel(recorder);
  EXPECT_GT(Level(panel, 10, 70), Level(panel, 11, 70));
  EXPECT_LT(Level(panel, 10, 70), 150);
  EXPECT_LT(Level(panel, 209, 70), Level(panel, 208, 70));
  EXPECT_LT(Level(panel, 110, 119), Level(panel, 110, 118));
  // Style 0 keeps its bottom shade inside the box by the viewport.
  Background(0);
  EXPECT_FALSE(TRaster(recorder).Lit(110, 120));
  // Style 15's right edge: a light line on the last column, a dark one before it.
  Background(15);
  const TRaster edge(recorder);
  EXPECT_EQ(Level(edge, 209, 70), TRaster::Over(128, 255, 0.25f));
  EXPECT_GT(Level(edge, 207, 70) - Level(edge, 208, 70), 10);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
}

TEST_F(BackgroundRendererTest, FilledPanelsInTheDarkBackgroundColour) {
  for (int style : {2, 13}) {
    Background(style);
    const TRaster seen(recorder);
    EXPECT_EQ(seen.At(110, 100), (Rgb{51, 51, 51})) << style;
    EXPECT_LT(Level(seen, 110, 25), 51) << style;  // the shade along the top
    EXPECT_EQ(seen.At(110, 85), (Rgb{51, 51, 51})) << style;
    // Style 13 frames the panel in black.
    for (const auto& [x, y] : {std::pair{110, 20}, {10, 70}, {209, 70}, {110, 119}})
      EXPECT_EQ(seen.At(x, y) == (Rgb{0, 0, 0}), style == 13) << style << " " << x << "," << y;
  }
}

TEST_F(BackgroundRendererTest, PanelStripOfThreePanelsFromTheWindowsLeftEdge) {
  Background(3, 0, 20, 224, 100);  // panels 60 wide, the divider at 180
  const TRaster seen(recorder);
  EXPECT_EQ(seen.At(30, 60), (Rgb{60, 60, 60}));
  EXPECT_EQ(seen.At(100, 60), (Rgb{100, 100, 100}));
  EXPECT_EQ(seen.At(200, 60), (Rgb{60, 60, 60}));
  const Rgb line{200, 200, 200};
  for (const auto& [x, y] : {std::pair{60, 60}, {164, 60}, {180, 60}, {100, 70}, {170, 70}, {30, 20},
                             {30, 118}, {0, 60}, {223, 60}})
    EXPECT_EQ(seen.At(x, y), line) << x << "," << y;
  EXPECT_EQ(seen.At(190, 70), (Rgb{60, 60, 60}));  // the divider stops at 180
  EXPECT_EQ(seen.At(30, 119), (Rgb{0, 0, 0}));
  EXPECT_GT(Level(seen, 100, 22), 100);  // the sheen at the top
  EXPECT_GT(Level(seen, 100, 115), 100);  // and at the bottom
}

TEST_F(BackgroundRendererTest, CheckBoxSquareAtTheRightEndFilledThreePixelsInWhenSelected) {
  const Rgb white{255, 255, 255};
  for (int selected : {0, 1}) {
    recorder.Clear();
    EXPECT_EQ(MCheckButton(10, 10, 200, 20, 0, 0, 2, 7, 0, "Loop", selected, 0, 0, 0), 7);
    const TRaster seen(recorder);
    for (const auto& [x, y] : {std::pair{190, 20}, {209, 20}, {200, 10}, {200, 29}})
      EXPECT_EQ(seen.At(x, y), white) << x << "," << y;
    for (const auto& [x, y] : {std::pair{189, 20}, {210, 20}, {192, 20}, {207, 20}, {200, 12}, {200, 27}})
      EXPECT_FALSE(seen.Lit(x, y)) << x << "," << y;
    for (const auto& [x, y] : {std::pair{193, 13}, {206, 26}, {200, 20}})
      EXPECT_EQ(seen.Lit(x, y), selected != 0) << selected << " " << x << "," << y;
    EXPECT_FALSE(seen.Lit(10, 20));  // no hover mark while not live
    // The caption is centred in the 180 pixels before the square.
    ASSERT_EQ(Of(TDrawCallKind::Text).size(), 1u);
    EXPECT_EQ(Of(TDrawCallKind::Text)[0].args[0], static_cast<float>(10 + (180 - TextWidth("Loop")) / 2));
  }
  // Live, the hover mark frames the whole box.
  recorder.Clear();
  MCheckButton(10, 10, 200, 20, 0, 0, 2, 7, 0, "Loop", 0, 0, 1, 0);
  const TRaster live(recorder);
  EXPECT_TRUE(live.Lit(10, 20));
  EXPECT_TRUE(live.Lit(100, 10));
}

}  // namespace
