// The game's page layout: a built-in table of typed values that ReadControls turns into
// the framework's page 0, read through one position that start-up sets to its beginning.
#pragma once
#include <string>

// Puts the layout table's read position back to its first value.
void RestoreLayoutData();
// The next value of the table converted to the asked type; past its end ints read as
// the end mark -100, floats as 0 and texts as "".
int ReadLayoutInt();
float ReadLayoutFloat();
std::string ReadLayoutString();

constexpr int kLayoutEnd = -100;
