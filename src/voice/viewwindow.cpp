// The bank's view-window operations: the window start with its clamps, paging by
// steps, segments and grid rows, centring on a pointer over an overview bar, picking
// from the segment grid, zooming, showing all, shifting the edit window, and the 3D
// pointer and spacing. The views only read these fields.
//
// Sums are formed in 64 bits and stored clamped to int, so no argument overflows. A
// start below 0 is stored as 0: the views read the sample from the start on.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/numbers.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

int Clamp32(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

int64_t SegmentSpan(const TVoice& voice) {
  return SatMul(voice.SegmentSize, voice.SegmentStep);
}

}  // namespace

int TVoices::GetSegmentSize(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->SegmentSize : 0;
}

int TVoices::GetWindowSize(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? Clamp32(SegmentSpan(*voice)) : 0;
}

int TVoices::SetSegmentSize(int v, int s, int n) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  voice->SegmentSize = std::min(n, voice->SoundLength());
  if (voice->CurrDisplay == 10)
    voice->WindowEnd = Clamp32(static_cast<int64_t>(voice->WindowStart) + voice->SegmentSize);
  return 0;
}

int TVoices::GetSegmentStep(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->SegmentStep : 0;
}

int TVoices::SetSegmentStep(int v, int s, int n) {
  TVoice* voice = SlotVoice(v, s);
  if (voice) voice->SegmentStep = n;
  return 0;
}

int TVoices::SetSegment(int v, int s, int n) {
  TVoice* voice = SlotVoice(v, s);
  if (voice) SetWindowStart(v, s, Clamp32(SatMul(n, SegmentSpan(*voice))));
  return 0;
}

// A size x step below 1 has no segments: 0.
int TVoices::GetSegment(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int64_t span = SegmentSpan(*voice);
  return span >= 1 ? Clamp32(voice->WindowStart / span) : 0;
}

int TVoices::GetLastSegment(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int64_t span = SegmentSpan(*voice);
  return span >= 1 ? Clamp32(voice->SoundLength() / span) : 0;
}

int TVoices::SetWindowStart(int v, int s, int p) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int old = voice->WindowStart;
  const int64_t len = voice->SoundLength();
  if (GetDisplay(v, s) > 10) {
    const int64_t size = voice->SegmentSize;
    if (size < 1) return 1;  // no segments to snap to: the window stays
    int64_t start = (p / size) * size;
    const int64_t last = len * voice->CurrChannel - size;
    if (start > last) start = last - 1;
    start = std::max<int64_t>(start, 0);
    voice->WindowStart = Clamp32(start);
    voice->WindowEnd = Clamp32(start + size);
  } else {
    if (voice->WindowEnd == -1) return 0;
    const int64_t width = static_cast<int64_t>(voice->WindowEnd) - voice->WindowStart;
    int64_t start = p;
    int64_t end = start + width;
    if (start + width > len) {
      start = len - width - 1;
      end = len - 1;
    }
    if (start < 0) {
      start = 0;
      end = width;
    }
    voice->WindowStart = Clamp32(start);
    voice->WindowEnd = Clamp32(end);
  }
  return voice->WindowStart == old ? 1 : 0;
}

int TVoices::GetWindowStart(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->WindowStart : 0;
}

int TVoices::GetWindowEnd(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  return voice ? voice->WindowEnd : -1;
}

int TVoices::SetWindowPos(int v, int s, int d) {
  if (!SlotVoice(v, s)) return 0;
  const int64_t span = static_cast<int64_t>(GetSegmentSize(v, s)) * GetSegmentStep(v, s);
  const int64_t step = GetSegmentStep(v, s);
  const int64_t ws = GetWindowStart(v, s);
  const bool segments = GetDisplay(v, s) > 10;
  int64_t start = 0;
  if (d > 0) {
    start = ws + (segments ? span : d * step);
  } else {
    const int64_t amount = segments ? -span : d * step;
    start = ws > (amount < 0 ? -amount : amount) ? ws + amount : 0;
  }
  return SetWindowStart(v, s, Clamp32(start));
}

int TVoices::SetWindowPos2(int v, int s, int d) {
  if (!SlotVoice(v, s)) return 0;
  const int64_t amount = Clamp32(SatMul(10, static_cast<int64_t>(GetSegmentSize(v, s)) * GetSegmentStep(v, s)));
  const int64_t ws = GetWindowStart(v, s);
  int64_t start = 0;
  if (d > 0)
    start = ws + amount;
  else
    start = ws > amount ? ws - amount : 0;
  return SetWindowStart(v, s, Clamp32(start));
}

// A bar of 2 pixels or less, or an empty sample, maps no pointer: nothing changes.
int TVoices::SetWindowFromMouse(int v, int s, int x, int w) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int len = voice->SoundLength();
  if (len <= 0) return 0;
  if (GetDisplay(v, s) == 10) {
    if (w <= 2) return 0;
    int64_t half = 0;
    if (voice->WindowEnd != -1)
      half = std::max<int64_t>((static_cast<int64_t>(voice->WindowEnd) - voice->WindowStart) / 2, 0);
    const float perPixel = static_cast<float>(len) / static_cast<float>(w - 2);
    const int64_t p = std::max<int64_t>(TruncToInt64(static_cast<float>(x) * perPixel) - half, 0);
    return SetWindowStart(v, s, Clamp32(p));
  }
  const int step = voice->SegmentStep;
  const int size = voice->SegmentSize;
  if (step == 0 || size < 1 || w <= 0) return 0;
  const float columns = static_cast<float>(w) / (static_cast<float>(len) / static_cast<float>(size));
  const int64_t n = TruncToInt(static_cast<float>(static_cast<int64_t>(x) / step) / columns);
  return SetWindowStart(v, s, Clamp32(SatMul(n, static_cast<int64_t>(size) * step)));
}

int TVoices::SetEditWindowFromMouse(int v, int s, int x, int w) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || voice->EditWindowEnd == -1 || w <= 2) return 0;
  const int64_t len = voice->SoundLength();
  const int64_t half =
      std::max<int64_t>((static_cast<int64_t>(voice->EditWindowEnd) - voice->EditWindowStart) / 2, 0);
  const float perPixel = static_cast<float>(len) / static_cast<float>(w - 2);
  const int64_t p = std::max<int64_t>(TruncToInt64(static_cast<float>(x) * perPixel) - half, 0);
  int64_t start = p;
  int64_t end = p + 2 * half;
  if (end >= len) {
    end = len;
    start = std::max<int64_t>(len - 2 * half, 0);
  }
  voice->EditWindowStart = Clamp32(start);
  voice->EditWindowEnd = Clamp32(end);
  return 0;
}

// A grid under 10 pixels wide or 12 high picks nothing.
int TVoices::SetSegmentFromMouse(int v, int s, int x, int y, int a, int b, int w, int h) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || GetDisplay(v, s) != 14) return 0;
  const int cellW = w / 10;
  const int cellH = h / 12;
  if (cellW <= 0 || cellH <= 0) return 0;
  const float row = static_cast<float>(TruncToInt(static_cast<float>(y) / static_cast<float>(cellH)));
  const int n = TruncToInt(10.0f * row + static_cast<float>(x) / static_cast<float>(cellW));
  SetWindowStart(v, s, Clamp32(SatMul(n, SegmentSpan(*voice))));
  return n;
}

int TVoices::SetWindowModify(int v, int s, int d) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || GetDisplay(v, s) >= 13) return 0;
  const int64_t len = voice->SoundLength();
  if (voice->WindowEnd == -1) {
    if (d <= 0) {
      voice->WindowStart = Clamp32(-static_cast<int64_t>(d));
      voice->WindowEnd = Clamp32(len + d);
    }
    return 0;
  }
  const int64_t ws = voice->WindowStart;
  const int64_t width = static_cast<int64_t>(voice->WindowEnd) - ws;
  if (width + d < 400) {
    voice->WindowEnd = Clamp32(ws + 400);
  } else if (width > len) {
    voice->WindowStart = 0;
    voice->WindowEnd = -1;
  } else {
    int64_t start = std::max<int64_t>(ws - d, 0);
    int64_t end = voice->WindowEnd + static_cast<int64_t>(d);
    if (end < start) end = start + 400;
    voice->WindowStart = Clamp32(start);
    voice->WindowEnd = Clamp32(end);
  }
  return 0;
}

int TVoices::SetWindowAll(int v, int s) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  voice->WindowStart = 0;
  voice->WindowEnd = TruncToInt(static_cast<float>(GetLength(v, s)) * GetStereo(v, s));
  return 0;
}

int TVoices::ModifyEditWindowStart(int v, int s, int d) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int64_t len = voice->SoundLength();
  if (voice->EditWindowEnd == -1) voice->EditWindowEnd = Clamp32(len);
  const int64_t width = static_cast<int64_t>(voice->EditWindowEnd) - voice->EditWindowStart;
  int64_t p = static_cast<int64_t>(voice->EditWindowStart) + d;
  if (p < 0)
    p = 0;
  else if (p > len - width)
    p = std::max<int64_t>(len - width, 0);
  voice->EditWindowStart = Clamp32(p);
  voice->EditWindowEnd = Clamp32(p + width);
  return 0;
}

int TVoices::ForceModifyStart(int v, int s, int d) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice || voice->EditWindowEnd == -1) return 0;
  const int64_t len = voice->SoundLength();
  const int64_t width = static_cast<int64_t>(voice->EditWindowEnd) - voice->EditWindowStart;
  int64_t p = static_cast<int64_t>(voice->EditWindowStart) + d;
  if (p < 0) p = 0;
  if (p > len - width) p = len - width;
  p = std::max<int64_t>(p, 0);  // an edit window wider than the sample starts at 0
  voice->EditWindowStart = Clamp32(p);
  voice->EditWindowEnd = Clamp32(p + width);
  return 0;
}

int TVoices::SetWindow3d(int v, int s, int x, int y) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  voice->Mouse3dX = x;
  voice->Mouse3dY = y;
  return 0;
}

// An extent of 0 gives no spacing (0.0), whatever the drag position.
int TVoices::SetWindow3dSpacing(int v, int s, int a, int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 0;
  const int old = TruncToInt(voice->Spacing3d);
  float spacing = static_cast<float>(a) / static_cast<float>(b) * 70.0f;
  if (!(spacing >= 0.0f) || !std::isfinite(spacing)) spacing = 0.0f;
  voice->Spacing3d = spacing;
  return static_cast<float>(old) != spacing ? 1 : 0;
}
