// THarmonicSource: the four source waveforms of the harmonic calculation (sine, square,
// triangle, saw; one cycle of 2001 points at full 16-bit scale), the warped 2000-point
// working copy with the half-cycle point moved to a mid point, and the editor's source
// panel.
#pragma once
#include <array>

constexpr int kSourceWaves = 4;
constexpr int kSourcePoints = 2001;
constexpr int kWarpPoints = 2000;

class THarmonicSource {
 public:
  THarmonicSource() = default;
  virtual ~THarmonicSource() = default;

  std::array<std::array<float, kSourcePoints>, kSourceWaves> Source{};
  int CurrentWave = -1;
  float CurrentMid = -1.0f;
  std::array<float, kWarpPoints> CurrentSource{};

  virtual int Init();
  // Fills the sources first when Init has not run yet, so no warp is made of silence.
  virtual int FillSource(float mid, int wave);
  virtual int DrawSource(int x, int y, int w, int h, float mid, int wave);

 private:
  bool filled_ = false;
};
