// Flag poles in a frame: the free pole under the pointer that names itself for the drop,
// the drag flashing, poles outside 1..12, the waving flag on a negative clock, cards on
// claimed poles, and the terrain markers and panel texts a player reads.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"
#include "game/battlefieldtile.h"
#include "game/flagpoles.h"
#include "screentext.h"

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

TEST_F(FlagPanelTest, ClaimedPolesCarryTheirCardAndFadeWhileACardIsDragged) {
  game.flagCard[kPole] = 26;
  const Corners c = ExpectedCorners(game, kX, kY);
  for (int owner : {0, 1, 2}) {
    for (bool dragging : {false, true}) {
      SCOPED_TRACE("owner " + std::to_string(owner) + (dragging ? " dragging" : ""));
      game.flags[kPole] = owner;
      game.gameMode = dragging ? 100 : 0;
      game.players[0].g_SelectCard = 2;
      Frame(0);
      ASSERT_EQ(game.cards.size(), 1u);
      const CardDraw& card = game.cards[0];
      EXPECT_EQ((std::array<int, 4>{card.player, card.x, card.y, card.card}),
                (std::array<int, 4>{owner, static_cast<int>(c[0].x), static_cast<int>(c[3].y - 80), 26}));
      EXPECT_FLOAT_EQ(card.phase, 2.0f);
      EXPECT_FLOAT_EQ(card.scale, owner == 0 ? 0.23f : 0.21f);
      EXPECT_FLOAT_EQ(card.alpha, dragging ? 0.4f : 1.0f);
      const auto pole = game.Of(game.spriteUIPole, 3);
      ASSERT_EQ(pole.size(), 1u);
      EXPECT_EQ(pole[0].n, game.spriteUIPole);
      EXPECT_FLOAT_EQ(pole[0].x, static_cast<float>(c[3].x + 4));
      EXPECT_FLOAT_EQ(pole[0].y, static_cast<float>(c[3].y + 5 - 43));
    }
  }
  game.flags[kPole] = kFlagNone;  // out of play: not drawn
  Frame(0);
  EXPECT_TRUE(game.cards.empty());
  EXPECT_TRUE(game.Of(game.spriteUIPole, 3).empty());
}

class TerrainPanelTest : public FlagPanelTest {
 protected:
  void SetUp() override {
    FlagPanelTest::SetUp();
    screentext::LoadTestFont();
  }
  void TearDown() override {
    screentext::DropTestFont();
    FlagPanelTest::TearDown();
  }
};

TEST_F(TerrainPanelTest, FreePoleShowsItsTerrainMarkerAndPanelWords) {
  struct Terrain {
    std::string name;
    int road, water, lowest, highest, decal;  // the pole's cell stands at height 10
    int marker;                               // spriteUI + marker, -1 none
    std::array<int, 3> markerRgb;
    std::vector<std::pair<int, std::string>> lines;  // up from the panel's base, text
  };
  const std::vector<Terrain> terrains = {
      {"road under water", 1, 20, 10, 30, 0, 8, {250, 0, 0},
       {{57, "ROAD:"}, {45, "- 1 to"}, {38, "Armour"}, {25, " +1 to"}, {18, "Attack"}}},
      {"ocean", 0, 20, 10, 30, 0, 8, {250, 0, 0},
       {{57, "OCEAN:"}, {45, " -1 to"}, {38, "Armour"}, {25, " -1 to"}, {18, "Attack"}}},
      {"water", 0, 20, 5, 30, 0, 6, {250, 0, 0}, {{57, "WATER:"}, {45, " -1 to"}, {38, "Armour"}}},
      {"asset", 0, -100, 0, 10, 7, 7, {250, 200, 0},
       {{57, "ASSET:"}, {45, " +1 to"}, {38, "Armour"}, {25, " +2 to"}, {18, "Attack"}}},
      {"mud", 0, -100, 0, 30, 7, -1, {}, {{57, "MUD:"}, {45, "-1 to"}, {38, "Armour"}}},
      {"rough", 0, -100, 0, 30, 3, -1, {}, {{57, "ROUGH:"}, {45, "2 to"}, {38, "Armour"}}},
      {"normal", 0, -100, 0, 30, 2, -1, {}, {{57, "NORMAL:"}}},
  };
  const Corners c = ExpectedCorners(game, kX, kY);
  const float foot = static_cast<float>(c[3].y + 5);
  for (const Terrain& t : terrains) {
    for (bool dragging : {false, true}) {
      SCOPED_TRACE(t.name + (dragging ? " dragging" : ""));
      TMap& cell = game.map[kX][kY];
      cell.road = t.road;
      cell.spr = game.spriteGround + t.decal;
      game.mapWater = t.water;
      game.mapMinHeight = t.lowest;
      game.mapMaxHeight = t.highest;
      game.flags[kPole] = kFlagFree;
      game.gameMode = dragging ? 100 : 0;
      game.players[0].g_SelectCard = 2;
      PointAt(kX, kY);
      Frame(1);
      // The marker stands on the pole by height alone.
      const auto markers = game.Of(game.spriteUI + 6, 3);
      ASSERT_EQ(markers.size(), t.marker < 0 ? 0u : 1u);
      if (t.marker >= 0) {
        EXPECT_EQ(markers[0].n, game.spriteUI + t.marker);
        EXPECT_FLOAT_EQ(markers[0].x, static_cast<float>(c[3].x + 7));
        EXPECT_FLOAT_EQ(markers[0].y, foot - 47);
        EXPECT_FLOAT_EQ(markers[0].scaleX, 0.75f);
        EXPECT_EQ((std::array<int, 3>{markers[0].red, markers[0].green, markers[0].blue}), t.markerRgb);
      }
      const int x = static_cast<int>(c[3].x) + (dragging ? 25 : 0) + 37;
      const int base = static_cast<int>(foot - 10);
      std::vector<std::pair<int, std::string>> lines = t.lines;
      lines.emplace_back(72, "Terrain");
      const auto shown = screentext::ShownTexts(recorder);
      EXPECT_EQ(shown.size(), lines.size());
      for (const auto& [up, text] : lines) {
        EXPECT_TRUE(screentext::Shows(recorder, text, x, base - up, {255, 255, 255})) << text;
      }
      for (const auto& s : shown) EXPECT_FLOAT_EQ(s.alpha, 0.5f);
      const auto panel = game.Of(game.cardFaces + 7);
      ASSERT_EQ(panel.size(), 1u);
      EXPECT_FLOAT_EQ(panel[0].x, static_cast<float>(x - 37 + 26));
      EXPECT_FLOAT_EQ(panel[0].y, foot - 10 - 84);
      EXPECT_EQ((std::array<int, 3>{panel[0].red, panel[0].green, panel[0].blue}), (std::array<int, 3>{144, 143, 76}));
    }
  }
}

}  // namespace
