// The preset libraries and their stub files: loading a fresh library, storing and
// deleting presets, the keys and value texts written, and reading them back; all in a
// temporary XDG_CONFIG_HOME used as the support folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "framework/appfunctions.h"
#include "framework/ini.h"
#include "platform/tempfolder.h"
#include "voice/envelopelist.h"
#include "voice/lfolist.h"
#include "voice/presettext.h"
#include "voice/rotorlist.h"

namespace {

class PresetLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) savedXdg = old;
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    InitIniModule();  // the support folder, as the program finds it
  }
  void TearDown() override {
    if (savedXdg) setenv("XDG_CONFIG_HOME", savedXdg->c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
  }
  std::string path(const std::string& stub) const { return dir + "/" + stub; }
  std::string text(const std::string& stub) const {
    std::ifstream in(path(stub), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static TIni load(const std::string& file) {
    testing::internal::CaptureStdout();
    TIni ini = TIni::Load(file, 0);
    testing::internal::GetCapturedStdout();
    return ini;
  }
  template <class List>
  static void quietInit(List& list) {
    testing::internal::CaptureStdout();
    list.Init();
    testing::internal::GetCapturedStdout();
  }
  template <class List>
  static void choose(List& list, int folder, int row) {
    list.CoreSelected = folder;
    list.CoreSubSelected[folder] = row;
  }

  TempFolder folder;
  const std::string dir = folder.path();
  std::optional<std::string> savedXdg;
};

TEST_F(PresetLibrary, RotorPresetKeysAndReadBack) {
  TRotorList list;
  quietInit(list);
  choose(list, 0, 0);
  std::array<int, 16> levels;
  levels.fill(5);
  levels[15] = -3;
  list.AddToFolder("ROTOR", 1, 20, 4, levels);
  EXPECT_EQ(list.GetFlatPos(-1), 0);
  testing::internal::CaptureStdout();
  list.SaveData();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), " RotorList SaveIni\n");

  const TIni ini = load(path("Tinsmere/Rotorstub.ini"));
  EXPECT_EQ(ini.GetKey("Main", "M0C", "?"), "0");
  EXPECT_EQ(ini.GetKey("Main", "M7C", "?"), "?");
  EXPECT_EQ(ini.GetKey("Sub", "M0S0time", "?"), "20");
  EXPECT_EQ(ini.GetKey("Sub", "M0S0rotor15", "?"), "-3");

  TRotorList again;
  quietInit(again);
  EXPECT_EQ(again.SubSectionCount[0], 1);
  EXPECT_EQ(again.CoreSubEffect[0][0], "ROTOR");
  const auto& record = again.RotorListData[0];
  ASSERT_TRUE(record);
  EXPECT_EQ(record->nCount, 4);
  EXPECT_EQ(record->nRotor[15], -3);
}

TEST_F(PresetLibrary, EnvelopeTimesUseTheLfoFieldWordsAndFloatText) {
  TEnvelopeList list;
  quietInit(list);
  choose(list, 2, 0);
  list.AddToFolder("DADSR", 0.0f, 12.0f, 0.1f, -3.0f, 999.0f);
  testing::internal::CaptureStdout();
  list.SaveData();
  testing::internal::GetCapturedStdout();
  const TIni ini = load(path("Tinsmere/Envelopestub.ini"));
  EXPECT_EQ(ini.GetKey("Sub", "M2S0hertz", "?"), "12.0000000");
  EXPECT_EQ(ini.GetKey("Sub", "M2S0offset", "?"), "0.100000001");
  EXPECT_EQ(ini.GetKey("Sub", "M2S0scale", "?"), "?");

  TEnvelopeList again;
  quietInit(again);
  ASSERT_EQ(again.GetFlatPos(100), 100);
  EXPECT_FLOAT_EQ(again.EnvelopeListData[100]->nAttack, 12.0f);
  EXPECT_FLOAT_EQ(again.EnvelopeListData[100]->nDecay, 0.1f);
  EXPECT_FLOAT_EQ(again.EnvelopeListData[100]->nRelease, 999.0f);
}

TEST_F(PresetLibrary, MissingKeysReadTheirDefaults) {
  TIni ini;
  ini.SetKey("Main", "M0C", "1");
  ini.SetKey("Sub", "M0S0", "Slow");
  ini.SetKey("Sub", "M0S0hertz", "64");
  ini.SetKey("Sub", "M0S1", "ab");  // too short: ends the folder
  ini.SetKey("Main", "M1C", "60");  // more rows than a folder holds
  for (int i = 0; i < 60; ++i) ini.SetKey("Sub", "M1S" + std::to_string(i), "Preset" + std::to_string(i));
  std::filesystem::create_directories(dir + "/Tinsmere");
  ASSERT_EQ(ini.Save(path("Tinsmere/lfostub.ini"), 0), 1);

  TLFOList list;
  quietInit(list);
  EXPECT_EQ(list.SubSectionCount[0], 1);
  ASSERT_TRUE(list.LFOListData[0]);
  EXPECT_FLOAT_EQ(list.LFOListData[0]->fScale, 999.0f);
  EXPECT_FLOAT_EQ(list.LFOListData[0]->fHertz, 64.0f);
  EXPECT_FLOAT_EQ(list.LFOListData[0]->fWave, 0.0f);
  EXPECT_EQ(list.GetFlatPos(1), -1);
  EXPECT_EQ(list.SubSectionCount[1], 50);
  EXPECT_EQ(list.CoreSubEffect[1][49], "Preset49");
  choose(list, 1, 49);
  list.AddToFolder("Overflow", 1, 1, 1, 1, 1, 1);  // the folder is full
  EXPECT_EQ(list.SubSectionCount[1], 50);
  EXPECT_EQ(list.CoreSubEffect[1][49], "Preset49");
}

TEST_F(PresetLibrary, StoringNeedsAFilledRowAboveAndALongEnoughName) {
  TLFOList list;
  quietInit(list);
  choose(list, 3, 3);
  list.AddToFolder("Wobble", 1, 2, 3, 4, 5, 6);
  EXPECT_EQ(list.SubSectionCount[3], 0);
  choose(list, 3, 0);
  list.AddToFolder("Wo", 1, 2, 3, 4, 5, 6);
  EXPECT_EQ(list.SubSectionCount[3], 0);
  EXPECT_EQ(list.changed, 0);

  list.AddToFolder("First", 1, 2, 3, 4, 5, 6);
  choose(list, 3, 1);
  list.AddToFolder("Second", 7, 8, 9, 10, 11, 12);
  // With an occupied row chosen, the record goes to the end and the name to both rows.
  choose(list, 3, 0);
  list.AddToFolder("Third", 13, 14, 15, 16, 17, 18);
  EXPECT_EQ(list.SubSectionCount[3], 3);
  EXPECT_EQ(list.CoreSubEffect[3][0], "Third");
  EXPECT_EQ(list.CoreSubEffect[3][2], "Third");
  EXPECT_EQ(list.LFOListData[150]->Name, "First");
  EXPECT_FLOAT_EQ(list.LFOListData[152]->fWave, 13.0f);
  testing::internal::CaptureStdout();
  list.SaveData();
  testing::internal::GetCapturedStdout();
  const TIni ini = load(path("Tinsmere/lfostub.ini"));
  EXPECT_EQ(ini.GetKey("Sub", "M3S0", "?"), "Third");
  EXPECT_EQ(ini.GetKey("Sub", "M3S0wave", "?"), "1.00000000");
  EXPECT_EQ(ini.GetKey("Main", "M3C", "?"), "2");
  EXPECT_EQ(list.GetFlatPos(153), -1);
}

TEST_F(PresetLibrary, DeletingShiftsTheLaterPresetsUpAndSaves) {
  TLFOList list;
  quietInit(list);
  const char* names[] = {"Alpha", "Beta", "Gamma"};
  for (int i = 0; i < 3; ++i) {
    choose(list, 1, i);
    list.AddToFolder(names[i], static_cast<float>(i), 0, 0, 0, 0, 0);
  }
  testing::internal::CaptureStdout();
  list.SaveData();
  choose(list, 1, 1);
  list.RemoveFromFolder();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find(" LFOList SaveIni\n LFOList SaveIni\n"), std::string::npos);
  EXPECT_EQ(list.CoreSubEffect[1][0], "Alpha");
  EXPECT_EQ(list.CoreSubEffect[1][1], "Gamma");
  EXPECT_TRUE(list.CoreSubEffect[1][2].empty());
  EXPECT_EQ(list.LFOListData[51]->Name, "Gamma");
  EXPECT_FLOAT_EQ(list.LFOListData[51]->fWave, 2.0f);
  EXPECT_TRUE(list.LFOListData[52]->Name.empty());
  EXPECT_EQ(list.SubSectionCount[1], 2);
  EXPECT_EQ(list.CoreSubSelected[1], -1);
  EXPECT_EQ(list.changed, 0);

  const TIni ini = load(path("Tinsmere/lfostub.ini"));
  EXPECT_EQ(ini.GetKey("Main", "M1C", "?"), "1");
  EXPECT_EQ(ini.GetKey("Sub", "M1S1", "?"), "Gamma");
  EXPECT_EQ(ini.GetKey("Sub", "M1S2", "?"), "Gamma");  // left over, never read back

  list.RemoveFromFolder();  // no row chosen
  choose(list, 1, 5);
  list.RemoveFromFolder();  // an empty row
  EXPECT_EQ(list.SubSectionCount[1], 2);
  EXPECT_EQ(list.changed, 0);
}

TEST_F(PresetLibrary, FolderSevenIsNotSavedAndFolderEditsMarkChanged) {
  TRotorList list;
  quietInit(list);
  choose(list, 7, 0);
  list.AddToFolder("Spare", 1, 2, 3, {});
  EXPECT_EQ(list.GetFlatPos(-1), 350);
  testing::internal::CaptureStdout();
  list.Shutdown();
  testing::internal::GetCapturedStdout();
  const TIni ini = load(path("Tinsmere/Rotorstub.ini"));
  EXPECT_EQ(ini.GetKey("Sub", "M7S0", "?"), "?");
  EXPECT_EQ(ini.GetKey("Main", "M0C", "?"), "-1");

  list.CoreSelected = 9;
  list.AddFolder("Drums");  // the folder is at most 7
  EXPECT_EQ(list.CoreEffect[7], "Drums");
  EXPECT_EQ(list.FXSectionName[7], "Drums");
  list.CoreSelected = 2;
  list.RemoveFolder();
  EXPECT_TRUE(list.CoreEffect[2].empty());
  EXPECT_EQ(list.changed, 1);
  list.AddFolder("ab");
  EXPECT_TRUE(list.CoreEffect[2].empty());
}

TEST(PresetValueText, IntegersAndFloatsReadLeniently) {
  EXPECT_EQ(PresetTextToInt("12abc"), 12);
  EXPECT_EQ(PresetTextToInt("  -7"), -7);
  EXPECT_EQ(PresetTextToInt("$1F"), 31);
  EXPECT_EQ(PresetTextToInt("%101"), 5);
  EXPECT_EQ(PresetTextToInt("abc"), 0);
  EXPECT_EQ(PresetTextToInt("99999999999"), 2147483647);
  EXPECT_FLOAT_EQ(PresetTextToFloat("abc"), 0.0f);
  EXPECT_FLOAT_EQ(PresetTextToFloat("-2.5e1x"), -25.0f);
  EXPECT_FLOAT_EQ(PresetTextToFloat("3e"), 3.0f);
  EXPECT_FLOAT_EQ(PresetTextToFloat("nan"), 0.0f);
  EXPECT_EQ(PresetFloatText(64.0f), "64.0000000");
  EXPECT_EQ(PresetFloatText(1e20f), "1.00000002e+20");
}

}  // namespace
