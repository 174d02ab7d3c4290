// Saturating conversions of the mixer's fixed-point values: results that are kept in
// 16 or 32 bits are limited to that range, never wrapped.
#pragma once
#include <cstdint>

inline int16_t saturate16(int64_t value) {
  return static_cast<int16_t>(value > INT16_MAX ? INT16_MAX : value < INT16_MIN ? INT16_MIN : value);
}

inline int32_t saturate32(int64_t value) {
  return static_cast<int32_t>(value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : value);
}
