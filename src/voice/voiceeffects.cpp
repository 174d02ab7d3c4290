// The bank's destructive editing entry point (TVoices::Filter) and the voice's effect
// dispatch (TVoice::DoFilter): clip copy, cut and paste, crop, length changes and
// mono/stereo conversion on the TSound itself, everything else through the voice's
// TFilter. Each effect takes the undo level first and carries the sound's synthesis
// controls across the edit.
#include <string>

#include "audio/audiosample.h"
#include "platform/print.h"
#include "voice/voice.h"
#include "voice/voiceeffects.h"
#include "voice/voicefilter.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

namespace {

// The marks an edit of the sound's length or layout resets; R1 also clears the
// highlight start.
void resetmarks(TVoice& voice, int highlightstart) {
  voice.HighlightStart = highlightstart;
  voice.HighlightEnd = -1;
  voice.WindowStart = 0;
  voice.WindowEnd = -1;
  voice.EditWindowStart = 0;
  voice.EditWindowEnd = -1;
}

// An editing operation's result; the sound answers itself when it cannot do the work.
void take(TVoice& voice, const std::shared_ptr<TSound>& made) {
  if (made) voice.Sound = made;
}

// A copy of frames start..end as the clip, with the sound's switches and envelopes. A
// range the sound refuses leaves the clip as it was: the clip must never be the
// voice's own sound, which the effects rewrite in place.
void copytoclip(const std::shared_ptr<TSound>& sound, int start, int end) {
  std::shared_ptr<TSound> clip = sound->CopyRange(start, end);
  if (!clip || clip == sound) return;
  clip->CopyData(sound);
  gSoundCopy = clip;
}

}  // namespace

int TVoices::Filter(int v, int s, int start, int end, int value, int effect) {
  if (!InBank(v, s)) return 0;
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) {
    if (effect < 1 || effect > 4) return 0;
    const int format = (!gSoundCopy || gSoundCopy->GetAudioSampleMono() == 1) ? SF_MONO16 : SF_STEREO16;
    std::shared_ptr<TAudioSample> sample = CreateAudioSample(1, 44100, format);
    if (!sample) return 0;
    TransferToVoice(v, s, sample, "", "New Sound", "New Sound", 0, 0, 0);
    voice = SlotVoice(v, s);
    if (voice == nullptr) return 0;  // the slot could not be filled
    voice->MixMute = 0;
    SetVolume(v, s, 12, static_cast<float>(s));
    value = 0;
  } else {
    Stop(v, s);
  }
  Print(" ");
  Print("Voice.Filter start=" + std::to_string(start) + " end=" + std::to_string(end));
  voice->SampleModified = 1;
  voice->DoFilter(start, end, value, effect);
  return 0;
}

int TVoice::DoFilter(int start, int end, int amount, int effect) {
  if (!EffectFilter) EffectFilter = std::make_shared<TFilter>();
  Print("Voice DoFilter Effect=" + std::to_string(effect));
  if (!Sound) {
    GotSound = 0;
    Print("Filter Error");
    return 0;
  }
  CopyControlData(Sound, gSoundData, "data");
  if (effect == 21 || effect == 22 || effect == 23) {
    copytoclip(Sound, start, end);
    if (effect == 23) effect = 44;
  }
  SetUndo();

  switch (effect) {
    case 21:
      if (Sound->TestCut(start, end) == -1) take(*this, Sound->Cut(start, end));
      resetmarks(*this, 0);
      break;
    case 1:
    case 3:
      take(*this, Sound->Insert(amount, gSoundCopy, effect == 3 ? 1 : 0));
      resetmarks(*this, 0);
      break;
    case 22:
      break;
    case 24:
      take(*this, Sound->CopyRange(start, end));
      resetmarks(*this, 0);
      break;
    case -121: case -122: case -123: case -124:
      if (!LoopCrossfade(*this, effect)) return 0;
      break;
    case 15: case 16: case 17: case 18: {
      const float factor = effect == 15 ? 2.0f : effect == 16 ? 0.5f : effect == 17 ? 1.5f : 0.75f;
      take(*this, Sound->Extend(Sound, factor));
      resetmarks(*this, -1);
      break;
    }
    case 150: case 143: case 142: case 141: {
      const int mode = effect == 150 ? 3 : effect == 143 ? 2 : effect == 142 ? 1 : 0;
      take(*this, Sound->MonoToStereo(Sound, mode));
      CurrChannel = 2;
      resetmarks(*this, -1);
      break;
    }
    case 145: case 146: case 144: {
      const int mode = effect == 145 ? 1 : effect == 146 ? 2 : 0;
      take(*this, Sound->StereoToMono(Sound, mode));
      CurrChannel = 1;
      resetmarks(*this, -1);
      break;
    }
    case -5: case -6: case -7: {
      // The source is a fresh copy of the whole sound (CopyRange's end is exclusive).
      const int length = Sound->GetAudioSampleLength();
      const int n = (length - 1) * Sound->GetAudioSampleMono();
      std::shared_ptr<TSound> whole = Sound->CopyRange(0, length);
      if (whole && whole != Sound) {
        whole->CopyData(Sound);
        gSoundCopy = whole;
        EffectFilter->DoFilter(Sound, 0, n, effect, amount, gSoundCopy);
      }
      break;
    }
    case 2: case 4: case 6: case 8: case 9: case 10: case 11: case 12: case 13: case 14:
      EffectFilter->DoEditFilter(Sound, amount * CurrChannel, effect, gSoundCopy);
      break;
    default:
      EffectFilter->DoFilter(Sound, start, end, effect, amount, gSoundCopy);
      break;
  }

  if (!Sound) {
    GotSound = 0;
    Print("Filter Error");
    return 0;
  }
  RefillData(Sound->GetAudioSampleMono(), Sound->GetAudioSampleLength(), Sound->GetAudioSample());
  PasteControlData(gSoundData, Sound, "data");
  return 0;
}
