// Flag poles in a frame: the free pole under the pointer that names itself for the drop,
// the drag flashing, poles outside 1..12, and the waving flag on a negative clock.
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

}  // namespace
