// A frame of the game page on small hand-made maps, through the recording backend: water,
// picking the tile under the pointer, and the highlight of a card's reach.
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
