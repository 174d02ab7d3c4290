// The headerless sampler formats: the first byte picks the loader and its offsets as
// the extension table calls it, the rest is the file.
#include <array>
#include <functional>

#include "scratch.h"
#include "soundiotarget.h"

namespace {

using Loader = std::function<int(TSoundIO&, const std::string&)>;

const std::array<Loader, 10> kLoaders{
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16BitRev(p, 0); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16BitRev(p, 140); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16BitRev(p, 110592); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs12Bit(p, 1); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16Bit(p, 0, 0); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16Bit(p, 306, 48); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16Bit(p, 29000, 0); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs8Bit2(p); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs8BitFlipped(p); },
    [](TSoundIO& io, const std::string& p) { return io.LoadAs16BitStereo(p, 0); },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  auto io = FreshSoundIO();
  kLoaders[data[0] % kLoaders.size()](*io, WriteScratchFile("sample.raw", data + 1, size - 1));
  return 0;
}
