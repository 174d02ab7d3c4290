// The user's folders and the application-support folder, with HOME and the XDG
// variables pointed by each test at folders it made.
#include "platform/folders.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "tempfolder.h"

namespace {

const char* const kVariables[] = {"HOME",           "XDG_CONFIG_HOME",   "XDG_DATA_HOME",
                                  "XDG_DESKTOP_DIR", "XDG_DOCUMENTS_DIR", "XDG_DOWNLOAD_DIR",
                                  "XDG_MUSIC_DIR",   "XDG_PICTURES_DIR",  "XDG_VIDEOS_DIR",
                                  "XDG_PUBLICSHARE_DIR"};

// Points HOME at a fresh folder and clears every XDG variable the folders read;
// puts them all back afterwards.
class FoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
    ASSERT_FALSE(tmp.path().empty());
    home = tmp / "home";
    ASSERT_TRUE(CreateDir(home));
    setenv("HOME", home.c_str(), 1);
  }

  void TearDown() override {
    for (const auto& [name, value] : saved) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }

  void userDirs(const std::string& text) {
    CreateDir(home + "/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << text;
  }

  TempFolder tmp;
  std::string home;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

}  // namespace

TEST_F(FoldersTest, HomeWithoutTrailingSlash) {
  EXPECT_EQ(UserFolderPath(UserFolder::Home), home);
  setenv("HOME", (home + "//").c_str(), 1);
  EXPECT_EQ(UserFolderPath(UserFolder::Home), home);
  setenv("HOME", (tmp / "gone").c_str(), 1);
  EXPECT_EQ(UserFolderPath(UserFolder::Home), "");
}

TEST_F(FoldersTest, EnglishDefaultsWhenNothingIsConfiguredAndOnlyWhenPresent) {
  EXPECT_EQ(UserFolderPath(UserFolder::Desktop), "");
  EXPECT_EQ(UserFolderPath(UserFolder::Movies), "");
  ASSERT_TRUE(CreateDir(home + "/Desktop"));
  ASSERT_TRUE(CreateDir(home + "/Videos"));
  ASSERT_TRUE(CreateDir(home + "/Downloads"));
  EXPECT_EQ(UserFolderPath(UserFolder::Desktop), home + "/Desktop");
  EXPECT_EQ(UserFolderPath(UserFolder::Movies), home + "/Videos");
  EXPECT_EQ(UserFolderPath(UserFolder::Downloads), home + "/Downloads");
  EXPECT_EQ(UserFolderPath(UserFolder::Music), "");
  EXPECT_EQ(FileType(home + "/Music"), FILETYPE_NONE);  // never created
}

TEST_F(FoldersTest, UserDirsFileWithHomeExpansionQuotesAndComments) {
  for (const char* name : {"Schreibtisch", "Musik", "Bilder", "My \"Docs\"", "abs"}) CreateDir(home + "/" + name);
  userDirs(
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
      "  XDG_MUSIC_DIR = \"$HOME/Musik/\"\r\n"
      "XDG_PICTURES_DIR=\"$HOME/Nowhere\"\n"
      "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n"  // the later line wins
      "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n"
      "XDG_DOWNLOAD_DIR=\"" + home + "/abs\"\n"
      "XDG_VIDEOS_DIR=\"$HOME\"\n"            // home itself means none
      "XDG_PUBLICSHARE_DIR=\"relative/path\"\n"
      "#XDG_TEMPLATES_DIR=\"$HOME/\"\n");
  EXPECT_EQ(UserFolderPath(UserFolder::Desktop), home + "/Schreibtisch");
  EXPECT_EQ(UserFolderPath(UserFolder::Music), home + "/Musik");
  EXPECT_EQ(UserFolderPath(UserFolder::Pictures), home + "/Bilder");
  EXPECT_EQ(UserFolderPath(UserFolder::Documents), home + "/My \"Docs\"");
  EXPECT_EQ(UserFolderPath(UserFolder::Downloads), home + "/abs");
  CreateDir(home + "/Videos");  // the default is not used for a configured entry
  EXPECT_EQ(UserFolderPath(UserFolder::Movies), "");
  CreateDir(home + "/Public");
  EXPECT_EQ(UserFolderPath(UserFolder::PublicShare), "");
}

TEST_F(FoldersTest, EnvironmentFillsInWhatTheFileLeavesOut) {
  CreateDir(tmp / "fromenv");
  CreateDir(tmp / "fromfile");
  CreateDir(home + "/Desktop");
  userDirs("XDG_MUSIC_DIR=\"" + (tmp / "fromfile") + "\"\n");
  setenv("XDG_MUSIC_DIR", (tmp / "fromenv").c_str(), 1);
  setenv("XDG_DESKTOP_DIR", (tmp / "fromenv").c_str(), 1);
  EXPECT_EQ(UserFolderPath(UserFolder::Music), tmp / "fromfile");
  EXPECT_EQ(UserFolderPath(UserFolder::Desktop), tmp / "fromenv");
}

TEST_F(FoldersTest, ConfigHomeVariableMovesTheUserDirsFileAndTheSupportFolder) {
  std::string config = tmp / "cfg";
  CreateDir(config);
  CreateDir(tmp / "pics");
  std::ofstream(config + "/user-dirs.dirs") << "XDG_PICTURES_DIR=\"" << (tmp / "pics") << "\"\n";
  setenv("XDG_CONFIG_HOME", (config + "/").c_str(), 1);
  EXPECT_EQ(UserFolderPath(UserFolder::Pictures), tmp / "pics");
  EXPECT_EQ(AppSupportDir(), config + "/");

  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(AppSupportDir(), "");            // ~/.config is not there
  CreateDir(home + "/.config");
  EXPECT_EQ(AppSupportDir(), home + "/.config/");
}

TEST_F(FoldersTest, SupportFolderIsNeverCreated) {
  EXPECT_EQ(AppSupportDir(), "");
  EXPECT_EQ(FileType(home + "/.config"), FILETYPE_NONE);
}

TEST_F(FoldersTest, WithoutHomeVariableThePasswordDatabaseNamesHome) {
  unsetenv("HOME");
  struct passwd* entry = getpwuid(getuid());
  ASSERT_NE(entry, nullptr);
  std::string passwdHome = entry->pw_dir;
  while (passwdHome.size() > 1 && passwdHome.back() == '/') passwdHome.pop_back();
  std::string expected = FileType(passwdHome) == FILETYPE_DIR ? passwdHome : "";
  EXPECT_EQ(UserFolderPath(UserFolder::Home), expected);
  std::string config = passwdHome + "/.config";
  EXPECT_EQ(AppSupportDir(), FileType(config) == FILETYPE_DIR ? config + "/" : "");
}

TEST_F(FoldersTest, ApplicationsUnderTheDataFolder) {
  EXPECT_EQ(UserFolderPath(UserFolder::Applications), "");
  CreateDir(home + "/.local");
  CreateDir(home + "/.local/share");
  CreateDir(home + "/.local/share/applications");
  EXPECT_EQ(UserFolderPath(UserFolder::Applications), home + "/.local/share/applications");
  CreateDir(tmp / "data");
  setenv("XDG_DATA_HOME", (tmp / "data").c_str(), 1);
  EXPECT_EQ(UserFolderPath(UserFolder::Applications), "");
  CreateDir(tmp / "data/applications");
  EXPECT_EQ(UserFolderPath(UserFolder::Applications), tmp / "data/applications");
}
