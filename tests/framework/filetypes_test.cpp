// File-type codes for every listed extension in any case, and the SoundHandled flag.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "framework/filetypes.h"

namespace {

struct Row {
  std::string ext;
  int code;
  int soundHandled;
};

const std::vector<Row> kRows = {
    {"wav", 0, 1},   {"aif", 0, 1},   {"aiff", 0, 1},  {"mp3", 10, 1},  {"zip", 14, 0},
    {"tar", 14, 0},  {"pdf", 15, 1},  {"instr", 18, 1}, {"song", 20, 0}, {"mix", 20, 0},
    {"voices", 20, 0}, {"app", 23, 1}, {"bat", 24, 1}, {"com", 24, 1},  {"txt", 25, 1},
    {"nfo", 25, 1},  {"info", 25, 1}, {"ini", 26, 1},  {"rs", 28, 1},   {"in", 28, 1},
    {"vcd", 28, 1},  {"vc", 28, 0},   {"syx", 29, 0},  {"imd", 30, 1},  {"bak", 31, 0},
    {"h", 32, 1},    {"c", 33, 1},    {"cpp", 34, 1},  {"cc", 35, 1},   {"htm", 36, 1},
    {"m", 37, 1},    {"dmg", 38, 1},  {"iso", 39, 0},  {"ifo", 39, 0},  {"gif", 40, 0},
    {"bmp", 40, 0},  {"png", 40, 0},  {"tif", 40, 0},  {"jpg", 40, 0},  {"pcx", 40, 0},
    {"wmf", 40, 0},  {"p3k", 42, 1},  {"usr", 43, 1},  {"x0a", 44, 0},  {"x0s", 44, 0},
    {"x0v", 44, 0},  {"x0w", 44, 0},  {"x3v", 44, 0},  {"x3a", 44, 0},  {"x3s", 44, 0},
    {"x3w", 44, 0},  {"bin", 45, 0},  {"rar", 46, 0},  {"em1", 47, 1},  {"t01", 48, 0},
    {"t02", 48, 0},  {"t03", 48, 0},  {"t04", 48, 0},  {"t05", 48, 0},  {"t06", 48, 0},
    {"t07", 48, 0},  {"ksf", 50, 1},  {"msmpl_bank", 50, 1}, {"psd", 51, 0}, {"3do", 52, 0},
    {"obj", 52, 0},  {"stl", 52, 0},  {"vox", 52, 0},  {"b3d", 52, 0},  {"krz", 53, 1},
    {"kr1", 53, 1},  {"kr2", 53, 1},  {"kr3", 53, 1},  {"kr4", 53, 1},  {"kr5", 53, 1},
    {"kr6", 53, 1},  {"em2", 54, 1},  {"eb2", 54, 1},  {"exs", 55, 0},  {"esx", 55, 0},
    {"ebl", 56, 1},  {"ipa", 57, 0},  {"8svx", 60, 1}, {"iff", 60, 1}};

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Alternating case, starting upper.
std::string Mixed(std::string s) {
  for (size_t i = 0; i < s.size(); i += 2) s[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
  return s;
}

}  // namespace

TEST(GetFileTypeTable, EveryExtensionInEveryCase) {
  ASSERT_EQ(kRows.size(), 84u);
  std::set<std::string> seen;
  std::set<int> codes;
  for (const Row& row : kRows) {
    EXPECT_TRUE(seen.insert(row.ext).second) << row.ext;
    codes.insert(row.code);
    for (const std::string& name :
         {"x." + row.ext, "/a/b/Song Name." + Upper(row.ext), "rel/dir/" + Mixed(row.ext) + "." + Mixed(row.ext),
          "." + row.ext, "/a/.hidden." + row.ext}) {
      SoundHandled = 1 - row.soundHandled;
      EXPECT_EQ(GetFileType(name, 777), row.code) << name;
      EXPECT_EQ(SoundHandled, row.soundHandled) << name;
    }
  }
  EXPECT_EQ(codes.size(), 39u);
}

TEST(GetFileTypeTable, NoExtensionAndUnlistedOnes) {
  for (const char* path : {"notes", "notes.", "/a.dir/file", "/a.dir/", "a.b\\c", "", ".", "/"}) {
    SoundHandled = 1;
    EXPECT_EQ(GetFileType(path, 1), -1) << path;
    EXPECT_EQ(GetFileType(path, 9), -1) << path;
    EXPECT_EQ(SoundHandled, 0) << path;
  }
  for (int fallback : {9, 1, -5}) {
    GetFileType("x.wav", 1);
    ASSERT_EQ(SoundHandled, 1);
    EXPECT_EQ(GetFileType("photo.jpeg", fallback), fallback);
    EXPECT_EQ(SoundHandled, 0);
  }
  // Only case is forgiven: near misses are other extensions.
  for (const char* path : {"a.tiff", "a.wav ", "a. wav", "a.wa", "a.waves", "a.c++", ".profile", "x.WAV.gz"}) {
    EXPECT_EQ(GetFileType(path, 1), 1) << path;
  }
  EXPECT_EQ(GetFileType("/Apps/Tool.APP", 2), 23);  // a folder name is looked at like any name
}
