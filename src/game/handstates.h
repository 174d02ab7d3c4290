// The hand page's sub-states (gameMode while the hand page is shown) and its card slots,
// shared by the page's drawing, its pointer hooks, the flag poles and the turn rules.
#pragma once
#include "game/gamerecords.h"

constexpr int kHandChoose = 0;
constexpr int kHandLay = 98;  // the short pause after a drop
constexpr int kHandLift = 99;
constexpr int kHandDrag = 100;
constexpr int kHandBattleStarts = 101;
constexpr int kHandFlyOff = 102;
constexpr int kHandBattleButton = 103;

constexpr int kFirstHandSlot = 1;
constexpr int kLastHandSlot = kHandSlots - 1;

inline bool IsHandSlot(int slot) { return slot >= kFirstHandSlot && slot <= kLastHandSlot; }
