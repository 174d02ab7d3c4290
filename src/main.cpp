// The program body: start-up of the game, the event loop, shut-down.
#include "platform/print.h"

int main(int argc, char** argv) {
  Print("Setting up orrery");
  return 0;
}
