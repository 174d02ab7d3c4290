// TVoices life cycle: construction (New), Init, Shutdown, emptying the bank
// (NewVoices) or one slot (InitSubVoice), the slot look-up all operations share, and
// the key map read-back.
#include "voice/voices.h"

#include "audio/audiofunctions.h"
#include "platform/print.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"
#include "voice/voiceglobals.h"

TVoices::TVoices()
    : VocRef(33),
      LFOList(std::make_shared<TLFOList>()),
      EnvelopeList(std::make_shared<TEnvelopeList>()),
      RotorList(std::make_shared<TRotorList>()) {}

TVoices::~TVoices() = default;

TVoice* TVoices::SlotVoice(int v, int s) const {
  if (!InBank(v, s)) return nullptr;
  const int index = Voc[v][s];
  if (index < 0 || index >= static_cast<int>(VocRef.size())) return nullptr;
  return VocRef[index].get();
}

TVoice* TVoices::SlotVoiceWithSound(int v, int s) const {
  TVoice* voice = SlotVoice(v, s);
  return voice != nullptr && voice->Sound ? voice : nullptr;
}

std::shared_ptr<TChannel> TVoices::SlotChannel(int v, int s) const {
  return InBank(v, s) ? Channel[v][s] : nullptr;
}

int TVoices::Init() {
  if (VocRef.size() < static_cast<size_t>(MaxVoice)) VocRef.resize(MaxVoice);
  for (int v = 0; v < MaxVoice; ++v) {
    VocRef[v] = std::make_shared<TVoice>();
    VocRef[v]->Init();
    voiceDirectVolume[v] = 1.0f;
    voiceDirectName[v] = "()";
    MixSolo[v] = -1;
    for (int s = 0; s < MaxSubVoice; ++s) {
      Voc[v][s] = -1;
      Channel[v][s] = AllocChannel();
      rootnote[v][s] = 0;
      FreshSends(v, s);
      for (int k = 0; k < kKeys; ++k) alloc[v][s][k] = k;
    }
  }
  Print("Init controls");
  LFOList->Init();
  EnvelopeList->Init();
  RotorList->Init();
  Print(" Init FX");
  SetFX(969, 0, 1);
  return 0;
}

int TVoices::Shutdown() {
  Print("Voice Shutdown");
  LFOList->Shutdown();
  EnvelopeList->Shutdown();
  RotorList->Shutdown();
  return 0;
}

int TVoices::NewVoices() {
  for (int v = 0; v < MaxVoice; ++v) {
    if (VocRef[v]) VocRef[v]->Init();
    voiceDirectVolume[v] = 1.0f;
    voiceDirectName[v] = "()";
    voiceArm[v] = 0;
    MixSolo[v] = -1;
    for (int s = 0; s < MaxSubVoice; ++s) {
      Voc[v][s] = -1;
      Channel[v][s] = nullptr;
      Channel[v][s] = AllocChannel();
      rootnote[v][s] = 0;
    }
  }
  return 0;
}

int TVoices::InitSubVoice(int v, int s) {
  if (SlotVoice(v, s) == nullptr) return 0;
  Voc[v][s] = -1;
  Channel[v][s] = nullptr;
  Channel[v][s] = AllocChannel();
  rootnote[v][s] = 0;
  alloc[v][s].fill(kKeys);
  return 0;
}

int TVoices::GetAlloc(int v, int s, int key) {
  if (SlotVoice(v, s) == nullptr || key < 0 || key >= kKeys) return -1;
  return alloc[v][s][key];
}
