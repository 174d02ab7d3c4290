// The fuzzer's bytes as a CMI voice file for TCMISoundIO::LoadCMITemp.
#include "samplefiles/cmisoundio.h"
#include "scratch.h"
#include "soundiotarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto io = FreshSoundIO<TCMISoundIO>();
  io->LoadCMITemp(WriteScratchFile("sample.vc", data, size));
  return 0;
}
