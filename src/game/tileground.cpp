// The ground of one battlefield tile: the outer walls along the far edges, the ground quad
// shaded by height, the slope overlay by the cell's kind, the water surface with its
// glints and walls, the edge lines and the grid lines.
#include "game/battlefield.h"
#include "game/battlefieldtile.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"

namespace {

constexpr float kWallDepth = 10.0f;
constexpr float kWaterWallDepth = 36.0f;

struct TShade {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
  float a = 1.0f;
};

float HeightShade(int height) { return static_cast<float>(height) / 140.0f + 0.172f; }

// The slope shade of a corner's height.
TShade SlopeShade(int height) {
  const float g = HeightShade(height);
  return {g - 0.2f, g, g - 0.4f, 1.0f};
}

TShade Black(float alpha) { return {0.0f, 0.0f, 0.0f, alpha}; }
TShade White(float alpha) { return {1.0f, 1.0f, 1.0f, alpha}; }

void Triangle(const TTilePoint& a, const TTilePoint& b, const TTilePoint& c, TShade s) {
  glBegin(GL_TRIANGLES);
  glColor4f(s.r, s.g, s.b, s.a);
  glVertex2f(a.x, a.y);
  glVertex2f(b.x, b.y);
  glVertex2f(c.x, c.y);
  glEnd();
}

void WholeQuad(const std::array<TTilePoint, 4>& P, TShade s) {
  glBegin(GL_TRIANGLE_STRIP);
  glColor4f(s.r, s.g, s.b, s.a);
  glVertex2f(P[3].x, P[3].y);
  glVertex2f(P[0].x, P[0].y);
  glVertex2f(P[2].x, P[2].y);
  glVertex2f(P[1].x, P[1].y);
  glEnd();
}

bool HasOverlay(int kind) {
  switch (kind) {
    case 10: case 11: case 12: case 13:
    case 20: case 21: case 22: case 23:
    case 30: case 31: case 32: case 33:
    case 40: case 41:
      return true;
    default:
      return false;
  }
}

// The triangles of the slope overlay; answers whether the blue test marked the tile water.
bool DrawOverlay(const TQuillonCore& game, const TBattlefieldTile& t, float a, float w) {
  const auto& P = t.P;
  const auto& m = game.map;
  const int x = t.x, y = t.y;
  const TShade blue{0.0f, 0.0f, 0.7f, 0.4f + w};
  // The blue triangle shows, and the tile counts as water, when the named height is under.
  auto blueIf = [&](int height, const TTilePoint& p, const TTilePoint& q, const TTilePoint& r) {
    if (height >= game.mapWater) return false;
    Triangle(p, q, r, blue);
    return true;
  };
  switch (m[x][y].kind) {
    case 20: case 23:
      WholeQuad(P, White(1.2f * a));
      return false;
    case 21: case 22:
      WholeQuad(P, Black(1.2f * a));
      return false;
    case 40:
      Triangle(P[3], P[0], P[2], White(a));
      Triangle(P[1], P[0], P[2], Black(3.0f * a));
      return false;
    case 41:
      Triangle(P[0], P[1], P[3], Black(a));
      Triangle(P[2], P[1], P[3], White(a));
      return false;
    case 30:
      Triangle(P[0], P[1], P[3], White(a));
      Triangle(P[1], P[2], P[3], SlopeShade(m[x + 1][y + 1].height));
      return false;
    case 31:
      Triangle(P[1], P[0], P[2], White(a));
      return false;
    case 32:
      Triangle(P[2], P[1], P[3], Black(a));
      Triangle(P[0], P[1], P[3], SlopeShade(m[x][y].height));
      return false;
    case 33:
      Triangle(P[3], P[0], P[2], SlopeShade(m[x][y + 1].height));
      Triangle(P[3], P[0], P[2], Black(3.0f * a));
      return false;
    case 10:
      Triangle(P[0], P[1], P[3], Black(a));
      Triangle(P[1], P[2], P[3], SlopeShade(m[x + 1][y + 1].height));
      return blueIf(m[x + 1][y].height, P[1], P[2], P[3]);
    case 11:
      Triangle(P[1], P[0], P[2], SlopeShade(m[x][y].height));
      Triangle(P[1], P[0], P[2], Black(3.0f * a));
      return blueIf(m[x][y].height, P[0], P[3], P[2]);
    case 12:
      Triangle(P[2], P[1], P[3], White(1.1f * a));
      return blueIf(m[x][y].height, P[0], P[1], P[3]);
    case 13:
      Triangle(P[3], P[0], P[2], White(1.9f * a));
      return blueIf(m[x][y].height, P[0], P[1], P[2]);
    default:
      return false;
  }
}

void ShadedQuad(TQuillonCore& game, const TTilePoint& a, const TTilePoint& b, const TTilePoint& c,
                const TTilePoint& d, TShade s) {
  game.DrawGLPoly2(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y, s.r, s.g, s.b, s.a);
}

TTilePoint Below(const TTilePoint& p, float depth) { return {p.x, p.y + depth}; }

void Line2D(const TTilePoint& a, const TTilePoint& b) { DrawLine(a.x, a.y, b.x, b.y); }

void DrawOuterWalls(TQuillonCore& game, const TBattlefieldTile& t) {
  const auto& P = t.P;
  const auto& F = t.F;
  if (t.x == kFieldLast) {
    ShadedQuad(game, P[1], Below(F[1], kWallDepth), Below(F[2], kWallDepth), P[2],
               {0.43f, 0.36f, 0.15f, 1.0f});
  }
  if (t.y == kFieldLast) {
    ShadedQuad(game, P[2], Below(F[2], kWallDepth), Below(F[3], kWallDepth), P[3],
               {0.26f, 0.23f, 0.01f, 1.0f});
  }
}

void DrawGroundQuad(TQuillonCore& game, const TBattlefieldTile& t) {
  const int here = game.map[t.x][t.y].height;
  const int far = game.map[t.x + 1][t.y + 1].height;
  const float g = HeightShade(here < far ? here : far);
  const auto& P = t.P;
  game.DrawGLPoly(P[0].x, P[0].y, P[1].x, P[1].y, P[2].x, P[2].y, P[3].x, P[3].y, g - 0.2f, g,
                  g - 0.34f, 1.0f);
}

// Glints and walls of a water tile; the edge lines take the alpha the glints left (-w).
void DrawWaterEdges(TQuillonCore& game, const TBattlefieldTile& t, float w) {
  const int decals = game.spriteDecals;
  SetAlpha(2.0f * w);
  DrawTileSpriteXY(game, decals + 1, t.ox - 16.0f, t.P[0].y, 1.0f, 1.0f, false);
  SetAlpha(-w);
  DrawTileSpriteXY(game, decals + 2, t.ox - 16.0f, t.P[0].y, 1.0f, 1.0f, false);
  const std::array<TTilePoint, 4> W = WaterSurface(game, t);
  const auto& F = t.F;
  if (t.x == kFieldLast) {
    ShadedQuad(game, W[1], Below(F[1], kWaterWallDepth), Below(F[2], kWaterWallDepth), W[2],
               {0.0f, 0.2f, 0.6f, 0.5f + w});
    SetColor(250, 250, 250);
    Line2D(W[1], W[2]);
  }
  if (t.y == kFieldLast) {
    ShadedQuad(game, W[2], Below(F[2], kWaterWallDepth), Below(F[3], kWaterWallDepth), W[3],
               {0.0f, 0.1f, 0.5f, 0.6f + w});
    SetColor(250, 250, 250);
    Line2D(W[2], W[3]);
  }
}

// Light lines along the far edges, dark ones along the near edges of the field.
void DrawDryEdges(const TBattlefieldTile& t) {
  const auto& P = t.P;
  if (t.x == kFieldLast) {
    SetColor(250, 250, 250);
    SetAlpha(0.15f);
    Line2D(P[1], P[2]);
  } else if (t.x == kFieldFirst) {
    SetColor(0, 0, 0);
    SetAlpha(0.2f);
    Line2D(P[0], P[3]);
  }
  if (t.y == kFieldLast) {
    SetColor(250, 250, 250);
    SetAlpha(0.15f);
    Line2D(P[3], P[2]);
  } else if (t.y == kFieldFirst) {
    SetColor(0, 0, 0);
    SetAlpha(0.2f);
    Line2D(P[0], P[1]);
  }
}

}  // namespace

void DrawTileGround(TQuillonCore& game, TBattlefieldTile& t, float relief) {
  if (!InField(t.x, t.y)) return;
  const TMap& cell = game.map[t.x][t.y];
  const float w =
      static_cast<float>(0.1 * Sin((static_cast<double>(game.gameTime) + cell.anim) * 0.1));

  DrawOuterWalls(game, t);
  DrawGroundQuad(game, t);
  if (HasOverlay(cell.kind)) {
    glDisable(GL_TEXTURE_2D);
    if (DrawOverlay(game, t, relief, w)) t.water = true;
    glEnable(GL_TEXTURE_2D);
  }
  if (TileUnderWater(game, t.x, t.y)) {
    const std::array<TTilePoint, 4> W = WaterSurface(game, t);
    game.DrawGLPoly(W[0].x, W[0].y, W[1].x, W[1].y, W[2].x, W[2].y, W[3].x, W[3].y, 0.0f, 0.1f,
                    0.6f, 0.5f + w);
    t.water = true;
  }

  SetLineWidth(3.0f);
  if (t.water) {
    DrawWaterEdges(game, t, w);
  } else {
    DrawDryEdges(t);
  }

  SetLineWidth(1.0f);
  const auto& P = t.P;
  game.DrawGLLine(P[0].x, P[0].y, P[1].x, P[1].y, 0.0f, 0.0f, 0.0f, 0.2f);
  game.DrawGLLine(P[0].x, P[0].y, P[3].x, P[3].y, 0.0f, 0.0f, 0.0f, 0.2f);
}
