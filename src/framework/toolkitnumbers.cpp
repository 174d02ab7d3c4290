// The toolkit's number helpers.
#include "framework/toolkitnumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/numbers.h"

float clamp(float v, float lo, float hi) {
  if (v < lo || std::isnan(v)) return lo;
  if (v > hi) return hi;
  return v;
}

std::string FloatToFixedPoint(float f, int digits) {
  // No text needs more decimals than a 64-bit integer has digits; this bounds the padding.
  digits = std::clamp(digits, 0, 64);
  const int64_t n = TruncToInt64(static_cast<double>(f) * std::pow(10.0, digits));
  // The digits of the magnitude, the sign put in front: "-0.05", never "0.-5".
  const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
  const std::string s = std::to_string(magnitude);
  const std::string sign = n < 0 ? "-" : "";
  const size_t places = static_cast<size_t>(digits);
  if (s.size() > places)
    return sign + s.substr(0, s.size() - places) + "." + s.substr(s.size() - places);
  return sign + "0." + std::string(places - s.size(), '0') + s;
}

int GetHFaderFromMouse(int mx, int x0, int x1, float min, float max) {
  // Equal ends have no pixels to spread the range over: the fader reads its minimum.
  if (x1 == x0) return TruncToInt(min);
  const float range = max - min;
  const float v = clamp(static_cast<float>(mx) * (range / static_cast<float>(x1 - x0)), 0.0f, range);
  return TruncToInt(clamp(min + v, min, max));
}

int GetHFaderPos(int x0, int x1, int vmin, int vmax, int value) {
  // An empty value range puts every value at the left end.
  if (vmax == vmin) return x0;
  if (value < vmin) value = vmin;
  if (value > vmax) value = vmax;
  const double v = value;
  const double span = static_cast<double>(x1) - x0;
  const double pos = x0 + (v - vmin) * (span / (static_cast<double>(vmax) - vmin));
  if (pos < x0) return x0;
  if (pos > x1) return x1;
  return TruncToInt(pos);
}
