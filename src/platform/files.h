// Files and folders on the local file system: type and size of a path, folder
// listing, creating and deleting, renaming, and the process's current folder.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum { FILETYPE_NONE = 0, FILETYPE_FILE = 1, FILETYPE_DIR = 2 };

// 0 nothing there (or something that is neither a regular file nor a folder,
// such as a device or a broken link), 1 a file, 2 a folder. Links are followed.
int FileType(const std::string& path);
// Size of a regular file in bytes; 0 for a folder, a missing path or anything else.
int64_t FileSize(const std::string& path);
// Last modification of a regular file in nanoseconds since 1970; 0 as for FileSize.
int64_t FileModTime(const std::string& path);

// The names in a folder, sorted by byte value, without "." and ".."; nothing when
// the folder cannot be opened (an empty folder gives an empty list).
std::optional<std::vector<std::string>> ReadDir(const std::string& path);

// One folder level (the parent must exist); true when the folder exists afterwards.
bool CreateDir(const std::string& path);
// The folder and every missing folder above it, each one made readable by the user
// alone (0700); true when the folder exists afterwards.
bool CreatePrivateDirs(const std::string& path);
// An empty folder; true when it was removed.
bool DeleteDir(const std::string& path);
// A file (or a link); true when it was removed. Never removes a folder.
bool DeleteFile(const std::string& path);
// The file system's rename: replaces an existing file at `to`; true on success.
bool RenamePath(const std::string& from, const std::string& to);

// The process's current folder without a trailing "/" ("/" for the root; "" when
// it cannot be read), and changing it (true on success).
std::string CurrentDir();
bool ChangeDir(const std::string& path);
