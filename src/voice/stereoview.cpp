// The stereo waveform views: Display2DStereo and its variant Display2DStereox draw a
// stereo sub-voice as two lanes (left above, right below) with the window, the segment
// grid, the loop band or played wavetable part, the highlighted range with its
// markers, the playhead and a divider between the lanes.
#include <algorithm>

#include "platform/draw2d.h"
#include "voice/tracecolour.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

float F(int64_t value) { return static_cast<float>(value); }

// The two views differ only in the points the x flag selects (see the callers).
int DrawStereo(TVoice& voice, const std::shared_ptr<TChannel>& channel, int x, int y, int w,
               int h, int x2, int y2, int zoomed, int showHighlight, int r, int g, int b,
               bool variant) {
  const TViewSample sample = ViewSampleOf(voice);
  const int n = sample.length;
  int mode = voice.CurrDisplay;
  int64_t hs = -1;
  int64_t he = -1;
  int64_t la = voice.LoopStart;
  int64_t lb = voice.LoopEnd;
  const int k = ViewWaveLength(voice);
  if (k > 1) {
    const int64_t part = variant ? (2 * static_cast<int64_t>(n) / k) / 2 : n / k;
    la = ViewWaveTablePlayhead(channel) * part;
    lb = la + part;
  }
  if (showHighlight) {
    if (!variant) mode = 10;
    hs = voice.HighlightStart;
    he = voice.HighlightEnd;
  }
  int64_t ws = voice.WindowStart;
  int64_t we = voice.WindowEnd;
  if (we >= n || we <= ws || ws < 0) we = n;
  ws = std::max<int64_t>(ws, 0);
  if (variant && we == n) {
    hs = voice.HighlightStart;
    he = voice.HighlightEnd;
  }
  const int columns = w - 2;
  float step = F(n) / F(columns);
  float pos = 0.0f;
  const int size = std::max(voice.SegmentSize, 1);
  const float sw = F(size) / step;
  const int xr = x2 - 1;
  if (!variant && mode == 10 && we - ws < 200) we = ws + 200;
  if (zoomed) {
    pos = F(ws);
    step = F(we - ws) / F(columns);
  }
  if (variant) {
    if (mode == 10) {
      if (we - ws < 200) we = ws + 200;
    } else {
      ws = (ws / size) * size;
      we = ws + size;
    }
  }

  const int q = h / 4;
  const int leftMid = y + q;
  const int rightMid = variant ? y + h - q : y + h / 2 + q;
  const float scale = TraceScale(q - 2);
  DrawViewFrame(x, y, w, h, zoomed);
  SetAlpha(0.7f);
  bool playing = false;
  const int play = PlayTarget(channel, n + 1, &playing);
  bool playheadDrawn = !playing;

  int64_t f = PosIndex(pos);
  int previousLeft = TraceHeight(leftMid, sample.Frame(f, 0), scale);
  int previousRight = TraceHeight(rightMid, sample.Frame(f, 1), scale);
  SetColor(170, 170, 170);
  int wa = -1;
  int wb = -1;
  int markStart = -1;
  int markEnd = -1;
  bool rangeReached = false;
  const TTraceColouring colouring{.rangeStart = hs, .rangeEnd = he, .windowStart = ws,
                                  .windowEnd = we, .loopStart = la, .loopEnd = lb,
                                  .overview = !zoomed, .rangeEndAtFrame = true,
                                  .bandEndsAtFrame = variant, .top = y + 1,
                                  .bottom = y2 - 2, .red = r, .green = g, .blue = b};
  for (int i = 1; i <= columns; ++i) {
    const int c = x + i;
    f = PosIndex(pos);
    const float ff = F(f);
    const int heightLeft = TraceHeight(leftMid, sample.Frame(f, 0), scale);
    const int heightRight = TraceHeight(rightMid, sample.Frame(f, 1), scale);
    if (wa == -1 && f >= ws) wa = c;
    if (wb == -1 && f >= we) wb = c + 1;
    const bool inRange = hs <= f && f <= he;
    if (zoomed) {
      if (variant) {
        if (inRange) {
          if (markStart == -1 && ff < F(hs) + step) markStart = c;
          if (ff <= F(he) && F(he) <= ff + step) markEnd = c;
        }
      } else {
        if (!rangeReached && pos < F(hs) + step && hs >= 0) markStart = c;
        if (pos <= F(he) && F(he) <= pos + step) markEnd = c;
      }
    }
    if (ColourTraceColumn(colouring, c, pos)) rangeReached = true;
    DrawLine(F(x + i), F(previousLeft), F(x + i + 1), F(heightLeft));
    DrawLine(F(x + i), F(previousRight), F(x + i + 1), F(heightRight));
    previousLeft = heightLeft;
    previousRight = heightRight;
    if (!playheadDrawn && f >= play) {
      SetColor(255, 255, 0);
      DrawLine(F(c + 1), F(y + 1), F(c + 1), F(y2 - 1));
      playheadDrawn = true;
    }
    pos += step;
  }

  if (zoomed) {
    DrawRangeStart(markStart, y, y2 - 2);
    DrawRangeEnd(markEnd, y, y2 - 2);
  }
  SetAlpha(0.4f);
  SetColor(0, 0, 0);
  DrawLine(F(x), F(y + 2 * q), F(x + w), F(y + 2 * q));
  SetAlpha(0.2f);
  SetColor(190, 190, 190);
  DrawLine(F(x), F(y + 2 * q + 1), F(x + w), F(y + 2 * q + 1));
  if (!zoomed) {
    if (wb == -1) wb = xr;
    if (mode > 10) wb = TruncToInt(F(wa) + sw);
    DrawWindowBox(wa, wb, y, h);
    if (mode > 10) DrawSegmentGrid(x, y, y2, xr, sw, [](int, float) {});
  }
  return 0;
}

}  // namespace

int TVoices::Display2DStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                             int zoomed, int showHighlight, int r, int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  return DrawStereo(*voice, SlotChannel(v, s), x, y, w, h, x2, y2, zoomed, showHighlight, r, g,
                    b, false);
}

int TVoices::Display2DStereox(int v, int s, int x, int y, int w, int h, int x2, int y2,
                              int zoomed, int showHighlight, int r, int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  return DrawStereo(*voice, SlotChannel(v, s), x, y, w, h, x2, y2, zoomed, showHighlight, r, g,
                    b, true);
}
