// The bank's wave operations on a wavetable sub-voice (HarmonicEffect): its sample cut
// into T equal waves (T from the table amount), waves copied, interpolated, faded,
// tapered, averaged or smoothed over a range of wave numbers, or the whole sample
// squeezed or stretched; and the pass-through to the voice's harmonics parameters.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/numbers.h"
#include "voice/samplewords.h"
#include "voice/voices.h"

namespace {

// The sample as T waves of w values; wave t starts at t x w.
struct Waves {
  int16_t* x;
  int len;
  int w;
  int16_t* wave(int t) const { return x + static_cast<int64_t>(t) * w; }
};

// 7, 9: squeeze by `by` values; 8, 10: stretch by `by` values, in place.
bool resize(const Waves& s, int effect) {
  const int by = (effect == 7 || effect == 8) ? 100 : 10;
  const int len = s.len;
  if (len <= by) return false;  // nothing to squeeze into
  if (effect == 7 || effect == 9) {
    const float r = static_cast<float>(len) / static_cast<float>(len - by);
    for (int i = 0; i < len; ++i) {
      const double at = i * static_cast<double>(r);
      s.x[i] = at >= len ? 0 : s.x[TruncToInt(at)];
    }
  } else {
    const float r = static_cast<float>(len - by) / static_cast<float>(len);
    for (int i = len - 1; i >= 0; --i) s.x[i] = s.x[std::min(len - 1, TruncToInt(i * static_cast<double>(r)))];
  }
  return true;
}

void smooth(const Waves& s, int from, int to) {
  const int w = s.w;
  std::vector<int> copy(s.wave(from), s.wave(to + 1));
  auto old = [&](int t, int j) { return copy[static_cast<size_t>(t - from) * w + j]; };
  for (int t = from; t <= to; ++t) {
    for (int j = 0; j < w; ++j) {
      double sum = static_cast<double>(0.6f) * old(t, j);
      if (t - 1 >= from) sum += static_cast<double>(0.3f) * old(t - 1, j);
      if (t - 2 >= from) sum += static_cast<double>(0.1f) * old(t - 2, j);
      if (t + 1 <= to) sum += static_cast<double>(0.3f) * old(t + 1, j);
      if (t + 2 <= to) sum += static_cast<double>(0.1f) * old(t + 2, j);
      s.wave(t)[j] = Store16(sum);
    }
  }
}

// The wave operations on from..to (from <= to, both valid waves). False when the
// operation could not run (and the voice is left unmarked).
bool waveop(const Waves& s, int effect, int source, int from, int to) {
  const int w = s.w, d = to - from;
  const float unit = d > 0 ? 1.0f / static_cast<float>(d) : 0.0f;
  switch (effect) {
    case 1:
      for (int t = from; t <= to; ++t)
        if (t != source) std::copy(s.wave(source), s.wave(source) + w, s.wave(t));
      return true;
    case 2: case 3: case 4: case 5:
      if (d < 2) return false;
      for (int j = 0; j < w; ++j) {
        const int first = s.wave(from)[j], last = s.wave(to)[j];
        if (effect == 2) {
          float a = static_cast<float>(first);
          const float inc = (static_cast<float>(last) - a) / static_cast<float>(d);
          for (int k = 1; k < d; ++k) {
            a += inc;
            s.wave(from + k)[j] = Store16(a);
          }
        } else if (effect == 3) {
          for (int k = 1; k < d; ++k) {
            const float mid = s.wave(from + k)[j];
            s.wave(from + k)[j] = Store16(static_cast<float>(d - k) / d * mid + static_cast<float>(k) / d * last);
          }
        } else if (effect == 4) {
          for (int k = 0; k < d; ++k) s.wave(from + k)[j] = Store16(last * (k * unit));
        } else {
          for (int k = 1; k <= d; ++k) s.wave(from + k)[j] = Store16(first * ((d - k) * unit));
        }
      }
      return true;
    case 6: {
      // Waves shorter than the taper are tapered over their own length only.
      const int n = std::min(std::max(w / 6, 20), w);
      const float step = n > 0 ? 1.0f / static_cast<float>(n) : 0.0f;
      for (int t = from; t <= to; ++t) {
        int16_t* y = s.wave(t);
        for (int j = 0; j < n; ++j) {
          const float a = y[j], b = y[w - 1 - j];
          y[j] = Store16(a * (j * step));
          y[w - 1 - j] = Store16(b * (j * step));
        }
      }
      return true;
    }
    case 11:
      for (int t = from; t < to; ++t)
        for (int j = 0; j < w; ++j) {
          const int a = s.wave(t)[j], b = s.wave(t + 1)[j];
          s.wave(t)[j] = Low16(a + (b - a) / 2);
        }
      return true;
    case 12:
      smooth(s, from, to);
      return true;
    default:
      return true;  // an unknown number still marks the sample modified
  }
}

}  // namespace

int TVoices::HarmonicEffect(int v, int s, int effect, int source, int from, int to) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr || !voice->Sound) return 0;
  const bool whole = effect >= 7 && effect <= 10;
  if (!whole && (from == -1 || to == -1)) return 0;
  int16_t* x = voice->Sound->GetAudioSample();
  const int stored = voice->Sound->GetAudioSampleLength() * voice->Sound->GetAudioSampleMono();
  const int len = std::min(GetLength(v, s) * (voice->CurrChannel == 2 ? 2 : 1), stored);
  const int tables = GetWavetableAmount(TruncToInt(GetHarmonic(v, s, 0, 0, 16)));
  if (x == nullptr || len <= 0 || tables <= 0) return 0;
  const Waves waves{x, len, len / tables};
  if (to < from) std::swap(from, to);

  bool ran = true;
  if (whole) {
    ran = resize(waves, effect);
  } else {
    // Wave numbers outside the table would reach past the sample.
    const bool inside = from >= 0 && to < tables && (effect != 1 || (source >= 1 && source <= tables));
    ran = inside && waveop(waves, effect, source - 1, from, to);
  }
  if (ran) voice->SampleModified = 1;
  return 0;
}

float TVoices::GetHarmonic(int v, int s, int table, int harmonic, int param) {
  TVoice* voice = SlotVoice(v, s);
  return voice == nullptr ? 0.0f : voice->GetHarmonic(table, harmonic, param);
}

int TVoices::SetHarmonic(int v, int s, int table, int harmonic, int param, float value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  voice->SetHarmonic(table, harmonic, param, value);
  if (param == 13 && voice->Sound) voice->Sound->SetWaveTable(0, TruncToInt(value - 1.0));
  return 0;
}
