// Time-scaling effects of TFilter (121 .. 126): speed up by 1.005, 1.05 or 2 (the
// tail silenced) and slow down by the same factors, in place over the range. A stereo
// sound is scaled channel by channel so that left and right stay apart.
#include <cstdint>

#include "platform/numbers.h"
#include "voice/filtereffects.h"

namespace filtereffects {

namespace {

// One channel of the range as a sequence 0..last: sample k at x[base + stride * k].
struct Lane {
  int16_t* x;
  int base;
  int stride;
  int64_t last;

  int16_t get(int64_t k) const { return k >= 0 && k <= last ? x[base + stride * k] : 0; }
  void set(int64_t k, int16_t v) const {
    if (k >= 0 && k <= last) x[base + stride * k] = v;
  }
  void silence(int64_t from) const {
    for (int64_t k = from < 0 ? 0 : from; k <= last; ++k) x[base + stride * k] = 0;
  }
};

void speedup(const Lane& lane, double factor) {
  const int64_t l = TruncToInt64(static_cast<double>(lane.last) / factor);
  double p = 0.0;
  for (int64_t t = 0; t <= l; ++t) {
    lane.set(t, lane.get(TruncToInt64(p)));
    p += factor;
  }
  lane.silence(l + 1);
}

void doublespeed(const Lane& lane) {
  const int64_t m = lane.last / 2;
  for (int64_t t = 0; t <= m; ++t) lane.set(t, lane.get(2 * t));
  lane.silence(m + 1);
}

// Writes run from the end downward; those that would fall below the range are skipped.
void slowdown(const Lane& lane, double factor) {
  const int64_t l = TruncToInt64(static_cast<double>(lane.last) / factor);
  double p = static_cast<double>(l);
  for (int64_t j = 0; j <= l; ++j) {
    const int16_t v = lane.get(TruncToInt64(p));
    const double at = static_cast<double>(lane.last) - static_cast<double>(j) * factor;
    if (at >= 0.0) lane.set(TruncToInt64(at), v);
    if (at - 1.0 >= 0.0) lane.set(TruncToInt64(at - 1.0), v);
    p -= 1.0;
  }
}

void halfspeed(const Lane& lane) {
  const int64_t l = lane.last / 2;
  int64_t p = l;
  for (int64_t j = 0; j <= l; ++j) {
    const int16_t v = lane.get(p);
    lane.set(lane.last - 2 * j, v);
    lane.set(lane.last - 2 * j - 1, v);
    --p;
  }
}

}  // namespace

bool TimeScale(const Range& r, int effect) {
  if (effect < 121 || effect > 126) return false;
  for (int c = 0; c < r.channels; ++c) {
    const int base = r.start + c;
    if (base > r.end) break;
    const Lane lane{r.x, base, r.channels, (r.end - base) / r.channels};
    switch (effect) {
      case 121: speedup(lane, static_cast<double>(1.005f)); break;
      case 125: speedup(lane, static_cast<double>(1.05f)); break;
      case 123: doublespeed(lane); break;
      case 122: slowdown(lane, static_cast<double>(1.005f)); break;
      case 126: slowdown(lane, static_cast<double>(1.05f)); break;
      case 124: halfspeed(lane); break;
      default: break;
    }
  }
  return true;
}

}  // namespace filtereffects
