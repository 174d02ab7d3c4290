// The character a key types: key code and shift state to a one-character text.
#pragma once
#include <string>

// "" for keys that type nothing; any non-zero shift counts as shifted.
std::string KeyTranslate(int key, int shift);
