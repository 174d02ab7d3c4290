// TFilter::DoFilter: the frame every numbered effect shares (the range checks, the
// stereo doubling, the clamp to the sound's end, the log lines) and the dispatch to
// the effect families.
#include "voice/voicefilter.h"

#include <string>

#include "audio/sound.h"
#include "platform/print.h"
#include "voice/filtereffects.h"

int TFilter::New() {
  SamplePtr = nullptr;
  return 0;
}

int TFilter::DoFilter(const std::shared_ptr<TSound>& sound, int start, int end, int effect, int amount,
                      const std::shared_ptr<TSound>& source) {
  Print("VoiceEffect DoFilter");
  if (effect < 0) {
    if (start < 0) start = 0;
    if (end < 0) end = 0;
  }
  if (!sound || start < 0 || end < 0 || end < start || effect == 0) return 0;
  const int channels = sound->GetAudioSampleMono();
  const int length = sound->GetAudioSampleLength();
  int16_t* samples = sound->GetAudioSample();
  if (samples == nullptr || length <= 0 || (channels != 1 && channels != 2)) return 0;

  // Positions in 64 bits: doubling a frame position near the int range must not wrap.
  const int64_t count = static_cast<int64_t>(length) * channels;
  int64_t first = start, last = end, offset = amount;
  if (channels == 2) {
    first *= 2;
    last *= 2;
    offset *= 2;
  }
  if (last >= count) last = count - 1;
  SamplePtr = samples;
  Print("VoiceFilter filter effect=" + std::to_string(effect) + " nstart=" + std::to_string(first) +
        " nEnd=" + std::to_string(last));
  if (last < first) return 0;

  const filtereffects::Range r{samples, static_cast<int>(count), length, channels,
                               static_cast<int>(first), static_cast<int>(last), offset};
  const int16_t* from = source ? source->GetAudioSample() : nullptr;
  const int fromcount = source && from ? source->GetAudioSampleLength() * source->GetAudioSampleMono() : 0;
  if (filtereffects::Levels(r, effect) || filtereffects::SignsAndBits(r, effect) ||
      filtereffects::Moves(r, effect, from, fromcount) || filtereffects::TimeScale(r, effect) ||
      filtereffects::Repairs(r, effect))
    return 0;
  return 0;  // not an effect of the catalogue: nothing changes
}
