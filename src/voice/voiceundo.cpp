// One level each of undo and redo: a copy of the sound with its switches and loop,
// and a snapshot of its controls. Undo and Redo swap the current state with the
// stored one, so the two can alternate between two states.
#include "voice/voice.h"

namespace {
// Stores the voice's sound as a level; false when there is no sound to store.
bool StoreLevel(TVoice& voice, std::shared_ptr<TSound>& level,
                const std::shared_ptr<TVoiceData>& controls, const char* tag) {
  std::shared_ptr<TSound> copy = TVoice::SeparateCopy(voice.Sound);
  if (!copy) return false;
  voice.CopyControlData(voice.Sound, controls, tag);
  copy->CopyData(voice.Sound);
  level = copy;
  return true;
}

// Puts a fresh copy of the stored level into the voice, so the level stays intact.
void RestoreLevel(TVoice& voice, const std::shared_ptr<TSound>& copy,
                  const std::shared_ptr<TSound>& level,
                  const std::shared_ptr<TVoiceData>& controls, const char* tag) {
  voice.Sound = copy;
  voice.Sound->CopyData(level);
  voice.CurrChannel = level->GetAudioSampleMono();
  voice.RefillData(voice.Sound->GetAudioSampleMono(), voice.Sound->GetAudioSampleLength(),
                   voice.Sound->GetAudioSample());
  voice.PasteControlData(controls, voice.Sound, tag);
}
}  // namespace

int TVoice::SetUndo() {
  if (StoreLevel(*this, UndoSound, UndoSoundData, "undo")) CanUndo = 1;
  return 0;
}

int TVoice::SetRedo() {
  if (StoreLevel(*this, RedoSound, RedoSoundData, "redo")) CanRedo = 1;
  return 0;
}

int TVoice::Undo() {
  if (CanUndo == 0 || !UndoSound) return 0;
  std::shared_ptr<TSound> copy = SeparateCopy(UndoSound);
  if (!copy) return 0;
  SetRedo();
  CanUndo = 0;
  RestoreLevel(*this, copy, UndoSound, UndoSoundData, "undo");
  return 1;
}

int TVoice::Redo() {
  if (CanRedo == 0 || !RedoSound) return 0;
  std::shared_ptr<TSound> copy = SeparateCopy(RedoSound);
  if (!copy) return 0;
  SetUndo();
  CanRedo = 0;
  RestoreLevel(*this, copy, RedoSound, RedoSoundData, "redo");
  return 1;
}
