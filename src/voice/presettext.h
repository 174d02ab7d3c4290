// Text forms of the values in the preset stub files: integers as plain decimal, floats
// as "%#.9g" of the single-precision value, and the lenient readers of both.
#pragma once
#include <string>

std::string PresetIntText(int value);
std::string PresetFloatText(float value);
// Leading blanks, an optional sign, then decimal digits ("$" hexadecimal, "%" binary)
// up to the first other character; 0 without digits. Saturates at the int range.
int PresetTextToInt(const std::string& text);
// A leading decimal floating-point number (sign, digits, point, exponent); 0 without one.
float PresetTextToFloat(const std::string& text);
