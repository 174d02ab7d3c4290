// The effect path's nine accumulators (0 dry, k + 1 the send of bus k). Each voice adds
// level × sample to each accumulator whose level is not 0, and the sum is truncated
// toward zero after every addition, in single precision. Every value an accumulator
// takes is therefore a whole number that a float holds exactly (while the sums stay
// inside the 32-bit range), so the accumulators are kept as floats, a voice that did
// not render a frame may add 0 there, and several voices are added in one pass over
// the accumulators, each frame taking them in the order they were rendered.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/vectorpath.h"

constexpr int kFxAccumulators = 9;
constexpr int kFxBatchVoices = 8;
// Rows a whole number of pages apart would share first-level cache sets (eight rows and
// a sum overflow its eight ways); three cache lines more spread them.
constexpr int kFxRowPadding = 48;

class FxAccumulators {
 public:
  using Levels = std::array<float, kFxAccumulators>;

  explicit FxAccumulators(int samples);

  // A voice renders straight into its row of a render of n samples: row answers the row
  // of the next voice (null when every level is 0; may add earlier voices to the sums),
  // commit takes the part written, samples offset .. offset + count - 1, with the levels.
  float* row(int n, const Levels& levels);
  void commit(int offset, int count, int n, const Levels& levels);
  // Adds every voice still waiting to the sums of the first n samples.
  void flush(int n);

  // Sum k, sample i (after flush).
  float at(int k, int i) const { return sums_[static_cast<size_t>(k)][static_cast<size_t>(i)]; }
  // Hands out the first n samples of sum k as 16-bit output (the whole sum >> 4,
  // saturated; none when target is null) and clears them for the next render.
  void take16(int k, int16_t* target, int n);

  // The vector code of the sums and the output; every path gives the same bits.
  VectorPath path = fastestpath();

 private:
  int samples_;
  int waiting_ = 0;
  float* rowof(int v) { return voices_.data() + static_cast<size_t>(v) * static_cast<size_t>(samples_ + kFxRowPadding); }
  // Limits n to the samples held, and offset .. offset + count to the first n.
  void limit(int& offset, int& count, int& n) const;

  std::array<std::vector<float>, kFxAccumulators> sums_;
  std::vector<float> voices_;  // kFxBatchVoices rows of samples_ floats and the padding
  std::array<Levels, kFxBatchVoices> levels_{};
  std::array<std::array<bool, kFxAccumulators>, kFxBatchVoices> exact_{};
};
