// A file that appears under its name only once it is whole: it is written into a new
// temporary file in the same folder, which takes the name when closed, and never in
// place of a file already there.
#pragma once
#include <cstdint>
#include <string>

class TNewFile {
 public:
  explicit TNewFile(std::string path);
  ~TNewFile();  // a file not published is removed
  TNewFile(const TNewFile&) = delete;
  TNewFile& operator=(const TNewFile&) = delete;

  // false when the temporary file could not be made or a write failed, now or before.
  bool Write(const void* bytes, int64_t count);
  // Flushes and closes the file and gives it its name; false when that failed or the
  // name is taken, and then nothing is left behind.
  bool Publish();

 private:
  std::string path_;
  std::string temporary_;
  int fd_ = -1;
  bool failed_ = false;
};
