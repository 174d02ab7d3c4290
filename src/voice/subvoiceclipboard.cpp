// The sub-voice clipboard: CopySubVoice keeps a copy of a slot's whole sample with its
// names, mixer, tuning, voice type and loop settings (and its synth controls in the
// control clipboard); PasteSubVoice puts it into any slot, filling an empty one first.
#include <string>

#include "audio/audiosample.h"
#include "platform/numbers.h"
#include "platform/print.h"
#include "voice/voiceglobals.h"
#include "voice/voices.h"

int TVoices::CopySubVoice(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr || !voice->Sound) return 0;
  const int type = TruncToInt(GetVolume(v, s, 7));
  const int tables = TruncToInt(GetVolume(v, s, 9));
  const int loopstart = GetLoop(v, s, 0);
  const int loopend = GetLoop(v, s, 1);
  const int length = voice->Sound->GetAudioSampleLength();
  Print("copy range=" + std::to_string(length));
  // The clipboard must be a sound of its own, never the slot's: a refused copy keeps
  // the clipboard as it was.
  std::shared_ptr<TSound> copy = voice->Sound->CopyRange(0, length);
  if (!copy || copy == voice->Sound) return 0;
  copy->CopyData(voice->Sound);

  gSoundCopyVoiceType = type;
  gSoundCopyVoiceTables = tables;
  gSoundCopyLoopStart = loopstart;
  gSoundCopyLoopEnd = loopend;
  gSoundCopyVolume = voice->mixvolume;
  gSoundCopyTuning = static_cast<float>(voice->Sound->GetHertzFreq());
  gSoundCopyRoot = static_cast<float>(rootnote[v][s]);
  gSoundCopyTracking = static_cast<float>(voice->KeyboardTracking);
  gSoundCopyPan = voice->MixPan;
  gSoundCopyDly = static_cast<float>(voice->MixStartDelay);
  gSoundCopyName = voice->Name;
  gSoundCopyAlias = voice->strAlias;
  gSoundCopyFolder = voice->dir;
  gSoundCopyBuffer = copy;
  voice->CopyControlData(voice->Sound, gSoundDataCopyBuffer, "copy");
  return 0;
}

int TVoices::PasteSubVoice(int v, int s) {
  if (!gSoundCopyBuffer || !InBank(v, s)) return 0;
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) {
    const int length = gSoundCopyBuffer->GetAudioSampleLength();
    Print(" paste length=" + std::to_string(length));
    std::shared_ptr<TAudioSample> silent = CreateAudioSample(length, 44100, SF_MONO16);
    if (silent) TransferToVoice(v, s, silent, "", "Default", "Default", 0, 0, -1);
    voice = SlotVoice(v, s);
    if (voice == nullptr) return 0;
  }
  // A clipboard that cannot be copied leaves the voice's own sound: nothing is pasted.
  const std::shared_ptr<TSound> before = voice->Sound;
  voice->CreateFromSound(gSoundCopyBuffer);
  if (voice->Sound == before) return 0;
  voice->RefillData(voice->Sound->GetAudioSampleMono(), voice->Sound->GetAudioSampleLength(),
                    voice->Sound->GetAudioSample());
  voice->PasteControlData(gSoundDataCopyBuffer, voice->Sound, "paste");
  voice->Sound->CopyData(gSoundCopyBuffer);
  voice->Name = gSoundCopyName;
  voice->strAlias = gSoundCopyAlias;
  voice->dir = gSoundCopyFolder;
  voice->mixvolume = gSoundCopyVolume;
  rootnote[v][s] = TruncToInt(gSoundCopyRoot);
  voice->KeyboardTracking = TruncToInt(gSoundCopyTracking);
  voice->MixPan = gSoundCopyPan;
  voice->MixStartDelay = TruncToInt(gSoundCopyDly);
  SetVolume(v, s, 5, gSoundCopyTuning);
  SetVolume(v, s, 7, static_cast<float>(gSoundCopyVoiceType));
  SetVolume(v, s, 9, static_cast<float>(gSoundCopyVoiceTables));
  SetLoop(v, s, gSoundCopyLoopStart, 0);
  SetLoop(v, s, gSoundCopyLoopEnd, 1);
  SetModified(v, s, 1, 0);
  SetModified(v, s, 2, 0);
  return 0;
}
