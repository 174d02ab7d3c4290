// The program: each module's start-up in the overview's order, the game's program body
// (start-up, event loop, settings written back), then the audio and platform shut-down.
#include <algorithm>
#include <string>

#include "audio/driverregistry.h"
#include "framework/diskimagehook.h"
#include "framework/ini.h"
#include "framework/pellam.h"
#include "framework/random.h"
#include "game/programbody.h"
#include "platform/platform.h"
#include "samplefiles/cmidisk.h"
#include "voice/voiceglobals.h"

int main(int argc, char** argv) {
  PlatformInit();
  InitRandomModule();
  InitIniModule();
  InitPellamModule();
  InitAudioDrivers();
  // Only the voice module's globals: the game creates no voice bank.
  InitVoiceModule();
  // The file browser shows floppy-disk images through the sample files' reader.
  DiskImageHook() = TDiskImageHook{
      .OpenIMD = [](const std::string& path) { return OpenIMD(path); },
      .CloseDisk = [] { CMIDisk.clear(); },
      .FileCount = [] { return std::clamp(CMIFileCount, 0, kCMIMaxFiles); },
      .FileName = [](int i) { return i >= 0 && i < kCMIMaxFiles ? CMIFileStructure[i].Name : ""; }};

  RunQuillon();

  // The at-exit shutdown of the audio driver runs here too, before SDL goes away.
  ShutdownAudioDriver();
  PlatformShutdown();
  return 0;
}
