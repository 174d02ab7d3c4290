// Road tracers, houses and trees on hand-made fields: where runs stop and turn, which
// pieces they lay, and which tiles refuse a house or a tree.
#include <gtest/gtest.h>

#include "game/battlefield.h"
#include "platform/numbers.h"
#include "rulestesting.h"

namespace {

using namespace rulestesting;

class RoadsTest : public ::testing::Test {
 protected:
  void SetUp() override { core.ClearField(); }
  void Slope(int x, int y) { core.map[x][y].kind = -1; }
  void SlopeColumns() {
    for (int y = 0; y <= 13; ++y) Slope(4, y), Slope(6, y);
  }
  int RoadTiles() const {
    int n = 0;
    for (const auto& column : core.map) {
      for (const TMap& cell : column) n += cell.road > 0;
    }
    return n;
  }
  RulesCore core;
};

TEST_F(RoadsTest, RunEndsOnItsTileWhenItCannotGoStraight) {
  Slope(5, 11);  // both side tiles flat, but a run never turns on its first tile
  core.drawRightUp(0, 5, 12, "start");
  const TMap& cell = core.map[5][12];
  EXPECT_EQ(core.roadCount, 1);
  EXPECT_EQ(RoadTiles(), 1);
  EXPECT_TRUE(cell.spr == kPaths && cell.col == 140 && cell.xoffset == 5 && cell.yoffset == 20);
  core.ClearField();
  Slope(5, 11);
  Slope(4, 12);
  Slope(6, 12);
  core.drawRightUp(3, 5, 12, "start");  // later in a run, with no flat side either
  EXPECT_EQ(RoadTiles(), 1);
  EXPECT_EQ(core.map[5][12].spr, kPaths);
}

// With the straight tile sloped, a run past its first tile turns to the only flat side.
TEST_F(RoadsTest, EachTracerTurnsWithItsOwnCornerPieces) {
  struct Turn {
    int (TQuillonCore::*tracer)(int, int, int, const std::string&);
    int straightX, straightY, firstX, firstY, firstCorner, secondX, secondY, secondCorner;
  };
  const Turn turns[] = {
      {&TQuillonCore::drawRightUp, 0, -1, -1, 0, 3, 1, 0, 2},
      {&TQuillonCore::drawLeftDown, 0, 1, -1, 0, 3, 1, 0, 2},
      {&TQuillonCore::drawLeftUp, -1, 0, 0, -1, 5, 0, 1, 2},
      {&TQuillonCore::drawRightDown, 1, 0, 0, -1, 5, 0, 1, 2},
  };
  for (const Turn& turn : turns) {
    for (bool toFirst : {true, false}) {
      core.ClearField();
      SeedRnd(3);
      Slope(6 + turn.straightX, 6 + turn.straightY);
      if (toFirst) {
        Slope(6 + turn.secondX, 6 + turn.secondY);
      } else {
        Slope(6 + turn.firstX, 6 + turn.firstY);
      }
      (core.*turn.tracer)(2, 6, 6, "start");
      const int sideX = 6 + (toFirst ? turn.firstX : turn.secondX);
      const int sideY = 6 + (toFirst ? turn.firstY : turn.secondY);
      EXPECT_EQ(core.map[6][6].spr, kPaths + (toFirst ? turn.firstCorner : turn.secondCorner));
      // The side's tracer runs across: along x after a run along y, and the other way.
      EXPECT_EQ(core.map[sideX][sideY].spr, kPaths + (turn.straightX == 0 ? 1 : 0));
      EXPECT_EQ(core.map[6 + turn.straightX][6 + turn.straightY].road, 0);
    }
  }
}

TEST_F(RoadsTest, TurnTowardsAnExistingRoadLaysTheCornerAndMeetsIt) {
  Slope(5, 11);
  Slope(6, 12);
  core.map[4][12].road = 1;
  core.map[4][12].spr = kPaths + 1;
  core.drawRightUp(2, 5, 12, "start");
  EXPECT_EQ(core.map[5][12].spr, kPaths + 3);
  EXPECT_EQ(core.map[4][12].spr, kPaths + 1);
  EXPECT_EQ(core.roadCount, 1);
}

TEST_F(RoadsTest, RunsStopAtRoadsAndAtTheEdgeOfTheField) {
  for (int seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    SeedRnd(seed);
    core.ClearField();
    SlopeColumns();
    core.map[5][10].road = 1;
    core.map[5][10].spr = kPaths + 1;
    core.drawRightUp(0, 5, 12, "start");
    EXPECT_EQ(core.map[5][10].spr, kPaths + 1);
    EXPECT_LE(core.roadCount, 2);
    EXPECT_EQ(core.map[5][11].spr, core.map[5][11].road ? kPaths : 0) << "no corner before a road";
    core.ClearField();
    SlopeColumns();
    core.drawRightUp(0, 5, 12, "start");
    EXPECT_EQ(core.map[5][0].road, 0);
    core.ClearField();
    SlopeColumns();
    core.drawLeftDown(0, 5, 1, "start");
    EXPECT_EQ(core.map[5][13].road, 0);
    EXPECT_EQ(core.roadCount, RoadTiles());
  }
  // Tiles outside 1..12 are never laid, whichever tracer is handed them.
  core.ClearField();
  core.drawRightUp(0, 13, 5, "start");
  core.drawLeftUp(0, 5, 13, "start");
  core.drawLeftDown(0, 0, 5, "start");
  core.drawRightDown(0, 99, -7, "start");
  EXPECT_EQ(RoadTiles() + core.roadCount, 0);
}

TEST_F(RoadsTest, HousesStandOnFlatTilesWithoutRoadEvenUnderWater) {
  core.mapWater = 8;
  core.makeHouse(3, 3, 2);
  EXPECT_EQ(core.map[3][3].spr, kBuildings + 2);
  EXPECT_TRUE(core.map[3][3].xscale == 1.4f && core.map[3][3].yoffset == -3);
  Slope(4, 4);
  core.map[5][5].road = 1;
  core.makeHouse(4, 4, 1);
  core.makeHouse(5, 5, 1);
  core.makeHouse(-1, 20, 1);
  EXPECT_EQ(core.map[4][4].spr + core.map[5][5].spr, 0);
}

TEST_F(RoadsTest, TreesRefuseRoadsBuildingsAndWaterWithoutDrawing) {
  core.mapWater = 8;
  core.map[2][2].height = 8;
  core.map[2][2].road = 1;
  core.map[3][3].height = 8;
  core.map[3][3].spr = kBuildings + 4;
  core.map[4][4].height = 7;
  SeedRnd(77);
  core.AddTree(kTrees, 2, 2, 1.0f);
  core.AddTree(kTrees, 3, 3, 1.0f);
  core.AddTree(kTrees, 4, 4, 1.0f);
  const int next = Rand(1, 1000000);
  SeedRnd(77);
  EXPECT_EQ(next, Rand(1, 1000000)) << "a refused tree draws no random numbers";
  EXPECT_EQ(core.map[2][2].spr + core.map[4][4].spr, 0);
  EXPECT_EQ(core.map[3][3].spr, kBuildings + 4);
  // A tree replaces a bush on a slope and keeps the tile's alpha.
  core.mapWater = 0;
  Slope(6, 6);
  core.map[6][6].spr = kBushes + 3;
  core.map[6][6].sprAlpha = 255.0f;
  for (int seed = 1; seed <= 30; ++seed) {
    SeedRnd(seed);
    core.AddTree(kTrees + 8, 6, 6, 0.5f);
    const TMap& cell = core.map[6][6];
    EXPECT_TRUE(cell.spr >= kTrees + 8 && cell.spr <= kTrees + 15) << cell.spr;
    EXPECT_EQ(cell.sprAlpha, 255.0f);
  }
}

}  // namespace
