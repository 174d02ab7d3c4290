// Sprites through the recording backend: destination and source rectangles of the
// plain, scaled, mirrored and squashed draws, the textured strip and its coordinates;
// entities' movement, effects and animation phases under a test clock; and the table
// the loader cuts, with the game object's draws by number.
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
#include "platform/immediategl.h"
#include "platform/numbers.h"
#include "platform/pixmap.h"
#include "platform/recordingbackend.h"
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
    SetDrawBackend(&recorder);
    ResetDrawState();
    slot = TestSlot();
    ASSERT_GE(slot, 0);
  }
  void TearDown() override {
    SetDrawBackend(nullptr);
    SetTestClock(nullptr);
  }
  std::vector<Box> Draws() const {
    std::vector<Box> boxes;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image))
      boxes.push_back(
          {c.args[0], c.args[1], c.args[2], c.args[3], c.args[4], c.args[5], c.args[6], c.args[7]});
    return boxes;
  }

  TRecordingBackend recorder;
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

TEST_F(SpriteTest, GridCellsSetTheCachesFrameSize) {
  t_sprite s;
  s.SetData(0, 0, 16, 16, slot, 3, 1);
  s.Draw(7, 8, 2);
  EXPECT_EQ(Images->nFWidth[slot], 16);
  EXPECT_EQ(Images->nFHeight[slot], 16);
  s.DrawRectPart(0, 0, 32, 32, 0.25f);
  s.SetCustomData(40, 40, 8, 4, slot);  // keeps frame and line
  s.DrawRect(1, 2, 30, 40);
  EXPECT_EQ(Draws(), (std::vector<Box>{{7, 8, 32, 32, 48, 16, 16, 16},
                                       {0, 0, 32, 20, 48, 16, 16, 8},
                                       {1, 2, 30, 40, 24, 4, 8, 4}}));
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

TEST_F(SpriteTest, TextureCoordinatesAndTheTexturedStrip) {
  t_sprite s;
  s.SetCustomData(0, 0, 1024, 1024, slot);
  s.CreateUVFromData(1024, 1024);
  EXPECT_FLOAT_EQ(s.uvw, 0.857f);
  EXPECT_FLOAT_EQ(s.uvh, 0.508f);
  s.SetCustomData(256, 512, 256, 128, slot);
  s.CreateUVFromData(1024, 1024);
  EXPECT_FLOAT_EQ(s.uvx, 0.25f * 0.857f);
  EXPECT_FLOAT_EQ(s.uvh, 0.625f * 0.508f);

  s.DrawTexPoly(10, 0, 10, 10, 0, 10, 0, 0, 0.5f, 0.25f, 1.0f, 0.75f);
  const auto strips = recorder.CallsOf(TDrawCallKind::Immediate);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(strips[0].primitive.mode, GL_TRIANGLE_STRIP);
  EXPECT_NE(strips[0].state.boundTexture, 0u);
  // d (top-left), a (top-right), c (bottom-left), b (bottom-right).
  const float expected[4][4] = {{0, 0, s.uvx, s.uvy}, {10, 0, s.uvw, s.uvy}, {0, 10, s.uvx, s.uvh},
                                {10, 10, s.uvw, s.uvh}};
  const auto& v = strips[0].primitive.vertices;
  ASSERT_EQ(v.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ((std::array<float, 4>{v[i].x, v[i].y, v[i].u, v[i].v}),
              (std::array<float, 4>{expected[i][0], expected[i][1], expected[i][2], expected[i][3]}));
    EXPECT_EQ((std::array<float, 2>{v[i].red, v[i].alpha}), (std::array<float, 2>{0.5f, 0.75f}));
  }
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

TEST_F(EntityTest, SpritesFramesAndMovement) {
  t_entity e;
  EXPECT_TRUE(e.framernd >= 0 && e.framernd <= 999);
  e.SetSprite(5, -1);
  EXPECT_EQ(e.sprite2, 5);
  e.SetFrame(801);
  EXPECT_EQ(e.halftime, 400);

  e.SetPosFromTo(10, 20, 4);
  e.SlerpPos(0.5f);
  EXPECT_EQ((std::array{e.pos_x, e.pos_y, e.pos_height, e.prev_x}), (std::array{5.0f, 10.0f, 2.0f, 0.0f}));
  e.SlerpPos(1.5f);  // extrapolates
  EXPECT_EQ((std::array{e.pos_x, e.prev_x}), (std::array{15.0f, 5.0f}));
  e.down = 2.0f;
  e.MoveUp(3);  // only y is recorded
  EXPECT_EQ((std::array{e.pos_y, e.prev_y, e.prev_x}), (std::array{24.0f, 30.0f, 5.0f}));
  e.SetMapPos(3, 4, 1.5f);
  EXPECT_EQ(e.pos_x, 15.0f);
}

TEST_F(EntityTest, DisplacementEffects) {
  t_entity e;
  e.time = 90;
  e.setFX(1);
  EXPECT_FLOAT_EQ(e.getFXY(2), 4.0f);
  e.setFX(2);
  EXPECT_NEAR(e.getFXX(1), 3.0f, 1e-6);
  e.setFX(6);
  e.time = 450;  // 0.2 t = 90 degrees
  EXPECT_NEAR(e.getFXY(1), 3.0f, 1e-6);
  e.setFX(5);
  EXPECT_EQ(e.getFXY(2), 0.0f);
  now = 5000;
  e.framernd = 7;
  e.setTime();
  EXPECT_EQ(e.time, 5007);
}

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

TEST_F(SpriteTableTest, RangesMetricsAndRectangles) {
  EXPECT_EQ((std::vector{core.cardFaces, core.cardSoldiers, core.cardExtras, core.cardText,
                         core.cardSoldierText, core.spriteBackgrounds, core.spriteTrees, core.spriteBushes, core.spriteDecals,
                         core.spriteGround, core.spritePaths, core.spriteParticles, core.spriteUIMenu,
                         core.spriteUIPlayers, core.spriteUIPole, core.spriteUI, core.spriteUIMapBlock,
                         core.spriteUIFlag, core.spriteUIAnim, core.spriteUICross, core.spriteUIShield,
                         core.spriteUITimer, core.spriteUIText, core.spriteUINumbers, core.spriteMenHeads,
                         core.spriteBoatMenHeads, core.spriteMen, core.spriteBoatMen, core.spriteBuildings}),
            (std::vector{2, 11, 20, 33, 51, 60, 69, 101, 113, 116, 124, 134, 137, 139, 142,
                         145, 155, 157, 161, 164, 165, 166, 168, 174, 184, 198, 201, 215, 218}));
  EXPECT_EQ((std::array{core.cardWidth, core.cardHeight, core.cardHalfWidth, core.cardHalfHeight,
                        core.cardQuarterWidth, core.cardQuarterHeight}),
            (std::array{201.0f, 288.0f, 100.0f, 144.0f, 50.0f, 72.0f}));
  EXPECT_EQ(g_FontWidth, 8);

  const std::pair<int, std::array<int, 4>> rects[] = {
      {0, {0, 0, 512, 384}},     {1, {0, 0, 569, 437}},      {11, {0, 287, 201, 287}},
      {32, {1200, 576, 100, 144}}, {42, {0, 792, 201, 72}},  {68, {1608, 936, 201, 288}},
      {73, {0, 32, 32, 32}},     {123, {256, 288, 32, 32}},  {140, {96, 256, 96, 96}},
      {141, {192, 256, 32, 64}}, {144, {288, 112, 32, 48}},  {147, {320, 64, 32, 16}},
      {156, {384, 128, 64, 32}}, {164, {416, 0, 96, 80}},    {172, {384, 224, 96, 32}},
      {173, {288, 256, 192, 32}}, {232, {256, 160, 32, 32}}, {233, {-1, -1, -1, -1}}};
  for (const auto& [n, rect] : rects) EXPECT_EQ(Rect(n), rect) << "sprite " << n;
}

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
  TRecordingBackend recorder;
  SetDrawBackend(&recorder);
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
  SetDrawBackend(nullptr);

  std::vector<std::array<float, 4>> boxes;
  for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Image))
    boxes.push_back({c.args[0], c.args[1], c.args[2], c.args[3]});
  EXPECT_EQ(boxes, (std::vector<std::array<float, 4>>{{10, 0, 100, 143},
                                                      {110, 0, -100, 143},
                                                      {3, 4, 201, 143},
                                                      {204, 4, -201, 143},
                                                      {-1, 2, 201, 287}}));
}

}  // namespace
