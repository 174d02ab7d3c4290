// The fuzzer's bytes as an ImageDisk image: opened, then every voice of its directory
// loaded by entry as the preview loader does.
#include <algorithm>

#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO();
  if (OpenIMD(WriteScratchFile("disk.imd", data, size)) > 0) {
    const int count = std::clamp(CMIFileCount, 0, kCMIMaxFiles);
    for (int i = 0; i < count; ++i) io->LoadCMIDisk(i, 15939, 8, 512, 1);
  }
  ResetIMDDisk();
  return 0;
}
