// A stream over bytes held in memory.
#include "platform/memorystream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  int64_t size = Size();
  if (closed_ || count <= 0 || pos_ >= size) return 0;
  int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, bytes_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (closed_) {
    failed_ = true;
    return 0;
  }
  if (count > INT64_MAX - pos_) {
    failed_ = true;
    return 0;
  }
  int64_t end = pos_ + count;
  if (end > Size()) {
    try {
      bytes_.resize(static_cast<size_t>(end), 0);
    } catch (const std::exception&) {  // a seek far past the end, then a write
      failed_ = true;
      return 0;
    }
  }
  std::memcpy(bytes_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t pos) {
  if (!closed_) pos_ = std::max<int64_t>(pos, 0);
  return pos_;
}

bool TMemoryStream::Close() {
  closed_ = true;
  return !failed_;
}
