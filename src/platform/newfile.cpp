// TNewFile over POSIX files.
#include "platform/newfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/tempfile.h"

namespace {

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
  fd_ = CreateTemporaryFileBeside(path_, temporary_);
  failed_ = fd_ < 0;
}

TNewFile::~TNewFile() {
  if (fd_ >= 0) close(fd_);
  if (!temporary_.empty()) unlink(temporary_.c_str());
}

bool TNewFile::Write(const void* bytes, int64_t count) {
  if (!failed_ && count > 0) failed_ = !WriteAllBytes(fd_, bytes, static_cast<size_t>(count));
  return !failed_;
}

bool TNewFile::Publish() {
  bool ok = !failed_ && fsync(fd_) == 0;
  ok = close(fd_) == 0 && ok;
  fd_ = -1;
  if (!ok || !NameWithoutReplacing(temporary_, path_)) return false;
  temporary_.clear();
  SyncFolderOf(path_);
  return true;
}
