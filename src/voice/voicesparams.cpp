// A sub-voice's mixer, tuning and playback settings addressed by parameter number
// (GetVolume, SetVolume), and the small slot operations beside them: edit-window
// zoom, key map entry, first wavetable step, sound and channel count.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "audio/audiofunctions.h"
#include "platform/numbers.h"
#include "voice/note.h"
#include "voice/oneshot.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"
#include "voice/voicetypes.h"

namespace {
// Playback rate of an untracked voice: the note table at the root note + 45 (any
// note outside the table reads 1.0, so a huge root note only needs to stay outside).
float FixedRate(int root) {
  const int n = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(root) + 45, -1, 109));
  return note ? note->GetPureNote(n) : 1.0f;
}

// Marks hold -1 or 0..127.
int ClampMark(float value) {
  if (!(value >= 0.0f)) return -1;
  return TruncToInt(std::min(value, 127.0f));
}

}  // namespace

float TVoices::GetVolume(int v, int s, int n) {
  if (v == -1 || s == -1) return 0.0f;
  const TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0.0f;
  switch (n) {
    case 1: return voice->mixvolume;
    case 2: return voice->mixvolume * voice->RealMixVolume;
    case 5: return voice->Sound ? static_cast<float>(voice->Sound->GetHertzFreq()) : 0.0f;
    case 6: return static_cast<float>(rootnote[v][s]);
    case 7: return static_cast<float>(voice->VoiceType);
    case 9: return static_cast<float>(voice->VoiceTable);
    case 10: return voice->MixPan;
    case 11: return static_cast<float>(voice->KeyboardTracking);
    case 12: return static_cast<float>(voice->MixSolo);
    case 13: return static_cast<float>(voice->MixMute);
    case 14: return voice->Sound ? static_cast<float>(voice->Sound->WaveTable(0)) : 0.0f;
    case 15: return static_cast<float>(voice->MarkA);
    case 16: return static_cast<float>(voice->MarkB);
    case 17: return FixedRate(rootnote[v][s]);
    case 18: return static_cast<float>(voice->MixStartDelay);
    case 19: return voice->DrumVolume;
    case 20: return voice->DrumPan;
    case 21: return static_cast<float>(voice->DrumNote);
    default: return 0.0f;
  }
}

int TVoices::SetVolume(int v, int s, int n, float value) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  TSound* sound = voice->Sound.get();
  const int len = voice->SoundLength();
  const std::shared_ptr<TChannel>& channel = Channel[v][s];
  const float fixed = FixedRate(rootnote[v][s]);
  switch (n) {
    case 1: voice->mixvolume = value; break;
    case 2: voice->RealMixVolume = value; break;
    case 5:
      if (sound) sound->SetHertzFreq(TruncToInt(value));
      break;
    case 6: rootnote[v][s] = TruncToInt(value); break;
    case 7: {
      voice->VoiceType = TruncToInt(value);
      voice->Play(channel, 0.0f, fixed, 1.0f, -99);
      if (sound == nullptr) break;
      if (value == static_cast<float>(kOneShot)) {
        SoundToOneShot(*sound, len);
        voice->LoopStart = 0;
        voice->LoopEnd = -1;
        voice->SetLoop();
      } else if (value == static_cast<float>(kLooped)) {
        sound->SetIsLooped(1);
        sound->SetIsWaveTable(0);
        sound->SetIsPPGWaveTable(0);
        sound->SetPlayheadStart(0);
        sound->SetLoopStart(0);
        sound->SetLoopLength(len);
        voice->SetLoop();
      } else if (value == static_cast<float>(kPPGWavetable)) {
        const int waves = WaveCount(voice->VoiceTable);
        Mode1Conform(v, s);
        const int wave = len / waves;
        sound->SetLoopLength(wave);
        sound->SetWaveTable(0, 0);
        sound->SetWaveLength(waves);
        sound->SetWaveLoopStart(0);
        sound->SetPlayheadStart(0);
        voice->LoopStart = 0;
        voice->LoopEnd = wave;
        voice->SetLoop();
        sound->SetIsWaveTable(1);
        sound->SetIsPPGWaveTable(1);
      } else if (value == static_cast<float>(kMode1Wavetable)) {
        sound->SetIsWaveTable(1);
        sound->SetIsPPGWaveTable(0);
        const int waves = WaveCount(voice->VoiceTable);
        Mode1Conform(v, s);
        const int wave = len / waves;
        sound->SetWaveLength(waves);
        sound->SetLoopLength(wave);
        sound->SetLoopStart(0);
        voice->LoopStart = 0;
        voice->LoopEnd = wave;
      }
      break;
    }
    case 9: {
      voice->VoiceTable = TruncToInt(value);
      voice->Play(channel, 0.0f, fixed, 1.0f, 0);
      const int waves = WaveCount(value);
      if (sound) {
        sound->SetLoopLength(len / waves);
        sound->SetLoopStart(0);
      }
      break;
    }
    case 10: voice->MixPan = value; break;
    case 11: voice->KeyboardTracking = TruncToInt(value); break;
    case 12:
      if (value == 0.0f) {
        voice->MixSolo = 0;
        MixSolo[v] = -1;
      } else {
        for (int i = 1; i < MaxSubVoice; ++i) {
          TVoice* sibling = SlotVoice(v, i);
          if (sibling == nullptr) continue;
          sibling->MixSolo = i == s ? 1 : 0;
          if (i == s) MixSolo[v] = i;
        }
      }
      break;
    case 13: voice->MixMute = TruncToInt(value); break;
    case 14:
      if (sound) sound->SetWaveTable(0, TruncToInt(value));
      break;
    case 15: voice->MarkA = ClampMark(value); break;
    case 16: voice->MarkB = ClampMark(value); break;
    case 18: voice->MixStartDelay = TruncToInt(value); break;
    case 19: voice->DrumVolume = value; break;
    case 20: voice->DrumPan = value; break;
    case 21: voice->DrumNote = TruncToInt(value); break;
    case 22:
      SetChannelRate(channel, voice->KeyboardTracking != 0 ? value : fixed);
      break;
    case 23: {
      const float pan = std::clamp(voice->MixPan + value * 100.0f, -100.0f, 100.0f);
      SetChannelPan(channel, pan * 0.01f);
      break;
    }
    case 24: SetChannelVolume(channel, voice->mixvolume * value); break;
    default: break;
  }
  return 0;
}

int TVoices::SetZoom(int v, int s, int zoom) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  const int len = voice->SoundLength();
  const float ratio = static_cast<float>(600 - zoom) / 600.0f;
  const float end = static_cast<float>(voice->EditWindowStart) + static_cast<float>(len) * ratio;
  voice->EditWindowEnd = std::min(TruncToInt(end), len);
  return 0;
}

int TVoices::SetAlloc(int v, int s, int k, int value) {
  if (InBank(v, s) && k >= 0 && k < kKeys) alloc[v][s][k] = value;
  return 0;
}

int TVoices::SetWavetable(int v, int s, int wave) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  if (voice->Sound) voice->Sound->SetWaveTable(0, wave);
  voice->ControlModified = 1;
  return 0;
}

std::shared_ptr<TSound> TVoices::GetSound(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->Sound : nullptr;
}

float TVoices::GetChannels(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? static_cast<float>(voice->CurrChannel) : 1.0f;
}

float TVoices::GetStereo(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice && voice->CurrChannel == 2 ? 1.0f : 0.0f;
}
