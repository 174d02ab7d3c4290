// Float point TPoint and float rectangle TRect, which keeps its far corner, centre and
// half size in step with its corner and size after every operation.
#pragma once

class TPoint {
 public:
  float fX = 0.0f;
  float fY = 0.0f;

  void SetPoint(float x, float y);
};

class TRect {
 public:
  float fX = 0.0f, fY = 0.0f;
  float fX1 = 0.0f, fY1 = 0.0f;
  float fWidth = 0.0f, fHeight = 0.0f;
  float fXMid = 0.0f, fYMid = 0.0f;
  float fXHalf = 0.0f, fYHalf = 0.0f;

  int SetRect(float x, float y, float w, float h);
  int SetRectEmpty();
  int EqualRect(const TRect& other) const;
  float GetXQuarter() const;
  float GetXThird() const;
  float GetYQuarter() const;
  float GetYThird() const;
  int OffsetRect(float dx, float dy);
  int MoveToX(float x);
  int MoveToY(float y);
  int MoveToXY(float x, float y);
  int InflateRect(float left, float top, float right, float bottom);
  int DeflateRect(float left, float top, float right, float bottom);
  // A negative size is made positive over the same area: the corner moves to the far edge.
  int NormalizeRect();
  int PointInRect(float px, float py) const;
};
