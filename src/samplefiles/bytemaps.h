// The 8-bit sample mappings of the headerless readers and the CMI disk voices: one
// stored byte to one signed 16-bit value. Results wrap to 16 bits where a mapping
// reaches 32768.
#pragma once
#include <cstdint>

#include "platform/numbers.h"

// The byte is the high byte of a signed word: 0x7F 32512, 0x80 -32768, 0xFF -256.
inline int16_t Map8Bit(uint8_t b) { return static_cast<int16_t>((b < 0x80 ? b : b - 256) * 256); }

// Negated, with 0x80 wrapping to -32768: 0x7F -32512, 0xFF 256.
inline int16_t Map8Bit2(uint8_t b) { return static_cast<int16_t>((b < 0x80 ? -b : 256 - b) * 256); }

// Sign and magnitude mirrored about the middle: 0x00 and 0xFF 0, 0x7F -32512, 0x80 32512.
inline int16_t Map8BitFlipped(uint8_t b) { return static_cast<int16_t>((b < 0x80 ? -b : 255 - b) * 256); }

// Bit 7 is the sign, the low 7 bits m a magnitude on a cubic curve: m * 255 * (m/127)^3.
inline int16_t Map8BitLog(uint8_t b) {
  const double m = b & 0x7F;
  const double shape = m / 127.0;
  const int a = TruncToInt(m * 255.0 * (shape * shape * shape));
  return static_cast<int16_t>(b & 0x80 ? -a : a);
}

// CMI disk voices: unsigned around 0x7F/0x80 (both 0), scaled by 127: -16129..16129.
inline int16_t MapCMIDisk8(uint8_t b) { return static_cast<int16_t>((b >= 0x80 ? b - 128 : b - 127) * 127); }
