// TSoftMixAudioDriver: the driver that starts the mixer on the platform's audio output
// and makes TSoftMixSound and TSoftMixChannel objects. Two are registered at module
// start, "SoftMix CoreAudio" (mode 0) and then "SoftMix" (mode -1); both start the
// same output.
#pragma once
#include <memory>
#include <string>

#include "audio/audiodriver.h"

class TSoftMixAudioDriver : public TAudioDriver {
 public:
  TSoftMixAudioDriver() = default;
  TSoftMixAudioDriver(std::string name, int mode) : _name(std::move(name)), _mode(mode) {}
  static std::unique_ptr<TSoftMixAudioDriver> Create(const std::string& name, int mode);

  std::string Name() override;
  // mx_Init with the mode (0 for mode -1): true unless the output cannot start.
  int Startup() override;
  int Shutdown() override;
  // Big-endian and 8-bit frames are first converted to little-endian 16-bit; nullptr
  // for a missing record, one with no channels or one whose bytes do not hold its
  // frames. While the mixer is stopped the sound has no record.
  std::shared_ptr<TSound> CreateSound(const std::shared_ptr<TAudioSample>& sample, int flags) override;
  // nullptr while the mixer is stopped or every channel is in use.
  std::shared_ptr<TChannel> AllocChannel() override;

  std::string _name;
  int _mode = 0;
};

// The mixer's module start, once per process: starts the registry first (so that the
// silent driver ends the list), then makes and registers the two drivers.
void InitSoftMixDrivers();
