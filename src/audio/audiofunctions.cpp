// The module functions over the current driver, sounds and channels.
#include "audio/audiofunctions.h"

#include "audio/audiodriver.h"
#include "audio/driverregistry.h"

std::shared_ptr<TSound> LoadSound(const SoundUrl& url, int flags) { return GetAudioDriver()->LoadSound(url, flags); }

std::shared_ptr<TChannel> PlaySound(const std::shared_ptr<TSound>& sound, const std::shared_ptr<TChannel>& channel) {
  return sound ? sound->Play(channel) : nullptr;
}

std::shared_ptr<TChannel> CueSound(const std::shared_ptr<TSound>& sound, const std::shared_ptr<TChannel>& channel) {
  return sound ? sound->Cue(channel) : nullptr;
}

std::shared_ptr<TChannel> AllocChannel() { return GetAudioDriver()->AllocChannel(); }

int StopChannel(const std::shared_ptr<TChannel>& channel) {
  if (channel) channel->Stop();
  return 0;
}

int ChannelPlaying(const std::shared_ptr<TChannel>& channel) { return channel ? channel->Playing() : 0; }

int GetPosition(const std::shared_ptr<TChannel>& channel) { return channel ? channel->GetPosition() : 0; }

int SetChannelVolume(const std::shared_ptr<TChannel>& channel, float volume) {
  if (channel) channel->SetVolume(volume);
  return 0;
}

int SetChannelPan(const std::shared_ptr<TChannel>& channel, float pan) {
  if (channel) channel->SetPan(pan);
  return 0;
}

int SetChannelDepth(const std::shared_ptr<TChannel>& channel, float depth) {
  if (channel) channel->SetDepth(depth);
  return 0;
}

int SetChannelRate(const std::shared_ptr<TChannel>& channel, float rate) {
  if (channel) channel->SetRate(rate);
  return 0;
}

int PauseChannel(const std::shared_ptr<TChannel>& channel) {
  if (channel) channel->SetPaused(1);
  return 0;
}

int InitChannel(const std::shared_ptr<TChannel>& channel) {
  if (channel) channel->Restart();
  return 0;
}

int ResumeChannel(const std::shared_ptr<TChannel>& channel) {
  if (channel) channel->SetPaused(0);
  return 0;
}

int SetChannelStartDelay(const std::shared_ptr<TChannel>& channel, float millis) {
  if (channel) channel->SetStartDelay(millis);
  return 0;
}

int GetChannelStartDelay(const std::shared_ptr<TChannel>& channel) { return channel ? channel->GetStartDelay() : 0; }
