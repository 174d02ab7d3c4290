// The fuzzer's bytes as a file for TSoundIO::LoadWav.
#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO();
  io->LoadWav(WriteScratchFile("sample.wav", data, size));
  return 0;
}
