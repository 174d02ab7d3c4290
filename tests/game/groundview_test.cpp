// A frame of the game page on small hand-made maps, through the recording backend: frame
// order, where the tiles land and their shade, walls, water, slope overlays, picking the
// tile under the pointer, and the highlight of a card's reach.
#include <gtest/gtest.h>

#include "battlefieldtesting.h"

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

TEST_F(GroundViewTest, FrameOrderAndTheFlatMapsTiles) {
  game.gameSpread = 3;
  Frame(0);
  ASSERT_FALSE(game.sprites.empty());
  EXPECT_EQ(game.sprites[0].n, 0);  // the background first
  ASSERT_EQ(game.campaign.size(), 5u);
  EXPECT_EQ(game.campaign[0], (std::array<int, 3>{120, 38, 4}));
  EXPECT_EQ(game.campaign[4], (std::array<int, 3>{16, 90, 0}));
  EXPECT_EQ(game.gameSpread, 0);
  EXPECT_EQ(game.gameFlagOk, -1);

  // One shade for all 144 ground quads, painted from tile (1, 1) to tile (12, 12).
  const auto ground = GroundQuads(10);
  ASSERT_EQ(ground.size(), 144u);
  EXPECT_TRUE(HasVertices({ground.front()}, Strip(ExpectedCorners(game, 1, 1))));
  EXPECT_TRUE(HasVertices({ground[6 * 12 + 6]}, Strip(ExpectedCorners(game, 7, 7))));
  EXPECT_TRUE(HasVertices({ground.back()}, Strip(ExpectedCorners(game, 12, 12))));

  // Walls only under the far edges: along x = 12 and along y = 12.
  const auto right = Primitives(recorder, GL_TRIANGLE_STRIP, 0.43f, 0.36f, 0.15f, 1, false);
  EXPECT_EQ(right.size(), 12u);
  EXPECT_TRUE(SameColour(right[0].primitive.vertices[3], 0.215f, 0.18f, 0.075f, 1));
  EXPECT_EQ(Primitives(recorder, GL_TRIANGLE_STRIP, 0.26f, 0.23f, 0.01f, 1, false).size(), 12u);
  const Corners c = ExpectedCorners(game, 12, 5);  // wall foot 10 under the flat corners
  EXPECT_TRUE(HasVertices(right, {c[2], c[1], {c[2].x, c[2].y + 20}, {c[1].x, c[1].y + 20}}));
  EXPECT_EQ(Primitives(recorder, GL_LINES, 0, 0, 0, 0.2f).size(), 288u);  // grid lines
}

TEST_F(GroundViewTest, GroundShadeTakesTheLowerOfTheTopAndBottomCorners) {
  game.map[4][4].height = 0;
  game.map[5][5].height = 0;
  Frame(0);
  // Tiles (3, 3), (4, 4) and (5, 5) each have one of those corners.
  const auto low = GroundQuads(0);
  EXPECT_EQ(low.size(), 3u);
  EXPECT_TRUE(HasVertices(low, Strip(ExpectedCorners(game, 4, 4))));
}

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

  // A sea along the far edges gets water walls and edge lines at the glints' alpha.
  game.FlatMap(0);
  game.mapWater = 1;
  Frame(0);
  EXPECT_EQ(Primitives(recorder, GL_TRIANGLE_STRIP, 0, 0.2f, 0.6f, 0.4f, false).size(), 12u);
  EXPECT_EQ(Primitives(recorder, GL_TRIANGLE_STRIP, 0, 0.1f, 0.5f, 0.5f, false).size(), 12u);
  int edges = 0;
  for (const TDrawCall& l : recorder.CallsOf(TDrawCallKind::Line)) {
    edges += (l.state.lineWidth == 3.0f && std::fabs(l.state.alpha - 0.1f) < 1e-6) ? 1 : 0;
  }
  EXPECT_EQ(edges, 24);
}

TEST_F(GroundViewTest, SlopeOverlaysAndTheBlueTriangleThatMakesWater) {
  game.mapScale = 15;  // relief a = 0.2
  game.map[4][4].kind = 40;
  Frame(0);
  auto triangles = Primitives(recorder, GL_TRIANGLES);
  ASSERT_EQ(triangles.size(), 2u);
  Corners c = ExpectedCorners(game, 4, 4);
  EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLES, 1, 1, 1, 0.2f), {c[3], c[0], c[2]}));
  EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLES, 0, 0, 0, 0.6f), {c[1], c[0], c[2]}));
  for (const TDrawCall& t : triangles) EXPECT_FALSE(t.state.texturing);

  game.map[4][4].kind = 20;  // the whole quad in white at 1.2a
  Frame(0);
  EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLE_STRIP, 1, 1, 1, 0.24f), Strip(c)));

  game.map[4][4].kind = 10;
  game.mapWater = 5;
  game.map[5][4].height = 4;  // h(x + 1, y) below the line
  Frame(0);
  c = ExpectedCorners(game, 4, 4);
  const float g = Shade(game.map[5][5].height);
  EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLES, g - 0.2f, g, g - 0.4f, 1),
                          {c[1], c[2], c[3]}));
  EXPECT_TRUE(HasVertices(Primitives(recorder, GL_TRIANGLES, 0, 0, 0.7f, 0.4f), {c[1], c[2], c[3]}));
  EXPECT_EQ(game.Of(game.spriteDecals + 1).size(), 1u);  // counted as water

  for (int kind : {0, -1, 99}) {
    game.map[4][4].kind = kind;
    Frame(0);
    EXPECT_TRUE(Primitives(recorder, GL_TRIANGLES).empty()) << kind;
  }
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
