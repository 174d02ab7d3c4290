// Gain effects of TFilter: silence, fixed gains, fades and gain ramps, normalise; and
// the sign and bit operations and reverse, sample by sample over the stored range.
#include <cstdint>
#include <utility>

#include "voice/filtereffects.h"
#include "voice/samplewords.h"

namespace filtereffects {

namespace {

// Normalise: the peak of either sign scaled to 32767; a silent range or one that
// reaches -32768 stays as it is.
void normalise(const Range& r) {
  int64_t top = 0, bottom = 0;
  for (int t = r.start; t <= r.end; ++t) {
    if (r.x[t] > top) top = r.x[t];
    if (r.x[t] < bottom) bottom = r.x[t];
  }
  bottom = -bottom;
  if (bottom > top) top = bottom;
  const float gain = (top < 32768 && top > 0) ? static_cast<float>(32767.0 / static_cast<double>(top)) : 1.0f;
  if (gain == 1.0f) return;
  for (int t = r.start; t <= r.end; ++t) r.x[t] = Store16(r.x[t] * static_cast<double>(gain));
}

// Frames a .. b - 2 (left samples) reversed as whole frames; the frame at b stays.
void reverse(const Range& r) {
  int16_t* x = r.x;
  if (r.channels == 1) {
    const int d = r.end - r.start;
    for (int i = 0; i < d / 2; ++i) std::swap(x[r.start + i], x[r.end - 1 - i]);
    return;
  }
  const int a = 2 * (r.start / 2), b = 2 * (r.end / 2);
  for (int i = 0; i <= (b - a) / 2 - 2; i += 2) {
    std::swap(x[a + i], x[b - i - 2]);
    std::swap(x[a + i + 1], x[b - i - 1]);
  }
}

}  // namespace

bool Levels(const Range& r, int effect) {
  const int d = r.end - r.start;
  if (effect == 43) {
    normalise(r);
    return true;
  }
  if (effect == 44 || effect == 45 || effect == 46) {
    for (int t = r.start; t <= r.end; ++t) {
      const int v = r.x[t];
      r.x[t] = effect == 44 ? 0 : Clamp16(v * static_cast<double>(effect == 45 ? 1.1f : 0.9f));
    }
    return true;
  }
  if (effect != 41 && effect != 42 && (effect < 48 || effect > 53)) return false;
  if (d == 0) return true;  // a one-sample range has no ramp
  const float unit = 1.0f / static_cast<float>(d);
  const float half = 0.5f / static_cast<float>(d);
  const int h = TruncToInt(d * 0.5);
  for (int t = r.start; t <= r.end; ++t) {
    const int k = t - r.start;
    const float v = static_cast<float>(r.x[t]);
    switch (effect) {
      case 41: r.x[t] = Store16(k * unit * v); break;
      case 42: r.x[t] = Store16((1.0f - k * unit) * v); break;
      case 48: r.x[t] = Clamp16((1.5f - k * half) * v); break;
      case 49: r.x[t] = Clamp16((k * half + 1.0f) * v); break;
      case 50: r.x[t] = Store16((k * half + 0.5f) * v); break;
      case 51: r.x[t] = Store16((1.0f - k * half) * v); break;
      case 52: r.x[t] = Clamp16((k < h ? k * half + 1.0f : 1.25f - (k - h) * half) * v); break;
      case 53: r.x[t] = Clamp16((k < h ? 1.0f - k * half : (k - h) * half + 0.75f) * v); break;
      default: break;
    }
  }
  return true;
}

bool SignsAndBits(const Range& r, int effect) {
  if (effect == 62) {
    reverse(r);
    return true;
  }
  uint16_t mask = 0;
  switch (effect) {
    case 106: mask = 0xFE00; break;
    case 107: mask = 0xFA00; break;
    case 108: mask = 0xF700; break;
    case 109: mask = 0xEE00; break;
    case 63: case 64: case 65: case 66: case 67: case 68: case 110: break;
    default: return false;
  }
  for (int t = r.start; t <= r.end; ++t) {
    const int v = r.x[t];
    switch (effect) {
      case 64: r.x[t] = Low16(-static_cast<int64_t>(v)); break;
      case 65: r.x[t] = Low16(v <= 0 ? v + 32768 : v - 32768); break;
      case 66: if (v < 0) r.x[t] = Low16(-32768 - v); break;
      case 67: r.x[t] = Low16(-32768 - v); break;
      case 68: if (v < 0) r.x[t] = Low16(v + 21343); break;
      case 110: r.x[t] = static_cast<int16_t>(v >> 1); break;
      case 63: break;
      default: r.x[t] = static_cast<int16_t>(static_cast<uint16_t>(r.x[t]) & mask); break;
    }
  }
  return true;
}

}  // namespace filtereffects
