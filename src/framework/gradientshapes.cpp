// The gradient shapes: rounded rectangles and frames, and plain gradient rectangles,
// drawn through immediate-mode GL with the gradient pair as per-vertex colours.
#include <cstdint>

#include "framework/circlepoint.h"
#include "framework/drawstate.h"
#include "framework/shapes.h"
#include "platform/immediategl.h"

namespace {

constexpr int kCornerStep = 30;  // degrees between arc points of a corner

// OpenGL takes each channel as an unsigned byte, so a value is used modulo 256.
void Colour1() {
  glColor4ub(static_cast<uint8_t>(g_bRed), static_cast<uint8_t>(g_bGreen), static_cast<uint8_t>(g_bBlue),
             static_cast<uint8_t>(g_bAlpha));
}

void Colour2() {
  glColor4ub(static_cast<uint8_t>(g_bRed2), static_cast<uint8_t>(g_bGreen2),
             static_cast<uint8_t>(g_bBlue2), static_cast<uint8_t>(g_bAlpha2));
}

// A quarter circle from the start angle, four points 30 degrees apart.
void Corner(int cx, int cy, int r, int from) {
  for (int a = from; a <= from + 90; a += kCornerStep) {
    const TCirclePoint p = CirclePoint(cx, cy, r, a);
    glVertex2f(p.x, p.y);
  }
}

void Quad(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  glBegin(GL_POLYGON);
  Colour1();
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  Colour2();
  glVertex2f(x3, y3);
  glVertex2f(x4, y4);
  glEnd();
}

}  // namespace

int MRoundRect(int x, int y, int w, int h, int rTL, int rTR, int rBR, int rBL) {
  const int x2 = x + w;
  const int y2 = y + h;
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_POLYGON);
  // The first vertex lies inside the shape, so a fan from it fills the whole of it.
  Colour1();
  glVertex2i(x2 - rTR, y + rTR);
  Corner(x2 - rTR, y + rTR, rTR, 270);
  Colour2();
  glVertex2i(x2, y2 - rBR);
  Corner(x2 - rBR, y2 - rBR, rBR, 0);
  glVertex2i(x + rBL, y2);
  Corner(x + rBL, y2 - rBL, rBL, 90);
  Colour1();
  glVertex2i(x, y + rTL);
  Corner(x + rTL, y + rTL, rTL, 180);
  glVertex2i(x2 - rTR, y);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  return 0;
}

int MRoundFrame(int x, int y, int w, int h, int rTL, int rTR, int rBR, int rBL) {
  const int x2 = x + w;
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LINE_SMOOTH);
  glBegin(GL_LINE_STRIP);
  Colour1();
  Corner(x2 - rTR, y + rTR, rTR, 270);
  Colour2();
  Corner(x2 - rBR, y + h - rBR, rBR, 0);
  Corner(x + rBL, y + h - rBL, rBL, 90);
  Colour1();
  Corner(x + rTL, y + rTL, rTL, 180);
  glVertex2i(x2 - rTR, y);
  glEnd();
  glDisable(GL_LINE_SMOOTH);
  glEnable(GL_TEXTURE_2D);
  return 0;
}

int MRectH(int x, int y, int w, int h) {
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_POLYGON);
  Colour2();
  glVertex2i(x + w, y + h);
  Colour1();
  glVertex2i(x, y + h);
  glVertex2i(x, y);
  Colour2();
  glVertex2i(x + w, y);
  glVertex2i(x + w, y);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  return 0;
}

int MRectFade(int x, int y, int w, int h) {
  glBegin(GL_POLYGON);
  Colour1();
  glVertex2i(x, y);
  glVertex2i(x + w, y);
  Colour2();
  glVertex2i(x + w, y + h);
  glVertex2i(x, y + h);
  glEnd();
  return 0;
}

int MRectHFade(int x, int y, int w, int h) {
  glBegin(GL_POLYGON);
  Colour1();
  glVertex2i(x, y + h);
  glVertex2i(x, y);
  Colour2();
  glVertex2i(x + w, y);
  glVertex2i(x + w, y + h);
  glEnd();
  return 0;
}

int MFadeRect(float x, float y, float w, float h) {
  Quad(x, y, x + w, y, x + w, y + h, x, y + h);
  return 0;
}

int MFadeHRect(float x, float y, float w, float h) {
  Quad(x, y + h, x, y, x + w, y, x + w, y + h);
  return 0;
}
