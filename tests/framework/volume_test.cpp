// The volumes module: platform text decoding, the volume list's limit and figures over
// faked platform records, statistics of real paths, and folder lookups by folder type
// over XDG variables the test sets.
#include "framework/volume.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/browsertesting.h"
#include "framework/testfolder.h"
#include "framework/utf8string.h"

namespace {

TEST(VolumesText, DecodesTheOneTwoAndThreeByteForms) {
  EXPECT_EQ(StringFromUTF8String(nullptr), "");
  EXPECT_EQ(StringFromUTF8String("\x43\x61\x66\xC3\xA9"), "Caf\u00E9");
  EXPECT_EQ(StringFromUTF8String("\xE2\x82\xAC!"), "\u20AC!");
}

TEST(VolumesText, ReplacesWhatItDoesNotHandleAndStopsAtTheEnd) {
  EXPECT_EQ(StringFromUTF8String("a\xF0\x9F\x98\x80"
                                 "b"),
            "a\uFFFD"
            "b");
  EXPECT_EQ(StringFromUTF8String("a\xC3"), "a\uFFFD");
  EXPECT_EQ(StringFromUTF8String("a\xE2\x82"), "a\uFFFD");
  EXPECT_EQ(StringFromUTF8String("\x80"), "\uFFFD");
  EXPECT_EQ(StringFromUTF8String("\xED\xA0\x80"), "\uFFFD");  // a lone surrogate
}

class FakeRecords : public TMacVolume {
 public:
  std::vector<VolumeInfo> records;
  std::vector<VolumeInfo> PlatformVolumes() override { return records; }
};

TEST(VolumesList, KeepsTheFirstThirtyWithTheirFigures) {
  FakeRecords v;
  for (int i = 0; i < 35; ++i)
    v.records.push_back({"/mnt/" + std::to_string(i), "/dev/sd" + std::to_string(i), "ext4",
                         (int64_t{1} << 33) + i, 4096 * 10});
  const auto list = v.ListVolumes();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->size(), 30u);
  const TVolume& last = *list->back();
  EXPECT_EQ(std::tuple(last.volumeName, last.volumeDevice, last.volumeType, last.volumeSize,
                       last.volumeFree, last.available),
            std::tuple("/mnt/29", "/dev/sd29", "ext4", (int64_t{1} << 33) + 29, 4096 * 10, 1));
  v.records.clear();
  EXPECT_EQ(v.ListVolumes(), nullptr);
}

TEST(VolumesList, RefreshReadsAListedVolumeAgain) {
  FakeRecords v;
  v.records.push_back({"/", "rootdev", "fake", 1, 1});
  auto list = v.ListVolumes();
  ASSERT_NE(list, nullptr);
  TVolume& root = *list->front();
  root.Refresh();
  EXPECT_EQ(root.available, 1);
  EXPECT_EQ(root.volumeSize, GetVolumeSize("/"));
  EXPECT_EQ(root.volumeType, "fake");  // names are not read again
}

TEST(VolumesPaths, AnswerForReadablePathsOnly) {
  EXPECT_GT(GetVolumeSize("/"), 0);
  EXPECT_LE(GetVolumeFreeSpace("/"), GetVolumeSize("/"));
  EXPECT_EQ(GetVolumeSize("/no/such/path/here"), 0);
  EXPECT_EQ(GetVolumeFreeSpace("/no/such/path/here"), 0);

  const auto missing = GetVolumeInfo("/no/such/path/here");
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->available, 0);
  EXPECT_EQ(missing->volumeName, "");
  EXPECT_EQ(missing->volumeSize, 0);

  const auto root = GetVolumeInfo("/");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->available, 1);
  EXPECT_EQ(root->volumeName, "/");
  const int64_t size = root->volumeSize;
  root->volumeSize = 7;
  root->Refresh();  // no statistics object kept: nothing changes
  EXPECT_EQ(root->volumeSize, 7);
  EXPECT_NE(size, 7);
}

TEST(VolumesFolders, MapFolderTypesToTheUsersFolders) {
  TempFolder t;
  for (const char* sub : {"Pictures", "Desktop", "config"})
    std::filesystem::create_directories(t / sub);
  EnvGuard env;
  env.Set("HOME", t.path());
  env.Set("XDG_CONFIG_HOME", t / "config");
  env.Set("XDG_PICTURES_DIR", std::nullopt);
  env.Set("XDG_DESKTOP_DIR", std::nullopt);
  env.Set("XDG_MUSIC_DIR", std::nullopt);
  EXPECT_EQ(GetUserHomeDir(), t.path());
  EXPECT_EQ(GetUserDesktopDir(), t / "Desktop");
  EXPECT_EQ(GetCustomDir(-2, 0), t / "Pictures");
  EXPECT_EQ(GetCustomDir(-2, 12345), t / "Pictures");
  EXPECT_EQ(GetCustomDir(-3, 0), "");  // no Music folder: never made
  EXPECT_FALSE(std::filesystem::exists(t / "Music"));
  EXPECT_EQ(GetCustomDir(-7, 0), "");
  EXPECT_EQ(GetCustomDir(static_cast<int>(kFolderDesktop), 0), t / "Desktop");
  EXPECT_EQ(GetCustomDir(static_cast<int>(kFolderDesktop), 99), "");  // no other domain here
  EXPECT_EQ(GetUserAppDir(), t / "config");
  TMacVolume v;
  EXPECT_EQ(v.getPath(kFolderAppSupport, 0), GetUserAppDir());
  EXPECT_EQ(v.getPath(0x12345678, 0), "");
}

}  // namespace
