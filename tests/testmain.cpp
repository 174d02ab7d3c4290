// The main of every test binary: before any test runs, settings go to a temporary folder
// of the process's own, so that a binary run by hand keeps off the user's ~/.config.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/tempfolder.h"
#include "testsettingsfolder.h"

namespace {
std::string settingsFolder;
}

const std::string& TestSettingsFolder() { return settingsFolder; }

int main(int argc, char** argv) {
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
