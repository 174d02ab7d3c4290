// A slot's highlight range and loop points, read and written through selector
// numbers. A loop value outside the sample puts the sound back to one-shot playback.
#include "voice/oneshot.h"
#include "voice/voices.h"

int TVoices::GetRange(int v, int s, int selector) {
  const TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return -1;
  if (selector == 0) return voice->HighlightStart;
  if (selector == 1) return voice->HighlightEnd;
  return -1;
}

int TVoices::SetRange(int v, int s, int value, int selector) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  const int len = voice->SoundLength();
  if (value < 0) value = 0;
  switch (selector) {
    case 0: voice->HighlightStart = value; break;
    case 1: voice->HighlightEnd = value; break;
    case 2: voice->HighlightStart = value; voice->HighlightEnd = len - 1; break;
    case 3: voice->HighlightStart = 0; voice->HighlightEnd = value; break;
    case 4: voice->HighlightStart = 0; voice->HighlightEnd = len - 1; break;
    case 5: voice->HighlightStart = -1; voice->HighlightEnd = -1; break;
    default: break;
  }
  return 0;
}

int TVoices::ResetLoop(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice != nullptr) voice->SetLoop();
  return 0;
}

int TVoices::GetLoop(int v, int s, int selector) {
  const TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return -1;
  if (selector == 0) return voice->LoopStart;
  if (selector == 1) return voice->LoopEnd;
  if (selector == 6) return voice->LoopXFade;
  return -1;
}

int TVoices::SetLoop(int v, int s, int value, int selector) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  const int len = voice->SoundLength();
  switch (selector) {
    case 0: voice->LoopStart = value; break;
    case 1: voice->LoopEnd = value; break;
    case 2: voice->LoopStart = value; voice->LoopEnd = len; break;
    case 3: voice->LoopStart = 0; voice->LoopEnd = value; break;
    case 4: voice->LoopStart = 0; voice->LoopEnd = len; break;
    case 5: voice->LoopStart = -1; voice->LoopEnd = -1; break;
    case 6: voice->LoopXFade = value; break;
    default: break;
  }
  voice->SampleModified = 1;
  // The value given, not the stored result, is tested, whatever the selector.
  if (value < 0 || value > len - 1) {
    if (voice->Sound) SoundToOneShot(*voice->Sound, len);
    voice->LoopStart = 0;
    voice->LoopEnd = -1;
  }
  voice->SetLoop();
  return 0;
}
