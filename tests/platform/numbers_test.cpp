// The shared numbers: the seeded generator's ranges and replay, truncation at the edges,
// and the replaceable clock.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "platform/numbers.h"

TEST(Numbers, RandCoversBothEndsInEitherOrder) {
  SeedRnd(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int v = Rand(5, 2);
    ASSERT_GE(v, 2);
    ASSERT_LE(v, 5);
    seen.insert(v);
  }
  EXPECT_EQ(seen, (std::set<int>{2, 3, 4, 5}));
  EXPECT_EQ(Rand(9, 9), 9);
  // The widest range does not overflow and still reaches both halves.
  int negative = 0;
  for (int i = 0; i < 200; ++i) {
    if (Rand(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()) < 0) ++negative;
  }
  EXPECT_GT(negative, 50);
  EXPECT_LT(negative, 150);
}

TEST(Numbers, RndStaysInItsHalfOpenRange) {
  SeedRnd(11);
  for (int i = 0; i < 2000; ++i) {
    const double v = Rnd(-1.5, 2.5);
    ASSERT_GE(v, -1.5);
    ASSERT_LT(v, 2.5);
  }
}

TEST(Numbers, ASeedReplaysItsSequence) {
  auto draw = [] {
    std::vector<int> values;
    for (int i = 0; i < 50; ++i) values.push_back(Rand(0, 1000000));
    return values;
  };
  SeedRnd(1234);
  const auto first = draw();
  EXPECT_EQ(RndSeed(), 1234);
  SeedRnd(1235);
  const auto other = draw();
  SeedRnd(1234);
  EXPECT_EQ(draw(), first);
  EXPECT_NE(other, first);
}

TEST(Numbers, TruncationIsTowardZeroAndDefinedEverywhere) {
  EXPECT_EQ(TruncToInt(2.9), 2);
  EXPECT_EQ(TruncToInt(-2.9), -2);
  EXPECT_EQ(TruncToInt(std::nan("")), 0);
  EXPECT_EQ(TruncToInt(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncToInt(-1e12), std::numeric_limits<int>::min());
  EXPECT_EQ(TruncToInt(INFINITY), std::numeric_limits<int>::max());
  EXPECT_EQ(TruncToInt64(-1e30), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(TruncToInt64(4294967296.75), 4294967296LL);
}

TEST(Numbers, SineAndCosineTakeDegrees) {
  EXPECT_NEAR(Sin(90.0), 1.0, 1e-12);
  EXPECT_NEAR(Cos(180.0), -1.0, 1e-12);
  EXPECT_NEAR(Sin(-30.0), -0.5, 1e-12);
}

TEST(Numbers, TheClockIsNeverZeroAndCanBeReplaced) {
  EXPECT_NE(MilliSecs(), 0);
  const int before = MilliSecs();
  Delay(5);
  EXPECT_GE(MilliSecs() - before, 5);
  SetTestClock([] { return 4242; });
  EXPECT_EQ(MilliSecs(), 4242);
  SetTestClock({});
  EXPECT_NE(MilliSecs(), 4242);
}
