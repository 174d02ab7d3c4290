// Effects of TFilter that repair or replace the signal: click removal (101), the
// two-way smoothing average (103), random steps (104) and white noise (105).
#include <cstdint>
#include <cstdlib>

#include "platform/numbers.h"
#include "platform/print.h"
#include "voice/filtereffects.h"
#include "voice/samplewords.h"

namespace filtereffects {

namespace {

// A straight line from x[from] to x[to] over the samples from, from + stride, .. to.
void line(int16_t* x, int from, int to, int stride) {
  const int steps = (to - from) / stride;
  if (steps <= 0) return;
  const int a = x[from], b = x[to];
  const float step = static_cast<float>(b - a) / static_cast<float>(steps);
  float value = static_cast<float>(a);
  for (int t = from; t <= to; t += stride) {
    x[t] = Store16(value);
    value += step;
  }
}

void removeclick(const Range& r) {
  Print("  Remove Click");
  int first = -1, last = -1;
  int prev = r.x[r.start];
  for (int t = r.start + 1; t <= r.end; ++t) {
    const int v = r.x[t];
    const int d = (v - prev) / 32;
    if (std::abs(d) > 64) {
      if (first >= 0) last = t;
      if (first == -1) first = t;
    }
    prev = v;
  }
  if (last == -1) last = r.end;
  if (first == -1) return;
  if (r.channels == 1) {
    line(r.x, first, last, 1);
    return;
  }
  const int f1 = TruncToInt(first * 0.5), f2 = TruncToInt(last * 0.5);
  for (int c = 0; c < 2; ++c) line(r.x, 2 * f1 + c, 2 * f2 + c, 2);
}

// One averaging pass from `from` toward `to` (either direction) in steps of `step`.
void average(int16_t* x, int from, int to, int step) {
  int prev = x[from];
  for (int t = from + step; step > 0 ? t <= to : t >= to; t += step) {
    const int old = x[t];
    x[t] = static_cast<int16_t>((old + prev) / 2);
    prev = old;
  }
}

void smooth(const Range& r) {
  if (r.channels == 1) {
    average(r.x, r.start, r.end, 1);
    average(r.x, r.end, r.start, -1);
    return;
  }
  average(r.x, r.start, r.end, 2);
  average(r.x, r.end, r.start, -2);
  if (r.start + 1 <= r.end - 1) {
    average(r.x, r.start + 1, r.end - 1, 2);
    average(r.x, r.end - 1, r.start + 1, -2);
  }
}

void randomsteps(const Range& r) {
  r.x[r.start] = 0;
  for (int t = r.start + 1; t <= r.end; ++t) {
    const double g = Rand(-32768, 32767) < 0 ? -32767.0 : 32767.0;
    r.x[t] = Store16((r.x[t - 1] + g) / 2.0);
  }
}

void whitenoise(const Range& r) {
  const double c = static_cast<double>(3.0518509447574615e-05f);
  for (int t = r.start; t <= r.end; ++t) {
    const double f = Rand(-32768, 32767) / 2.0;
    r.x[t] = Clamp16((2.0 * (f * 10923 + f * 10923 + f * 10923) - 32766.0) * c);
  }
}

}  // namespace

bool Repairs(const Range& r, int effect) {
  switch (effect) {
    case 101: removeclick(r); return true;
    case 103: smooth(r); return true;
    case 104: randomsteps(r); return true;
    case 105: whitenoise(r); return true;
    default: return false;
  }
}

}  // namespace filtereffects
