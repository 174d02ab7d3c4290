// The main of every test binary: before any test runs, settings go to a temporary folder
// of the process's own, so that a binary run by hand keeps off the user's ~/.config, and
// an unusable TMPDIR or a missing display is met before any test trips over it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/tempfolder.h"
#include "testsettingsfolder.h"

namespace {
std::string settingsFolder;

// The temporary folder every test's files go to: an unusable TMPDIR would end each
// test program at its first temporary folder, before a word of why.
void KeepToAUsableTemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  std::error_code error;
  if (folder == nullptr || (*folder != '\0' && std::filesystem::is_directory(folder, error))) return;
  std::fprintf(stderr, "TMPDIR \"%s\" is not a folder; the tests use /tmp instead\n", folder);
  setenv("TMPDIR", "/tmp", 1);
}

// A test program run by hand on a console keeps SDL's stand-in for a display, which the
// game itself takes for none.
void KeepAVideoDriverWithoutADisplay() {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("SDL_VIDEODRIVER"))
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
}
}  // namespace

const std::string& TestSettingsFolder() { return settingsFolder; }

int main(int argc, char** argv) {
  KeepToAUsableTemporaryFolder();
  KeepAVideoDriverWithoutADisplay();
  testing::InitGoogleTest(&argc, argv);
  // A death test's re-run of this program keeps to the folder of the run that started it,
  // which removes it; a folder of the child's own would be left behind when it dies.
  if (!GTEST_FLAG_GET(internal_run_death_test).empty()) {
    if (const char* inherited = std::getenv("XDG_CONFIG_HOME")) settingsFolder = inherited;
    return RUN_ALL_TESTS();
  }
  // A local, not a static: a forked child that calls exit() must not remove the parent's folder.
  const TempFolder folder;
  if (folder.path().empty() || setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1) != 0) {
    std::fprintf(stderr, "no settings folder of the tests' own in the temporary folder\n");
    return 1;
  }
  settingsFolder = folder.path();
  return RUN_ALL_TESTS();
}
