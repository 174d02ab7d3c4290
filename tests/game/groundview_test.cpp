// A frame of the game page on small hand-made maps, through the recording backend: water,
// picking the tile under the pointer, and the highlight of a card's reach.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"
#include "game/battlefield.h"

namespace {

using namespace battlefieldtesting;

float Shade(int height) { return static_cast<float>(height) / 140.0f + 0.172f; }

class GroundViewTest : public BattlefieldTest {
 protected:
  std::vector<TDrawCall> GroundQuads(int height) {
    const float g = Shade(height);
    return Primitives(recorder, GL_TRIANGLE_STRIP, g - 0.2f, g, g - 0.34f, 1.0f);
  }
  std::vector<TDrawCall> Outlines() { return Primitives(recorder, GL_LINES, 1, 0.75f, 0, 1); }
  std::vector<TDrawCall> Lit() {
    return Primitives(recorder, GL_TRIANGLE_STRIP, 0.85f, 0.6375f, 0, 0.5f);  // time 0
  }
};

TEST_F(GroundViewTest, WaterNeedsAllFourCornersBelowTheLine) {
  game.mapWater = 5;
  game.gameTime = 2700;  // wave w = -0.1
  for (int x = 3; x <= 4; ++x) {
    for (int y = 3; y <= 4; ++y) game.map[x][y].height = 0;
  }
  for (int x = 8; x <= 9; ++x) {
    for (int y = 8; y <= 9; ++y) game.map[x][y].height = 5;  // at the line: dry
  }
  Frame(0);
  const auto water = Primitives(recorder, GL_TRIANGLE_STRIP, 0, 0.1f, 0.6f, 0.4f);
  ASSERT_EQ(water.size(), 1u);
  Corners surface = ExpectedCorners(game, 3, 3);
  for (Point& p : surface) p.y -= game.waterHeight;
  EXPECT_TRUE(HasVertices(water, Strip(surface)));
  // Glints 2w and -w: only the second shows.
  ASSERT_EQ(game.Of(game.spriteDecals + 1).size(), 1u);
  EXPECT_NEAR(game.Of(game.spriteDecals + 1)[0].alpha, -0.2f, 1e-6);
  EXPECT_NEAR(game.Of(game.spriteDecals + 2)[0].alpha, 0.1f, 1e-6);
}

TEST_F(GroundViewTest, PickingFindsEveryCellOfAFlatMapOnlyOnTheHandPage) {
  for (int y = 1; y <= 12; ++y) {
    for (int x = 1; x <= 12; ++x) {
      PointAt(x, y);
      Frame(1);
      EXPECT_EQ(game.gameSpreadx * 100 + game.gameSpready, x * 100 + y);
      EXPECT_EQ(Outlines().size(), 4u);
    }
  }
  PointAt(4, 9);
  Frame(0);
  EXPECT_EQ(game.gameSpreadx * 100 + game.gameSpready, 1212);
  EXPECT_TRUE(Outlines().empty());
  // Off the field the last pick stays.
  game.vMX = 2;
  game.vMY = 380;
  Frame(1);
  EXPECT_EQ(game.gameSpreadx * 100 + game.gameSpready, 1212);
  EXPECT_TRUE(Outlines().empty());
}

TEST_F(GroundViewTest, PickingOnReliefKeepsTheLastTileDrawnThatHoldsThePointer) {
  SeedRnd(77);
  for (auto& column : game.map) {
    for (TMap& cell : column) cell.height = Rand(0, 8);
  }
  for (int y = 1; y <= 12; ++y) {
    for (int x = 1; x <= 12; ++x) {
      const Corners own = ExpectedCorners(game, x, y);
      const Point centre = Centre(own);
      EXPECT_EQ(game._PointInPoly(centre.x, centre.y, own[0].x, own[0].y, own[1].x, own[1].y,
                                  own[2].x, own[2].y, own[3].x, own[3].y), 1);
      PointAt(x, y);
      const Point p{static_cast<double>(game.vMX), static_cast<double>(game.vMY)};
      int want = -1;
      for (int ty = 1; ty <= 12; ++ty) {
        for (int tx = 1; tx <= 12; ++tx) {
          if (InsideConvex(ExpectedCorners(game, tx, ty), p)) want = tx * 100 + ty;
        }
      }
      game.gameSpreadx = game.gameSpready = -1;
      Frame(1);
      EXPECT_EQ(game.gameSpreadx * 100 + game.gameSpready, want) << x << "," << y;
    }
  }
}

TEST_F(GroundViewTest, ReachOfAPickedPoleIsLitUntilTheFrameEnds) {
  game.map[5][5].flag = 1;
  game.gameSpreadx = game.gameSpready = 5;
  game.gameSpread = 2;
  Frame(0);
  EXPECT_EQ(Lit().size(), 13u);  // dx^2 + dy^2 <= 4
  EXPECT_TRUE(HasVertices(Lit(), Strip(ExpectedCorners(game, 7, 5))));
  EXPECT_FALSE(HasVertices(Lit(), Strip(ExpectedCorners(game, 7, 6))));
  Frame(0);
  EXPECT_EQ(Lit().size(), 1u);  // reach 0: the pole's own tile

  game.map[5][5].flag = kFlagNone;  // no pole picked: nothing lit
  game.gameSpread = 5;
  Frame(0);
  EXPECT_TRUE(Lit().empty());
  game.gameSpreadx = 40;  // a stored pick outside the map
  game.gameSpready = -7;
  game.gameSpread = 100;
  Frame(0);
  EXPECT_TRUE(Lit().empty());
}

}  // namespace

namespace {

using namespace battlefieldtesting;

// One slope kind: the corners right, bottom, left against the top (in steps of 10 px),
// and the overlay a player sees: whole quads and triangles by corner (0 top, 1 right,
// 2 bottom, 3 left), each white, black, the slope shade of a corner, or water blue.
enum class Paint { White, Black, Shade, Blue };
struct Piece {
  bool quad;
  std::array<int, 3> corners;  // a quad's are unused
  Paint paint;
  float alphaOrCorner;  // alpha as a multiple of the relief, or the shaded corner
};
struct SlopeKind {
  int kind;
  std::array<int, 3> steps;
  std::vector<Piece> pieces;
};

TEST_F(GroundViewTest, SlopeOverlaysShadeEachKindAsItsCornersLie) {
  constexpr int kX = 6, kY = 5, kBase = 20;
  const std::vector<SlopeKind> kinds = {
      {21, {0, -1, -1}, {{true, {}, Paint::Black, 1.2f}}},
      {22, {1, 1, 0}, {{true, {}, Paint::Black, 1.2f}}},
      {20, {-1, -1, 0}, {{true, {}, Paint::White, 1.2f}}},
      {23, {0, 1, 1}, {{true, {}, Paint::White, 1.2f}}},
      {40, {1, 0, 1}, {{false, {3, 0, 2}, Paint::White, 1}, {false, {1, 0, 2}, Paint::Black, 3}}},
      {41, {-1, 0, -1}, {{false, {0, 1, 3}, Paint::Black, 1}, {false, {2, 1, 3}, Paint::White, 1}}},
      {30, {1, 1, 1}, {{false, {0, 1, 3}, Paint::White, 1}, {false, {1, 2, 3}, Paint::Shade, 2}}},
      {31, {-1, 0, 0}, {{false, {1, 0, 2}, Paint::White, 1}}},
      {32, {0, -1, 0}, {{false, {2, 1, 3}, Paint::Black, 1}, {false, {0, 1, 3}, Paint::Shade, 0}}},
      {33, {0, 0, -1}, {{false, {3, 0, 2}, Paint::Shade, 3}, {false, {3, 0, 2}, Paint::Black, 3}}},
      {10, {-1, -1, -1}, {{false, {0, 1, 3}, Paint::Black, 1}, {false, {1, 2, 3}, Paint::Shade, 2},
                          {false, {1, 2, 3}, Paint::Blue, 0}}},
      {11, {1, 0, 0}, {{false, {1, 0, 2}, Paint::Shade, 0}, {false, {1, 0, 2}, Paint::Black, 3},
                       {false, {0, 3, 2}, Paint::Blue, 0}}},
      {12, {0, 1, 0}, {{false, {2, 1, 3}, Paint::White, 1.1f}, {false, {0, 1, 3}, Paint::Blue, 0}}},
      {13, {0, 0, 1}, {{false, {3, 0, 2}, Paint::White, 1.9f}, {false, {0, 1, 2}, Paint::Blue, 0}}},
  };
  const float a = 15.0f / 75.0f;  // relief of mapScale 15
  for (const SlopeKind& k : kinds) {
    for (bool wet : {false, true}) {
      SCOPED_TRACE("kind " + std::to_string(k.kind) + (wet ? " under water" : ""));
      game.FlatMap(kBase);
      game.mapScale = 15;
      game.mapWater = wet ? kBase + 5 : -100;  // the blue test names a corner at 20 or 10
      TMap* corner[4] = {&game.map[kX][kY], &game.map[kX + 1][kY], &game.map[kX + 1][kY + 1],
                         &game.map[kX][kY + 1]};
      for (int i = 0; i < 3; ++i) corner[i + 1]->height = kBase + 10 * k.steps[i];
      corner[0]->kind = k.kind;
      Frame(0);
      const Corners P = ExpectedCorners(game, kX, kY);
      size_t triangles = 0;
      for (const Piece& piece : k.pieces) {
        if (piece.paint == Paint::Blue && !wet) continue;
        float r = 0, g = 0, b = 0, alpha = piece.alphaOrCorner * a;
        if (piece.paint == Paint::White) r = g = b = 1;
        if (piece.paint == Paint::Blue) b = 0.7f, alpha = 0.4f;  // no wave at time 0
        if (piece.paint == Paint::Shade) {
          const float s = static_cast<float>(corner[static_cast<int>(piece.alphaOrCorner)]->height) / 140.0f + 0.172f;
          r = s - 0.2f, g = s, b = s - 0.4f, alpha = 1;
        }
        if (piece.quad) {
          EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLE_STRIP, r, g, b, alpha), Strip(P)));
          continue;
        }
        ++triangles;
        const auto& c = piece.corners;
        EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLES, r, g, b, alpha), {P[c[0]], P[c[1]], P[c[2]]}))
            << "triangle " << c[0] << c[1] << c[2];
      }
      EXPECT_EQ(Primitives(recorder, GL_TRIANGLES).size(), triangles);
      // A blue overlay makes the tile water: its glints show.
      const auto glints = game.Of(game.spriteDecals + 1);
      const bool glint = std::any_of(glints.begin(), glints.end(), [&](const SpriteDraw& d) {
        return std::fabs(d.x - (P[0].x - 16)) < 1e-3 && std::fabs(d.y - P[0].y) < 1e-3;
      });
      EXPECT_EQ(glint, (wet && k.kind >= 10 && k.kind <= 13) || TileUnderWater(game, kX, kY));
    }
  }
}

TEST_F(GroundViewTest, FlatFieldHasWallsAndLightEdgesFarDarkEdgesNearAndAGrid) {
  Frame(0);
  EXPECT_EQ(GroundQuads(10).size(), 144u);
  EXPECT_TRUE(Primitives(recorder, GL_TRIANGLES).empty());
  // Walls only under the far edges: full colour at the top, half at the foot.
  const auto right = Primitives(recorder, GL_TRIANGLE_STRIP, 0.43f, 0.36f, 0.15f, 1, false);
  const auto front = Primitives(recorder, GL_TRIANGLE_STRIP, 0.26f, 0.23f, 0.01f, 1, false);
  ASSERT_EQ(right.size(), 12u);
  ASSERT_EQ(front.size(), 12u);
  const Corners c = ExpectedCorners(game, 12, 12);
  EXPECT_TRUE(HasVertices(right, {c[2], c[1], {c[2].x, c[2].y + 20}, {c[1].x, c[1].y + 20}}));
  EXPECT_TRUE(HasVertices(front, {c[3], c[2], {c[3].x, c[3].y + 20}, {c[2].x, c[2].y + 20}}));
  EXPECT_TRUE(SameColour(right[0].primitive.vertices[3], 0.215f, 0.18f, 0.075f, 1));

  // Edge lines three wide: light along the far edges, dark along the near ones.
  struct Edge {
    int x, y, from, to;
    int shade;
    float alpha;
  };
  const Edge edges[] = {{12, 4, 1, 2, 250, 0.15f}, {1, 4, 0, 3, 0, 0.2f},
                        {7, 12, 3, 2, 250, 0.15f}, {7, 1, 0, 1, 0, 0.2f}};
  std::vector<TDrawCall> lines;
  for (const TDrawCall& l : recorder.CallsOf(TDrawCallKind::Line)) {
    if (l.state.alpha == 0.15f || l.state.alpha == 0.2f) lines.push_back(l);  // not the panels'
  }
  EXPECT_EQ(lines.size(), 48u);
  for (const Edge& e : edges) {
    const Corners t = ExpectedCorners(game, e.x, e.y);
    const bool found = std::any_of(lines.begin(), lines.end(), [&](const TDrawCall& l) {
      return std::fabs(l.args[0] - t[e.from].x) < 1e-3 && std::fabs(l.args[1] - t[e.from].y) < 1e-3 &&
             std::fabs(l.args[2] - t[e.to].x) < 1e-3 && std::fabs(l.args[3] - t[e.to].y) < 1e-3 &&
             l.state.lineWidth == 3.0f && l.state.red == e.shade && l.state.alpha == e.alpha;
    });
    EXPECT_TRUE(found) << "edge of " << e.x << "," << e.y;
  }
  // The grid: the top corner's two upper edges of every tile.
  const auto grid = Primitives(recorder, GL_LINES, 0, 0, 0, 0.2f);
  EXPECT_EQ(grid.size(), 288u);
  const Corners g = ExpectedCorners(game, 5, 9);
  EXPECT_TRUE(HasVertices(grid, {g[0], g[1]}));
  EXPECT_TRUE(HasVertices(grid, {g[0], g[3]}));
}

}  // namespace
