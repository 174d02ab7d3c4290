// The settings file: first start with defaults, the round trip of every value, the
// full-screen rule, the volume text, bad values, the unset or unwritable file, and a file
// that never lands in the working folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "framework/appfunctions.h"
#include "framework/browsertesting.h"
#include "framework/ini.h"
#include "framework/testfolder.h"
#include "game/quilloncore.h"
#include "game/settingsfile.h"

namespace {

const char* const kName = "Quillon/ProgramSetup.ini";

// A game whose desktop size the test chooses.
class TDesktopGame : public TQuillonCore {
 public:
  int desktopWidth = 0;
  int desktopHeight = 0;
  int CurrentDesktopWidth() override { return desktopWidth; }
  int CurrentDesktopHeight() override { return desktopHeight; }
};

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.empty());
    savedSupportDir_ = App_SupportDir;
    App_SupportDir = dir_ + "/";
    App_IniFile.clear();
  }
  void TearDown() override {
    App_SupportDir = savedSupportDir_;
    App_IniFile.clear();
  }
  std::string FilePath() const { return dir_ + "/" + kName; }
  void WriteFile(const std::string& text) {
    mkdir((dir_ + "/Quillon").c_str(), 0755);
    std::ofstream(FilePath()) << text;
  }

  TempFolder folder_;
  const std::string dir_ = folder_.path();
  std::string savedSupportDir_;
};

TEST_F(SettingsFileTest, FirstStartTakesTheFileDefaultsAndWritesEveryKey) {
  TDesktopGame game;
  game.MStartupIni(kName);
  struct stat info {};
  EXPECT_EQ(stat(FilePath().c_str(), &info), 0) << "the first start leaves the file behind";
  EXPECT_EQ(game._joy_fire, 0);  // the file's defaults, not the constructor's
  EXPECT_EQ(game._key_pause, 77);

  game.AppWidth = 960;
  game.AppHeight = 640;
  game.MShutdownIni();
  const TIni saved = TIni::Load(FilePath(), 0);
  ASSERT_EQ(saved.map.size(), 2u);
  EXPECT_EQ(saved.map.at("AppWindow").size(), 5u);
  EXPECT_EQ(saved.map.at("AppWindow").at("Width"), "960");
  EXPECT_EQ(saved.map.at("Settings").size(), 16u);
  EXPECT_EQ(saved.map.at("Settings").at("musicvolume"), "100.000000");
}

TEST_F(SettingsFileTest, ValuesChangedInBetweenComeBackNextStart) {
  {
    TDesktopGame game;
    game.MStartupIni(kName);
    game.AppXPos = 31;
    game.AppYPos = -4;
    game.AppWidth = 1200;
    game.AppHeight = 700;
    game._Volume = 0.5f;
    game._MusicVolume = 0.25f;
    game._key_left = 65;
    game._key_back = 8;
    game._joy_right = 71;
    game._joy_pause = 12;
    game.MShutdownIni();
  }
  TDesktopGame game;
  game.MStartupIni(kName);
  EXPECT_EQ(game.AppXPos, 31);
  EXPECT_EQ(game.AppYPos, -4);
  EXPECT_EQ(game.AppWidth, 1200);
  EXPECT_EQ(game.AppHeight, 700);
  EXPECT_FLOAT_EQ(game._Volume, 0.5f);
  EXPECT_FLOAT_EQ(game._MusicVolume, 0.25f);
  EXPECT_EQ(game._key_left, 65);
  EXPECT_EQ(game._key_back, 8);
  EXPECT_EQ(game._key_up, 38);
  EXPECT_EQ(game._joy_right, 71);
  EXPECT_EQ(game._joy_pause, 12);
}

TEST_F(SettingsFileTest, DesktopSizedWindowIsFullScreenAndKeepsTheOldPosition) {
  WriteFile("[AppWindow]\nXPos=\"12\"\nYPos=\"34\"\nFullscreen=\"1\"\n[Extra]\nmine=\"kept\"\n");
  TDesktopGame game;
  game.MStartupIni(kName);
  EXPECT_EQ(game.AppFullScreenPending, 1);
  game.AppXPos = 0;
  game.AppYPos = 0;
  game.AppWidth = game.desktopWidth = 1920;
  game.AppHeight = game.desktopHeight = 1080;
  game.MShutdownIni();
  const TIni saved = TIni::Load(FilePath(), 0);
  EXPECT_EQ(saved.GetKey("AppWindow", "Fullscreen", ""), "1");
  EXPECT_EQ(saved.GetKey("AppWindow", "XPos", ""), "12");
  EXPECT_EQ(saved.GetKey("AppWindow", "YPos", ""), "34");
  EXPECT_EQ(saved.GetKey("AppWindow", "Width", ""), "1920");
  EXPECT_EQ(saved.GetKey("Extra", "mine", ""), "kept");
}

TEST_F(SettingsFileTest, NoDesktopIsNeverFullScreen) {
  TDesktopGame game;  // no window and no desktop: both sizes 0
  game.MStartupIni(kName);
  game.AppWidth = 0;
  game.AppHeight = 0;
  game.MShutdownIni();
  EXPECT_EQ(TIni::Load(FilePath(), 0).GetKey("AppWindow", "Fullscreen", ""), "0");
}

TEST_F(SettingsFileTest, VolumesReadAsHundredthsAndWriteNineDigits) {
  WriteFile("[Settings]\nvolume=\"50\"\nmusicvolume=\"250\"\n");
  TDesktopGame game;
  game.MStartupIni(kName);
  EXPECT_FLOAT_EQ(game._Volume, 0.5f);
  EXPECT_FLOAT_EQ(game._MusicVolume, 2.5f);  // not clamped on reading
  game.MShutdownIni();
  const TIni saved = TIni::Load(FilePath(), 0);
  EXPECT_EQ(saved.GetKey("Settings", "volume", ""), "50.0000000");
  EXPECT_EQ(saved.GetKey("Settings", "musicvolume", ""), "250.000000");
}

TEST_F(SettingsFileTest, TextThatIsNoNumberReadsZero) {
  WriteFile("[AppWindow]\nWidth=\"wide\"\nXPos=\"  -15px\"\nFullscreen=\"yes\"\n"
            "[Settings]\nkeyup=\"\"\nvolume=\"loud\"\njoyfire=\"99999999999\"\n");
  TDesktopGame game;
  game.MStartupIni(kName);
  EXPECT_EQ(game.AppWidth, 0);
  EXPECT_EQ(game.AppXPos, -15);
  EXPECT_EQ(game._key_up, 0);
  EXPECT_FLOAT_EQ(game._Volume, 0.0f);
  EXPECT_EQ(game._joy_fire, 2147483647);
  EXPECT_EQ(game.AppFullScreenPending, 0) << "only exactly 1 asks for full screen";
}

TEST_F(SettingsFileTest, NothingIsWrittenWithoutAName) {
  TDesktopGame game;
  testing::internal::CaptureStdout();
  game.MShutdownIni();
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_NE(log.find("Ini File has not been set"), std::string::npos);
  EXPECT_EQ(log.find("Shutdown OK"), std::string::npos);
  struct stat info {};
  EXPECT_NE(stat(FilePath().c_str(), &info), 0);
}

TEST_F(SettingsFileTest, AFailedWriteIsNotReportedAsSuccess) {
  TDesktopGame game;
  game.MStartupIni(kName);
  App_SupportDir = dir_ + "/missing/deeper/";  // only the last folder level would be made
  testing::internal::CaptureStdout();
  game.MShutdownIni();
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log.find("Shutdown OK"), std::string::npos);
  EXPECT_NE(log.find("can't write"), std::string::npos);
}

TEST_F(SettingsFileTest, TheFileNeverLandsInTheWorkingFolder) {
  const std::string home = dir_ + "/home";  // a home without ~/.config
  const std::string work = dir_ + "/work";
  ASSERT_EQ(mkdir(home.c_str(), 0755), 0);
  ASSERT_EQ(mkdir(work.c_str(), 0755), 0);
  std::ofstream(dir_ + "/plain") << "x";
  EnvGuard env;
  env.Set("HOME", home);
  InFolder in(work);
  // Once with a folder that can be made, once below a plain file, where none can.
  for (const std::string& config : {std::string(), dir_ + "/plain/config"}) {
    env.Set("XDG_CONFIG_HOME", config.empty() ? std::nullopt : std::optional(config));
    testing::internal::CaptureStdout();
    InitIniModule();
    TDesktopGame game;
    game.MStartupIni(kName);
    game._key_pause = 99;
    game.MShutdownIni();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::filesystem::is_empty(work)) << config;
    EXPECT_EQ(game._key_pause, 99);  // kept in memory all the same
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(home + "/.config/" + kName));
}

}  // namespace
