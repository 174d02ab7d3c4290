// MButton through the recording backend: the looks chosen by the style word, the flags
// and colour code in it, the segmented keys' joins, and the pedal and routing texts.
#include "framework/buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/colorcodes.h"
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
};

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

}  // namespace
