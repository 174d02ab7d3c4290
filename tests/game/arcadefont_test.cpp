// Bitmap-font text through the recording backend: glyph cells and pen positions, box
// and fader geometry, the colours each variant leaves, the regions they register, the
// block letters without a texture, and the search for the font file.
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
#include "platform/recordingbackend.h"

namespace {

using Quad = std::array<int, 4>;

class ArcadeFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDrawBackend(&recorder);
    ResetDrawState();
    ArcadeResetControl();
    // The game's settings: a loaded sheet of 16 x 16 cells, advance 8.
    g_TextImage = LoadImage(CreatePixmap(256, 256), 0);
    g_ImageOK = 1;
    g_FontHeight = 1;
    g_FontWidth = 8;
  }
  void TearDown() override {
    SetDrawBackend(nullptr);
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
  std::vector<int> GlyphReds() const {
    std::vector<int> reds;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image)) reds.push_back(c.state.red);
    return reds;
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

  TRecordingBackend recorder;
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

TEST_F(ArcadeFontTest, CentredTextStartsThreeAndAHalfPerCharacterLeft) {
  ArcadeTextCenter("ABCD", 100, 7);
  ArcadeTextCenter("ABC", 100, 7);  // 89.5 truncated
  const auto glyphs = Glyphs();
  ASSERT_EQ(glyphs.size(), 7u);
  EXPECT_EQ(glyphs[0][0], 86);
  EXPECT_EQ(glyphs[3][0], 110);
  EXPECT_EQ(glyphs[4][0], 89);
  EXPECT_TRUE(NoRegions());
}

TEST_F(ArcadeFontTest, BoxGeometryColoursAndRegion) {
  ArcadeTextBox("Up", 98, 96, 7, 5, 20, 30, 40);
  EXPECT_EQ(Rects(), (std::vector<std::array<float, 5>>{{97, 95, 57, 10, 100}, {98, 96, 55, 8, 20}}));
  EXPECT_EQ(Glyphs()[0][0], 118);  // centred on 125
  EXPECT_EQ(GlyphReds()[0], 190);
  EXPECT_EQ(Region(5), (Quad{97, 95, 154, 106}));
}

TEST_F(ArcadeFontTest, FaderBarCaptionLabelAndRegion) {
  ArcadeTextFader("Mu", 34, 40, 8, 14, 0.5f, 1, 200, 101, 50);
  EXPECT_EQ(Rects(), (std::vector<std::array<float, 5>>{
                         {97, 39, 114, 10, 100}, {98, 40, 112, 8, 10}, {98, 40, 56, 8, 100}}));
  EXPECT_EQ(recorder.CallsOf(TDrawCallKind::Rect)[2].state.green, 50);
  EXPECT_EQ(Region(1), (Quad{97, 39, 211, 50}));
  // "50%" centred on 154, then the label: four black offsets and the body per character.
  const auto glyphs = Glyphs();
  ASSERT_EQ(glyphs.size(), 3u + 2u * 5u);
  EXPECT_EQ(glyphs[0], (Quad{143, 40, 80, 48}));
  EXPECT_EQ(glyphs[2], (Quad{159, 40, 80, 32}));
  const std::vector<Quad> label(glyphs.begin() + 3, glyphs.begin() + 8);
  EXPECT_EQ(label, (std::vector<Quad>{{33, 40, 208, 64}, {35, 40, 208, 64}, {34, 39, 208, 64},
                                      {34, 41, 208, 64}, {34, 40, 208, 64}}));
  EXPECT_EQ(glyphs[8][0], 41);
  const auto reds = GlyphReds();
  EXPECT_EQ(std::vector<int>(reds.begin(), reds.begin() + 8),
            (std::vector<int>{190, 190, 190, 0, 0, 0, 0, 200}));
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

TEST_F(ArcadeFontTest, OutlineAndBorderRegionsAndColours) {
  ArcadeTextOutline("Back", 50, 60, 16, 10, 1, 2, 3);
  EXPECT_EQ(Region(16), (Quad{49, 59, 131, 70}));
  EXPECT_EQ(GlyphReds().size(), 20u);

  SetColor(70, 80, 90);
  recorder.Clear();
  ArcadeTextBorder("Go", 10, 12, 9);
  ArcadeTextBorder("Go", 10, 12, -1);
  EXPECT_EQ(Region(9), (Quad{10, 12, 26, 22}));
  const auto reds = GlyphReds();
  ASSERT_EQ(reds.size(), 20u);
  EXPECT_EQ(std::vector<int>(reds.begin(), reds.begin() + 5), (std::vector<int>{250, 250, 250, 250, 70}));
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(b, 90);  // the colour it found
}

TEST_F(ArcadeFontTest, WithoutTextureBlockLettersAndOnlyPlainRegions) {
  g_TextImage = nullptr;
  g_ImageOK = 0;
  g_FontWidth = 7;  // block letters still step 8
  SetColor(9, 8, 7);
  ArcadeText("Hi!", 0, 0, -1);
  ArcadeText(" g", 3, 4, -1);  // a space steps 8; "g" reaches row 8
  const auto rects = Rects();
  ASSERT_EQ(rects.size(), 12u);
  EXPECT_EQ(std::vector(rects.begin(), rects.begin() + 6),
            (std::vector<std::array<float, 5>>{{0, 0, 2, 7, 9}, {5, 0, 2, 7, 9}, {2, 3, 3, 1, 9},
                                               {10, 0, 2, 1, 9}, {10, 2, 2, 4, 9}, {11, 6, 2, 1, 9}}));
  EXPECT_EQ(rects[6], (std::array<float, 5>{16, 6, 1, 7, 9}));
  EXPECT_EQ(rects[11], (std::array<float, 5>{12, 12, 4, 1, 9}));

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
