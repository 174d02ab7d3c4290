// Log lines: whole lines even from two threads at once, and silence where asked.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>

#include "platform/print.h"

TEST(Print, LinesFromTwoThreadsNeverInterleave) {
  constexpr int kLines = 20000;
  const std::string a(40, 'a');
  const std::string b(40, 'b');
  testing::internal::CaptureStdout();
  std::thread other([&] {
    for (int i = 0; i < kLines; ++i) Print(b);
  });
  for (int i = 0; i < kLines; ++i) Print(a);
  other.join();
  std::istringstream out(testing::internal::GetCapturedStdout());
  int count = 0;
  for (std::string line; std::getline(out, line); ++count)
    ASSERT_TRUE(line == a || line == b) << "line " << count << ": " << line;
  EXPECT_EQ(count, 2 * kLines);
}

TEST(Print, QuietOnlyWhileTheGuardLivesOnItsThread) {
  testing::internal::CaptureStdout();
  {
    TQuietPrint quiet;
    Print("hidden");
    std::thread([] { Print("other thread"); }).join();
  }
  Print("shown");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "other thread\nshown\n");
}
