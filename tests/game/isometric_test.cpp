// The battlefield camera's limits, the point-in-tile test, and drawScore's padding.
#include <gtest/gtest.h>

#include <limits>

#include "battlefieldtesting.h"
#include "game/arcadefont.h"

namespace {

using namespace battlefieldtesting;
using Core = TQuillonCore;

class IsometricTest : public BattlefieldTest {
 protected:
  // The start camera's diamond with its top corner at (100, 100).
  int Inside(float px, float py) {
    return game._PointInPoly(px, py, 100, 100, 100 + Core::coreX1, 100 + Core::coreY1,
                             100 + Core::coreX2, 100 + Core::coreY2, 100 + Core::coreX3,
                             100 + Core::coreY3);
  }
  void Restart() { SetUp(); }
};

TEST_F(IsometricTest, AngleWrapsOnceAndZoomAndSquashAreClamped) {
  game.modifyAngle(400.0f);
  EXPECT_FLOAT_EQ(Core::coreAngle, 85.0f);
  EXPECT_FLOAT_EQ(Core::coreAngle2, 175.0f);
  Restart();
  game.modifyAngle(-50.0f);
  EXPECT_FLOAT_EQ(Core::coreAngle, 355.0f);
  EXPECT_FLOAT_EQ(Core::coreAngle2, 85.0f);
  EXPECT_LT(Core::coreY1, 0.0f);  // the first step now points slightly up
  Restart();
  game.modifyZoom(10);
  EXPECT_FLOAT_EQ(Core::coreZoom, 33.0f);
  game.modifyZoom(-40);
  EXPECT_FLOAT_EQ(Core::coreZoom, 12.0f);
  EXPECT_NEAR(Core::coreX1, 12.0 * std::cos(M_PI / 4.0), 1e-4);
  game.modifyScale(5.0f);
  EXPECT_FLOAT_EQ(Core::coreYScale, 0.99999f);
  game.modifyScale(-5.0f);
  EXPECT_FLOAT_EQ(Core::coreYScale, 0.01f);
  // Steps that are not numbers leave the camera as it is.
  game.modifyScale(std::numeric_limits<float>::quiet_NaN());
  game.modifyAngle(std::numeric_limits<float>::infinity());
  EXPECT_FLOAT_EQ(Core::coreYScale, 0.01f);
  EXPECT_FLOAT_EQ(Core::coreAngle, 45.0f);
}

TEST_F(IsometricTest, PointInDiamond) {
  EXPECT_EQ(Inside(100, 100 + Core::centerY), 1);
  // One pixel left of the left corner, and the bounding box's corners.
  EXPECT_EQ(Inside(100 + Core::coreX3 - 1, 100 + Core::coreY3), 0);
  EXPECT_EQ(Inside(100 + Core::coreX3 + 0.5f, 100.5f), 0);
  EXPECT_EQ(Inside(100 + Core::coreX1 - 0.5f, 100 + Core::coreY2 - 0.5f), 0);
  // Either side of the top-right edge, halfway along it.
  const float mx = 100 + Core::coreX1 / 2, my = 100 + Core::coreY1 / 2;
  EXPECT_EQ(Inside(mx - 0.5f, my + 0.5f), 1);
  EXPECT_EQ(Inside(mx + 0.5f, my - 0.5f), 0);
  // Horizontal edges never toggle (and never divide by zero).
  EXPECT_EQ(game._PointInPoly(5, 0, 0, 0, 10, 0, 10, 10, 0, 10), 1);
  EXPECT_EQ(game._PointInPoly(3, 3, 3, 3, 3, 3, 3, 3, 3, 3), 0);
}

// drawScore prints exactly what ArcadeText prints for the padded text, with no region.
TEST_F(IsometricTest, ScoreIsPaddedWithLeadingZeros) {
  auto drawn = [&](auto draw) {
    recorder.Clear();
    draw();
    std::vector<std::vector<float>> calls;
    for (const TDrawCall& c : recorder.Calls()) calls.push_back(c.args);
    return calls;
  };
  const auto padded = drawn([] { ArcadeText("007", 40, 50, -1); });
  ASSERT_FALSE(padded.empty());
  EXPECT_EQ(drawn([&] { game.drawScore(7, 3, 40, 50); }), padded);
  EXPECT_EQ(drawn([&] { game.drawScore(1234, 3, 40, 50); }),
            drawn([] { ArcadeText("1234", 40, 50, -1); }));
  for (const auto& region : userControl) EXPECT_EQ(region, nullptr);
}

}  // namespace
