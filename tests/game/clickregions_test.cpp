// Click regions: the hit test's slack and clamped fraction, first-hit order over the
// table with its over flags, clearing and emptying the table.
#include "game/clickregions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class ClickRegionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ArcadeResetControl(); }
  void TearDown() override { ArcadeResetControl(); }

  static TArcadeControl& Region(int id, int x, int y, int w, int h) {
    TArcadeControl* region = ArcadeControlSlot(id);
    region->set(id, x, y, w, h);
    return *region;
  }
};

TEST_F(ClickRegionsTest, SlackLeftAndRightOnlyWithClampedFraction) {
  TArcadeControl region;
  EXPECT_EQ(region.checkOver(0, 0), 1);  // a fresh region is the point 0, 0
  region.set(7, 100, 50, 40, 10);
  EXPECT_EQ(region.x1, 140);
  EXPECT_EQ(region.y1, 60);
  EXPECT_EQ(region.checkOver(95, 50), 1);
  EXPECT_EQ(region.pos, 0.0f);
  EXPECT_EQ(region.checkOver(145, 60), 1);
  EXPECT_EQ(region.pos, 1.0f);
  EXPECT_EQ(region.checkOver(120, 55), 1);
  EXPECT_FLOAT_EQ(region.pos, 0.5f);

  region.pos = 0.3f;
  EXPECT_EQ(region.checkOver(94, 55), 0);
  EXPECT_EQ(region.checkOver(146, 55), 0);
  EXPECT_EQ(region.checkOver(120, 49), 0);
  EXPECT_EQ(region.checkOver(120, 61), 0);
  EXPECT_FLOAT_EQ(region.pos, 0.3f);  // a miss leaves pos alone

  region.set(0, 20, 0, 0, 10);  // zero width: an end, no division
  EXPECT_EQ(region.checkOver(23, 5), 1);
  EXPECT_EQ(region.pos, 1.0f);
  EXPECT_EQ(region.checkOver(16, 5), 1);
  EXPECT_EQ(region.pos, 0.0f);
}

TEST_F(ClickRegionsTest, ClearedRegionSpansOnlyMinusOne) {
  TArcadeControl& region = Region(3, 10, 10, 50, 50);
  region.pos = 0.75f;
  region.over = 1;
  region.Reset();
  EXPECT_EQ(region.over, 0);
  EXPECT_EQ(ArcadeGetControl(0, 0), -1);
  EXPECT_EQ(ArcadeGetControl(4, -1), 3);  // -6..4 across, -1 down
  EXPECT_EQ(ArcadeGetControl(5, -1), -1);
}

TEST_F(ClickRegionsTest, FirstRegionInIndexOrderWins) {
  TArcadeControl& early = Region(2, 0, 0, 100, 20);
  TArcadeControl& late = Region(5, 50, 0, 100, 20);
  late.pos = 0.9f;
  late.over = 1;
  EXPECT_EQ(ArcadeGetControl(75, 10), 2);
  EXPECT_EQ(early.over, 1);
  EXPECT_FLOAT_EQ(early.pos, 0.75f);
  EXPECT_EQ(late.over, 0);
  EXPECT_FLOAT_EQ(late.pos, 0.9f);  // not tested, so untouched

  EXPECT_EQ(ArcadeGetControl(140, 10), 5);
  EXPECT_EQ(early.over, 0);
  EXPECT_EQ(late.over, 1);

  EXPECT_EQ(ArcadeGetControl(300, 300), -1);
  EXPECT_EQ(late.over, 0);

  // A hit reports the stored ctrl, not the slot.
  Region(9, 300, 300, 10, 10).ctrl = 4;
  EXPECT_EQ(ArcadeGetControl(305, 305), 4);
}

TEST_F(ClickRegionsTest, SlotsAreCreatedOnceAndResetEmptiesThem) {
  TArcadeControl* first = ArcadeControlSlot(19);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(ArcadeControlSlot(19), first);
  EXPECT_EQ(ArcadeControlSlot(20), nullptr);
  EXPECT_EQ(ArcadeControlSlot(-1), nullptr);
  first->set(19, 0, 0, 10, 10);
  EXPECT_EQ(ArcadeGetControl(5, 5), 19);
  ArcadeResetControl();
  EXPECT_EQ(userControl[19], nullptr);
  EXPECT_EQ(ArcadeGetControl(5, 5), -1);
}

TEST_F(ClickRegionsTest, ExtremeCoordinatesDoNotOverflow) {
  TArcadeControl region;
  region.x = INT_MAX - 2;
  region.x1 = INT_MAX;
  region.y1 = 10;
  EXPECT_EQ(region.checkOver(INT_MAX, 5), 1);
  EXPECT_EQ(region.pos, 1.0f);
  region.x = INT_MIN;
  region.x1 = INT_MIN + 4;
  EXPECT_EQ(region.checkOver(INT_MIN, 5), 1);
  EXPECT_EQ(region.pos, 0.0f);
  EXPECT_EQ(region.checkOver(INT_MAX, 5), 0);
}

}  // namespace
