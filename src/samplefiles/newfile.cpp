// TNewFile over POSIX files.
#include "samplefiles/newfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// A new, empty file with a name of its own in folder ("" the current one); -1 when
// none can be made. The name is short, so a long final name still leaves room for it.
int CreateTemporary(const std::string& folder, std::string& name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder + ".partial-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// One step, so that no other file can take the name between a test and the rename.
// File systems without the no-replace rename get a hard link, which never replaces
// either.
bool NameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (link(from.c_str(), to.c_str()) != 0) return false;
  unlink(from.c_str());
  return true;
}

}  // namespace

TNewFile::TNewFile(std::string path) : path_(std::move(path)) {
  const size_t slash = path_.find_last_of('/');
  fd_ = CreateTemporary(slash == std::string::npos ? "" : path_.substr(0, slash + 1), temporary_);
  failed_ = fd_ < 0;
}

TNewFile::~TNewFile() {
  if (fd_ >= 0) close(fd_);
  if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool TNewFile::Write(const void* bytes, int64_t count) {
  const auto* p = static_cast<const char*>(bytes);
  while (!failed_ && count > 0) {
    const ssize_t n = write(fd_, p, static_cast<size_t>(count));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = true;
      break;
    }
    p += n;
    count -= n;
  }
  return !failed_;
}

bool TNewFile::Publish() {
  bool ok = !failed_ && fsync(fd_) == 0;
  ok = close(fd_) == 0 && ok;
  fd_ = -1;
  if (!ok || !NameWithoutReplacing(temporary_, path_)) return false;
  temporary_.clear();
  return true;
}
