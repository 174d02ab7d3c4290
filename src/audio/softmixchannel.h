// TSoftMixChannel: a channel of the mixer's driver. It owns one channel handle of the
// mixer's function interface until Stop (which stops the voice and frees the handle)
// or its release (which frees the handle and lets the voice play to its end). A
// handle given out before the mixer was stopped or restarted counts as none, so an
// old channel never steers a channel of a later mixer.
#pragma once
#include "audio/channel.h"

class TSoftMixChannel : public TChannel {
 public:
  static std::shared_ptr<TSoftMixChannel> CreateWithChannel(int handle);
  ~TSoftMixChannel() override;

  // The handle, or 0 once stopped or when it belongs to an earlier mixer.
  int Handle() const;

  int Stop() override;
  int SetPaused(int flag) override;
  int SetVolume(float volume) override;
  int SetPan(float pan) override;
  int SetDepth(float depth) override;
  int SetRate(float rate) override;
  int Playing() override;
  int Restart() override;
  int SetAllFxSend(const std::array<float, kChannelSends>& sends) override;
  int SetFXSend(float index, float level) override;
  int GetFXSend(float index) override;
  int SetStartDelay(float millis) override;
  int GetStartDelay() override;
  int SetPlayStart(int frame) override;
  int SetPlayEnd(int frame) override;
  int ResetPlayStartEnd() override;
  int GetHertzFreq() override;
  int GetPosition() override;
  int GetPlayTime() override;
  int GetPlayPosition() override;
  int GetWaveTruePlayPosition() override;
  int GetWavePlayPosition() override;
  int SetWavetable(int flag) override;
  int Wavetable() override;
  int WaveLoopStart() override;
  int WaveLength() override;
  int GetWaveTablePlayhead() override;
  int WaveTableRepeatPlayhead() override;
  int SetLFOHertz(int lfo, float rate) override;
  int GetLFO(int lfo) override;
  int KeyUp() override;
  int SetAudioFX(int id, int bus, int value) override;
  int GetAudioFX(int id, int bus) override;
  int SetAudioFXRoute(float mode) override;
  int GetAudioFXRoute() override;
  int Position();  // the same as GetPosition

  int mx_channel = 0;

 private:
  int epoch_ = 0;  // the mixer's handle epoch when the handle was given out
};
