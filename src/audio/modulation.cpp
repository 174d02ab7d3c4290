// Per-buffer modulation of a voice: envelopes, cross-modulated LFOs, the matrix
// destinations and the rotor.
#include "audio/modulation.h"

#include <algorithm>
#include <cmath>

#include "audio/audiorandom.h"
#include "audio/lfofunction.h"
#include "audio/soundrecord.h"
#include "audio/voice.h"
#include "platform/numbers.h"

namespace {

constexpr float kLevelScale = 0.999755859375f;  // 4095 / 4096

// |trunc(value / 100)|, the LFO rate multiplier taken from another LFO's output.
float ratemultiplier(float value) { return std::fabs(static_cast<float>(TruncToInt(value / 100.0f))); }

// The phase push taken from another LFO's output: its truncation divided by 4, rounding down.
int64_t quarter(float value) { return TruncToInt(value) >> 2; }

int wrapphase(int phase) {
  phase %= kLfoFunctionSize;
  return phase < 0 ? phase + kLfoFunctionSize : phase;
}

float runlfo(sound& v, int l, int now, int64_t extra, float multiplier, AudioRandom& random) {
  lfostate& lfo = v.lfo[l];
  const int64_t t = lfo.time.load() != 0 ? now : static_cast<int64_t>(now) - v.notestart.load();
  const float phasef = static_cast<float>(lfo.offset.load() + extra) +
                       static_cast<float>(t) * lfo.ratefactor.load() * multiplier;
  // A negative rate or phase push must still land inside the tables.
  const int phase = wrapphase(TruncToInt(phasef));
  const int wave = lfo.wave;
  int value = 0;
  if (wave == kRandomLfoWave) {
    if (phase < v.lfophase[l]) v.lforandom[l] = random.next() % 2000 - 1000;
    value = v.lforandom[l];
  } else if (wave >= 0 && wave < kLfoFunctions) {
    value = lfofunction[wave][phase];
  }
  v.lfophase[l] = phase;
  const float out =
      (static_cast<float>(lfo.vertical.load() * 4) + static_cast<float>(value) * lfo.scale.load()) * lfo.level.load();
  return std::min(4096.0f, out);
}

}  // namespace

int envelopelevel(const sample& s, int e, int now, int notestart, int delay, int keyuptime, int heldlevel) {
  if (s.envset[e] == 0) return 4095;
  if (keyuptime < 1) {
    const float t = static_cast<float>(static_cast<int64_t>(now) - notestart - delay);
    const float d = static_cast<float>(s.envdelay[e].load());
    const float a = static_cast<float>(s.envattack[e].load());
    const float dc = static_cast<float>(s.envdecay[e].load());
    const float sustain = static_cast<float>(s.envsustain[e].load());
    float level;
    if (t <= d) {
      level = 0.0f;
    } else {
      const float tp = t - d;
      if (tp <= a) {
        level = tp / a * 4096.0f;
      } else if (tp < a + dc) {
        level = 4096.0f - (4096.0f - sustain) * (tp - a) / dc;
        if (level < 1.0f) return kEnvelopeFinished;
      } else {
        level = sustain;
      }
    }
    return TruncToInt(level * kLevelScale);
  }
  const float t = static_cast<float>(static_cast<int64_t>(now) - keyuptime);
  const float r = static_cast<float>(s.envrelease[e].load());
  if (t > r) return kEnvelopeFinished;
  const float held = static_cast<float>(heldlevel);
  // A release of length 0 holds the level for the instant of the key-up only.
  const float fall = r > 0.0f ? held * t / r : 0.0f;
  return TruncToInt((held - fall) * kLevelScale);
}

modulation modulate(sound& v, const sample& s, int now, AudioRandom& random) {
  const auto on = [&s](int row, int column) { return s.modmatrix[row][column].load() != 0; };

  std::array<int, kEnvelopes> env{};
  const int keyuptime = v.keyuptime;
  const int notestart = v.notestart;
  const int delay = v.delay;
  for (int e = 0; e < kEnvelopes; ++e) {
    env[e] = envelopelevel(s, e, now, notestart, delay, keyuptime, v.envlevel[e]);
    if (keyuptime == 0) v.envlevel[e] = env[e];
  }

  for (auto& lfo : v.lfo) lfo.previous = lfo.output;
  std::array<float, kLfos> out{};
  out[0] = runlfo(v, 0, now, 0, 1.0f, random);
  const float r1 = on(1, 2) ? ratemultiplier(out[0]) : 1.0f;
  const int64_t p1 = on(1, 3) ? quarter(out[0]) : 1;
  out[1] = runlfo(v, 1, now, p1, r1, random);
  const float r2 = (on(2, 4) ? ratemultiplier(out[1]) : 1.0f) * (on(2, 2) ? r1 : 1.0f);
  const int64_t q2 = on(2, 3) ? p1 : 0;
  const int64_t p2 = on(2, 5) ? quarter(out[1]) : 1;
  out[2] = runlfo(v, 2, now, q2 + p2, r2, random);
  const float r3 =
      (on(3, 6) ? ratemultiplier(out[2]) : 1.0f) * (on(3, 4) ? r2 : 1.0f) * (on(3, 2) ? r1 : 1.0f);
  const int64_t extra3 = (on(3, 5) ? q2 + p2 : 0) + (on(3, 7) ? quarter(out[2]) : 1) + (on(3, 3) ? p1 : 0);
  out[3] = runlfo(v, 3, now, extra3, r3, random);

  for (int r = 0; r < kLfos; ++r) {
    for (int e = 0; e < kEnvelopes; ++e)
      if (on(r, kColumnEnvelopeScale + e)) out[r] = out[r] * static_cast<float>(env[e]) / 4096.0f;
    v.lfo[r].output = out[r];
  }

  modulation m;
  float amp = 1.0f;
  int pitch = 0;
  int waveoffset = 0;
  int panoffset = 0;
  const auto add = [](int running, float amount) { return TruncToInt(static_cast<float>(running) + amount); };
  for (int r = 0; r < kLfos; ++r) {
    const float o = out[r];
    if (on(r, kColumnAmp)) amp += o / 1024.0f;
    if (on(r, kColumnPitch)) pitch = add(pitch, o * 16.0f);
    if (on(r, kColumnWave)) waveoffset = add(waveoffset, o / 32.0f);
    if (on(r, kColumnPan)) panoffset = add(panoffset, 2.0f * o);
  }
  const float waves = static_cast<float>(static_cast<int64_t>(s.wavelength.load()) - 1);
  for (int e = 0; e < kEnvelopes; ++e) {
    const int row = kRowEnvelope + e;
    const float level = s.modlevel[row];
    const float level_e = static_cast<float>(env[e]);
    if (on(row, kColumnAmp)) amp = amp * level * level_e / 4096.0f;
    if (on(row, kColumnPitch)) pitch = add(pitch, level_e * 16.0f * level);
    if (on(row, kColumnWave)) waveoffset = add(waveoffset, waves * level_e / 4096.0f * level);
    if (on(row, kColumnPan)) panoffset = add(panoffset, level * level_e);
    if (on(row, kColumnRotorGate)) v.rotorgate = level * level_e > 2047.0f ? 1 : 0;
  }
  for (int e = 0; e < kEnvelopes; ++e) {
    const int row = kRowInvertedEnvelope + e;
    const float level = s.modlevel[row];
    const float level_e = static_cast<float>(env[e]);
    if (on(row, kColumnAmp)) amp = amp * (4095.0f - level_e) / 4096.0f * level;
    if (on(row, kColumnPitch)) pitch = add(pitch, -(level_e * 16.0f * level));
    if (on(row, kColumnWave)) waveoffset = add(waveoffset, level * waves * (1.0f - level_e / 4096.0f));
    if (on(row, kColumnPan)) panoffset = add(panoffset, -(level * level_e));
    if (on(row, kColumnRotorGate)) v.rotorgate = -level_e * level > 2047.0f ? 1 : 0;
  }

  if (v.rotorgate != 0) {
    float depth = s.modlevel[kRowRotor];
    for (int e = 0; e < kEnvelopes; ++e)
      if (on(kRowRotor, kColumnEnvelopeScale + e))
        depth = depth * (static_cast<float>(env[e]) / 4096.0f * s.modlevel[kRowEnvelope + e].load());
    bool trigger = false;
    for (int r = 0; r < kLfos; ++r)
      if (on(r, kColumnRotorTrigger) && v.lfo[r].previous < 0.0f && out[r] > 0.0f) trigger = true;
    const int count = std::clamp(s.rotorcount.load(), 1, kRotorSlots - 1);
    if (trigger || static_cast<int64_t>(now) - v.rotortime > s.rotortime.load()) {
      v.rotortime = now;
      v.rotorstep = v.rotorstep < count ? v.rotorstep + 1 : 1;
    }
    v.rotorstep = std::clamp(v.rotorstep, 1, kRotorSlots - 1);
    const float value = s.rotorvalue[v.rotorstep];
    if (on(kRowRotor, kColumnAmp)) amp = amp * (value / 3.0f) * depth;
    if (on(kRowRotor, kColumnPitch)) m.rotorpitch = (value - 1.0f) * depth + 1.0f;
    if (on(kRowRotor, kColumnWave)) waveoffset = add(waveoffset, (value - 1.0f) * depth * 100.0f);
    if (on(kRowRotor, kColumnPan)) panoffset = add(panoffset, depth * (value / 1.5f - 1.0f) * 4096.0f);
  }

  m.amp = amp;
  m.pitch = pitch;
  m.waveoffset = waveoffset;
  m.panoffset = panoffset;
  return m;
}
