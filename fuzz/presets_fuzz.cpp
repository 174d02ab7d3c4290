// The fuzzer's bytes as the stub file of one of the three preset libraries (the first
// byte picks which), loaded and saved back.
#include <filesystem>

#include "framework/appfunctions.h"
#include "platform/paths.h"
#include "scratch.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/rotorlist.h"

namespace {

template <class List>
void LoadAndSave(const uint8_t* data, size_t size) {
  List list;
  std::filesystem::create_directories(ScratchFolder() + ExtractDir(list.StubPath()));
  WriteScratchFile(list.StubPath(), data, size);
  list.Init();
  list.changed = 1;
  list.Shutdown();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  App_SupportDir = ScratchFolder();
  switch (data[0] % 3) {
    case 0: LoadAndSave<TRotorList>(data + 1, size - 1); break;
    case 1: LoadAndSave<TEnvelopeList>(data + 1, size - 1); break;
    default: LoadAndSave<TLFOList>(data + 1, size - 1); break;
  }
  return 0;
}
