// Note playback of the bank: PlayNote, PlayNoteVol, PlayNotePart, PlayTrackNote,
// KeyUp and Stop. Each hands the slot's send levels to the slot's channel and leaves
// the start itself to the slot's voice; a new note of a slot restarts its channel.
#include <array>

#include "voice/voices.h"

namespace {

constexpr int kFixedRateParam = 17;
constexpr int kMuteDecides = -99;
constexpr int kReleasableSlots = 32;  // voice 32 and sub-voice 32 are never released

// The nine send levels, unsigned, as floats in bus order.
void HandSends(const TVoices& bank, int v, int s, const std::shared_ptr<TChannel>& channel) {
  if (!channel) return;
  std::array<float, kChannelSends> sends{};
  for (int k = 0; k < kChannelSends; ++k) sends[k] = static_cast<float>(bank.FXSends[v][s][k]);
  channel->SetAllFxSend(sends);
}

// A soloed sibling refuses the note.
bool SilencedBySolo(const TVoices& bank, int v, int s) {
  const int solo = bank.MixSolo[v];
  return solo >= 0 && solo != s;
}

}  // namespace

int TVoices::PlayNote(int v, int s, float rate) { return PlayNoteVol(v, s, rate, 1.0f); }

int TVoices::PlayNoteVol(int v, int s, float rate, float volume) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || SilencedBySolo(*this, v, s)) return 0;
  const std::shared_ptr<TChannel> channel = Channel[v][s];
  HandSends(*this, v, s, channel);
  return voice->Play(channel, rate, GetVolume(v, s, kFixedRateParam), volume, kMuteDecides);
}

int TVoices::PlayNotePart(int v, int s, int rate, int start, int end) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || SilencedBySolo(*this, v, s)) return 0;
  const std::shared_ptr<TChannel> channel = Channel[v][s];
  HandSends(*this, v, s, channel);
  return voice->PlayPart(channel, static_cast<float>(rate), GetVolume(v, s, kFixedRateParam), start, end);
}

// A track note ignores the solo. The fifth argument is the untracked rate, and the
// first, scaled by the slot's fixed rate, the volume factor.
int TVoices::PlayTrackNote(float first, int v, int s, float rate, int fifth, int volumeMode) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const std::shared_ptr<TChannel> channel = Channel[v][s];
  HandSends(*this, v, s, channel);
  const float volume = first * GetVolume(v, s, kFixedRateParam);
  return voice->Play(channel, rate, static_cast<float>(fifth), volume, volumeMode);
}

int TVoices::KeyUp(int v, int s) {
  if (v < 0 || v >= kReleasableSlots || s < 0 || s >= kReleasableSlots) return 0;
  const std::shared_ptr<TChannel> channel = Channel[v][s];
  if (channel) channel->KeyUp();
  return 0;
}

int TVoices::Stop(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice) voice->Stop(Channel[v][s]);
  return 0;
}
