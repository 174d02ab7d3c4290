// The preset operations of a sub-voice's modulation: Apply copies the preset chosen
// in the LFO, envelope or rotor library into the sound; AddToFolder stores the
// sound's current setting as a new preset and saves the library; Remove deletes the
// chosen preset while the library is not being browsed.
#include <array>

#include "platform/numbers.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {

// The record of the chosen preset, or nullptr when none is chosen.
template <class List, class Records>
auto Chosen(List& list, Records& records) -> decltype(records[0].get()) {
  const int p = list.GetFlatPos(-1);
  if (p < 0 || p >= static_cast<int>(records.size())) return nullptr;
  return records[static_cast<size_t>(p)].get();
}

template <class List, class Records>
int RemoveChosen(const TVoices& bank, int v, int s, List* list, Records List::*records) {
  if (!bank.SlotVoice(v, s) || !list || list->InBrowser != 0) return 0;
  if (!Chosen(*list, list->*records)) return 0;
  list->RemoveFromFolder();
  return 0;
}

float AsFloat(int value) { return static_cast<float>(value); }

}  // namespace

int TVoices::LFOApply(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !LFOList) return 0;
  const TLFOListData* preset = Chosen(*LFOList, LFOList->LFOListData);
  if (!preset) return 0;
  TSound& sound = *voice->Sound;
  const int l = voice->ActiveLFO;
  sound.SetLFOWave(l, TruncToInt(preset->fWave));
  sound.SetLFOHertzRate(l, TruncToInt(preset->fHertz));
  sound.SetLFOOffset(l, TruncToInt(preset->fOffset));
  sound.SetLFOVertical(l, TruncToInt(preset->fVOffset));
  sound.SetLFOTime(l, TruncToInt(preset->fSync));
  sound.SetLFOScale(l, TruncToInt(preset->fScale));
  return 0;
}

int TVoices::LFOAddToFolder(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !LFOList) return 0;
  const TSound& sound = *voice->Sound;
  const int l = voice->ActiveLFO;
  LFOList->AddToFolder(LFOName, AsFloat(sound.GetLFOWave(l)), AsFloat(sound.GetLFOHertzRate(l)),
                       AsFloat(sound.GetLFOOffset(l)), AsFloat(sound.GetLFOVertical(l)),
                       AsFloat(sound.GetLFOTime(l)), AsFloat(sound.GetLFOScale(l)));
  LFOList->SaveData();
  return 0;
}

int TVoices::LFORemove(int v, int s) { return RemoveChosen(*this, v, s, LFOList.get(), &TLFOList::LFOListData); }

int TVoices::EnvelopeApply(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !EnvelopeList) return 0;
  const TEnvelopeListData* preset = Chosen(*EnvelopeList, EnvelopeList->EnvelopeListData);
  if (!preset) return 0;
  voice->Sound->SetADSR(voice->ActiveEnvelope, TruncToInt(preset->nDelay), TruncToInt(preset->nAttack),
                        TruncToInt(preset->nDecay), TruncToInt(preset->nSustain), TruncToInt(preset->nRelease));
  return 0;
}

int TVoices::EnvelopeAddToFolder(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !EnvelopeList) return 0;
  const TSound& sound = *voice->Sound;
  const int e = voice->ActiveEnvelope;
  EnvelopeList->AddToFolder(EnvelopeName, AsFloat(sound.GetDelay(e)), AsFloat(sound.GetAttack(e)),
                            AsFloat(sound.GetDecay(e)), AsFloat(sound.GetSustain(e)), AsFloat(sound.GetRelease(e)));
  EnvelopeList->SaveData();
  return 0;
}

int TVoices::EnvelopeRemove(int v, int s) {
  return RemoveChosen(*this, v, s, EnvelopeList.get(), &TEnvelopeList::EnvelopeListData);
}

int TVoices::RotorApply(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !RotorList) return 0;
  const TRotorListData* preset = Chosen(*RotorList, RotorList->RotorListData);
  if (!preset) return 0;
  TSound& sound = *voice->Sound;
  sound.SetRotorActive(preset->nActive);
  sound.SetRotorTime(preset->nTime);
  sound.SetRotorCount(preset->nCount);
  for (int i = 0; i < kPresetRotorLevels; ++i) sound.SetRotorLevel(i, preset->nRotor[static_cast<size_t>(i)]);
  return 0;
}

int TVoices::RotorAddToFolder(int v, int s) {
  TVoice* voice = SlotVoiceWithSound(v, s);
  if (!voice || !RotorList) return 0;
  const TSound& sound = *voice->Sound;
  std::array<int, kPresetRotorLevels> levels{};
  for (int i = 0; i < kPresetRotorLevels; ++i) levels[static_cast<size_t>(i)] = sound.GetRotorLevel(i);
  RotorList->AddToFolder(RotorName, sound.GetRotorActive(), sound.GetRotorTime(), sound.GetRotorCount(), levels);
  RotorList->SaveData();
  return 0;
}

int TVoices::RotorRemove(int v, int s) {
  return RemoveChosen(*this, v, s, RotorList.get(), &TRotorList::RotorListData);
}
