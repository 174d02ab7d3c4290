// The ten shared LFO wave-shape tables: table f, entry n (phase in thousandths of a
// cycle) in -1000..1000. Filled by the driver at start-up, read by every voice's render.
#pragma once
#include <array>
#include <cstdint>

#include "audio/relaxed.h"

constexpr int kLfoFunctions = 10;
constexpr int kLfoFunctionSize = 1000;
constexpr int kRandomLfoWave = 9;

extern std::array<std::array<Relaxed<int32_t>, kLfoFunctionSize>, kLfoFunctions> lfofunction;
