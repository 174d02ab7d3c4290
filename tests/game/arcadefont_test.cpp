// Bitmap-font text through the recording backend: glyph cells and regions, edge codes,
// the fader's percent, the block letters without a texture, and the font file search.
#include "game/arcadefont.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game/clickregions.h"
#include "platform/draw2d.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/pixmap.h"
#include "platform/recordingscreen.h"

namespace {

using Quad = std::array<int, 4>;

class ArcadeFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ArcadeResetControl();
    // The game's settings: a loaded sheet of 16 x 16 cells, advance 8.
    g_TextImage = LoadImage(CreatePixmap(256, 256), 0);
    g_ImageOK = 1;
    g_FontHeight = 1;
    g_FontWidth = 8;
  }
  void TearDown() override {
    ArcadeResetControl();
    g_TextImage = nullptr;
    g_ImageOK = 0;
    g_FontWidth = 7;
  }

  // Destination x, y and source cell x, y of each glyph drawn; colour of each.
  std::vector<Quad> Glyphs() const {
    std::vector<Quad> glyphs;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) {
      EXPECT_EQ(c.args[2], 8.0f);
      glyphs.push_back({int(c.args[0]), int(c.args[1]), int(c.args[4]), int(c.args[5])});
    }
    return glyphs;
  }
  // Each filled rectangle with the red channel it was drawn in.
  std::vector<std::array<float, 5>> Rects() const {
    std::vector<std::array<float, 5>> rects;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Rect))
      rects.push_back({c.args[0], c.args[1], c.args[2], c.args[3], float(c.state.red)});
    return rects;
  }
  static Quad Region(int id) {
    if (!userControl[id]) return {-99, -99, -99, -99};
    EXPECT_EQ(userControl[id]->ctrl, id);
    return {userControl[id]->x, userControl[id]->y, userControl[id]->x1, userControl[id]->y1};
  }
  static bool NoRegions() {
    for (const auto& region : userControl)
      if (region) return false;
    return true;
  }

  TRecordingScreen recorder;
};

TEST(GetPreviousDirxTest, ParentFoldersAndLimits) {
  EXPECT_EQ(GetPreviousDirx("/a/b/c"), "/a/b/");
  EXPECT_EQ(GetPreviousDirx("/a/b/"), "/a/");
  EXPECT_EQ(GetPreviousDirx("/a"), "/");
  EXPECT_EQ(GetPreviousDirx("/"), "/");
  EXPECT_EQ(GetPreviousDirx("name/"), "name");
  EXPECT_EQ(GetPreviousDirx(""), "/");
  EXPECT_EQ(GetPreviousDirx("/" + std::string(255, 'x')), "/");
  EXPECT_EQ(GetPreviousDirx("/" + std::string(254, 'x')), "/");
}

TEST_F(ArcadeFontTest, PlainTextCellsPensAndRegions) {
  ArcadeText("AB", 10, 20, 3);
  EXPECT_EQ(Glyphs(), (std::vector<Quad>{{10, 20, 16, 64}, {18, 20, 32, 64}}));
  EXPECT_EQ(Region(3), (Quad{10, 20, 26, 30}));

  recorder.Clear();
  userControl[3]->pos = 0.25f;
  ArcadeText("", 40, 50, 3);  // zero width; pos is left alone
  EXPECT_TRUE(Glyphs().empty());
  EXPECT_EQ(Region(3), (Quad{40, 50, 40, 60}));
  EXPECT_EQ(userControl[3]->pos, 0.25f);

  ArcadeText("xyz", 0, 0, -1);
  EXPECT_EQ(userControl[0], nullptr);

  // The glyph index is the UTF-16 unit: U+00E9 is one character in cell (9, 14).
  ArcadeText("\xC3\xA9", 0, 0, 7);
  EXPECT_EQ(Glyphs().back(), (Quad{0, 0, 144, 224}));
  EXPECT_EQ(Region(7), (Quad{0, 0, 8, 10}));
}

TEST_F(ArcadeFontTest, CellsOfEdgeCodesAndTallMode) {
  drawFontChar(-5, 0, 0, 8, 8);
  drawFontChar(255, 0, 0, 8, 8);
  g_FontHeight = 2;
  drawFontChar(65, 1, 2, 8, 8);
  EXPECT_EQ(Glyphs(), (std::vector<Quad>{{0, 0, 0, 0}, {0, 0, 240, 240}, {1, 2, 16, 128}}));
  EXPECT_EQ(recorder.Calls().back().args[7], 32.0f);  // source height
}

TEST_F(ArcadeFontTest, FaderPercentIsTruncatedFromSinglePrecision) {
  auto captionOf = [&](float value) {
    recorder.Clear();
    ArcadeTextFader("", 34, 40, 8, 14, value, 2, 255, 255, 255);
    std::string caption;
    for (const Quad& g : Glyphs()) caption += static_cast<char>(g[2] / 16 + g[3]);
    return caption;
  };
  EXPECT_EQ(captionOf(0.7f), "69%");
  EXPECT_EQ(captionOf(1.0f), "100%");
  EXPECT_EQ(Rects()[2][2], 112.0f);
  EXPECT_EQ(captionOf(0.0f), "0%");
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 190);  // an empty label leaves the caption's grey
}

TEST_F(ArcadeFontTest, WithoutTextureBlockLettersAndOnlyPlainRegions) {
  g_TextImage = nullptr;
  g_ImageOK = 0;
  g_FontWidth = 7;  // block letters still step 8
  SetColor(9, 8, 7);
  ArcadeText("Hi!", 0, 0, -1);
  ArcadeText(" g", 3, 4, -1);  // a space steps 8; "g" reaches row 8
  const auto rects = Rects();
  ASSERT_FALSE(rects.empty());
  for (const auto& r : rects) EXPECT_EQ(r[4], 9.0f);  // in the colour set
  EXPECT_EQ(rects.back()[1], 12.0f);                   // "g" at 4 + 8 reaches row 12

  recorder.Clear();
  ArcadeTextCenter("x", 10, 10);
  ArcadeTextBox("x", 10, 10, 3, 5, 0, 0, 0);
  ArcadeTextFader("x", 10, 10, 3, 3, 0.5f, 6, 0, 0, 0);
  ArcadeTextOutline("x", 10, 10, 7, 3, 0, 0, 0);
  ArcadeTextBorder("x", 10, 10, -1);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_TRUE(NoRegions());

  ArcadeText("ab", 10, 10, 2);
  ArcadeTextBorder("abc", 1, 2, 3);
  EXPECT_EQ(Region(2), (Quad{10, 10, 24, 20}));
  EXPECT_EQ(Region(3), (Quad{1, 2, 22, 12}));
}

TEST_F(ArcadeFontTest, FontSearchFailsCleanlyAndFindsTheProgramsResourceFolder) {
  testing::internal::CaptureStdout();
  bitmapFontInit("no-such-font-file.png", 5);
  const std::string missing = testing::internal::GetCapturedStdout();
  EXPECT_EQ(g_ImageOK, 0);
  EXPECT_EQ(g_TextImage, nullptr);
  EXPECT_EQ(g_FontHeight, 5);  // set even when nothing loads
  EXPECT_NE(missing.find("Resources/textures/\nERROR can't Find: no-such-font-file.png\n"),
            std::string::npos);

  // resources/Textures/ beside the program, found under its lower-case spelling.
  const std::string resources = AppDir() + "/resources";
  const bool hadResources = FileType(resources) == FILETYPE_DIR;
  const bool hadTextures = FileType(resources + "/textures") == FILETYPE_DIR;
  ASSERT_TRUE(CreateDir(resources) && CreateDir(resources + "/textures"));
  const std::string file = resources + "/textures/fonttest-sheet.png";
  ASSERT_TRUE(SavePixmapPNG(*CreatePixmap(32, 32), file));
  testing::internal::CaptureStdout();
  bitmapFontInit("fonttest-sheet.png", 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "loaded bitmapfont: fonttest-sheet.png\n");
  EXPECT_EQ(g_ImageOK, 1);
  DeleteFile(file);
  if (!hadTextures) DeleteDir(resources + "/textures");
  if (!hadResources) DeleteDir(resources);
}

}  // namespace
