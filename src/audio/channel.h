// TChannel: a voice slot on which one sound plays. The base class is the silent
// channel: every operation does nothing and answers 0. A driver's channel overrides
// them. Channels are shared objects (std::shared_ptr), used on the main thread only.
#pragma once
#include <array>
#include <memory>

constexpr int kChannelSends = 9;  // sends 0-7 feed the effect buses, 8 is the dry level

class TChannel {
 public:
  TChannel() = default;
  virtual ~TChannel() = default;
  TChannel(const TChannel&) = delete;
  TChannel& operator=(const TChannel&) = delete;

  static std::shared_ptr<TChannel> New() { return std::make_shared<TChannel>(); }

  virtual int Stop() { return 0; }
  virtual int SetPaused(int flag) { return 0; }
  virtual int SetVolume(float volume) { return 0; }
  virtual int SetPan(float pan) { return 0; }
  virtual int SetDepth(float depth) { return 0; }
  virtual int SetRate(float rate) { return 0; }
  virtual int Playing() { return 0; }
  virtual int Restart() { return 0; }
  // Sends 0-7 in hundredths, send 8 (dry) in thousandths; each truncated to a whole number.
  virtual int SetAllFxSend(const std::array<float, kChannelSends>& sends) { return 0; }
  virtual int SetFXSend(float index, float level) { return 0; }
  virtual int GetFXSend(float index) { return 0; }
  virtual int SetStartDelay(float millis) { return 0; }
  virtual int GetStartDelay() { return 0; }
  virtual int SetPlayStart(int frame) { return 0; }
  virtual int SetPlayEnd(int frame) { return 0; }
  virtual int ResetPlayStartEnd() { return 0; }
  virtual int GetHertzFreq() { return 0; }
  virtual int GetPosition() { return 0; }
  virtual int GetPlayTime() { return 0; }
  virtual int GetPlayPosition() { return 0; }
  virtual int GetWaveTruePlayPosition() { return 0; }
  virtual int GetWavePlayPosition() { return 0; }
  virtual int SetWavetable(int flag) { return 0; }
  virtual int Wavetable() { return 0; }
  virtual int WaveLoopStart() { return 0; }
  virtual int WaveLength() { return 0; }
  virtual int GetWaveTablePlayhead() { return 0; }
  virtual int WaveTableRepeatPlayhead() { return 0; }
  virtual int SetLFOHertz(int lfo, float rate) { return 0; }
  virtual int GetLFO(int lfo) { return 0; }
  virtual int KeyUp() { return 0; }
  // The effect block is shared by all channels, whichever channel is used.
  virtual int SetAudioFX(int id, int bus, int value) { return 0; }
  virtual int GetAudioFX(int id, int bus) { return 0; }
  virtual int SetAudioFXRoute(float mode) { return 0; }
  virtual int GetAudioFXRoute() { return 0; }
};
