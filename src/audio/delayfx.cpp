// The effect buses: making and clearing their buffers, the parameters by id with their
// scales and limits, and the per-bus delay-and-comb pass with its speed re-read.
#include "audio/delayfx.h"

#include <algorithm>

#include "audio/delaykernel.h"
#include "audio/vectorpath.h"
#include "platform/numbers.h"

namespace {

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
  DelayKernel k;
  k.crossfeed = p.crossfeed;
  k.combcrossfeed = p.combcrossfeed;
  k.wetL = p.left.wetgain, k.wetR = p.right.wetgain;
  k.combgainL = p.left.combgain, k.combgainR = p.right.combgain;
  k.sendL = p.left.combsend, k.sendR = p.right.combsend;
  k.feedbackL = p.left.combfeedback, k.feedbackR = p.right.combfeedback;
  k.dryL = p.left.drygain, k.dryR = p.right.drygain;
  k.echoL = p.left.echogain, k.echoR = p.right.echogain;
  k.ring = ring;
  // A negative delay counts as none.
  k.delayL = std::max(p.left.delay.load(), 0) % ring;
  k.delayR = std::max(p.right.delay.load(), 0) % ring;
  // A length of 0 or less keeps the comb on its first position.
  k.lengthL = std::min(p.left.comblength.load(), rings);
  k.lengthR = std::min(p.right.comblength.load(), rings);
  k.dpL = p.delaypositionl, k.dpR = p.delaypositionr;
  k.cpL = p.combpositionl, k.cpR = p.combpositionr;
  if (k.dpL < 0 || k.dpL >= ring) k.dpL = 0;
  if (k.dpR < 0 || k.dpR >= ring) k.dpR = 0;
  if (k.cpL < 0 || k.cpL >= k.lengthL) k.cpL = 0;
  if (k.cpR < 0 || k.cpR >= k.lengthR) k.cpR = 0;
  k.dl = delayl[bus].data();
  k.dr = delayr[bus].data();
  k.cl = combl[bus].data();
  k.cr = combr[bus].data();

  int16_t* x = o.data();
  const int frames = n / 2;
  int f = 0;
#if defined(QUILLON_SSE2)
  // Spans between wraps: eight or four frames at a time, then one at a time up to the wrap.
  if (vectors && k.quadsfit()) {
    const bool eights = k.fits<2>();
    while (f < frames) {
      const int span = std::min(frames - f, k.room());
      const int octets = eights ? span & ~7 : 0;
      const int quads = (span - octets) & ~3;
      k.quads<2>(input + 2 * f, x + 2 * f, octets);
      k.quads<1>(input + 2 * (f + octets), x + 2 * (f + octets), quads);
      const int done = octets + quads;
      k.frames(input + 2 * (f + done), x + 2 * (f + done), span - done);
      f += span;
    }
  }
#endif
  k.frames(input + 2 * f, x + 2 * f, frames - f);
  p.delaypositionl = k.dpL;
  p.delaypositionr = k.dpR;
  p.combpositionl = k.cpL;
  p.combpositionr = k.cpR;
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
