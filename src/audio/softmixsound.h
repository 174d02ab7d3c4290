// TSoftMixSound: a sound of the mixer's driver. It holds one reference to its mixer
// record (class sample) and forwards every operation to the mixer's function
// interface, one mx_ call each. A sound made while the mixer was not running has no
// record: every operation then answers the interface's stopped answers.
#pragma once
#include "audio/sound.h"

class sample;

class TSoftMixSound : public TSound {
 public:
  // Takes over the creator's reference to record (which may be nullptr).
  static std::shared_ptr<TSoftMixSound> CreateWithSound(sample* record);
  ~TSoftMixSound() override;  // drops the reference; playing voices keep the record

  std::shared_ptr<TChannel> Play(const std::shared_ptr<TChannel>& channel) override;
  std::shared_ptr<TChannel> Cue(const std::shared_ptr<TChannel>& channel) override;

  int16_t* GetAudioSample() const override;
  int GetAudioSampleLength() const override;
  int GetAudioSampleMono() const override;
  int GetHertzFreq() const override;
  int SetHertzFreq(int hertz) override;
  int SetFunction(int table, int entry, int value) override;
  int GetFunction(int table, int entry) const override;
  int InitFunctions() override;
  int SetPlayheadStart(int frame) override;
  int SetLoopStart(int frame) override;
  int SetLoopLength(int frames) override;
  int GetLoopStart() const override;
  int GetLoopLength() const override;
  int GetLoop() const override;
  int GetIsLooped() const override;
  int SetIsLooped(int flag) override;
  int SetADSR(int envelope, int delay, int attack, int decay, int sustain, int release) override;
  int GetDelay(int envelope) const override;
  int GetAttack(int envelope) const override;
  int GetDecay(int envelope) const override;
  int GetSustain(int envelope) const override;
  int GetRelease(int envelope) const override;
  int SetWaveTableAmount(int amount) override;
  int GetWaveTableAmount() const override;
  int SetWaveLoopStart(int frame) override;
  int SetWaveLength(int steps) override;
  int SetIsWaveTable(int flag) override;
  int GetIsWaveTable() const override;
  int SetIsPPGWaveTable(int flag) override;
  int GetIsPPGWaveTable() const override;
  int WaveLoopStart() const override;
  int WaveLength() const override;
  int WaveTable(int step) const override;
  int WaveTableRepeat(int step) const override;
  int SetWaveTable(int step, int wave) override;
  int SetWaveTableRepeat(int step, int count) override;
  int SetWaveTableRep(int step, int wave, int count) override;
  int SetLFOWave(int lfo, int wave) override;
  int GetLFOWave(int lfo) const override;
  int SetLFOTime(int lfo, int mode) override;
  int GetLFOTime(int lfo) const override;
  int SetLFOHertzRate(int lfo, int rate) override;
  int GetLFOHertzRate(int lfo) const override;
  int SetLFOSteps(int lfo, int steps) override;
  int GetLFOSteps(int lfo) const override;
  int SetLFOStep(int lfo, int step, int value) override;
  int GetLFOStep(int lfo, int step) const override;
  int SetLFOOffset(int lfo, int offset) override;
  int GetLFOOffset(int lfo) const override;
  int SetMatrixLevel(int index, int hundredths) override;
  int GetMatrixLevel(int index) const override;
  int SetModMatrix(int row, int column, int flag) override;
  int GetModMatrix(int row, int column) const override;
  int SetRotorActive(int flag) override;
  int GetRotorActive() const override;
  int SetRotorTime(int millis) override;
  int GetRotorTime() const override;
  int SetRotorCount(int count) override;
  int GetRotorCount() const override;
  int SetRotor(int index, int value) override;
  int GetRotor(int index) const override;
  int SetRotorLevel(int index, int hundredths) override;
  int GetRotorLevel(int index) const override;
  int SetLFOVertical(int lfo, int offset) override;
  int GetLFOVertical(int lfo) const override;
  int SetLFOScale(int lfo, int thousandths) override;
  int GetLFOScale(int lfo) const override;

  sample* const mx_sound;

 private:
  explicit TSoftMixSound(sample* record) : mx_sound(record) {}
  std::shared_ptr<TChannel> start(const std::shared_ptr<TChannel>& channel, int paused);
};
