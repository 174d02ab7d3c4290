// Cards, deck and players: the deck's slot map, the shuffle, armour limits, the
// players' reset and the deal of new hands.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "game/gamerecords.h"
#include "game/quilloncore.h"
#include "platform/numbers.h"

namespace {

TEST(DeckTest, InitBuildsFortyNineSlotsOverFortyRecords) {
  SeedRnd(7);
  TDeck deck;
  deck.init();
  int extras = 0;
  std::map<int, int> timesInDeck;
  for (int slot = 0; slot < MAX_CARDSINDECK; ++slot) {
    const int record = deck.cardRef[slot];
    ASSERT_GE(record, 0);
    ASSERT_LT(record, MAX_CARDS);
    if (deck.card[record].kind == 1) ++extras;
    ++timesInDeck[record];
  }
  EXPECT_EQ(extras, 22);
  for (int r = 22; r <= 30; ++r) {
    EXPECT_EQ(timesInDeck[r], 2) << "plain soldier record " << r;
    EXPECT_EQ(deck.card[r].star, 0);
    EXPECT_EQ(deck.card[r].kind, 0);
  }
  for (int r = 31; r <= 39; ++r) {
    EXPECT_EQ(timesInDeck[r], 1) << "star soldier record " << r;
    EXPECT_EQ(deck.card[r].star, 1);
    EXPECT_EQ(deck.card[r].card, deck.card[r - 9].card);
  }
}

TEST(DeckTest, ShuffleDealsEverySlotOnceThenRunsDry) {
  for (int seed : {1, 2, 99, 12345}) {
    SeedRnd(seed);
    TDeck deck;
    deck.init();
    std::vector<int> order(deck.cardPos.begin(), deck.cardPos.end());
    std::sort(order.begin(), order.end());
    for (int i = 0; i < MAX_CARDSINDECK; ++i) ASSERT_EQ(order[i], i) << "seed " << seed;

    std::vector<int> dealt;
    for (int i = 0; i < MAX_CARDSINDECK; ++i) dealt.push_back(deck.getNextCard());
    std::vector<int> expected(deck.cardRef.begin(), deck.cardRef.end());
    std::sort(dealt.begin(), dealt.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dealt, expected);
    EXPECT_EQ(deck.getNextCard(), -1);
    EXPECT_EQ(deck.getNextCard(), -1);
    EXPECT_EQ(deck.pos, MAX_CARDSINDECK);
  }
}

TEST(PlayerTest, ArmourStaysWithinZeroToFive) {
  TPlayer p;
  p.armour = 2;
  p.armourModify(-9);
  EXPECT_EQ(p.armour, 0);
  p.armourModify(9);
  EXPECT_EQ(p.armour, 5);
  p.armourModify(2147483647);
  EXPECT_EQ(p.armour, 5);
  p.armourModify(-2147483647 - 1);
  EXPECT_EQ(p.armour, 0);
}

TEST(PlayerTest, ResetClearsTheHandButKeepsColours) {
  TPlayer p;
  p.setSoldierColor(9, 8, 7);
  p.myCards[3] = 12;
  p.myCardCross[3] = 1;
  p.g_SelectCard = 3;
  p.reset();
  EXPECT_EQ(p.g_SelectCard, -1);
  EXPECT_EQ(p.myCards[3], -1);
  EXPECT_EQ(p.myCardCross[3], 0);
  EXPECT_EQ(p.red, 9);
}

TEST(PlayersResetTest, DealsSlotByslotToEachPlayerInTurn) {
  SeedRnd(3);
  TQuillonCore game;
  game.deck.init();
  game.flags.fill(0);
  game.flags[4] = 1;
  game.flags[9] = kFlagNone;  // left out of this battlefield
  game.flagMax = 12;
  game.flagCount = 5;
  game.gameMode = 99;
  game.players[1].myCardCross[2] = 1;
  game.playersReset();

  EXPECT_EQ(game.gameMode, 0);
  // The battle waits for every freed pole in play: 1 to 12 but 9, not entry 0 nor 13 to 16.
  EXPECT_EQ(game.flagCount, 11);
  for (int f = 0; f < kFlagCount; ++f)
    EXPECT_EQ(game.flags[f], f >= 1 && f <= 12 && f != 9 ? kFlagFree : kFlagNone) << "pole " << f;
  EXPECT_EQ(game.deck.pos, 18);
  int n = 0;
  for (int slot = 1; slot <= 6; ++slot)
    for (int p = 0; p < kPlayers; ++p, ++n)
      EXPECT_EQ(game.players[p].myCards[slot], game.deck.cardRef[game.deck.cardPos[n]])
          << "slot " << slot << " player " << p;
  for (int p = 0; p < kPlayers; ++p) {
    EXPECT_EQ(game.players[p].myCards[0], -1);
    EXPECT_EQ(game.players[p].myCardCross[2], 0);
  }
  game.playersReset();  // each deal shuffles the whole deck afresh
  EXPECT_EQ(game.deck.pos, 18);
}

}  // namespace
