// TStaticRand: a table of 1000 random floats filled once from a seed text and replayed
// from any position, so a seed text gives the same sequence on every run.
#pragma once
#include <array>
#include <string>

constexpr int kStaticRandCount = 1000;

class TStaticRand {
 public:
  std::array<float, kStaticRandCount> num{};
  int pos = 0;

  void Init(const std::string& seed);
  void SetPos(int n);
  void reset();
  float random();
  // Advances as random() does and reads k entries ahead of the new position.
  float randomPos(int k);
};
