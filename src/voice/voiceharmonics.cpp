// A voice's harmonic tables, made on first use by GetHarmonic or SetHarmonic.
#include "voice/harmonics.h"
#include "voice/voice.h"

namespace {
TAllHarmonics& HarmonicsOf(std::shared_ptr<TAllHarmonics>& harmonics) {
  if (!harmonics) {
    harmonics = std::make_shared<TAllHarmonics>();
    harmonics->Init();
  }
  return *harmonics;
}
}  // namespace

float TVoice::GetHarmonic(int table, int harmonic, int param) {
  return HarmonicsOf(Harmonics).GetValue(table, harmonic, param);
}

float TVoice::SetHarmonic(int table, int harmonic, int param, float value) {
  HarmonicsOf(Harmonics).SetValue(table, harmonic, param, value);
  return 0.0f;
}
