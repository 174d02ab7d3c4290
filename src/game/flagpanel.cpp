// Flag poles on the battlefield: a claimed pole with the card laid on it, a free pole with
// its terrain marker that flashes while a card is dragged, and, under the pointer on the
// hand page, the waving flag, the pole named for the drop and the terrain panel.
#include <cmath>

#include "game/arcadefont.h"
#include "game/battlefieldtile.h"
#include "game/flagframe.h"
#include "game/flagpoles.h"
#include "game/handstates.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr int kFirstPole = 1;
constexpr int kLastPole = 12;

// The pole's foot and the sprite place of the pole and of everything drawn on it.
struct TPolePlace {
  float x = 0.0f;     // P3.x + 4
  float foot = 0.0f;  // P3.y + 5
};

float Pulse(const TQuillonCore& game, double rate) {
  return static_cast<float>(0.25 + 0.25 * Sin(static_cast<double>(game.gameTime) * rate));
}

void DrawPoleSprite(TQuillonCore& game, int offset, const TPolePlace& at) {
  DrawTileSpriteXY(game, SpriteNumber(game.spriteUIPole, offset), at.x, at.foot - 43.0f, 1.0f,
                   1.0f, false);
}

void DrawClaimedPole(TQuillonCore& game, const TBattlefieldTile& t, int n, const TPolePlace& at) {
  const int owner = game.flags[n];
  SetAlpha(HumanIsDragging(game) ? 0.4f : 1.0f);
  DrawPoleSprite(game, 0, at);
  const float scale = owner == kFlagHuman ? 0.23f : 0.21f;
  game.drawCard(owner, TruncToInt(t.ox), TruncToInt(t.P[3].y - 80.0f), 2.0f, game.flagCard[n], 0,
                scale, 0, 255, 150, 0);
}

// Three flickering sparks over a free pole while a card is being dragged.
void DrawDragSparks(TQuillonCore& game, const TPolePlace& at) {
  const int anim = game.spriteUIAnim;
  SetBlend(LIGHTBLEND);
  SetAlpha(Pulse(game, 0.7));
  DrawTileSpriteXY(game, SpriteNumber(anim, Rand(0, 2)), at.x, at.foot - 46.0f, 1.0f, 1.0f, false);
  SetAlpha(Pulse(game, 0.5));
  DrawTileSpriteXY(game, SpriteNumber(anim, 2), at.x, at.foot - static_cast<float>(Rand(44, 64)),
                   1.0f, 1.0f, false);
  SetAlpha(Pulse(game, 0.4));
  const float rise = static_cast<float>(std::fmod(static_cast<double>(game.gameTime) * 0.1, 20.0));
  DrawTileSpriteXY(game, anim, at.x, at.foot - 44.0f - rise, 1.0f, 1.0f, false);
  SetBlend(ALPHABLEND);
  SetAlpha(1.0f);
}

void DrawTerrainMarker(TQuillonCore& game, const TBattlefieldTile& t, int marker,
                       const TPolePlace& at) {
  int offset = -1;
  if (marker == kMarkerOcean || marker == kMarkerWater) {
    SetColor(250, 0, 0);
    offset = marker == kMarkerOcean ? 8 : 6;
  } else if (marker == kMarkerHigh) {
    SetColor(250, 200, 0);
    offset = 7;
  }
  if (offset < 0) return;
  DrawTileSprite(game, SpriteNumber(game.spriteUI, offset), t.P[3].x + 7.0f, at.foot - 47.0f,
                 0.75f, false);
}

void DrawTerrainPanel(TQuillonCore& game, const TBattlefieldTile& t, int px, float foot) {
  const float base = foot - 10.0f;
  SetColor(144, 143, 76);
  DrawTileSpriteXY(game, SpriteNumber(game.cardFaces, 7), static_cast<float>(px + 26),
                   base - 84.0f, 0.4f, 0.3f, false);
  SetColor(255, 255, 255);
  SetAlpha(0.5f);
  ArcadeText("Terrain", px + 37, TruncToInt(base - 72.0f), -1);
  for (const TPanelLine& line : TerrainPanelLines(PoleTerrainAt(game, t.x, t.y))) {
    ArcadeText(line.text, px + 37, TruncToInt(base - static_cast<float>(line.up)), -1);
  }
}

void DrawFreePole(TQuillonCore& game, const TBattlefieldTile& t, int n, const TPolePlace& at) {
  const TMap& cell = game.map[t.x][t.y];
  int px = TruncToInt(t.P[3].x);
  if (HumanIsDragging(game)) {
    px += 25;
    DrawPoleSprite(game, 2, at);
    DrawDragSparks(game, at);
  } else {
    DrawPoleSprite(game, 1, at);
  }
  DrawTerrainMarker(game, t, PoleMarker(game, cell), at);
  if (!t.hit) return;
  SetAlpha(1.0f);
  game.gameFlagOk = n;
  SetColor(250, 250, 250);
  DrawPoleSprite(game, 0, at);
  DrawTileSpriteXY(game, SpriteNumber(game.spriteUIFlag, WavingFlagFrame(game.gameTime)), at.x, at.foot - 43.0f,
                   1.0f, 1.0f, false);
  DrawTerrainPanel(game, t, px, at.foot);
}

}  // namespace

bool HumanIsDragging(const TQuillonCore& game) {
  return game.gameMode == kHandDrag && game.players[0].g_SelectCard > 0;
}

int PoleMarker(const TQuillonCore& game, const TMap& cell) {
  if (cell.height < game.mapWater) {
    const bool ocean = game.mapMinHeight < game.mapWater && cell.height == game.mapMinHeight;
    return ocean ? kMarkerOcean : kMarkerWater;
  }
  if (cell.height == game.mapMaxHeight) return kMarkerHigh;
  return kMarkerNone;
}

std::vector<TPanelLine> TerrainPanelLines(PoleTerrain terrain) {
  switch (terrain) {
    case PoleTerrain::Road:
      return {{57, "ROAD:"}, {45, "- 1 to"}, {38, "Armour"}, {25, " +1 to"}, {18, "Attack"}};
    case PoleTerrain::Ocean:
      return {{57, "OCEAN:"}, {45, " -1 to"}, {38, "Armour"}, {25, " -1 to"}, {18, "Attack"}};
    case PoleTerrain::Water:
      return {{57, "WATER:"}, {45, " -1 to"}, {38, "Armour"}};
    case PoleTerrain::Asset:
      return {{57, "ASSET:"}, {45, " +1 to"}, {38, "Armour"}, {25, " +2 to"}, {18, "Attack"}};
    case PoleTerrain::Mud:
      return {{57, "MUD:"}, {45, "-1 to"}, {38, "Armour"}};
    case PoleTerrain::Rough:
      return {{57, "ROUGH:"}, {45, "2 to"}, {38, "Armour"}};
    case PoleTerrain::Normal:
      break;
  }
  return {{57, "NORMAL:"}};
}

void DrawFlagPole(TQuillonCore& game, const TBattlefieldTile& t) {
  if (!InField(t.x, t.y)) return;
  const int n = game.map[t.x][t.y].flag;
  if (n < kFirstPole || n > kLastPole) return;
  game.flagX[n] = t.x;
  game.flagY[n] = t.y;
  const TPolePlace at{t.P[3].x + 4.0f, t.P[3].y + 5.0f};
  const int owner = game.flags[n];
  if (owner >= 0 && owner < kPlayers) {
    DrawClaimedPole(game, t, n, at);
  } else if (owner == kFlagFree) {
    DrawFreePole(game, t, n, at);
  }
}
