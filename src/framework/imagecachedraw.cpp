// The image cache's draws: a slot's whole image, one cell of its strip or grid, or a
// vertical part of a cell, stretched into a destination box; some of them stamp the
// slot's time of last use.
#include <cstdint>

#include "framework/imagecache.h"
#include "platform/draw2d.h"
#include "platform/image.h"
#include "platform/numbers.h"

namespace {

// A product of two ints as the 32-bit arithmetic of the cell positions gives it.
float Product(int a, int b) {
  return static_cast<float>(static_cast<int32_t>(static_cast<int64_t>(a) * b));
}

// The top-left edge of a box of the given size centred on c (a logical shift of the size).
float Centred(int c, int size) {
  return static_cast<float>(c - static_cast<int>(static_cast<uint32_t>(size) >> 1));
}

float F(int v) { return static_cast<float>(v); }

}  // namespace

void TMImages::DrawSource(int slot, float x, float y, float w, float h, float sx, float sy,
                          float sw, float sh) {
  DrawSubImageRect(Image[slot], x, y, w, h, sx, sy, sw, sh, 0.0f, 0.0f, 0);
}

int TMImages::MDrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float w,
                                float h, float sx, float sy, float sw, float sh, float hx, float hy,
                                int frame) {
  if (frame < 0 || frame >= ImageFrames(image)) return 0;
  // The handle is scaled by the source size: an empty source has no picture to place.
  if (sw == 0.0f || sh == 0.0f) return 0;
  DrawSubImageRect(image, x, y, w, h, sx, sy, sw, sh, hx, hy, frame);
  return 0;
}

int TMImages::draw(int x, int y, int w, int h, int slot) {
  if (!Holds(slot)) return 0;
  DrawImageRect(Image[slot], F(x), F(y), F(w), F(h), 0);
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::drawCenter(int x, int y, int w, int h, int slot) {
  if (!Holds(slot)) return 0;
  DrawImageRect(Image[slot], Centred(x, w), Centred(y, h), F(w), F(h), 0);
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::drawFramePart(int x, int y, int w, int h, int slot, int n, float from, float to) {
  if (!Holds(slot)) return 0;
  const float height = F(GetHeight(slot));
  DrawSource(slot, F(x), F(y) + F(h) * from, F(w), F(h) * (to - from), Product(nFWidth[slot], n),
             height * from, F(nFWidth[slot]), height * (to - from));
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::DrawFrameRect(int x, int y, int w, int h, int slot, int sx, int sy, int sw, int sh) {
  if (!Holds(slot)) return 0;
  DrawSource(slot, F(x), F(y), F(w), F(h), F(sx), F(sy), F(sw), F(sh));
  return 0;
}

int TMImages::drawFrame(int x, int y, int w, int h, int slot, int n) {
  if (!Holds(slot)) return 0;
  const int fw = nFWidth[slot];
  MDrawSubImageRect(Image[slot], F(x), F(y), F(w), F(h), Product(fw, n), 0.0f, F(fw),
                    F(nFHeight[slot]), 0.0f, 0.0f, 0);
  return 0;
}

int TMImages::drawFrameLine(int x, int y, int w, int h, int slot, int n, int m) {
  if (!Holds(slot)) return 0;
  const int fw = nFWidth[slot];
  const int fh = nFHeight[slot];
  MDrawSubImageRect(Image[slot], F(x), F(y), F(w), F(h), Product(fw, n), Product(fh, m), F(fw),
                    F(fh), 0.0f, 0.0f, 0);
  return 0;
}

int TMImages::drawFrameLinePart(int x, int y, int w, int h, int slot, int n, int m, float part) {
  if (!Holds(slot)) return 0;
  const int fw = nFWidth[slot];
  const int fh = nFHeight[slot];
  // The destination is cut by 1.5 times the part and the source by twice it.
  MDrawSubImageRect(Image[slot], F(x), F(y), F(w), F(h) - F(h) * part * 1.5f, Product(fw, n),
                    Product(fh, m), F(fw), F(fh) - F(fh) * part * 2.0f, 0.0f, 0.0f, 0);
  return 0;
}

int TMImages::drawFrame2(int x, int y, int w, int h, int slot, int n, int m) {
  return drawFrameLine(x, y, w, h, slot, n, m);
}

int TMImages::drawCustomFramePart(int x, int y, int w, int h, int a, int b, int slot, int n,
                                  float from, float to) {
  if (!Holds(slot)) return 0;
  const float height = F(GetHeight(slot));
  DrawSource(slot, F(x), F(y), F(w), F(h), Product(nFWidth[slot], n), height * from,
             F(nFWidth[slot]), height * (to - from));
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::drawCustomFrame(int x, int y, int w, int h, int a, int b, int slot, int n) {
  if (!Holds(slot)) return 0;
  DrawSource(slot, F(x), F(y), F(w), F(h), Product(nFWidth[slot], n), 0.0f, F(nFWidth[slot]),
             F(GetHeight(slot)));
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::drawCustom(int x, int y, int w, int h, int slot) {
  if (!Holds(slot)) return 0;
  DrawSource(slot, F(x), F(y), F(w), F(h), 0.0f, 0.0f, F(GetWidth(slot)), F(GetHeight(slot)));
  time[slot] = MilliSecs();
  return 0;
}

int TMImages::drawFrameCenter(int x, int y, int w, int h, int slot, int n) {
  if (!Holds(slot)) return 0;
  DrawSource(slot, Centred(x, w), Centred(y, h), F(w), F(h), Product(nFWidth[slot], n), 0.0f,
             F(nFWidth[slot]), F(GetHeight(slot)));
  time[slot] = MilliSecs();
  return 0;
}
