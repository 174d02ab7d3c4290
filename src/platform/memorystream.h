// A stream over bytes held in memory, readable and writable: tests build the
// bytes of a file here and readers take them as they would a file.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/streams.h"

class TMemoryStream : public TStream {
 public:
  explicit TMemoryStream(std::vector<uint8_t> bytes = {}) : bytes_(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Pos() const override { return pos_; }
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
  int64_t Seek(int64_t pos) override;
  bool Close() override;
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  int64_t pos_ = 0;
  bool closed_ = false;
};
