// FillTempData: the 512-point overview of the loaded sample. One channel spreads the
// points over the whole sample; two channels show 256 left/right pairs.
#include "platform/numbers.h"
#include "samplefiles/soundio.h"

int TSoundIO::FillTempData() {
  if (!TempSample) {
    ResetTempData();
    return 0;
  }
  const TAudioSample& sample = *TempSample;
  const bool usable = sample.Holds();
  SegmentPtr = usable ? sample.Values16() : nullptr;
  const int frames = sample.length;
  const int16_t* s = SegmentPtr;

  if (usable && sample.format == SF_MONO16) {
    CurrChannel = 1;
    const float step = static_cast<float>(frames) / 511.0f;
    for (int i = 0; i < kOverviewPoints; ++i) {
      const int k = TruncToInt(step * static_cast<float>(i));
      data[i] = (k >= 0 && k < frames - 1) ? static_cast<float>(s[k] / 32767.0) : 0.0f;
    }
  } else if (usable && sample.format == SF_STEREO16) {
    CurrChannel = 2;
    const float step = static_cast<float>(frames) / 255.0f;
    const int64_t values = 2 * static_cast<int64_t>(frames);
    for (int p = 0; p < kOverviewPoints / 2; ++p) {
      const int64_t j = 2 * static_cast<int64_t>(TruncToInt(step * static_cast<float>(p)));
      data[2 * p] = (j >= 0 && j < values - 1) ? static_cast<float>(s[j] / 32767.0) : 0.0f;
      data[2 * p + 1] = (j >= 0 && j + 1 < values - 1) ? static_cast<float>(s[j + 1] / 32767.0) : 0.0f;
    }
  }
  GotSound = 1;
  return 0;
}
