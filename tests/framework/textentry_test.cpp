// The state kinds through the recording backend: the edited text field's cursor, the
// command line's cursor, the transport bar and its lit states, the main-page key tab,
// and the OpenGL view control making its canvas.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "framework/browsertesting.h"
#include "framework/buttons.h"
#include "framework/raster.h"
#include "framework/statedrawtypes.h"
#include "framework/windowtesting.h"

namespace {

class GLLayer : public TestWindowLayer {
 public:
  std::vector<int> resizes;
  int MGLResize(TMControl* control) override {
    resizes.push_back(control->nArrayPos);
    return 0;
  }
};

class TextEntry : public IconStripTest {
 protected:
  void TearDown() override {
    TransportCommand = kTransportStop;
    IconStripTest::TearDown();
  }
  TMControl Field(const std::string& text) {
    TMControl c;
    c.nX = 10;
    c.nY = 20;
    c.nWidth = 200;
    c.nHeight = 24;
    c.nX1 = 210;
    c.nY1 = 44;
    c.strText = text;
    c.bEnabled = 1;
    return c;
  }
  std::vector<TDrawCall> RectsIn(int r, int g, int b) const {
    std::vector<TDrawCall> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect))
      if (c.state.red == r && c.state.green == g && c.state.blue == b) out.push_back(c);
    return out;
  }
  GLLayer app;
};

TEST_F(TextEntry, WhileEditedGrowsAndShowsTheCursorOverTheNextCharacter) {
  TMControl c = Field("hello");
  app.EditControl = 1;
  app.EditPos = 0;
  DrawTextEntry(app, c, 49, 0, 0);
  const auto black = RectsIn(0, 0, 0);
  ASSERT_FALSE(black.empty());
  EXPECT_EQ(black[0].args, (std::vector<float>{8, 18, 204, 28}));
  EXPECT_FLOAT_EQ(black[0].state.alpha, 1.0f);
  const auto cursor = RectsIn(15, 155, 15);
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(cursor[0].args, (std::vector<float>{11, 20, static_cast<float>(TextWidth("h")), 23}));

  recorder.Clear();
  app.EditPos = 2;
  DrawTextEntry(app, c, 49, 0, 0);
  ASSERT_EQ(RectsIn(15, 155, 15).size(), 1u);
  EXPECT_EQ(RectsIn(15, 155, 15)[0].args[0], 11 + TextWidth("he"));
  EXPECT_EQ(RectsIn(15, 155, 15)[0].args[2], TextWidth("l"));
}

TEST_F(TextEntry, AtTheEndTheCursorIsAWideBrightBlock) {
  TMControl c = Field("hi");
  app.EditControl = 7;       // any open edit: the field does not compare it with itself
  for (int pos : {2, 99}) {  // a position past the end counts as the end
    recorder.Clear();
    app.EditPos = pos;
    DrawTextEntry(app, c, 49, 0, 0);
    const auto cursor = RectsIn(155, 255, 55);
    ASSERT_EQ(cursor.size(), 1u) << pos;
    EXPECT_EQ(cursor[0].args[0], 11 + TextWidth("hi"));
    EXPECT_EQ(cursor[0].args[2], TextWidth("W"));
  }
}

TEST_F(TextEntry, TheCursorCountsCharactersNotBytes) {
  TMControl c = Field("\u00E9t\u00E9");
  app.EditControl = 1;
  // Position: the text before the cursor and the character under it.
  const struct {
    int pos;
    const char* before;
    const char* under;
  } cases[] = {{0, "", "\u00E9"}, {1, "\u00E9", "t"}, {2, "\u00E9t", "\u00E9"}};
  for (const auto& k : cases) {
    recorder.Clear();
    app.EditPos = k.pos;
    DrawTextEntry(app, c, 49, 0, 0);
    const auto cursor = RectsIn(15, 155, 15);
    ASSERT_EQ(cursor.size(), 1u) << k.pos;
    EXPECT_EQ(cursor[0].args[0], 11 + TextWidth(k.before)) << k.pos;
    EXPECT_EQ(cursor[0].args[2], TextWidth(k.under)) << k.pos;
  }
  recorder.Clear();
  app.EditPos = 3;  // three characters: the end of the text
  DrawTextEntry(app, c, 49, 0, 0);
  ASSERT_EQ(RectsIn(155, 255, 55).size(), 1u);
  EXPECT_EQ(RectsIn(155, 255, 55)[0].args[0], 11 + TextWidth("\u00E9t\u00E9"));
}

TEST_F(TextEntry, TheCommandLineShowsItsCursorOnlyOverAnOverlay) {
  TMControl c = Field("");
  c.nHeight = 40;
  app.strCursorText = "go";
  DrawCommandLine(app, c, 25, 1, 0);
  EXPECT_TRUE(Drew("Command: go"));
  EXPECT_TRUE(RectsIn(155, 255, 55).empty());
  EXPECT_TRUE(RectsIn(15, 105, 15).empty());

  app.PageOverlay = 1;
  recorder.Clear();
  DrawCommandLine(app, c, 25, 1, 0);
  const auto bright = RectsIn(155, 255, 55);
  ASSERT_EQ(bright.size(), 1u);
  EXPECT_EQ(bright[0].args,
            (std::vector<float>{static_cast<float>(18 + TextWidth("Command: go")), 25, 20, 30}));
  app.nCursorOn = 0;
  recorder.Clear();
  DrawCommandLine(app, c, 25, 1, 0);
  EXPECT_EQ(RectsIn(15, 105, 15).size(), 1u);
}

TEST_F(TextEntry, TransportStatesLightTheirButtons) {
  auto lit = [] {
    std::vector<int> out;
    for (int n = 1; n <= 5; ++n) out.push_back(TransportButtonLit(n));
    return out;
  };
  EXPECT_EQ(lit(), (std::vector<int>{0, 0, 1, 0, 0}));  // stop at start
  TransportCommand = kTransportRecord;
  EXPECT_EQ(lit(), (std::vector<int>{0, 0, 0, 1, 1}));
  TransportCommand = kTransportBackward;
  EXPECT_EQ(lit(), (std::vector<int>{1, 0, 0, 0, 0}));
}

TEST_F(TextEntry, ThePageKeyTabNamesItsFunctionKeyAndPage) {
  TMControl c = Field("");
  app.strMainPage[0] = "Battle";
  c.nID = 0;
  DrawPageKeyTab(app, c, 17, 0, 0);
  EXPECT_TRUE(Drew("Page F1\u2026\u2026 Battle"));
  c.nID = 40;  // not a main page: no name, nothing read outside the table
  recorder.Clear();
  DrawPageKeyTab(app, c, 17, 0, 0);
  EXPECT_TRUE(Drew("Page F41\u2026\u2026 "));
  c.nID = std::numeric_limits<int>::max();  // the number one past it, not an overflow
  recorder.Clear();
  DrawPageKeyTab(app, c, 17, 0, 0);
  EXPECT_TRUE(Drew("Page F2147483648\u2026\u2026 "));
}

TEST_F(TextEntry, TheGLViewMakesItsCanvasOnlyInsideTheGrid) {
  TMControl c = Field("");
  c.nArrayPos = 4;
  c.bXPos = static_cast<float>(app.GridX + 1);
  DrawGLView(app, c, 48, 0, 0);
  EXPECT_EQ(app.AppGlCanvas, nullptr);
  EXPECT_EQ(app.AppGLDraw, -1);

  c.bXPos = 3;
  DrawGLView(app, c, 48, 0, 0);
  ASSERT_NE(app.AppGlCanvas, nullptr);
  EXPECT_EQ(app.AppGlCanvas->X(), 10);
  EXPECT_EQ(app.AppGlCanvas->Width(), 200);
  EXPECT_EQ(app.resizes, std::vector<int>{4});
  EXPECT_EQ(app.AppGLDraw, 4);

  TMControl outside = Field("");
  outside.nArrayPos = 9;
  outside.bXPos = static_cast<float>(app.GridX + 5);
  DrawGLView(app, outside, 48, 0, 0);  // an existing canvas takes it all the same
  EXPECT_EQ(app.AppGLDraw, 9);
  EXPECT_EQ(app.resizes.size(), 1u);
  app.DestroyGL();
}

TEST_F(TextEntry, TheTransportBarIsOneJoinedRowOfFiveIconKeys) {
  const char* names[] = {"backward", "forward", "stop", "play", "record"};
  for (int i = 0; i < 5; ++i) {
    FillSlot(*Images, 10 + i, 16, 16);
    Images->strFile[10 + i] = std::string(names[i]) + ".png";
  }
  TMControl c = Field("");
  c.nX = 0;
  c.nWidth = 500;
  c.nHeight = 30;
  c.bOver = 2;
  TransportCommand = kTransportRecord;
  EXPECT_EQ(DrawTransportBar(app, c, 47, 0, 0), 0);
  // Each key shows its icon inside its own fifth of the bar, half the key's height.
  const std::vector<TDrawCall> icons = recorder.CallsOf(TDrawCallKind::Image);
  ASSERT_EQ(icons.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(icons[i].image, Images->Image[10 + i].get()) << names[i];
    EXPECT_GE(icons[i].args[0], 100 * i + 20) << names[i];
    EXPECT_LE(icons[i].args[0] + icons[i].args[2], 100 * i + 80) << names[i];
    EXPECT_NEAR(icons[i].args[1] + icons[i].args[3] / 2, 34, 2) << names[i];
    EXPECT_NEAR(icons[i].args[3], 10, 1) << names[i];
  }
  EXPECT_TRUE(recorder.CallsOf(TDrawCallKind::Text).empty());
  const TRaster seen(recorder);
  // No gap between the keys across the whole row.
  for (int x = 3; x < 497; ++x) ASSERT_TRUE(seen.Lit(x, 40)) << x;
  EXPECT_FALSE(seen.Lit(1, 40));
  EXPECT_TRUE(seen.Lit(2, 40));
  EXPECT_FALSE(seen.Lit(499, 40));
  // Play and record lit, each in its own colour, the others grey; forward, under the
  // pointer, lighter than backward.
  auto face = [&](int i) { return seen.At(100 * i + 12, 40); };
  const auto [pr, pg, pb] = face(3);
  EXPECT_GT(pg, pr + 60);
  EXPECT_GT(pg, pb + 60);
  const auto [rr, rg, rb] = face(4);
  EXPECT_GT(rr, pr + 60);
  EXPECT_LT(rg, pg - 60);
  EXPECT_FALSE(rr == rg && rg == rb);
  for (int i : {0, 1, 2}) {
    const auto [r, g, b] = face(i);
    EXPECT_TRUE(r == g && g == b) << names[i];
  }
  EXPECT_GT(std::get<0>(face(1)), std::get<0>(face(0)) + 20);
  EXPECT_NEAR(std::get<0>(face(2)), std::get<0>(face(0)), 5);
}

}  // namespace
