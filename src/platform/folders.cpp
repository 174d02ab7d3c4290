// The user's standard folders from the XDG variables and user-dirs.dirs.
#include "platform/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/files.h"
#include "platform/streams.h"

namespace {

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string homeDir() {
  std::string home = env("HOME");
  if (home.empty()) {
    struct passwd entry;
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
      home = found->pw_dir;
  }
  if (home.empty() || home[0] != '/') return "";
  return withoutTrailingSlashes(home);
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback under home.
std::string baseDir(const char* variable, const char* underHome) {
  std::string value = env(variable);
  if (!value.empty() && value[0] == '/') return withoutTrailingSlashes(value);
  std::string home = homeDir();
  return home.empty() ? "" : home + "/" + underHome;
}

// "$HOME" at the start stands for the home folder; the result must be absolute.
std::string expandHome(const std::string& value) {
  if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/')) {
    std::string home = homeDir();
    if (home.empty()) return "";
    return withoutTrailingSlashes(home + value.substr(5));
  }
  if (!value.empty() && value[0] == '/') return withoutTrailingSlashes(value);
  return "";
}

// The value of `key` in user-dirs.dirs: the last line of the form KEY="value"
// (blanks allowed around "="; a backslash takes the next character literally).
// Returns false when the file has no such line.
bool userDirsEntry(const std::string& key, std::string& value) {
  std::string configHome = baseDir("XDG_CONFIG_HOME", ".config");
  if (configHome.empty()) return false;
  auto stream = ReadStream(configHome + "/user-dirs.dirs");
  if (!stream) return false;
  bool found = false;
  while (!Eof(*stream)) {
    std::string line = ReadLine(*stream);
    size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line.compare(i, key.size(), key) != 0) continue;
    i = line.find_first_not_of(" \t", i + key.size());
    if (i == std::string::npos || line[i] != '=') continue;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line[i] != '"') continue;
    std::string text;
    bool closed = false;
    for (++i; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        text.push_back(line[++i]);
      } else if (line[i] == '"') {
        closed = true;
        break;
      } else {
        text.push_back(line[i]);
      }
    }
    if (!closed) continue;
    value = text;
    found = true;
  }
  return found;
}

std::string existingFolder(const std::string& path) {
  return !path.empty() && FileType(path) == FILETYPE_DIR ? path : "";
}

std::string namedFolder(const char* xdgName, const char* defaultName) {
  std::string key = std::string("XDG_") + xdgName + "_DIR";
  std::string value;
  std::string path;
  if (userDirsEntry(key, value)) {
    path = expandHome(value);
  } else if (!env(key.c_str()).empty()) {
    path = expandHome(env(key.c_str()));
  } else {
    std::string home = homeDir();
    if (!home.empty()) path = home + "/" + defaultName;
  }
  if (path.empty() || path == homeDir()) return "";
  return existingFolder(path);
}

}  // namespace

std::string UserFolderPath(UserFolder folder) {
  switch (folder) {
    case UserFolder::Home: return existingFolder(homeDir());
    case UserFolder::Desktop: return namedFolder("DESKTOP", "Desktop");
    case UserFolder::Documents: return namedFolder("DOCUMENTS", "Documents");
    case UserFolder::Downloads: return namedFolder("DOWNLOAD", "Downloads");
    case UserFolder::Music: return namedFolder("MUSIC", "Music");
    case UserFolder::Pictures: return namedFolder("PICTURES", "Pictures");
    case UserFolder::Movies: return namedFolder("VIDEOS", "Videos");
    case UserFolder::PublicShare: return namedFolder("PUBLICSHARE", "Public");
    case UserFolder::Applications: {
      std::string data = baseDir("XDG_DATA_HOME", ".local/share");
      return data.empty() ? "" : existingFolder(data + "/applications");
    }
  }
  return "";
}

std::string ConfigHomeDir() { return baseDir("XDG_CONFIG_HOME", ".config"); }

std::string AppSupportDir() {
  std::string config = existingFolder(ConfigHomeDir());
  if (config.empty()) return "";
  return config == "/" ? config : config + "/";
}
