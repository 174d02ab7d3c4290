// StringFromUTF8String: text the platform returns (mount points, device and type names,
// folder paths) decoded into characters of 16 bits and handed back as a string.
#pragma once
#include <string>

// Null gives "". The one-, two- and three-byte forms decode to their character (low 16
// bits kept); a four-byte sequence, a stray continuation byte, a sequence cut short by
// the end of the text and a surrogate each become U+FFFD. Nothing past the NUL is read.
std::string StringFromUTF8String(const char* text);

// The character ch (low 16 bits kept, a surrogate as U+FFFD) appended as UTF-8.
void AppendUtf8(std::string& out, unsigned ch);
