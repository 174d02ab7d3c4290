// The standard LFO wave shapes, written into the ten shared function tables through
// a sound's SetFunction (so only while the mixer runs): sine, triangle, rising and
// falling saw, square, quarter-sine rise and fall, quick rise and fall, random steps.
#include "audio/lfofunction.h"
#include "audio/softmixsound.h"
#include "platform/numbers.h"

namespace {

// Single-precision divisors, used in double-precision sums.
const double kSineDivisor = 2.7777f;
const double kQuarterDivisor = 11.088f;
constexpr int kRandomHold = 50;

int shape(int table, int n, int held) {
  const double rise = 2000.0 * Sin(n / kQuarterDivisor) - 1000.0;
  const double quick = 2000.0 * Sin(4 * n / kQuarterDivisor) - 1000.0;
  switch (table) {
    case 0: return TruncToInt(1000.0 * Sin(n / kSineDivisor));
    case 1: return n < 250 ? 4 * n : n < 750 ? 2000 - 4 * n : 4 * n - 4000;
    case 2: return n < 500 ? 2 * n : 2 * n - 2000;
    case 3: return n < 500 ? -2 * n : 2000 - 2 * n;
    case 4: return n < 500 ? 1000 : -1000;
    case 5: return TruncToInt(rise);
    case 6: return TruncToInt(-rise);
    case 7: return n < 250 ? TruncToInt(quick) : 1000;
    case 8: return n < 250 ? TruncToInt(-quick) : -1000;
    default: return held;
  }
}

}  // namespace

int TSoftMixSound::InitFunctions() {
  for (int table = 0; table < kLfoFunctions; ++table) {
    int held = 0;
    for (int n = 0; n < kLfoFunctionSize; ++n) {
      if (table == kRandomLfoWave && n % kRandomHold == 0) held = Rand(-1000, 1000);
      SetFunction(table, n, shape(table, n, held));
    }
  }
  return 0;
}
