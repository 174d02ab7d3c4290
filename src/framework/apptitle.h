// AppTitle, the application's title as the program sets it: new windows are created
// with it and the Help menu is named after it.
#pragma once
#include <string>

extern std::string AppTitle;
