// The ten routing modes of the effect buses: which input each bus runs over (a send
// buffer or another bus's output), which outputs are summed into a bus's input, and
// which bus outputs are added to the dry buffer.
#pragma once
#include <array>
#include <cstdint>

#include "audio/delayfx.h"

class mixer;

// One render's routing of mode 0-9 over the send buffers of buses 0-7 into the dry
// buffer, n samples each. Any other mode does nothing and answers false.
bool routebuses(mixer& mx, int mode, int16_t* dry, const std::array<int16_t*, kBuses>& sends, int n);
