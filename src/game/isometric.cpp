// The battlefield camera (angle, zoom, vertical squash and the screen steps computed from
// them), the point-in-tile test, the three untextured immediate-mode primitives the
// battlefield is drawn with, and two small helpers of the class (lerp, color).
#include <algorithm>
#include <cmath>

#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"

namespace {

constexpr float kMinZoom = 12.0f;
constexpr float kMaxZoom = 33.0f;
constexpr float kMinYScale = 0.01f;
constexpr float kMaxYScale = 0.99999f;

// One wrap only: a step beyond a full turn stays outside 0..360 by design of the camera.
float WrapOnce(float degrees) {
  if (degrees > 360.0f) return degrees - 360.0f;
  if (degrees < 0.0f) return degrees + 360.0f;
  return degrees;
}

}  // namespace

int TQuillonCore::DrawGLLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                             float a) {
  glDisable(GL_TEXTURE_2D);
  glColor4f(r, g, b, a);
  glBegin(GL_LINES);
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  return 0;
}

// The strip P4, P1, P3, P2 covers a convex quad given in perimeter order.
int TQuillonCore::DrawGLPoly(float x1, float y1, float x2, float y2, float x3, float y3,
                             float x4, float y4, float r, float g, float b, float a) {
  glDisable(GL_TEXTURE_2D);
  glColor4f(r, g, b, a);
  glBegin(GL_TRIANGLE_STRIP);
  glVertex2f(x4, y4);
  glVertex2f(x1, y1);
  glVertex2f(x3, y3);
  glVertex2f(x2, y2);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  return 0;
}

// As DrawGLPoly, shading from the P4-P1 edge down to half brightness at the P3-P2 edge.
int TQuillonCore::DrawGLPoly2(float x1, float y1, float x2, float y2, float x3, float y3,
                              float x4, float y4, float r, float g, float b, float a) {
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_TRIANGLE_STRIP);
  glColor4f(r, g, b, a);
  glVertex2f(x4, y4);
  glVertex2f(x1, y1);
  glColor4f(r * 0.5f, g * 0.5f, b * 0.5f, a);
  glVertex2f(x3, y3);
  glVertex2f(x2, y2);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  return 0;
}

// The quad is a diamond: P1 top, P2 right, P3 bottom, P4 left.
int TQuillonCore::_PointInPoly(float px, float py, float x1, float y1, float x2, float y2,
                               float x3, float y3, float x4, float y4) {
  if (px < x4 || px > x2 || py < y1 || py > y3) return 0;
  const float xs[4] = {x1, x2, x3, x4};
  const float ys[4] = {y1, y2, y3, y4};
  bool inside = false;
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    const float xA = xs[i], yA = ys[i], xB = xs[j], yB = ys[j];
    // Differing sides imply yA != yB, so the division is safe.
    if ((py < yA) != (py < yB) && px < xA + (py - yA) * (xB - xA) / (yB - yA)) inside = !inside;
  }
  return inside ? 1 : 0;
}

int TQuillonCore::modifyZoom(int step) {
  coreZoom += static_cast<float>(step);
  if (coreZoom < kMinZoom) {
    coreZoom = kMinZoom;
  } else if (coreZoom > kMaxZoom) {
    coreZoom = kMaxZoom;
  }
  return fillPrecalc();
}

int TQuillonCore::modifyScale(float step) {
  // A step that is not a number would leave the squash unclamped forever.
  if (std::isfinite(step)) coreYScale += step;
  if (coreYScale < kMinYScale) {
    coreYScale = kMinYScale;
  } else if (coreYScale > kMaxYScale) {
    coreYScale = kMaxYScale;
  }
  return fillPrecalc();
}

int TQuillonCore::modifyAngle(float step) {
  if (std::isfinite(step)) coreAngle = WrapOnce(coreAngle + step);
  coreAngle2 = WrapOnce(coreAngle + 90.0f);
  return fillPrecalc();
}

int TQuillonCore::fillPrecalc() {
  coreX1 = static_cast<float>(coreZoom * Cos(coreAngle));
  coreY1 = static_cast<float>(coreYScale * coreZoom * Sin(coreAngle));
  coreX3 = static_cast<float>(coreZoom * Cos(coreAngle2));
  coreY3 = static_cast<float>(coreYScale * coreZoom * Sin(coreAngle2));
  coreX2 = coreX1 + coreX3;
  coreY2 = coreY1 + coreY3;
  centerX = coreX2 * 0.5f;
  centerY = coreY2 * 0.5f;
  coreZoomN = 0.05f * coreZoom;
  coreYScaleM = 1.0f - coreYScale;
  coreHeight = coreZoom * (1.0f - coreYScale);
  return 0;
}

float TQuillonCore::lerp(float a, float b, float t) {
  if (b == a) return a;
  return a + (b - a) * t;
}

int TQuillonCore::color(int r, int g, int b) {
  // Limited first so that the product cannot overflow; anything past 4 is full anyway.
  const auto level = [](int v) { return 64 * std::clamp(v, -4096, 4096); };
  SetColor(level(r), level(g), level(b));
  return 0;
}
