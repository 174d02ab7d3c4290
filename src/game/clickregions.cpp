// The click-region table: registration slots, the region's hit test with its five
// pixels of horizontal slack, and the first-hit query of the pointer handlers.
#include "game/clickregions.h"

#include <cmath>
#include <cstdint>

std::array<std::unique_ptr<TArcadeControl>, kClickRegionCount> userControl;

int TArcadeControl::Reset() { return clear(); }

int TArcadeControl::clear() {
  x = -1;
  y = -1;
  x1 = -1;
  y1 = -1;
  over = 0;
  return 0;
}

int TArcadeControl::set(int ctrlId, int left, int top, int w, int h) {
  ctrl = ctrlId;
  x = left;
  y = top;
  x1 = left + w;
  y1 = top + h;
  return 0;
}

int TArcadeControl::checkOver(int mx, int my) {
  // 64-bit bounds: the slack must not overflow for regions at the ends of the int range.
  const int64_t px = mx;
  const int64_t py = my;
  if (px < int64_t{x} - 5 || px > int64_t{x1} + 5 || py < y || py > y1) return 0;
  const float span = static_cast<float>(int64_t{x1} - x);
  const float offset = static_cast<float>(px - x);
  // A zero-width region has no inside: right of it is the far end, at or left of it the near.
  float fraction = span == 0.0f ? (offset > 0.0f ? 1.0f : 0.0f) : offset / span;
  if (std::isnan(fraction) || fraction < 0.0f) fraction = 0.0f;
  if (fraction > 1.0f) fraction = 1.0f;
  pos = fraction;
  return 1;
}

TArcadeControl* ArcadeControlSlot(int id) {
  if (id < 0 || id >= kClickRegionCount) return nullptr;
  if (!userControl[id]) userControl[id] = std::make_unique<TArcadeControl>();
  return userControl[id].get();
}

int ArcadeGetControl(int mx, int my) {
  int result = -1;
  for (auto& region : userControl) {
    if (!region) continue;
    region->over = 0;
    if (result == -1 && region->checkOver(mx, my)) {
      result = region->ctrl;
      region->over = 1;
    }
  }
  return result;
}

int ArcadeResetControl() {
  for (auto& region : userControl) region.reset();
  return 0;
}
