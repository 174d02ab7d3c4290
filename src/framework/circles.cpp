// Circles, pie outlines, angled lines and the hexagon and quad vertex helpers.
#include <cstdint>
#include <utility>

#include "framework/circlepoint.h"
#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"

namespace {

constexpr int kCircleStep = 5;  // degrees between circle points

// The 2D module's colour and alpha as the GL colour of the next vertices.
void CurrentColourToGl() {
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  glColor4ub(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
             static_cast<uint8_t>(TruncToInt(GetAlpha() * 255.0f)));
}

// Points at a0+1, a0+6, ... up to a1+1; 64-bit, so no end angle overflows.
template <typename Visit>
void ArcAngles(int a0, int a1, Visit visit) {
  for (int64_t a = int64_t{a0} + 1; a <= int64_t{a1} + 1; a += kCircleStep)
    visit(static_cast<double>(a));
}

}  // namespace

int MCircle(int x, int y, int r, int a0, int a1) {
  if (a1 < a0) std::swap(a0, a1);
  TCirclePoint last = CirclePoint(x, y, r, a0);
  ArcAngles(a0, a1, [&](double a) {
    const TCirclePoint p = CirclePoint(x, y, r, a);
    DrawLine(last.x, last.y, p.x, p.y);
    last = p;
  });
  return 0;
}

int MFilledCircle(int x, int y, int r) {
  CurrentColourToGl();
  glBegin(GL_POLYGON);
  glVertex2i(x, y);
  for (int a = 1; a <= 361; a += kCircleStep) {
    const TCirclePoint p = CirclePoint(x, y, r, a);
    glVertex2f(p.x, p.y);
  }
  glVertex2i(x, y);
  glEnd();
  return 0;
}

int MPie(int x, int y, int r, int a0, int a1) {
  if (a1 < a0) std::swap(a0, a1);
  // Only the start is brought into range, so a slice across 0 degrees has no arc.
  if (a0 < 0) a0 += 360;
  CurrentColourToGl();
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LINE_SMOOTH);
  glBegin(GL_LINE_STRIP);
  glVertex2i(x, y);
  ArcAngles(a0, a1, [&](double a) {
    const TCirclePoint p = CirclePoint(x, y, r, a);
    glVertex2f(p.x, p.y);
  });
  glVertex2i(x, y);
  glEnd();
  glDisable(GL_LINE_SMOOTH);
  glEnable(GL_TEXTURE_2D);
  return 0;
}

int MAngleLine(int x, int y, int length, int angle) {
  const TCirclePoint end = CirclePoint(x, y, length, angle);
  DrawLine(static_cast<float>(x), static_cast<float>(y), end.x, end.y);
  return 0;
}

int FillHex(int x, int y, float z, float sx, float sy) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(fx - 13.0f * sx, fy, z);
  glVertex3f(fx - 7.0f * sx, fy - 16.0f * sy, z);
  glVertex3f(fx + 7.0f * sx, fy - 16.0f * sy, z);
  glVertex3f(fx + 13.0f * sx, fy, z);
  glVertex3f(fx + 7.0f * sx, fy + 16.0f * sy, z);
  glVertex3f(fx - 7.0f * sx, fy + 16.0f * sy, z);
  glEnd();
  return 0;
}

int DrawHex(int x, int y, float sx, float sy) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  glBegin(GL_LINE_STRIP);
  glVertex3f(fx - 7.0f * sx, fy - 16.0f * sy, 0.0f);
  glVertex3f(fx + 7.0f * sx, fy - 16.0f * sy, 0.0f);
  glVertex3f(fx + 13.0f * sx, fy, 0.0f);
  glVertex3f(fx + 7.0f * sx, fy + 16.0f * sy, 0.0f);
  glVertex3f(fx - 7.0f * sx, fy + 16.0f * sy, 0.0f);
  glVertex3f(fx - 13.0f * sx, fy, 0.0f);
  glVertex3f(fx - 7.0f * sx, fy - 16.0f * sy, 0.0f);
  glEnd();
  return 0;
}

int DrawQuad(int x, int y, int s) {
  glVertex2i(x, y);
  glVertex2i(x + s, y);
  glVertex2i(x + s, y + s);
  glVertex2i(x, y + s);
  return 0;
}
