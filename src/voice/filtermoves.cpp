// Effects of TFilter that move samples: offset copies from a second sound (-5, -6,
// -7), whole-sound shifts (-1 .. -4), channel swaps and copies (147, 148, 149) and the
// random chunk shuffle (61). Every read and write is kept inside the sound.
#include <array>
#include <cstdint>
#include <utility>

#include "platform/numbers.h"
#include "voice/filtereffects.h"

namespace filtereffects {

namespace {

// -5, -6, -7: the source read as a rotation by the offset.
void offsetcopy(const Range& r, int effect, const int16_t* source, int sourcecount) {
  if (source == nullptr || r.amount < 0 || r.amount > static_cast<int64_t>(r.length - 1) * r.channels) return;
  const int64_t n = r.count;
  const int64_t a = r.amount;
  auto wrap = [n](int64_t i) { return i >= n ? i - n : i; };
  for (int64_t t = 0; t <= r.end; ++t) {
    int64_t to = t, from = wrap(t + a);
    if (effect == -6) {
      to = 2 * (t / 2);
      from = wrap(2 * ((t + a) / 2));
    } else if (effect == -7) {
      to = 2 * (t / 2) + 1;
      from = wrap(2 * ((t + a) / 2) + 1);
    }
    if (to < n && from >= 0 && from < sourcecount) r.x[to] = source[from];
  }
}

// -1 .. -4: the range is ignored; E is the first stored sample of the last frame.
void shift(const Range& r, int effect) {
  const int64_t e = static_cast<int64_t>(r.length - 1) * r.channels;
  const int64_t a = r.amount;
  if (a < 0 || a > e) return;
  int16_t* x = r.x;
  if (effect == -2 || effect == -1) {
    for (int64_t t = 0; t <= a; ++t) x[t] = x[e - a + t];
    if (effect == -1)
      for (int64_t t = a; t <= e; ++t) x[t] = 0;
  } else {
    for (int64_t t = e; t >= a; --t) x[t] = x[t - a];
    if (effect == -3)
      for (int64_t t = 0; t <= a; ++t) x[t] = 0;
  }
}

void channels(const Range& r, int effect) {
  for (int t = r.start; t <= r.end; t += 2) {
    if (t + 1 >= r.count) break;
    if (effect == 147) std::swap(r.x[t], r.x[t + 1]);
    else if (effect == 148) r.x[t] = r.x[t + 1];
    else r.x[t + 1] = r.x[t];
  }
}

// 61: the range cut into 128 chunks, paired at random and each pair swapped.
void shuffle(const Range& r) {
  const int n = (r.end - r.start) / 128;
  if (n == 0) return;
  std::array<int, 128> partner;
  partner.fill(-1);
  for (int i = 0; i < 127; ++i) {
    if (partner[i] != -1) continue;
    int other = Rand(i + 1, 127);
    while (partner[other] != -1) other = Rand(i + 1, 127);
    partner[other] = i;
    partner[i] = other;
  }
  for (int i = 0; i < 127; ++i) {
    if (partner[i] < 0) continue;
    const int j = partner[i];
    partner[i] = partner[j] = -1;
    int16_t* a = r.x + r.start + i * n;
    int16_t* b = r.x + r.start + j * n;
    for (int k = 0; k < n; ++k) std::swap(a[k], b[k]);
  }
}

}  // namespace

bool Moves(const Range& r, int effect, const int16_t* source, int sourcecount) {
  if (effect >= -7 && effect <= -5) offsetcopy(r, effect, source, sourcecount);
  else if (effect >= -4 && effect <= -1) shift(r, effect);
  else if (effect >= 147 && effect <= 149) channels(r, effect);
  else if (effect == 61) shuffle(r);
  else return false;
  return true;
}

}  // namespace filtereffects
