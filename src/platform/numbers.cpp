#include "platform/numbers.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace {

std::function<int()>& testClock() {
  static std::function<int()> clock;
  return clock;
}

std::function<int64_t()>& testWallClock() {
  static std::function<int64_t()> clock;
  return clock;
}

const auto clockStart = std::chrono::steady_clock::now();

uint64_t rngState = 0x2545F4914F6CDD1DULL;
int rngSeed = 0;

uint32_t nextRandom() {
  rngState = rngState * 6364136223846793005ULL + 1442695040888963407ULL;
  uint64_t x = rngState;
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  return static_cast<uint32_t>(x >> 32);
}

}  // namespace

int MilliSecs() {
  if (testClock()) return testClock()();
  auto elapsed = std::chrono::steady_clock::now() - clockStart;
  uint32_t ms = static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() + 1);
  if (ms == 0) ms = 1;  // after the counter wraps
  return static_cast<int>(ms);
}

void Delay(int millis) {
  if (millis > 0) std::this_thread::sleep_for(std::chrono::milliseconds(millis));
}

void SetTestClock(std::function<int()> clock) { testClock() = std::move(clock); }

int64_t WallMilliSecs() {
  if (testWallClock()) return testWallClock()();
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void SetTestWallClock(std::function<int64_t()> clock) { testWallClock() = std::move(clock); }

void SeedRnd(int seed) {
  rngSeed = seed;
  rngState = static_cast<uint64_t>(static_cast<uint32_t>(seed)) * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL;
}

int RndSeed() { return rngSeed; }

double RndDouble() { return nextRandom() / 4294967296.0; }

double Rnd(double a, double b) { return a + (b - a) * RndDouble(); }

int Rand(int a, int b) {
  if (a > b) std::swap(a, b);
  uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(b) - a) + 1;
  return static_cast<int>(a + static_cast<int64_t>((nextRandom() * span) >> 32));
}

double Sin(double degrees) { return std::sin(degrees * (M_PI / 180.0)); }
double Cos(double degrees) { return std::cos(degrees * (M_PI / 180.0)); }
