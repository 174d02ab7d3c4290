// Start and end of the platform layer on SDL.
#include "platform/platform.h"

#include <SDL.h>
#include <signal.h>

#include <string>

#include "platform/eventglue.h"
#include "platform/input.h"
#include "platform/print.h"
#include "platform/window.h"

namespace {
bool started = false;
int videoReady = 0;
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
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    videoReady = 1;
  } else {
    Print(std::string("PlatformInit: no video: ") + SDL_GetError());
    videoReady = 0;
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
