// The fuzzer's bytes as a settings file for TIni::Load; what it read is written back
// and read again, as a session ending and the next one starting do.
#include "framework/ini.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteScratchFile("settings.ini", data, size);
  const TIni ini = TIni::Load(path, 0);
  if (ini.Save(path, 0)) TIni::Load(path, 0);
  return 0;
}
