// What stands on a tile: the wire that catches soldiers, swimmers, odd cell data, and the
// gas cloud.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"
#include "game/battlefieldtile.h"

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

}  // namespace
