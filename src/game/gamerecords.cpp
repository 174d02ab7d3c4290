// The game's plain records: card values, the deck's build, shuffle and deal, and the
// player's reset, colours and armour.
#include "game/gamerecords.h"

#include <algorithm>
#include <cstdint>

#include "platform/numbers.h"

namespace {

constexpr int kMaxArmour = 5;
constexpr int kFirstSoldierRecord = 22;  // records 22..30 plain, 31..39 their star variants
constexpr int kSoldierFaces = 9;

// card, range, range of the star variant, attack, men, armour
struct TSoldierValues {
  int card, range, starRange, attack, men, armour;
};
constexpr std::array<TSoldierValues, kSoldierFaces> kSoldiers = {{
    {0, 5, 4, 5, 1, 1},
    {1, 2, 1, 0, 1, 1},
    {2, 1, 1, 0, 2, 0},
    {3, 1, 1, 0, 1, 0},
    {4, 3, 2, 1, 1, 2},
    {5, 5, 4, 2, 2, 3},
    {6, 3, 2, 3, 1, 1},
    {7, 6, 5, 3, 2, 0},
    {8, 5, 4, 4, 1, 1},
}};

// Extra cards, two records each: card, range of the first, range of the second.
struct TExtraValues {
  int card, range1, range2;
};
constexpr std::array<TExtraValues, 11> kExtras = {{
    {0, 2, 4}, {1, 0, 0}, {2, 0, 0}, {3, 4, 5}, {4, 3, 4}, {5, 2, 4},
    {6, 0, 0}, {7, 2, 4}, {8, 2, 3}, {9, 2, 4}, {10, 2, 3},
}};

}  // namespace

int TCard::set(int kind_, int card_, int range_, int attack_, int men_, int armour_, int star_) {
  kind = kind_;
  card = card_;
  range = range_;
  attack = attack_;
  men = men_;
  armour = armour_;
  star = star_;
  return 0;
}

int TDeck::init() {
  for (int n = 0; n < MAX_CARDSINDECK; ++n)
    cardRef[n] = n < MAX_CARDS ? n : n - (MAX_CARDS - kFirstSoldierRecord);
  for (int i = 0; i < static_cast<int>(kExtras.size()); ++i) {
    const TExtraValues& e = kExtras[i];
    card[2 * i].set(1, e.card, e.range1, 0, 0, 0, 0);
    card[2 * i + 1].set(1, e.card, e.range2, 0, 0, 0, 0);
  }
  for (int i = 0; i < kSoldierFaces; ++i) {
    const TSoldierValues& s = kSoldiers[i];
    card[kFirstSoldierRecord + i].set(0, s.card, s.range, s.attack, s.men, s.armour, 0);
    card[kFirstSoldierRecord + kSoldierFaces + i].set(0, s.card, s.starRange, s.attack, s.men,
                                                      s.armour, 1);
  }
  return shuffle();
}

// Each slot draws random places until it finds a free one: a uniform permutation.
int TDeck::shuffle() {
  pos = 0;
  cardPos.fill(-1);
  for (int i = 0; i < MAX_CARDSINDECK; ++i) {
    int r = Rand(0, MAX_CARDSINDECK - 1);
    while (cardPos[r] != -1) r = Rand(0, MAX_CARDSINDECK - 1);
    cardPos[r] = i;
  }
  return 0;
}

int TDeck::getNextCard() {
  if (pos < 0 || pos >= MAX_CARDSINDECK) return -1;
  const int slot = cardPos[pos];
  pos += 1;
  if (slot < 0 || slot >= MAX_CARDSINDECK) return -1;
  return cardRef[slot];
}

int TPlayer::reset() {
  g_SelectCard = -1;
  totalmen = 0;
  deadmen = 0;
  armour = 0;
  myCards.fill(-1);
  myCardCross.fill(0);
  return 0;
}

int TPlayer::setBackground1(int value, int r, int g, int b) {
  background1 = value;
  red1 = r;
  green1 = g;
  blue1 = b;
  return 0;
}

int TPlayer::setBackground2(int value, int r, int g, int b, int alpha) {
  background2 = value + 2;
  red2 = r;
  green2 = g;
  blue2 = b;
  alpha2 = static_cast<float>(alpha / 255.0);
  return 0;
}

int TPlayer::setSoldierColor(int r, int g, int b) {
  red = r;
  green = g;
  blue = b;
  return 0;
}

int TPlayer::armourModify(int delta) {
  armour = static_cast<int>(std::clamp<int64_t>(int64_t{armour} + delta, 0, kMaxArmour));
  return 0;
}
