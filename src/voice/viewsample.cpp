// The views' reads of a sub-voice and its channel: the bounded sample reader, the
// wave length and wavetable playhead, and the play-position target of the playhead.
#include "audio/channel.h"
#include "audio/sound.h"
#include "voice/viewcommon.h"
#include "voice/voice.h"

TViewSample ViewSampleOf(const TVoice& voice) {
  TViewSample sample;
  if (!voice.Sound) return sample;
  const int length = voice.Sound->GetAudioSampleLength();
  const int channels = voice.Sound->GetAudioSampleMono();
  sample.length = length > 0 ? length : 0;
  sample.channels = channels == 2 ? 2 : 1;
  // The sound's own memory with the sound's own bound: a voice whose SamplePtr or
  // CurrChannel disagrees with its sound still never reads past the sound's values.
  sample.data = voice.Sound->GetAudioSample();
  sample.count = static_cast<int64_t>(sample.length) * sample.channels;
  return sample;
}

int ViewWaveLength(const TVoice& voice) { return voice.Sound ? voice.Sound->WaveLength() : 1; }

int ViewWaveTablePlayhead(const std::shared_ptr<TChannel>& channel) {
  return channel ? channel->GetWaveTablePlayhead() : 0;
}

int PlayTarget(const std::shared_ptr<TChannel>& channel, int none, bool* playing) {
  const bool on = channel && channel->Playing() != 0;
  if (playing) *playing = on;
  return on ? channel->GetPlayPosition() : none;
}
