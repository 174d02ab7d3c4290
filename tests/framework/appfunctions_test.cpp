// Guarded renaming and the application-support folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "framework/appfunctions.h"
#include "framework/browsertesting.h"
#include "framework/ini.h"
#include "framework/testfolder.h"

TEST(RenameFileGuards, RefusalsChangeNothing) {
  TestFolder folder;
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
  TestFolder folder;
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
  TestFolder folder;
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
    EXPECT_EQ(GetAppSupportDir(), "");  // no ~/.config yet
    std::filesystem::create_directory(folder / ".config");
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/.config/");
  }
  {
    EnvGuard env;
    env.Set("XDG_CONFIG_HOME", std::nullopt);
    env.Set("HOME", std::nullopt);
    const std::string dir = GetAppSupportDir();
    EXPECT_TRUE(dir.empty() || dir.back() == '/') << dir;
  }
}
