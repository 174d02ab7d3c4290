// The wave boundary of the wavetable step sequence (see framestepping.h).
#include "audio/framestepping.h"

#include <algorithm>

#include "audio/soundrecord.h"

bool nextwave(FrameContext& c) {
  const sample& s = *c.smp;
  const int steps = std::clamp(s.wavelength.load(), 1, kWaveSteps);
  const int64_t offset = std::max(c.waveoffset, 0);
  if (s.isppgwavetable != 0) {
    c.wave = static_cast<int>(positivemod(s.stepwave[0].load() + offset, steps));
    return true;
  }
  if (c.repeat > 1) {
    --c.repeat;
    return true;
  }
  ++c.wavestep;
  if (c.wavestep >= steps) {
    const int loopstart = s.waveloopstart;
    if (loopstart == -1) return false;
    c.wavestep = std::clamp(loopstart, 0, steps - 1);
  }
  const int k = static_cast<int>(std::clamp<int64_t>(c.wavestep + offset, 0, steps - 1));
  c.wave = s.stepwave[k];
  c.repeat = s.steprepeat[k];
  return true;
}
