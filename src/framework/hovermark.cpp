// The hover mark the control renderers draw over a page's live control (a flash or the
// triple highlight frame), and the square point test of round controls.
#include <cstdint>

#include "framework/drawstate.h"
#include "framework/imagecontrols.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"

namespace {

constexpr float kFlashLineWidth = 5.0f;

bool Flashing() { return AppControlFlash == 1 || AppControlFlash > 2; }

void Outline(int x, int y, int w, int h) {
  MFrame(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
         static_cast<float>(h));
}

}  // namespace

int MCheckOver(int x, int y, int w, int h, int over) {
  if (over == 0) {
    SetAlpha(g_fAlpha);
    return 0;
  }
  SetViewport(x, y, w, h);
  AppHL.SetFG();
  if (Flashing()) {
    AppFlashX = x + w / 2;
    AppFlashY = y + h / 2;
    SetAlpha(0.5f * g_fAlpha);
    DrawRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
             static_cast<float>(h));
    SetLineWidth(kFlashLineWidth);
    SetAlpha(1.0f);
    Outline(x, y, w, h);
    SetLineWidth(1.0f);
  } else if (AppShowCtrlHighlight != 0) {
    SetAlpha(0.5f * g_fAlpha);
    Outline(x, y, w, h);
    SetAlpha(0.45f * g_fAlpha);
    Outline(x + 1, y + 1, w - 2, h - 2);
    SetAlpha(0.3f * g_fAlpha);
    Outline(x + 2, y + 2, w - 4, h - 4);
  }
  return 0;
}

int MCheckCircHit(int cx, int cy, int r, int px, int py) {
  // Wide arithmetic: a far-off point must not overflow the edges.
  const int64_t r64 = r;
  const bool across = int64_t{cx} - r64 < px && px < int64_t{cx} + r64;
  const bool down = int64_t{cy} - r64 < py && py < int64_t{cy} + r64;
  return across && down ? 1 : 0;
}
