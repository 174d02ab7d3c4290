// A game object for the battlefield and turn-rule tests: the sprite ranges as the sprite
// loader sets them, and helpers to build small hand-made states.
#pragma once
#include <string>

#include "game/quilloncore.h"
#include "game/spriteruns.h"
#include "game/sprites.h"

namespace rulestesting {

// Sprite ranges of the loaded sprite table (first sprite of each range).
constexpr int kTrees = FirstSprite(TSpriteRange::Trees);          // 32 trees
constexpr int kBushes = FirstSprite(TSpriteRange::Bushes);        // 12 bushes
constexpr int kDecals = FirstSprite(TSpriteRange::Decals);        // 3 decals
constexpr int kGround = FirstSprite(TSpriteRange::Ground);        // 8 ground decals, the last one mud
constexpr int kPaths = FirstSprite(TSpriteRange::Paths);          // road pieces
constexpr int kBuildings = FirstSprite(TSpriteRange::Buildings);  // 10 buildings, the highest range

class RulesCore : public TQuillonCore {
 public:
  RulesCore() { SetSpriteFields(*this); }

  // Every tile flat, bare and without pole, road, wire, mines or men.
  void ClearField() {
    for (auto& column : map) {
      for (TMap& cell : column) {
        cell = TMap{};
        cell.flag = kFlagNone;
        cell.manCount.fill(-1);
      }
    }
    flags.fill(kFlagNone);
    flagArmour.fill(0);
    flagAttack.fill(0);
    flagRank.fill(0);
    flagCard.fill(0);
    roadCount = 0;
    flagCount = 0;
    flagMax = 12;
  }
};

}  // namespace rulestesting
