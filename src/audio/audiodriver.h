// TAudioDriver: a back end that starts the audio output and makes sounds and
// channels. The base class is the silent driver "Null": it always starts and makes
// silent base sounds and channels. Every driver links itself into the driver registry
// when made (driverregistry.h) and out of it when destroyed.
#pragma once
#include <memory>
#include <string>

#include "audio/audiosample.h"
#include "audio/channel.h"
#include "audio/sound.h"

class TAudioDriver {
 public:
  TAudioDriver();
  // Leaves the registry; a driver destroyed while current is no longer current (the
  // owner shuts it down first: its own Shutdown cannot run from here).
  virtual ~TAudioDriver();
  TAudioDriver(const TAudioDriver&) = delete;
  TAudioDriver& operator=(const TAudioDriver&) = delete;

  virtual std::string Name();
  // Starts the back end: true on success.
  virtual int Startup();
  virtual int Shutdown();
  // A sound of the sample's frames; flag bit 0 makes it looped.
  virtual std::shared_ptr<TSound> CreateSound(const std::shared_ptr<TAudioSample>& sample, int flags);
  // A new, idle channel.
  virtual std::shared_ptr<TChannel> AllocChannel();
  virtual std::shared_ptr<TSound> LoadSound(const SoundUrl& url, int flags);

  TAudioDriver* _succ = nullptr;  // the next driver of the registry
};
