// Turn rules on hand-made states: the computer players' choice of pole and card, a soldier
// card's change to pole and player, the battle start, the wire and mines after seven
// passes, and the men that grow around owned poles.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/numbers.h"
#include "rulestesting.h"

namespace {

using namespace rulestesting;

constexpr int kSoldier = 26;  // deck record: soldier card, armour 2, attack 1
constexpr int kExtra = 8;     // deck record: extra card

// Counts the calls the rules make of each other.
class CallCountCore : public RulesCore {
 public:
  std::vector<std::pair<int, int>> menCalls;  // (player, kind)
  int battles = 0;
  int wirePasses = 0;
  int minePasses = 0;

  int increaseMen(int p, int kind) override {
    menCalls.emplace_back(p, kind);
    return RulesCore::increaseMen(p, kind);
  }
  int startBattle() override {
    ++battles;
    return RulesCore::startBattle();
  }
  int increaseBarbWire() override {
    ++wirePasses;
    return RulesCore::increaseBarbWire();
  }
  int increaseMine() override {
    ++minePasses;
    return RulesCore::increaseMine();
  }
};

class TurnRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core.deck.init();
    core.ClearField();
    core.playerCount = 1;
    for (TPlayer& player : core.players) player.reset();
    SeedRnd(99);
  }
  // A free pole f with the given rank on cell (x, y).
  void Pole(int f, int x, int y, int rank, int armour = 0, int attack = 0) {
    core.flags[f] = kFlagFree;
    core.flagRank[f] = rank;
    core.flagArmour[f] = armour;
    core.flagAttack[f] = attack;
    core.flagX[f] = x;
    core.flagY[f] = y;
    core.map[x][y].flag = f;
    ++core.flagCount;
  }
  // Player p holds the record in slot 4 and has played every other slot.
  void OneCardLeft(int p, int record) {
    core.players[p].myCardCross.fill(1);
    core.players[p].myCardCross[4] = 0;
    core.players[p].myCards[4] = record;
  }
  std::string Turn(int p) {
    testing::internal::CaptureStdout();
    core.enemyTurn(p);
    return testing::internal::GetCapturedStdout();
  }
  CallCountCore core;
};

TEST_F(TurnRulesTest, ComputerTakesTheBestRankAndTheLowestNumberOnATie) {
  core.flagMax = 6;
  Pole(1, 2, 2, 0);
  Pole(2, 11, 11, -2);
  Pole(3, 12, 1, 10);  // far corner: position plays no part
  Pole(4, 6, 6, 10);
  Pole(5, 7, 7, 10);
  Pole(6, 8, 8, -10);
  OneCardLeft(1, kExtra);
  const std::string log = Turn(1);
  EXPECT_EQ(log.rfind("enemy turn 1\n", 0), 0u) << log;
  EXPECT_EQ(core.flags[3], 1);
  EXPECT_EQ(core.flagCard[3], kExtra);
  EXPECT_EQ(core.flags[4], kFlagFree);
  EXPECT_EQ(core.flags[5], kFlagFree);
  EXPECT_EQ(core.flagCount, 5);
  EXPECT_EQ(core.players[1].myCardCross[4], 1);
  EXPECT_EQ(core.currentPlayer, 1);
  EXPECT_EQ(core.battles, 0);
}

TEST_F(TurnRulesTest, PolesRankedMinus99OrBelowAreNeverTaken) {
  core.flagMax = 3;
  Pole(1, 3, 3, -99);
  Pole(2, 5, 5, -150);
  core.flags[3] = 1;  // an owned pole: the player's men still grow there
  core.map[9][9].flag = 3;
  OneCardLeft(1, kSoldier);
  Turn(1);
  EXPECT_EQ(core.flags[1], kFlagFree);
  EXPECT_EQ(core.flags[2], kFlagFree);
  EXPECT_EQ(core.flagCount, 2);
  EXPECT_EQ(core.players[1].myCardCross[4], 1) << "the card counts as played";
  EXPECT_EQ(core.map[9][9].manCount[1], 0);
  EXPECT_EQ(core.menCalls, (std::vector<std::pair<int, int>>{{1, 4}}));
}

TEST_F(TurnRulesTest, SoldierCardTakesTheTerrainArmourExtraCardChangesNothing) {
  core.flagMax = 2;
  Pole(1, 4, 4, 0, -1, 1);
  Pole(2, 5, 9, -5, -1, 0);
  core.deck.card[kSoldier].armour = 1;
  OneCardLeft(1, kSoldier);
  std::string log = Turn(1);
  // The line shows the pole before the card: terrain -1, card +1, player 0 gives 0.
  EXPECT_NE(log.find("-player 1 flag=1 flagarmour=-1 flagattack=1\n"), std::string::npos) << log;
  EXPECT_EQ(core.players[1].armour, 0);
  EXPECT_EQ(core.flagArmour[1], 0);
  EXPECT_EQ(core.flagAttack[1], 2);
  OneCardLeft(1, kExtra);
  log = Turn(1);
  EXPECT_EQ(core.flags[2], 1);
  EXPECT_EQ(core.flagCard[2], kExtra);
  EXPECT_EQ(core.flagArmour[2], -1);
  EXPECT_EQ(log.find("-player "), std::string::npos) << log;
}

TEST_F(TurnRulesTest, PlayerArmourNeverPassesFive) {
  for (int f = 1; f <= 5; ++f) Pole(f, f, 3, 0, 2, 0);
  testing::internal::CaptureStdout();
  for (int f = 1; f <= 5; ++f) core.modifyArmourAttack(f, 3, 0, 0, 0);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(core.players[0].armour, 5);
  EXPECT_EQ(core.flagArmour[5], 5);
  EXPECT_EQ(core.flagArmour[2], 4);
}

TEST_F(TurnRulesTest, ModifyArmourAttackIgnoresCellsOutsideTheFieldAndWithoutPole) {
  Pole(1, 1, 1, 0, 2, 2);
  core.map[0][5].flag = 1;
  core.map[13][5].flag = 1;
  testing::internal::CaptureStdout();
  core.modifyArmourAttack(0, 5, 0, 1, 1);
  core.modifyArmourAttack(13, 5, 0, 1, 1);
  core.modifyArmourAttack(6, 6, 0, 1, 1);  // flag -1
  core.map[7][7].flag = 40;                // a number beyond the pole tables
  core.modifyArmourAttack(7, 7, 0, 1, 1);
  core.modifyArmourAttack(1, 1, 5, 1, 1);  // no such player
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(core.flagArmour[1], 2);
  EXPECT_EQ(core.flagAttack[1], 2);
  EXPECT_EQ(core.players[0].armour, 0);
}

TEST_F(TurnRulesTest, SecondComputerStillPlaysAfterTheFirstStartsTheBattle) {
  core.playerCount = 2;
  core.flagMax = 1;
  Pole(1, 6, 6, 0);
  OneCardLeft(1, kExtra);
  OneCardLeft(2, kExtra);
  const std::string log = Turn(1);
  EXPECT_EQ(core.flags[1], 1);
  EXPECT_EQ(core.flagCount, 0);
  EXPECT_EQ(core.gameMode, 101);
  EXPECT_EQ(core.battles, 1);
  EXPECT_EQ(core.players[2].myCardCross[4], 1);
  EXPECT_EQ(core.currentPlayer, 2);
  EXPECT_NE(log.find("enemy turn 1\nstart Battle\nenemy turn 2\n"), std::string::npos) << log;
  // Battle start (one call per player with two computer players), then each turn's own.
  EXPECT_EQ(core.menCalls,
            (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {1, 4}, {2, 4}}));
}

TEST_F(TurnRulesTest, TurnWithoutAPlayableCardClaimsNothingAndGoesOn) {
  core.playerCount = 2;
  core.flagMax = 1;
  Pole(1, 6, 6, 0);
  core.players[1].myCardCross.fill(1);  // every card played: the turn ends without a card
  OneCardLeft(2, -1);                   // an empty slot: drawn and marked, but no card
  Turn(1);
  EXPECT_EQ(core.flags[1], kFlagFree);
  EXPECT_EQ(core.flagCount, 1);
  EXPECT_EQ(core.players[2].myCardCross[4], 1);
  EXPECT_EQ(core.menCalls, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));
  OneCardLeft(1, kExtra);
  core.menCalls.clear();
  Turn(1);
  EXPECT_EQ(core.flags[1], 1) << "a drawn slot is always an unplayed one";
}

TEST_F(TurnRulesTest, BattleStartAddsMenPerPlayerAndSpreadsSevenTimes) {
  testing::internal::CaptureStdout();
  core.startBattle();  // one computer player: each player's men twice
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "start Battle\n");
  EXPECT_EQ(core.menCalls,
            (std::vector<std::pair<int, int>>{{0, 4}, {0, 4}, {1, 4}, {1, 4}, {2, 4}, {2, 4}}));
  EXPECT_EQ(core.wirePasses, 7);
  EXPECT_EQ(core.minePasses, 7);
}

TEST_F(TurnRulesTest, SevenPassesLeaveTheFieldAtZeroOrOne) {
  int ringKept = 0;
  for (int seed = 1; seed <= 50; ++seed) {
    core.ClearField();
    SeedRnd(seed);
    for (int y = 1; y <= 12; ++y) {
      for (int x = 1; x <= 12; ++x) {
        core.map[x][y].barbwire = Rand(0, 4);
        core.map[x][y].mine = Rand(0, 4);
      }
    }
    for (int i = 0; i < 7; ++i) {
      core.increaseBarbWire();
      core.increaseMine();
    }
    for (int y = 0; y <= 13; ++y) {
      for (int x = 0; x <= 13; ++x) {
        const TMap& cell = core.map[x][y];
        if (x >= 1 && x <= 12 && y >= 1 && y <= 12) {
          ASSERT_LE(cell.barbwire, 1);
          ASSERT_LE(cell.mine, 1);
        } else {
          ringKept += cell.barbwire > 1 || cell.mine > 1;
        }
      }
    }
  }
  EXPECT_GT(ringKept, 0) << "the outer ring keeps what it received";
}

TEST_F(TurnRulesTest, MenStartWithASquadThenSpreadAndStopAt38) {
  core.flags[1] = 1;
  core.flags[2] = 2;
  core.map[6][6].flag = 1;
  core.map[9][9].flag = 2;
  core.increaseMen(1, 4);
  EXPECT_EQ(core.map[6][6].manCount[1], 0) << "a squad of 0 men";
  EXPECT_EQ(core.map[6][6].mankind[1], 4);
  EXPECT_EQ(core.map[7][6].manCount[1], -1);
  EXPECT_EQ(core.map[9][9].manCount[2], -1) << "another player's pole";
  EXPECT_EQ(core.players[1].totalmen, 1);

  for (int call = 0; call < 200; ++call) core.increaseMen(1, 0);
  for (auto [x, y] : {std::pair{7, 6}, {5, 6}, {6, 7}, {6, 5}}) {
    EXPECT_EQ(core.map[x][y].manCount[1], 38);
    EXPECT_EQ(core.map[x][y].mankind[1], 0);
  }
  EXPECT_EQ(core.map[6][6].manCount[1], 38);
  // The cap does not reduce the count: each of the 200 later calls added one man on the
  // pole and about two around it.
  EXPECT_GT(core.players[1].totalmen, 201 + 300);
  EXPECT_LT(core.players[1].totalmen, 201 + 500);
  EXPECT_EQ(core.players[2].totalmen, 0);
  EXPECT_EQ(core.map[8][6].manCount[1], -1) << "men grow only beside the pole";
}

TEST_F(TurnRulesTest, FallenMenAreCountedPerCellAndPlayer) {
  core.map[3][4].manCount[2] = 7;
  core.decreaseMen(3, 4, 2);
  core.decreaseMen(3, 4, 2);
  EXPECT_EQ(core.map[3][4].manDead[2], 2);
  EXPECT_EQ(core.map[3][4].manCount[2], 7);
  EXPECT_EQ(core.players[2].deadmen, 2);
  core.decreaseMen(-1, 4, 2);
  core.decreaseMen(3, 15, 2);
  core.decreaseMen(3, 4, 3);
  EXPECT_EQ(core.players[2].deadmen, 2);
}

}  // namespace
