// Sprites through the recording backend: destination and source rectangles of the
// scaled, mirrored and squashed draws, draws without an image, entities' animation
// phases under a test clock, and the table the loader cuts with the draws by number.
#include "game/sprites.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "framework/imagecache.h"
#include "framework/imagewrappers.h"
#include "game/arcadefont.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/image.h"
#include "platform/numbers.h"
#include "platform/pixmap.h"
#include "platform/recordingscreen.h"
#include "platform/tempfolder.h"

namespace {

using Box = std::array<float, 8>;  // destination x, y, w, h; source x, y, w, h

// The slot of a test image in the shared cache; asked each time, since other tests
// may replace the cache.
int TestSlot() {
  static TempFolder folder;
  static const std::string path = [] {
    SavePixmapPNG(*CreatePixmap(64, 64), folder / "spritetest-atlas.png");
    return folder / "spritetest-atlas.png";
  }();
  return MGetImage(path, -1);
}

class SpriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slot = TestSlot();
    ASSERT_GE(slot, 0);
  }
  void TearDown() override { SetTestClock(nullptr); }
  std::vector<Box> Draws() const {
    std::vector<Box> boxes;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image))
      boxes.push_back(
          {c.args[0], c.args[1], c.args[2], c.args[3], c.args[4], c.args[5], c.args[6], c.args[7]});
    return boxes;
  }

  TRecordingScreen recorder;
  int slot = -1;
};

TEST_F(SpriteTest, ScaledMirroredAndSquashedRectangles) {
  t_sprite s;
  s.SetCustomData(64, 0, 32, 32, slot);
  s.DrawCustomReverse(100, 50, 1.0f);  // covers 100..132 mirrored
  s.DrawCustomXY(0, 0, 2.0f, 0.5f);
  s.DrawCustomXYReverse(10, 0, 0.5f, 2.0f);
  s.SetCustomData(0, 0, 15, 287, slot);
  s.DrawCustom(0, 0, 0.5f);         // 7.5 and 143.5 truncated
  s.DrawCustomReverse(0, 0, 0.5f);
  s.SetCustomData(5, 6, 16, 20, slot);
  s.DrawCustomWXY(10, 10, 1.0f, 1.0f);  // the top 15 rows into 15 x 15, lowered by 4
  s.DrawCustomWXYReverse(10, 10, 1.0f, 1.0f);
  EXPECT_EQ(Draws(), (std::vector<Box>{{132, 50, -32, 32, 64, 0, 32, 32},
                                       {0, 0, 64, 16, 64, 0, 32, 32},
                                       {26, 0, -16, 64, 64, 0, 32, 32},
                                       {0, 0, 7, 143, 0, 0, 15, 287},
                                       {7, 0, -7, 143, 0, 0, 15, 287},
                                       {10, 14, 15, 15, 5, 6, 16, 15},
                                       {26, 14, -15, 15, 5, 6, 16, 15}}));
}

TEST_F(SpriteTest, NoImageDrawsNothing) {
  t_sprite s;
  EXPECT_EQ(s.image, -1);
  s.SetCustomData(0, 0, 10, 10, -1);
  s.Draw(0, 0, 1);
  s.DrawRectPart(0, 0, 1, 1, 0.5f);
  s.DrawCustomReverse(0, 0, 1);
  s.DrawCustomWXY(0, 0, 1, 1);
  s.DrawTexPoly(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1);
  s.image = 9999;  // outside the cache
  s.DrawCustom(0, 0, 1);
  s.DrawTexPoly(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1);
  EXPECT_TRUE(recorder.Calls().empty());
}

class EntityTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    SetTestClock([this] { return now; });
    for (int i = 0; i < 3; ++i) {
      _sprites[kFirst + i] = std::make_unique<t_sprite>();
      _sprites[kFirst + i]->SetData(0, 0, 8, 8, slot, i, 0);  // source x tells them apart
    }
  }
  void TearDown() override {
    for (int i = 0; i < 3; ++i) _sprites[kFirst + i].reset();
    SpriteTest::TearDown();
  }
  // Which of the three sprites is drawn now, -1 for none.
  int Shown(t_entity& e) {
    recorder.Clear();
    e.Draw();
    const auto d = Draws();
    return d.empty() ? -1 : static_cast<int>(d[0][4] / 8);
  }

  static constexpr int kFirst = 1000;
  int now = 1;
};

TEST_F(EntityTest, AnimationPhasesAndDeath) {
  t_entity e;
  e.framernd = 0;
  e.SetSprite(kFirst, kFirst + 1);
  e.deadsprite = kFirst + 2;
  EXPECT_EQ(Shown(e), -1);  // not alive
  e.flag_alive = 1;
  now = 1000;
  EXPECT_EQ(Shown(e), 0);
  now = 1500;
  EXPECT_EQ(Shown(e), 1);
  now = 1200;  // exactly the half: still phase 1
  EXPECT_EQ(Shown(e), 0);

  now = 2000;
  e.SetDead();
  now = 2499;
  EXPECT_EQ(Shown(e), 2);
  now = 2500;
  EXPECT_EQ(Shown(e), -1);

  e.flag_alive = 1;
  e.SetFrame(0);  // no period: the first phase, no division
  EXPECT_EQ(Shown(e), 0);
  e.sprite = -5;
  EXPECT_EQ(Shown(e), -1);
}

class SpriteTableTest : public ::testing::Test {
 protected:
  void SetUp() override { core._LoadSprites(); }
  void TearDown() override {
    // Back to the start state the other tests expect.
    for (auto& entry : _sprites) entry.reset();
    g_FontWidth = 7;
    g_ImageOK = 0;
    g_TextImage = nullptr;
    AutoImageFlags(MASKEDIMAGE | FILTEREDIMAGE);
  }
  static std::array<int, 4> Rect(int n) {
    if (!_sprites[n]) return {-1, -1, -1, -1};
    return {_sprites[n]->x, _sprites[n]->y, _sprites[n]->width, _sprites[n]->height};
  }

  TQuillonCore core;
};

TEST_F(SpriteTableTest, AtlasesBoundsAndTheOneOverlap) {
  EXPECT_EQ(_sprites[0]->image, core._ScreenImage);
  EXPECT_EQ(_sprites[1]->image, core._MapImage);
  int right = 0, bottom = 0;
  for (int n = 2; n <= 68; ++n) {
    EXPECT_EQ(_sprites[n]->image, core._CardImage) << n;
    right = std::max(right, _sprites[n]->x + _sprites[n]->width);
    bottom = std::max(bottom, _sprites[n]->y + _sprites[n]->height);
  }
  EXPECT_EQ(right, 1809);
  EXPECT_EQ(bottom, 1224);

  // The sprite atlas within 512 x 384, no pixel cut twice except by sprite 121, which
  // is exactly sprites 128 and 133 together.
  std::vector<std::set<int>> owners(512 * 384);
  for (int n = 69; n <= 232; ++n) {
    const t_sprite& s = *_sprites[n];
    EXPECT_EQ(s.image, core._SpriteImage) << n;
    ASSERT_TRUE(s.x >= 0 && s.y >= 0 && s.x + s.width <= 512 && s.y + s.height <= 384) << n;
    for (int y = s.y; y < s.y + s.height; ++y)
      for (int x = s.x; x < s.x + s.width; ++x) owners[y * 512 + x].insert(n);
  }
  int shared = 0;
  for (const auto& o : owners) {
    if (o.size() < 2) continue;
    ++shared;
    EXPECT_TRUE(o.size() == 2 && o.count(121) && (o.count(128) || o.count(133)));
  }
  EXPECT_EQ(shared, 32 * 32);
}

TEST_F(SpriteTableTest, DrawsByNumberTruncateThePosition) {
  TRecordingScreen recorder;
  _sprites[1000] = std::make_unique<t_sprite>();
  _sprites[1000]->SetCustomData(0, 0, 201, 287, TestSlot());
  core._DrawCSprite(1000, 10.9f, -0.5f, 0.5f);
  core._DrawCRSprite(1000, 10.9f, -0.5f, 0.5f);
  core._DrawCSpriteXY(1000, 3.0f, 4.0f, 1.0f, 0.5f);
  core._DrawCRSpriteXY(1000, 3.0f, 4.0f, 1.0f, 0.5f);
  core._DrawSprite(1000, -1.9f, 2.2f);
  core._DrawSprite(1023, 0, 0);  // empty entry
  core._DrawSprite(1024, 0, 0);  // outside the table
  core._DrawCSprite(-1, 0, 0, 1);

  std::vector<std::array<float, 4>> boxes;
  for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image))
    boxes.push_back({c.args[0], c.args[1], c.args[2], c.args[3]});
  EXPECT_EQ(boxes, (std::vector<std::array<float, 4>>{{10, 0, 100, 143},
                                                      {110, 0, -100, 143},
                                                      {3, 4, 201, 143},
                                                      {204, 4, -201, 143},
                                                      {-1, 2, 201, 287}}));
}

TEST_F(SpriteTableTest, RangesCardMetricsAndSampleRectanglesOfTheLoadedTable) {
  const std::vector<std::pair<int TQuillonCore::*, int>> ranges = {
      {&TQuillonCore::cardFaces, 2},          {&TQuillonCore::cardSoldiers, 11},
      {&TQuillonCore::cardExtras, 20},        {&TQuillonCore::cardText, 33},
      {&TQuillonCore::cardSoldierText, 51},   {&TQuillonCore::spriteBackgrounds, 60},
      {&TQuillonCore::spriteTrees, 69},       {&TQuillonCore::spriteBushes, 101},
      {&TQuillonCore::spriteDecals, 113},     {&TQuillonCore::spriteGround, 116},
      {&TQuillonCore::spritePaths, 124},      {&TQuillonCore::spriteParticles, 134},
      {&TQuillonCore::spriteUIMenu, 137},     {&TQuillonCore::spriteUIPlayers, 139},
      {&TQuillonCore::spriteUIPole, 142},     {&TQuillonCore::spriteUI, 145},
      {&TQuillonCore::spriteUIMapBlock, 155}, {&TQuillonCore::spriteUIFlag, 157},
      {&TQuillonCore::spriteUIAnim, 161},     {&TQuillonCore::spriteUICross, 164},
      {&TQuillonCore::spriteUIShield, 165},   {&TQuillonCore::spriteUITimer, 166},
      {&TQuillonCore::spriteUIText, 168},     {&TQuillonCore::spriteUINumbers, 174},
      {&TQuillonCore::spriteMenHeads, 184},   {&TQuillonCore::spriteBoatMenHeads, 198},
      {&TQuillonCore::spriteMen, 201},        {&TQuillonCore::spriteBoatMen, 215},
      {&TQuillonCore::spriteBuildings, 218},  {&TQuillonCore::spriteTest, 0},
  };
  for (const auto& [field, first] : ranges) EXPECT_EQ(core.*field, first);
  EXPECT_EQ((std::array<float, 6>{core.cardWidth, core.cardHeight, core.cardHalfWidth, core.cardHalfHeight,
                                  core.cardQuarterWidth, core.cardQuarterHeight}),
            (std::array<float, 6>{201, 288, 100, 144, 50, 72}));
  for (int n = 0; n <= 232; ++n) EXPECT_TRUE(_sprites[n]) << n;
  EXPECT_FALSE(_sprites[233]);
  EXPECT_EQ(Rect(0), (std::array<int, 4>{0, 0, 512, 384}));
  EXPECT_EQ(Rect(1), (std::array<int, 4>{0, 0, 569, 437}));
  EXPECT_EQ(Rect(2), (std::array<int, 4>{0, 0, 201, 287}));
  EXPECT_EQ(Rect(60), (std::array<int, 4>{0, 936, 201, 288}));
  EXPECT_EQ(Rect(121), (std::array<int, 4>{256, 224, 32, 32}));
  EXPECT_EQ(Rect(140), (std::array<int, 4>{96, 256, 96, 96}));
  EXPECT_EQ(Rect(141), (std::array<int, 4>{192, 256, 32, 64}));
  EXPECT_EQ(Rect(144), (std::array<int, 4>{288, 112, 32, 48}));
  EXPECT_EQ(Rect(156), (std::array<int, 4>{384, 128, 64, 32}));
  EXPECT_EQ(Rect(172), (std::array<int, 4>{384, 224, 96, 32}));
  EXPECT_EQ(Rect(173), (std::array<int, 4>{288, 256, 192, 32}));
  EXPECT_EQ(Rect(232), (std::array<int, 4>{256, 160, 32, 32}));
}

}  // namespace
