// The effect buses: making and clearing their buffers, the parameters by id with their
// scales and limits, and the per-bus delay-and-comb pass with its speed re-read.
#include "audio/delayfx.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "audio/saturate.h"
#include "platform/numbers.h"

namespace {

// Results the algorithm keeps in 16 bits: truncated, then saturated (NaN gives 0).
#if defined(__SSE2__)
// Without branches: the clamp keeps a NaN (the value is the second operand), and its
// conversion gives 0x80000000, whose low 16 bits are 0.
inline int16_t to16(float value) {
  const __m128 v = _mm_set_ss(value);
  const __m128 clamped = _mm_min_ss(_mm_set_ss(32767.0f), _mm_max_ss(_mm_set_ss(-32768.0f), v));
  return static_cast<int16_t>(_mm_cvttss_si32(clamped));
}

// TruncToInt without branches: saturating, NaN gives 0.
inline int truncint(double value) {
  const __m128d v = _mm_set_sd(value);
  const __m128d clamped = _mm_min_sd(_mm_set_sd(2147483647.0), _mm_max_sd(_mm_set_sd(-2147483648.0), v));
  const int r = _mm_cvttsd_si32(clamped);
  return value == value ? r : 0;
}
#else
int16_t to16(float value) {
  if (value >= 32767.0f) return INT16_MAX;
  if (value <= -32768.0f) return INT16_MIN;
  if (value != value) return 0;
  return static_cast<int16_t>(static_cast<int>(value));
}

inline int truncint(double value) { return TruncToInt(value); }
#endif

// (a + b) mod ring for a and b in 0 .. ring - 1.
int wrapsum(int a, int b, int ring) {
  const int sum = a + b;
  return sum >= ring ? sum - ring : sum;
}

float hundredths(int value) { return static_cast<float>(value) / 100.0f; }
int fromhundredths(float value) { return TruncToInt(value * 100.0f); }

void zero(std::vector<int16_t>& buffer, int count) {
  std::fill_n(buffer.begin(), std::clamp<int64_t>(count, 0, static_cast<int64_t>(buffer.size())), int16_t{0});
}

// The side (left for ids 1-8, right for 101-108) and its setting number 1-8.
template <class Bus>
auto sideof(Bus& bus, int id, int& setting) -> decltype(&bus.left) {
  setting = id % 100;
  if (setting < 1 || setting > 8) return nullptr;
  if (id / 100 == 0) return &bus.left;
  if (id / 100 == 1) return &bus.right;
  return nullptr;
}

}  // namespace

void DelayFX::make(int outsize, int ringsize) {
  const size_t outentries = static_cast<size_t>(std::max(outsize, 0)) + 2;
  const size_t ringentries = static_cast<size_t>(std::max(ringsize, 0)) + 2;
  for (int b = 0; b < kBuses; ++b) {
    out[b].assign(outentries, 0);
    combl[b].assign(ringentries, 0);
    combr[b].assign(ringentries, 0);
    delayl[b].assign(ringentries, 0);
    delayr[b].assign(ringentries, 0);
  }
}

void DelayFX::init(int bus, int outsize, int ringsize) {
  mode = 0;
  if (bus < 0 || bus >= kBuses) return;
  fxbus& p = parameters[bus];
  for (fxside* side : {&p.left, &p.right}) {
    side->wetgain = 0.0f;
    side->combgain = 0.0f;
    side->combsend = 0.0f;
    side->combfeedback = 0.0f;
    side->comblength = 0;
    side->delay = 0;
    side->drygain = 0.0f;
    side->echogain = 0.0f;
  }
  p.crossfeed = 0.0f;
  p.combcrossfeed = 0.0f;
  p.speed = 0.0f;
  p.delaypositionl = p.delaypositionr = p.combpositionl = p.combpositionr = 0;
  zero(out[bus], outsize);
  zero(combl[bus], ringsize);
  zero(combr[bus], ringsize);
  zero(delayl[bus], ringsize);
  zero(delayr[bus], ringsize);
}

void DelayFX::setparameter(int id, int bus, int value) {
  if (id == kFxSwitchId) {
    enabled = value == 1 ? kFxEnabled : 0;
    return;
  }
  if (bus < 0 || bus >= kBuses) return;
  fxbus& p = parameters[bus];
  switch (id) {
    case 201: p.crossfeed = hundredths(value); return;
    case 202: p.combcrossfeed = hundredths(value); return;
    // A factor of 2 or more would re-read past the buffer's end.
    case 203: p.speed = hundredths(std::min(value, 99)); return;
    default: break;
  }
  int setting = 0;
  fxside* side = sideof(p, id, setting);
  if (!side) return;
  switch (setting) {
    case 1: side->combgain = hundredths(value); break;
    case 2: side->wetgain = hundredths(value); break;
    case 3: side->combsend = hundredths(value); break;
    case 4: side->combfeedback = static_cast<float>(value) / 1000.0f; break;
    // Kept as given: the render limits the comb to the ring and takes the delay modulo it.
    case 5: side->comblength = value; break;
    case 6: side->delay = value; break;
    case 7: side->echogain = hundredths(value); break;
    case 8: side->drygain = hundredths(value); break;
    default: break;
  }
}

int DelayFX::getparameter(int id, int bus) const {
  if (id == kFxSwitchId) return enabled == kFxEnabled ? 1 : 0;
  if (bus < 0 || bus >= kBuses) return 0;
  const fxbus& p = parameters[bus];
  switch (id) {
    case 201: return fromhundredths(p.crossfeed);
    case 202: return fromhundredths(p.combcrossfeed);
    case 203: return fromhundredths(p.speed);
    default: break;
  }
  int setting = 0;
  const fxside* side = sideof(p, id, setting);
  if (!side) return 0;
  switch (setting) {
    case 1: return fromhundredths(side->combgain);
    case 2: return fromhundredths(side->wetgain);
    case 3: return fromhundredths(side->combsend);
    case 4: return TruncToInt(side->combfeedback * 1000.0f);
    case 5: return side->comblength;
    case 6: return side->delay;
    case 7: return fromhundredths(side->echogain);
    case 8: return fromhundredths(side->drygain);
    default: return 0;
  }
}

void DelayFX::compute(int bus, const int16_t* input, int ringsize, int n) {
  if (!input || bus < 0 || bus >= kBuses) return;
  std::vector<int16_t>& o = out[bus];
  if (o.size() < 2) return;  // buses not made yet
  n = std::min<int64_t>(n, static_cast<int64_t>(o.size()) - 2) & ~1;
  const int rings = static_cast<int>(std::min({combl[bus].size(), combr[bus].size(), delayl[bus].size(), delayr[bus].size()}));
  const int ring = std::min(ringsize, rings - 2);
  if (n <= 0 || ring < 1) return;

  fxbus& p = parameters[bus];
  const float crossfeed = p.crossfeed;
  const float combcrossfeed = p.combcrossfeed;
  const float wetL = p.left.wetgain, wetR = p.right.wetgain;
  const float combgainL = p.left.combgain, combgainR = p.right.combgain;
  const float sendL = p.left.combsend, sendR = p.right.combsend;
  const float feedbackL = p.left.combfeedback, feedbackR = p.right.combfeedback;
  const float dryL = p.left.drygain, dryR = p.right.drygain;
  const float echoL = p.left.echogain, echoR = p.right.echogain;
  // A negative delay counts as none.
  const int delayL = std::max(p.left.delay.load(), 0) % ring, delayR = std::max(p.right.delay.load(), 0) % ring;
  // A length of 0 or less keeps the comb on its first position.
  const int lengthL = std::min(p.left.comblength.load(), rings);
  const int lengthR = std::min(p.right.comblength.load(), rings);
  int dpL = p.delaypositionl, dpR = p.delaypositionr;
  int cpL = p.combpositionl, cpR = p.combpositionr;
  if (dpL < 0 || dpL >= ring) dpL = 0;
  if (dpR < 0 || dpR >= ring) dpR = 0;
  if (cpL < 0 || cpL >= lengthL) cpL = 0;
  if (cpR < 0 || cpR >= lengthR) cpR = 0;

  int16_t* dl = delayl[bus].data();
  int16_t* dr = delayr[bus].data();
  int16_t* cl = combl[bus].data();
  int16_t* cr = combr[bus].data();
  int16_t* x = o.data();
  for (int i = 0; i < n; i += 2) {
    const float L = input[i];
    const float R = input[i + 1];
    const int16_t inL = to16(R * crossfeed + (1.0f - crossfeed) * L);
    dl[wrapsum(delayL, dpL, ring)] = inL;
    const int16_t dL = dl[dpL];
    if (++dpL >= ring) dpL = 0;
    const int16_t inR = to16(L * crossfeed + (1.0f - crossfeed) * R);
    dr[wrapsum(delayR, dpR, ring)] = inR;
    const int16_t dR = dr[dpR];
    if (++dpR >= ring) dpR = 0;
    const int16_t cL = to16(cl[cpL] * feedbackL);
    cl[cpL] = cL;
    const int16_t wL = to16(dL * echoL + inL * dryL);
    const int16_t cR = to16(cr[cpR] * feedbackR);
    cr[cpR] = cR;
    const int16_t wR = to16(dR * echoR + inR * dryR);
    const int sL = truncint((static_cast<double>(cL) + truncint(wL * sendL)) * 0.7);
    const int sR = truncint((static_cast<double>(truncint(wR * sendR)) + cR) * 0.7);
    cl[cpL] = to16(static_cast<float>(sR) * combcrossfeed + (1.0f - combcrossfeed) * static_cast<float>(sL));
    cr[cpR] = to16(static_cast<float>(sL) * combcrossfeed + (1.0f - combcrossfeed) * static_cast<float>(sR));
    if (++cpL >= lengthL) cpL = 0;
    if (++cpR >= lengthR) cpR = 0;
    x[i] = to16(wL * wetL + cL * combgainL);
    x[i + 1] = to16(wR * wetR + cR * combgainR);
  }
  p.delaypositionl = dpL;
  p.delaypositionr = dpR;
  p.combpositionl = cpL;
  p.combpositionr = cpR;
  speedpass(bus, n);
}

void DelayFX::speedpass(int bus, int n) {
  const double s = static_cast<double>(parameters[bus].speed.load()) + 1.0;
  if (!(s > 0.0) || s == 1.0) return;
  int16_t* o = out[bus].data();
  for (int i = 0; i < n; i += 2) {
    int64_t j1 = TruncToInt64(i * s);
    int64_t j2 = TruncToInt64((i + 1) * s);
    if (j1 >= n) j1 -= n;
    if (j2 >= n) j2 -= n;
    // Stored speeds keep both below n; a wider factor still stays inside.
    j1 %= n;
    j2 %= n;
    o[i] = o[2 * (j1 / 2)];
    o[i + 1] = o[2 * (j2 / 2) + 1];
  }
}
