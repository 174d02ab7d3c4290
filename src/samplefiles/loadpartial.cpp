// SoundIOLoadPartial: a new sample from a stretch of a 16-bit buffer.
#include <cstring>

#include "samplefiles/wavfile.h"

std::shared_ptr<TAudioSample> SoundIOLoadPartial(const int16_t* source, int length, int channels, int offset) {
  if (!source || offset < 0) return nullptr;
  const int format = channels == 2 ? SF_STEREO16 : SF_MONO16;
  std::shared_ptr<TAudioSample> sample = CreateAudioSample(length, 44100, format);
  if (!sample) return nullptr;
  const int values = length * (channels == 2 ? 2 : 1);
  std::memcpy(sample->samples, source + offset, static_cast<size_t>(values) * sizeof(int16_t));
  return sample;
}
