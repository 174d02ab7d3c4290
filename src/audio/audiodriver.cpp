// The silent driver "Null", and the registry links every driver makes.
#include "audio/audiodriver.h"

#include "audio/driverregistry.h"

TAudioDriver::TAudioDriver() { LinkAudioDriver(this); }

TAudioDriver::~TAudioDriver() { UnlinkAudioDriver(this); }

std::string TAudioDriver::Name() { return "Null"; }

int TAudioDriver::Startup() { return 1; }

int TAudioDriver::Shutdown() { return 0; }

std::shared_ptr<TSound> TAudioDriver::CreateSound(const std::shared_ptr<TAudioSample>&, int) { return TSound::New(); }

std::shared_ptr<TChannel> TAudioDriver::AllocChannel() { return TChannel::New(); }

std::shared_ptr<TSound> TAudioDriver::LoadSound(const SoundUrl& url, int flags) { return TSound::Load(url, flags); }
