// The sound functions of the mixer's interface: records made, written and freed, and
// each synthesis setting with its conversion, limits and refusals. The record is taken
// as given; a missing record gets the answer of a mixer that is not running.
#include <algorithm>

#include "audio/lfofunction.h"
#include "audio/mixerapi.h"
#include "audio/soundrecord.h"
#include "platform/numbers.h"

namespace {

bool running() { return io != nullptr; }
bool usable(const sample* s) { return s && running(); }
// Index bounds compare as unsigned: a negative index is refused like one too large.
bool inrange(int index, int count) { return static_cast<unsigned>(index) < static_cast<unsigned>(count); }
bool lfoof(const sample* s, int lfo) { return usable(s) && inrange(lfo, kLfos); }

constexpr int kRotorPositions = 16;

}  // namespace

sample* mx_CreateSound(int length, int bits, int channels, int hertz, void* data, int loop) {
  return running() ? sample::create(length, bits, channels, hertz, data, loop) : nullptr;
}

int mx_WriteSound(sample* s, const void* data, int frames) { return usable(s) ? s->write(data, frames, 0) : 0; }

// Also while the mixer is stopped: the creator's reference would otherwise never go.
int mx_FreeSound(sample* s) {
  if (s) s->free();
  return 0;
}

void* mx_GetSoundSample(sample* s) { return usable(s) ? s->data : nullptr; }
int mx_GetSoundSampleLength(sample* s) { return usable(s) ? s->length : 0; }
int mx_GetSoundSampleMono(sample* s) { return usable(s) ? s->channels : 0; }
int mx_GetSoundHertz(sample* s) { return usable(s) ? s->hertz.load() : 0; }

int mx_SetSoundHertz(sample* s, int hertz) {
  if (!usable(s)) return 0;
  s->hertz = hertz;
  return 1;
}

int mx_GetSoundLoop(sample* s) { return usable(s) ? s->loopmode.load() : 0; }
int mx_GetSoundIsLooped(sample* s) { return usable(s) ? s->islooped.load() : 0; }

int mx_SetSoundIsLooped(sample* s, int flag) {
  if (!usable(s)) return 0;
  s->setislooped(flag);
  return 1;
}

int mx_SetSoundLoopStart(sample* s, int frame) {
  if (!usable(s)) return 0;
  s->setloopstart(frame);
  return 1;
}

int mx_SetSoundLoopLength(sample* s, int frames) {
  if (!usable(s)) return 0;
  s->setlooplength(frames);
  return 1;
}

int mx_SetSoundPlayheadStart(sample* s, int frame) {
  if (!usable(s)) return 0;
  s->setplayheadstart(frame);
  return 1;
}

int mx_GetSoundLoopStart(sample* s) { return usable(s) ? s->loopstart.load() : 0; }
int mx_GetSoundLoopLength(sample* s) { return usable(s) ? s->looplength.load() : 0; }

int mx_SetSoundADSR(sample* s, int envelope, int delay, int attack, int decay, int sustain, int release) {
  if (!usable(s)) return 0;
  s->setdadsr(envelope, delay, attack, decay, sustain, release);
  return 1;
}

namespace {

// An envelope value while the envelope is set; an envelope number outside 0-3 reads
// as one that was never set.
int envelopevalue(const sample* s, int e, const std::array<Relaxed<int32_t>, kEnvelopes>& field, int unset) {
  if (!usable(s) || !inrange(e, kEnvelopes) || s->envset[e] == 0) return unset;
  return field[e];
}

}  // namespace

int mx_GetSoundDelay(sample* s, int e) { return s ? envelopevalue(s, e, s->envdelay, 0) : 0; }
int mx_GetSoundAttack(sample* s, int e) { return s ? envelopevalue(s, e, s->envattack, 0) : 0; }
int mx_GetSoundDecay(sample* s, int e) { return s ? envelopevalue(s, e, s->envdecay, 0) : 0; }
int mx_GetSoundSustain(sample* s, int e) { return s ? envelopevalue(s, e, s->envsustain, 4095) : 4095; }
int mx_GetSoundRelease(sample* s, int e) { return s ? envelopevalue(s, e, s->envrelease, 0) : 0; }

int mx_SetSoundWaveTableAmount(sample* s, int amount) {
  if (!usable(s)) return 0;
  s->wavetableamount = amount;
  return 1;
}

int mx_GetSoundWaveTableAmount(sample* s) { return usable(s) ? s->wavetableamount.load() : 0; }

int mx_SetSoundIsWavetable(sample* s, int flag) {
  if (!usable(s)) return 0;
  s->setiswavetable(flag);
  return 1;
}

int mx_SetSoundIsPPGWavetable(sample* s, int flag) {
  if (!usable(s)) return 0;
  s->setisppgwavetable(flag);
  return 1;
}

int mx_GetSoundIsWavetable(sample* s) { return usable(s) ? s->iswavetable.load() : 0; }
int mx_GetSoundIsPPGWavetable(sample* s) { return usable(s) ? s->isppgwavetable.load() : 0; }

int mx_SetSoundWaveLoopStart(sample* s, int step) {
  if (!usable(s)) return 0;
  s->setwaveloopstart(step);
  return 1;
}

int mx_SetSoundWaveLength(sample* s, int steps) {
  if (!usable(s)) return 0;
  s->setwavelength(steps);
  return 1;
}

int mx_GetSoundWaveLoopStart(sample* s) { return usable(s) ? s->waveloopstart.load() : -1; }
int mx_GetSoundWaveLength(sample* s) { return usable(s) ? s->wavelength.load() : 1; }

// The record ignores a negative wave and a repeat below 1: those leave a part as it is.
int mx_SetSoundWaveTable(sample* s, int step, int wave) {
  if (!usable(s)) return 0;
  s->setwavetable(step, wave, 0);
  return 1;
}

int mx_SetSoundWaveTableRepeat(sample* s, int step, int repeat) {
  if (!usable(s)) return 0;
  s->setwavetable(step, -1, repeat);
  return 1;
}

int mx_SetSoundWaveTableRep(sample* s, int step, int wave, int repeat) {
  if (!usable(s)) return 0;
  s->setwavetable(step, wave, repeat);
  return 1;
}

// A step outside 0-127 reads as the mixer that is not running does.
int mx_GetSoundWaveTable(sample* s, int step) {
  return usable(s) && inrange(step, kWaveSteps) ? s->stepwave[step].load() : -1;
}

int mx_GetSoundWaveTableRepeat(sample* s, int step) {
  return usable(s) && inrange(step, kWaveSteps) ? s->steprepeat[step].load() : -1;
}

int mx_SetSoundLFOWave(sample* s, int lfo, int wave) {
  if (!lfoof(s, lfo) || !inrange(wave, kLfoFunctions)) return 0;
  s->setlfowave(lfo, wave);
  return 1;
}

int mx_SetSoundLFOTime(sample* s, int lfo, int mode) {
  if (!lfoof(s, lfo) || (mode != 0 && mode != 1)) return 0;
  s->setlfotime(lfo, mode);
  return 1;
}

int mx_SetSoundLFOHertzRate(sample* s, int lfo, int rate) {
  if (!lfoof(s, lfo) || rate < 0) return 0;
  s->setlfohertzrate(lfo, rate);
  return 1;
}

int mx_SetSoundLFOSteps(sample* s, int lfo, int steps) {
  if (!lfoof(s, lfo)) return 0;
  s->setlfosteps(lfo, std::clamp(steps, 1, 7));
  return 1;
}

int mx_SetSoundLFOStep(sample* s, int lfo, int step, int value) {
  if (!lfoof(s, lfo)) return 0;
  s->setlfostep(lfo, std::clamp(step, 0, 7), std::clamp(value, 0, 47));
  return 1;
}

int mx_SetSoundLFOOffset(sample* s, int lfo, int offset) {
  if (!lfoof(s, lfo)) return 0;
  s->setlfooffset(lfo, std::clamp(offset, 0, 999));
  return 1;
}

int mx_SetSoundLFOVerticalOffset(sample* s, int lfo, int offset) {
  if (!lfoof(s, lfo)) return 0;
  s->setlfovoffset(lfo, std::clamp(offset, -999, 999));
  return 1;
}

int mx_SetSoundLFOScale(sample* s, int lfo, int thousandths) {
  if (!lfoof(s, lfo)) return 0;
  const int value = std::max(thousandths, -999);
  s->setlfoscale(lfo, value > 999 ? 0.999f : static_cast<float>(value) / 1000.0f);
  return 1;
}

int mx_SetSoundLFOLevel(sample* s, int row, int hundredths) {
  if (!usable(s) || !inrange(row, kModRows)) return 0;
  s->setlfolevel(row, static_cast<float>(hundredths) / 100.0f);
  return 1;
}

int mx_GetSoundLFOWave(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfowave(lfo) : 0; }
int mx_GetSoundLFOTime(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfotime(lfo) : 0; }
int mx_GetSoundLFOHertzRate(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfohertzrate(lfo) : 0; }
int mx_GetSoundLFOSteps(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfosteps(lfo) : 0; }
int mx_GetSoundLFOOffset(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfooffset(lfo) : 0; }
int mx_GetSoundLFOVerticalOffset(sample* s, int lfo) { return lfoof(s, lfo) ? s->getlfovoffset(lfo) : 0; }

int mx_GetSoundLFOStep(sample* s, int lfo, int step) {
  return lfoof(s, lfo) ? s->getlfostep(lfo, std::clamp(step, 0, 7)) : 0;
}

int mx_GetSoundLFOScale(sample* s, int lfo) { return lfoof(s, lfo) ? TruncToInt(s->getlfoscale(lfo) * 1000.0f) : 0; }

int mx_GetSoundLFOLevel(sample* s, int row) {
  return usable(s) && inrange(row, kModRows) ? TruncToInt(s->getlfolevel(row) * 100.0f) : 0;
}

int mx_SetSoundModMatrix(sample* s, int row, int column, int on) {
  if (!usable(s) || !inrange(row, kModRows) || !inrange(column, kModColumns)) return 0;
  s->setmodmatrix(row, column, on);
  return 1;
}

int mx_GetSoundModMatrix(sample* s, int row, int column) {
  return usable(s) && inrange(row, kModRows) && inrange(column, kModColumns) ? s->getmodmatrix(row, column) : 0;
}

int mx_SetSoundRotorActive(sample* s, int active) {
  if (!usable(s)) return 0;
  s->rotoractive = active;
  return 1;
}

int mx_SetSoundRotorTime(sample* s, int millis) {
  if (!usable(s)) return 0;
  s->rotortime = millis;
  return 1;
}

int mx_GetSoundRotorActive(sample* s) { return usable(s) ? s->rotoractive.load() : 0; }
int mx_GetSoundRotorTime(sample* s) { return usable(s) ? s->rotortime.load() : 250; }

int mx_SetSoundRotorCount(sample* s, int count) {
  if (!usable(s) || count < 2 || count > kRotorPositions) return 0;
  s->rotorcount = count;
  return 1;
}

int mx_GetSoundRotorCount(sample* s) { return usable(s) ? s->rotorcount.load() : 4; }

int mx_SetSoundRotor(sample* s, int position, int value) {
  if (!usable(s) || position < 1 || position > kRotorPositions) return 0;
  s->setrotor(position - 1, static_cast<float>(value));
  return 1;
}

// Reads back what mx_SetSoundRotor stored at that position.
int mx_GetSoundRotor(sample* s, int position) {
  if (!usable(s)) return 1;
  if (position < 1 || position > kRotorPositions) return 0;
  return TruncToInt(s->rotorvalue[position - 1].load());
}

int mx_SetSoundRotorLevel(sample* s, int index, int hundredths) {
  if (!usable(s) || !inrange(index, kRotorSlots)) return 0;
  s->setrotorlevel(index, hundredths);
  return 1;
}

int mx_GetSoundRotorLevel(sample* s, int index) {
  return usable(s) && inrange(index, kRotorSlots) ? s->rotorlevel[index].load() : 0;
}

// The tables are shared by all sounds: the sound argument is not used.
int mx_SetSoundFunction(sample* s, int table, int entry, int value) {
  if (!running() || !inrange(table, kLfoFunctions)) return 0;
  sample::setfunction(table, std::clamp(entry, 0, kLfoFunctionSize - 1), value);
  return 1;
}

int mx_GetSoundFunction(sample* s, int table, int entry) {
  if (!running() || !inrange(table, kLfoFunctions)) return 0;
  return sample::getfunction(table, std::clamp(entry, 0, kLfoFunctionSize - 1));
}
