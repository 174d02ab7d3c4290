// The point at an angle (degrees; 0 right, 90 down) on a circle, as the shapes place
// their arc and circle vertices.
#pragma once
#include "platform/numbers.h"

struct TCirclePoint {
  float x;
  float y;
};

inline TCirclePoint CirclePoint(int cx, int cy, int r, double degrees) {
  return {static_cast<float>(cx + r * Cos(degrees)), static_cast<float>(cy + r * Sin(degrees))};
}
