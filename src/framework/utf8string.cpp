// Decoding platform text into 16-bit characters, encoded again as UTF-8.
#include "framework/utf8string.h"

#include <cstring>

namespace {
constexpr unsigned kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

void AppendUtf8(std::string& out, unsigned ch) {
  ch &= 0xFFFF;
  if (ch >= 0xD800 && ch <= 0xDFFF) ch = kReplacement;
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

std::string StringFromUTF8String(const char* text) {
  if (text == nullptr) return "";
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  const size_t n = std::strlen(text);
  std::string out;
  size_t i = 0;
  while (i < n) {
    const unsigned c = s[i];
    if (c < 0x80) {
      AppendUtf8(out, c);
      i += 1;
    } else if (c >= 0xC0 && c <= 0xDF) {
      if (i + 1 >= n) break;
      AppendUtf8(out, (c - 0xC0) * 64 + (s[i + 1] - 0x80u));
      i += 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      if (i + 2 >= n) break;
      AppendUtf8(out, (c - 0xE0) * 4096 + (s[i + 1] - 0x80u) * 64 + (s[i + 2] - 0x80u));
      i += 3;
    } else {
      // Outside the forms handled: one replacement for the lead byte and its tail.
      AppendUtf8(out, kReplacement);
      i += 1;
      while (c >= 0xF0 && i < n && IsContinuation(s[i])) ++i;
    }
  }
  if (i < n) AppendUtf8(out, kReplacement);  // a sequence cut short by the end
  return out;
}
