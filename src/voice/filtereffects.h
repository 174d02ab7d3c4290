// The effect families behind TFilter::DoFilter, each working on an accepted range of
// stored samples. Internal to the filter's files.
#pragma once
#include <cstdint>

namespace filtereffects {

// An accepted range: samples x[0..count-1], start..end inside them (start <= end),
// channels 1 or 2, amount already doubled for stereo.
struct Range {
  int16_t* x;
  int count;
  int length;  // frames
  int channels;
  int start;
  int end;
  int64_t amount;
};

bool Levels(const Range& r, int effect);        // 41..46, 48..53, 43
bool SignsAndBits(const Range& r, int effect);  // 62..68, 106..110
bool Moves(const Range& r, int effect, const int16_t* source, int sourcecount);  // -7..-1, 61, 147..149
bool TimeScale(const Range& r, int effect);     // 121..126
bool Repairs(const Range& r, int effect);       // 101, 103, 104, 105

}  // namespace filtereffects
