// ReplaceFileContents over POSIX files.
#include "platform/replacefile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/files.h"
#include "platform/tempfile.h"

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit on following links

// The file a path finally names once every link is followed; the last target need not
// exist yet. "" for a loop of links or one that cannot be read.
std::string FinalTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> buffer(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t n = readlink(path.c_str(), buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return "";
    std::string target(buffer.data(), static_cast<size_t>(n));
    if (target[0] != '/') {
      const size_t slash = path.find_last_of('/');
      if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
    }
    path = target;
  }
  return "";
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& contents) {
  const std::string target = FinalTarget(path);
  if (target.empty()) return false;
  std::string temporary;
  const int fd = CreateTemporaryFileBeside(target, temporary);
  if (fd < 0) return false;
  bool ok = true;
  struct stat old {};
  if (stat(target.c_str(), &old) == 0) ok = fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAllBytes(fd, contents.data(), contents.size());
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  ok = ok && RenamePath(temporary, target);
  if (!ok) {
    DeleteFile(temporary);
    return false;
  }
  SyncFolderOf(target);
  return true;
}
