// The program: the modules started, the game's program body (start-up, event loop,
// settings written back), then the audio and platform shut-down.
#include "game/programbody.h"
#include "programstart.h"

int main(int argc, char** argv) {
  StartProgramModules();
  RunQuillon();
  StopProgramModules();
  return 0;
}
