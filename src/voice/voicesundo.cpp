// Undo and redo by slot: the slot is stopped before the voice's sound is replaced.
#include "voice/voices.h"

int TVoices::Undo(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  Stop(v, s);
  return voice->Undo();
}

int TVoices::Redo(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (voice == nullptr) return 0;
  Stop(v, s);
  return voice->Redo();
}
