// Storage of the shared LFO wave-shape tables; all entries start at 0.
#include "audio/lfofunction.h"

std::array<std::array<Relaxed<int32_t>, kLfoFunctionSize>, kLfoFunctions> lfofunction;
