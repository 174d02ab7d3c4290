// THarmonics and TAllHarmonics: defaults, reset, the range-checked parameter access and
// the bulk level operations.
#include "voice/harmonics.h"

#include "platform/numbers.h"

namespace {
bool InRange(float v, float lo, float hi) { return v >= lo && v <= hi; }
}  // namespace

int HarmonicTableCount(int amount) {
  switch (amount) {
    case 2: return 64;
    case 3: return 128;
    case 4: return 256;
    default: return 32;
  }
}

int THarmonics::Reset() {
  DoFilter(kHarmZeroAll, 0);
  MidPoint = 0.5f;
  nType = 1;
  Waveform = 0;
  return 0;
}

int THarmonics::DoFilter(int op, int harmonic) {
  if (harmonic < 0 || harmonic >= kHarmonicCount) return 0;
  switch (op) {
    case kHarmInvertOne: values[harmonic] = 1.0f - values[harmonic]; break;
    case kHarmZeroOne: values[harmonic] = 0.0f; break;
    case kHarmInvertAll:
      for (float& v : values) v = 1.0f - v;
      break;
    case kHarmZeroAll:
      for (float& v : values) v = 0.0f;
      break;
    default: break;
  }
  return 0;
}

THarmonics* TAllHarmonics::Table(int table) const {
  if (table < 1 || table > kHarmonicTables) return nullptr;
  return Wavetable[table].get();
}

int TAllHarmonics::Init() {
  for (int t = 1; t <= kHarmonicTables; ++t) {
    Wavetable[t] = std::make_unique<THarmonics>();
    Wavetable[t]->Reset();
  }
  CurrentHarmonic = 0;
  CurrentTable = 1;
  return 0;
}

int TAllHarmonics::Reset() {
  for (int t = 1; t <= kHarmonicTables; ++t) {
    if (Wavetable[t]) Wavetable[t]->Reset();
  }
  return 0;
}

float TAllHarmonics::GetValue(int table, int harmonic, int param) {
  if (table < 0 || table > kHarmonicTables) return 1.0f;
  if (harmonic < 0 || harmonic >= kHarmonicCount) return 1.0f;
  THarmonics* t = Table(table);
  switch (param) {
    case kHarmCurrentHarmonic: return static_cast<float>(CurrentHarmonic);
    case kHarmCurrentTable:
      if (CurrentTable < 1) CurrentTable = 1;
      return static_cast<float>(CurrentTable);
    case kHarmTableAmount: return static_cast<float>(TableAmount);
    case kHarmClipping: return static_cast<float>(Clipping);
    case kHarmLevel: return t ? t->values[harmonic] : 1.0f;
    case kHarmType: return t ? static_cast<float>(t->nType) : 1.0f;
    case kHarmMidPoint: return t ? t->MidPoint : 1.0f;
    case kHarmWaveform: return t ? static_cast<float>(t->Waveform) : 1.0f;
    default: return 1.0f;
  }
}

int TAllHarmonics::SetValue(int table, int harmonic, int param, float value) {
  if (table < 0 || table > kHarmonicTables) return 0;
  if (harmonic < 0 || harmonic >= kHarmonicCount) return 0;
  THarmonics* t = Table(table);
  switch (param) {
    case kHarmLevel:
      if (t && InRange(value, 0.0f, 1.0f)) t->values[harmonic] = value;
      break;
    case kHarmType:
      if (t && InRange(value, 1.0f, 3.0f)) t->nType = TruncToInt(value);
      break;
    case kHarmCurrentHarmonic:
      if (InRange(value, 0.0f, 48.0f)) CurrentHarmonic = TruncToInt(value);
      break;
    case kHarmCurrentTable:
      if (InRange(value, 0.0f, 256.0f)) {
        const float count = static_cast<float>(HarmonicTableCount(TableAmount));
        CurrentTable = TruncToInt(value > count ? count : value);
      }
      break;
    case kHarmMidPoint:
      if (t && InRange(value, 0.0f, 1.0f)) t->MidPoint = value;
      break;
    case kHarmWaveform:
      if (t && InRange(value, 0.0f, 5.0f)) t->Waveform = TruncToInt(value);
      break;
    case kHarmTableAmount:
      if (InRange(value, 1.0f, 4.0f)) TableAmount = TruncToInt(value);
      break;
    case kHarmClipping:
      if (InRange(value, 1.0f, 3.0f)) Clipping = TruncToInt(value);
      break;
    default: break;
  }
  return 0;
}

int TAllHarmonics::DoFilter(int table, int harmonic, int op) {
  if (table < 0 || table > kHarmonicTables) return 0;
  THarmonics* t = Table(table);
  if (!t) return 0;
  switch (op) {
    case kHarmInvertOne: t->DoFilter(kHarmInvertOne, harmonic); break;
    case kHarmZeroOne: t->DoFilter(kHarmZeroOne, harmonic); break;
    case kHarmInvertAll: t->DoFilter(kHarmInvertAll, 0); break;
    case kHarmZeroAll: t->DoFilter(kHarmZeroAll, 0); break;
    default: break;
  }
  return 0;
}
