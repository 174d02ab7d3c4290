// TPoint and TRect.
#include "framework/geometry.h"

void TPoint::SetPoint(float x, float y) {
  fX = x;
  fY = y;
}

int TRect::SetRect(float x, float y, float w, float h) {
  fX = x;
  fY = y;
  fX1 = x + w;
  fY1 = y + h;
  fWidth = w;
  fHeight = h;
  fXHalf = w / 2;
  fYHalf = h / 2;
  fXMid = x + fXHalf;
  fYMid = y + fYHalf;
  return 0;
}

int TRect::SetRectEmpty() { return SetRect(0, 0, 0, 0); }

int TRect::EqualRect(const TRect& other) const {
  return fX == other.fX && fY == other.fY && fWidth == other.fWidth && fHeight == other.fHeight ? 1 : 0;
}

float TRect::GetXQuarter() const { return fWidth / 4; }
float TRect::GetXThird() const { return fWidth / 3; }
float TRect::GetYQuarter() const { return fHeight / 4; }
float TRect::GetYThird() const { return fHeight / 3; }

int TRect::OffsetRect(float dx, float dy) {
  fX += dx;
  fX1 += dx;
  fXMid += dx;
  fY += dy;
  fY1 += dy;
  fYMid += dy;
  return 0;
}

int TRect::MoveToX(float x) {
  fX = x;
  fX1 = x + fWidth;
  fXMid = x + fXHalf;
  return 0;
}

int TRect::MoveToY(float y) {
  fY = y;
  fY1 = y + fHeight;
  fYMid = y + fYHalf;
  return 0;
}

int TRect::MoveToXY(float x, float y) {
  MoveToX(x);
  MoveToY(y);
  return 0;
}

int TRect::InflateRect(float left, float top, float right, float bottom) {
  return SetRect(fX - left, fY - top, fWidth + left + right, fHeight + top + bottom);
}

int TRect::DeflateRect(float left, float top, float right, float bottom) {
  return SetRect(fX + left, fY + top, fWidth - left - right, fHeight - top - bottom);
}

int TRect::NormalizeRect() {
  float x = fX, y = fY, w = fWidth, h = fHeight;
  bool changed = false;
  if (w < 0) {
    x += w;
    w = -w;
    changed = true;
  }
  if (h < 0) {
    y += h;
    h = -h;
    changed = true;
  }
  if (changed) SetRect(x, y, w, h);
  return 0;
}

int TRect::PointInRect(float px, float py) const {
  return fX <= px && px <= fX1 && fY <= py && py <= fY1 ? 1 : 0;
}
