// The clock of the timed sub-states that the hand, deal and campaign pages share: the
// part of the running sub-state still to go, and the test for its end.
#pragma once
#include <cstdint>

// (nextTime - gameTime) / modeTime in single precision: 1 when the sub-state starts, 0
// when it ends, below 0 once it is over. A sub-state without a length counts as ended.
inline float RemainingFraction(int64_t nextTime, int64_t gameTime, int modeTime) {
  if (modeTime == 0) return 0.0f;
  return static_cast<float>(nextTime - gameTime) / static_cast<float>(modeTime);
}

// A sub-state ends in the first frame whose clock is strictly past its deadline.
inline bool SubStateOver(int64_t gameTime, int64_t nextTime) { return gameTime > nextTime; }
