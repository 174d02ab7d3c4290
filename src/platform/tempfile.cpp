// Temporary files and whole writes over POSIX files.
#include "platform/tempfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/paths.h"

namespace {

constexpr size_t kMaxNameBytes = 255;  // a file name's limit on the usual file systems

// The first count bytes of name at most, never ending inside a UTF-8 character.
std::string WholeCharactersOf(const std::string& name, size_t count) {
  if (count >= name.size()) return name;
  while (count > 0 && (static_cast<unsigned char>(name[count]) & 0xC0) == 0x80) --count;
  return name.substr(0, count);
}

}  // namespace

int CreateTemporaryFileBeside(const std::string& path, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string file = StripDir(path);
  const std::string folder = path.substr(0, path.size() - file.size());  // with its "/"
  const std::string owner = '.' + std::to_string(getpid()) + '-';
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string tag = owner + std::to_string(counter++);
    name = folder + '.' + WholeCharactersOf(file, kMaxNameBytes - 1 - tag.size()) + tag;
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  name.clear();  // the name tried last may be another's file, which the caller must not remove
  return -1;
}

bool WriteAllBytes(int fd, const void* bytes, size_t count) {
  const auto* p = static_cast<const char*>(bytes);
  while (count > 0) {
    const ssize_t n = write(fd, p, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

void SyncFolderOf(const std::string& path) {
  const std::string folder = ExtractDir(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}
