// TSoftMixChannel: each operation forwarded to its mx_ function, floats truncated where
// the mixer takes whole numbers.
#include "audio/softmixchannel.h"

#include <algorithm>

#include "audio/mixerapi.h"
#include "audio/output.h"
#include "platform/numbers.h"

namespace {

constexpr int kLfoLimit = 1000;

}  // namespace

std::shared_ptr<TSoftMixChannel> TSoftMixChannel::CreateWithChannel(int handle) {
  auto channel = std::make_shared<TSoftMixChannel>();
  channel->mx_channel = handle;
  channel->epoch_ = mx_HandleEpoch();
  return channel;
}

TSoftMixChannel::~TSoftMixChannel() {
  if (const int h = Handle()) mx_FreeChannel(h);
}

int TSoftMixChannel::Handle() const { return epoch_ == mx_HandleEpoch() ? mx_channel : 0; }

int TSoftMixChannel::Stop() {
  mx_StopChannel(Handle());
  mx_channel = 0;
  return 0;
}

int TSoftMixChannel::SetPaused(int flag) { mx_SetChannelPaused(Handle(), flag); return 0; }
int TSoftMixChannel::SetVolume(float volume) { mx_SetChannelVolume(Handle(), volume); return 0; }
int TSoftMixChannel::SetPan(float pan) { mx_SetChannelPan(Handle(), pan); return 0; }
int TSoftMixChannel::SetDepth(float depth) { mx_SetChannelDepth(Handle(), depth); return 0; }
int TSoftMixChannel::SetRate(float rate) { mx_SetChannelRate(Handle(), rate); return 0; }

int TSoftMixChannel::Playing() {
  const int status = mx_ChannelStatus(Handle());
  return status != 0 && (status & (kStatusFinished | kStatusPaused)) == 0 ? 1 : 0;
}

int TSoftMixChannel::Restart() { mx_ChannelRestart(Handle()); return 0; }

int TSoftMixChannel::SetAllFxSend(const std::array<float, kChannelSends>& sends) {
  std::array<int, kFxSends> levels{};
  for (int i = 0; i < kFxSends; ++i) levels[i] = TruncToInt(sends[i]);
  mx_SetChannelAllFXSend(Handle(), levels);
  return 0;
}

int TSoftMixChannel::SetFXSend(float index, float level) {
  mx_SetChannelFXSend(Handle(), TruncToInt(index), TruncToInt(level));
  return 0;
}

int TSoftMixChannel::GetFXSend(float index) { return mx_GetChannelFXSend(Handle(), TruncToInt(index)); }
int TSoftMixChannel::SetStartDelay(float millis) { mx_SetChannelStartDelay(Handle(), TruncToInt(millis)); return 0; }
int TSoftMixChannel::GetStartDelay() { return mx_GetChannelStartDelay(Handle()); }
int TSoftMixChannel::SetPlayStart(int frame) { mx_SetChannelPlayStart(Handle(), frame); return 0; }
int TSoftMixChannel::SetPlayEnd(int frame) { mx_SetChannelPlayEnd(Handle(), frame); return 0; }
int TSoftMixChannel::ResetPlayStartEnd() { mx_ResetChannelPlayStartEnd(Handle()); return 0; }
int TSoftMixChannel::GetHertzFreq() { return mx_GetChannelHertzFreq(Handle()); }
int TSoftMixChannel::GetPosition() { return mx_ChannelPosition(Handle()); }
int TSoftMixChannel::GetPlayTime() { return mx_ChannelPlayTime(Handle()); }
int TSoftMixChannel::GetPlayPosition() { return mx_ChannelPlayPosition(Handle()); }
int TSoftMixChannel::GetWaveTruePlayPosition() { return mx_ChannelWaveTruePlayPosition(Handle()); }
int TSoftMixChannel::GetWavePlayPosition() { return mx_ChannelWavePlayPosition(Handle()); }
int TSoftMixChannel::SetWavetable(int flag) { mx_SetChannelWavetable(Handle(), flag); return 0; }
int TSoftMixChannel::Wavetable() { return (mx_ChannelStatus(Handle()) & kStatusWavetable) != 0 ? 1 : 0; }
int TSoftMixChannel::WaveLoopStart() { return mx_ChannelWaveLoopStart(Handle()); }
int TSoftMixChannel::WaveLength() { return mx_ChannelWaveLength(Handle()); }
int TSoftMixChannel::GetWaveTablePlayhead() { return mx_ChannelWaveTablePlayhead(Handle()); }
int TSoftMixChannel::WaveTableRepeatPlayhead() { return mx_ChannelWaveTableRepeatPlayhead(Handle()); }
int TSoftMixChannel::SetLFOHertz(int lfo, float rate) { mx_SetChannelLFORate(Handle(), lfo, rate); return 0; }
int TSoftMixChannel::GetLFO(int lfo) { return std::clamp(mx_GetChannelLFO(Handle(), lfo), -kLfoLimit, kLfoLimit); }
int TSoftMixChannel::KeyUp() { return mx_ChannelKeyUp(Handle()); }
int TSoftMixChannel::SetAudioFX(int id, int bus, int value) { return mx_SetGlobalFX(id, bus, value); }
int TSoftMixChannel::GetAudioFX(int id, int bus) { return mx_GetGlobalFX(id, bus); }
int TSoftMixChannel::SetAudioFXRoute(float mode) { mx_SetGlobalFXRoute(TruncToInt(mode)); return 0; }
int TSoftMixChannel::GetAudioFXRoute() { return mx_GetGlobalFXRoute(); }
int TSoftMixChannel::Position() { return mx_ChannelPosition(Handle()); }
