// The memory pacer asks for a collection only above 64 KB over its starting count.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/garbage.h"

TEST(TGarbagePacer, ThresholdFromTheFixedBase) {
  int64_t allocated = 1000000;
  int collections = 0;
  TGarbage pacer([&] { return allocated; }, [&] { ++collections; });
  EXPECT_EQ(pacer.GarbageMem, 1000000);

  allocated = 1065535;
  EXPECT_EQ(pacer.Check(), 0);
  EXPECT_EQ(collections, 0);
  allocated = 1065536;
  pacer.Check();
  EXPECT_EQ(collections, 1);
  // The base never moves: still above it after a collection, so the next check collects again.
  allocated = 1070000;
  pacer.Check();
  EXPECT_EQ(collections, 2);
  allocated = 900000;
  pacer.Check();
  EXPECT_EQ(collections, 2);
  EXPECT_EQ(pacer.GarbageMem, 1000000);
}

TEST(TGarbagePacer, LargeHeapsDoNotOverflow) {
  int64_t allocated = int64_t{3} << 31;  // beyond 32 bits
  int collections = 0;
  TGarbage pacer([&] { return allocated; }, [&] { ++collections; });
  allocated += 65536;
  pacer.Check();
  EXPECT_EQ(collections, 1);
  allocated = 0;
  pacer.Check();
  EXPECT_EQ(collections, 1);
}

TEST(TGarbagePacer, CountsTheCLibraryHeap) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's allocator keeps no C library statistics";
#else
  int collections = 0;
  TGarbage pacer(nullptr, [&] { ++collections; });
  pacer.Check();
  EXPECT_EQ(collections, 0);

  void* block = std::malloc(4 << 20);
  ASSERT_NE(block, nullptr);
  static_cast<volatile char*>(block)[0] = 1;
  EXPECT_GE(AllocatedBytes() - pacer.GarbageMem, int64_t{4} << 20);
  pacer.Check();
  EXPECT_EQ(collections, 1);

  std::free(block);
  pacer.Check();
  EXPECT_EQ(collections, 1);
#endif
}
