// One voice's sample through the sample files' WAV writer.
#include "voice/voiceexport.h"

#include "samplefiles/wavfile.h"

namespace {

constexpr int kLooped = 2002;

}  // namespace

// The stereo flag also asks the sound, so a stale CurrChannel can never make the
// writer read twice the sample memory there is.
int WriteVoiceWav(const TVoice& voice, const std::string& path) {
  if (!voice.Sound) return 0;
  const int stereo = voice.CurrChannel == 2 && voice.Sound->GetAudioSampleMono() == 2 ? 1 : 0;
  const int16_t* data = voice.SamplePtr ? voice.SamplePtr : voice.Sound->GetAudioSample();
  return SoundIOSaveSamplerWav(path, voice.strAlias, voice.VoiceType == kLooped ? 1 : 0, voice.LoopStart,
                               voice.LoopEnd, stereo, voice.SoundLength(), data);
}
