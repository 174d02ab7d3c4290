// The game page's battlefield frame: background, top strip, the 12 x 12 tiles painted back
// to front (ground, pointer picking, the card's reach, decal, contents and poles), then
// the players' panels. Also the tile projection the other battlefield files share.
#include <cmath>
#include <cstdint>

#include "game/battlefieldtile.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr float kScreenCentreX = 256.0f;  // flat top corner of tile (7, 7)
constexpr float kScreenCentreY = 175.0f;
constexpr float kReliefDivisor = 75.0f;

bool InMap(int x, int y) { return x >= 0 && x < kMapSize && y >= 0 && y < kMapSize; }

void OutlineTile(TQuillonCore& game, const TBattlefieldTile& t) {
  const auto& P = t.P;
  game.DrawGLLine(P[0].x, P[0].y, P[1].x, P[1].y, 1.0f, 0.75f, 0.0f, 1.0f);
  game.DrawGLLine(P[0].x, P[0].y, P[3].x, P[3].y, 1.0f, 0.75f, 0.0f, 1.0f);
  game.DrawGLLine(P[2].x, P[2].y, P[1].x, P[1].y, 1.0f, 0.75f, 0.0f, 1.0f);
  game.DrawGLLine(P[2].x, P[2].y, P[3].x, P[3].y, 1.0f, 0.75f, 0.0f, 1.0f);
}

// The pointer picks every tile whose heighted corners hold it; the last one drawn stays.
void PickTile(TQuillonCore& game, TBattlefieldTile& t) {
  const auto& P = t.P;
  if (game._PointInPoly(static_cast<float>(game.vMX), static_cast<float>(game.vMY), P[0].x,
                        P[0].y, P[1].x, P[1].y, P[2].x, P[2].y, P[3].x, P[3].y) == 0) {
    return;
  }
  t.hit = true;
  game.gameSpreadx = t.x;
  game.gameSpready = t.y;
  OutlineTile(game, t);
}

// Lit: the picked tile itself, or any tile within the card's reach of a picked pole.
bool InReach(const TQuillonCore& game, const TBattlefieldTile& t) {
  if (t.hit) return true;
  if (game.gameSpreadx < 0 || !InMap(game.gameSpreadx, game.gameSpready)) return false;
  const double dx = static_cast<double>(game.gameSpreadx) - t.x;
  const double dy = static_cast<double>(game.gameSpready) - t.y;
  if (std::sqrt(dx * dx + dy * dy) > game.gameSpread) return false;
  const int flag = game.map[game.gameSpreadx][game.gameSpready].flag;
  return flag >= 1 && flag <= 12;
}

void DrawReach(TQuillonCore& game, const TBattlefieldTile& t) {
  if (!InReach(game, t)) return;
  const float c = static_cast<float>(0.85 + 0.25 * Sin(static_cast<double>(game.gameTime) * 0.6));
  const std::array<TTilePoint, 4> q = t.water ? WaterSurface(game, t) : t.P;
  game.DrawGLPoly(q[0].x, q[0].y, q[1].x, q[1].y, q[2].x, q[2].y, q[3].x, q[3].y, c, 0.75f * c,
                  0.0f, 0.5f);
}

void DrawDecal(TQuillonCore& game, const TBattlefieldTile& t) {
  SetAlpha(0.3f);
  const int decal = game.map[t.x][t.y].base;
  // 0 is an ungenerated cell; sprite 0 is the whole background, not a decal.
  if (decal > 0) DrawTileSpriteXY(game, decal, t.ox - 16.0f, t.P[0].y, 1.0f, 1.0f, false);
}

void DrawTile(TQuillonCore& game, TBattlefieldTile& t, float relief, bool picking) {
  DrawTileGround(game, t, relief);
  if (picking) PickTile(game, t);
  DrawReach(game, t);
  DrawDecal(game, t);
  DrawTileContents(game, t);
  DrawTileNotice(game, t);
  SetColor(250, 250, 250);
  SetAlpha(1.0f);
  DrawFlagPole(game, t);
  DrawTileMarkers(game, t);
}

}  // namespace

TTilePoint FirstTileOrigin() {
  const float x1 = TQuillonCore::coreX1, x3 = TQuillonCore::coreX3;
  const float y1 = TQuillonCore::coreY1, y3 = TQuillonCore::coreY3;
  return {kScreenCentreX - 6.0f * x1 - 6.0f * x3, kScreenCentreY - 6.0f * y1 - 6.0f * y3};
}

TBattlefieldTile ProjectTile(const TQuillonCore& game, int x, int y, float ox, float oy) {
  TBattlefieldTile t;
  t.x = x;
  t.y = y;
  t.ox = ox;
  t.oy = oy;
  t.F[0] = {ox, oy};
  t.F[1] = {ox + TQuillonCore::coreX1, oy + TQuillonCore::coreY1};
  t.F[2] = {ox + TQuillonCore::coreX2, oy + TQuillonCore::coreY2};
  t.F[3] = {ox + TQuillonCore::coreX3, oy + TQuillonCore::coreY3};
  if (!InField(x, y)) {
    t.P = t.F;  // outside the playing area there is no height to read
    return t;
  }
  const int h[4] = {game.map[x][y].height, game.map[x + 1][y].height,
                    game.map[x + 1][y + 1].height, game.map[x][y + 1].height};
  for (int i = 0; i < 4; ++i) t.P[i] = {t.F[i].x, t.F[i].y - static_cast<float>(h[i])};
  return t;
}

std::array<TTilePoint, 4> WaterSurface(const TQuillonCore& game, const TBattlefieldTile& tile) {
  std::array<TTilePoint, 4> w = tile.F;
  for (TTilePoint& p : w) p.y -= static_cast<float>(game.waterHeight);
  return w;
}

int SpriteNumber(int base, int offset) {
  const int64_t n = int64_t{base} + offset;
  return n >= 0 && n < kSpriteTableSize ? static_cast<int>(n) : -1;
}

void DrawTileSprite(TQuillonCore& game, int n, float x, float y, float scale, bool mirrored) {
  if (n < 0 || n >= kSpriteTableSize) return;
  if (mirrored) {
    game._DrawCRSprite(n, x, y, scale);
  } else {
    game._DrawCSprite(n, x, y, scale);
  }
}

void DrawTileSpriteXY(TQuillonCore& game, int n, float x, float y, float scaleX, float scaleY,
                      bool mirrored) {
  if (n < 0 || n >= kSpriteTableSize) return;
  if (mirrored) {
    game._DrawCRSpriteXY(n, x, y, scaleX, scaleY);
  } else {
    game._DrawCSpriteXY(n, x, y, scaleX, scaleY);
  }
}

int TQuillonCore::DrawPage_Game(int picking) {
  SetColor(255, 255, 255);
  _DrawSprite(0, 0.0f, 0.0f);
  modifyAngle(0.0f);
  const TTilePoint first = FirstTileOrigin();
  const float relief = static_cast<float>(mapScale) / kReliefDivisor;
  DrawTopStrip(*this);
  gameFlagOk = -1;
  float rowX = first.x;
  float rowY = first.y;
  for (int y = kFieldFirst; y <= kFieldLast; ++y) {
    float ox = rowX;
    float oy = rowY;
    for (int x = kFieldFirst; x <= kFieldLast; ++x) {
      TBattlefieldTile tile = ProjectTile(*this, x, y, ox, oy);
      DrawTile(*this, tile, relief, picking != 0);
      ox += coreX1;
      oy += coreY1;
    }
    rowX += coreX3;
    rowY += coreY3;
  }
  DrawPlayerPanels(*this);
  gameSpread = 0;
  _CheckKeys();
  return 0;
}
