// Reading and storing the voice engine's 16-bit sample words: a stored word is a
// signed value, and a computed result is truncated toward zero and kept as its low
// 16 bits (two's-complement wrap) unless an effect clamps it.
#pragma once
#include <cstdint>

#include "platform/numbers.h"

// The low 16 bits of an integer result, as a signed word.
inline int16_t Low16(int64_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(value) & 0xFFFFu));
}

// A floating-point result truncated toward zero and wrapped into 16 bits.
inline int16_t Store16(double value) { return Low16(TruncToInt64(value)); }

// A result truncated toward zero and clamped to -32767..32767.
inline int16_t Clamp16(double value) {
  const int64_t v = TruncToInt64(value);
  return static_cast<int16_t>(v > 32767 ? 32767 : (v < -32767 ? -32767 : v));
}
