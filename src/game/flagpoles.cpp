// Flag poles and their terrain values: where the poles stand, what armour, attack and
// rank each pole's terrain gives, how many computer players the map gets, and the first
// barbed wire and mines.
#include "game/flagpoles.h"

#include <algorithm>
#include <string>

#include "game/battlefield.h"
#include "game/quilloncore.h"
#include "platform/print.h"

namespace {

constexpr int kMudDecal = 7;  // the last ground decal is mud

bool NoPoleAround(const TQuillonCore& core, int x, int y) {
  return core.map[x - 1][y].flag == kFlagNone && core.map[x + 1][y].flag == kFlagNone &&
         core.map[x][y - 1].flag == kFlagNone && core.map[x][y + 1].flag == kFlagNone;
}

bool BareFlatSite(const TQuillonCore& core, int x, int y) {
  const TMap& cell = core.map[x][y];
  return cell.spr == 0 && cell.flag == kFlagNone && IsFlat(cell) && NoPoleAround(core, x, y);
}

// Draws candidates until one fits; false when the search gives up.
bool FindPoleSite(const TQuillonCore& core, int& x, int& y) {
  for (int tries = 1;; ++tries) {
    x = Rand(kFieldFirst, kFieldLast);
    y = Rand(kFieldFirst, kFieldLast);
    if (tries >= kPoleSearchTries) return false;
    // A road takes a pole by chance, whatever stands around it, but never a second one:
    // the earlier pole would be left standing on no tile.
    const TMap& cell = core.map[x][y];
    if (IsRoad(cell) && cell.flag == kFlagNone && ChanceBelow(5)) return true;
    if (BareFlatSite(core, x, y)) return true;
  }
}

void SetCounterOnRandomTile(TQuillonCore& core, int TMap::*counter, int value) {
  const int x = Rand(kFieldFirst, kFieldLast);
  const int y = Rand(kFieldFirst, kFieldLast);
  core.map[x][y].*counter = value;
}

}  // namespace

PoleTerrain PoleTerrainAt(const TQuillonCore& core, int x, int y) {
  const TMap& cell = core.map[x][y];
  if (IsRoad(cell)) return PoleTerrain::Road;
  if (cell.height < core.mapWater) {
    if (core.mapMinHeight < core.mapWater && cell.height == core.mapMinHeight) {
      return PoleTerrain::Ocean;
    }
    return PoleTerrain::Water;
  }
  if (cell.height == core.mapMaxHeight) return PoleTerrain::Asset;
  if (cell.spr > core.spriteGround + 6) return PoleTerrain::Mud;
  if (cell.spr > core.spriteGround + 2) return PoleTerrain::Rough;
  return PoleTerrain::Normal;
}

PoleTerrainValues TerrainValues(PoleTerrain terrain) {
  switch (terrain) {
    case PoleTerrain::Road: return {-1, 1, 0};
    case PoleTerrain::Ocean: return {-1, -1, -10};
    case PoleTerrain::Water: return {-1, 0, -5};
    case PoleTerrain::Asset: return {1, 2, 10};
    case PoleTerrain::Mud: return {-1, 0, -2};
    case PoleTerrain::Rough: return {2, 0, -7};
    case PoleTerrain::Normal: break;
  }
  return {0, 0, 0};
}

int LastFlag(const TQuillonCore& core) { return std::clamp(core.flagMax, 0, kFlagCount - 1); }

void PlaceFlagPoles(TQuillonCore& core, int mudChance) {
  const int fmax = LastFlag(core);
  // Poles of an earlier battlefield and poles that find no site are out of play.
  core.flags.fill(kFlagNone);
  for (int f = 1; f <= fmax; ++f) {
    int x = 0;
    int y = 0;
    if (!FindPoleSite(core, x, y)) continue;
    core.flags[f] = kFlagFree;
    TMap& cell = core.map[x][y];
    if (!IsRoad(cell)) {
      cell.spr = ChanceBelow(mudChance) ? core.spriteGround + kMudDecal
                                        : core.spriteGround + Rand(0, kMudDecal);
      cell.xscale = 1.0f;
      cell.yscale = 1.0f;
    }
    cell.flag = f;
    cell.forest = 0.0f;
    const PoleTerrainValues values = TerrainValues(PoleTerrainAt(core, x, y));
    core.flagArmour[f] = values.armour;
    core.flagAttack[f] = values.attack;
    core.flagRank[f] = values.rank;
    ++core.flagCount;
  }
}

void SettlePlayers(TQuillonCore& core) {
  if (core.flagCount > kOnePlayerPoles) core.playerCount = 2;
  Print("flagCount=" + std::to_string(core.flagCount) +
        " enemies=" + std::to_string(core.playerCount));
  for (TPlayer& player : core.players) {
    player.totalmen = 0;
    player.armour = 0;
  }
}

void SeedWireAndMines(TQuillonCore& core) {
  if (ChanceBelow(40)) SetCounterOnRandomTile(core, &TMap::barbwire, 4);
  if (ChanceBelow(60)) SetCounterOnRandomTile(core, &TMap::barbwire, 2);
  if (ChanceBelow(60)) SetCounterOnRandomTile(core, &TMap::barbwire, 2);
  if (ChanceBelow(30)) SetCounterOnRandomTile(core, &TMap::mine, 4);
}
