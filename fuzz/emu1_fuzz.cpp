// The fuzzer's bytes as an EMU1 image: the data range scan, then the 8-bit log decode
// of that range as loading by extension does it.
#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO();
  const std::string path = WriteScratchFile("sample.em1", data, size);
  if (OpenEMU1(path) > 0) io->LoadAs8BitLog(path, CMIDataStart, CMIDataEnd);
  return 0;
}
