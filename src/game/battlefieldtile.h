// One battlefield tile as the game page draws it (its cell, origin and corners, and what
// the ground drawing found: water, under the pointer), and the drawing steps of a frame
// that the ground, tile-contents, flag-pole and panel files share.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "game/battlefield.h"
#include "game/flagpoles.h"
#include "game/quilloncore.h"

struct TTilePoint {
  float x = 0.0f;
  float y = 0.0f;
};

// Corner order everywhere: 0 top, 1 right, 2 bottom, 3 left.
struct TBattlefieldTile {
  int x = 0;  // map cell
  int y = 0;
  float ox = 0.0f;  // flat top corner
  float oy = 0.0f;
  std::array<TTilePoint, 4> P{};  // corners raised by the cell heights
  std::array<TTilePoint, 4> F{};  // corners without height
  bool water = false;             // set by the ground drawing
  bool hit = false;               // under the pointer in this frame (picking only)
};

// One line of a small text panel, drawn at the panel's base y minus up.
struct TPanelLine {
  int up = 0;
  std::string text;
  bool operator==(const TPanelLine&) const = default;
};

// Flat top corner of tile (1, 1) with the current camera: tile (7, 7) lands on (256, 175).
TTilePoint FirstTileOrigin();
// Corners of tile (x, y), 1..12, whose flat top corner is (ox, oy), with the current camera.
TBattlefieldTile ProjectTile(const TQuillonCore& game, int x, int y, float ox, float oy);
// The corners F raised by the water surface.
std::array<TTilePoint, 4> WaterSurface(const TQuillonCore& game, const TBattlefieldTile& tile);

// base + offset when that is a sprite number of the table, else -1 (cell data may hold
// anything, and the sum must not overflow).
int SpriteNumber(int base, int offset);

// Sprite draws for numbers that come from cell data: a number outside the sprite table
// draws nothing. One scale goes through the plain scaled draw, two through the XY draw.
void DrawTileSprite(TQuillonCore& game, int n, float x, float y, float scale, bool mirrored);
void DrawTileSpriteXY(TQuillonCore& game, int n, float x, float y, float scaleX, float scaleY,
                      bool mirrored);

// Ground (tileground.cpp): walls, ground quad, slope overlay, water, edges and grid lines;
// marks the tile as water. relief is mapScale / 75.
void DrawTileGround(TQuillonCore& game, TBattlefieldTile& tile, float relief);

// Tile contents (tilecontents.cpp).
void DrawTileContents(TQuillonCore& game, const TBattlefieldTile& tile);  // scenery, men
void DrawTileNotice(TQuillonCore& game, const TBattlefieldTile& tile);    // wire or mine note
void DrawTileMarkers(TQuillonCore& game, const TBattlefieldTile& tile);   // wire, mines, gas
// The notice lines of a cell with wire or mines, empty for any other cell.
std::vector<TPanelLine> TileNoticeLines(const TMap& cell);

// Flag poles (flagpanel.cpp).
constexpr int kMarkerNone = 0;
constexpr int kMarkerOcean = 1;
constexpr int kMarkerWater = 2;
constexpr int kMarkerHigh = 3;
void DrawFlagPole(TQuillonCore& game, const TBattlefieldTile& tile);
// The marker a free pole's cell shows: its height alone decides, roads do not count.
int PoleMarker(const TQuillonCore& game, const TMap& cell);
// The lines of the terrain panel below "Terrain", for the pole's terrain class.
std::vector<TPanelLine> TerrainPanelLines(PoleTerrain terrain);
// Whether the human player is dragging a card.
bool HumanIsDragging(const TQuillonCore& game);

// Frame around the tiles (topstrip.cpp).
void DrawTopStrip(TQuillonCore& game);
void DrawPlayerPanels(TQuillonCore& game);
