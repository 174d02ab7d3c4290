// Frames, boxes and the checkerboard, drawn with the 2D module's lines and rectangles.
#include <cmath>

#include "framework/drawstate.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

constexpr float kBevelAlpha = 0.3f;

}  // namespace

int MFrame(float x, float y, float w, float h) {
  const float x2 = x + w - 1.0f;
  const float y2 = y + h - 1.0f;
  DrawLine(x, y, x2, y);
  DrawLine(x2, y, x2, y2);
  DrawLine(x2, y2, x, y2);
  DrawLine(x, y2, x, y);
  return 0;
}

int MFrame3d(int x, int y, int w, int h, int pressed) {
  const float left = static_cast<float>(x);
  const float top = static_cast<float>(y);
  const float right = static_cast<float>(x + w - 1);
  const float bottom = static_cast<float>(y + h - 1);
  const int light = pressed == 0 ? 255 : 0;
  SetAlpha(kBevelAlpha * g_fAlpha);
  SetColor(light, light, light);
  DrawLine(left, bottom, left, top);
  DrawLine(left, top, right, top);
  SetColor(255 - light, 255 - light, 255 - light);
  DrawLine(right, top, right, bottom);
  DrawLine(right, bottom, left, bottom);
  SetAlpha(g_fAlpha);
  return 0;
}

int MNullBox(float x, float y, float w, float h) {
  SetAlpha(0.1f);
  SetColor(1, 1, 1);
  DrawRect(x + 1.0f, y + 1.0f, w - 2.0f, h - 2.0f);
  SetAlpha(1.0f);
  SetColor(10, 10, 10);
  MFrame(x, y, w, h);
  DrawLine(x, y, x + w, y + h);
  DrawLine(x, y + h, x + w, y);
  return 0;
}

int MColorBox(float x, float y, float w, float h, float cell, int r, int g, int b, int a) {
  MAlphaGrid(x, y + 1.0f, w, h - 1.0f, cell);
  SetAlpha(static_cast<float>(a) / 255.0f);
  SetColor(r, g, b);
  DrawRect(x + 1.0f, y + 1.0f, w - 2.0f, h - 2.0f);
  SetAlpha(1.0f);
  SetColor(10, 10, 10);
  MFrame(x, y, w, h);
  return 0;
}

int MAlphaGrid(float x, float y, float w, float h, float cell) {
  if (!(cell > 0.0f)) return 0;
  const float right = x + w;
  const float bottom = y + h;
  int row = 0;
  int top = TruncToInt(y);
  while (true) {
    const float cellHeight =
        static_cast<float>(top) + cell > bottom ? bottom - static_cast<float>(top) : cell;
    float cellWidth = cell;
    int count = row;
    int left = TruncToInt(x + 1.0f);
    while (true) {
      if (static_cast<float>(left) + cellWidth > right) cellWidth = right - static_cast<float>(left);
      const int grey = count % 2 == 0 ? 128 : 200;
      SetColor(grey, grey, grey);
      DrawRect(static_cast<float>(left), static_cast<float>(top), cellWidth, cellHeight);
      ++count;
      // A start that truncation keeps in place (a cell below one pixel, a huge
      // coordinate) would never reach the limit: the row ends there.
      const int next = TruncToInt(static_cast<float>(left) + cell);
      if (next <= left || !(static_cast<float>(next) < right)) break;
      left = next;
    }
    ++row;
    const int next = TruncToInt(static_cast<float>(top) + cell);
    if (next <= top || !(static_cast<float>(next) < bottom)) break;
    top = next;
  }
  return 0;
}
