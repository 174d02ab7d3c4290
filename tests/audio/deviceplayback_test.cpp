// End to end through SDL's "disk" audio driver: a known sound played through the
// function interface lands in the driver's raw output file at its level.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "audio/mixerapi.h"
#include "audio/output.h"
#include "platform/numbers.h"

namespace {

std::vector<int16_t> readraw(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<int16_t> values(bytes.size() / 2);
  std::memcpy(values.data(), bytes.data(), values.size() * 2);
  return values;
}

}  // namespace

TEST(DevicePlayback, KnownSoundReachesTheDiskDriverAtItsLevel) {
  SetTestClock(nullptr);
  const std::string path = ::testing::TempDir() + "quillon_disk_audio_" + std::to_string(getpid()) + ".raw";
  std::remove(path.c_str());
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);

  ASSERT_EQ(mx_Init(0), 0);
  ASSERT_NE(audio, nullptr);
  constexpr int kLength = 8820;  // 200 ms, one-shot
  constexpr int kLevel = 8000;
  std::vector<int16_t> frames(kLength, kLevel);
  sample* s = mx_CreateSound(kLength, 16, 1, 44100, frames.data(), 0);
  ASSERT_NE(s, nullptr);
  const int h = mx_PlaySound(s, 0, 0);
  EXPECT_NE(h, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!(mx_ChannelStatus(h) & kStatusFinished) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(mx_ChannelStatus(h) & kStatusFinished);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the last buffer reaches the file
  EXPECT_EQ(mx_Close(), 0);
  EXPECT_EQ(audio, nullptr);
  mx_FreeSound(s);
  unsetenv("SDL_DISKAUDIOFILE");
  setenv("SDL_AUDIODRIVER", "dummy", 1);

  const std::vector<int16_t> raw = readraw(path);
  std::remove(path.c_str());
  ASSERT_GT(raw.size(), static_cast<size_t>(2 * kLength));
  // Mono at unity volume and centre pan: both channels carry the frames unchanged. The
  // first buffer of the voice fades in (at most one request of 1024 frames), the rest
  // is the level itself, and nothing plays beyond the sound's length.
  int sounding = 0;
  size_t first = raw.size();
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    ASSERT_EQ(raw[i], raw[i + 1]) << i;
    ASSERT_GE(raw[i], 0) << i;
    ASSERT_LE(raw[i], kLevel) << i;
    if (raw[i] != 0) ++sounding;
    if (raw[i] == kLevel && first == raw.size()) first = i;
  }
  EXPECT_LE(sounding, kLength);
  ASSERT_LT(first, raw.size());
  int atlevel = 0;
  for (size_t i = first; i < raw.size() && raw[i] == kLevel; i += 2) ++atlevel;
  EXPECT_GE(atlevel, kLength - 1024);
}
