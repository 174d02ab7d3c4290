// The beat-slice store: detection (window peaks, moving average with a floor, falling
// smoothing, point placing), ordered insertion and removal, and the enable flags.
#include "voice/beatslice.h"

#include <algorithm>
#include <cstdlib>

#include "platform/numbers.h"

namespace {
constexpr int kInitialMax = 1001;
constexpr int kGrowStep = 1000;
// Insertion writes one entry beyond the terminator, so the table holds at most this
// terminator index before an insertion.
constexpr int kLastInsertCount = kBeatSliceTable - 3;

// The envelope holds BeatSliceMax entries (at least two: placing compares points 0 and 1).
void EnsureEnvelope() {
  if (BeatSliceMax < 2) BeatSliceMax = 2;
  if (static_cast<int>(BeatSlice.size()) < BeatSliceMax) BeatSlice.resize(BeatSliceMax, 0);
}

// The last envelope point a step may touch: BeatSliceCount, kept inside the array.
int LastPoint() {
  EnsureEnvelope();
  return std::min(BeatSliceCount, static_cast<int>(BeatSlice.size()) - 1);
}

int LastFlag() { return std::min(BeatSlicesCount, kBeatSliceTable - 1); }
}  // namespace

int BeatSliceRatio = 12;
int BeatSliceMax = kInitialMax;
std::vector<int> BeatSlice;
int BeatSliceCount = 0;
std::array<int, kBeatSliceTable> BeatSlices{};
int BeatSlicesCount = 0;
std::array<int, kBeatSliceTable> BeatSliceEnable{};
int BeatSliceEditEnable = 0;
int BeatSliceVoice = 2;

void InitBeatSlices() {
  BeatSliceRatio = 12;
  BeatSliceMax = kInitialMax;
  BeatSlice.assign(kInitialMax, 0);
  BeatSliceCount = 0;
  BeatSlices.fill(0);
  BeatSlicesCount = 0;
  BeatSliceEnable.fill(0);
  BeatSliceEditEnable = 0;
  BeatSliceVoice = 2;
}

int BeatSliceClear() {
  EnsureEnvelope();
  std::fill(BeatSlice.begin(), BeatSlice.begin() + BeatSliceMax, 0);
  BeatSlices.fill(0);
  BeatSliceEnable.fill(0);
  BeatSliceCount = 0;
  BeatSlicesCount = 0;
  return 0;
}

int BeatSliceArrayCheck(int index) {
  EnsureEnvelope();
  while (index >= BeatSliceMax) BeatSliceMax += kGrowStep;
  EnsureEnvelope();
  return 0;
}

int FindBeatSlices(const int16_t* samples, int length, int stereo, int window) {
  BeatSliceClear();
  int64_t n = samples ? length : 0;
  if (stereo == 1) n *= 2;
  BeatSliceCount = 0;
  int peak = 0;
  int counter = 0;
  if (window >= 1) {
    for (int64_t i = 0; i < n; ++i) {
      const int magnitude = std::abs(static_cast<int>(samples[i]));
      if (magnitude > peak) peak = magnitude;
      if (++counter == window) {
        BeatSliceArrayCheck(BeatSliceCount);
        BeatSlice[BeatSliceCount] = peak;
        peak = 0;
        counter = 0;
        ++BeatSliceCount;
      }
    }
  }
  --BeatSliceCount;
  BeatSliceCollect2(window);
  BeatSliceAverageFalling();
  BeatSliceCompute(kBeatSliceJump, kBeatSliceGap);
  return 0;
}

int BeatSliceCollect2(int window) {
  if (window < 1) return 0;
  const int last = LastPoint();
  std::vector<int>& e = BeatSlice;
  for (int i = window; i <= last; ++i) {
    int m = e[i - window];
    int64_t sum = 0;
    for (int j = i - window; j <= i; ++j) {
      m = std::min(m, e[j]);
      sum += e[j];
    }
    const int avg = static_cast<int>(sum / window);
    e[i - window] = 4.0 * m < 0.5 * avg ? m : avg;
  }
  return 0;
}

int BeatSliceAverageFalling() {
  const int last = LastPoint();
  std::vector<int>& e = BeatSlice;
  for (int i = 1; i <= last; ++i) {
    const int a = TruncToInt((static_cast<double>(e[i - 1]) + e[i]) * 0.5);
    if (e[i - 1] > a) e[i] = a;
  }
  return 0;
}

int BeatSliceCompute(int jump, int gap) {
  const int lastPoint = std::max(LastPoint(), 1);  // one pass even without points
  std::vector<int>& e = BeatSlice;
  BeatSlicesCount = 1;
  BeatSlices[0] = 0;
  BeatSlices[1] = 0;
  int last = 0;
  for (int i = 1; i <= lastPoint; ++i) {
    const int64_t change = static_cast<int64_t>(e[i]) - e[i - 1];
    if (change > jump || -change > jump) {
      const int g = i - last;
      last = i;
      // Room for the terminator and for one later insertion is kept.
      if (g >= gap && BeatSlicesCount + 1 <= kLastInsertCount + 1) {
        ++BeatSlicesCount;
        BeatSlices[BeatSlicesCount] = i;
      }
    }
  }
  ++BeatSlicesCount;
  BeatSlices[BeatSlicesCount] = 0;
  return 0;
}

int BeatSliceCollect() {
  const int last = LastPoint();
  std::vector<int>& e = BeatSlice;
  for (int i = 1; i <= last; ++i) e[i - 1] = std::abs(e[i] - e[i - 1]);
  return 0;
}

int BeatSliceAverage() {
  const int last = LastPoint();
  std::vector<int>& e = BeatSlice;
  for (int i = 1; i <= last; ++i) e[i] = TruncToInt((static_cast<double>(e[i - 1]) + e[i]) * 0.5);
  return 0;
}

int BeatSliceAdd(int position) {
  if (BeatSliceRatio == 0) return 0;
  if (BeatSlicesCount < 0) BeatSlicesCount = 0;
  const int c = BeatSlicesCount;
  if (c > kLastInsertCount) return 0;  // the table is full
  auto& t = BeatSlices;
  const int x = position / BeatSliceRatio;
  int k = -1;
  for (int i = 1; i <= c; ++i) {
    if (t[i - 1] <= x && x <= t[i]) k = i;
  }
  if (k == -1 && x > t[c]) {
    k = c == 0 ? 1 : c;
  } else if (k < 1) {
    k = 1;
  }
  for (int i = c + 2; i >= k; --i) t[i] = t[i - 1];
  t[k] = x;
  ++BeatSlicesCount;
  if (BeatSlicesCount == 1) BeatSlicesCount = 2;
  return 0;
}

int BeatSliceRemove(int index) {
  if (index < 0) return 0;
  const int c = std::min(BeatSlicesCount, kBeatSliceTable - 1);
  for (int i = index; i < c; ++i) BeatSlices[i] = BeatSlices[i + 1];
  if (BeatSlicesCount > 0) --BeatSlicesCount;
  return 0;
}

int BeatSliceEditInvert() {
  if (BeatSliceEditEnable == 0) return 0;
  for (int i = 0; i <= LastFlag(); ++i) BeatSliceEnable[i] = BeatSliceEnable[i] == 0 ? 1 : 0;
  return 0;
}

int BeatSliceEditSelect() {
  if (BeatSliceEditEnable == 0) return 0;
  for (int i = 0; i <= LastFlag(); ++i) BeatSliceEnable[i] = 1;
  return 0;
}

int BeatSliceEditClear() {
  if (BeatSliceEditEnable == 0) return 0;
  for (int i = 0; i <= LastFlag(); ++i) BeatSliceEnable[i] = 0;
  return 0;
}
