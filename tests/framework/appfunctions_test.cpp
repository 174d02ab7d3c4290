// Guarded renaming and the application-support folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "framework/appfunctions.h"
#include "framework/ini.h"
#include "framework/testfolder.h"

namespace {

// Sets an environment variable for one test and puts the old state back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

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
    ScopedEnv config("XDG_CONFIG_HOME", folder.path().c_str());
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/");
    InitIniModule();
    EXPECT_EQ(App_SupportDir, folder.path() + "/");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", folder.path().c_str());
    EXPECT_EQ(GetAppSupportDir(), "");  // no ~/.config yet
    std::filesystem::create_directory(folder / ".config");
    EXPECT_EQ(GetAppSupportDir(), folder.path() + "/.config/");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    const std::string dir = GetAppSupportDir();
    EXPECT_TRUE(dir.empty() || dir.back() == '/') << dir;
  }
}
