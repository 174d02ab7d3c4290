// The program body: start-up of the game, the event loop, shut-down.
#include "platform/events.h"
#include "platform/platform.h"
#include "platform/print.h"
#include "platform/window.h"

int main(int argc, char** argv) {
  Print("Setting up orrery");
  PlatformInit();
  // Until the framework exists: an empty window, open until it is closed.
  TWindow* window = CreateWindow("Quillon", 200, 100, 960, 640,
                                 WINDOW_TITLEBAR | WINDOW_RESIZABLE | WINDOW_CLIENTCOORDS, 960, 640);
  if (!window) {
    PlatformShutdown();
    return 1;
  }
  for (;;) {
    TEvent event = WaitEvent();
    if (event.id == EVENT_APPTERMINATE || event.id == EVENT_WINDOWCLOSE) break;
  }
  PlatformShutdown();
  return 0;
}
