// TSound: a sound, its sample data held by the mixer together with its synthesis
// settings. The base class is the silent sound: Play and Cue answer a new silent
// channel, every getter and setter answers 0. A driver's sound overrides them. The
// editing operations (sampleediting.cpp) live in the base class and work through the
// getters, so they serve every driver's sounds. Sounds are shared objects, made only
// as std::shared_ptr and used on the main thread.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "audio/audiosample.h"
#include "audio/channel.h"

// What a sound is loaded from: a file path or a sample record already in memory.
using SoundUrl = std::variant<std::string, std::shared_ptr<TAudioSample>>;

class TSound : public std::enable_shared_from_this<TSound> {
 public:
  virtual ~TSound() = default;
  TSound(const TSound&) = delete;
  TSound& operator=(const TSound&) = delete;

  static std::shared_ptr<TSound> New();

  // Plays on the channel given (its previous voice stops) or on a new one; the channel
  // it plays on, or nullptr when nothing could be started. Cue starts it paused.
  virtual std::shared_ptr<TChannel> Play(const std::shared_ptr<TChannel>& channel);
  virtual std::shared_ptr<TChannel> Cue(const std::shared_ptr<TChannel>& channel);
  // A sound of the current driver from a sample record or a file; nullptr without a
  // sample. Flag bit 0 makes it looped.
  static std::shared_ptr<TSound> Load(const SoundUrl& url, int flags);

  // Editing: each answers a new sound, or this sound when it cannot do its work.
  virtual int TestCut(int start, int end);
  virtual std::shared_ptr<TSound> Insert(int position, const std::shared_ptr<TSound>& sound, int reversed);
  virtual std::shared_ptr<TSound> Cut(int start, int end);
  virtual std::shared_ptr<TSound> CopyRange(int start, int end);
  virtual std::shared_ptr<TSound> Copy();
  virtual int CopyData(const std::shared_ptr<TSound>& source);
  // The sound argument is not used: these work on the sound they are called on.
  virtual std::shared_ptr<TSound> Extend(const std::shared_ptr<TSound>& sound, float factor);
  virtual std::shared_ptr<TSound> StereoToMono(const std::shared_ptr<TSound>& sound, int mode);
  virtual std::shared_ptr<TSound> MonoToStereo(const std::shared_ptr<TSound>& sound, int mode);
  std::shared_ptr<TSound> Extend(float factor) { return Extend(nullptr, factor); }
  std::shared_ptr<TSound> StereoToMono(int mode) { return StereoToMono(nullptr, mode); }
  std::shared_ptr<TSound> MonoToStereo(int mode) { return MonoToStereo(nullptr, mode); }

  // The sound's signed 16-bit values inside the mixer, read and changed in place.
  virtual int16_t* GetAudioSample() const { return nullptr; }
  virtual int GetAudioSampleLength() const { return 0; }
  virtual int GetAudioSampleMono() const { return 0; }  // channel count
  virtual int GetHertzFreq() const { return 0; }
  virtual int SetHertzFreq(int hertz) { return 0; }
  // The ten modulation function tables of 1000 entries, shared by all sounds.
  virtual int SetFunction(int table, int entry, int value) { return 0; }
  virtual int GetFunction(int table, int entry) const { return 0; }
  virtual int InitFunctions() { return 0; }
  virtual int SetPlayheadStart(int frame) { return 0; }
  virtual int SetLoopStart(int frame) { return 0; }
  virtual int SetLoopLength(int frames) { return 0; }
  virtual int GetLoopStart() const { return 0; }
  virtual int GetLoopLength() const { return 0; }
  virtual int GetLoop() const { return 0; }
  virtual int GetIsLooped() const { return 0; }
  virtual int SetIsLooped(int flag) { return 0; }
  virtual int SetADSR(int envelope, int delay, int attack, int decay, int sustain, int release) { return 0; }
  virtual int GetDelay(int envelope) const { return 0; }
  virtual int GetAttack(int envelope) const { return 0; }
  virtual int GetDecay(int envelope) const { return 0; }
  virtual int GetSustain(int envelope) const { return 0; }
  virtual int GetRelease(int envelope) const { return 0; }
  virtual int SetWaveTableAmount(int amount) { return 0; }
  virtual int GetWaveTableAmount() const { return 0; }
  virtual int SetWaveLoopStart(int frame) { return 0; }
  virtual int SetWaveLength(int steps) { return 0; }
  virtual int SetIsWaveTable(int flag) { return 0; }
  virtual int GetIsWaveTable() const { return 0; }
  virtual int SetIsPPGWaveTable(int flag) { return 0; }
  virtual int GetIsPPGWaveTable() const { return 0; }
  virtual int WaveLoopStart() const { return 0; }
  virtual int WaveLength() const { return 0; }
  virtual int WaveTable(int step) const { return 0; }
  virtual int WaveTableRepeat(int step) const { return 0; }
  virtual int SetWaveTable(int step, int wave) { return 0; }
  virtual int SetWaveTableRepeat(int step, int count) { return 0; }
  virtual int SetWaveTableRep(int step, int wave, int count) { return 0; }
  virtual int SetLFOWave(int lfo, int wave) { return 0; }
  virtual int GetLFOWave(int lfo) const { return 0; }
  virtual int SetLFOTime(int lfo, int mode) { return 0; }
  virtual int GetLFOTime(int lfo) const { return 0; }
  virtual int SetLFOHertzRate(int lfo, int rate) { return 0; }
  virtual int GetLFOHertzRate(int lfo) const { return 0; }
  virtual int SetLFOSteps(int lfo, int steps) { return 0; }
  virtual int GetLFOSteps(int lfo) const { return 0; }
  virtual int SetLFOStep(int lfo, int step, int value) { return 0; }
  virtual int GetLFOStep(int lfo, int step) const { return 0; }
  virtual int SetLFOOffset(int lfo, int offset) { return 0; }
  virtual int GetLFOOffset(int lfo) const { return 0; }
  virtual int SetMatrixLevel(int index, int hundredths) { return 0; }
  virtual int GetMatrixLevel(int index) const { return 0; }
  virtual int SetModMatrix(int row, int column, int flag) { return 0; }
  virtual int GetModMatrix(int row, int column) const { return 0; }
  // The rotor setters answer 1 when the value was stored.
  virtual int SetRotorActive(int flag) { return 0; }
  virtual int GetRotorActive() const { return 0; }
  virtual int SetRotorTime(int millis) { return 0; }
  virtual int GetRotorTime() const { return 0; }
  virtual int SetRotorCount(int count) { return 0; }
  virtual int GetRotorCount() const { return 0; }
  virtual int SetRotor(int index, int value) { return 0; }
  virtual int GetRotor(int index) const { return 0; }
  virtual int SetRotorLevel(int index, int hundredths) { return 0; }
  virtual int GetRotorLevel(int index) const { return 0; }
  virtual int SetLFOVertical(int lfo, int offset) { return 0; }
  virtual int GetLFOVertical(int lfo) const { return 0; }
  virtual int SetLFOScale(int lfo, int thousandths) { return 0; }
  virtual int GetLFOScale(int lfo) const { return 0; }

 protected:
  // Only as a shared object: the editing operations answer the sound itself.
  TSound() = default;
  std::shared_ptr<TSound> self() { return weak_from_this().lock(); }

 private:
  // A new sound of the current driver from an edit's sample; this sound when there is
  // no sample or the driver makes no sound of it.
  std::shared_ptr<TSound> edited(const std::shared_ptr<TAudioSample>& record);
};
