// The frame of a waving flag (the campaign strip's and the pole's under the pointer): a
// new one of the four every 250 ms, so that all flags wave in step with the clock.
#pragma once
#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

constexpr int kFlagFrames = 4;

// Counts on while the clock runs below zero after its sign wrap: the remainder is
// folded back into the four frames.
inline int WavingFlagFrame(int64_t gameTime) {
  int frame = TruncToInt(std::fmod(static_cast<double>(gameTime) * 0.004, kFlagFrames));
  if (frame < 0) frame += kFlagFrames;
  return frame;
}
