// Shared pieces of the battlefield rules: the playing-area bounds, the chance test the
// generator and the rules use, and the tile-shape classification of the relief.
#pragma once
#include "game/gamerecords.h"
#include "platform/numbers.h"

class TQuillonCore;

constexpr int kFieldFirst = 1;   // playing area: tiles 1..12 in both indices
constexpr int kFieldLast = 12;
constexpr int kTileLast = 13;    // tiles 0..13 exist; index 14 is only far corners
constexpr int kFlatKind = 0;     // the one tile shape that counts as flat

// True n - 1 times in 100: a step "with chance below n".
inline bool ChanceBelow(int n) { return Rand(1, 100) < n; }

inline bool InField(int x, int y) {
  return x >= kFieldFirst && x <= kFieldLast && y >= kFieldFirst && y <= kFieldLast;
}
inline bool IsTile(int x, int y) { return x >= 0 && x <= kTileLast && y >= 0 && y <= kTileLast; }
inline bool IsFlat(const TMap& cell) { return cell.kind == kFlatKind; }
inline bool IsRoad(const TMap& cell) { return cell.road > 0; }

// Shape code of a tile whose corner (x, y) has height h and whose corners (x+1, y),
// (x+1, y+1), (x, y+1) have heights a, b, c; -1 for a pattern outside the shape table.
int TileShape(int h, int a, int b, int c);

// True when all four corners of tile (x, y), x and y in 0..13, lie below the water line.
bool TileUnderWater(const TQuillonCore& core, int x, int y);
