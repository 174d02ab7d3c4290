// Log lines: whole lines even from several threads at once, and silence where asked.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/print.h"

TEST(Print, LinesFromSeveralThreadsNeverInterleave) {
  constexpr int kThreads = 4;
  constexpr int kLines = 20000;
  testing::internal::CaptureStdout();
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([t] {
      const std::string line(8, static_cast<char>('a' + t));
      for (int i = 0; i < kLines; ++i) Print(line);
    });
  for (std::thread& thread : threads) thread.join();
  std::istringstream out(testing::internal::GetCapturedStdout());
  int count = 0;
  for (std::string line; std::getline(out, line); ++count)
    ASSERT_TRUE(line.size() == 8 && line.find_first_not_of(line[0]) == std::string::npos)
        << "line " << count << ": " << line;
  EXPECT_EQ(count, kThreads * kLines);
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
