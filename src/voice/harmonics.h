// The harmonic tables of a sub-voice: THarmonics (48 partial levels, mid point, source
// waveform and type of one table) and TAllHarmonics (tables 1..256 with the settings
// they share), read and written through parameter numbers 10..17.
#pragma once
#include <array>
#include <memory>

constexpr int kHarmonicCount = 48;
constexpr int kHarmonicTables = 256;

// Parameter numbers of GetValue and SetValue.
constexpr int kHarmLevel = 10;
constexpr int kHarmType = 11;
constexpr int kHarmCurrentHarmonic = 12;
constexpr int kHarmCurrentTable = 13;
constexpr int kHarmMidPoint = 14;
constexpr int kHarmWaveform = 15;
constexpr int kHarmTableAmount = 16;
constexpr int kHarmClipping = 17;

// Operations of DoFilter.
constexpr int kHarmInvertOne = 100;
constexpr int kHarmZeroOne = 101;
constexpr int kHarmInvertAll = 120;
constexpr int kHarmZeroAll = 121;

class THarmonics {
 public:
  THarmonics() = default;
  virtual ~THarmonics() = default;

  std::array<float, kHarmonicCount> values{};  // index 0 is the fundamental
  float MidPoint = 0.0f;
  int Waveform = 0;  // 0 sine, 1 square, 2 triangle, 3 saw, 4 and 5 mixes of sub-voices
  int nType = 1;

  virtual int Reset();
  virtual int DoFilter(int op, int harmonic);
};

class TAllHarmonics {
 public:
  TAllHarmonics() = default;
  virtual ~TAllHarmonics() = default;

  int CurrentHarmonic = 0;
  int CurrentTable = 1;
  std::array<std::unique_ptr<THarmonics>, kHarmonicTables + 1> Wavetable{};  // entry 0 unused
  int TableAmount = 3;  // 1: 32 tables, 2: 64, 3: 128, 4: 256
  int Clipping = 1;     // 1 scale down, 2 hard clip, 3 wrap

  virtual int Init();
  virtual int Reset();
  virtual float GetValue(int table, int harmonic, int param);
  virtual int SetValue(int table, int harmonic, int param, float value);
  virtual int DoFilter(int table, int harmonic, int op);

  // The table numbered table, or null for table 0, a number out of range or before Init.
  THarmonics* Table(int table) const;
};

// The table count of a table-amount code: 2 gives 64, 3 128, 4 256, any other 32.
int HarmonicTableCount(int amount);
