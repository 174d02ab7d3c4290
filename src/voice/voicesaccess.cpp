// Per-slot accessors of a sub-voice: its envelopes, rotor, modulation matrix and
// levels, view and modification flags, sample pointer and length, and names. Each
// answers a fixed value for an empty slot and changes nothing there.
#include "voice/voices.h"

namespace {
// The slot's voice when it holds a sound, for the accessors that reach the sound.
TSound* SoundOf(const TVoice* voice) { return voice ? voice->Sound.get() : nullptr; }
}  // namespace

int TVoices::GetActiveEnvelope(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->ActiveEnvelope : 0;
}

int TVoices::SetActiveEnvelope(int v, int s, int value) {
  if (TVoice* voice = SlotVoice(v, s)) voice->ActiveEnvelope = value;
  return 0;
}

int TVoices::GetEnvelope(int v, int s, int e, int p) {
  TSound* sound = SoundOf(SlotVoice(v, s));
  if (sound == nullptr) return 0;
  switch (p) {
    case 1: return sound->GetDelay(e);
    case 2: return sound->GetAttack(e);
    case 3: return sound->GetDecay(e);
    case 4: return sound->GetSustain(e);
    case 5: return sound->GetRelease(e);
    default: return 0;
  }
}

int TVoices::SetEnvelope(int v, int s, int e, int p, int value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return -1;
  voice->ControlModified = 1;
  TSound* sound = voice->Sound.get();
  if (sound == nullptr || p < 1 || p > 5) return -1;
  int values[5] = {sound->GetDelay(e), sound->GetAttack(e), sound->GetDecay(e),
                   sound->GetSustain(e), sound->GetRelease(e)};
  values[p - 1] = value;
  return sound->SetADSR(e, values[0], values[1], values[2], values[3], values[4]);
}

int TVoices::GetDisplay(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->CurrDisplay : 0;
}

int TVoices::SetDisplay(int v, int s, int value) {
  if (TVoice* voice = SlotVoice(v, s)) voice->CurrDisplay = value;
  return 0;
}

int TVoices::GetModified(int v, int s, int which) {
  const TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  if (which == 1) return voice->SampleModified;
  if (which == 2) return voice->ControlModified;
  return 0;
}

int TVoices::SetModified(int v, int s, int which, int value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  if (which == 1) voice->SampleModified = value;
  if (which == 2) voice->ControlModified = value;
  return 0;
}

int TVoices::GetRotor(int v, int s, int p, int i) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  TSound* sound = voice->Sound.get();
  if (p < 1 || p > 4) return -1;
  if (sound == nullptr) return 0;
  switch (p) {
    case 1: return sound->GetRotorLevel(i);
    case 2: return sound->GetRotorTime();
    case 3: return sound->GetRotorCount();
    default: return sound->GetRotorActive();
  }
}

int TVoices::SetRotor(int v, int s, int p, int value, int i) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  voice->ControlModified = 1;
  if (p < 1 || p > 4) return -1;
  TSound* sound = voice->Sound.get();
  if (sound == nullptr) return 0;
  switch (p) {
    case 1: return sound->SetRotorLevel(i, value);
    case 2: return sound->SetRotorTime(value);
    case 3: return sound->SetRotorCount(value);
    default: return sound->SetRotorActive(value);
  }
}

int TVoices::GetMatrix(int v, int s, int row, int column) {
  TSound* sound = SoundOf(SlotVoice(v, s));
  return sound ? sound->GetModMatrix(row, column) : 0;
}

int TVoices::SetMatrix(int v, int s, int row, int column, int value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  voice->ControlModified = 1;
  return voice->Sound ? voice->Sound->SetModMatrix(row, column, value) : 0;
}

int TVoices::GetMatrixLevel(int v, int s, int i) {
  TSound* sound = SoundOf(SlotVoice(v, s));
  return sound ? sound->GetMatrixLevel(i) : 0;
}

int TVoices::SetMatrixLevel(int v, int s, int i, int value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  voice->ControlModified = 1;
  return voice->Sound ? voice->Sound->SetMatrixLevel(i, value) : 0;
}

int16_t* TVoices::GetPtr(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->SamplePtr : nullptr;
}

int TVoices::GetLength(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->SoundLength() : 0;
}

int TVoices::GetActive(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->GotSound : 0;
}

int TVoices::GetVoiceActive(int v) {
  int active = 0;
  for (int s = 1; s < MaxSubVoice; ++s)
    if (GetActive(v, s) != 0) active = 1;
  return active;
}

std::string TVoices::GetName(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->Name : "Not Loaded";
}

std::string TVoices::GetFolder(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->dir : "";
}

std::string TVoices::GetAlias(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->strAlias : "Not Loaded";
}

int TVoices::SetAlias(int v, int s, const std::string& alias) {
  if (TVoice* voice = SlotVoice(v, s)) voice->strAlias = alias;
  return 0;
}
