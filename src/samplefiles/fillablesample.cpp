// Sample records whose bytes the reader writes: the buffer is left uncleared, and a
// large one is aligned to and advised for huge pages, which the kernel faults in far
// fewer steps than small ones.
#include "samplefiles/fillablesample.h"

#include <sys/mman.h>

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kHertz = 44100;
constexpr size_t kHugePage = size_t{2} << 20;

struct FreeBytes {
  void operator()(uint8_t* bytes) const { std::free(bytes); }
};

// The record and the bytes it points into, freed together.
struct Fillable {
  TAudioSample record;
  std::unique_ptr<uint8_t, FreeBytes> bytes;
};

uint8_t* Allocate(size_t size) {
  if (size < kHugePage) return static_cast<uint8_t*>(std::malloc(size));
  const size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
  void* bytes = std::aligned_alloc(kHugePage, rounded);
  if (bytes) madvise(bytes, rounded, MADV_HUGEPAGE);  // only advice: failing changes nothing
  return static_cast<uint8_t*>(bytes);
}

}  // namespace

std::shared_ptr<TAudioSample> CreateFillableSample(int frames, int format) {
  const int perFrame = AudioFormatBytes(format);
  if (frames < 0 || perFrame == 0) return nullptr;
  const int64_t size = static_cast<int64_t>(frames) * perFrame;
  if (size > INT_MAX) return nullptr;
  auto held = std::make_shared<Fillable>();
  // At least one byte, so that even an empty record has an address of its own.
  held->bytes.reset(Allocate(static_cast<size_t>(size > 0 ? size : 1)));
  if (!held->bytes) return nullptr;
  TAudioSample& record = held->record;
  record.samples = held->bytes.get();
  record.length = frames;
  record.hertz = kHertz;
  record.format = format;
  return std::shared_ptr<TAudioSample>(held, &record);
}
