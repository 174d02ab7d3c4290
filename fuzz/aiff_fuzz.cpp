// The fuzzer's bytes as a file for TSoundIO::LoadAif.
#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO();
  io->LoadAif(WriteScratchFile("sample.aif", data, size));
  return 0;
}
