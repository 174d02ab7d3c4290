// The audio thread's own random numbers (the random LFO shape), so the render never
// touches the main thread's generator. A 32-bit xorshift: tiny, lock-free, deterministic.
#pragma once
#include <cstdint>

class AudioRandom {
 public:
  explicit AudioRandom(uint32_t seed = 0x9E3779B9u) { reseed(seed); }
  void reseed(uint32_t seed) { state_ = seed ? seed : 0x9E3779B9u; }
  // A non-negative 31-bit value.
  int next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ >> 1);
  }

 private:
  uint32_t state_;
};
