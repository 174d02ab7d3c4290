// Path helpers on ordinary and odd paths, and the executable's own place.
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/textcase.h"

TEST(Paths, ExtractDirKeepsTheFolderWithoutItsSeparator) {
  EXPECT_EQ(ExtractDir("a/b/c.wav"), "a/b");
  EXPECT_EQ(ExtractDir("/a/b/"), "/a/b");   // a trailing "/" leaves the folder itself
  EXPECT_EQ(ExtractDir("c.wav"), "");
  EXPECT_EQ(ExtractDir(""), "");
  EXPECT_EQ(ExtractDir("/"), "/");
  EXPECT_EQ(ExtractDir("/c.wav"), "/");     // directly under the root
  EXPECT_EQ(ExtractDir("a.b/c"), "a.b");
}

TEST(Paths, StripDirKeepsTheLastName) {
  EXPECT_EQ(StripDir("a/b/c.wav"), "c.wav");
  EXPECT_EQ(StripDir("c.wav"), "c.wav");
  EXPECT_EQ(StripDir("a/b/"), "");
  EXPECT_EQ(StripDir("/"), "");
  EXPECT_EQ(StripDir(""), "");
}

TEST(Paths, ExtensionIsAfterTheLastDotOfTheLastName) {
  EXPECT_EQ(ExtractExt("a/b/c.wav"), "wav");
  EXPECT_EQ(ExtractExt("song.take2.WAV"), "WAV");
  EXPECT_EQ(ExtractExt("a.b/c"), "");         // the dot belongs to a folder
  EXPECT_EQ(ExtractExt("a.b\\c"), "");        // a backslash separates as well
  EXPECT_EQ(ExtractExt("name."), "");
  EXPECT_EQ(ExtractExt(".profile"), "profile");
  EXPECT_EQ(ExtractExt("dir/.profile"), "profile");
  EXPECT_EQ(ExtractExt("noext"), "");
  EXPECT_EQ(ExtractExt(""), "");
}

TEST(Paths, StripExtAndStripAllRemoveWhatExtractExtNames) {
  EXPECT_EQ(StripExt("a/b/c.wav"), "a/b/c");
  EXPECT_EQ(StripExt("a.b/c"), "a.b/c");
  EXPECT_EQ(StripExt("name."), "name");
  EXPECT_EQ(StripExt("x.tar.gz"), "x.tar");
  EXPECT_EQ(StripAll("a/b/c.wav"), "c");
  EXPECT_EQ(StripAll("a.b/c"), "c");
  EXPECT_EQ(StripAll("a/b/"), "");
  EXPECT_EQ(StripAll("/x/.profile"), "");
  for (const char* p : {"a/b/c.wav", "x.tar.gz", "dir/.hidden"})
    EXPECT_EQ(StripExt(p) + "." + ExtractExt(p), p);
}

TEST(Paths, AppFileIsThisTestProgram) {
  std::string file = AppFile();
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(file[0], '/');
  EXPECT_EQ(FileType(file), FILETYPE_FILE);
  EXPECT_EQ(StripDir(file), "platform_tests");
  EXPECT_EQ(AppDir(), ExtractDir(file));
  EXPECT_EQ(FileType(AppDir()), FILETYPE_DIR);
}

TEST(TextCase, OnlyAsciiLettersChange) {
  EXPECT_EQ(ToLower("Song.WAV 12-[Z]"), "song.wav 12-[z]");
  EXPECT_EQ(ToUpper("song.wav @`{"), "SONG.WAV @`{");
  EXPECT_EQ(ToLower("CAF\xC3\x89"), "caf\xC3\x89");  // the UTF-8 bytes of É stay as they are
}
