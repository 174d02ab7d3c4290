// The trace colouring of the waveform views. Positions and frame numbers are compared as
// doubles, which hold both exactly: a frame number rounded to float first would move an
// edge by a column once it lies past 2^24 frames.
#include "voice/tracecolour.h"

#include "platform/draw2d.h"
#include "voice/viewcommon.h"

namespace {

void MarkColumn(const TTraceColouring& t, int c) {
  const float line = static_cast<float>(c + 1);
  DrawLine(line, static_cast<float>(t.top), line, static_cast<float>(t.bottom));
}

bool Between(int64_t start, double startAt, double endAt, int64_t end) {
  return static_cast<double>(start) <= startAt && endAt <= static_cast<double>(end);
}

}  // namespace

bool ColourTraceColumn(const TTraceColouring& t, int c, float pos) {
  // A start compares alike either way: a whole frame reaches it exactly when the position does.
  const double exact = pos;
  const double frame = static_cast<double>(PosIndex(pos));
  const double rangeEndAt = t.rangeEndAtFrame ? frame : exact;
  const double bandEndAt = t.bandEndsAtFrame ? frame : exact;
  const bool inRange = Between(t.rangeStart, exact, rangeEndAt, t.rangeEnd);
  if (inRange) {
    SetColor(t.red, t.green, t.blue);
    SetAlpha(0.5f);
    MarkColumn(t, c);
    SetAlpha(1.0f);
    SetColor(190, 190, 190);
  } else {
    SetColor(170, 170, 170);
    if (t.overview && Between(t.windowStart, exact, bandEndAt, t.windowEnd)) SetColor(255, 40, 40);
  }
  if (Between(t.loopStart, exact, bandEndAt, t.loopEnd)) {
    SetAlpha(0.13f);
    SetColor(255, 255, 255);
    MarkColumn(t, c);
    SetAlpha(1.0f);
  }
  return inRange;
}
