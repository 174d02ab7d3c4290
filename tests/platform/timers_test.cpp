// Timers: the cadence of a fractional period, one waiting tick at most, and silence
// after a stop.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <thread>

#include "platform/numbers.h"
#include "platform/timers.h"
#include "sdltesting.h"

namespace {

using std::chrono::milliseconds;

class TimersTest : public ::testing::Test {
 protected:
  void SetUp() override { StartClean(); }
};

// Ticks of timer among the events of the next millis milliseconds.
int CountTicks(const void* timer, int millis) {
  int ticks = 0;
  const int end = MilliSecs() + millis;
  for (int left = millis; left > 0; left = end - MilliSecs()) {
    TEvent e = WaitEventTimeout(left);
    if (e.id == EVENT_TIMERTICK && e.source == timer) ++ticks;
  }
  return ticks;
}

TEST(TimerSchedule, FractionalPeriodsKeepTheirAverage) {
  int sixteens = 0, seventeens = 0;
  for (int n = 1; n <= 60; ++n) {
    int64_t period = TimerTickTime(60.0f, n) - TimerTickTime(60.0f, n - 1);
    if (period == 16) ++sixteens;
    if (period == 17) ++seventeens;
  }
  EXPECT_EQ(sixteens, 20);
  EXPECT_EQ(seventeens, 40);
  EXPECT_EQ(TimerTickTime(60.0f, 60), 1000);
  EXPECT_EQ(TimerTickTime(60.0f, 3600), 60000);  // no drift over a minute
  EXPECT_EQ(TimerTickTime(7.0f, 7), 1000);
  EXPECT_EQ(TimerTickTime(0.5f, 1), 2000);
  const int64_t never = std::numeric_limits<int64_t>::max();
  EXPECT_EQ(TimerTickTime(0.0f, 1), never);
  EXPECT_EQ(TimerTickTime(-60.0f, 1), never);
  EXPECT_EQ(TimerTickTime(std::numeric_limits<float>::quiet_NaN(), 1), never);
  EXPECT_EQ(TimerTickTime(60.0f, -1), never);
}

TEST_F(TimersTest, SixtyHertzTicksAboutSixtyTimesASecond) {
  auto timer = CreateTimer(60.0f);
  std::vector<int> times;
  int lastCount = 0;
  bool countsInOrder = true;
  const int end = MilliSecs() + 1000;
  for (int left = 1000; left > 0; left = end - MilliSecs()) {
    TEvent e = WaitEventTimeout(left);
    if (e.id != EVENT_TIMERTICK || e.source != timer.get()) continue;
    times.push_back(MilliSecs());
    countsInOrder = countsInOrder && e.data > lastCount;
    lastCount = e.data;
  }
  EXPECT_GE(times.size(), 50u);
  EXPECT_LE(times.size(), 61u);
  EXPECT_TRUE(countsInOrder);
  EXPECT_EQ(timer->Ticks(), static_cast<int>(times.size()));
  if (times.size() > 10) {
    double average = double(times.back() - times.front()) / double(times.size() - 1);
    EXPECT_NEAR(average, 1000.0 / 60.0, 2.5);
  }
}

TEST_F(TimersTest, AtMostOneTickWaitsPerTimer) {
  auto fast = CreateTimer(200.0f);
  auto slow = CreateTimer(100.0f);
  std::this_thread::sleep_for(milliseconds(150));  // a busy loop: many deadlines pass
  int fastTicks = 0, slowTicks = 0;
  for (const TEvent& e : Drain()) {
    if (e.source == fast.get()) ++fastTicks;
    if (e.source == slow.get()) ++slowTicks;
  }
  EXPECT_EQ(fastTicks, 1);
  EXPECT_EQ(slowTicks, 1);
  EXPECT_GT(CountTicks(fast.get(), 100), 5);  // and it goes on ticking afterwards
}

TEST_F(TimersTest, StoppedTimerDeliversNothingMoreNotEvenAQueuedTick) {
  auto timer = CreateTimer(200.0f);
  std::this_thread::sleep_for(milliseconds(30));  // a tick waits now
  StopTimer(timer);
  EXPECT_FALSE(timer->Running());
  EXPECT_EQ(CountTicks(timer.get(), 100), 0);
  StopTimer(timer);  // twice is harmless
  StopTimer(nullptr);
}

TEST_F(TimersTest, FreedTimerLeavesNoTickBehind) {
  auto timer = CreateTimer(200.0f);
  const void* address = timer.get();
  std::this_thread::sleep_for(milliseconds(30));
  timer.reset();
  EXPECT_EQ(CountTicks(address, 60), 0);
}

TEST_F(TimersTest, FlushedTickDoesNotBlockTheNext) {
  auto timer = CreateTimer(100.0f);
  std::this_thread::sleep_for(milliseconds(30));
  FlushEvents();
  EXPECT_GT(CountTicks(timer.get(), 100), 3);
}

TEST_F(TimersTest, RatesOfZeroOrLessNeverTick) {
  auto zero = CreateTimer(0.0f);
  auto negative = CreateTimer(-5.0f);
  auto nan = CreateTimer(std::numeric_limits<float>::quiet_NaN());
  EXPECT_FALSE(zero->Running());
  EXPECT_EQ(CountTicks(zero.get(), 50) + CountTicks(negative.get(), 10) + CountTicks(nan.get(), 10), 0);
}

}  // namespace
