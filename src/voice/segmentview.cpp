// The segment views: the single segment view (DisplaySegment, DisplaySegmentStereo)
// draws segment CurrSegment large; the segment grid (DisplaySegments,
// DisplaySegmentsStereo) draws the first 120 segments as 10 x 12 cells, marks the one
// at which the view window starts and writes its number to CurrSegment.
//
// Positions are 16-bit value positions: for a stereo sample every frame quantity is
// doubled first.
#include <algorithm>

#include "framework/palette.h"
#include "platform/draw2d.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

constexpr int kGridColumns = 10;
constexpr int kGridRows = 12;

float F(int64_t value) { return static_cast<float>(value); }

struct TSegmentData {
  TViewSample sample;
  int64_t unit = 1;
  int64_t len = 0;   // values
  int64_t size = 1;  // values
  int64_t step = 1;
  int64_t ws = 0;    // values
  int64_t playhead = 0;
  bool playing = false;

  bool Current(int64_t start) const {
    const int64_t span = SatMul(size, step);
    return start == ws || (start - span < ws && ws < start);
  }
};

// A size or step below 1 counts as 1.
TSegmentData Read(const TVoice& voice, const std::shared_ptr<TChannel>& channel) {
  TSegmentData d;
  d.sample = ViewSampleOf(voice);
  d.unit = voice.CurrChannel == 2 ? 2 : 1;
  d.len = static_cast<int64_t>(d.sample.length) * d.unit;
  d.size = static_cast<int64_t>(std::max(voice.SegmentSize, 1)) * d.unit;
  d.step = std::max(voice.SegmentStep, 1);
  d.ws = static_cast<int64_t>(std::max(voice.WindowStart, 0)) * d.unit;
  d.playhead = static_cast<int64_t>(PlayTarget(channel, 0, &d.playing)) * d.unit;
  return d;
}

struct TCell {
  int cx = 0;  // columns are drawn from cx + i
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int mid = 0;
  float fillW = 0.0f;
  float fillH = 0.0f;
};

// Fill, outline and centre line; leaves the trace colour set.
void DrawCellFrame(const TCell& cell, bool current) {
  if (current) {
    AppHL.SetFG();
    SetAlpha(0.3f);
    DrawRect(F(cell.left), F(cell.top), cell.fillW, cell.fillH);
    SetAlpha(1.0f);
    AppHL.SetFG();
  } else {
    SetColor(40, 40, 40);
    DrawRect(F(cell.left), F(cell.top), cell.fillW, cell.fillH);
    SetColor(50, 50, 50);
  }
  DrawLine(F(cell.left), F(cell.top), F(cell.right), F(cell.top));
  DrawLine(F(cell.left), F(cell.top), F(cell.left), F(cell.bottom));
  DrawLine(F(cell.left), F(cell.bottom), F(cell.right), F(cell.bottom));
  DrawLine(F(cell.right), F(cell.top), F(cell.right), F(cell.bottom));
  SetColor(50, 50, 50);
  DrawLine(F(cell.left), F(cell.mid), F(cell.right), F(cell.mid));
  if (current)
    SetColor(255, 40, 40);
  else
    SetColor(160, 160, 160);
}

// The playhead once per draw: in the first column at or past the play position.
void PlayheadTest(TSegmentData& d, const TCell& cell, int i, float pos, bool& drawn) {
  if (drawn || !(F(d.playhead) <= pos && pos < F(d.len))) return;
  SetColor(255, 255, 0);
  DrawLine(F(cell.cx + i + 3), F(cell.top + 1), F(cell.cx + i + 3), F(cell.bottom - 1));
  drawn = true;
}

// One trace through consecutive values from start (the single view, stereo included).
void DrawTrace(TSegmentData& d, const TCell& cell, int64_t start, int lastColumn, float advance,
               float base, float scale, bool& playheadDrawn) {
  float pos = F(start);
  auto valueAt = [&](float at) { return at >= F(d.len) ? 0 : d.sample.At(PosIndex(at)); };
  int y0 = TruncToInt(base - F(valueAt(pos)) / scale);
  for (int i = 2; i <= lastColumn; ++i) {
    const int y1 = TruncToInt(base - F(valueAt(pos)) / scale);
    DrawLine(F(cell.cx + i), F(y0), F(cell.cx + i + 1), F(y1));
    PlayheadTest(d, cell, i, pos, playheadDrawn);
    pos += advance;
    y0 = y1;
  }
}

// Two traces, left and right channel, each column reading the even position's pair.
void DrawTracePair(TSegmentData& d, const TCell& cell, int64_t start, int lastColumn,
                   float advance, float leftBase, float rightBase, float scale,
                   bool& playheadDrawn) {
  float pos = F(start);
  auto valueAt = [&](float at, int lane) {
    if (at >= F(d.len)) return 0;
    return d.sample.At(2 * TruncToInt64(at / 2.0f) + lane);
  };
  int left0 = TruncToInt(leftBase - F(d.sample.At(2 * (start / 2))) / scale);
  int right0 = TruncToInt(rightBase - F(d.sample.At(2 * (start / 2) + 1)) / scale);
  for (int i = 2; i <= lastColumn; ++i) {
    const int left1 = TruncToInt(leftBase - F(valueAt(pos, 0)) / scale);
    const int right1 = TruncToInt(rightBase - F(valueAt(pos, 1)) / scale);
    DrawLine(F(cell.cx + i), F(left0), F(cell.cx + i + 1), F(left1));
    DrawLine(F(cell.cx + i), F(right0), F(cell.cx + i + 1), F(right1));
    PlayheadTest(d, cell, i, pos, playheadDrawn);
    pos += advance;
    left0 = left1;
    right0 = right1;
  }
}

int DrawSingle(TVoice& voice, const std::shared_ptr<TChannel>& channel, int x, int y, int w, int h) {
  TSegmentData d = Read(voice, channel);
  // The advance is taken in frames and doubled with the rest for stereo.
  const float advance = F(d.size / d.unit) / F(w - 5) * F(d.unit);
  SetColor(30, 30, 30);
  DrawRect(F(x), F(y), F(w), F(h));
  const int64_t start = SatMul(SatMul(d.size, d.step), voice.CurrSegment);
  if (start < 0 || start >= d.len) return 0;
  TCell cell;
  cell.cx = x;
  cell.left = x + 2;
  cell.top = y + 2;
  cell.right = x + w - 3;
  cell.bottom = y + h - 3;
  cell.mid = y - 2 + h / 2;
  cell.fillW = F(w - 4);
  cell.fillH = F(h - 4);
  DrawCellFrame(cell, d.Current(start));
  const float scale = static_cast<float>(32767 / std::max(h / 2 - 8, 1));
  bool playheadDrawn = !d.playing;
  DrawTrace(d, cell, start, w - 5, advance, F(cell.mid), scale, playheadDrawn);
  return 0;
}

int DrawGrid(TVoice& voice, const std::shared_ptr<TChannel>& channel, int x, int y, int w, int h,
             bool stereo) {
  TSegmentData d = Read(voice, channel);
  const float cw = F(w / kGridColumns);
  const float ch = F(h / kGridRows);
  const float advance = F(d.size / d.unit) / (cw - 5.0f) * F(d.unit);
  SetColor(30, 30, 30);
  DrawRect(F(x), F(y), F(w), F(h));
  bool playheadDrawn = !d.playing;
  const float scale = 32767.0f / std::max(stereo ? ch / 4.0f - 8.0f : ch / 2.0f - 8.0f, 1.0f);
  const int lastColumn = TruncToInt(cw - 5.0f);
  const int q = TruncToInt(ch / 4.0f);
  int top = y + 2;
  int bottom = TruncToInt(F(y) + ch - 3.0f);
  int mid = TruncToInt(ch / 2.0f + F(y - 2));
  int leftBase = y + 2 + q;
  int rightBase = y + 3 * q;
  const int64_t cellSpan = SatMul(d.size, d.step);
  for (int row = 0; row < kGridRows; ++row) {
    int left = x + 2;
    int right = TruncToInt(F(x) + cw - 3.0f);
    for (int column = 0; column < kGridColumns; ++column) {
      const int64_t start = SatMul(row * kGridColumns + column, cellSpan);
      if (start < d.len) {
        TCell cell;
        cell.cx = left - 2;
        cell.left = left;
        cell.top = top;
        cell.right = right;
        cell.bottom = bottom;
        cell.mid = mid;
        cell.fillW = cw - 4.0f;
        cell.fillH = ch - 4.0f;
        const bool current = d.Current(start);
        DrawCellFrame(cell, current);
        if (current) voice.CurrSegment = static_cast<int>(std::min<int64_t>(start / d.size, 2147483647));
        if (stereo)
          DrawTracePair(d, cell, start, lastColumn, advance, F(leftBase), F(rightBase), scale,
                        playheadDrawn);
        else
          DrawTrace(d, cell, start, lastColumn, advance, F(mid), scale, playheadDrawn);
      }
      left = TruncToInt(F(left) + cw);
      right = TruncToInt(F(right) + cw);
    }
    top = TruncToInt(F(top) + ch);
    bottom = TruncToInt(F(bottom) + ch);
    mid = TruncToInt(F(mid) + ch);
    leftBase = TruncToInt(F(leftBase) + ch);
    rightBase = TruncToInt(F(rightBase) + ch);
  }
  return 0;
}

}  // namespace

int TVoices::DisplaySegment(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                            int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  return voice ? DrawSingle(*voice, SlotChannel(v, s), x, y, w, h) : 1;
}

int TVoices::DisplaySegmentStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                  int r, int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  return voice ? DrawSingle(*voice, SlotChannel(v, s), x, y, w, h) : 1;
}

int TVoices::DisplaySegments(int v, int s, int x, int y, int w, int h, int x2, int y2, int r,
                             int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  return voice ? DrawGrid(*voice, SlotChannel(v, s), x, y, w, h, false) : 1;
}

int TVoices::DisplaySegmentsStereo(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                   int r, int g, int b) {
  TVoice* voice = SlotVoice(v, s);
  return voice ? DrawGrid(*voice, SlotChannel(v, s), x, y, w, h, true) : 1;
}
