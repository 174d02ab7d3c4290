// Stepping through UTF-8 text.
#include "platform/utf8.h"

int NextUtf8(std::string_view text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int extra = lead < 0x80 ? 0
                    : (lead >> 5) == 0x6 ? 1
                    : (lead >> 4) == 0xE ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
  int code = extra <= 0 ? lead : lead & (0x3F >> extra);
  bool valid = extra >= 0 && i + extra < text.size();
  for (int k = 1; valid && k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    valid = (next & 0xC0) == 0x80;
    code = (code << 6) | (next & 0x3F);
  }
  if (!valid || code > 0x10FFFF) {
    ++i;
    return -1;
  }
  i += extra + 1;
  return code;
}
