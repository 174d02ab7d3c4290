// Flag poles in a frame: claimed poles with their cards, free poles with their markers, the
// drag flashing, and the free pole under the pointer that names itself for the drop.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"
#include "game/battlefieldtile.h"
#include "game/flagpoles.h"

namespace {

using namespace battlefieldtesting;

constexpr int kPole = 4;
constexpr int kX = 6;
constexpr int kY = 3;

class FlagPanelTest : public BattlefieldTest {
 protected:
  void SetUp() override {
    BattlefieldTest::SetUp();
    game.map[kX][kY].flag = kPole;
    game.mapMaxHeight = 30;
  }
  void Drag() {
    game.gameMode = 100;
    game.players[0].g_SelectCard = 2;
  }
  Point Left() { return ExpectedCorners(game, kX, kY)[3]; }
  float PanelX() {
    const auto panel = game.Of(game.cardFaces + 7);
    return panel.size() == 1 ? panel[0].x : -1000.0f;
  }
};

TEST_F(FlagPanelTest, ClaimedPoleShowsItsCardFadedWhileTheHumanDrags) {
  game.flags[kPole] = 0;
  game.flagCard[kPole] = 17;
  Frame(0);
  EXPECT_EQ(game.flagX[kPole] * 100 + game.flagY[kPole], kX * 100 + kY);
  ASSERT_EQ(game.Of(game.spriteUIPole).size(), 1u);
  EXPECT_NEAR(game.Of(game.spriteUIPole)[0].y, Left().y + 5 - 43, 1e-3);
  ASSERT_EQ(game.cards.size(), 1u);
  const CardDraw card = game.cards[0];
  EXPECT_EQ(card.player, 0);
  EXPECT_EQ(card.x, static_cast<int>(ExpectedCorners(game, kX, kY)[0].x));
  EXPECT_EQ(card.y, static_cast<int>(Left().y - 80));
  EXPECT_EQ(card.phase, 2.0f);
  EXPECT_EQ(card.card, 17);
  EXPECT_FLOAT_EQ(card.scale, 0.23f);
  EXPECT_FLOAT_EQ(card.alpha, 1.0f);

  game.flags[kPole] = 2;
  Drag();
  Frame(0);
  ASSERT_EQ(game.cards.size(), 1u);
  EXPECT_FLOAT_EQ(game.cards[0].scale, 0.21f);
  EXPECT_FLOAT_EQ(game.cards[0].alpha, 0.4f);
  game.flags[kPole] = 7;  // an owner outside the table: nothing but its place
  Frame(0);
  EXPECT_TRUE(game.cards.empty());
  EXPECT_TRUE(game.Of(game.spriteUIPole, 3).empty());
}

TEST_F(FlagPanelTest, FreePoleUnderThePointerNamesItselfOnlyOnTheHandPage) {
  PointAt(kX, kY);
  Frame(0);
  EXPECT_EQ(game.gameFlagOk, -1);
  EXPECT_EQ(game.Of(game.spriteUIPole + 1).size(), 1u);
  EXPECT_EQ(PanelX(), -1000.0f);

  Frame(1);
  EXPECT_EQ(game.gameFlagOk, kPole);
  EXPECT_EQ(game.Of(game.spriteUIFlag).size(), 1u);  // frame 0 at time 0
  EXPECT_FLOAT_EQ(PanelX(), static_cast<int>(Left().x) + 26);

  // Dragging: the pole flashes in light blending and the panel moves 25 to the right.
  Drag();
  Frame(1);
  EXPECT_EQ(game.gameFlagOk, kPole);
  EXPECT_FLOAT_EQ(PanelX(), static_cast<int>(Left().x) + 25 + 26);
  const auto sparks = game.Of(game.spriteUIAnim, 3);
  ASSERT_EQ(sparks.size(), 3u);
  for (const SpriteDraw& d : sparks) EXPECT_EQ(d.blend, LIGHTBLEND);
  EXPECT_EQ(game.Of(game.cardFaces + 7)[0].blend, ALPHABLEND);

  game.vMX = 500;  // off the pole: none named
  game.vMY = 5;
  Frame(1);
  EXPECT_EQ(game.gameFlagOk, -1);
}

TEST_F(FlagPanelTest, MarkerTellsTheHeightAndThePanelPutsRoadsFirst) {
  TMap& cell = game.map[kX][kY];
  game.mapWater = 5;
  game.mapMinHeight = 0;
  cell.height = 3;
  EXPECT_EQ(PoleMarker(game, cell), kMarkerWater);
  cell.height = 0;
  EXPECT_EQ(PoleMarker(game, cell), kMarkerOcean);
  Frame(0);
  ASSERT_EQ(game.Of(game.spriteUI + 8).size(), 1u);
  EXPECT_EQ(game.Of(game.spriteUI + 8)[0].red, 250);
  EXPECT_NEAR(game.Of(game.spriteUI + 8)[0].x, Left().x + 7, 1e-3);
  cell.height = 30;
  EXPECT_EQ(PoleMarker(game, cell), kMarkerHigh);
  cell.height = 12;
  EXPECT_EQ(PoleMarker(game, cell), kMarkerNone);

  cell.height = 0;
  cell.road = 1;  // a road in the ocean: the road's words, the ocean's marker
  EXPECT_EQ(TerrainPanelLines(PoleTerrainAt(game, kX, kY))[0].text, "ROAD:");
  EXPECT_EQ(PoleMarker(game, cell), kMarkerOcean);
  const std::vector<TPanelLine> water{{57, "WATER:"}, {45, " -1 to"}, {38, "Armour"}};
  EXPECT_EQ(TerrainPanelLines(PoleTerrain::Water), water);
  EXPECT_EQ(TerrainPanelLines(PoleTerrain::Normal), (std::vector<TPanelLine>{{57, "NORMAL:"}}));
}

TEST_F(FlagPanelTest, OnlyPolesOneToTwelveAreDrawn) {
  for (int n : {0, 13, -1}) {
    game.map[kX][kY].flag = n;
    game.flagX.fill(-5);
    Frame(0);
    EXPECT_TRUE(game.Of(game.spriteUIPole, 3).empty()) << n;
    for (int x : game.flagX) EXPECT_EQ(x, -5) << n;
  }
}

TEST_F(FlagPanelTest, WavingFlagStaysInRangeOnANegativeClock) {
  PointAt(kX, kY);
  game.gameTime = -1375;  // 5.5 frames before 0
  Frame(1);
  const auto flag = game.Of(game.spriteUIFlag, 4);
  ASSERT_EQ(flag.size(), 1u);
  EXPECT_EQ(flag[0].n, game.spriteUIFlag + 3);
}

}  // namespace
