// MBackground and its helpers: the vertical and horizontal black shades, the
// three-panel strip and the tiled image.
#include "framework/backgrounds.h"

#include "framework/colorcodes.h"
#include "framework/drawstate.h"
#include "framework/imagecache.h"
#include "framework/imagewrappers.h"
#include "framework/palette.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"

namespace {

// Black from alpha a1 at the top to a2 at the bottom.
void VShade(int x, int y, int w, int h, int a1, int a2) {
  MSetCols(0, 0, 0, a1, 0, 0, 0, a2);
  MRectFade(x, y, w, h);
}

// Black from alpha a1 at the left to a2 at the right.
void HShade(int x, int y, int w, int h, int a1, int a2) {
  MSetCols(0, 0, 0, a1, 0, 0, 0, a2);
  MRectH(x, y, w, h);
}

void BlackRect(float alpha, int x, int y, int w, int h) {
  SetAlpha(alpha);
  SetColor(0, 0, 0);
  DrawRect(x, y, w, h);
}

void FillIn(const TMColor& c, int x, int y, int w, int h) {
  c.SetFG();
  DrawRect(x, y, w, h);
}

// The slot of name + ".png" when it holds an image of some size, else -1.
int ImageSlot(const std::string& name) {
  const int slot = MGetImage(name + ".png", kFrameWidthOfHeight);
  if (!Images || !Images->Holds(slot)) return -1;
  if (Images->GetWidth(slot) <= 0 || Images->GetHeight(slot) <= 0) return -1;
  return slot;
}

void NaturalImage(int x, int y, const std::string& name) {
  SetColor(255, 255, 255);
  const int slot = ImageSlot(name);
  if (slot >= 0) MDrawImageNum(x, y, Images->GetWidth(slot), Images->GetHeight(slot), slot);
}

// Rows and columns of whole images from (x, y) until right and bottom are covered; the
// last ones overhang. An image that is missing or has no size draws nothing.
void TiledImage(int x, int y, int right, int bottom, const std::string& name) {
  glEnable(GL_TEXTURE_2D);
  SetColor(255, 255, 255);
  const int slot = ImageSlot(name);
  if (slot < 0) return;
  const int iw = Images->GetWidth(slot);
  const int ih = Images->GetHeight(slot);
  int top = y;
  do {
    int left = x;
    do {
      MDrawImageNum(left, top, iw, ih, slot);
      left += iw;
    } while (left < right);
    top += ih;
  } while (top < bottom);
}

void PanelStrip(int x, int y, int w, int h, int right, int bottom) {
  // Absolute columns: the strip is laid out for a background at the window's left edge.
  const int sw = TruncToInt(static_cast<float>(w) / 56.0f * 15.0f);
  const int d = TruncToInt(static_cast<float>(w) / 56.0f * 45.0f);
  const int b2 = bottom - 2;
  SetColor(60, 60, 60);
  DrawRect(x, y, sw, h);
  DrawRect(right - sw, y, sw, h);
  SetColor(100, 100, 100);
  DrawRect(sw, y, w - 2 * sw, h);
  MSetCols(250, 250, 250, 20, 250, 250, 250, 0);
  MRectFade(x, y, w, h / 3);
  MSetCols(250, 250, 250, 0, 250, 250, 250, 20);
  MRectFade(x, b2 - h / 3, w, h / 3);
  SetColor(200, 200, 200);
  MFrame(x, y, w, h - 1);
  DrawLine(sw, y, sw, b2);
  DrawLine(right - sw, y, right - sw, b2);
  DrawLine(d, y, d, b2);
  DrawLine(sw, y + h / 2, d, y + h / 2);
  SetColor(0, 0, 0);
  DrawLine(x, bottom - 1, right, bottom - 1);
}

}  // namespace

int MBackground(int x, int y, int w, int h, int right, int bottom, int style, int /*align*/,
                int /*textStyle*/, const std::string& name) {
  if (style >= 0x800) {
    style = SetMuisColor(style, 1);
  } else {
    SetColor(100, 100, 100);
  }
  switch (style) {
    case 0:
      SetViewport(x, y, w, h);
      BlackRect(0.4f, x, y, w, h);
      VShade(x, y, w, 30, 50, 0);
      VShade(x, y + h - 29, w, 30, 0, 50);
      break;
    case 1: VShade(x, y, w, 60, 30, 0); break;
    case 2:
      FillIn(AppBGCol3, x, y, w, h);
      VShade(x, y, w, 60, 30, 0);
      break;
    case 3: PanelStrip(x, y, w, h, right, bottom); break;
    case 4: NaturalImage(x, y, name); break;
    case 5:
      BlackRect(0.1f, x, y, w, h);
      VShade(x, y, w, 30, 50, 0);
      break;
    case 6:
      glDisable(GL_TEXTURE_2D);
      DrawRect(x, y, w, h);
      VShade(x, y, w, h, 0, 40);
      SetColor(255, 255, 255);
      SetAlpha(0.1f);
      DrawLine(x, y, x, bottom);
      SetAlpha(0.2f);
      DrawLine(x, y, right, y);
      SetColor(0, 0, 0);
      DrawLine(right - 1, y, right - 1, bottom);
      DrawLine(x, bottom - 1, right, bottom - 1);
      break;
    case 7:
      glDisable(GL_TEXTURE_2D);
      ModifyColor(-40);
      DrawRect(x, y, w, h);
      VShade(x, y, w, 40, 40, 0);
      HShade(x, y, 40, h, 120, 0);
      HShade(right - 40, y, 40, h, 0, 120);
      break;
    case 8: DrawRect(x, y, w, h); break;
    case 9: HShade(x, y, 60, h, 40, 0); break;
    case 10: HShade(x + w - 60, y, 60, h, 0, 40); break;
    case 11: TiledImage(x, y, right, bottom, name); break;
    case 12: {
      SetColor(255, 255, 255);
      const int slot = ImageSlot(name);
      if (slot >= 0) MDrawImageNum(x, y, right, bottom, slot);
      break;
    }
    case 13:
      FillIn(AppBGCol3, x, y, w, h);
      VShade(x, y, w, 60, 30, 0);
      SetColor(0, 0, 0);
      MFrame(x, y, w, h);
      break;
    case 14:
      TiledImage(x, y, right, bottom, name);
      glDisable(GL_TEXTURE_2D);
      VShade(x, y, w, 40, 40, 0);
      HShade(x, y, 40, h, 120, 0);
      HShade(right - 40, y, 40, h, 0, 120);
      break;
    case 15:
      TiledImage(x, y, right, bottom, name);
      VShade(x, y, w, 40, 30, 0);
      VShade(x, y + h - 40, w, 40, 0, 30);
      HShade(right - 41, y, 40, h, 0, 70);
      SetAlpha(0.25f);
      SetColor(255, 255, 255);
      DrawLine(right - 1, y, right - 1, bottom);
      SetColor(0, 0, 0);
      DrawLine(right - 2, y, right - 2, bottom);
      SetAlpha(1.0f);
      break;
    case 16:
      TiledImage(x, y, right, bottom, name);
      glDisable(GL_TEXTURE_2D);
      VShade(x, y, w, 40, 40, 0);
      VShade(x, y + h - 40, w, 40, 0, 40);
      break;
    case 17:
      TiledImage(x, y, right, bottom, name);
      glDisable(GL_TEXTURE_2D);
      VShade(x, y, w, 40, 100, 0);
      VShade(x, y + h - 40, w, 40, 0, 100);
      glEnable(GL_TEXTURE_2D);
      break;
    default: BlackRect(0.4f, x, y, w, h); break;
  }
  return 0;
}
