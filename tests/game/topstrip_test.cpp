// The frame around the battlefield: the menu button's region and glow, the soldier
// bars' and shields' caps, and the players' panels with their portraits and the
// highlight of the player whose turn it is.
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

TEST_F(TopStripTest, PanelsSitInTheCornersAndHighlightThePlayerWhoseTurnItIs) {
  for (int p = 0; p < kPlayers; ++p) {
    game.players[p].setBackground1(p + 1, 20 * p, 30, 40);
    game.players[p].setBackground2(p, 50, 60 + p, 70, 51);
  }
  struct Panel {
    int player;
    float frameY;  // top of the panel's frame
  };
  struct Case {
    int computers, current;
    std::vector<Panel> panels;
  };
  const Case cases[] = {
      {1, 0, {{0, kH - 80}, {1, kH - 80}}},
      {1, 1, {{0, kH - 80}, {1, kH - 80}}},
      {2, 2, {{0, kH - 80}, {1, kH - 80}, {2, kH - 160}}},  // player 2 above player 1
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.computers) + " computers, turn of " + std::to_string(k.current));
    game.playerCount = k.computers;
    game.currentPlayer = k.current;
    Frame(0);
    ASSERT_EQ(game.Of(game.spriteUIPlayers, 2).size(), k.panels.size());
    for (const Panel& panel : k.panels) {
      const TPlayer& pl = game.players[panel.player];
      const bool human = panel.player == 0;
      const bool turn = panel.player == k.current;
      const float b = panel.frameY + 80;
      const float left = human ? 0 : kW - 88;
      // The portrait in the soldier colour, larger and 5 higher on the player's turn.
      const auto portraits = game.Of(game.spriteUIPlayers + (human ? 0 : 1));
      const auto portrait = std::find_if(portraits.begin(), portraits.end(), [&](const SpriteDraw& d) {
        return d.x == (human ? 2.0f : left + 28) && d.y > panel.frameY - 20 && d.y <= b - 84;
      });
      ASSERT_NE(portrait, portraits.end()) << "player " << panel.player;
      EXPECT_FLOAT_EQ(portrait->y, b - 84 - (turn ? 5 : 0));
      EXPECT_FLOAT_EQ(portrait->scaleX, turn ? 0.85f : 0.75f);
      EXPECT_FLOAT_EQ(portrait->alpha, turn ? 1.0f : 0.6f);
      EXPECT_EQ((std::array<int, 3>{portrait->red, portrait->green, portrait->blue}),
                (std::array<int, 3>{pl.red, pl.green, pl.blue}));
      // The badge beside it, mirrored on the human's side.
      const auto badges = game.Of(game.spriteUIPlayers + 2);
      EXPECT_TRUE(std::any_of(badges.begin(), badges.end(), [&](const SpriteDraw& d) {
        return d.x == (human ? 0 : left + 64) && d.y == panel.frameY && d.mirrored == human &&
               d.scaleX == 0.75f && d.alpha == portrait->alpha;
      })) << "badge of player " << panel.player;
      // Both card backgrounds in their tints, the second at its own opacity.
      const auto first = game.Of(game.spriteBackgrounds + pl.background1);
      const auto second = game.Of(game.spriteBackgrounds + pl.background2);
      EXPECT_TRUE(std::any_of(first.begin(), first.end(), [&](const SpriteDraw& d) {
        return d.x == (human ? -8 : left) && d.y == b - 93 && d.scaleX == 0.5f && d.red == pl.red1 &&
               d.blue == pl.blue1;
      })) << "first background of player " << panel.player;
      EXPECT_TRUE(std::any_of(second.begin(), second.end(), [&](const SpriteDraw& d) {
        return d.x == (human ? -8 : left) && d.y == b - 93 && d.green == pl.green2 &&
               std::fabs(d.alpha - pl.alpha2) < 1e-6f;
      })) << "second background of player " << panel.player;
      // The frame: full soldier colour on the player's turn, else dark.
      const float fx = human ? 80 : kW - 80;
      const bool framed = HasFrameLine(human ? 0 : kW, panel.frameY, fx, panel.frameY) &&
                          HasFrameLine(fx, panel.frameY, fx, b);
      EXPECT_TRUE(framed) << "frame of player " << panel.player;
      for (const TDrawCall& c : recorder.CallsOf(TDrawCallKind::Line)) {
        if (c.state.lineWidth != 3.0f || c.args[0] != fx || c.args[1] != panel.frameY) continue;
        EXPECT_EQ(c.state.red, turn ? pl.red : 10);
        EXPECT_EQ(c.state.green, turn ? pl.green : 10);
        EXPECT_FLOAT_EQ(c.state.alpha, turn ? 1.0f : 0.6f);
      }
    }
  }
}

}  // namespace
