// The last steps of battlefield generation: flag poles with their terrain values, the
// number of computer players, and the first barbed wire and mines.
#pragma once

class TQuillonCore;

// Terrain classes of a pole, in the order in which they are decided.
enum class PoleTerrain { Road, Ocean, Water, Asset, Mud, Rough, Normal };

struct PoleTerrainValues {
  int armour;
  int attack;
  int rank;  // worth to the computer players, higher is better
};

constexpr int kPoleSearchTries = 500;  // the 500th candidate of a search is not examined
constexpr int kMinPoles = 3;           // fewer placed poles make the map again
constexpr int kOnePlayerPoles = 7;     // more poles than this bring a second computer player

// Class of the tile (x, y) as a pole site, from its road mark, height and decal.
PoleTerrain PoleTerrainAt(const TQuillonCore& core, int x, int y);
PoleTerrainValues TerrainValues(PoleTerrain terrain);

// The highest pole number of the current battlefield that the pole tables hold; poles in
// play run from 1 to it, entry 0 is never used.
int LastFlag(const TQuillonCore& core);
// Places poles 1 to flagMax (at most 16) and gives each its terrain values; mudChance is
// the chance the scenery step drew for mud decals.
void PlaceFlagPoles(TQuillonCore& core, int mudChance);
// Two computer players for more than seven poles, the log line, the players' totals.
void SettlePlayers(TQuillonCore& core);
// The first barbed wire and mines, each on a freshly drawn tile.
void SeedWireAndMines(TQuillonCore& core);
