// Loading a file through the sample loaders: each loader reads from the start of the
// file, the first sample made wins, and a sound loaded by path holds the frames.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

#include "audio/sampleloaders.h"
#include "drivertest.h"
#include "platform/streams.h"

namespace {

// A loader that reads some bytes and declines: the next loader must still start at 0.
std::shared_ptr<TAudioSample> declining(TStream& stream) {
  ReadString(stream, 6);
  return nullptr;
}

// "QRAW", a 32-bit frame count, then 16-bit mono values.
std::shared_ptr<TAudioSample> qraw(TStream& stream) {
  if (ReadString(stream, 4) != "QRAW") return nullptr;
  const int frames = ReadInt(stream);
  if (frames < 0 || static_cast<int64_t>(frames) * 2 > StreamSize(stream) - 8) return nullptr;
  auto r = CreateAudioSample(frames, 44100, SF_MONO16);
  if (r) ReadBytes(stream, r->samples, r->capacity);
  return r;
}

void addloaders() {
  static bool added = false;
  if (added) return;
  added = true;
  AddAudioSampleLoader(declining);
  AddAudioSampleLoader(nullptr);  // ignored
  AddAudioSampleLoader(qraw);
}

std::string writefile(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + "quillon_" + std::to_string(getpid()) + "_" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string qrawbytes(const std::vector<int16_t>& values) {
  std::string bytes = "QRAW";
  const auto n = static_cast<uint32_t>(values.size());
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
  for (int16_t v : values) {
    bytes.push_back(static_cast<char>(v & 0xFF));
    bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  return bytes;
}

}  // namespace

using SampleLoaders = DriverTest;

TEST_F(SampleLoaders, FirstLoaderThatReadsTheFileWins) {
  addloaders();
  const std::string good = writefile("good.qraw", qrawbytes({100, -200, 300}));
  const std::string foreign = writefile("foreign.bin", "RIFF....WAVE");
  const std::string truncated = writefile("short.qraw", qrawbytes({1, 2, 3}).substr(0, 10));

  auto r = LoadAudioSample(good);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->length, 3);
  EXPECT_EQ(std::vector<int16_t>(r->Values16(), r->Values16() + 3), (std::vector<int16_t>{100, -200, 300}));
  EXPECT_EQ(LoadAudioSample(foreign), nullptr);
  EXPECT_EQ(LoadAudioSample(truncated), nullptr);
  EXPECT_EQ(LoadAudioSample(::testing::TempDir() + "quillon_no_such_file.qraw"), nullptr);
  EXPECT_EQ(LoadAudioSample(::testing::TempDir()), nullptr);  // a folder

  // By path through the current driver, looped by flag bit 0.
  std::shared_ptr<TSound> s = LoadSound(good, 1);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(values(s), (std::vector<int16_t>{100, -200, 300}));
  EXPECT_EQ(s->GetLoop(), -1);
  EXPECT_EQ(TSound::Load(foreign, 0), nullptr);
  EXPECT_EQ(LoadSound(std::shared_ptr<TAudioSample>(), 0), nullptr);
  for (const std::string& path : {good, foreign, truncated}) std::remove(path.c_str());
}
