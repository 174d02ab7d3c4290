// The edit waveform views: Display2DEdit (mono) and Display2DEditStereo (two lanes)
// draw a sub-voice's edit window with the highlighted range, the loop and its
// cross-fade point, the playhead and the edit cursor, or the whole sample with the edit
// window boxed; GetTimeFrame answers where the mono cursor was last drawn.
#include <algorithm>
#include <string>

#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

float F(int64_t value) { return static_cast<float>(value); }

struct TEditResult {
  bool cursorDrawn = false;
  int timeFrame = 0;
  int timeFramePos = 0;
};

// Both forms in one: the stereo form works on interleaved value positions, every frame
// quantity doubled (`unit` 2), and reads the left and right value of a column's frame.
TEditResult DrawEdit(TVoice& voice, const std::shared_ptr<TChannel>& channel, int x, int y, int w,
                     int h, int x2, int y2, int zoomed, int r, int g, int b, int64_t cursor,
                     int decorate, bool stereo) {
  TEditResult result;
  const TViewSample sample = ViewSampleOf(voice);
  const int64_t unit = stereo ? 2 : 1;
  const int64_t n = sample.length * unit;
  int64_t es = voice.EditWindowStart * unit;
  int64_t ee = voice.EditWindowEnd * unit;
  const int64_t hs = voice.HighlightStart * unit;
  const int64_t he = voice.HighlightEnd * unit;
  const int64_t ls = voice.LoopStart * unit;
  const int64_t le = voice.LoopEnd * unit;
  const int64_t xf = voice.LoopXFade * unit;
  int markStart = -1;
  int markEnd = -1;
  int xc = -1;
  int lx = -1;
  bool playing = false;
  const int64_t target = static_cast<int64_t>(PlayTarget(channel, 0, &playing)) * unit;
  bool playheadDrawn = !playing;

  if (ee < 0 || !zoomed) {
    es = 0;
    ee = n;
  }
  float pos = F(es);
  const float step = F(ee - es) / F(w - 2);
  bool cursorPending = F(cursor) >= pos;
  const int mid = y + h / 2;
  const int q = h / 4;
  const int leftMid = y + q;
  const int rightMid = y + h / 2 + q;
  const float scale = stereo ? TraceScale(q - 2) : TraceScale(h / 2 - 2);

  if (decorate) {
    if (stereo)
      DrawViewFrameDivided(x, y, w, h, x2, zoomed);
    else
      DrawViewFrame(x, y, w, h, zoomed);
  }
  SetAlpha(0.7f);
  auto frameIndex = [&](float at) { return stereo ? TruncToInt64(at / 2.0f) : PosIndex(at); };
  auto valueLeft = [&](float at) {
    return stereo ? sample.Frame(frameIndex(at), 0) : sample.At(PosIndex(at));
  };
  int previous = TraceHeight(stereo ? leftMid : mid, valueLeft(pos), scale);
  int previousRight = stereo ? TraceHeight(rightMid, sample.Frame(frameIndex(pos), 1), scale) : 0;
  SetColor(170, 170, 170);
  if (!stereo) DrawLine(F(x), F(mid), F(x2), F(mid));

  bool rangeReached = false;
  for (int i = 1; i <= w - 2; ++i) {
    const int c = x + i;
    const int value = valueLeft(pos);
    const int height = TraceHeight(stereo ? leftMid : mid, value, scale);
    const int heightRight = stereo ? TraceHeight(rightMid, sample.Frame(frameIndex(pos), 1), scale) : 0;
    if (zoomed) {
      if (!rangeReached && pos < F(hs) + step && hs >= 0) markStart = c;
      if (pos <= F(he) && F(he) <= pos + step) markEnd = c;
    }
    if (F(hs) <= pos && pos <= F(he)) {
      rangeReached = true;
      SetColor(r, g, b);
      SetAlpha(0.5f);
      DrawLine(F(c + 1), F(y + 1), F(c + 1), F(y2 - 1));
      SetAlpha(1.0f);
      SetColor(190, 190, 190);
    } else {
      SetColor(170, 170, 170);
    }
    if (F(ls) <= pos && pos <= F(le)) {
      SetAlpha(0.13f);
      SetColor(255, 255, 255);
      DrawLine(F(c + 1), F(y + 1), F(c + 1), F(y2 - 1));
      SetAlpha(1.0f);
      lx = c + 1;
    }
    DrawLine(F(x + i), F(previous), F(x + i + 1), F(height));
    previous = height;
    if (stereo) {
      DrawLine(F(x + i), F(previousRight), F(x + i + 1), F(heightRight));
      previousRight = heightRight;
    }
    if (xf > 0 && pos >= F(xf) && xc == -1) {
      SetAlpha(0.5f);
      SetColor(0, 200, 0);
      DrawLine(F(c - 1), F(y), F(c - 1), F(y2));
      xc = c - 1;
    }
    if (!playheadDrawn && pos >= F(target)) {
      SetColor(255, 255, 0);
      DrawLine(F(c + 1), F(y + 1), F(c + 1), F(y2));
      playheadDrawn = true;
    }
    if (cursorPending && pos >= F(cursor)) {
      SetAlpha(1.0f);
      SetColor(255, 255, 255);
      if (zoomed && !stereo) {
        DrawText("Pos:" + std::to_string(PosIndex(pos)), F(c + 5), F(y2 - 32));
        DrawText("Val:" + std::to_string(value), F(c + 5), F(y2 - 16));
        result.cursorDrawn = true;
        result.timeFrame = TruncToInt(pos);
        result.timeFramePos = i - 1;
      }
      DrawLine(F(c - 1), F(y), F(c - 1), F(y2));
      SetColor(0, 0, 0);
      DrawLine(F(c), F(y), F(c), F(y2));
      cursorPending = false;
    }
    pos += step;
  }
  if (!decorate) return result;

  if (!zoomed) {
    int64_t bs = voice.EditWindowStart * unit;
    int64_t be = voice.EditWindowEnd * unit;
    if (be < 0) {
      bs = 0;
      be = n;
    }
    if (n > 0) {
      const float perValue = F(w) / F(n);
      const int bx = TruncToInt(F(bs) * perValue + F(x));
      const int bw = TruncToInt(F(be - bs + 1) * perValue);
      SetAlpha(0.2f);
      SetColor(0, 0, 0);
      DrawRect(F(bx), F(y), F(bw), F(h));
      SetColor(190, 190, 190);
      SetAlpha(0.6f);
      MFrame(F(bx), F(y), F(bw), F(h));
    }
    return result;
  }

  if (xc != -1) {
    const bool outside = xf > le || xf < ls;
    if (outside)
      SetColor(200, 0, 0);
    else
      SetColor(0, 200, 0);
    DrawLine(F(lx), F(y + 1), F(lx), F(y2 - 1));
    if (stereo) {
      const int half = y + h / 2;
      DrawLine(F(xc), F(y + 1), F(lx), F(half - 1));
      DrawLine(F(lx), F(y + 1), F(xc), F(half - 1));
      DrawLine(F(xc), F(half), F(lx), F(y2 - 1));
      DrawLine(F(lx), F(half), F(xc), F(y2 - 1));
    } else {
      DrawLine(F(xc), F(y + 1), F(lx), F(y2 - 1));
      DrawLine(F(lx), F(y + 1), F(xc), F(y2 - 1));
    }
    DrawRect(F(xc), F(y + 1), 50.0f, 40.0f);
    SetColor(255, 255, 255);
    DrawText("XFade", F(xc + 7), F(y + 5));
    if (outside) DrawText("Error", F(xc + 7), F(y + 20));
  }
  DrawRangeStart(markStart, y, y2 - 1);
  DrawRangeEnd(markEnd, y, y2 - 1);
  return result;
}

}  // namespace

int TVoices::Display2DEdit(int v, int s, int x, int y, int w, int h, int x2, int y2, int zoomed,
                           int r, int g, int b, int cursor, int decorate) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  if (voice->CurrChannel > 1) {
    const int doubled = cursor > 1073741823 ? 2147483647 : (cursor < -1073741824 ? -2147483647 - 1 : cursor * 2);
    Display2DEditStereo(v, s, x, y, w, h, x2, y2, zoomed, r, g, b, doubled, decorate);
    return 1;
  }
  const TEditResult drawn =
      DrawEdit(*voice, SlotChannel(v, s), x, y, w, h, x2, y2, zoomed, r, g, b, cursor, decorate, false);
  if (drawn.cursorDrawn) {
    ActualTimeFrame = drawn.timeFrame;
    ActualTimeFramePos = drawn.timeFramePos;
  }
  return decorate ? 0 : 1;
}

int TVoices::Display2DEditStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                 int zoomed, int r, int g, int b, int cursor, int decorate) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  DrawEdit(*voice, SlotChannel(v, s), x, y, w, h, x2, y2, zoomed, r, g, b, cursor, decorate, true);
  return decorate ? 0 : 1;
}

int TVoices::Display2DBeatSliceStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                      int zoomed, int r, int g, int b, int cursor, int decorate) {
  return 0;
}

int TVoices::GetTimeFrame(int v, int s) {
  const TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const int64_t limit = static_cast<int64_t>(voice->SoundLength()) * voice->CurrChannel;
  return ActualTimeFrame < limit ? ActualTimeFrame : -1;
}
