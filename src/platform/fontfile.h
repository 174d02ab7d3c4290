// Finding the file of the default font: the Debian path first, then fontconfig, so
// captions are drawn wherever DejaVu Sans (or another sans face) is installed.
#pragma once
#include <string>

// firstTry when it is a file; else the file fontconfig matches for DejaVu Sans, which
// is some other scalable sans face where DejaVu is missing; "" when there is no font.
std::string FindDefaultFontFile(const std::string& firstTry);
