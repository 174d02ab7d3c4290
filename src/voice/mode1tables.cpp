// The mode-1 step tables of wavetable sub-voices: single steps read and written by
// slot (wave number or repeat count), the highest wave the slot's wave size allows,
// and conforming a whole table to it.
#include <algorithm>
#include <string>

#include "platform/print.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"
#include "voice/voicetypes.h"

namespace {

constexpr int kStepWave = 1;
constexpr int kStepRepeat = 2;

// The highest wave number of a voice: its wave size less one.
int highestwave(const TVoice& voice) { return WaveCount(static_cast<float>(voice.VoiceTable)) - 1; }

}  // namespace

int TVoices::GetMode1(int v, int s, int kind, int step) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr || !voice->Sound || step < 0) return 0;
  if (kind == kStepWave) return voice->Sound->WaveTable(step);
  if (kind == kStepRepeat) return voice->Sound->WaveTableRepeat(step);
  return 0;
}

int TVoices::SetMode1(int v, int s, int kind, int step, int value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr || !voice->Sound || step < 0) return 0;
  if (kind == kStepWave) voice->Sound->SetWaveTable(step, std::min(value, highestwave(*voice)));
  else if (kind == kStepRepeat) voice->Sound->SetWaveTableRepeat(step, value);
  return 0;
}

int TVoices::GetMode1Tables(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  return voice == nullptr ? 127 : highestwave(*voice);
}

int TVoices::Mode1Conform(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr || !voice->Sound) return 0;
  const int highest = highestwave(*voice);
  Print("Conform table=" + std::to_string(highest));
  for (int step = 0; step < kMode1Steps; ++step) {
    Mode1Envelopes[step] = std::min(voice->Sound->WaveTable(step), highest);
    voice->Sound->SetWaveTable(step, Mode1Envelopes[step]);
  }
  return 0;
}
