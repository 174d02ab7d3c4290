// Putting a sound back to one-shot playback: looping and both wavetable modes off,
// playhead at the start and the loop over the whole sample. Voice type 2001 and a
// loop point outside the sample both do this.
#pragma once
#include "audio/sound.h"

inline void SoundToOneShot(TSound& sound, int length) {
  sound.SetIsLooped(0);
  sound.SetIsWaveTable(0);
  sound.SetIsPPGWaveTable(0);
  sound.SetWaveLength(0);
  sound.SetPlayheadStart(0);
  sound.SetLoopStart(0);
  sound.SetLoopLength(length);
}
