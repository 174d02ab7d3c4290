// Settings files: format, round trips, hand-written files, and saves that fail safely.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "filesizelimit.h"
#include "framework/ini.h"
#include "framework/testfolder.h"
#include "platform/memorystream.h"

using namespace std::string_literals;

namespace {

using Sections = std::map<std::string, std::map<std::string, std::string>>;

TIni Parsed(const std::string& bytes) {
  TMemoryStream stream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  return ParseIni(stream);
}

// Quiet Load: it logs the path it reads.
TIni LoadQuietly(const std::string& path) {
  testing::internal::CaptureStdout();
  TIni ini = TIni::Load(path, 0);
  testing::internal::GetCapturedStdout();
  return ini;
}

size_t EntriesIn(const std::string& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace

TEST(TIniKeys, SetGetContains) {
  TIni ini;
  EXPECT_EQ(ini.Init(), 0);
  EXPECT_EQ(ini.GetKey("s", "k", "dflt"), "dflt");
  ini.SetKey("s", "k", "");
  EXPECT_EQ(ini.GetKey("s", "k", "dflt"), "");  // an empty value is a value
  EXPECT_EQ(ini.GetKey("s", "K", "dflt"), "dflt");
  EXPECT_EQ(ini.GetKey("t", "k", "dflt"), "dflt");
  EXPECT_EQ(ini.ContainsKey("k", "s"), 1);
  EXPECT_EQ(ini.ContainsKey("s", "k"), 0);  // key first, section second
  ini.SetKey("s", "a", "1");
  ini.SetKey("s", "k", "2");
  EXPECT_EQ(ini.GetKey("s", "k", ""), "2");
  EXPECT_EQ(ini.map.at("s").size(), 2u);
}

TEST(TIniFormat, WrittenBytes) {
  TIni ini;
  ini.SetKey("b", "z", "1");
  ini.SetKey("b", "Z", " two ");
  ini.SetKey("B", "k", "say \"hi\"");
  ini.SetKey("", "top", "");
  ini.SetKey("ba", "x", "=");
  EXPECT_EQ(FormatIni(ini),
            "[]\r\ntop=\"\"\r\n"
            "\r\n[B]\r\nk=\"say \"hi\"\"\r\n"
            "\r\n[b]\r\nZ=\" two \"\r\nz=\"1\"\r\n"
            "\r\n[ba]\r\nx=\"=\"\r\n");
  EXPECT_EQ(FormatIni(TIni()), "");
}

TEST(TIniFormat, HandWrittenLines) {
  const TIni ini = Parsed(
      "before = top\n"
      "; a comment=1\r\n"
      "   ; another=2\n"
      "#hash=3\n"
      "[one]\r\n"
      "  spaced   =   \"  inner  \"  \r\n"
      "plain = unquoted value\n"
      "two=equals=signs\n"
      "noequals\n"
      "=novalue\n"
      "nokey=\n"
      "quote=\"\n"
      "open=\"half\n"
      "a\rb=cr dropped\n"
      "\n\n"
      "[]\n"
      "empty=\"\"\n"
      "[\n"
      "[=x\n"
      "[two\n"
      "k=v\n"
      "[one]\n"
      "spaced=later\n"
      "nul=cut\0ends=here\n"
      "last=no line end"s);
  const Sections expected = {
      {"", {{"before", "top"}, {"#hash", "3"}, {"empty", ""}, {"[", "x"}, {"k", "v"}}},
      {"one",
       {{"spaced", "later"},
        {"plain", "unquoted value"},
        {"quote", ""},
        {"open", "\"half"},
        {"ab", "cr dropped"},
        {"nul", "cut"},
        {"ends", "here"},
        {"last", "no line end"}}}};
  EXPECT_EQ(ini.map, expected);
}

TEST(TIniFile, RoundTripOfGeneratedSettings) {
  TempFolder folder;
  std::mt19937 rng(20240229);
  // Any byte but NUL, CR, LF and "=": those end a line, vanish or split the pair.
  auto byte = [&] {
    for (;;) {
      const char c = static_cast<char>(rng() % 256);
      if (c != '\0' && c != '\r' && c != '\n' && c != '=') return c;
    }
  };
  auto text = [&](size_t maxLength) {
    std::string s(rng() % (maxLength + 1), ' ');
    for (char& c : s) c = byte();
    return s;
  };
  // Keys lose outer blanks on loading, and a leading ";" makes a comment.
  auto key = [&] {
    for (;;) {
      std::string k = text(12);
      if (!k.empty() && static_cast<unsigned char>(k.front()) > 32 &&
          static_cast<unsigned char>(k.back()) > 32 && k.front() != ';') {
        return k;
      }
    }
  };
  for (int round = 0; round < 20; ++round) {
    TIni ini;
    const int sections = 1 + static_cast<int>(rng() % 6);
    for (int s = 0; s < sections; ++s) {
      std::string section = text(10);
      if (section.find('=') != std::string::npos) section.clear();
      const int pairs = 1 + static_cast<int>(rng() % 8);
      for (int p = 0; p < pairs; ++p) ini.SetKey(section, key(), text(20));
    }
    ini.SetKey("Blanks", "v", "  \t inside  ");
    ini.SetKey("Blanks", "quotes", "\"\"x\"");
    const std::string path = folder / "round.ini";
    ASSERT_EQ(ini.Save(path, 0), 1);
    EXPECT_EQ(LoadQuietly(path).map, ini.map) << "round " << round;
  }
}

TEST(TIniFile, WhatDoesNotSurviveALoad) {
  TempFolder folder;
  TIni ini;
  ini.SetKey("s", "eq", "a=b");
  ini.SetKey("s", "k=ey", "v");
  ini.SetKey("s", "  padded  ", "p");
  ini.SetKey("s", "", "empty key");
  ini.SetKey("s", ";semi", "comment");
  ini.SetKey("s", "ok", "kept");
  const std::string path = folder / "lossy.ini";
  ASSERT_EQ(ini.Save(path, 0), 1);
  const Sections expected = {{"s", {{"padded", "p"}, {"ok", "kept"}}}};
  EXPECT_EQ(LoadQuietly(path).map, expected);
}

TEST(TIniFile, EmptyObjectWritesAZeroByteFile) {
  TempFolder folder;
  const std::string path = folder / "empty.ini";
  WriteBytes(path, "[old]\r\nk=\"v\"\r\n");
  ASSERT_EQ(TIni().Save(path, 0), 1);
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_TRUE(LoadQuietly(path).map.empty());
  EXPECT_EQ(EntriesIn(folder.path()), 1u);  // no temporary file left beside it
}

TEST(TIniFile, SaveMakesOneFolderLevel) {
  TempFolder folder;
  TIni ini;
  ini.SetKey("s", "k", "v");
  EXPECT_EQ(ini.Save(folder / "new/settings.ini", 0), 1);
  EXPECT_EQ(ReadBytes(folder / "new/settings.ini"), "[s]\r\nk=\"v\"\r\n");
  EXPECT_EQ(ini.Save(folder / "a/b/settings.ini", 0), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "a"));
}

TEST(TIniFile, FailedSavesAnswerZeroAndKeepTheOldFile) {
  TempFolder folder;
  TIni ini;
  ini.SetKey("s", "k", std::string(4000, 'x'));

  // Below a regular file.
  WriteBytes(folder / "plain", "content");
  EXPECT_EQ(ini.Save(folder / "plain/settings.ini", 0), 0);
  EXPECT_EQ(ReadBytes(folder / "plain"), "content");

  // A folder where the file should be.
  std::filesystem::create_directory(folder / "taken.ini");
  EXPECT_EQ(ini.Save(folder / "taken.ini", 0), 0);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ini"));

  // A write that fails half way: the old file stays whole, no temporary file remains.
  const std::string path = folder / "settings.ini";
  const std::string old = "[old]\r\nk=\"v\"\r\n";
  WriteBytes(path, old);
  const size_t before = EntriesIn(folder.path());
  int result = -1;
  {
    FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.Active());
    result = ini.Save(path, 0);
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(EntriesIn(folder.path()), before);
}

TEST(TIniFile, SaveWritesThroughLinksAndKeepsTheMode) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "real");
  const std::string target = folder / "real/settings.ini";
  WriteBytes(target, "[old]\r\nk=\"v\"\r\n");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  std::filesystem::create_symlink("real/settings.ini", folder / "relative.ini");
  std::filesystem::create_symlink(folder / "relative.ini", folder / "absolute.ini");
  TIni ini;
  for (const char* link : {"relative.ini", "absolute.ini"}) {
    ini.SetKey("s", "via", link);
    ASSERT_EQ(ini.Save(folder / link, 0), 1) << link;
    EXPECT_TRUE(std::filesystem::is_symlink(folder / link)) << link;
    EXPECT_EQ(ReadBytes(target), "[s]\r\nvia=\"" + std::string(link) + "\"\r\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u) << link;
  }
  EXPECT_EQ(EntriesIn(folder / "real"), 1u);
  // A link to a file not made yet makes it; a loop of links is refused.
  std::filesystem::create_symlink("real/later.ini", folder / "dangling.ini");
  ASSERT_EQ(ini.Save(folder / "dangling.ini", 0), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.ini"));
  EXPECT_EQ(ReadBytes(folder / "real/later.ini"), ReadBytes(target));
  std::filesystem::create_symlink("loop2.ini", folder / "loop1.ini");
  std::filesystem::create_symlink("loop1.ini", folder / "loop2.ini");
  EXPECT_EQ(ini.Save(folder / "loop1.ini", 0), 0);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "loop1.ini"));
  // A plain file keeps its mode too.
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  ASSERT_EQ(ini.Save(target, 0), 1);
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(TIniFile, ARelativePathIsNeverReadOrWritten) {
  TempFolder folder;
  InFolder in(folder.path());
  TIni ini;
  ini.SetKey("s", "k", "v");
  EXPECT_EQ(ini.Save("Quillon/ProgramSetup.ini", 0), 0);
  EXPECT_EQ(ini.Save("settings.ini", 0), 0);
  EXPECT_TRUE(LoadQuietly("Quillon/ProgramSetup.ini").map.empty());
  EXPECT_EQ(EntriesIn(folder.path()), 0u);
}

TEST(TIniFile, LoadLogsAndCreatesAFileOnlyWhereNoneExists) {
  TempFolder folder;
  const std::string path = folder / "first.ini";
  testing::internal::CaptureStdout();
  const TIni first = TIni::Load(path, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "loading ini file: " + path + "\n");
  EXPECT_TRUE(first.map.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  // One missing folder level is made; two are not.
  EXPECT_TRUE(LoadQuietly(folder / "sub/first.ini").map.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "sub/first.ini"));
  EXPECT_TRUE(LoadQuietly(folder / "x/y/first.ini").map.empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "x"));

  // Something that is there but cannot be read as a file is left alone.
  std::filesystem::create_directory(folder / "dir.ini");
  EXPECT_TRUE(LoadQuietly(folder / "dir.ini").map.empty());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.ini"));
  ASSERT_EQ(mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
  EXPECT_TRUE(LoadQuietly(folder / "fifo.ini").map.empty());
  EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo.ini"));
  std::filesystem::create_symlink(folder / "nowhere", folder / "dangling.ini");
  EXPECT_TRUE(LoadQuietly(folder / "dangling.ini").map.empty());
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));

  // An existing file is read, not replaced.
  WriteBytes(path, "[s]\nk=v\n");
  EXPECT_EQ(LoadQuietly(path).GetKey("s", "k", ""), "v");
  EXPECT_EQ(ReadBytes(path), "[s]\nk=v\n");
}
