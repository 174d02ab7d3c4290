// Streams over files: opening for reading, writing or both, with buffered I/O
// and the position and size kept here so that Pos, Size and Eof cost nothing.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "platform/files.h"
#include "platform/streams.h"

namespace {

class TFileStream : public TStream {
 public:
  TFileStream(std::FILE* file, bool readable, bool writable, int64_t size)
      : file_(file), readable_(readable), writable_(writable), size_(size) {}
  ~TFileStream() override { Close(); }

  int64_t Read(void* buffer, int64_t count) override {
    if (!file_ || !readable_ || count <= 0 || !switchTo(LastOp::Read)) return 0;
    size_t got = std::fread(buffer, 1, static_cast<size_t>(count), file_);
    if (got < static_cast<size_t>(count)) std::clearerr(file_);
    pos_ += static_cast<int64_t>(got);
    return static_cast<int64_t>(got);
  }

  int64_t Write(const void* buffer, int64_t count) override {
    if (count <= 0) return 0;
    if (!file_ || !writable_ || !switchTo(LastOp::Write)) {
      failed_ = true;
      return 0;
    }
    size_t put = std::fwrite(buffer, 1, static_cast<size_t>(count), file_);
    pos_ += static_cast<int64_t>(put);
    size_ = std::max(size_, pos_);
    if (put < static_cast<size_t>(count)) failed_ = true;
    return static_cast<int64_t>(put);
  }

  int64_t Pos() const override { return pos_; }
  int64_t Size() const override { return size_; }

  int64_t Seek(int64_t pos) override {
    if (!file_) return pos_;
    if (pos < 0) pos = 0;
    if (fseeko(file_, static_cast<off_t>(pos), SEEK_SET) == 0) {
      pos_ = pos;
      last_ = LastOp::None;
    }
    return pos_;
  }

  bool Close() override {
    if (!file_) return !failed_;
    if (std::fflush(file_) != 0) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
  }

 private:
  enum class LastOp { None, Read, Write };

  // The C library needs a seek between a read and a write on the same file.
  bool switchTo(LastOp op) {
    if (last_ != LastOp::None && last_ != op && fseeko(file_, static_cast<off_t>(pos_), SEEK_SET) != 0)
      return false;
    last_ = op;
    return true;
  }

  std::FILE* file_;
  bool readable_, writable_;
  int64_t pos_ = 0;
  int64_t size_;
  LastOp last_ = LastOp::None;
};

std::unique_ptr<TStream> openFile(const std::string& path, const char* mode, bool readable, bool writable) {
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (!file) return nullptr;
  struct stat st;
  if (fstat(fileno(file), &st) != 0 || (readable && !S_ISREG(st.st_mode))) {
    std::fclose(file);
    return nullptr;
  }
  int64_t size = S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size) : 0;
  return std::make_unique<TFileStream>(file, readable, writable, size);
}

}  // namespace

std::unique_ptr<TStream> ReadStream(const std::string& path) {
  // Checked before opening: opening a pipe or a device for reading could block.
  if (FileType(path) != FILETYPE_FILE) return nullptr;
  return openFile(path, "rb", true, false);
}

std::unique_ptr<TStream> WriteStream(const std::string& path) {
  if (path.empty()) return nullptr;
  return openFile(path, "wb", false, true);
}

std::unique_ptr<TStream> OpenStream(const std::string& path, bool readable, bool writeable) {
  if (readable && !writeable) return ReadStream(path);
  if (writeable && !readable) return WriteStream(path);
  if (!readable || path.empty()) return nullptr;
  if (FileType(path) == FILETYPE_FILE) return openFile(path, "r+b", true, true);
  if (FileType(path) != FILETYPE_NONE) return nullptr;
  return openFile(path, "w+b", true, true);
}
