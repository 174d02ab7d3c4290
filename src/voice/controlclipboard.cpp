// The control clipboard gSoundDataCopyBuffer: a slot's synth controls copied and
// pasted whole (CopyMatrix, PasteMatrix) or one family at a time: the active envelope,
// the rotor, the active LFO. An empty slot changes nothing; no flag is set.
#include "platform/numbers.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {

// The slot's voice when it has a sound and the clipboard exists.
TVoice* withsound(const TVoices& bank, int v, int s) {
  return gSoundDataCopyBuffer ? bank.SlotVoiceWithSound(v, s) : nullptr;
}

}  // namespace

int TVoices::CopyMatrix(int v, int s) {
  if (TVoice* voice = withsound(*this, v, s)) voice->CopyControlData(voice->Sound, gSoundDataCopyBuffer, "copy");
  return 0;
}

int TVoices::PasteMatrix(int v, int s) {
  if (TVoice* voice = withsound(*this, v, s)) voice->PasteControlData(gSoundDataCopyBuffer, voice->Sound, "paste");
  return 0;
}

int TVoices::CopyEnvelope(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  const int e = voice->ActiveEnvelope;
  TVoiceData& d = *gSoundDataCopyBuffer;
  d.nDelay[0] = voice->Sound->GetDelay(e);
  d.nAttack[0] = voice->Sound->GetAttack(e);
  d.nDecay[0] = voice->Sound->GetDecay(e);
  d.nSustain[0] = voice->Sound->GetSustain(e);
  d.nRelease[0] = voice->Sound->GetRelease(e);
  return 0;
}

int TVoices::PasteEnvelope(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  const TVoiceData& d = *gSoundDataCopyBuffer;
  voice->Sound->SetADSR(voice->ActiveEnvelope, d.nDelay[0], d.nAttack[0], d.nDecay[0], d.nSustain[0], d.nRelease[0]);
  return 0;
}

int TVoices::CopyRotor(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  TVoiceData& d = *gSoundDataCopyBuffer;
  for (int i = 0; i < TVoiceData::kRotorLevels; ++i) d.nRotorLevel[i] = voice->Sound->GetRotorLevel(i);
  d.nRotorActive = voice->Sound->GetRotorActive();
  d.nRotorTime = voice->Sound->GetRotorTime();
  d.nRotorCount = voice->Sound->GetRotorCount();
  return 0;
}

int TVoices::PasteRotor(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  const TVoiceData& d = *gSoundDataCopyBuffer;
  for (int i = 0; i < TVoiceData::kRotorLevels; ++i) voice->Sound->SetRotorLevel(i, d.nRotorLevel[i]);
  voice->Sound->SetRotorActive(d.nRotorActive);
  voice->Sound->SetRotorTime(d.nRotorTime);
  voice->Sound->SetRotorCount(d.nRotorCount);
  return 0;
}

int TVoices::CopyLFO(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  const int l = voice->ActiveLFO;
  TVoiceData& d = *gSoundDataCopyBuffer;
  d.fWave[0] = static_cast<float>(voice->Sound->GetLFOWave(l));
  d.fHertz[0] = static_cast<float>(voice->Sound->GetLFOHertzRate(l));
  d.fOffset[0] = static_cast<float>(voice->Sound->GetLFOOffset(l));
  d.fVOffset[0] = static_cast<float>(voice->Sound->GetLFOVertical(l));
  d.fSync[0] = static_cast<float>(voice->Sound->GetLFOTime(l));
  d.fScale[0] = static_cast<float>(voice->Sound->GetLFOScale(l));
  return 0;
}

int TVoices::PasteLFO(int v, int s) {
  TVoice* voice = withsound(*this, v, s);
  if (voice == nullptr) return 0;
  const int l = voice->ActiveLFO;
  const TVoiceData& d = *gSoundDataCopyBuffer;
  voice->Sound->SetLFOWave(l, TruncToInt(d.fWave[0]));
  voice->Sound->SetLFOHertzRate(l, TruncToInt(d.fHertz[0]));
  voice->Sound->SetLFOOffset(l, TruncToInt(d.fOffset[0]));
  voice->Sound->SetLFOVertical(l, TruncToInt(d.fVOffset[0]));
  voice->Sound->SetLFOTime(l, TruncToInt(d.fSync[0]));
  voice->Sound->SetLFOScale(l, TruncToInt(d.fScale[0]));
  return 0;
}
