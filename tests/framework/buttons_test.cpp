// MButton through the recording backend: the looks chosen by the style word, the flags
// and colour code in it, the segmented keys' joins, and the pedal and routing texts.
#include "framework/buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/colorcodes.h"
#include "framework/raster.h"
#include "framework/rendertesting.h"

namespace {

constexpr int kCode5 = 5 << kColorCodeShift;  // (230, 10, 0)

class ButtonRendererTest : public RenderTest {
 protected:
  int Button(int style, int selected, int over, int live, const std::string& text = "Go",
             int align = 0, int indent = 0) {
    recorder.Clear();
    return MButton(100, 50, 60, 30, indent, style, align, -1, 0, text, selected, over, live, 0);
  }
  // The button as it would look over mid grey.
  TRaster Seen() const { return TRaster(recorder); }
  std::vector<TDrawCall> Texts() const { return Of(TDrawCallKind::Text); }
};

int Red(const Rgb& c) { return std::get<0>(c); }
int Green(const Rgb& c) { return std::get<1>(c); }
int Blue(const Rgb& c) { return std::get<2>(c); }
int Sum(const Rgb& c) { return Red(c) + Green(c) + Blue(c); }
bool Grey(const Rgb& c) { return Red(c) == Green(c) && Green(c) == Blue(c); }

TEST_F(ButtonRendererTest, DefaultLookIsARaisedOrSunkenGreyKey) {
  Button(0, 0, 0, 0);
  std::vector<TDrawCall> rects = Of(TDrawCallKind::Rect);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(BoxOf(rects[0]), (Box{100, 50, 60, 30}));
  EXPECT_EQ(ColourOf(rects[0]), Rgb(148, 148, 148));
  ASSERT_EQ(Of(TDrawCallKind::Text).size(), 1u);
  const float upY = Of(TDrawCallKind::Text)[0].args[1];

  Button(0, 1, 1, 0);
  rects = Of(TDrawCallKind::Rect);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(ColourOf(rects[0]), Rgb(118, 118, 118));
  EXPECT_EQ(Of(TDrawCallKind::Text)[0].args[1], upY + 1);  // pressed caption one lower
  EXPECT_EQ(ColourOf(rects[1]), Rgb(255, 255, 255));       // hover wash
  EXPECT_FLOAT_EQ(rects[1].state.alpha, 0.2f);
}

TEST_F(ButtonRendererTest, InvisibleStyleDrawsOnlyTheHoverMark) {
  Button(14, 1, 1, 0);
  EXPECT_TRUE(recorder.Calls().empty());
  Button(14, 0, 0, 1);
  EXPECT_FALSE(recorder.Calls().empty());
  EXPECT_EQ(ViewportNow(), (Box{100, 50, 60, 30}));
}

TEST_F(ButtonRendererTest, HalfAlphaBitHalvesTheMasterAlphaForWhatFollows) {
  MAlpha(0.6f);
  Button(0x40, 0, 1, 0);
  EXPECT_FLOAT_EQ(g_fAlpha, 0.3f);
  EXPECT_FLOAT_EQ(Of(TDrawCallKind::Rect).back().state.alpha, 0.2f * 0.3f);
  EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), Rgb(148, 148, 148));  // still the default look
}

TEST_F(ButtonRendererTest, ColourCodeOnTheStripStyleMasksItToTheDefaultLook) {
  Button(0x200, 0, 0, 0, "strip");
  EXPECT_TRUE(Of(TDrawCallKind::Rect).empty());  // segmented: gradient shapes only
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Immediate)[0]), (Box{100, 50, 60, 29}));

  Button(0x200 | kCode5, 0, 0, 0, "strip");
  ASSERT_FALSE(Of(TDrawCallKind::Rect).empty());
  EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), Rgb(148, 148, 148));
}

TEST_F(ButtonRendererTest, ColourOnlyWhenSelectedBitWithoutACode) {
  Button(130 | 0x400, 0, 0, 0);
  EXPECT_TRUE(Of(TDrawCallKind::Rect).empty());  // the segmented key
  Button(130 | 0x400, 1, 0, 0);
  ASSERT_FALSE(Of(TDrawCallKind::Rect).empty());  // no style matches: the default look
  EXPECT_EQ(ColourOf(Of(TDrawCallKind::Rect)[0]), Rgb(118, 118, 118));
}

TEST_F(ButtonRendererTest, RaisedKeyShowsItsColourCodeOnlyWhileSelected) {
  auto face = [&] { return VertexColour(Of(TDrawCallKind::Immediate).at(1), 0); };
  Button(32 | 0x400 | kCode5, 0, 0, 0);
  EXPECT_EQ(face(), Rgba(190, 190, 190, 255));
  Button(32 | 0x400 | kCode5, 1, 0, 0);
  EXPECT_EQ(face(), Rgba(230, 10, 0, 255));
  Button(32 | kCode5, 0, 0, 0);
  EXPECT_EQ(face(), Rgba(230, 10, 0, 255));
  // Selected, the key is pressed one pixel right and down; so is its hover box.
  Button(32, 1, 0, 1);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Immediate).at(1)), (Box{103, 53, 56, 26}));
  EXPECT_EQ(ViewportNow(), (Box{101, 51, 60, 30}));
}

TEST_F(ButtonRendererTest, GlossyKeyIsLitOnlyWhenLiveOverOrSelectedAndNeverHovers) {
  Button(16, 0, 0, 0);
  EXPECT_TRUE(Of(TDrawCallKind::Immediate).empty());
  EXPECT_TRUE(Of(TDrawCallKind::Rect).empty());
  EXPECT_FALSE(Of(TDrawCallKind::Text).empty());

  MAlpha(0.3f);
  Button(16, 0, 0, 1);
  EXPECT_FALSE(Of(TDrawCallKind::Immediate).empty());
  EXPECT_TRUE(Of(TDrawCallKind::Line).empty());  // no hover frame though live
  EXPECT_FLOAT_EQ(g_fAlpha, 1.0f);
}

TEST_F(ButtonRendererTest, PedalLabelFollowsTheDecodedEntry) {
  const auto saved = FXName;
  FXName = {"a", "b", "chorus", "d", "e", "f", "g", "h"};
  auto texts = [&] {
    std::vector<std::string> out;
    for (const TDrawCall& c : Of(TDrawCallKind::Text)) out.push_back(c.text);
    return out;
  };
  Button(26, 0, 0, 0, "3");
  EXPECT_EQ(texts(), (std::vector<std::string>{"chorus", "chorus"}));
  Button(26, 0, 0, 0, "x1220");
  EXPECT_EQ(texts(), (std::vector<std::string>{"0", "0"}));
  // Entries outside the tables draw no label and read nothing past them.
  for (const char* text : {"", "9", "0", "x"}) {
    Button(26, 0, 0, 0, text);
    EXPECT_TRUE(texts().empty()) << text;
  }
  Button(26, 0, 0, 0, "x1299");
  EXPECT_EQ(texts(), (std::vector<std::string>{"9", "9"}));
  FXName = saved;
}

TEST_F(ButtonRendererTest, RoutingDiagramFrameAndAbsoluteAlpha) {
  PutImage(3, "fxrouting.png", 117 * 10, 40);
  auto sourceX = [&] { return Of(TDrawCallKind::Image).at(0).args[4]; };
  auto diagram = [&](int selected, const std::string& text) {
    recorder.Clear();
    MButton(0, 0, 200, 150, 0, 27, 0, -1, 0, text, selected, 0, 0, 0);
  };
  MAlpha(0.3f);
  diagram(0, "12");  // out of 0-9: frame 0
  EXPECT_EQ(sourceX(), 0.0f);
  EXPECT_FLOAT_EQ(Of(TDrawCallKind::Image)[0].state.alpha, 0.6f);
  EXPECT_EQ(BoxOf(Of(TDrawCallKind::Image)[0]), (Box{30, 30, 140, 90}));
  diagram(1, "3");
  EXPECT_EQ(sourceX(), 3 * 117.0f);
  EXPECT_FLOAT_EQ(Of(TDrawCallKind::Image)[0].state.alpha, 1.0f);
  // Only the highlight plate follows the master alpha: 70 of 255, times 0.3.
  EXPECT_EQ(std::get<3>(VertexColour(Of(TDrawCallKind::Immediate)[0], 0)), 70 * 3 / 10);
}

TEST_F(ButtonRendererTest, SegmentedKeysJoinIntoTheNeighboursMargins) {
  struct Case {
    int align;
    Box widened;
  };
  const int indent = 4;
  for (const Case& c : {Case{0, {100, 50, 60, 30}}, Case{0x400, {96, 50, 64, 30}},
                        Case{0x800, {100, 50, 67, 30}}, Case{0xC00, {96, 50, 71, 30}}}) {
    Button(130, 0, 0, 1, "A", c.align, indent);
    const std::vector<TDrawCall> shapes = Of(TDrawCallKind::Immediate);
    ASSERT_GE(shapes.size(), 2u);
    const Box& w = c.widened;
    EXPECT_EQ(BoxOf(shapes[0]), (Box{w.x, w.y, w.w, w.h - 1})) << c.align;  // outer rim
    // The face: one in from the sides, two from the top, three from the bottom.
    EXPECT_EQ(ViewportNow(), (Box{w.x + 1, w.y + 2, w.w - 2, w.h - 5})) << c.align;
    // A square side of the dark rim has a vertex exactly in its corner.
    auto corner = [&](int x) {
      return std::any_of(shapes[1].primitive.vertices.begin(), shapes[1].primitive.vertices.end(),
                         [&](const TImmediateVertex& v) { return v.x == x && v.y == w.y + 1; });
    };
    EXPECT_EQ(corner(w.x + 1), (c.align & 0x400) != 0) << c.align;
    EXPECT_EQ(corner(w.x + w.w - 1), (c.align & 0x800) != 0) << c.align;
  }
}


TEST_F(ButtonRendererTest, ToggleIsARoundedBodyWithADarkLampSlotGreenWhileOn) {
  const int lamp = PutImage(2, "lamp.png", 16, 16);
  for (int style : {2, 6}) {
    for (int selected : {0, 1}) {
      const int slot = Button(style, selected, 0, 0, "ONlamp");
      const TRaster seen = Seen();
      const Rgb body = seen.At(140, 72), slotted = seen.At(110, 72);
      EXPECT_EQ(Green(body) > Red(body) + 60, selected != 0) << style << " " << selected;
      EXPECT_TRUE(selected != 0 || Grey(body)) << style;
      EXPECT_LT(Sum(slotted) + 60, Sum(body)) << style << " " << selected;
      EXPECT_FALSE(seen.Lit(100, 50)) << style;  // rounded corners
      EXPECT_TRUE(seen.Lit(130, 50)) << style;
      EXPECT_TRUE(seen.Lit(100, 65)) << style;
      // The gloss lights the upper half of a button that is off.
      EXPECT_EQ(Sum(seen.At(140, 56)) > Sum(seen.At(140, 72)), selected == 0) << style;
      // The two prefix characters stand in a column 9 pixels into the caption's box (which
      // style 6 starts 3 pixels left); the rest is the caption.
      const std::vector<TDrawCall> texts = Texts();
      ASSERT_EQ(texts.size(), 3u) << style;
      const float column = style == 6 ? 106.0f : 109.0f;
      EXPECT_EQ(std::pair(texts[0].text, texts[0].args[0]), std::pair(std::string("N"), column));
      EXPECT_EQ(std::pair(texts[1].text, texts[1].args[0]), std::pair(std::string("O"), column));
      EXPECT_LT(texts[1].args[1], texts[0].args[1]);
      EXPECT_EQ(texts[2].text, "lamp");
      // Style 6 adds the icon the caption names, and drops the caption to the bottom.
      EXPECT_EQ(Of(TDrawCallKind::Image).empty(), style == 2) << style;
      EXPECT_EQ(slot, style == 6 ? lamp : -1) << style;
    }
  }
  Button(2, 0, 0, 0, "ONlamp");
  const float middle = Texts().at(2).args[1];
  Button(6, 0, 0, 0, "ONlamp");
  EXPECT_GT(Texts().at(2).args[1], middle);

  // Under the pointer, the gloss colours wash over the whole body.
  Button(2, 0, 0, 0, "ONlamp");
  const int before = Sum(Seen().At(140, 72));
  Button(2, 0, 1, 0, "ONlamp");
  EXPECT_GT(Sum(Seen().At(140, 72)), before);
}

TEST_F(ButtonRendererTest, UnlabelledToggleIsADarkSwitchSplitAfterItsLamp) {
  Button(2, 0, 0, 0, "");
  const TRaster seen = Seen();
  EXPECT_TRUE(Grey(seen.At(140, 65)));
  EXPECT_LT(Red(seen.At(140, 65)), 60);  // the dark body
  // The split: a grey line from top to bottom 18 pixels in.
  for (int y : {55, 65, 75}) EXPECT_GT(Red(seen.At(118, y)), 60) << y;
  EXPECT_LT(Red(seen.At(122, 65)), 60);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(CurrentDrawState().lineWidth, 1.0f);  // the thick outline does not outlast it
}

TEST_F(ButtonRendererTest, SquareKeyInTheButtonColourWithADropShadowUntilPressed) {
  constexpr int kGreen = 12 << kColorCodeShift;  // (40, 210, 40)
  const int lamp = PutImage(2, "lamp.png", 16, 16);
  for (int style : {8, 12}) {
    Button(style | kGreen, 0, 0, 0, "ONlamp");
    TRaster seen = Seen();
    const Rgb face = seen.At(130, 72);
    EXPECT_GT(Green(face), Red(face) + 100) << style;
    EXPECT_EQ(seen.At(101, 60), (Rgb{0, 0, 0})) << style;  // the black outline
    EXPECT_LT(Sum(seen.At(163, 70)), 3 * 128) << style;     // the shadow right of the key
    EXPECT_LT(Sum(seen.At(130, 83)), 3 * 128) << style;     // and below it
    EXPECT_FALSE(seen.Lit(170, 70)) << style;
    // The caption twice: a faint white copy one pixel below the dark one.
    const std::vector<TDrawCall> texts = Texts();
    ASSERT_EQ(texts.size(), 2u) << style;
    EXPECT_EQ(ColourOf(texts[0]), (Rgb{255, 255, 255}));
    EXPECT_FLOAT_EQ(texts[0].state.alpha, 0.25f);
    EXPECT_EQ(ColourOf(texts[1]), (Rgb{30, 30, 30}));
    EXPECT_EQ(texts[0].args[1], texts[1].args[1] + 1);
    EXPECT_EQ(texts[1].text, "ONlamp");
    EXPECT_EQ(Of(TDrawCallKind::Image).empty(), style == 8) << style;

    EXPECT_EQ(seen.At(130, 51), (Rgb{0, 0, 0})) << style;
    EXPECT_EQ(seen.At(130, 78), (Rgb{0, 0, 0})) << style;
    EXPECT_NE(seen.At(130, 52), (Rgb{0, 0, 0})) << style;

    // Pressed: lighter, its top a pixel lower, its bottom in place, no drop shadow.
    const int slot = Button(style | kGreen, 1, 0, 0, "ONlamp");
    seen = Seen();
    EXPECT_GT(Sum(seen.At(130, 72)), Sum(face)) << style;
    EXPECT_EQ(seen.At(102, 60), (Rgb{0, 0, 0})) << style;
    EXPECT_EQ(seen.At(130, 52), (Rgb{0, 0, 0})) << style;
    EXPECT_EQ(seen.At(130, 78), (Rgb{0, 0, 0})) << style;
    EXPECT_FALSE(seen.Lit(163, 70)) << style;
    EXPECT_EQ(slot, style == 12 ? lamp : -1) << style;
  }
  Button(8, 0, 0, 0, "Go");
  const Rgb plain = Seen().At(130, 72);
  EXPECT_TRUE(Grey(plain));  // light grey without a colour code
  Button(8, 0, 1, 0, "Go");
  EXPECT_GT(Sum(Seen().At(130, 72)), Sum(plain));  // the hover wash
}

TEST_F(ButtonRendererTest, PlateShowsOnlyWhileOverOrSelected) {
  const TMColor hl = AppHL, hl2 = AppHL2;
  AppHL.SetCol(200, 0, 0);
  AppHL2.SetCol(0, 0, 200);
  Button(128, 0, 0, 0, "Go", 2);
  EXPECT_FALSE(Seen().Lit(130, 65));
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(ColourOf(Texts()[0]), (Rgb{255, 255, 255}));
  Button(128, 1, 0, 0, "Go", 2);
  EXPECT_EQ(Seen().At(130, 65), (Rgb{200, 0, 0}));
  EXPECT_FALSE(Seen().Lit(100, 50));  // rounded
  Button(128, 1, 1, 0, "Go", 2);
  EXPECT_EQ(Seen().At(130, 65), (Rgb{0, 0, 200}));
  AppHL = hl;
  AppHL2 = hl2;
}

TEST_F(ButtonRendererTest, SegmentedIconAndImageKeys) {
  const int lamp = PutImage(2, "lamp.png", 16, 16);
  PutImage(3, "ONlamp.png", 16, 16);
  MAlpha(0.8f);
  // 134: the caption at the bottom, dark then white, and the icon.
  EXPECT_EQ(Button(134, 0, 0, 0, "ONlamp"), lamp);
  std::vector<TDrawCall> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(std::tuple(ColourOf(texts[0]), texts[0].state.alpha), std::tuple(Rgb{30, 30, 30}, 0.4f));
  EXPECT_EQ(std::tuple(ColourOf(texts[1]), texts[1].state.alpha), std::tuple(Rgb{255, 255, 255}, 0.6f));
  EXPECT_EQ(texts[0].args[1], texts[1].args[1] + 1);
  Button(130, 0, 0, 0, "ONlamp");
  EXPECT_GT(texts[1].args[1], Texts().at(1).args[1]);  // lower than the centred caption
  Button(134, 0, 0, 0, "ONlamp");
  ASSERT_FALSE(Of(TDrawCallKind::Image).empty());
  for (const TDrawCall& icon : Of(TDrawCallKind::Image)) {
    const Box b = BoxOf(icon);
    EXPECT_TRUE(b.x > 100 && b.x + b.w < 160 && b.y > 50 && b.y + b.h < 80) << b.x << "," << b.y;
  }
  // 135: the image named by the text at half the face's size, in its middle.
  Button(135, 0, 0, 0, "ONlamp");
  EXPECT_TRUE(Texts().empty());
  ASSERT_EQ(Of(TDrawCallKind::Image).size(), 1u);
  const TDrawCall image = Of(TDrawCallKind::Image)[0];
  EXPECT_EQ(image.image, Images->Image[3].get());
  EXPECT_EQ(BoxOf(image), (Box{115, 58, 29, 12}));  // the face is (101, 52, 58, 25)
  EXPECT_EQ(ColourOf(image), (Rgb{250, 250, 250}));
  EXPECT_FLOAT_EQ(image.state.alpha, 0.6f);
}

}  // namespace
