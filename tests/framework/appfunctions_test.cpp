// Guarded renaming and the application-support folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "framework/appfunctions.h"
#include "framework/browsertesting.h"
#include "framework/ini.h"
#include "framework/testfolder.h"
#include "framework/windowtesting.h"
#include "testsettingsfolder.h"

TEST(RenameFileGuards, RefusalsChangeNothing) {
  TempFolder folder;
  const std::string a = folder / "a.txt", b = folder / "b.txt";
  WriteBytes(a, "A");
  EXPECT_EQ(RenameFile("", b, 1), 0);
  EXPECT_EQ(RenameFile(a, "", 1), 0);
  EXPECT_EQ(RenameFile(folder / "missing", b, 1), 0);
  EXPECT_FALSE(std::filesystem::exists(b));

  WriteBytes(b, "B");
  EXPECT_EQ(RenameFile(a, b, 0), 0);
  EXPECT_EQ(ReadBytes(a), "A");
  EXPECT_EQ(ReadBytes(b), "B");

  // The file system itself refuses: the destination's folder does not exist.
  EXPECT_EQ(RenameFile(a, folder / "no/where.txt", 1), 0);
  EXPECT_EQ(ReadBytes(a), "A");
}

TEST(RenameFileGuards, RenamesFilesAndFolders) {
  TempFolder folder;
  const std::string a = folder / "a.txt", b = folder / "b.txt";
  WriteBytes(a, "A");
  WriteBytes(b, "B");
  EXPECT_EQ(RenameFile(a, b, 1), 1);
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_EQ(ReadBytes(b), "A");

  EXPECT_EQ(RenameFile(b, folder / "c.txt", 0), 1);
  EXPECT_EQ(ReadBytes(folder / "c.txt"), "A");

  std::filesystem::create_directory(folder / "dir");
  WriteBytes(folder / "dir/inside", "I");
  EXPECT_EQ(RenameFile(folder / "dir", folder / "moved", 0), 1);
  EXPECT_EQ(ReadBytes(folder / "moved/inside"), "I");
  EXPECT_FALSE(std::filesystem::exists(folder / "dir"));
}

TEST(AppSupport, FolderFromTheEnvironment) {
  TempFolder folder;
  {
    EnvGuard env;
    env.Set("XDG_CONFIG_HOME", folder.path());
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/");
    InitIniModule();
    EXPECT_EQ(App_SupportDir, folder.path() + "/");
  }
  {
    EnvGuard env;
    env.Set("XDG_CONFIG_HOME", std::nullopt);
    env.Set("HOME", folder.path());
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/.config/");  // made when missing
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/.config/");
  }
}

TEST(AppSupport, TestsKeepToASettingsFolderOfTheirOwn) {
  const std::filesystem::path own = TestSettingsFolder();
  EXPECT_EQ(GetAppSupportDir(), own.string() + "/");
  EXPECT_TRUE(std::filesystem::equivalent(own.parent_path(), std::filesystem::temp_directory_path())) << own;
}

TEST(AppSupport, AMissingFolderIsMadeForTheUserAloneAndNeverReplacedByTheWorkingFolder) {
  TempFolder folder;
  auto mode = [](const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
  };
  {
    EnvGuard env;
    env.Set("XDG_CONFIG_HOME", folder / "a/b");
    EXPECT_EQ(PrintedBy([] { InitIniModule(); }), std::vector<std::string>{});
    EXPECT_EQ(App_SupportDir, folder / "a/b/");
    EXPECT_EQ(mode(folder / "a"), 0700u);
    EXPECT_EQ(mode(folder / "a/b"), 0700u);
  }
  {
    // Below a plain file nothing can be made: one log line, and no folder at all.
    WriteBytes(folder / "file", "x");
    EnvGuard env;
    env.Set("XDG_CONFIG_HOME", folder / "file/config");
    const auto log = PrintedBy([] { InitIniModule(); });
    EXPECT_EQ(App_SupportDir, "");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(folder / "file/config"), std::string::npos) << log[0];
  }
  App_SupportDir.clear();
}
