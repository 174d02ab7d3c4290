// Files and folders on the local file system, through POSIX calls.
#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

int FileType(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return FILETYPE_NONE;
  if (S_ISREG(st.st_mode)) return FILETYPE_FILE;
  if (S_ISDIR(st.st_mode)) return FILETYPE_DIR;
  return FILETYPE_NONE;
}

int64_t FileSize(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return static_cast<int64_t>(st.st_size);
}

int64_t FileModTime(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::optional<std::vector<std::string>> ReadDir(const std::string& path) {
  if (path.empty()) return std::nullopt;
  DIR* dir = opendir(path.c_str());
  if (!dir) return std::nullopt;
  std::vector<std::string> names;
  while (struct dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(std::move(name));
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

bool CreateDir(const std::string& path) {
  if (path.empty()) return false;
  if (mkdir(path.c_str(), 0777) == 0) return true;
  return errno == EEXIST && FileType(path) == FILETYPE_DIR;
}

bool CreatePrivateDirs(const std::string& path) {
  if (path.empty()) return false;
  if (FileType(path) == FILETYPE_DIR) return true;
  const size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !CreatePrivateDirs(path.substr(0, slash)))
    return false;
  if (mkdir(path.c_str(), 0700) == 0) return true;
  return errno == EEXIST && FileType(path) == FILETYPE_DIR;
}

bool DeleteDir(const std::string& path) { return !path.empty() && rmdir(path.c_str()) == 0; }

bool DeleteFile(const std::string& path) {
  struct stat st;
  if (path.empty() || lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return unlink(path.c_str()) == 0;
}

bool RenamePath(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string CurrentDir() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() >= (1u << 20)) return "";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

bool ChangeDir(const std::string& path) { return !path.empty() && chdir(path.c_str()) == 0; }
