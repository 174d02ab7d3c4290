// A voice's sound: making it from a sample or another sound, handing the loop to it
// and rebuilding the overview and view ranges from it.
#include "audio/audiofunctions.h"
#include "platform/print.h"
#include "voice/voice.h"
#include "voice/voiceoverview.h"

int TVoice::SoundFromSample(const std::shared_ptr<TAudioSample>& sample) {
  ResetData();
  Sound = sample ? LoadSound(SoundUrl(sample), 0) : nullptr;
  if (!Sound) {
    SamplePtr = nullptr;  // it pointed into the old sound, now gone
    return 0;
  }
  FillData();
  SamplePtr = Sound->GetAudioSample();
  return 1;
}

// Reports whether a sound was made; the names are stored either way.
int TVoice::Transfer(const std::shared_ptr<TAudioSample>& sample, const std::string& folder,
                     const std::string& name, const std::string& alias, int /*flag*/) {
  const int made = SoundFromSample(sample);
  dir = folder;
  Name = name;
  strAlias = alias;
  return made;
}

std::shared_ptr<TSound> TVoice::SeparateCopy(const std::shared_ptr<TSound>& sound) {
  if (!sound) return nullptr;
  std::shared_ptr<TSound> copy = sound->Copy();
  if (copy && copy != sound) return copy;
  Print("Cant copy Sound");
  return nullptr;
}

int TVoice::CreateFromSound(const std::shared_ptr<TSound>& source) {
  std::shared_ptr<TSound> copy = SeparateCopy(source);
  if (!copy) return 0;
  Sound = copy;
  Sound->CopyData(source);
  CurrChannel = source->GetAudioSampleMono();
  FillData();
  return 0;
}

int TVoice::SetLoop() {
  if (!Sound) return 0;
  Sound->SetLoopStart(LoopStart);
  Sound->SetLoopLength(LoopEnd - LoopStart);
  return 0;
}

int TVoice::FillData() {
  if (!Sound) return 0;
  const int channels = Sound->GetAudioSampleMono();
  const int length = Sound->GetAudioSampleLength();
  SamplePtr = Sound->GetAudioSample();
  WindowStart = 0;
  WindowEnd = length;
  HighlightStart = HighlightEnd = -1;
  MarkA = MarkB = -1;
  if (channels == 1) {
    CurrChannel = 1;
    BuildMonoOverview(data, SamplePtr, length);
  } else if (channels == 2) {
    CurrChannel = 2;
    BuildStereoOverview(data, SamplePtr, length, 2 * static_cast<int64_t>(length));
  }
  GotSound = 1;
  return 0;
}

int TVoice::RefillData(int channels, int length, int16_t* samples) {
  SamplePtr = samples;
  if (channels == 1) {
    BuildMonoOverview(data, samples, length);
  } else {
    BuildStereoOverview(data, samples, length,
                        static_cast<int64_t>(length) * static_cast<int64_t>(channels));
  }
  GotSound = 1;
  return 0;
}
