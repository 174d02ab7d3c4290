// Battlefield generation: setupMap and createNewMap build a new random battlefield on the
// 15 by 15 grid (relief, scenery, roads, houses, forests, then the flag poles), and
// mapModify raises or lowers a rectangle of corners. Loops over both indices run y outside
// and x inside, both upwards: the steps that change cells while they walk depend on it.
#include <algorithm>
#include <array>
#include <cstdint>

#include "game/battlefield.h"
#include "game/flagpoles.h"
#include "game/quilloncore.h"

namespace {

constexpr int kCornerLimit = 14;      // mapModify leaves corners of index 14 alone
constexpr int kRoadFlatTiles = 80;    // roads need more flat tiles than this
constexpr int kSiteDraws = 10;        // the last draw of a road-start search is not tested
constexpr int kMaxMapAttempts = 1000;

struct ShapeRow {
  int kind;
  int da, db, dc;  // corners (x+1, y), (x+1, y+1), (x, y+1) relative to corner (x, y)
};

constexpr std::array<ShapeRow, 15> kShapes{{
    {0, 0, 0, 0},    {10, -1, -1, -1}, {11, 1, 0, 0},  {12, 0, 1, 0},   {13, 0, 0, 1},
    {20, -1, -1, 0}, {21, 0, -1, -1},  {22, 1, 1, 0},  {23, 0, 1, 1},   {30, 1, 1, 1},
    {31, -1, 0, 0},  {32, 0, -1, 0},   {33, 0, 0, -1}, {40, 1, 0, 1},   {41, -1, 0, -1},
}};

// Pulls a corner to within one step of h.
void ClampCorner(TMap& corner, int h) {
  if (corner.height > h + 1) corner.height = h + 1;
  if (corner.height < h - 1) corner.height = h - 1;
}

// mapModify with the rectangle's values drawn in argument order.
void RandomRectangle(TQuillonCore& core, int maxX, int maxY, int minW, int maxW, int minH,
                     int maxH, int step) {
  const int x = Rand(0, maxX);
  const int y = Rand(0, maxY);
  const int w = Rand(minW, maxW);
  const int h = Rand(minH, maxH);
  core.mapModify(x, y, w, h, step);
}

void ResetCells(TQuillonCore& core) {
  const int baseHeight = Rand(2, 5);
  for (int y = 0; y <= kTileLast; ++y) {
    for (int x = 0; x <= kTileLast; ++x) {
      TMap& cell = core.map[x][y];
      cell.height = baseHeight;
      cell.anim = Rand(0, 1000);
      cell.xoffset = 0;
      cell.yoffset = 0;
      cell.xscale = static_cast<float>(Rnd(1.0, 1.6));
      cell.yscale = cell.xscale;
      cell.reverse = Rand(0, 1);
      cell.col = Rand(150, 255);
      cell.sprAlpha = 255.0f;
      cell.spr = 0;
      cell.base = core.spriteDecals + Rand(0, 2);
      cell.road = 0;
      cell.flag = kFlagNone;
      cell.mine = 0;
      cell.barbwire = 0;
      cell.gas = 0.0f;
      for (int p = 0; p < kPlayers; ++p) cell.manCount[p] = -1;
    }
  }
}

void ShapeHills(TQuillonCore& core) {
  if (ChanceBelow(50)) {
    for (int i = 0; i < 2; ++i) RandomRectangle(core, 8, 8, 2, 8, 2, 8, +1);
  }
  if (ChanceBelow(50)) {
    for (int i = 0; i < 4; ++i) RandomRectangle(core, 10, 10, 1, 4, 1, 4, +1);
  }
  if (ChanceBelow(50)) {
    for (int i = 0; i < 6; ++i) RandomRectangle(core, 12, 10, 1, 1, 1, 1, +1);
  }
  const int dips = Rand(1, 4);
  for (int i = 0; i < dips; ++i) RandomRectangle(core, 10, 10, 1, 3, 1, 3, -1);
}

// One pass that keeps neighbouring corners within one step; reaches index 14.
void SmoothRelief(TQuillonCore& core) {
  for (int y = 1; y <= kTileLast; ++y) {
    for (int x = 1; x <= kTileLast; ++x) {
      const int h = core.map[x][y].height;
      TMap& right = core.map[x + 1][y];
      TMap& down = core.map[x][y + 1];
      ClampCorner(right, h);
      ClampCorner(core.map[x + 1][y + 1], h);
      ClampCorner(down, h);
      if (right.height > h && down.height < h) down.height = h;
      if (right.height < h && down.height > h) down.height = h;
    }
  }
}

// Shape codes of tiles 1..13; returns the lowest corner height among them.
int ClassifyTiles(TQuillonCore& core) {
  int lowest = 0;
  bool first = true;
  for (int y = 1; y <= kTileLast; ++y) {
    for (int x = 1; x <= kTileLast; ++x) {
      TMap& cell = core.map[x][y];
      cell.kind = TileShape(cell.height, core.map[x + 1][y].height,
                            core.map[x + 1][y + 1].height, core.map[x][y + 1].height);
      if (first || cell.height < lowest) lowest = cell.height;
      first = false;
    }
  }
  return lowest;
}

void StretchRelief(TQuillonCore& core, int lowest) {
  core.mapScale = Rand(4, 16);
  core.mapWater = Rand(0, 2) * core.mapScale;
  core.waterHeight = 0;
  core.mapMinHeight = 999;
  core.mapMaxHeight = -999;
  for (int y = 1; y <= kTileLast; ++y) {
    for (int x = 1; x <= kTileLast; ++x) {
      TMap& cell = core.map[x][y];
      cell.height = (cell.height - lowest) * core.mapScale;
      core.mapMinHeight = std::min(core.mapMinHeight, cell.height);
      core.mapMaxHeight = std::max(core.mapMaxHeight, cell.height);
      if (cell.height < core.mapWater && cell.height > core.waterHeight) {
        core.waterHeight = cell.height;
      }
    }
  }
}

struct SceneryCounts {
  int treeSprite = 0;
  int mudChance = 0;
  int flatTiles = 0;
  int houseSites = 0;
};

void GroundDecal(TQuillonCore& core, TMap& cell, int mudChance) {
  int g = Rand(0, 7);
  if (ChanceBelow(mudChance)) g = 7;
  cell.yscale = 1.3f;
  cell.xscale = 1.3f;
  cell.xoffset = 5;
  cell.spr = core.spriteGround + g;
  cell.sprAlpha = static_cast<float>(Rnd(0.3, 0.7));
  if (g == 2 || g == 5) {
    cell.sprAlpha = 1.0f;
  } else if (g == 4 || g == 6) {
    cell.sprAlpha = static_cast<float>(Rnd(0.5, 0.9));
  }
}

SceneryCounts PlaceScenery(TQuillonCore& core) {
  SceneryCounts counts;
  const int bushLimit = Rand(30, 70);
  counts.treeSprite = core.spriteTrees + 4 * Rand(0, 5);
  counts.mudChance = Rand(30, 60);
  for (int y = 0; y <= kTileLast; ++y) {
    for (int x = 0; x <= kTileLast; ++x) {
      TMap& cell = core.map[x][y];
      if (cell.height < core.mapWater) continue;
      if (!IsFlat(cell)) {
        if (Rand(1, 100) >= bushLimit) {
          cell.xscale = static_cast<float>(Rnd(0.5, 0.8));
          cell.yscale = static_cast<float>(Rnd(0.2, 0.8));
          cell.spr = Rand(core.spriteBushes, core.spriteBushes + 11);
        }
        continue;
      }
      ++counts.flatTiles;
      if (ChanceBelow(10)) {
        ++counts.houseSites;
      } else {
        GroundDecal(core, cell, counts.mudChance);
      }
    }
  }
  return counts;
}

// Draws a road start until a flat tile is found; the last draw is not tested.
bool FindRoadStart(const TQuillonCore& core, bool alongX, int& at) {
  for (int draw = 1; draw <= kSiteDraws; ++draw) {
    at = Rand(2, 11);
    if (draw == kSiteDraws) return false;
    const TMap& cell = alongX ? core.map[at][kFieldLast] : core.map[kFieldLast][at];
    if (IsFlat(cell)) return true;
  }
  return false;
}

void LayRoads(TQuillonCore& core, int flatTiles) {
  core.roadCount = 0;
  if (flatTiles <= kRoadFlatTiles) return;
  int at = 0;
  if (FindRoadStart(core, true, at)) core.drawRightUp(0, at, kFieldLast, "start");
  if (FindRoadStart(core, false, at)) core.drawLeftUp(0, kFieldLast, at, "start");
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      TMap& cell = core.map[x][y];
      if (!IsRoad(cell)) continue;
      if (IsRoad(core.map[x - 1][y]) && IsRoad(core.map[x][y + 1])) {
        cell.spr = core.spritePaths + 3;
      }
      if (IsRoad(core.map[x + 1][y]) && IsRoad(core.map[x][y - 1])) {
        cell.spr = core.spritePaths + 6;
      }
    }
  }
}

bool HouseSite(const TQuillonCore& core, int x, int y) {
  const TMap& cell = core.map[x][y];
  return IsFlat(cell) && cell.height >= core.mapWater;
}

void BuildHouses(TQuillonCore& core, int houseSites) {
  const int roads = core.roadCount;
  // The site search draws among tiles 1..12 only; with no site there it would never end.
  bool anySite = false;
  for (int y = kFieldFirst; y <= kFieldLast && !anySite; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast && !anySite; ++x) anySite = HouseSite(core, x, y);
  }
  if (!anySite) return;
  for (int i = 0; i < houseSites; ++i) {
    int x = 0;
    int y = 0;
    do {
      x = Rand(kFieldFirst, kFieldLast);
      y = Rand(kFieldFirst, kFieldLast);
    } while (!HouseSite(core, x, y));
    if (roads <= 0) {
      core.makeHouse(x, y, Rand(0, 4));
      continue;
    }
    if (!IsRoad(core.map[x][y])) continue;
    core.map[x][y].road = 0;
    const std::array<std::array<int, 2>, 4> around{{{x - 1, y}, {x + 1, y}, {x, y + 1}, {x, y - 1}}};
    for (const auto& n : around) {
      if (ChanceBelow(80)) core.makeHouse(n[0], n[1], Rand(5, 9));
    }
  }
}

void GrowForests(TQuillonCore& core, int treeSprite) {
  for (int i = 0; i < 10; ++i) {
    if (!ChanceBelow(50)) continue;
    const int x = Rand(kFieldFirst, kFieldLast);
    const int y = Rand(kFieldFirst, kFieldLast);
    core.map[x][y].forest = static_cast<float>(Rand(100, 600));
  }
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kFieldFirst; y <= kFieldLast; ++y) {
      for (int x = kFieldFirst; x <= kFieldLast; ++x) {
        core.map[x][y].forest = (core.map[x - 1][y].forest + core.map[x + 1][y].forest +
                                 core.map[x][y - 1].forest + core.map[x][y + 1].forest) /
                                4.0f;
      }
    }
  }
  const int treeLine = Rand(25, 50);
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      const float forest = core.map[x][y].forest;
      if (forest <= static_cast<float>(treeLine)) continue;
      const float scale = std::min(0.3f + (forest - static_cast<float>(treeLine)) * 0.05f, 1.1f);
      core.AddTree(treeSprite, x, y, scale);
    }
  }
}

// Steps 1 to 10 of a map: relief, scenery, roads, houses and forests. Returns the mud
// chance that the poles use for their decals.
int BuildTerrain(TQuillonCore& core) {
  ResetCells(core);
  ShapeHills(core);
  SmoothRelief(core);
  StretchRelief(core, ClassifyTiles(core));
  const SceneryCounts counts = PlaceScenery(core);
  LayRoads(core, counts.flatTiles);
  BuildHouses(core, counts.houseSites);
  GrowForests(core, counts.treeSprite);
  return counts.mudChance;
}

}  // namespace

int TileShape(int h, int a, int b, int c) {
  for (const ShapeRow& row : kShapes) {
    if (a == h + row.da && b == h + row.db && c == h + row.dc) return row.kind;
  }
  return -1;
}

bool TileUnderWater(const TQuillonCore& core, int x, int y) {
  if (!IsTile(x, y)) return false;
  const int water = core.mapWater;
  return core.map[x][y].height < water && core.map[x + 1][y].height < water &&
         core.map[x + 1][y + 1].height < water && core.map[x][y + 1].height < water;
}

int TQuillonCore::mapModify(int x, int y, int w, int h, int step) {
  const int64_t lastJ = std::min<int64_t>(int64_t{y} + h, kCornerLimit - 1);
  const int64_t lastI = std::min<int64_t>(int64_t{x} + w, kCornerLimit - 1);
  for (int64_t j = std::max(y, 0); j <= lastJ; ++j) {
    for (int64_t i = std::max(x, 0); i <= lastI; ++i) {
      TMap& corner = map[i][j];
      corner.height += step;
      if (corner.height < 0) corner.height = 0;
    }
  }
  return 0;
}

int TQuillonCore::createNewMap() {
  // A map with too few poles is made again; each failed attempt adds one more seeding of
  // wire and mines after the kept map's own. A map that can never hold three poles (fewer
  // wanted) or a run of failures is kept as it is.
  const int wanted = std::clamp(flagMax, 0, kFlagCount - 1);
  int seedings = 1;
  for (int attempt = 1;; ++attempt) {
    const int mudChance = BuildTerrain(*this);
    PlaceFlagPoles(*this, mudChance);
    SettlePlayers(*this);
    if (flagCount >= kMinPoles || wanted < kMinPoles || attempt >= kMaxMapAttempts) break;
    flagCount = 0;
    ++seedings;
  }
  for (int i = 0; i < seedings; ++i) SeedWireAndMines(*this);
  return 0;
}

int TQuillonCore::setupMap() {
  flagCount = 0;
  flagMax = Rand(6, 12);
  playerCount = 1;
  createNewMap();
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      if (!TileUnderWater(*this, x, y)) continue;
      TMap& cell = map[x][y];
      cell.barbwire = 0;
      cell.mine = 0;
      for (int p = 0; p < kPlayers; ++p) cell.manDead[p] = 0;
    }
  }
  for (TPlayer& player : players) player.deadmen = 0;
  for (int p = 1; p < kPlayers; ++p) players[p].myCardCross.fill(0);
  return 0;
}
