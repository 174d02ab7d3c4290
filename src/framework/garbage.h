// TGarbage, the memory pacer: asks for heap memory to be handed back to the system once
// the allocated bytes have grown more than 64 KB above the count at its creation.
#pragma once
#include <cstdint>
#include <functional>

class TGarbage {
 public:
  using Counter = std::function<int64_t()>;
  using Collector = std::function<void()>;

  // Counts with the C library's allocator statistics and trims its free memory.
  TGarbage();
  // Counts and collects with the given functions (either may be empty: the default serves).
  TGarbage(Counter counter, Collector collector);
  virtual ~TGarbage() = default;

  virtual int Check();
  virtual int DebugPrint();

  // The allocated bytes when the object was created; never changed afterwards.
  int64_t GarbageMem = 0;

 private:
  Counter counter_;
  Collector collector_;
};

// Bytes the C library's allocator has handed out and not yet taken back.
int64_t AllocatedBytes();
// Hands the allocator's free memory back to the system.
void CollectGarbage();
