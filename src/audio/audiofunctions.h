// The audio engine's module functions: loading a sound, getting a channel and driving
// it, each forwarded to the current driver, the sound or the channel. The first call
// that needs a driver starts the audio output. A missing sound or channel is a caller
// error that does nothing and answers nullptr or 0. Main thread only.
#pragma once
#include <memory>

#include "audio/channel.h"
#include "audio/sound.h"

// A sound from a file path or a sample record; nullptr without a sample. Flag bit 0
// makes it looped.
std::shared_ptr<TSound> LoadSound(const SoundUrl& url, int flags);
std::shared_ptr<TChannel> PlaySound(const std::shared_ptr<TSound>& sound,
                                    const std::shared_ptr<TChannel>& channel = nullptr);
// As PlaySound, with the channel paused until ResumeChannel.
std::shared_ptr<TChannel> CueSound(const std::shared_ptr<TSound>& sound,
                                   const std::shared_ptr<TChannel>& channel = nullptr);
std::shared_ptr<TChannel> AllocChannel();
int StopChannel(const std::shared_ptr<TChannel>& channel);
int ChannelPlaying(const std::shared_ptr<TChannel>& channel);
int GetPosition(const std::shared_ptr<TChannel>& channel);
int SetChannelVolume(const std::shared_ptr<TChannel>& channel, float volume);
int SetChannelPan(const std::shared_ptr<TChannel>& channel, float pan);
int SetChannelDepth(const std::shared_ptr<TChannel>& channel, float depth);
int SetChannelRate(const std::shared_ptr<TChannel>& channel, float rate);
int PauseChannel(const std::shared_ptr<TChannel>& channel);
// Restarts the channel's voice from its start.
int InitChannel(const std::shared_ptr<TChannel>& channel);
int ResumeChannel(const std::shared_ptr<TChannel>& channel);
int SetChannelStartDelay(const std::shared_ptr<TChannel>& channel, float millis);
int GetChannelStartDelay(const std::shared_ptr<TChannel>& channel);
