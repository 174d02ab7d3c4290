// Seeds from texts, the ranged generator and the replayable table.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/random.h"
#include "framework/staticrand.h"
#include "platform/numbers.h"

TEST(GetSeedText, ProductOverTheBytes) {
  EXPECT_EQ(GetSeed(""), 1);
  EXPECT_EQ(GetSeed("d"), 6);  // code 100: 100 * 0.06
  EXPECT_EQ(GetSeed("dd"), 36);
  EXPECT_EQ(GetSeed(std::string(11, 'd')), 362797056);  // 6^11, exact in single precision
  EXPECT_EQ(GetSeed("2"), 3);                           // 50 * 0.06
  EXPECT_EQ(GetSeed("!"), 1);                           // 33 * 0.06 = 1.98, truncated
  EXPECT_EQ(GetSeed("\x01"), 0);
  EXPECT_EQ(GetSeed("random"), GetSeed("random"));
}

TEST(GetSeedText, LongTextsAreDefined) {
  // 6^12 no longer fits an int; overflow to infinity and underflow to zero stay defined.
  EXPECT_EQ(GetSeed(std::string(12, 'd')), INT_MAX);
  EXPECT_EQ(GetSeed(std::string(10000, 'z')), INT_MAX);
  EXPECT_EQ(GetSeed(std::string(10000, '\x01')), 0);
  EXPECT_EQ(GetSeed(std::string(10000, 'z') + '\0'), 0);  // infinity times zero
  EXPECT_EQ(GetSeed(std::string(10000, '\xff')), INT_MAX);
}

TEST(GetSeedText, RandomGivesTheGeneratorsSeed) {
  SeedRnd(4321);
  EXPECT_EQ(GetSeed("RANDOM"), 4321);
  EXPECT_NE(GetSeed("Random"), 4321);
}

TEST(FastRand, StaysInRange) {
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(fastrand(3, 3), 3);
  bool seen[10] = {};
  for (int i = 0; i < 5000; ++i) {
    const int v = fastrand(-4, 5);
    ASSERT_GE(v, -4);
    ASSERT_LE(v, 5);
    seen[v + 4] = true;
  }
  for (bool s : seen) EXPECT_TRUE(s);
  EXPECT_EQ(fastrand(5, 4), 5);  // an empty range does not divide by zero
  const int wide = fastrand(INT_MIN, INT_MAX);
  EXPECT_GE(wide, INT_MIN);
}

TEST(StaticRand, PositionsWrapAndReplay) {
  TStaticRand t;
  for (int i = 0; i < kStaticRandCount; ++i) t.num[i] = static_cast<float>(i);

  t.SetPos(-7);
  EXPECT_EQ(t.pos, -7);
  EXPECT_EQ(t.random(), 8.0f);
  EXPECT_EQ(t.pos, 8);

  t.SetPos(2998);
  EXPECT_EQ(t.pos, 998);
  EXPECT_EQ(t.random(), 999.0f);
  EXPECT_EQ(t.random(), 0.0f);  // wraps at 1000

  t.SetPos(500);
  TStaticRand copy = t;
  EXPECT_EQ(t.randomPos(0), copy.random());
  EXPECT_EQ(t.pos, copy.pos);
  EXPECT_EQ(t.randomPos(600), 102.0f);  // (600 + 502) mod 1000
  t.SetPos(10);
  EXPECT_EQ(t.randomPos(989), 0.0f);  // exactly a lap ahead: entry 0

  // Reads behind the position wrap instead of leaving the table.
  t.SetPos(0);
  EXPECT_EQ(t.randomPos(-5), 996.0f);
  EXPECT_GE(t.randomPos(INT_MIN), 0.0f);
  t.pos = INT_MIN;
  EXPECT_GE(t.random(), 0.0f);
}

TEST(SetSeedText, LogsAndSeeds) {
  testing::internal::CaptureStdout();
  SetSeed("dd");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "seed='dd' seednum=36\n");
  EXPECT_EQ(RndSeed(), 36);
  const double first = RndDouble();
  testing::internal::CaptureStdout();
  SetSeed("dd");
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(RndDouble(), first);
}

TEST(RandomModuleStart, EachRunStartsFromItsOwnState) {
  // The process clock reads about the same at every start; only the wall clock differs.
  SetTestClock([] { return 4; });
  auto firstDraws = [](int64_t wallMs) {
    SetTestWallClock([wallMs] { return wallMs; });
    InitRandomModule();
    std::vector<int> draws;
    for (int i = 0; i < 4; ++i) draws.push_back(Rand(0, 1 << 30));
    return draws;
  };
  const int64_t now = 1796601600000;  // a December 2026 afternoon
  const auto run = firstDraws(now);
  EXPECT_EQ(firstDraws(now), run);  // the clock is the only source
  for (int64_t later : {now + 1, now + 1000, now + 86400000, now + (int64_t{1} << 32)})
    EXPECT_NE(firstDraws(later), run) << later - now;
  SetTestWallClock({});
  SetTestClock({});
}

TEST(StaticRand, ATableFromASeedTextReplaysTheSameWalk) {
  auto walk = [](TStaticRand& t) {
    std::vector<float> out;
    for (int i = 0; i < 5; ++i) out.push_back(t.random());
    out.push_back(t.randomPos(3));
    return out;
  };
  TStaticRand a, b, other;
  testing::internal::CaptureStdout();
  a.Init("battle");
  // The table holds the seeded generator's doubles, in order.
  SetSeed("battle");
  for (int i = 0; i < kStaticRandCount; ++i) ASSERT_EQ(a.num[i], static_cast<float>(RndDouble())) << i;
  b.Init("battle");
  other.Init("battles");
  testing::internal::GetCapturedStdout();
  // The walk starts where the first entry points.
  EXPECT_EQ(a.pos, static_cast<int>(a.num[0] * 1000.0));
  const std::vector<float> first = walk(a);
  EXPECT_EQ(walk(b), first);
  EXPECT_NE(walk(other), first);
  a.reset();
  EXPECT_EQ(walk(a), first);
}
