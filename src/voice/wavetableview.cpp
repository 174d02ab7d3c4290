// The wavetable views: DisplayHarmonicTable draws one wavetable of a sub-voice (one
// table-length stretch of its sample) with a scale, its number and its A/B mark;
// DisplayHarmonicTables draws all wavetables as a slanted, receding pile.
#include <algorithm>
#include <string>

#include "framework/drawstate.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "voice/viewcommon.h"
#include "voice/voices.h"

namespace {

float F(int64_t value) { return static_cast<float>(value); }

// Tick m (1..17) across the scale: long ones on odd m.
void DrawTick(float tx, int m, int y, int y2, int mid, int q1, int q3) {
  const float reach = (m % 2 == 1) ? 10.0f : 5.0f;
  for (const int centre : {mid, q1, q3}) DrawLine(tx, F(centre) - reach, tx, F(centre) + reach);
  DrawLine(tx, F(y + 5), tx, F(y + 5) + reach);
  DrawLine(tx, F(y2 - 5), tx, F(y2 - 5) - reach);
}

}  // namespace

int TVoices::DisplayHarmonicTable(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                  int amount, int table, int lineOn, int lx1, int ly1, int lx2,
                                  int ly2) {
  SetColor(25, 25, 25);
  DrawRect(F(x), F(y), F(w), F(h));
  glDisable(GL_TEXTURE_2D);
  MSetCols(0, 0, 0, 40, 0, 0, 0, 0);
  MRectFade(x, y, w, 40);
  MSetCols(0, 0, 0, 0, 0, 0, 0, 40);
  MRectFade(x, y + h - 40, w, 40);
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;

  const TViewSample sample = ViewSampleOf(*voice);
  const int64_t n = std::max(GetWavetableAmount(amount), 1);
  const int mid = y + h / 2;
  const int q1 = y + h / 4;
  const int q3 = y + 3 * (h / 4);
  const float scale = 32767.0f / (F(h) / 2.1f);
  const int64_t length = static_cast<int64_t>(sample.length) * (voice->CurrChannel == 2 ? 2 : 1);
  const int64_t tableLength = length / n;
  const int64_t start = SatMul(static_cast<int64_t>(table) - 1, tableLength);
  const float advance = (F(length) / F(n)) / F(w - 10);

  const std::string title = "This is wavetable " + std::to_string(table);
  SetColor(0, 0, 0);
  MFrame(F(x), F(y), F(w), F(h));
  DrawText(title, F(x + 10), F(y + 16));
  SetColor(100, 100, 100);
  DrawLine(F(x), F(mid), F(x2), F(mid));
  SetColor(60, 60, 60);
  DrawLine(F(x), F(q1), F(x2), F(q1));
  DrawLine(F(x), F(q3), F(x2), F(q3));
  DrawText(title, F(x + 10), F(y + 15));
  const bool markA = voice->MarkA == table - 1;
  const bool markB = voice->MarkB == table - 1;
  if (markA && markB)
    DrawText("Marked A & B", F(x + 10), F(y + 30));
  else if (markA)
    DrawText("Marked A", F(x + 10), F(y + 30));
  else if (markB)
    DrawText("Marked B", F(x + 10), F(y + 30));

  float tx = F(x + 5);
  const float tickStep = F(w - 10) / 16.0f;
  for (int m = 1; m <= 17; ++m) {
    DrawTick(tx, m, y, y2, mid, q1, q3);
    tx += tickStep;
  }
  if (lineOn != 0 && lx1 >= 0) {
    AppHL.SetFG();
    DrawLine(F(x + lx1), F(y + ly1), F(x + lx2), F(y + ly2));
  }

  // Values at or past the sample's end read as 0 (the last table ends there).
  auto valueAt = [&](float at) { return at >= F(length) ? 0 : sample.At(PosIndex(at)); };
  SetColor(250, 250, 190);
  float pos = F(start);
  int previous = TruncToInt(F(mid) - F(valueAt(pos)) / scale);
  for (int i = 1; i <= w - 10; ++i) {
    const int next = TruncToInt(F(mid) - F(valueAt(pos)) / scale);
    DrawLine(F(x + i + 4), F(previous), F(x + i + 5), F(next));
    previous = next;
    pos += advance;
  }
  return 0;
}

int TVoices::DisplayHarmonicTables(int v, int s, int x, int y, int w, int h, int x2, int y2,
                                   int amount, int current) {
  TVoice* voice = SlotVoice(v, s);
  if (!voice) return 1;
  const TViewSample sample = ViewSampleOf(*voice);
  const int n = std::max(GetWavetableAmount(amount), 1);
  const int halfW = w / 2;
  const int e = h / 8;
  float base = F(y2 - (h / 2) / 2 - (h / 2) / 4);
  float shift = 0.0f;
  const float dX = F(halfW) / F(n);
  const float dY = F(4 * e) / F(n);
  const float slant = F(e) / F(halfW);
  // A pile under 8 pixels high has no amplitude room: the scale stays finite.
  const float scale = static_cast<float>(32767 / std::max(e, 1));
  const int64_t length = static_cast<int64_t>(sample.length) * (voice->CurrChannel == 2 ? 2 : 1);
  const float advance = (F(length) / F(n)) / F(halfW);
  auto valueAt = [&](float at) { return at >= F(length) ? 0 : sample.At(PosIndex(at)); };

  for (int t = 1; t <= n; ++t) {
    const int64_t start = (t - 1) * (length / n);
    float pos = F(start);
    int previous = TruncToInt(base - F(valueAt(pos)) / scale);
    if (t == current)
      SetColor(255, 40, 40);
    else if (t == voice->MarkA + 1)
      SetColor(255, 40, 255);
    else if (t == voice->MarkB + 1)
      SetColor(40, 255, 255);
    else
      SetColor(140, 140, 140);
    for (int i = 1; i <= halfW; i += 4) {
      const int next = TruncToInt(F(i) * slant + (base - F(valueAt(pos)) / scale));
      DrawLine(F(x + i - 5) + shift, F(previous), F(x + i) + shift, F(next));
      previous = next;
      pos += 4.0f * advance;
    }
    shift += dX;
    base -= dY;
  }

  const float legend = F(y2 - 15);
  SetColor(140, 140, 140);
  DrawText("Marks", F(x), legend);
  if (voice->MarkA < 0) {
    DrawText("A:-", F(x + 50), legend);
  } else {
    SetColor(255, 40, 255);
    DrawText("A:" + std::to_string(static_cast<int64_t>(voice->MarkA) + 1), F(x + 50), legend);
  }
  if (voice->MarkB < 0) {
    SetColor(140, 140, 140);
    DrawText("B:-", F(x + 100), legend);
  } else {
    SetColor(40, 255, 255);
    DrawText("B:" + std::to_string(static_cast<int64_t>(voice->MarkB) + 1), F(x + 100), legend);
  }
  return 0;
}
