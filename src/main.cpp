// The program: the modules started, the game's program body (start-up, event loop,
// settings written back), then the audio and platform shut-down.
#include <cstdio>

#include "game/programbody.h"
#include "programstart.h"

int main(int argc, char** argv) {
  if (StartProgramModules() == 0) {
    std::fputs("quillon: found no display; the game needs a graphical desktop (X11 or Wayland)\n", stderr);
    StopProgramModules();
    return 1;
  }
  RunQuillon();
  StopProgramModules();
  return 0;
}
