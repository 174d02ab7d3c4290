// A sample record for a reader that fills every byte of it itself: its bytes are not
// cleared first, so a large sample costs one pass over memory instead of two.
#pragma once
#include <memory>

#include "audio/audiosample.h"

// frames frames of format at 44100 Hz with uncleared bytes; nullptr for a negative
// length, an unknown format, more bytes than a 32-bit count, or no memory.
std::shared_ptr<TAudioSample> CreateFillableSample(int frames, int format);
