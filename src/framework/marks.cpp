// Diamonds, triangles, labelled arrows and the call-out box.
#include <cstdint>

#include "framework/shapes.h"
#include "platform/draw2d.h"
#include "platform/immediategl.h"

namespace {

void Line(int x1, int y1, int x2, int y2) {
  DrawLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
           static_cast<float>(y2));
}

void Text(const std::string& text, int x, int y) {
  DrawText(text, static_cast<float>(x), static_cast<float>(y));
}

}  // namespace

int MDrawDiamond(int x, int y, int s, int filled) {
  if (filled != 0) {
    glColor4ub(250, 140, 60, 255);
    glBegin(GL_POLYGON);
    glVertex2i(x + 1, y - s + 1);
    glVertex2i(x + s + 1, y + 1);
    glVertex2i(x, y + s);
    glVertex2i(x - s, y + 1);
    glEnd();
  }
  SetColor(170, 170, 170);
  Line(x, y - s, x + s, y);
  Line(x + s, y, x, y + s);
  Line(x, y + s, x - s, y);
  Line(x - s, y, x, y - s);
  return 0;
}

int MDrawDiamondIn(int x, int y, int s) {
  const int t = s - 2;
  SetColor(140, 140, 140);
  Line(x + t, y, x, y + t);
  Line(x - t, y, x + t, y);
  Line(x - t, y, x, y + t);
  return 0;
}

int MDrawDiamondOut(int x, int y, int s) {
  const int t = s - 2;
  SetColor(140, 140, 140);
  Line(x + t, y + t, x, y);
  Line(x - t, y + t, x + t, y + t);
  Line(x - t, y + t, x, y);
  return 0;
}

int MUpArrow(int x, int y, const std::string& label) {
  Line(x, y, x, y - 30);
  Line(x, y - 30, x - 3, y - 25);
  Line(x, y - 30, x + 3, y - 25);
  Text(label, x - 2, y - 50);
  return 0;
}

int MRightArrow(int x, int y, const std::string& label) {
  Line(x, y, x + 30, y);
  Line(x + 30, y, x + 25, y - 3);
  Line(x + 30, y, x + 25, y + 3);
  Text(label, x + 25, y - 18);
  return 0;
}

int MRectUp(int x, int y, int w, int h, int px) {
  const int edge = y + 15;  // the box's top edge, below the pointer
  SetAlpha(0.34f);
  SetColor(255, 255, 255);
  Line(x, edge, px - 16, edge);
  Line(px - 16, edge, px - 1, y);
  Line(px, y, px + 15, edge);
  Line(px + 15, edge, x + w, edge);
  SetAlpha(0.3f);
  SetColor(0, 0, 0);
  DrawRect(static_cast<float>(x), static_cast<float>(edge), static_cast<float>(w),
           static_cast<float>(h - 15));
  // Signed-byte colours: 127 is full.
  glBegin(GL_POLYGON);
  glColor4b(0, 0, 0, 51);
  glVertex2i(px + 15, edge);
  glVertex2i(px - 15, edge);
  glVertex2i(px, y);
  glVertex2i(px + 15, edge);
  glEnd();
  glBegin(GL_POLYGON);
  glColor4b(0, 0, 0, 0);
  glVertex2i(x, y + 30);
  glColor4b(0, 0, 0, 30);
  glVertex2i(x, edge);
  glVertex2i(x + w, edge);
  glColor4b(0, 0, 0, 0);
  glVertex2i(x + w, y + 30);
  glEnd();
  return 0;
}
