// The current draw colour, kept as set: values outside 0-255 are stored unchanged.
#include "framework/drawcolor.h"

namespace {
int drawRed = 255;
int drawGreen = 255;
int drawBlue = 255;
}  // namespace

void SetDrawColor(int r, int g, int b) {
  drawRed = r;
  drawGreen = g;
  drawBlue = b;
}

void GetDrawColor(int& r, int& g, int& b) {
  r = drawRed;
  g = drawGreen;
  b = drawBlue;
}
