// The drawn elements that the waveform views share: the view frame (background,
// outlines, inner shade), the labelled range markers, the overview's window box and
// its segment grid lines.
#include "framework/shapes.h"
#include "framework/drawstate.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "voice/viewcommon.h"

namespace {

void background(int x, int y, int w, int h, int zoomed) {
  const int grey = zoomed ? 30 : 90;
  SetColor(grey, grey, grey);
  DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
}

void outlines(int x, int y, int w, int h) {
  MSetCols(0, 0, 0, 30, 255, 255, 255, 50);
  MRoundFrame(x, y, w, h - 1, 0, 0, 0, 0);
  MSetCols(0, 0, 0, 150, 0, 0, 0, 100);
  MRoundFrame(x, y + 1, w, h - 3, 0, 0, 0, 0);
  glDisable(GL_TEXTURE_2D);
  SetAlpha(0.1f);
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(x + 1), static_cast<float>(y + 2), static_cast<float>(w - 2),
           static_cast<float>(h - 5));
}

}  // namespace

void DrawViewFrame(int x, int y, int w, int h, int zoomed) {
  background(x, y, w, h, zoomed);
  outlines(x, y, w, h);
}

void DrawViewFrameDivided(int x, int y, int w, int h, int x2, int zoomed) {
  background(x, y, w, h, zoomed);
  const float middle = static_cast<float>(y + h / 2);
  SetAlpha(0.2f);
  SetColor(0, 0, 0);
  DrawLine(static_cast<float>(x), middle, static_cast<float>(x2), middle);
  SetColor(255, 255, 255);
  DrawLine(static_cast<float>(x), middle + 1.0f, static_cast<float>(x2), middle + 1.0f);
  SetAlpha(0.7f);
  outlines(x, y, w, h);
}

void DrawRangeStart(int s, int y, int bottom) {
  if (s == -1) return;
  SetColor(255, 0, 0);
  DrawLine(static_cast<float>(s + 1), static_cast<float>(y + 1), static_cast<float>(s + 1),
           static_cast<float>(bottom));
  DrawRect(static_cast<float>(s + 1), static_cast<float>(y + 1), 50.0f, 40.0f);
  SetColor(255, 255, 255);
  DrawText("Range", static_cast<float>(s + 7), static_cast<float>(y + 5));
  DrawText("Start", static_cast<float>(s + 7), static_cast<float>(y + 20));
}

void DrawRangeEnd(int e, int y, int bottom) {
  if (e == -1) return;
  SetColor(255, 0, 0);
  DrawLine(static_cast<float>(e), static_cast<float>(y + 1), static_cast<float>(e),
           static_cast<float>(bottom));
  DrawRect(static_cast<float>(e - 50), static_cast<float>(y + 1), 50.0f, 40.0f);
  SetColor(255, 255, 255);
  DrawText("Range", static_cast<float>(e - 43), static_cast<float>(y + 5));
  DrawText("End", static_cast<float>(e - 33), static_cast<float>(y + 20));
}

void DrawWindowBox(int wa, int wb, int y, int h) {
  SetAlpha(0.2f);
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(wa), static_cast<float>(y), static_cast<float>(wb - wa),
           static_cast<float>(h));
  SetColor(190, 190, 190);
  SetAlpha(0.6f);
  MFrame(static_cast<float>(wa), static_cast<float>(y), static_cast<float>(wb - wa),
         static_cast<float>(h));
  SetAlpha(0.15f);
  SetColor(0, 0, 0);
}

void DrawGridLine(float g, int y, int y2) {
  DrawLine(g, static_cast<float>(y), g, static_cast<float>(y2 - 3));
}
