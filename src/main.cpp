// The program: each module's start-up in the overview's order, the game's program body
// (start-up, event loop, settings written back), then the audio and platform shut-down.
#include "audio/driverregistry.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "framework/random.h"
#include "game/programbody.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  PlatformInit();
  InitRandomModule();
  InitIniModule();
  InitPellamModule();
  InitAudioDrivers();

  RunQuillon();

  // The at-exit shutdown of the audio driver runs here too, before SDL goes away.
  ShutdownAudioDriver();
  PlatformShutdown();
  return 0;
}
