// The base channel-slot settings and their neutral answers.
#include "audio/output.h"

output::output(mixer* mixerowner) : owner(mixerowner) { resetsettings(); }

void output::resetsettings() {
  status = kStatusFinished;
  handle = 0;
  freewhendone = 0;
  playstart = -1;
  playend = -1;
  for (int k = 0; k < kFxSends; ++k) fxmix[k] = 0;
  fxmix[kDrySend] = kNewDryLevel;
  startdelay = 0;
}

void output::setstatusbits(int bits, bool on) {
  int current = status;
  while (current != 0 && !status.compare_exchange(current, on ? (current | bits) : (current & ~bits))) {
  }
}

int output::setfxmixvalues(const std::array<int, kFxSends>& levels) {
  for (int k = 0; k < kFxSends; ++k) fxmix[k] = levels[k];
  return 0;
}

int output::setfxmixvalue(int index, int level) {
  if (index >= 0 && index < kFxSends) fxmix[index] = level;
  return 0;
}

int output::getfxmixvalue(int index) const { return index >= 0 && index < kFxSends ? fxmix[index].load() : 0; }

int output::setstartdelay(int millis) {
  startdelay = millis;
  return 0;
}

int output::getstartdelay() const { return startdelay; }
