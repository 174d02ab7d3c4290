// Roads, houses and trees: the four road tracers that run straight and turn at random,
// one tile per call, and the scenery of a house and of a tree on one tile.
#include <array>
#include <string>

#include "game/battlefield.h"
#include "game/quilloncore.h"

namespace {

enum Tracer { kRightUp, kLeftDown, kLeftUp, kRightDown };

struct Side {
  int dx, dy;
  Tracer tracer;
  int corner;  // road piece laid on the turning tile
};

struct TracerRule {
  int dx, dy;  // straight on
  int piece;   // road piece of a straight tile
  Side first;
  Side second;
  const char* tag;
};

constexpr std::array<TracerRule, 4> kTracers{{
    {0, -1, 0, {-1, 0, kLeftUp, 3}, {1, 0, kRightDown, 2}, "rightup"},
    {0, 1, 0, {-1, 0, kLeftUp, 3}, {1, 0, kRightDown, 2}, "leftdown"},
    {-1, 0, 1, {0, -1, kRightUp, 5}, {0, 1, kLeftDown, 2}, "leftup"},
    {1, 0, 1, {0, -1, kRightUp, 5}, {0, 1, kLeftDown, 2}, "rightdown"},
}};

constexpr float kRoadAlpha = 1.0f;

void CallTracer(TQuillonCore& core, Tracer tracer, int steps, int x, int y,
                const std::string& tag) {
  switch (tracer) {
    case kRightUp: core.drawRightUp(steps, x, y, tag); break;
    case kLeftDown: core.drawLeftDown(steps, x, y, tag); break;
    case kLeftUp: core.drawLeftUp(steps, x, y, tag); break;
    case kRightDown: core.drawRightDown(steps, x, y, tag); break;
  }
}

// The shared body. Roads stay on tiles 1..12: the up-going tracers stop below 1, the
// down-going ones above 12, and neither is ever handed a tile beyond the other edge.
void TraceRoad(TQuillonCore& core, Tracer tracer, int steps, int x, int y,
               const std::string& tag) {
  if (!InField(x, y) || IsRoad(core.map[x][y])) return;
  const TracerRule& rule = kTracers[tracer];
  TMap& cell = core.map[x][y];
  cell.col = 140;
  cell.reverse = 0;
  cell.spr = core.spritePaths + rule.piece;
  cell.sprAlpha = kRoadAlpha;
  cell.yoffset = 20;
  cell.xoffset = 5;
  cell.road = 1;
  ++core.roadCount;

  if (IsFlat(core.map[x + rule.dx][y + rule.dy]) && Rand(1, 100) > 3) {
    CallTracer(core, tracer, steps + 1, x + rule.dx, y + rule.dy, tag);
    return;
  }
  if (steps <= 0) return;  // a run never turns on its first tile
  const Side& first = rule.first;
  const Side& second = rule.second;
  const bool secondFlat = IsFlat(core.map[x + second.dx][y + second.dy]);
  if (IsFlat(core.map[x + first.dx][y + first.dy])) {
    const bool pick = Rand(1, 100) < 50;
    if (pick || !secondFlat) {
      cell.spr = core.spritePaths + first.corner;
      CallTracer(core, first.tracer, 0, x + first.dx, y + first.dy, rule.tag);
      return;
    }
  }
  if (secondFlat) {
    cell.spr = core.spritePaths + second.corner;
    CallTracer(core, second.tracer, 0, x + second.dx, y + second.dy, rule.tag);
  }
}

}  // namespace

int TQuillonCore::drawRightUp(int steps, int x, int y, const std::string& from) {
  TraceRoad(*this, kRightUp, steps, x, y, from);
  return 0;
}

int TQuillonCore::drawLeftDown(int steps, int x, int y, const std::string& from) {
  TraceRoad(*this, kLeftDown, steps, x, y, from);
  return 0;
}

int TQuillonCore::drawLeftUp(int steps, int x, int y, const std::string& from) {
  TraceRoad(*this, kLeftUp, steps, x, y, from);
  return 0;
}

int TQuillonCore::drawRightDown(int steps, int x, int y, const std::string& from) {
  TraceRoad(*this, kRightDown, steps, x, y, from);
  return 0;
}

int TQuillonCore::makeHouse(int x, int y, int n) {
  if (!IsTile(x, y)) return 0;
  TMap& cell = map[x][y];
  if (!IsFlat(cell) || IsRoad(cell)) return 0;
  cell.xscale = 1.4f;
  cell.yscale = 1.4f;
  cell.xoffset = 3;
  cell.yoffset = -3;
  cell.spr = spriteBuildings + n;
  cell.sprAlpha = 1.0f;
  return 0;
}

int TQuillonCore::AddTree(int sprite, int x, int y, float scale) {
  if (!IsTile(x, y)) return 0;
  TMap& cell = map[x][y];
  if (cell.spr >= spriteBuildings || IsRoad(cell) || cell.height < mapWater) return 0;
  cell.spr = sprite + Rand(0, 7);
  cell.yoffset = Rand(0, 10);
  cell.xoffset = Rand(2, 10);
  cell.xscale = static_cast<float>(scale * Rnd(1.2, 1.6));
  cell.yscale = static_cast<float>(scale * Rnd(1.0, 2.0));
  return 0;
}
