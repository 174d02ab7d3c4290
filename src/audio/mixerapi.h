// The mixer's function interface: flat mx_ functions that start and stop the mixer,
// make and free sound records, give out channels and play sounds on them, steer a
// channel's voice, read its progress, change a sound's synthesis settings and set the
// global effect block. Main thread only. The mixer runs while `io` is present; every
// function has a fixed answer while it does not. Setters of a sound answer 1 when they
// stored the value and 0 when they refused it; channel setters answer 0.
#pragma once
#include <array>
#include <memory>

#include "audio/audiodevice.h"
#include "audio/channelhandles.h"
#include "audio/output.h"

class sample;

// The open output device (it holds the mixer), or nullptr.
extern coreaudio* audio;
// The channel handle tables, present while the mixer runs.
extern std::unique_ptr<handletables> io;

// Lifecycle.
int mx_Init(int mode);
int mx_Reset(coreaudio* device);
int mx_Close();
// Rises each time the handle tables are dropped or replaced: a handle means something
// only in the epoch it was given out in (new tables hand out the same numbers again).
int mx_HandleEpoch();

// Channels.
int mx_AllocChannel();
int mx_FreeChannel(int handle);
int mx_PlaySound(sample* s, int paused, int handle);
int mx_StopChannel(int handle);
int mx_ChannelRestart(int handle);
int mx_ChannelStatus(int handle);
int mx_SetChannelPaused(int handle, int paused);
int mx_SetChannelWavetable(int handle, int on);
int mx_SetChannelVolume(int handle, float volume);
int mx_SetChannelPan(int handle, float pan);
int mx_SetChannelDepth(int handle, float depth);
int mx_SetChannelRate(int handle, float rate);
int mx_SetChannelAllFXSend(int handle, const std::array<int, kFxSends>& sends);
int mx_SetChannelFXSend(int handle, int index, int value);
int mx_GetChannelFXSend(int handle, int index);
int mx_SetChannelStartDelay(int handle, int millis);
int mx_GetChannelStartDelay(int handle);
int mx_SetChannelPlayStart(int handle, int frame);
int mx_SetChannelPlayEnd(int handle, int frame);
int mx_ResetChannelPlayStartEnd(int handle);
int mx_SetChannelLFORate(int handle, int lfo, float rate);
int mx_GetChannelLFO(int handle, int lfo);
int mx_ChannelKeyUp(int handle);
int mx_ChannelPosition(int handle);
int mx_ChannelPlayPosition(int handle);
int mx_ChannelPlayTime(int handle);
int mx_ChannelWaveTruePlayPosition(int handle);
int mx_ChannelWavePlayPosition(int handle);
int mx_ChannelWaveLength(int handle);
int mx_ChannelWaveLoopStart(int handle);
int mx_ChannelWaveTablePlayhead(int handle);
int mx_ChannelWaveTableRepeatPlayhead(int handle);
int mx_GetChannelHertzFreq(int handle);

// The global effect block.
int mx_SetGlobalFXRoute(int mode);
int mx_GetGlobalFXRoute();
int mx_SetGlobalFX(int id, int bus, int value);
int mx_GetGlobalFX(int id, int bus);

// Sounds.
sample* mx_CreateSound(int length, int bits, int channels, int hertz, void* data, int loop);
int mx_WriteSound(sample* s, const void* data, int frames);
int mx_FreeSound(sample* s);
void* mx_GetSoundSample(sample* s);
int mx_GetSoundSampleLength(sample* s);
int mx_GetSoundSampleMono(sample* s);
int mx_GetSoundHertz(sample* s);
int mx_SetSoundHertz(sample* s, int hertz);
int mx_GetSoundLoop(sample* s);
int mx_GetSoundIsLooped(sample* s);
int mx_SetSoundIsLooped(sample* s, int flag);
int mx_SetSoundLoopStart(sample* s, int frame);
int mx_SetSoundLoopLength(sample* s, int frames);
int mx_SetSoundPlayheadStart(sample* s, int frame);
int mx_GetSoundLoopStart(sample* s);
int mx_GetSoundLoopLength(sample* s);
int mx_SetSoundADSR(sample* s, int envelope, int delay, int attack, int decay, int sustain, int release);
int mx_GetSoundDelay(sample* s, int envelope);
int mx_GetSoundAttack(sample* s, int envelope);
int mx_GetSoundDecay(sample* s, int envelope);
int mx_GetSoundSustain(sample* s, int envelope);
int mx_GetSoundRelease(sample* s, int envelope);
int mx_SetSoundWaveTableAmount(sample* s, int amount);
int mx_GetSoundWaveTableAmount(sample* s);
int mx_SetSoundIsWavetable(sample* s, int flag);
int mx_SetSoundIsPPGWavetable(sample* s, int flag);
int mx_GetSoundIsWavetable(sample* s);
int mx_GetSoundIsPPGWavetable(sample* s);
int mx_SetSoundWaveLoopStart(sample* s, int step);
int mx_SetSoundWaveLength(sample* s, int steps);
int mx_GetSoundWaveLoopStart(sample* s);
int mx_GetSoundWaveLength(sample* s);
int mx_SetSoundWaveTable(sample* s, int step, int wave);
int mx_SetSoundWaveTableRepeat(sample* s, int step, int repeat);
int mx_SetSoundWaveTableRep(sample* s, int step, int wave, int repeat);
int mx_GetSoundWaveTable(sample* s, int step);
int mx_GetSoundWaveTableRepeat(sample* s, int step);
int mx_SetSoundLFOWave(sample* s, int lfo, int wave);
int mx_SetSoundLFOTime(sample* s, int lfo, int mode);
int mx_SetSoundLFOHertzRate(sample* s, int lfo, int rate);
int mx_SetSoundLFOSteps(sample* s, int lfo, int steps);
int mx_SetSoundLFOStep(sample* s, int lfo, int step, int value);
int mx_SetSoundLFOOffset(sample* s, int lfo, int offset);
int mx_SetSoundLFOVerticalOffset(sample* s, int lfo, int offset);
int mx_SetSoundLFOScale(sample* s, int lfo, int thousandths);
int mx_SetSoundLFOLevel(sample* s, int row, int hundredths);
int mx_GetSoundLFOWave(sample* s, int lfo);
int mx_GetSoundLFOTime(sample* s, int lfo);
int mx_GetSoundLFOHertzRate(sample* s, int lfo);
int mx_GetSoundLFOSteps(sample* s, int lfo);
int mx_GetSoundLFOOffset(sample* s, int lfo);
int mx_GetSoundLFOVerticalOffset(sample* s, int lfo);
int mx_GetSoundLFOStep(sample* s, int lfo, int step);
int mx_GetSoundLFOScale(sample* s, int lfo);
int mx_GetSoundLFOLevel(sample* s, int row);
int mx_SetSoundModMatrix(sample* s, int row, int column, int on);
int mx_GetSoundModMatrix(sample* s, int row, int column);
int mx_SetSoundRotorActive(sample* s, int active);
int mx_SetSoundRotorTime(sample* s, int millis);
int mx_GetSoundRotorActive(sample* s);
int mx_GetSoundRotorTime(sample* s);
int mx_SetSoundRotorCount(sample* s, int count);
int mx_GetSoundRotorCount(sample* s);
int mx_SetSoundRotor(sample* s, int position, int value);
int mx_GetSoundRotor(sample* s, int position);
int mx_SetSoundRotorLevel(sample* s, int index, int hundredths);
int mx_GetSoundRotorLevel(sample* s, int index);
int mx_SetSoundFunction(sample* s, int table, int entry, int value);
int mx_GetSoundFunction(sample* s, int table, int entry);
