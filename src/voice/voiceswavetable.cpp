// The bank's wavetable calculation: one table of a sub-voice's sample computed from its
// harmonic settings (harmonics of a warped source waveform, or a mix of other sub-voices
// of the same voice) and written in place; the table count of an amount code; the
// overview refresh after such in-place changes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/numbers.h"
#include "voice/harmonics.h"
#include "voice/harmonicsource.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {
constexpr int kMixSources = 32;
constexpr int kHarmonicsPerSubVoice = 8;
constexpr int kLastSubVoice = 32;

// A voice's 16-bit values as the calculation sees them: its frames times 2 for a stereo
// voice, never more than its sound actually holds.
struct TVoiceValues {
  int16_t* data = nullptr;
  int64_t total = 0;
};

TVoiceValues ValuesOf(const TVoice* voice) {
  TVoiceValues values;
  if (!voice || !voice->Sound) return values;
  values.data = voice->Sound->GetAudioSample();
  const int64_t frames = std::max(0, voice->Sound->GetAudioSampleLength());
  const int64_t stored = frames * std::max(1, voice->Sound->GetAudioSampleMono());
  values.total = values.data ? std::min(frames * (voice->CurrChannel == 2 ? 2 : 1), stored) : 0;
  return values;
}

// acc + value, the sum truncated to a whole number after every addition.
inline void Accumulate(int64_t& acc, double value) {
  acc = TruncToInt64(static_cast<double>(acc) + value);
}

int16_t ClipWord(int64_t sum, int clipping, float factor) {
  switch (clipping) {
    case 2: return static_cast<int16_t>(std::clamp<int64_t>(sum, -32767, 32767));
    case 3: return static_cast<int16_t>(static_cast<uint16_t>(sum & 0xFFFF));
    default: return static_cast<int16_t>(TruncToInt64(sum / static_cast<double>(factor)));
  }
}
}  // namespace

int TVoices::GetWavetableAmount(int amount) {
  return amount >= 1 && amount <= 4 ? HarmonicTableCount(amount) : 128;
}

int TVoices::CalculateTable(int v, int s, int code, int table) {
  TVoice* target = SlotVoice(v, s);
  if (!target) return 0;
  const int count = GetWavetableAmount(code);
  // Only the tables that lie in the sample are computed.
  if (table < 1 || table > count) return 0;
  const TVoiceValues out = ValuesOf(target);
  const int64_t n = out.total / count;
  const int64_t start = n * (table - 1);
  std::vector<int64_t> acc(static_cast<size_t>(n), 0);

  const int waveform = TruncToInt(GetHarmonic(v, s, table, 0, kHarmWaveform));
  const THarmonics* settings = target->Harmonics ? target->Harmonics->Table(table) : nullptr;
  if (!settings) return 0;
  const auto& level = settings->values;

  if (waveform >= 0 && waveform <= 3) {
    const float mid = GetHarmonic(v, s, table, 0, kHarmMidPoint);
    if (!HarmonicSource) HarmonicSource = std::make_shared<THarmonicSource>();
    HarmonicSource->FillSource(mid, waveform);
    const auto& source = HarmonicSource->CurrentSource;
    float phase = 0.0f;
    const float step = n > 0 ? static_cast<float>(2000.0 / static_cast<double>(n)) : 0.0f;
    for (int64_t k = 0; k < n; ++k) {
      for (int h = 0; h < kHarmonicCount; ++h) {
        int index = TruncToInt(std::fmod((h + 1) * static_cast<double>(phase), 2000.0));
        index = std::clamp(index, 0, kWarpPoints - 1);
        Accumulate(acc[k], static_cast<double>(source[index]) * static_cast<double>(level[h]));
      }
      phase += step;
    }
  } else if (waveform == 4) {
    for (int j = 1; j <= kMixSources; ++j) {
      const int sv = std::min(s + 1 + (j - 1) / kHarmonicsPerSubVoice, kLastSubVoice);
      const int speed = (j - 1) % kHarmonicsPerSubVoice + 1;
      const TVoiceValues in = ValuesOf(SlotVoice(v, sv));
      if (!in.data) continue;
      for (int64_t k = 0; k < n; ++k) {
        const int64_t p = (start + k) * speed;
        if (p < in.total) Accumulate(acc[k], in.data[p] * static_cast<double>(level[j - 1]));
      }
    }
  } else if (waveform == 5) {
    for (int j = 1; j <= kMixSources; ++j) {
      if (j == s) continue;
      const TVoiceValues in = ValuesOf(SlotVoice(v, j));
      if (!in.data) continue;
      for (int64_t k = 0; k < n; ++k) {
        const int64_t p = start + k;
        if (p < in.total) Accumulate(acc[k], in.data[p] * static_cast<double>(level[j - 1]));
      }
    }
  }

  const int clipping = TruncToInt(GetHarmonic(v, s, 0, 0, kHarmClipping));
  int64_t peak = 32767;
  for (int64_t a : acc) peak = std::max(peak, a < 0 ? -a : a);
  const float factor = static_cast<float>(peak / 32767.0);
  for (int64_t k = 0; k < n; ++k) out.data[start + k] = ClipWord(acc[k], clipping, factor);
  return 0;
}

int TVoices::ReFillData(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || !voice->Sound) return 0;
  voice->RefillData(voice->Sound->GetAudioSampleMono(), voice->Sound->GetAudioSampleLength(),
                    voice->Sound->GetAudioSample());
  return 0;
}
