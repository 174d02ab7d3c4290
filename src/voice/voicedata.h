// TVoiceData: a plain snapshot of a sound's synthesis controls (envelopes, LFOs,
// rotor, wavetable step table, modulation matrix rows 0..14 x columns 0..16), held
// outside any sound. TVoice::CopyControlData and PasteControlData move it.
#pragma once
#include <array>

struct TVoiceData {
  static constexpr int kEnvelopes = 4;
  static constexpr int kLFOs = 4;
  static constexpr int kRotorLevels = 16;
  static constexpr int kSteps = 128;
  static constexpr int kMatrixRows = 15;
  static constexpr int kMatrixColumns = 17;

  std::array<int, kEnvelopes> nDelay{};
  std::array<int, kEnvelopes> nAttack{};
  std::array<int, kEnvelopes> nDecay{};
  std::array<int, kEnvelopes> nSustain{};
  std::array<int, kEnvelopes> nRelease{};
  std::array<float, kLFOs> fWave{};
  std::array<float, kLFOs> fHertz{};
  std::array<float, kLFOs> fOffset{};
  std::array<float, kLFOs> fVOffset{};
  std::array<float, kLFOs> fSync{};
  std::array<float, kLFOs> fScale{};
  std::array<int, kRotorLevels> nRotorLevel{};
  int nRotorActive = 0;
  int nRotorTime = 0;
  int nRotorCount = 0;
  std::array<int, kSteps> nMode1Repeat{};
  std::array<int, kSteps> nMode1Position{};
  std::array<int, kMatrixRows> nMatrixLevel{};
  std::array<std::array<int, kMatrixColumns>, kMatrixRows> nMatrix{};
};
