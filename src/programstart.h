// The program's module start-up and shut-down around its body, shared by main and the
// start-up benchmark so that both start the modules alike: each module's start-up in the
// overview's order, then, after the body, the audio and platform shut-down.
#pragma once
#include "audio/driverregistry.h"
#include "audio/mixerdriver.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "framework/random.h"
#include "game/diskimages.h"
#include "platform/platform.h"
#include "voice/voiceglobals.h"

// PlatformInit's answer: 0 when there is no display.
inline int StartProgramModules() {
  const int platform = PlatformInit();
  InitRandomModule();
  InitIniModule();
  InitPellamModule();
  InitAudioDrivers();
  InitSoftMixDrivers();
  // Only the voice module's globals: the game creates no voice bank.
  InitVoiceModule();
  // The file browser shows floppy-disk images through the sample files' reader.
  ConnectDiskImages();
  return platform;
}

inline void StopProgramModules() {
  // The at-exit shutdown of the audio driver runs here too, before SDL goes away.
  ShutdownAudioDriver();
  PlatformShutdown();
}
