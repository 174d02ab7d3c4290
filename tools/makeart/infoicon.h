// The status bar's info icon: a blue disc with a white "i", drawn at 32 x 32 and scaled
// down to the bar's height when shown.
#pragma once
#include "canvas.h"

namespace art {

constexpr int kInfoIconSide = 32;

inline void PaintInfoIcon(TPixmap& pixmap) {
  TCanvas c(pixmap, 0, 0, kInfoIconSide, kInfoIconSide);
  c.Disc(16, 16, 15, Rgb(30, 70, 150));
  c.Disc(16, 15, 13, Rgb(60, 120, 210));
  c.Ring(16, 16, 15, 1.0f, Grey(20, 160));
  c.Disc(16, 8.5f, 2.6f, Grey(255));
  c.RoundRect(13.5f, 13, 5, 12, 1.5f, Grey(255));
}

}  // namespace art
