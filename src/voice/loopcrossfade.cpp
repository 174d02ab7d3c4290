// The voice's loop crossfades (effects -121 .. -124): the end of the loop faded into
// its head, or into what lies before the loop, with one ramp or two. Positions are
// doubled for stereo and address the interleaved samples; every index stays inside
// the sound.
#include <cstdint>

#include "platform/numbers.h"
#include "voice/samplewords.h"
#include "voice/voice.h"
#include "voice/voiceeffects.h"

bool LoopCrossfade(TVoice& voice, int effect) {
  if (voice.LoopXFade < 1 || voice.LoopXFade < voice.LoopStart || voice.LoopXFade > voice.LoopEnd ||
      voice.LoopStart < 0 || voice.LoopEnd < 0)
    return false;
  const bool intohead = effect == -121 || effect == -123;
  const bool tworamps = effect == -123 || effect == -124;
  if (intohead) {
    const float half = (static_cast<float>(voice.LoopStart) + static_cast<float>(voice.LoopEnd)) * 0.5f;
    if (static_cast<float>(voice.LoopXFade) < half) voice.LoopXFade = TruncToInt(half);
  } else if (voice.LoopStart < voice.LoopEnd - voice.LoopXFade) {
    voice.LoopXFade = voice.LoopEnd - voice.LoopStart;
  }

  const int64_t scale = voice.CurrChannel == 2 ? 2 : 1;
  const int64_t s = voice.LoopStart * scale, e = voice.LoopEnd * scale, x = voice.LoopXFade * scale;
  const float n = static_cast<float>(e - x);
  const float step = n > 0.0f ? 1.0f / n : 0.0f;
  int16_t* samples = voice.Sound ? voice.Sound->GetAudioSample() : nullptr;
  const int64_t count =
      voice.Sound ? static_cast<int64_t>(voice.Sound->GetAudioSampleLength()) * voice.Sound->GetAudioSampleMono() : 0;
  int64_t j = intohead ? s : TruncToInt64(static_cast<double>(s) - n);
  float g1 = 1.0f, g2 = 1.0f;
  for (int64_t i = x; i <= e && samples != nullptr; ++i, ++j) {
    if (i >= 0 && i < count && j >= 0 && j < count) {
      const float a = samples[i], b = samples[j];
      samples[i] = Store16(a * g2 + b * (1.0f - g1));
    }
    g1 -= step;
    g2 -= tworamps ? step * 0.5f : step;
  }
  if (intohead) {
    voice.LoopStart = TruncToInt(voice.LoopStart + (scale == 2 ? n * 0.5 : static_cast<double>(n)));
    if (voice.Sound) voice.SetLoop();
  }
  return true;
}
