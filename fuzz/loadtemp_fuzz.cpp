// Loading by extension: the first byte picks the extension, the rest is the file.
#include <array>

#include "scratch.h"
#include "soundiotarget.h"

namespace {

const std::array<const char*, 35> kExtensions{
    "krz", "kr1", "kr2", "kr3", "kr4", "kr5", "kr6", "ksf", "dsk", "8svx", "iff", "mp3",
    "x0v", "x0a", "x0s", "x0w", "x3v", "x3a", "x3s", "x3w", "usr", "ebl", "em1", "eb2",
    "ipa", "wav", "aif", "msmpl_bank", "p3k", "t01", "t03", "vc", "vcd", "WAV", "txt"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  auto io = FreshSoundIO();
  const std::string name = std::string("sample.") + kExtensions[data[0] % kExtensions.size()];
  io->LoadTemp(WriteScratchFile(name, data + 1, size - 1));
  return 0;
}
