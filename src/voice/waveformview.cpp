// The waveform view: Display2D (the main view of a sub-voice's window, or an overview
// strip of the whole sample with the window boxed, handing segment, 3D and stereo
// views over to their own operations) and the combined views, which draw a sub-voice
// against a time span of the caller's.
#include <algorithm>

#include "framework/drawstate.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "voice/tracecolour.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

float F(int64_t value) { return static_cast<float>(value); }

// The mono 2D view (the selection has already chosen it).
void DrawMono2D(TVoice& voice, const std::shared_ptr<TChannel>& channel, int x, int y, int w,
                int h, int x2, int y2, int zoomed, int mode, int hs, int he, int la, int lb,
                int r, int g, int b) {
  const TViewSample sample = ViewSampleOf(voice);
  const int n = sample.length;
  int64_t ws = voice.WindowStart;
  int64_t we = voice.WindowEnd;
  if (we >= n || we <= ws || ws < 0) we = n;
  ws = std::max<int64_t>(ws, 0);
  const int columns = w - 2;
  float step = F(n) / F(columns);
  float pos = 0.0f;
  const int size = std::max(voice.SegmentSize, 1);
  const float sw = F(size) / step;
  const int xr = x2 - 1;

  DrawViewFrame(x, y, w, h, zoomed);
  SetAlpha(0.7f);
  bool playing = false;
  const int play = PlayTarget(channel, n + 1, &playing);

  if (mode == 10) {
    if (we > -1 && we - ws < 400) we = ws + 400;
  } else {
    ws = (ws / size) * size;
    we = ws + size;
  }
  if (zoomed) {
    pos = F(ws);
    step = F(we - ws) / F(columns);
  }

  const int mid = y + h / 2;
  const float scale = TraceScale(h / 2 - 2);
  int previous = TraceHeight(mid, sample.At(PosIndex(pos)), scale);
  SetColor(170, 170, 170);
  int wa = -1;
  int wb = -1;
  bool playheadDrawn = !playing;
  const TTraceColouring colouring{.rangeStart = hs, .rangeEnd = he, .windowStart = ws,
                                  .windowEnd = we, .loopStart = la, .loopEnd = lb,
                                  .overview = !zoomed, .top = y + 1, .bottom = y2 - 2,
                                  .red = r, .green = g, .blue = b};
  for (int i = 1; i <= columns; ++i) {
    const int c = x + i;
    const int height = TraceHeight(mid, sample.At(PosIndex(pos)), scale);
    if (wa == -1 && pos >= F(ws)) wa = c;
    if (wb == -1 && pos >= F(we)) wb = c + 1;
    ColourTraceColumn(colouring, c, pos);
    DrawLine(F(x + i), F(previous), F(x + i + 1), F(height));
    previous = height;
    if (!playheadDrawn && pos >= F(play)) {
      SetColor(255, 255, 0);
      DrawLine(F(c + 1), F(y + 1), F(c + 1), F(y2 - 1));
      playheadDrawn = true;
    }
    pos += step;
  }

  if (zoomed) return;
  if (wb == -1) wb = xr;
  if (mode > 10) wb = TruncToInt(F(wa) + sw);
  DrawWindowBox(wa, wb, y, h);
  if (mode > 10) {
    voice.CurrSegment = -1;
    DrawSegmentGrid(x, y, y2, xr, sw, [&](int j, float line) {
      if (voice.CurrSegment == -1 && line >= F(wa)) voice.CurrSegment = j;
    });
  }
}

void EdgeFades(int x, int y, int h, int x2) {
  MSetCols(0, 0, 0, 40, 0, 0, 0, 0);
  MRectH(x, y, 60, h);
  MSetCols(0, 0, 0, 0, 0, 0, 0, 40);
  MRectH(x2 - 61, y, 60, h);
  glDisable(GL_TEXTURE_2D);
}

// The playhead, drawn once: at the first column whose position reaches the play target.
void PlayheadOnce(bool& drawn, float pos, int play, int column, int y, int y2) {
  if (drawn || !(pos >= F(play))) return;
  SetColor(255, 255, 0);
  DrawLine(F(column), F(y + 1), F(column), F(y2 - 1));
  SetColor(170, 170, 170);
  drawn = true;
}

}  // namespace

int TVoices::Display2D(int v, int s, int x, int y, int w, int h, int x2, int y2, int zoomed,
                       int showHighlight, int r, int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const std::shared_ptr<TChannel> channel = SlotChannel(v, s);
  int mode = voice->CurrDisplay;
  int hs = -1;
  int he = -1;
  const int n = voice->SoundLength();
  int la = voice->LoopStart;
  int lb = voice->LoopEnd;
  const int k = ViewWaveLength(*voice);
  if (k > 1) {
    const int part = n / k;
    la = ViewWaveTablePlayhead(channel) * part;
    lb = la + part;
  }
  if (showHighlight) {
    mode = 10;
    hs = voice->HighlightStart;
    he = voice->HighlightEnd;
  }
  const bool stereo = voice->CurrChannel > 1;
  if (zoomed) {
    if (mode == 12) return Display3dTrue(v, s, x, y, w, h, x2, y2, r, g, b);
    if (mode == 11) return Display3d(v, s, x, y, w, h, x2, y2, r, g, b);
    if (mode == 14)
      return stereo ? DisplaySegmentsStereo(v, s, x, y, w, h, x2, y2, r, g, b)
                    : DisplaySegments(v, s, x, y, w, h, x2, y2, r, g, b);
    if (mode == 13)
      return stereo ? DisplaySegmentStereo(v, s, x, y, w, h, x2, y2, r, g, b)
                    : DisplaySegment(v, s, x, y, w, h, x2, y2, r, g, b);
  }
  if (stereo) return Display2DStereo(v, s, x, y, w, h, x2, y2, zoomed, showHighlight, r, g, b);
  DrawMono2D(*voice, channel, x, y, w, h, x2, y2, zoomed, mode, hs, he, la, lb, r, g, b);
  return 0;
}

int TVoices::DisplayCombine2D(int v, int s, int x, int y, int w, int h, int x2, int y2, int a,
                              int b, int c, int span, int background) {
  if (background) {
    SetColor(30, 30, 30);
    DrawRect(F(x), F(y), F(w), F(h));
  }
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  if (voice->CurrChannel > 1)
    return DisplayCombine2DStereo(v, s, x, y, w, h, x2, y2, a, b, c, span, background);
  const TViewSample sample = ViewSampleOf(*voice);
  const int n = sample.length;
  const int m = std::min(n, span);
  const int mid = y + h / 2;
  const float scale = TraceScale(h / 2 - 2);
  glDisable(GL_TEXTURE_2D);
  SetAlpha(0.7f);
  bool playing = false;
  const int play = PlayTarget(SlotChannel(v, s), m + 1, &playing);
  bool playheadDrawn = !playing;
  float pos = 0.0f;
  const float step = F(span) / F(w - 2);
  int previous = TraceHeight(mid, sample.At(0), scale);
  SetColor(170, 170, 170);
  for (int i = 1; i <= w - 2; ++i) {
    if (pos >= F(m)) {
      DrawLine(F(x + i), F(mid), F(x + i + 1), F(mid));
    } else {
      const int height = TraceHeight(mid, sample.At(PosIndex(pos)), scale);
      DrawLine(F(x + i), F(previous), F(x + i + 1), F(height));
      previous = height;
      PlayheadOnce(playheadDrawn, pos, play, x + i + 1, y, y2);
    }
    pos += step;
  }
  EdgeFades(x, y, h, x2);
  return m;
}

int TVoices::DisplayCombine2DStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                    int a, int b, int c, int span, int background) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const TViewSample sample = ViewSampleOf(*voice);
  const int n = sample.length;
  span = std::max(span, n);
  const int q = h / 4;
  const int left = y + q;
  const int right = y + h / 2 + q;
  const float scale = TraceScale(q - 2);
  glDisable(GL_TEXTURE_2D);
  SetAlpha(0.7f);
  bool playing = false;
  const int play = PlayTarget(SlotChannel(v, s), n + 1, &playing);
  bool playheadDrawn = !playing;
  float pos = 0.0f;
  const float step = F(span) / F(w - 2);
  int previousLeft = TraceHeight(left, sample.Frame(0, 0), scale);
  int previousRight = TraceHeight(right, sample.Frame(0, 1), scale);
  SetColor(170, 170, 170);
  for (int i = 1; i <= w - 2; ++i) {
    const int64_t f = PosIndex(pos);
    if (f >= n) {
      DrawLine(F(x + i), F(left), F(x + i + 1), F(left));
      DrawLine(F(x + i), F(right), F(x + i + 1), F(right));
    } else {
      const int heightLeft = TraceHeight(left, sample.Frame(f, 0), scale);
      const int heightRight = TraceHeight(right, sample.Frame(f, 1), scale);
      DrawLine(F(x + i), F(previousLeft), F(x + i + 1), F(heightLeft));
      DrawLine(F(x + i), F(previousRight), F(x + i + 1), F(heightRight));
      previousLeft = heightLeft;
      previousRight = heightRight;
      PlayheadOnce(playheadDrawn, pos, play, x + i + 1, y, y2);
    }
    pos += step;
  }
  EdgeFades(x, y, h, x2);
  return span;
}
