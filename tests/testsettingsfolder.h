// The settings folder every test binary keeps to: made fresh for the process by the tests'
// main, removed when it ends, so that no test reads or writes the user's ~/.config.
#pragma once
#include <string>

// The folder XDG_CONFIG_HOME points at, without a trailing "/".
const std::string& TestSettingsFolder();
