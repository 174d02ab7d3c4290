// What stands on a battlefield tile: the scenery sprite, the soldiers standing on it or
// swimming in its water (their small random walk lives in the cell), the wire or mine
// notice beside the picked tile, and the wire, mine and gas markers with the gas spreading.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "game/arcadefont.h"
#include "game/battlefield.h"
#include "game/battlefieldtile.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr float kManScale = 0.7f;
constexpr int kWireFrame = 13;  // a soldier caught in the wire
constexpr int kLastPlayer = kPlayers - 1;

// v moved by step and kept in lo..hi, without overflowing on odd cell data.
void Nudge(int& v, int step, int lo, int hi) {
  v = static_cast<int>(std::clamp<int64_t>(int64_t{v} + step, lo, hi));
}

// The vertical bob of a player's soldiers on tile (x, y).
double Bob(const TQuillonCore& game, const TBattlefieldTile& t, const TMap& cell, int p) {
  const double phase = static_cast<double>(t.x) * t.y * 100.0 + static_cast<double>(game.gameTime);
  return Sin(phase) * cell.manmove[p];
}

// The last soldier slot to draw: the cell has ten places a player, whatever the count.
int LastManSlot(const TMap& cell, int p) { return std::min(cell.manCount[p], kMapMenPlaces - 1); }

// At (bx + dx, by + dy); added as floats so that odd offsets cannot overflow.
void DrawMan(TQuillonCore& game, int base, int frame, int bx, int by, int dx, int dy,
             bool mirrored) {
  DrawTileSprite(game, SpriteNumber(base, frame), static_cast<float>(bx) + static_cast<float>(dx),
                 static_cast<float>(by) + static_cast<float>(dy), kManScale, mirrored);
}

void SwimmerStep(TMap& cell, int p) {
  if (!ChanceBelow(5)) return;
  cell.man[p][0] = Rand(0, 12);
  Nudge(cell.manx[p][0], Rand(-1, 1), -5, 5);
  Nudge(cell.many[p][0], Rand(-1, 1), -10, 0);
  if (ChanceBelow(50)) {
    cell.mandir[p][0] = Rand(0, 1);
    cell.manmove[p] = static_cast<float>(Rnd(0.0, 1.0));
  }
}

// The first soldier of each player swims: a head alone, or a boat for two or more.
void DrawSwimmers(TQuillonCore& game, const TBattlefieldTile& t, TMap& cell) {
  const int last = std::min(game.playerCount, kLastPlayer);
  for (int p = 0; p <= last; ++p) {
    const int bx = TruncToInt(t.ox - 8.0f);
    const int by = TruncToInt(t.oy - game.waterHeight - 8.0 + Bob(game, t, cell, p));
    SetAlpha(1.0f);
    if (cell.manCount[p] < 0) continue;
    SwimmerStep(cell, p);
    const int dx = cell.manx[p][0];
    const int dy = cell.many[p][0];
    const bool mirrored = cell.mandir[p][0] == 0;
    if (cell.manCount[p] < 2) {
      SetColor(250, 250, 250);
      DrawMan(game, game.spriteMenHeads, cell.man[p][0], bx, by, dx, dy, mirrored);
      continue;
    }
    const int f = std::abs(cell.man[p][0] % 2);
    const TPlayer& owner = game.players[p];
    SetColor(owner.red, owner.green, owner.blue);
    DrawMan(game, game.spriteBoatMen, f, bx, by, dx, dy, mirrored);
    SetColor(250, 250, 250);
    DrawMan(game, game.spriteBoatMenHeads, f, bx, by, dx, dy, mirrored);
  }
}

void SoldierStep(TMap& cell, int p, int k) {
  if (!ChanceBelow(5)) return;
  if (cell.barbwire < 1) {
    cell.man[p][k] = Rand(0, 12);
    Nudge(cell.manx[p][k], Rand(-3, 3), -10, 10);
    Nudge(cell.many[p][k], Rand(-2, 2), 0, 15);
  } else {
    cell.man[p][k] = kWireFrame;
  }
  if (ChanceBelow(50)) {
    cell.mandir[p][k] = Rand(0, 1);
    cell.manmove[p] = static_cast<float>(Rnd(0.0, 1.0));
  }
}

void DrawSoldiers(TQuillonCore& game, const TBattlefieldTile& t, TMap& cell) {
  const int last = std::min(game.playerCount, kLastPlayer);
  for (int p = 0; p <= last; ++p) {
    const int bx = TruncToInt(t.ox - 8.0f);
    const int by = TruncToInt(t.P[0].y - 18.0 + Bob(game, t, cell, p));
    SetAlpha(1.0f);
    const TPlayer& owner = game.players[p];
    for (int k = 0; k <= LastManSlot(cell, p); ++k) {
      SoldierStep(cell, p, k);
      const int dx = cell.manx[p][k];
      const int dy = cell.many[p][k];
      const bool mirrored = cell.mandir[p][k] == 0;
      SetColor(owner.red, owner.green, owner.blue);
      DrawMan(game, game.spriteMen, cell.man[p][k], bx, by, dx, dy, mirrored);
      SetColor(250, 250, 250);
      DrawMan(game, game.spriteMenHeads, cell.man[p][k], bx, by, dx, dy, mirrored);
    }
  }
}

// Scenery stands only on flat ground and the four gentle slopes.
bool StandsOnScenery(int kind) { return kind == 0 || (kind >= 20 && kind <= 23); }

// The height factor that lifts scenery to sit on its slope.
float SceneryScale(const TQuillonCore& game, const TMap& cell) {
  float s = cell.yscale;
  if (cell.kind == 20 || cell.kind == 23) s *= 0.92f;
  if (cell.kind == 21) s *= 1.05f;
  if (cell.kind == 22) s *= 1.1f;
  if (cell.spr >= game.spriteBushes) s *= 0.75f;
  return s;
}

void DrawScenery(TQuillonCore& game, const TBattlefieldTile& t, TMap& cell) {
  if (!StandsOnScenery(cell.kind)) return;
  const float s = SceneryScale(game, cell);
  SetAlpha(cell.sprAlpha);
  SetColor(cell.col, cell.col, cell.col);
  const TTilePoint& left = t.P[3];
  DrawTileSpriteXY(game, cell.spr, left.x + 4.0f - cell.xoffset, left.y - 31.0f * s + cell.yoffset,
                   cell.xscale, cell.yscale, cell.reverse != 0);
  if (cell.spr <= game.spriteBuildings && cell.kind == 0) DrawSoldiers(game, t, cell);
}

void SpreadGas(TQuillonCore& game, const TBattlefieldTile& t, const TMap& cell) {
  const int nx[4] = {t.x - 1, t.x + 1, t.x, t.x};
  const int ny[4] = {t.y, t.y, t.y - 1, t.y + 1};
  for (int i = 0; i < 4; ++i) {
    if (nx[i] < 0 || nx[i] >= kMapSize || ny[i] < 0 || ny[i] >= kMapSize) continue;
    TMap& n = game.map[nx[i]][ny[i]];
    if (n.gas >= cell.gas) continue;
    n.gas += 0.004f;
    n.gasmax = cell.gasmax - 0.2f;
  }
}

void DrawGas(TQuillonCore& game, const TBattlefieldTile& t, TMap& cell) {
  if (cell.gas > cell.gasmax) cell.gas = cell.gasmax;
  SetAlpha(cell.gas);
  SetColor(216, 206, 54);
  DrawTileSpriteXY(game, SpriteNumber(game.spriteParticles, 2), t.P[3].x + cell.gasx - 16.0f,
                   t.P[0].y - 20.0f + cell.gasy, 2.0f, 1.0f, false);
  cell.gasx = std::clamp(cell.gasx + cell.gasxm, -5.0f, 5.0f);
  cell.gasy = std::clamp(cell.gasy + cell.gasym, -5.0f, 5.0f);
  if (cell.gas > 0.1f) SpreadGas(game, t, cell);
  if (ChanceBelow(10)) {
    cell.gasxm = (cell.gas - static_cast<float>(Rand(-5, 5))) / 50.0f;
    cell.gasym = (cell.gas - static_cast<float>(Rand(-5, 5))) / 50.0f;
    cell.gas -= 0.05f;
  }
}

}  // namespace

void DrawTileContents(TQuillonCore& game, const TBattlefieldTile& t) {
  if (!InField(t.x, t.y)) return;
  TMap& cell = game.map[t.x][t.y];
  if (t.water) {
    if (cell.kind == 0) DrawSwimmers(game, t, cell);
  } else if (cell.spr > 0) {
    DrawScenery(game, t, cell);
  }
}

std::vector<TPanelLine> TileNoticeLines(const TMap& cell) {
  if (cell.barbwire >= 1) {
    return {{72, "Terrain"}, {57, "WIRE:"}, {45, "Stops"}, {38, "you"}, {31, "firing"}};
  }
  if (cell.mine > 0) return {{72, "Terrain"}, {57, "MINES:"}, {45, "Instant"}, {38, "death"}};
  return {};
}

void DrawTileNotice(TQuillonCore& game, const TBattlefieldTile& t) {
  if (!t.hit || !InField(t.x, t.y)) return;
  const std::vector<TPanelLine> lines = TileNoticeLines(game.map[t.x][t.y]);
  if (lines.empty()) return;
  const TTilePoint& left = t.P[3];
  const int ty = TruncToInt(left.y - 5.0f);
  SetColor(144, 143, 76);
  DrawTileSpriteXY(game, SpriteNumber(game.cardFaces, 7), left.x + 26.0f,
                   static_cast<float>(ty - 84), 0.4f, 0.3f, false);
  SetColor(255, 255, 255);
  SetAlpha(0.5f);
  const int tx = TruncToInt(left.x + 37.0f);
  for (const TPanelLine& line : lines) ArcadeText(line.text, tx, ty - line.up, -1);
}

void DrawTileMarkers(TQuillonCore& game, const TBattlefieldTile& t) {
  if (!InField(t.x, t.y)) return;
  TMap& cell = game.map[t.x][t.y];
  const TTilePoint& bottom = t.P[2];
  const double pulse = 25.0 * Sin((static_cast<double>(game.gameTime) + 2.0 * cell.anim) * 0.1);
  if (cell.barbwire > 0) {
    const int v = TruncToInt(175.0 + pulse);
    SetColor(v, v, v);
    DrawTileSprite(game, SpriteNumber(game.cardExtras, 5), bottom.x - 7.0f, bottom.y - 22.0f,
                   0.15f, false);
  }
  if (cell.mine > 0) {
    const int r = TruncToInt(225.0 + pulse);
    SetColor(r, TruncToInt(0.7 * r), 0);
    DrawTileSprite(game, SpriteNumber(game.cardExtras, 10), bottom.x - 7.0f, bottom.y - 22.0f,
                   0.15f, false);
  }
  if (cell.gas > 0.0f) DrawGas(game, t, cell);
}
