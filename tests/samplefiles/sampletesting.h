// Shared fixture of the sample-file tests: the mixer driver of the audio tests (no
// platform output, rendered by the test), a temp folder, files built byte by byte,
// and capturing the log lines a call prints.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "audio/drivertest.h"
#include "platform/files.h"
#include "platform/tempfolder.h"
#include "samplefiles/soundio.h"

// A file's bytes, appended in either byte order.
struct Bytes {
  std::vector<uint8_t> b;

  Bytes& text(const std::string& s) {
    // Byte by byte: GCC 12 warns falsely of an overflow on a range insert into an empty vector.
    for (char c : s) b.push_back(static_cast<uint8_t>(c));
    return *this;
  }
  Bytes& u8(int v) {
    b.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  Bytes& fill(size_t count, int v) {
    b.insert(b.end(), count, static_cast<uint8_t>(v));
    return *this;
  }
  Bytes& le16(int v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  Bytes& le32(int64_t v) { return le16(static_cast<int>(v & 0xFFFF)).le16(static_cast<int>((v >> 16) & 0xFFFF)); }
  Bytes& be16(int v) { return u8((v >> 8) & 0xFF).u8(v & 0xFF); }
  Bytes& be32(int64_t v) { return be16(static_cast<int>((v >> 16) & 0xFFFF)).be16(static_cast<int>(v & 0xFFFF)); }
  Bytes& add(const Bytes& other) {
    b.insert(b.end(), other.b.begin(), other.b.end());
    return *this;
  }
  size_t size() const { return b.size(); }
};

inline int LE16At(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<int16_t>(static_cast<uint16_t>(b[at] | (b[at + 1] << 8)));
}
inline int64_t LE32At(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
                              static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24);
}

// The sample's signed 16-bit values (interleaved when stereo).
inline std::vector<int16_t> Values(const std::shared_ptr<TAudioSample>& s) {
  if (!s) return {};
  const int16_t* p = s->Values16();
  return std::vector<int16_t>(p, p + static_cast<size_t>(s->length) * AudioFormatChannels(s->format));
}

class SampleFileTest : public DriverTest {
 protected:
  std::string write(const std::string& name, const Bytes& bytes) {
    const std::string path = folder / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.b.data()), static_cast<std::streamsize>(bytes.b.size()));
    return path;
  }

  static std::vector<uint8_t> read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // What the call printed on standard output.
  template <class F>
  static std::string printed(F call) {
    testing::internal::CaptureStdout();
    call();
    return testing::internal::GetCapturedStdout();
  }

  TempFolder folder;
};
