// Lower- and upper-casing of text: ASCII letters only, every other byte (UTF-8
// sequences included) left as it is.
#pragma once
#include <string>

std::string ToLower(const std::string& text);
std::string ToUpper(const std::string& text);
