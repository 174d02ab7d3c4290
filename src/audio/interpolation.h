// Reading a record's values between its frames: linear interpolation of 16-bit values,
// or of 8-bit ones scaled to 16 bits, with a 16-bit fraction.
#pragma once
#include <cstdint>

template <int Bits>
inline int readvalue(const void* data, int64_t index) {
  if constexpr (Bits == 16)
    return static_cast<const int16_t*>(data)[index];
  else
    return static_cast<const uint8_t*>(data)[index];
}

// Linear interpolation between a and the next frame's value b, fraction in 16 bits; 8-bit
// values are scaled to 16 bits first, and the result never leaves the two scaled values.
template <int Bits>
inline int interpolate(int a, int b, int fraction) {
  if constexpr (Bits == 16)
    return a + static_cast<int>((static_cast<int64_t>(fraction) * (b - a)) >> 16);
  else
    return a * 256 - 32768 + (((b - a) * fraction) >> 8);
}

// The frame's value at a read position: left and right (the same for mono records).
template <int Bits, int Channels>
inline void readframe(const void* data, int64_t playpos, int& valueleft, int& valueright) {
  const int64_t w = playpos >> 32;
  const int fraction16 = static_cast<int>(static_cast<uint32_t>(playpos) >> 16);
  if constexpr (Channels == 1) {
    valueleft = valueright = interpolate<Bits>(readvalue<Bits>(data, w), readvalue<Bits>(data, w + 1), fraction16);
  } else {
    const int64_t frame = w & ~int64_t{1};
    const int fraction = ((static_cast<int>(w & 1) << 16) + fraction16) / 2;
    valueleft = interpolate<Bits>(readvalue<Bits>(data, frame), readvalue<Bits>(data, frame + 2), fraction);
    valueright = interpolate<Bits>(readvalue<Bits>(data, frame + 1), readvalue<Bits>(data, frame + 3), fraction);
  }
}

// The largest magnitude an interpolated value takes: it lies between two neighbouring
// values, 16-bit or 8-bit ones scaled to -32768 .. 32512.
constexpr int64_t kValueBound = 32768;
