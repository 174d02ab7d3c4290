// The bank's mix layout: the nine send levels of each slot, their one-entry
// clipboard, and the audio engine's global effect settings passed through the
// channel of slot (0, 0).
#include "platform/print.h"
#include "voice/voices.h"

namespace {
// The mix operations take only voices and sub-voices 0..31.
bool InMixRange(int v, int s) { return v >= 0 && v <= 31 && s >= 0 && s <= 31; }
bool InSendRange(int v, int s, int bus) {
  return TVoices::InBank(v, s) && bus >= 0 && bus < TVoices::kSends;
}
}  // namespace

void TVoices::FreshSends(int v, int s) {
  FXSends[v][s].fill(0);
  FXSends[v][s][8] = 1000;
}

int TVoices::newVoiceMix() {
  Print("Voices.NewVoiceMix");
  for (int v = 0; v < MaxVoice; ++v)
    for (int s = 0; s < MaxSubVoice; ++s) FreshSends(v, s);
  return 0;
}

int TVoices::newVoiceMixSingle(int v, int s) {
  if (!InMixRange(v, s)) return 0;
  Print("Voices.newVoiceMixSingle");
  FreshSends(v, s);
  return 0;
}

int TVoices::CopyVoiceMix(int v, int s) {
  if (!InMixRange(v, s)) return 0;
  Print("Voices.CopyVoiceMix");
  GotFXCopy = 1;
  for (int k = 0; k < kSends; ++k) FXCopy[k] = FXSends[v][s][k];
  return 0;
}

int TVoices::PasteVoiceMix(int v, int s) {
  if (GotFXCopy == 0 || !InMixRange(v, s)) return 0;
  Print("Voices.PasteVoiceMix");
  for (int k = 0; k < kSends; ++k) FXSends[v][s][k] = static_cast<uint16_t>(FXCopy[k]);
  return 0;
}

int TVoices::SetFXSend(int v, int s, int bus, int level) {
  if (!InSendRange(v, s, bus)) return 0;
  FXSends[v][s][bus] = static_cast<uint16_t>(static_cast<uint32_t>(level) & 0xFFFFu);
  return 0;
}

int TVoices::GetFXSend(int v, int s, int bus) {
  if (!InSendRange(v, s, bus)) return 0;
  return FXSends[v][s][bus];
}

int TVoices::SetFX(int param, int bus, int value) {
  if (Channel[0][0]) Channel[0][0]->SetAudioFX(param, bus, value);
  return 0;
}

int TVoices::GetFX(int param, int bus) {
  return Channel[0][0] ? Channel[0][0]->GetAudioFX(param, bus) : 0;
}

int TVoices::SetFXRoute(int route) {
  if (Channel[0][0]) Channel[0][0]->SetAudioFXRoute(static_cast<float>(route));
  return 0;
}

int TVoices::GetFXRoute() { return Channel[0][0] ? Channel[0][0]->GetAudioFXRoute() : 0; }
