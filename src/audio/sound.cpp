// The silent sound's play and cue, and loading a sound from a sample or a file.
#include "audio/sound.h"

#include "audio/audiodriver.h"
#include "audio/driverregistry.h"
#include "audio/sampleloaders.h"

std::shared_ptr<TSound> TSound::New() { return std::shared_ptr<TSound>(new TSound()); }

std::shared_ptr<TChannel> TSound::Play(const std::shared_ptr<TChannel>&) { return TChannel::New(); }

std::shared_ptr<TChannel> TSound::Cue(const std::shared_ptr<TChannel>&) { return TChannel::New(); }

std::shared_ptr<TSound> TSound::Load(const SoundUrl& url, int flags) {
  std::shared_ptr<TAudioSample> record;
  if (const auto* given = std::get_if<std::shared_ptr<TAudioSample>>(&url))
    record = *given;
  else
    record = LoadAudioSample(std::get<std::string>(url));
  if (!record) return nullptr;
  return GetAudioDriver()->CreateSound(record, flags);
}
