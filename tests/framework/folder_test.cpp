// The folder model over temporary folders: listing order, hidden names, types and sizes,
// the folder slots growing, display names read from "em1" and "ebl" files, SetDir and
// ForceReload, the selection, folder positions, the path functions, and disk images
// listed through a faked disk-image hook.
#include "framework/folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/browsertesting.h"
#include "framework/folderpaths.h"
#include "framework/testfolder.h"
#include "framework/windowtesting.h"

namespace {

std::vector<std::string> Names(const TMFolder& f) {
  return {f.FName.begin(), f.FName.begin() + f.FCount};
}

int IndexOf(const TMFolder& f, const std::string& name) {
  for (int i = 0; i < f.FCount; ++i)
    if (f.FName[i] == name) return i;
  return -1;
}

void MakeDir(const std::string& path) { std::filesystem::create_directories(path); }

void Select(TMFolder& f, const std::string& name) {
  const int i = IndexOf(f, name);
  ASSERT_GE(i, 0) << name;
  f.SetFile(f.FName[i], f.FAlias[i], f.FSize[i], f.FType[i]);
}

TEST(FolderModelListing, SortsSkipsHiddenNamesAndTypesEachEntry) {
  TempFolder t;
  WriteBytes(t / ".hidden", "x");
  WriteBytes(t / "b.WAV", "12345");
  MakeDir(t / "sub");
  MakeDir(t / "Tool.app");
  ASSERT_EQ(symlink((t / "gone").c_str(), (t / "dangling").c_str()), 0);
  TMFolder f;
  EXPECT_EQ(f.SetDir(t.path() + "/"), t.path() + "/");
  EXPECT_EQ(Names(f), (std::vector<std::string>{"Tool.app", "b.WAV", "dangling", "sub"}));

  const int wav = IndexOf(f, "b.WAV");
  EXPECT_EQ(f.FType[wav], 0);
  EXPECT_EQ(f.FAlias[wav], "b");
  EXPECT_EQ(f.FExtension[wav], "WAV");
  EXPECT_EQ(f.FSize[wav], 5);
  const int sub = IndexOf(f, "sub");
  EXPECT_EQ(f.FType[sub], 2);
  EXPECT_EQ(f.FSize[sub], 0);
  const int app = IndexOf(f, "Tool.app");
  EXPECT_EQ(f.FType[app], 23);
  EXPECT_EQ(f.FAlias[app], "Tool");
  EXPECT_EQ(f.FExtension[app], "app");
  EXPECT_EQ(f.FType[IndexOf(f, "dangling")], -1);
}

TEST(FolderModelListing, GrowsItsSlotsTogetherForLargeFolders) {
  TempFolder t;
  for (int i = 0; i < 250; ++i) WriteBytes(t / ('f' + std::to_string(1000 + i) + ".txt"), "");
  TMFolder f;
  f.SetDir(t.path() + "/");
  EXPECT_EQ(f.FCount, 250);
  for (size_t size : {f.FName.size(), f.FAlias.size(), f.FExtension.size(), f.FSize.size(),
                      f.FType.size(), f.FSectorStart.size()})
    EXPECT_EQ(size, 300u);
  EXPECT_EQ(f.FName[249], "f1249.txt");
}

TEST(FolderModelListing, ReadsDisplayNamesOutOfSamplerFiles) {
  TempFolder t;
  WriteBytes(t / "Voice.em1", std::string(467, '\0') + "ABCDEFGHIJKL" + "tail");
  WriteBytes(t / "Short.em1", std::string(100, 'x'));
  WriteBytes(t / "Latin.em1", std::string(467, '\0') + "Caf\xE9 \xFF\x7F\x80");  // bytes are characters
  std::string ebl(24, '\0');
  for (char ch : std::string("Grand")) ebl += std::string{ch, '\0'};
  ebl += std::string(10, '\x01');  // unprintable: skipped
  WriteBytes(t / "Bank.ebl", ebl);
  WriteBytes(t / "Blank.ebl", std::string(80, '\x01'));
  TMFolder f;
  f.SetDir(t.path() + "/");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Voice.em1")], "Voice - ABCDEFGHIJKL");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Short.em1")], "Short - ");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Latin.em1")], "Latin - Caf\u00E9 \u00FF\x7F\u0080");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Bank.ebl")], "Grand");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Blank.ebl")], "Blank");

  PrefLoadFileAlias = 0;
  f.ForceReload();
  PrefLoadFileAlias = 1;
  EXPECT_EQ(f.FAlias[IndexOf(f, "Voice.em1")], "Voice");
  EXPECT_EQ(f.FAlias[IndexOf(f, "Bank.ebl")], "Bank");
}

TEST(FolderModelSetDir, ShowsTheFolderOfAFileAndListsOnlyOnChange) {
  TempFolder t;
  WriteBytes(t / "file.wav", "");
  TMFolder f;
  EXPECT_EQ(f.SetDir(t / "file.wav"), t.path() + "/");
  EXPECT_EQ(f.DirChanged(), 1);
  EXPECT_EQ(f.DirChanged(), 0);
  f.SetDir(t.path() + "/");
  EXPECT_EQ(f.DirChanged(), 0);
  WriteBytes(t / "new.wav", "");
  f.ForceReload();
  EXPECT_EQ(f.DirChanged(), 1);
  EXPECT_EQ(f.FCount, 2);
}

TEST(FolderModelSetDir, AnEmptyModelListsTheCurrentFolder) {
  TempFolder t;
  WriteBytes(t / "here.txt", "");
  InFolder in(t.path());
  TMFolder f;
  EXPECT_EQ(f.SetDir(""), t.path() + "/");
  EXPECT_EQ(Names(f), std::vector<std::string>{"here.txt"});
}

TEST(FolderModelSetDir, AMissingFolderIsReportedAndKeepsTheEntries) {
  TempFolder t;
  WriteBytes(t / "a.txt", "");
  TMFolder f;
  f.SetDir(t.path() + "/");
  f.DirChanged();
  const std::string missing = t.path() + "/nothere/";
  const auto lines = PrintedBy([&] { EXPECT_EQ(f.SetDir(missing), missing); });
  EXPECT_EQ(lines, std::vector<std::string>{"path " + missing + " Not found."});
  EXPECT_EQ(f.FCount, 1);
  EXPECT_EQ(f.DirChanged(), 0);
}

TEST(FolderModelSelection, ClearsOnlyRightAfterAListing) {
  TempFolder t;
  WriteBytes(t / "a.wav", "abc");
  TMFolder f;
  f.SetDir(t.path() + "/");
  Select(f, "a.wav");
  f.SetFile("", "", 0, -1);  // right after the listing: clears
  EXPECT_EQ(f.CurrFile, "");
  EXPECT_EQ(f.CurrType, -1);
  f.DirChanged();
  Select(f, "a.wav");
  f.SetFile("", "", 0, -1);  // nothing new listed: keeps
  EXPECT_EQ(f.CurrFile, "a.wav");
  EXPECT_EQ(f.CurrAlias, "a");
  EXPECT_EQ(f.CurrSize, 3);
  f.SetFile("x.y.z", "", 1, 1);  // no alias: the name stands for it
  EXPECT_EQ(f.CurrAlias, "x.y");
  EXPECT_EQ(f.CurrExtension, "z");
}

TEST(FolderModelSelection, FolderPositionsIgnoreCaseAndFiles) {
  TempFolder t;
  MakeDir(t / "Samples");
  WriteBytes(t / "samples", "");
  MakeDir(t / "zeta");
  TMFolder f;
  f.SetDir(t.path() + "/");
  EXPECT_EQ(f.GetFolderPosition("SAMPLES"), IndexOf(f, "Samples"));
  EXPECT_EQ(f.GetFolderPosition("zeta"), IndexOf(f, "zeta"));
  EXPECT_EQ(f.GetFolderPosition("missing"), 0);
  EXPECT_EQ(f.GetFolderPosition(""), 0);
  // Two folders that differ only in case: the later entry wins.
  MakeDir(t / "SAMPLES");
  f.SetDir(t.path() + "/");
  EXPECT_EQ(f.GetFolderPosition("samples"), std::max(IndexOf(f, "Samples"), IndexOf(f, "SAMPLES")));
  EXPECT_NE(IndexOf(f, "Samples"), IndexOf(f, "SAMPLES"));
  // A shorter listing after a longer one: a folder of the longer one just past the end
  // of the shorter one is not found.
  std::string stale;
  for (const char* name : {"Samples", "SAMPLES", "zeta"})
    if (stale.empty() && IndexOf(f, name) > 0) stale = name;
  const int end = IndexOf(f, stale);
  ASSERT_GT(end, 0);
  for (int i = 0; i < end; ++i) WriteBytes(t / ("zeta/" + std::to_string(i) + ".wav"), "");
  f.SetDir(t.path() + "/zeta/");
  ASSERT_EQ(f.FCount, end);
  EXPECT_EQ(f.GetFolderPosition(stale), 0);
}

TEST(FolderModelOpen, OpensFoldersGoesBackAndRefusesFiles) {
  TempFolder t;
  MakeDir(t / "sub");
  WriteBytes(t / "sub/in.wav", "");
  WriteBytes(t / "top.wav", "");
  TMFolder f;
  f.SetDir(t.path() + "/");
  Select(f, "top.wav");
  EXPECT_EQ(f.OpenDir(""), -1);
  EXPECT_EQ(f.CurrDir, t.path() + "/");

  Select(f, "sub");
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.CurrDir, t.path() + "/sub/");
  EXPECT_EQ(Names(f), std::vector<std::string>{"in.wav"});
  const std::string up = f.GetPrevDir(f.CurrDir);
  EXPECT_EQ(up, t.path() + "/");
  EXPECT_EQ(f.PrevDir, t.path() + "/sub/");
}

TEST(FolderModelOpen, ARepairedModelOpensTheRoot) {
  TMFolder f;
  f.CurrDir = std::string(300, 'a');
  f.CurrType = 1;
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.CurrDir, "/");
  EXPECT_GT(f.FCount, 0);
}

TEST(FolderModelDiskImage, ListsTheImageEntriesAndClosesOnLeaving) {
  TempFolder t;
  WriteBytes(t / "disk.imd", "IMD ");
  FakeDiskImages disks;
  disks.images[t / "disk.imd"] = {"PIANO.VC", "STRINGS.VC", "BASS.VC"};
  TMFolder f;
  f.SetDir(t.path() + "/");
  Select(f, "disk.imd");
  ASSERT_EQ(f.CurrType, 30);
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.CurrDir, t / "disk.imd/");
  EXPECT_EQ(disks.open, t / "disk.imd");
  ASSERT_EQ(f.FCount, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(f.FSize[i], 16384);
    EXPECT_EQ(f.FType[i], 1);
    EXPECT_EQ(f.FExtension[i], "VC");
  }
  EXPECT_EQ(f.FAlias[1], "STRINGS");
  EXPECT_EQ(f.DirChanged(), 1);

  f.SetDir(f.CurrDir);  // the pane's redraw: the image stays open
  EXPECT_EQ(disks.open, t / "disk.imd");
  const std::string up = f.GetPrevDir(f.CurrDir);
  EXPECT_EQ(up, t.path() + "/");
  EXPECT_EQ(disks.open, "");
  f.SetDir(up);
  EXPECT_EQ(f.GetFolderPosition("disk.imd"), 0);
}

TEST(FolderModelDiskImage, AnEmptyOrUnreadableImageKeepsTheListing) {
  TempFolder t;
  WriteBytes(t / "empty.imd", "");
  WriteBytes(t / "bad.imd", "");
  FakeDiskImages disks;
  disks.images[t / "empty.imd"] = {};
  TMFolder f;
  f.SetDir(t.path() + "/");
  f.DirChanged();
  Select(f, "empty.imd");
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.CurrDir, t.path() + "/");
  EXPECT_EQ(disks.open, t / "empty.imd");  // open for the preview loader
  EXPECT_EQ(f.DirChanged(), 0);
  f.SetDir(t.path() + "/sub-that-is-not-there/");
  EXPECT_EQ(disks.open, "");

  f.SetDir(t.path() + "/");
  Select(f, "bad.imd");
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.FCount, 2);
  EXPECT_EQ(disks.open, "");
}

TEST(FolderModelDiskImage, WithoutTheHookNoImageOpens) {
  TempFolder t;
  WriteBytes(t / "disk.imd", "");
  TMFolder f;
  f.SetDir(t.path() + "/");
  Select(f, "disk.imd");
  EXPECT_EQ(f.OpenDir(""), 2);
  EXPECT_EQ(f.CurrDir, t.path() + "/");
  EXPECT_EQ(f.SetIMDDir(t / "disk.imd/"), "");
}

TEST(FolderModelPaths, CutPathsIntoComponents) {
  EXPECT_EQ(GetFirstDir("Users/a"), "Users");
  EXPECT_EQ(GetFirstDir("/Users/a"), "");
  EXPECT_EQ(GetFirstDir("plain"), "plain");
  EXPECT_EQ(GetLastDir("/"), "/");
  EXPECT_EQ(GetLastDir("/Users/a/Music/"), "Music");
  EXPECT_EQ(GetLastDir("Music"), "Music");
  EXPECT_EQ(GetPreviousDir("abc/"), "abc");
  EXPECT_EQ(GetPreviousDir("/Users/a/"), "/Users/");
  EXPECT_EQ(GetPreviousDir("/Users/"), "/");
  const std::string tooLong = "/" + std::string(255, 'a');
  for (const std::string& bad : {std::string(), tooLong}) {
    EXPECT_EQ(GetFirstDir(bad), "/");
    EXPECT_EQ(GetLastDir(bad), "/");
    EXPECT_EQ(GetPreviousDir(bad), "/");
  }
  EXPECT_EQ(GetPreviousDir(tooLong.substr(0, 255)), "/");
}

}  // namespace
