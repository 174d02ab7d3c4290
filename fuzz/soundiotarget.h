// Start-up of the sample-file targets as the program does it (audio drivers, then the
// loaders), and a fresh preview loader for each input with no disk image open.
#pragma once
#include <cstdlib>
#include <memory>

#include "audio/driverregistry.h"
#include "audio/mixerdriver.h"
#include "samplefiles/cmidisk.h"
#include "samplefiles/samplefileloaders.h"
#include "samplefiles/soundio.h"

template <class Loader = TSoundIO>
std::unique_ptr<Loader> FreshSoundIO() {
  static const bool started = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    InitAudioDrivers();
    InitSoftMixDrivers();
    InitSampleFileLoaders();
    return true;
  }();
  (void)started;
  ResetIMDDisk();
  return std::make_unique<Loader>();
}
