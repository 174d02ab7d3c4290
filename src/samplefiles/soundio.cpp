// TSoundIO's construction, reset, preview playback on its own channel and the
// queries about the loaded sample.
#include "samplefiles/soundio.h"

#include "audio/audiofunctions.h"

TSoundIO::TSoundIO() : Channel(AllocChannel()) {}

TSoundIO::TSoundIO(NoChannel) {}

int TSoundIO::Init() { return ResetTempData(); }

int TSoundIO::ResetTempData() {
  data.fill(0.0f);
  GotSound = 0;
  CurrChannel = 0;
  CurrBits = 8;
  if (Channel) StopTemp();
  return 0;
}

int TSoundIO::StopTemp() { return PauseChannel(Channel); }

int TSoundIO::KeyUp() {
  if (Channel) Channel->KeyUp();
  return 0;
}

int TSoundIO::SetTempVol(float volume) {
  if (Loaded()) SetChannelVolume(Channel, volume);
  return 0;
}

int TSoundIO::SetTempFreq(float rate) {
  if (Loaded()) SetChannelRate(Channel, rate);
  return 0;
}

bool TSoundIO::Loaded() const { return Sound != nullptr && GotSound == 1; }

// Steps 2 and 3 of every play call: the loop, when the file gave one, then the cue.
void TSoundIO::CueTemp() {
  if (LpStart < LpEnd) {
    Sound->SetIsLooped(1);
    Sound->SetIsWaveTable(0);
    Sound->SetIsPPGWaveTable(0);
    Sound->SetLoopStart(LpStart);
    Sound->SetLoopLength(LpEnd - LpStart);
    Sound->SetPlayheadStart(0);
  }
  CueSound(Sound, Channel);
}

namespace {

// Dry only: the eight bus sends off, the dry level at unity (thousandths).
constexpr std::array<float, kChannelSends> kDrySends{0, 0, 0, 0, 0, 0, 0, 0, 1000.0f};

void SetSends(const std::shared_ptr<TChannel>& channel, const std::array<float, kChannelSends>& sends) {
  if (channel) channel->SetAllFxSend(sends);
}

}  // namespace

int TSoundIO::PlayTemp(float rate) {
  if (!Loaded()) return 0;
  CueTemp();
  SetSends(Channel, kDrySends);
  SetChannelRate(Channel, rate);
  ResumeChannel(Channel);
  return 1;
}

int TSoundIO::PlayTempVol(float rate, float volume) {
  if (!Loaded()) return 0;
  CueTemp();
  SetSends(Channel, kDrySends);
  SetChannelRate(Channel, rate);
  SetChannelVolume(Channel, volume);
  ResumeChannel(Channel);
  return 1;
}

int TSoundIO::PlayTempVolPan(float rate, float volume, float pan) {
  if (!Loaded()) return 0;
  CueTemp();
  SetSends(Channel, kDrySends);
  SetChannelRate(Channel, rate);
  SetChannelVolume(Channel, volume);
  SetChannelPan(Channel, pan);
  ResumeChannel(Channel);
  return 1;
}

int TSoundIO::PlayTempVoice(float rate, float send1, float send2, float send3, float send4, float send5,
                            float send6, float send7, float send8, float send9) {
  if (!Loaded()) return 0;
  CueTemp();
  SetSends(Channel, {send1, send2, send3, send4, send5, send6, send7, send8, send9});
  SetChannelRate(Channel, rate);
  ResumeChannel(Channel);
  return 1;
}

int TSoundIO::GetLength() { return TempSample ? TempSample->length : 1; }

int TSoundIO::Playing() { return Loaded() && Channel && Channel->Playing() != 0 ? 1 : 0; }

int TSoundIO::GetPlayhead() {
  if (!Loaded() || !Channel || Channel->Playing() == 0) return -1;
  return Channel->GetPlayPosition();
}
