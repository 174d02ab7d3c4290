// The fuzzer's bytes as the game's settings file, read by the game's start-up of it
// and written back by its shut-down.
#include "framework/appfunctions.h"
#include "framework/ini.h"
#include "game/quilloncore.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  App_SupportDir = ScratchFolder();
  WriteScratchFile("quillon.ini", data, size);
  TQuillonCore game;
  game.MStartupIni("quillon.ini");
  game.MShutdownIni();
  return 0;
}
