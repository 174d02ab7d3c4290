// TOrreryControl's grid layout (cell placement to pixel rectangles), the exchange of two
// controls' placements, and showing or hiding the runs of controls between group markers.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "framework/orrerycontrol.h"
#include "platform/numbers.h"

namespace {

// Rectangles of absurd placements saturate instead of overflowing.
int SumClamped(int a, int b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int>(
      std::clamp<int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int TOrreryControl::ResetControlPositions(int width, int height, int statusHeight) {
  float w = 0.0f;
  float h = 0.0f;
  if (width > 1 && height >= 0) {
    w = static_cast<float>(width);
    h = static_cast<float>(static_cast<int64_t>(height) - statusHeight);
  } else {
    w = static_cast<float>(CurrentGraphicsWidth());
    h = static_cast<float>(CurrentGraphicsHeight());
    if (GotStatus != 0) h -= kStatusBarHeight;
  }
  if (AppGridX <= 0 || AppGridY <= 0) return 0;  // no grid, no cells: rectangles stay
  const float cw = w / static_cast<float>(AppGridX);
  const float ch = h / static_cast<float>(AppGridY);

  for (int i = 0; i <= ControlCount; ++i) {
    TMControl* c = Control(i);
    if (c == nullptr) continue;
    // Smaller areas get narrower margins; the same margin serves both directions.
    float m = static_cast<float>(c->bIndent);
    if (h < 900.0f) m *= 0.75f;
    if (h < 800.0f) m *= 0.75f;

    c->nX = TruncToInt(cw * c->bXPos + m);
    c->nWidth = TruncToInt(cw * c->bXCount - m - m);
    c->nX1 = SumClamped(c->nX, c->nWidth);
    c->nXMid = SumClamped(c->nX, c->nWidth / 2);

    c->nY = TruncToInt(ch * c->bYPos + m);
    c->nHeight = TruncToInt(ch * c->bYCount - m - m);
    c->nY1 = SumClamped(c->nY, c->nHeight);
    c->nYMid = SumClamped(c->nY, c->nHeight / 2);

    if (c->nType == kTypeThumbList) {
      c->nThumbX = c->nWidth / 280;
      c->nThumbY = c->nHeight / 22;
    }
  }
  return 0;
}

int TOrreryControl::SwapControlPositions(int a, int b) {
  TMControl* ca = Control(a);
  TMControl* cb = Control(b);
  if (ca == nullptr || cb == nullptr) return 0;
  std::swap(ca->bXGrid, cb->bXGrid);
  std::swap(ca->bXPos, cb->bXPos);
  std::swap(ca->bXCount, cb->bXCount);
  std::swap(ca->bYGrid, cb->bYGrid);
  std::swap(ca->bYPos, cb->bYPos);
  std::swap(ca->bYCount, cb->bYCount);
  std::swap(ca->bIndent, cb->bIndent);
  std::swap(ca->nUser1, cb->nUser1);
  return 0;
}

int TOrreryControl::ShowGroup(int group, int value) {
  // From a begin marker of the group up to, not including, its end marker; every run.
  bool inGroup = false;
  for (int i = 0; i <= ControlCount; ++i) {
    TMControl* c = Control(i);
    if (c == nullptr) continue;
    if (c->nType == kDrawGroupEnd && c->nID == group)
      inGroup = false;
    else if (c->nType == kDrawGroupBegin && c->nID == group)
      inGroup = true;
    if (inGroup) c->bShown = value;
  }
  return 0;
}

int TOrreryControl::HideGroup(int group) { return TOrreryControl::ShowGroup(group, 0); }
