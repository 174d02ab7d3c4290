// Stepping through UTF-8 text one character at a time.
#pragma once
#include <cstddef>
#include <string_view>

// The code point of the character starting at text[i], with i moved past it; for a
// malformed sequence -1, with i moved on by one byte. Call only while i < text.size().
int NextUtf8(std::string_view text, size_t& i);
