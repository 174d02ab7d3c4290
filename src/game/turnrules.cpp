// Turn rules and computer players: a computer player's turn, a soldier card's change to a
// pole, the men that grow around owned poles, fallen men, and the battle start with its
// spreading of barbed wire and mines.
#include <algorithm>
#include <array>
#include <string>

#include "game/battlefield.h"
#include "game/flagpoles.h"
#include "game/handstates.h"
#include "game/quilloncore.h"
#include "platform/print.h"

namespace {

constexpr int kNoRank = -99;          // below every pole's rank
constexpr int kComputerMen = 4;       // kind of men of the computer players and the battle
constexpr int kMaxSquad = 38;         // men of one player on a cell
constexpr int kSpreadPasses = 7;

bool ValidPlayer(int p) { return p >= 0 && p < kPlayers; }

// One in-place pass: every counter above 1 drops by one and hands that value to each
// neighbour that wins its draw. Values handed right or down travel on in the same pass.
void SpreadCounter(TQuillonCore& core, int TMap::*counter, int threshold) {
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      const int v = core.map[x][y].*counter;
      if (v <= 1) continue;
      core.map[x][y].*counter = v - 1;
      const std::array<std::array<int, 2>, 4> around{{{x - 1, y}, {x + 1, y}, {x, y + 1}, {x, y - 1}}};
      for (const auto& n : around) {
        if (ChanceBelow(threshold)) core.map[n[0]][n[1]].*counter = v - 1;
      }
    }
  }
}

bool HasUnplayedCard(const TPlayer& player) {
  for (int s = 1; s < kHandSlots; ++s) {
    if (player.myCardCross[s] == 0) return true;
  }
  return false;
}

}  // namespace

int TQuillonCore::enemyTurn(int p) {
  if (!ValidPlayer(p)) return 0;
  currentPlayer = p;
  Print("enemy turn " + std::to_string(p));
  const int last = LastFlag(*this);
  int best = kNoRank;
  for (int f = 1; f <= last; ++f) {
    if (flags[f] == kFlagFree && flagRank[f] > best) best = flagRank[f];
  }
  TPlayer& player = players[p];
  // A hand with every card played ends the turn without a card.
  if (HasUnplayedCard(player)) {
    int s = 0;
    do {
      s = Rand(1, kHandSlots - 1);
    } while (player.myCardCross[s] != 0);
    player.myCardCross[s] = 1;
    const int record = player.myCards[s];
    // Only a pole that beat the starting rank is taken, and an empty slot claims nothing.
    const bool layable = best > kNoRank && record >= 0 && record < MAX_CARDS;
    for (int f = 1; layable && f <= last; ++f) {
      if (flags[f] != kFlagFree || flagRank[f] != best) continue;
      const TCard& card = deck.card[record];
      if (card.kind == 0) modifyArmourAttack(flagX[f], flagY[f], p, card.armour, card.attack);
      flags[f] = p;
      flagCard[f] = record;
      --flagCount;
      if (flagCount < 1) {
        startBattle();
        gameMode = kHandBattleStarts;
      }
      break;
    }
  }
  increaseMen(p, kComputerMen);
  if (p < playerCount && p + 1 < kPlayers) enemyTurn(p + 1);
  return 0;
}

int TQuillonCore::modifyArmourAttack(int x, int y, int p, int armour, int attack) {
  if (!InField(x, y) || !ValidPlayer(p)) return 0;
  const int f = map[x][y].flag;
  // A cell without a pole (or with a number the tables do not hold) has nothing to change.
  if (f < 1 || f >= kFlagCount) return 0;
  const int a0 = flagArmour[f];
  const int t0 = flagAttack[f];
  Print("-player " + std::to_string(p) + " flag=" + std::to_string(f) +
        " flagarmour=" + std::to_string(a0) + " flagattack=" + std::to_string(t0));
  TPlayer& player = players[p];
  player.armourModify(a0 + armour);
  flagArmour[f] = player.armour;
  flagAttack[f] = t0 + attack;
  return 0;
}

int TQuillonCore::startBattle() {
  Print("start Battle");
  for (int p = 0; p < kPlayers; ++p) {
    increaseMen(p, kComputerMen);
    if (playerCount == 1) increaseMen(p, kComputerMen);
  }
  for (int i = 0; i < kSpreadPasses; ++i) {
    increaseBarbWire();
    increaseMine();
  }
  return 0;
}

int TQuillonCore::increaseMine() {
  SpreadCounter(*this, &TMap::mine, 40);
  return 0;
}

int TQuillonCore::increaseBarbWire() {
  SpreadCounter(*this, &TMap::barbwire, 50);
  return 0;
}

int TQuillonCore::decreaseMen(int x, int y, int p) {
  if (!ValidPlayer(p) || x < 0 || x >= kMapSize || y < 0 || y >= kMapSize) return 0;
  ++map[x][y].manDead[p];
  ++players[p].deadmen;
  return 0;
}

int TQuillonCore::increaseMen(int p, int kind) {
  if (!ValidPlayer(p)) return 0;
  TPlayer& player = players[p];
  const auto addMan = [&](TMap& cell) {
    ++cell.manCount[p];
    cell.mankind[p] = kind;
    ++player.totalmen;
  };
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      TMap& cell = map[x][y];
      const int f = cell.flag;
      if (f <= 0 || f >= kFlagCount || flags[f] != p) continue;
      if (cell.manCount[p] >= 0) {
        const std::array<std::array<int, 2>, 4> around{{{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}};
        for (const auto& n : around) {
          if (ChanceBelow(50)) addMan(map[n[0]][n[1]]);
        }
      }
      addMan(cell);
    }
  }
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      int& count = map[x][y].manCount[p];
      count = std::min(count, kMaxSquad);
    }
  }
  return 0;
}
