// TGarbage over glibc's allocator statistics.
#include "framework/garbage.h"

#include <malloc.h>

#include <string>

#include "platform/print.h"

namespace {
constexpr int64_t kGarbageThreshold = 65535;
}

int64_t AllocatedBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

void CollectGarbage() { malloc_trim(0); }

TGarbage::TGarbage() : TGarbage(nullptr, nullptr) {}

TGarbage::TGarbage(Counter counter, Collector collector)
    : counter_(counter ? std::move(counter) : Counter(AllocatedBytes)),
      collector_(collector ? std::move(collector) : Collector(CollectGarbage)) {
  GarbageMem = counter_();
}

int TGarbage::Check() {
  if (counter_() - GarbageMem > kGarbageThreshold) collector_();
  return 0;
}

int TGarbage::DebugPrint() {
  Print(std::to_string(counter_() - GarbageMem));
  return 0;
}
