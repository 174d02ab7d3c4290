// Start and end of the platform layer on SDL.
#include "platform/platform.h"

#include <SDL.h>
#include <signal.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/eventglue.h"
#include "platform/input.h"
#include "platform/print.h"
#include "platform/window.h"

namespace {
bool started = false;
int videoReady = 0;

// Without a display SDL falls back to a driver that shows nothing; a game there would
// run on unseen. Only one named in SDL_VIDEODRIVER on purpose counts as a display.
bool FallbackDriverNotAskedFor(const char* driver) {
  const std::string name = driver != nullptr ? driver : "";
  if (name != "offscreen" && name != "dummy") return false;
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  std::stringstream list(asked != nullptr ? asked : "");
  for (std::string item; std::getline(list, item, ',');)
    if (SDL_strcasecmp(item.c_str(), driver) == 0) return false;
  return true;
}
}  // namespace

int PlatformInit() {
  // A write past the file-size limit then fails like one on a full disk, so the writer
  // removes its temporary file, instead of ending the program half way.
  signal(SIGXFSZ, SIG_IGN);
  if (started) return videoReady;
  SetEventThread();
  if (!EnsureSdlCore()) return 0;
  // Window coordinates are pixels: no high-DPI scaling.
  SDL_SetHint(SDL_HINT_VIDEO_HIGHDPI_DISABLED, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    Print(std::string("PlatformInit: no video: ") + SDL_GetError());
  } else if (FallbackDriverNotAskedFor(SDL_GetCurrentVideoDriver())) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    Print("PlatformInit: no video: no display");
  } else {
    videoReady = 1;
  }
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) != 0)
    Print(std::string("PlatformInit: no joysticks: ") + SDL_GetError());
  started = true;
  return videoReady;
}

void PlatformShutdown() {
  StopAllTimers();
  FreeAllWindows();
  FlushEvents();
  FlushKeys();
  FlushMouse();
  if (started) SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
  // The display connection stays open until the process ends: closing it unloads the
  // GL driver, and the leak checker could then no longer tell its leftovers from ours.
  if (SdlCoreReady()) SDL_QuitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER);
  ReleaseSdlCore();
  started = false;
  videoReady = 0;
}
