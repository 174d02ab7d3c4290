// The records of the three preset libraries: one rotor, envelope or LFO setting with its
// name. A new record has an empty name and all numbers 0.
#pragma once
#include <array>
#include <string>

constexpr int kPresetRotorLevels = 16;

class TRotorListData {
 public:
  std::string Name;
  int nActive = 0;
  int nTime = 0;
  int nCount = 0;
  std::array<int, kPresetRotorLevels> nRotor{};
};

class TEnvelopeListData {
 public:
  std::string Name;
  float nDelay = 0.0f;
  float nAttack = 0.0f;
  float nDecay = 0.0f;
  float nSustain = 0.0f;
  float nRelease = 0.0f;
};

class TLFOListData {
 public:
  std::string Name;
  float fWave = 0.0f;
  float fHertz = 0.0f;
  float fOffset = 0.0f;
  float fVOffset = 0.0f;
  float fSync = 0.0f;
  float fScale = 0.0f;
};
