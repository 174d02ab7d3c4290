// TMUIDraw2's value-showing companions of DrawControl: the distance of two points, the
// image fader's thumb and the rotary knob drawn from a two-frame strip.
#include <cmath>

#include "framework/imagecache.h"
#include "framework/imagecontrols.h"
#include "framework/muidraw2.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

// value / (max - min) * scale; 0 for an empty range, which has no defined position.
float OfRange(float scale, int min, int max, int value) {
  if (max == min) return 0.0f;
  return scale / static_cast<float>(static_cast<int64_t>(max) - min) * static_cast<float>(value);
}

bool HoldsImage(int slot) { return Images && Images->Holds(slot); }

}  // namespace

float TMUIDraw2::GetDistance(float x1, float y1, float z1, float x2, float y2, float z2) {
  const float dx = x2 - x1, dy = y2 - y1, dz = z2 - z1;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// The thumb's top; false when there is no image to draw.
static bool FaderThumb(int y, int h, int slot, int min, int max, int pos, int& top, int& ih) {
  if (slot < 0 || !HoldsImage(slot)) return false;
  ih = Images->GetHeight(slot);
  const int q = ih / 6;
  const int upper = y + q;
  const int lower = y + h - ih - q;
  top = lower - TruncToInt(OfRange(static_cast<float>(lower - upper), min, max, pos));
  return true;
}

int TMUIDraw2::DrawImageFader(int x, int y, int w, int h, int slot, int min, int max, int pos) {
  int top = 0, ih = 0;
  if (FaderThumb(y, h, slot, min, max, pos, top, ih)) MImage(x, top, w, ih, slot, "");
  return 0;
}

int TMUIDraw2::DrawImageFaderCol(int x, int y, int w, int h, int slot, int min, int max, int pos) {
  int top = 0, ih = 0;
  if (FaderThumb(y, h, slot, min, max, pos, top, ih))
    MImageFrameCol(x, top, w, ih, slot, "", Images->GetWidth(slot) / 2, 0);
  return 0;
}

int TMUIDraw2::DrawKnob(int x, int y, int w, int h, int slot, const std::string& name, int align,
                        int size, int min, int max, int pos) {
  int xo = 0;
  if ((align & 2) != 0) xo = (w - size) / 2;
  if ((align & 1) != 0) xo = w - size;
  SetViewport(x + xo, y, size, h);
  slot = MImageFrame(x + xo, y, size, size, slot, name, size, 1);

  const int half = size / 2;
  const int angle = TruncToInt(OfRange(360.0f, min, max, pos));
  const float c = static_cast<float>(Cos(angle)) * static_cast<float>(size);
  const float s = static_cast<float>(Sin(angle)) * static_cast<float>(size);
  const int dy = TruncToInt((c + s) / 2.0f);
  const int dx = TruncToInt((s - c) / 2.0f);
  // A rotated draw turns about its top-left corner: move that corner so the square turns
  // about the knob's centre.
  SetRotation(static_cast<float>(angle));
  MImageFrame(x + half + dx + xo, y + half - dy, size, size, slot, name, size, 0);
  SetRotation(0.0f);
  return slot;
}
