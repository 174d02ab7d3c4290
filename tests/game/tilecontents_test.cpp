// What stands on a tile: scenery and the soldiers beside it, the wire that catches
// soldiers, swimmers, odd cell data, the gas cloud, and the wire or mine notice and
// markers as a player sees them.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"
#include "game/battlefieldtile.h"
#include "screentext.h"

namespace {

using namespace battlefieldtesting;

constexpr int kX = 5;
constexpr int kY = 6;

class TileContentsTest : public BattlefieldTest {
 protected:
  void SetUp() override {
    BattlefieldTest::SetUp();
    game.players[0].setSoldierColor(0, 255, 0);
    game.players[1].setSoldierColor(255, 150, 0);
    cell().spr = game.spriteTrees;
    cell().xscale = cell().yscale = 1.0f;
  }
  TMap& cell() { return game.map[kX][kY]; }

  TBattlefieldTile Tile(bool water = false) {
    const Corners c = ExpectedCorners(game, kX, kY);
    TBattlefieldTile t = ProjectTile(game, kX, kY, static_cast<float>(c[0].x),
                                     static_cast<float>(c[0].y + cell().height));
    t.water = water;
    return t;
  }
  void Draw(bool water = false, int frames = 1) {
    game.sprites.clear();
    for (int i = 0; i < frames; ++i) DrawTileContents(game, Tile(water));
  }
  // count soldiers of player p in the first places: frame k, offsets k - 3 and k, facing k % 2.
  void Men(int p, int count) {
    cell().manCount[p] = count - 1;
    for (int k = 0; k < kMapMenPlaces && k < count; ++k) {
      cell().man[p][k] = k;
      cell().manx[p][k] = k - 3;
      cell().many[p][k] = k;
      cell().mandir[p][k] = k % 2;
    }
  }
};

TEST_F(TileContentsTest, WireCatchesEverySoldierWithoutMovingThem) {
  Men(0, 10);
  cell().barbwire = 2;
  const TMap before = cell();
  Draw(false, 600);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(cell().man[0][k], 13);
    EXPECT_EQ(cell().manx[0][k], before.manx[0][k]);
    EXPECT_EQ(cell().many[0][k], before.many[0][k]);
  }
}

TEST_F(TileContentsTest, SwimmersShowAHeadOrABoatAndDriftWithinBounds) {
  game.playerCount = 2;
  Men(0, 2);
  Men(2, 3);
  Draw(true);
  EXPECT_TRUE(game.Of(game.spriteTrees).empty());
  ASSERT_EQ(game.Of(game.spriteMenHeads, 14).size(), 1u);
  const auto boats = game.Of(game.spriteBoatMen, 2);
  ASSERT_EQ(boats.size(), 1u);
  EXPECT_EQ(boats[0].n, game.spriteBoatMen + cell().man[2][0] % 2);
  EXPECT_EQ(game.Of(game.spriteBoatMenHeads, 2).size(), 1u);

  cell().manx[0][0] = 5;
  cell().many[0][0] = -10;
  Draw(true, 600);
  EXPECT_LE(std::abs(cell().manx[0][0]), 5);
  EXPECT_GE(cell().many[0][0], -10);
  EXPECT_LE(cell().many[0][0], 0);
  cell().kind = 12;  // water slopes carry nobody
  Draw(true);
  EXPECT_TRUE(game.sprites.empty());
}

TEST_F(TileContentsTest, OddCellDataStaysInsideTheSpriteTable) {
  Men(0, 2);
  cell().man[0][0] = 2000000000;
  cell().man[0][1] = -2000000000;
  cell().manx[0][0] = 2147483647;
  Draw(false, 50);
  cell().spr = 5000;
  DrawTileContents(game, Tile());
  ASSERT_FALSE(game.sprites.empty());
  for (const SpriteDraw& d : game.sprites) {
    EXPECT_GE(d.n, 0);
    EXPECT_LT(d.n, kSpriteTableSize);
  }
}

TEST_F(TileContentsTest, GasIsCutSpreadsToThinnerNeighboursAndFades) {
  cell().gas = 0.5f;
  cell().gasmax = 0.3f;
  game.map[kX + 1][kY].gas = 0.6f;  // thicker: left alone
  game.map[kX][kY - 1].gas = 0.2f;
  DrawTileMarkers(game, Tile());
  const auto cloud = game.Of(game.spriteParticles + 2);
  ASSERT_EQ(cloud.size(), 1u);
  EXPECT_FLOAT_EQ(cloud[0].alpha, 0.3f);  // cut to gasmax
  EXPECT_GT(game.map[kX - 1][kY].gas, 0.0f);
  EXPECT_GT(game.map[kX][kY - 1].gas, 0.2f);
  EXPECT_FLOAT_EQ(game.map[kX + 1][kY].gas, 0.6f);

  game.FlatMap(10);  // thin gas stays put and fades by 0.05
  cell().gas = 0.1f;
  cell().gasmax = 1.0f;
  int fades = 0;
  for (int i = 0; i < 300 && cell().gas > 0.0f; ++i) {
    const float before = cell().gas;
    DrawTileMarkers(game, Tile());
    if (cell().gas != before) {
      EXPECT_NEAR(before - cell().gas, 0.05f, 1e-6);
      ++fades;
    }
  }
  EXPECT_GE(fades, 2);
  EXPECT_EQ(game.map[kX - 1][kY].gas + game.map[kX + 1][kY].gas + game.map[kX][kY + 1].gas, 0.0f);
}

TEST_F(TileContentsTest, SceneryStandsOnFlatGroundAndGentleSlopesWithItsSoldiers) {
  cell().xscale = 1.5f;
  cell().yscale = 1.2f;
  cell().xoffset = 3;
  cell().yoffset = 2;
  cell().col = 180;
  cell().sprAlpha = 0.6f;
  cell().reverse = 1;
  Men(0, 3);
  const Point left = ExpectedCorners(game, kX, kY)[3];
  const float top = static_cast<float>(ExpectedCorners(game, kX, kY)[0].y);
  // Kind: the scenery's height factor, 0 for none shown.
  const std::vector<std::pair<int, float>> kinds = {{0, 1.0f},   {20, 0.92f}, {23, 0.92f}, {21, 1.05f},
                                                    {22, 1.1f},  {10, 0},     {13, 0},     {30, 0},
                                                    {33, 0},     {40, 0},     {41, 0},     {-1, 0}};
  for (int sprite : {game.spriteTrees + 2, game.spriteBushes + 1, game.spriteBuildings, game.spriteBuildings + 1}) {
    for (const auto& [kind, factor] : kinds) {
      SCOPED_TRACE("sprite " + std::to_string(sprite) + " kind " + std::to_string(kind));
      cell().spr = sprite;
      cell().kind = kind;
      Draw();
      const auto scenery = game.Of(sprite);
      if (factor == 0) {
        EXPECT_TRUE(game.sprites.empty());
        continue;
      }
      ASSERT_EQ(scenery.size(), 1u);
      const float s = 1.2f * factor * (sprite >= game.spriteBushes ? 0.75f : 1.0f);
      EXPECT_FLOAT_EQ(scenery[0].x, static_cast<float>(left.x) + 4 - 3);
      EXPECT_NEAR(scenery[0].y, left.y - 31.0 * s + 2, 1e-3);
      EXPECT_EQ((std::array<float, 2>{scenery[0].scaleX, scenery[0].scaleY}), (std::array<float, 2>{1.5f, 1.2f}));
      EXPECT_TRUE(scenery[0].mirrored);
      EXPECT_EQ((std::array<int, 3>{scenery[0].red, scenery[0].green, scenery[0].blue}), (std::array<int, 3>{180, 180, 180}));
      EXPECT_FLOAT_EQ(scenery[0].alpha, 0.6f);
      // Soldiers gather on flat ground beside anything up to the first building.
      const auto bodies = game.Of(game.spriteMen, 14);
      const auto heads = game.Of(game.spriteMenHeads, 14);
      if (kind != 0 || sprite > game.spriteBuildings) {
        EXPECT_TRUE(bodies.empty() && heads.empty());
        continue;
      }
      ASSERT_EQ(bodies.size(), 3u);
      ASSERT_EQ(heads.size(), 3u);
      const int bx = static_cast<int>(ExpectedCorners(game, kX, kY)[0].x - 8);
      const int by = static_cast<int>(top - 18);  // no bob while manmove is 0
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(bodies[k].n, game.spriteMen + cell().man[0][k]);
        EXPECT_EQ(heads[k].n, game.spriteMenHeads + cell().man[0][k]);
        EXPECT_FLOAT_EQ(bodies[k].x, static_cast<float>(bx + cell().manx[0][k]));
        EXPECT_FLOAT_EQ(heads[k].y, static_cast<float>(by + cell().many[0][k]));
        EXPECT_EQ(bodies[k].mirrored, cell().mandir[0][k] == 0);
        EXPECT_EQ((std::array<int, 2>{bodies[k].green, heads[k].green}), (std::array<int, 2>{255, 250}));
        EXPECT_FLOAT_EQ(bodies[k].scaleX, 0.7f);
      }
    }
  }
}

class TileNoticeTest : public BattlefieldTest {
 protected:
  void SetUp() override {
    BattlefieldTest::SetUp();
    screentext::LoadTestFont();
  }
  void TearDown() override {
    screentext::DropTestFont();
    BattlefieldTest::TearDown();
  }
};

TEST_F(TileNoticeTest, PickedTileWithWireOrMinesShowsItsNoticeAndMarkers) {
  struct Case {
    int wire, mine;
    std::vector<std::pair<int, std::string>> lines;  // up from the base, text
  };
  const Case cases[] = {
      {2, 0, {{72, "Terrain"}, {57, "WIRE:"}, {45, "Stops"}, {38, "you"}, {31, "firing"}}},
      {0, 3, {{72, "Terrain"}, {57, "MINES:"}, {45, "Instant"}, {38, "death"}}},
      {1, 1, {{72, "Terrain"}, {57, "WIRE:"}, {45, "Stops"}, {38, "you"}, {31, "firing"}}},
      {0, 0, {}},
  };
  const Corners c = ExpectedCorners(game, kX, kY);
  const int tx = static_cast<int>(c[3].x + 37);
  const int ty = static_cast<int>(c[3].y - 5);
  for (const Case& k : cases) {
    SCOPED_TRACE("wire " + std::to_string(k.wire) + " mine " + std::to_string(k.mine));
    game.map[kX][kY].barbwire = k.wire;
    game.map[kX][kY].mine = k.mine;
    PointAt(kX, kY);
    Frame(1);
    const auto texts = screentext::ShownTexts(recorder);
    ASSERT_EQ(texts.size(), k.lines.size());
    for (const auto& [up, text] : k.lines) {
      EXPECT_TRUE(screentext::Shows(recorder, text, tx, ty - up, {255, 255, 255})) << text;
    }
    for (const auto& t : texts) EXPECT_FLOAT_EQ(t.alpha, 0.5f);
    const auto panel = game.Of(game.cardFaces + 7);
    EXPECT_EQ(panel.size(), k.lines.empty() ? 0u : 1u);
    if (!panel.empty()) {
      EXPECT_FLOAT_EQ(panel[0].x, static_cast<float>(c[3].x + 26));
      EXPECT_FLOAT_EQ(panel[0].y, static_cast<float>(ty - 84));
      EXPECT_EQ((std::array<float, 2>{panel[0].scaleX, panel[0].scaleY}), (std::array<float, 2>{0.4f, 0.3f}));
      EXPECT_EQ((std::array<int, 3>{panel[0].red, panel[0].green, panel[0].blue}), (std::array<int, 3>{144, 143, 76}));
    }
    // The markers at the bottom corner pulse from grey 175 and orange (225, 157) at time 0.
    const auto wire = game.Of(game.cardExtras + 5);
    const auto mine = game.Of(game.cardExtras + 10);
    ASSERT_EQ(wire.size(), k.wire > 0 ? 1u : 0u);
    ASSERT_EQ(mine.size(), k.mine > 0 ? 1u : 0u);
    for (const auto& m : {wire, mine}) {
      if (m.empty()) continue;
      EXPECT_FLOAT_EQ(m[0].x, static_cast<float>(c[2].x - 7));
      EXPECT_FLOAT_EQ(m[0].y, static_cast<float>(c[2].y - 22));
      EXPECT_FLOAT_EQ(m[0].scaleX, 0.15f);
    }
    if (!wire.empty()) {
      EXPECT_EQ((std::array<int, 3>{wire[0].red, wire[0].green, wire[0].blue}), (std::array<int, 3>{175, 175, 175}));
    }
    if (!mine.empty()) {
      EXPECT_EQ((std::array<int, 3>{mine[0].red, mine[0].green, mine[0].blue}), (std::array<int, 3>{225, 157, 0}));
    }
  }
  // Off the tile, or on a page without picking, no notice.
  game.map[kX][kY].barbwire = 2;
  Frame(0);
  EXPECT_TRUE(screentext::ShownTexts(recorder).empty());
  game.vMX = game.vMY = 1;
  Frame(1);
  EXPECT_TRUE(screentext::ShownTexts(recorder).empty());
}

}  // namespace
