// TSoftMixSound: play and cue on a channel, and each setting forwarded to its mx_
// function (setters answer 0 except the rotor's, which answer whether they stored).
#include "audio/softmixsound.h"

#include <algorithm>

#include "audio/mixerapi.h"
#include "audio/softmixchannel.h"

namespace {

constexpr int kFullMatrixLevel = 100;

}  // namespace

std::shared_ptr<TSoftMixSound> TSoftMixSound::CreateWithSound(sample* record) {
  return std::shared_ptr<TSoftMixSound>(new TSoftMixSound(record));
}

TSoftMixSound::~TSoftMixSound() { mx_FreeSound(mx_sound); }

std::shared_ptr<TChannel> TSoftMixSound::start(const std::shared_ptr<TChannel>& channel, int paused) {
  std::shared_ptr<TSoftMixChannel> given;
  int handle = 0;
  if (channel) {
    given = std::dynamic_pointer_cast<TSoftMixChannel>(channel);
    if (!given) return nullptr;  // a channel of another driver
    handle = given->Handle();
  }
  const int result = mx_PlaySound(mx_sound, paused, handle);
  if (result == 0) return nullptr;
  if (given && given->Handle() == result) return given;
  return TSoftMixChannel::CreateWithChannel(result);
}

std::shared_ptr<TChannel> TSoftMixSound::Play(const std::shared_ptr<TChannel>& channel) { return start(channel, 0); }
std::shared_ptr<TChannel> TSoftMixSound::Cue(const std::shared_ptr<TChannel>& channel) { return start(channel, 1); }

int16_t* TSoftMixSound::GetAudioSample() const { return static_cast<int16_t*>(mx_GetSoundSample(mx_sound)); }
int TSoftMixSound::GetAudioSampleLength() const { return mx_GetSoundSampleLength(mx_sound); }
int TSoftMixSound::GetAudioSampleMono() const { return mx_GetSoundSampleMono(mx_sound); }
int TSoftMixSound::GetHertzFreq() const { return mx_GetSoundHertz(mx_sound); }
int TSoftMixSound::SetHertzFreq(int hertz) { mx_SetSoundHertz(mx_sound, hertz); return 0; }
int TSoftMixSound::SetFunction(int table, int entry, int value) { mx_SetSoundFunction(mx_sound, table, entry, value); return 0; }
int TSoftMixSound::GetFunction(int table, int entry) const { return mx_GetSoundFunction(mx_sound, table, entry); }
int TSoftMixSound::SetPlayheadStart(int frame) { mx_SetSoundPlayheadStart(mx_sound, frame); return 0; }
int TSoftMixSound::SetLoopStart(int frame) { mx_SetSoundLoopStart(mx_sound, frame); return 0; }
int TSoftMixSound::SetLoopLength(int frames) { mx_SetSoundLoopLength(mx_sound, frames); return 0; }
int TSoftMixSound::GetLoopStart() const { return mx_GetSoundLoopStart(mx_sound); }
int TSoftMixSound::GetLoopLength() const { return mx_GetSoundLoopLength(mx_sound); }
int TSoftMixSound::GetLoop() const { return mx_GetSoundLoop(mx_sound); }
int TSoftMixSound::GetIsLooped() const { return mx_GetSoundIsLooped(mx_sound); }
int TSoftMixSound::SetIsLooped(int flag) { mx_SetSoundIsLooped(mx_sound, flag); return 0; }

int TSoftMixSound::SetADSR(int envelope, int delay, int attack, int decay, int sustain, int release) {
  mx_SetSoundADSR(mx_sound, envelope, delay, attack, decay, sustain, release);
  return 0;
}

int TSoftMixSound::GetDelay(int envelope) const { return mx_GetSoundDelay(mx_sound, envelope); }
int TSoftMixSound::GetAttack(int envelope) const { return mx_GetSoundAttack(mx_sound, envelope); }
int TSoftMixSound::GetDecay(int envelope) const { return mx_GetSoundDecay(mx_sound, envelope); }
int TSoftMixSound::GetSustain(int envelope) const { return mx_GetSoundSustain(mx_sound, envelope); }
int TSoftMixSound::GetRelease(int envelope) const { return mx_GetSoundRelease(mx_sound, envelope); }
int TSoftMixSound::SetWaveTableAmount(int amount) { mx_SetSoundWaveTableAmount(mx_sound, amount); return 0; }
int TSoftMixSound::GetWaveTableAmount() const { return mx_GetSoundWaveTableAmount(mx_sound); }
int TSoftMixSound::SetWaveLoopStart(int frame) { mx_SetSoundWaveLoopStart(mx_sound, frame); return 0; }
int TSoftMixSound::SetWaveLength(int steps) { mx_SetSoundWaveLength(mx_sound, steps); return 0; }
int TSoftMixSound::SetIsWaveTable(int flag) { mx_SetSoundIsWavetable(mx_sound, flag); return 0; }
int TSoftMixSound::GetIsWaveTable() const { return mx_GetSoundIsWavetable(mx_sound); }
int TSoftMixSound::SetIsPPGWaveTable(int flag) { mx_SetSoundIsPPGWavetable(mx_sound, flag); return 0; }
int TSoftMixSound::GetIsPPGWaveTable() const { return mx_GetSoundIsPPGWavetable(mx_sound); }
int TSoftMixSound::WaveLoopStart() const { return mx_GetSoundWaveLoopStart(mx_sound); }
int TSoftMixSound::WaveLength() const { return mx_GetSoundWaveLength(mx_sound); }
int TSoftMixSound::WaveTable(int step) const { return mx_GetSoundWaveTable(mx_sound, step); }
int TSoftMixSound::WaveTableRepeat(int step) const { return mx_GetSoundWaveTableRepeat(mx_sound, step); }
int TSoftMixSound::SetWaveTable(int step, int wave) { mx_SetSoundWaveTable(mx_sound, step, wave); return 0; }
int TSoftMixSound::SetWaveTableRepeat(int step, int count) { mx_SetSoundWaveTableRepeat(mx_sound, step, count); return 0; }

int TSoftMixSound::SetWaveTableRep(int step, int wave, int count) {
  mx_SetSoundWaveTableRep(mx_sound, step, wave, count);
  return 0;
}

int TSoftMixSound::SetLFOWave(int lfo, int wave) { mx_SetSoundLFOWave(mx_sound, lfo, wave); return 0; }
int TSoftMixSound::GetLFOWave(int lfo) const { return mx_GetSoundLFOWave(mx_sound, lfo); }
int TSoftMixSound::SetLFOTime(int lfo, int mode) { mx_SetSoundLFOTime(mx_sound, lfo, mode); return 0; }
int TSoftMixSound::GetLFOTime(int lfo) const { return mx_GetSoundLFOTime(mx_sound, lfo); }
int TSoftMixSound::SetLFOHertzRate(int lfo, int rate) { mx_SetSoundLFOHertzRate(mx_sound, lfo, rate); return 0; }
int TSoftMixSound::GetLFOHertzRate(int lfo) const { return mx_GetSoundLFOHertzRate(mx_sound, lfo); }
int TSoftMixSound::SetLFOSteps(int lfo, int steps) { mx_SetSoundLFOSteps(mx_sound, lfo, steps); return 0; }
int TSoftMixSound::GetLFOSteps(int lfo) const { return mx_GetSoundLFOSteps(mx_sound, lfo); }
int TSoftMixSound::SetLFOStep(int lfo, int step, int value) { mx_SetSoundLFOStep(mx_sound, lfo, step, value); return 0; }
int TSoftMixSound::GetLFOStep(int lfo, int step) const { return mx_GetSoundLFOStep(mx_sound, lfo, step); }
int TSoftMixSound::SetLFOOffset(int lfo, int offset) { mx_SetSoundLFOOffset(mx_sound, lfo, offset); return 0; }
int TSoftMixSound::GetLFOOffset(int lfo) const { return mx_GetSoundLFOOffset(mx_sound, lfo); }
int TSoftMixSound::SetMatrixLevel(int index, int hundredths) { mx_SetSoundLFOLevel(mx_sound, index, hundredths); return 0; }

int TSoftMixSound::GetMatrixLevel(int index) const {
  return std::min(mx_GetSoundLFOLevel(mx_sound, index), kFullMatrixLevel);
}

int TSoftMixSound::SetModMatrix(int row, int column, int flag) { mx_SetSoundModMatrix(mx_sound, row, column, flag); return 0; }
int TSoftMixSound::GetModMatrix(int row, int column) const { return mx_GetSoundModMatrix(mx_sound, row, column); }
int TSoftMixSound::SetRotorActive(int flag) { return mx_SetSoundRotorActive(mx_sound, flag); }
int TSoftMixSound::GetRotorActive() const { return mx_GetSoundRotorActive(mx_sound); }
int TSoftMixSound::SetRotorTime(int millis) { return mx_SetSoundRotorTime(mx_sound, millis); }
int TSoftMixSound::GetRotorTime() const { return mx_GetSoundRotorTime(mx_sound); }
int TSoftMixSound::SetRotorCount(int count) { return mx_SetSoundRotorCount(mx_sound, count); }
int TSoftMixSound::GetRotorCount() const { return mx_GetSoundRotorCount(mx_sound); }
int TSoftMixSound::SetRotor(int index, int value) { return mx_SetSoundRotor(mx_sound, index, value); }
int TSoftMixSound::GetRotor(int index) const { return mx_GetSoundRotor(mx_sound, index); }
int TSoftMixSound::SetRotorLevel(int index, int hundredths) { return mx_SetSoundRotorLevel(mx_sound, index, hundredths); }
int TSoftMixSound::GetRotorLevel(int index) const { return mx_GetSoundRotorLevel(mx_sound, index); }
int TSoftMixSound::SetLFOVertical(int lfo, int offset) { mx_SetSoundLFOVerticalOffset(mx_sound, lfo, offset); return 0; }
int TSoftMixSound::GetLFOVertical(int lfo) const { return mx_GetSoundLFOVerticalOffset(mx_sound, lfo); }
int TSoftMixSound::SetLFOScale(int lfo, int thousandths) { mx_SetSoundLFOScale(mx_sound, lfo, thousandths); return 0; }
int TSoftMixSound::GetLFOScale(int lfo) const { return mx_GetSoundLFOScale(mx_sound, lfo); }
