// Helpers of the voice's destructive effects shared between their files.
#pragma once

class TVoice;

// The loop crossfades -121 .. -124 on the voice's own loop fields. False when the
// guard refuses the loop (nothing changed, the effect ends without its closing step).
bool LoopCrossfade(TVoice& voice, int effect);
