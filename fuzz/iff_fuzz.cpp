// The fuzzer's bytes as a file for TSoundIO::LoadIFF.
#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO();
  io->LoadIFF(WriteScratchFile("sample.iff", data, size));
  return 0;
}
