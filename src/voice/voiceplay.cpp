// Starting and stopping a voice's sound on the slot's channel. The channel stays
// paused from the cue (or pause) until the final resume, so rate, delay, volume and
// pan are in place when it sounds.
#include "audio/audiofunctions.h"
#include "voice/voice.h"

namespace {
float ChooseRate(int tracking, float trackedRate, float fixedRate) {
  return tracking != 0 ? trackedRate : fixedRate;
}
}  // namespace

int TVoice::Stop(const std::shared_ptr<TChannel>& channel) {
  if (GotSound == 0 || !Sound || !channel) return 0;
  PauseChannel(channel);
  return 0;
}

int TVoice::Play(const std::shared_ptr<TChannel>& channel, float trackedRate, float fixedRate,
                 float volume, int flag) {
  if (GotSound == 0 || !Sound || !channel) return 0;
  const float rate = ChooseRate(KeyboardTracking, trackedRate, fixedRate);
  if (channel->Playing() != 0) {
    PauseChannel(channel);
    InitChannel(channel);
  } else {
    CueSound(Sound, channel);
  }
  channel->SetStartDelay(static_cast<float>(MixStartDelay));
  SetChannelRate(channel, rate);
  float level = 0.0f;
  if (flag == -99) {
    level = MixMute != 0 ? 0.0f : mixvolume * volume;
  } else if (flag == 0) {
    level = mixvolume * volume;
  }
  SetChannelVolume(channel, level);
  SetChannelPan(channel, MixPan / 100.0f);
  ResumeChannel(channel);
  return 1;
}

int TVoice::PlayPart(const std::shared_ptr<TChannel>& channel, float trackedRate, float fixedRate,
                     int start, int end) {
  if (GotSound == 0 || !Sound || !channel) return 0;
  const float rate = ChooseRate(KeyboardTracking, trackedRate, fixedRate);
  channel->SetPlayStart(start);
  channel->SetPlayEnd(end);
  CueSound(Sound, channel);
  channel->SetStartDelay(static_cast<float>(MixStartDelay));
  SetChannelRate(channel, rate);
  SetChannelVolume(channel, MixMute != 0 ? 0.0f : mixvolume);
  SetChannelPan(channel, MixPan / 100.0f);
  ResumeChannel(channel);
  return 1;
}
