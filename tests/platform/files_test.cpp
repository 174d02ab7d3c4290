// File types, sizes, folder listing, creating, deleting and renaming, the current
// folder, and the writes that never leave half a file under its name.
#include "platform/files.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/newfile.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/replacefile.h"
#include "platform/tempfile.h"
#include "tempfolder.h"

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Stands in for a file system without the no-replace rename, as some network ones are.
bool noReplaceRenameMissing = false;

// What decides whether a write outlives a power cut, in order, while a test watches:
// the files and folders synced, as the kernel names them, and the names given.
struct FileCall {
  enum { kSyncFile, kSyncFolder, kName } kind;
  std::string path, to;
};
bool watching = false;
std::vector<FileCall> watched;

int noteName(int result, const char* from, const char* to) {
  if (watching && result == 0) watched.push_back({FileCall::kName, from, to});
  return result;
}

template <typename Call>
Call libc(const char* name) {
  return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) noexcept {
  if (noReplaceRenameMissing && (flags & RENAME_NOREPLACE) != 0) {
    errno = EINVAL;
    return -1;
  }
  static const auto real = libc<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
  return noteName(real(fromFolder, from, toFolder, to, flags), from, to);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  static const auto real = libc<int (*)(const char*, const char*)>("rename");
  return noteName(real(from, to), from, to);
}

extern "C" int link(const char* from, const char* to) noexcept {
  static const auto real = libc<int (*)(const char*, const char*)>("link");
  return noteName(real(from, to), from, to);
}

extern "C" int fsync(int fd) {
  if (watching) {
    char path[PATH_MAX];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    struct stat info {};
    fstat(fd, &info);
    watched.push_back({S_ISDIR(info.st_mode) ? FileCall::kSyncFolder : FileCall::kSyncFile,
                       std::string(path, n > 0 ? static_cast<size_t>(n) : 0), ""});
  }
  static const auto real = libc<int (*)(int)>("fsync");
  return real(fd);
}

TEST(Files, TypeAndSize) {
  TempFolder tmp;
  writeFile(tmp / "five.bin", "12345");
  writeFile(tmp / "empty", "");
  ASSERT_TRUE(CreateDir(tmp / "sub"));
  ASSERT_EQ(mkfifo((tmp / "pipe").c_str(), 0600), 0);
  ASSERT_EQ(symlink("nowhere", (tmp / "broken").c_str()), 0);
  ASSERT_EQ(symlink("five.bin", (tmp / "link").c_str()), 0);

  EXPECT_EQ(FileType(tmp / "five.bin"), FILETYPE_FILE);
  EXPECT_EQ(FileSize(tmp / "five.bin"), 5);
  EXPECT_EQ(FileType(tmp / "empty"), FILETYPE_FILE);
  EXPECT_EQ(FileSize(tmp / "empty"), 0);
  EXPECT_EQ(FileType(tmp / "sub"), FILETYPE_DIR);
  EXPECT_EQ(FileType(tmp / "sub/"), FILETYPE_DIR);
  EXPECT_EQ(FileSize(tmp / "sub"), 0);
  EXPECT_EQ(FileType(tmp / "pipe"), FILETYPE_NONE);
  EXPECT_EQ(FileType(tmp / "broken"), FILETYPE_NONE);
  EXPECT_EQ(FileType(tmp / "link"), FILETYPE_FILE);
  EXPECT_EQ(FileSize(tmp / "link"), 5);
  EXPECT_EQ(FileType(tmp / "missing"), FILETYPE_NONE);
  EXPECT_EQ(FileSize(tmp / "missing"), 0);
  EXPECT_EQ(FileType(""), FILETYPE_NONE);
  EXPECT_EQ(FileType(tmp / "five.bin/x"), FILETYPE_NONE);
}

TEST(Files, ReadDirListsSortedNamesWithoutDotEntries) {
  TempFolder tmp;
  for (const char* name : {"b.wav", "A.wav", ".hidden", "a.wav", "10", "9"}) writeFile(tmp / name, "x");
  ASSERT_TRUE(CreateDir(tmp / "folder"));
  auto names = ReadDir(tmp.path());
  ASSERT_TRUE(names.has_value());
  std::vector<std::string> expected = {".hidden", "10", "9", "A.wav", "a.wav", "b.wav", "folder"};
  EXPECT_EQ(*names, expected);

  auto empty = ReadDir(tmp / "folder");
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
  EXPECT_FALSE(ReadDir(tmp / "missing").has_value());
  EXPECT_FALSE(ReadDir(tmp / "a.wav").has_value());
  EXPECT_FALSE(ReadDir("").has_value());
}

TEST(Files, CreateDirMakesOneLevelOnly) {
  TempFolder tmp;
  EXPECT_TRUE(CreateDir(tmp / "one"));
  EXPECT_TRUE(CreateDir(tmp / "one"));  // already there
  EXPECT_FALSE(CreateDir(tmp / "x/y"));
  EXPECT_EQ(FileType(tmp / "x"), FILETYPE_NONE);
  writeFile(tmp / "file", "");
  EXPECT_FALSE(CreateDir(tmp / "file"));  // a file in the way is no folder
  EXPECT_FALSE(CreateDir(""));
}

TEST(Files, CreatePrivateDirsMakesEveryMissingLevelForTheUserAlone) {
  TempFolder tmp;
  auto mode = [](const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
  };
  EXPECT_TRUE(CreatePrivateDirs(tmp / "a/b/c"));
  for (const char* level : {"a", "a/b", "a/b/c"}) EXPECT_EQ(mode(tmp / level), 0700u) << level;
  EXPECT_TRUE(CreatePrivateDirs(tmp / "a/b"));  // already there
  writeFile(tmp / "file", "");
  EXPECT_FALSE(CreatePrivateDirs(tmp / "file"));
  EXPECT_FALSE(CreatePrivateDirs(tmp / "file/below"));
  EXPECT_FALSE(CreatePrivateDirs(""));
}

TEST(Files, DeleteDirAndDeleteFileTakeOnlyTheirKind) {
  TempFolder tmp;
  ASSERT_TRUE(CreateDir(tmp / "dir"));
  writeFile(tmp / "dir/inner", "x");
  writeFile(tmp / "file", "x");

  EXPECT_FALSE(DeleteDir(tmp / "dir"));   // not empty
  EXPECT_FALSE(DeleteFile(tmp / "dir"));  // never a folder
  EXPECT_FALSE(DeleteDir(tmp / "file"));
  EXPECT_TRUE(DeleteFile(tmp / "dir/inner"));
  EXPECT_TRUE(DeleteDir(tmp / "dir"));
  EXPECT_EQ(FileType(tmp / "dir"), FILETYPE_NONE);
  EXPECT_TRUE(DeleteFile(tmp / "file"));
  EXPECT_FALSE(DeleteFile(tmp / "file"));
  EXPECT_FALSE(DeleteFile(""));
}

TEST(Files, RenamePathMovesFilesAndFoldersAndReplacesFiles) {
  TempFolder tmp;
  writeFile(tmp / "a", "aaa");
  writeFile(tmp / "b", "b");
  EXPECT_TRUE(RenamePath(tmp / "a", tmp / "b"));
  EXPECT_EQ(FileType(tmp / "a"), FILETYPE_NONE);
  EXPECT_EQ(FileSize(tmp / "b"), 3);

  ASSERT_TRUE(CreateDir(tmp / "d"));
  EXPECT_TRUE(RenamePath(tmp / "d", tmp / "e"));
  EXPECT_EQ(FileType(tmp / "e"), FILETYPE_DIR);

  EXPECT_FALSE(RenamePath(tmp / "missing", tmp / "z"));
  EXPECT_FALSE(RenamePath("", tmp / "z"));
  EXPECT_FALSE(RenamePath(tmp / "b", ""));
  EXPECT_FALSE(RenamePath(tmp / "b", tmp / "no/such/folder"));
  EXPECT_EQ(FileSize(tmp / "b"), 3);
}

TEST(Files, CurrentDirFollowsChangeDir) {
  TempFolder tmp;
  std::string before = CurrentDir();
  ASSERT_FALSE(before.empty());
  ASSERT_TRUE(CreateDir(tmp / "here"));
  ASSERT_TRUE(ChangeDir(tmp / "here"));
  std::string now = CurrentDir();
  EXPECT_NE(now.back(), '/');
  EXPECT_EQ(FileType(now), FILETYPE_DIR);
  struct stat a, b;
  ASSERT_EQ(stat(now.c_str(), &a), 0);
  ASSERT_EQ(stat((tmp / "here").c_str(), &b), 0);
  EXPECT_EQ(a.st_ino, b.st_ino);
  EXPECT_FALSE(ChangeDir(tmp / "missing"));
  EXPECT_EQ(CurrentDir(), now);
  EXPECT_TRUE(ChangeDir(before));
  EXPECT_FALSE(ChangeDir(""));
}

TEST(Files, NewFilesTakeOnlyAFreeNameWithOrWithoutTheNoReplaceRename) {
  for (const bool missing : {false, true}) {
    noReplaceRenameMissing = missing;
    TempFolder tmp;
    const std::string longestName(255, 'n');
    for (const std::string name : {"new.wav", longestName.c_str()}) {
      TNewFile file(tmp / name);
      EXPECT_TRUE(file.Write("abc", 3));
      EXPECT_TRUE(file.Publish()) << name;
      EXPECT_EQ(readFile(tmp / name), "abc");
    }
    writeFile(tmp / "taken.wav", "mine");
    ASSERT_EQ(symlink("nowhere", (tmp / "link.wav").c_str()), 0);
    for (const char* name : {"taken.wav", "link.wav"}) {
      TNewFile file(tmp / name);
      EXPECT_TRUE(file.Write("abc", 3));
      EXPECT_FALSE(file.Publish()) << name;
    }
    EXPECT_EQ(readFile(tmp / "taken.wav"), "mine");
    EXPECT_EQ(FileType(tmp / "link.wav"), FILETYPE_NONE);
    std::vector<std::string> expected = {"link.wav", "new.wav", longestName, "taken.wav"};
    EXPECT_EQ(ReadDir(tmp.path()), expected) << (missing ? "with links" : "renamed");
  }
  noReplaceRenameMissing = false;
}

// Each writer syncs its temporary file, names it from beside the target (a rename never
// crosses file systems), then syncs the folder so that the name lasts.
TEST(Files, WritesSyncTheirFileThenNameItFromBesideThenSyncTheFolder) {
  TempFolder tmp;
  const std::string folder = std::filesystem::canonical(tmp.path());
  const auto newFile = [](const std::string& path) {
    TNewFile file(path);
    return file.Write("new", 3) && file.Publish();
  };
  const auto replaced = [](const std::string& path) { return ReplaceFileContents(path, "new"); };
  struct Row {
    std::function<bool(const std::string&)> write;
    bool linked;
    std::string target;
  };
  // Two-byte characters, one byte apart: in one of the two, a cut to make room for the
  // temporary's tag falls inside a character.
  std::string accented;
  for (int i = 0; i < 127; ++i) accented += "\xc3\xa9";
  const Row rows[] = {{newFile, false, "Kick.wav"},     {newFile, true, "Snare.wav"},
                      {replaced, false, "settings.ini"}, {newFile, false, accented},
                      {newFile, false, "a" + accented}};
  for (const auto& row : rows) {
    noReplaceRenameMissing = row.linked;
    watched.clear();
    watching = true;
    EXPECT_TRUE(row.write(tmp / row.target)) << row.target;
    watching = false;
    const auto named = std::find_if(watched.begin(), watched.end(), [&](const FileCall& call) {
      return call.kind == FileCall::kName && call.to == tmp / row.target;
    });
    ASSERT_NE(named, watched.end()) << row.target;
    const std::string temporary = StripDir(named->path);
    EXPECT_EQ(ExtractDir(named->path), tmp.path());
    // Named after the target, whole characters of it as far as 255 bytes allow.
    const std::string namedAfter = temporary.substr(1, temporary.find_last_of('.') - 1);
    EXPECT_EQ(row.target.rfind(namedAfter, 0), 0u) << temporary;
    EXPECT_TRUE(namedAfter == row.target || temporary.size() >= 254) << temporary;
    EXPECT_LE(temporary.size(), 255u);
    EXPECT_NE(row.target[namedAfter.size()] & 0xC0, 0x80) << temporary;
    EXPECT_TRUE(std::any_of(watched.begin(), named, [&](const FileCall& call) {
      return call.kind == FileCall::kSyncFile && call.path == folder + "/" + temporary;
    })) << row.target;
    EXPECT_TRUE(std::any_of(named, watched.end(), [&](const FileCall& call) {
      return call.kind == FileCall::kSyncFolder && call.path == folder;
    })) << row.target;
  }
  noReplaceRenameMissing = false;
}

TEST(Files, TemporaryFilesNeverOpenOrRemoveOneAlreadyThere) {
  TempFolder tmp;
  std::string first;
  const int fd = CreateTemporaryFileBeside(tmp / "b", first);
  ASSERT_GE(fd, 0);
  close(fd);
  // The names this process would try next, taken by files that are not its own: every
  // one of the next two writes, which fail, and the one after, which the third passes by.
  const size_t dash = first.find_last_of('-');
  const unsigned long count = std::stoul(first.substr(dash + 1));
  std::vector<std::string> taken;
  for (unsigned long next = count + 1; next <= count + 201; ++next) {
    taken.push_back(first.substr(0, dash + 1) + std::to_string(next));
    writeFile(taken.back(), "mine");
  }
  {
    TNewFile file(tmp / "b");
    EXPECT_FALSE(file.Write("new", 3) && file.Publish());
  }
  EXPECT_FALSE(ReplaceFileContents(tmp / "b", "new"));
  EXPECT_EQ(FileType(tmp / "b"), FILETYPE_NONE);
  {
    TNewFile file(tmp / "b");
    EXPECT_TRUE(file.Write("new", 3));
    EXPECT_TRUE(file.Publish());
  }
  for (const std::string& name : taken) EXPECT_EQ(readFile(name), "mine") << name;
  EXPECT_EQ(readFile(tmp / "b"), "new");
}

TEST(Files, ReplacedContentsTakeAnyNameLength) {
  TempFolder tmp;
  const std::string path = tmp / std::string(255, 'r');
  writeFile(path, "old");
  EXPECT_TRUE(ReplaceFileContents(path, "new"));
  EXPECT_EQ(readFile(path), "new");
  EXPECT_EQ(ReadDir(tmp.path())->size(), 1u);
}

// Once started, a write past the file-size limit fails and its temporary file goes,
// as on a full disk, instead of the signal ending the program.
TEST(Files, WritesPastTheFileSizeLimitFailAndLeaveNothingOnceStarted) {
  TempFolder tmp;
  EXPECT_EXIT(
      {
        PlatformInit();
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        const std::string big(5000, 'x');
        bool published = true;
        {
          TNewFile file(tmp / "new.wav");
          published = file.Write(big.data(), 5000) && file.Publish();
        }
        const bool replaced = ReplaceFileContents(tmp / "settings.ini", big);
        _exit(!published && !replaced && ReadDir(tmp.path())->empty() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
