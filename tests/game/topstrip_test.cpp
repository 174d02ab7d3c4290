// The frame around the battlefield: the menu button's region and glow, and the soldier
// bars' and shields' caps.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"

namespace {

using namespace battlefieldtesting;

constexpr float kW = 512;
constexpr float kH = 384;

class TopStripTest : public BattlefieldTest {
 protected:
  void SetUp() override {
    BattlefieldTest::SetUp();
    for (int p = 0; p < kPlayers; ++p) game.players[p].setSoldierColor(10 + p, 100 + p, 200 + p);
  }
  // 2D lines of the given width, as x1, y1, x2, y2 and the red channel in force.
  std::vector<std::array<float, 5>> Lines(float width) {
    std::vector<std::array<float, 5>> out;
    for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Line)) {
      if (c.state.lineWidth != width) continue;
      out.push_back({c.args[0], c.args[1], c.args[2], c.args[3], static_cast<float>(c.state.red)});
    }
    return out;
  }
  bool HasFrameLine(float x1, float y1, float x2, float y2) {
    for (const auto& l : Lines(3.0f)) {
      if (l[0] == x1 && l[1] == y1 && l[2] == x2 && l[3] == y2) return true;
    }
    return false;
  }
};

TEST_F(TopStripTest, MenuButtonRegistersItsRegionAndGlowsUnderThePointer) {
  Frame(0);
  EXPECT_EQ(ArcadeGetControl(25, 25), 19);
  EXPECT_EQ(ArcadeGetControl(12, 26), -1);
  EXPECT_FLOAT_EQ(game.Of(game.spriteUIMenu)[0].alpha, 0.3f);
  game.g_OverMenu = 1;
  game.gameTime = 150;  // sin 90
  Frame(0);
  EXPECT_FLOAT_EQ(game.Of(game.spriteUIMenu)[0].alpha, 0.9f);
}

TEST_F(TopStripTest, SoldierBarsStopAtThirtyEightAndShieldsFollowArmour) {
  game.players[0].totalmen = 50;
  game.players[0].deadmen = 10;
  game.players[1].totalmen = 3;
  game.players[1].deadmen = 1;
  Frame(0);
  int left = 0, right = 0;
  float rightMost = 0;
  for (const auto& l : Lines(1.0f)) {
    if (l[0] < 90) ++left;
    if (l[0] > kW - 90) {
      ++right;
      rightMost = std::max(rightMost, l[0]);
    }
  }
  EXPECT_EQ(left, 3 * 38);   // grey, tip and alive lines
  EXPECT_EQ(right, 3 + 3 + 2);
  EXPECT_EQ(rightMost, kW - 4);
  EXPECT_TRUE(game.Of(game.spriteUIShield).empty());

  game.players[0].deadmen = 60;  // more dead than men: no alive line
  game.players[0].armour = 3;
  game.players[1].armour = 1000000;  // beyond the rules: five
  Frame(0);
  left = 0;
  for (const auto& l : Lines(1.0f)) left += l[0] < 90 ? 1 : 0;
  EXPECT_EQ(left, 2 * 38);
  const auto shields = game.Of(game.spriteUIShield);
  EXPECT_EQ(shields.size(), 8u);  // 3 and the cap of 5
}

}  // namespace
