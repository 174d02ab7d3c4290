// The current folder changed for the length of a test, and whole files written and read
// back as bytes; the temporary folder itself is the platform tests' TempFolder.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/files.h"
#include "platform/tempfolder.h"

// The current folder becomes path until the object goes.
class InFolder {
 public:
  explicit InFolder(const std::string& path) : previous_(CurrentDir()) {
    if (!ChangeDir(path)) ADD_FAILURE() << path;
  }
  ~InFolder() { ChangeDir(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::string previous_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
