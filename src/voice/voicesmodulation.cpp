// The LFO controls of a sub-voice for an editor: the active LFO, the wave shape and
// the other LFO controls read and written by parameter number. Floats handed to the
// sound's int controls are truncated toward zero.
#include "platform/numbers.h"
#include "voice/voices.h"

namespace {

constexpr int kLFOs = 4;

// Parameter numbers of the LFO controls.
constexpr int kHertz = 1;
constexpr int kTime = 2;
constexpr int kOffset = 4;
constexpr int kVertical = 13;
constexpr int kScale = 14;
constexpr int kWave = 32;

// An LFO number outside 0..3 means the voice's active LFO.
int PickLFO(const TVoice& voice, int l) { return l >= 0 && l < kLFOs ? l : voice.ActiveLFO; }

}  // namespace

int TVoices::GetActiveLFO(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  return voice ? voice->ActiveLFO : 0;
}

int TVoices::SetActiveLFO(int v, int s, int l) {
  TVoice* voice = SlotVoice(v, s);
  if (voice) voice->ActiveLFO = l;
  return 0;
}

int TVoices::GetLFOWave(int v, int s, int l) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  return voice ? voice->Sound->GetLFOWave(PickLFO(*voice, l)) : -1;
}

int TVoices::SetLFOWave(int v, int s, int wave, int l) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice) return 0;
  voice->Sound->SetLFOWave(PickLFO(*voice, l), wave);
  voice->ControlModified = 1;
  return 0;
}

float TVoices::GetLFO(int v, int s, int param, int l) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice) return 0.0f;
  const TSound& sound = *voice->Sound;
  const int lfo = PickLFO(*voice, l);
  switch (param) {
    case kWave: return static_cast<float>(sound.GetLFOWave(lfo));
    case kHertz: return static_cast<float>(sound.GetLFOHertzRate(lfo));
    case kOffset: return static_cast<float>(sound.GetLFOOffset(lfo));
    case kVertical: return static_cast<float>(sound.GetLFOVertical(lfo));
    case kScale: return static_cast<float>(sound.GetLFOScale(lfo));
    case kTime: return static_cast<float>(sound.GetLFOTime(lfo));
    default: return 0.0f;
  }
}

// Writes LFO ActiveLFO; the controls count as changed whatever the parameter.
int TVoices::SetLFO(int v, int s, int param, float value) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice) return 0;
  TSound& sound = *voice->Sound;
  const int lfo = voice->ActiveLFO;
  const int n = TruncToInt(value);
  switch (param) {
    case kWave: sound.SetLFOWave(lfo, n); break;
    case kHertz: sound.SetLFOHertzRate(lfo, n); break;
    case kOffset: sound.SetLFOOffset(lfo, n); break;
    case kVertical: sound.SetLFOVertical(lfo, n); break;
    case kScale: sound.SetLFOScale(lfo, n); break;
    case kTime: sound.SetLFOTime(lfo, n); break;
    default: break;
  }
  voice->ControlModified = 1;
  return 0;
}
