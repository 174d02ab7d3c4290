// A fresh folder under the system's temp folder for one test, removed with all
// it holds when the test ends.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    // Absolute even under a relative TMPDIR: XDG variables must be, and tests change folder.
    std::string pattern =
        std::filesystem::absolute(std::filesystem::temp_directory_path() / "quillon-test-XXXXXX").string();
    if (char* made = mkdtemp(pattern.data())) path_ = made;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
