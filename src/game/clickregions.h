// Click regions: the table of 20 rectangles that pages register while they draw, each
// under a control id that is also its index, and the hit test the pointer handlers ask.
#pragma once
#include <array>
#include <memory>

constexpr int kClickRegionCount = 20;  // control ids 0 to 19

class TArcadeControl {
 public:
  TArcadeControl() = default;
  virtual ~TArcadeControl() = default;

  int x = 0;   // left edge, virtual pixels
  int y = 0;   // top edge
  int x1 = 0;  // right edge
  int y1 = 0;  // bottom edge
  int ctrl = 0;      // id a hit reports
  float pos = 0.0f;  // horizontal fraction 0..1 of the last hit
  int over = 0;      // 1 while this is the region under the pointer

  virtual int Reset();
  virtual int clear();
  virtual int set(int ctrl, int x, int y, int w, int h);
  // 1 when (mx, my) lies within x - 5 .. x1 + 5 and y .. y1; then pos is updated.
  virtual int checkOver(int mx, int my);
};

// Empty slots until something registers a region there.
extern std::array<std::unique_ptr<TArcadeControl>, kClickRegionCount> userControl;

// The slot id's region, created when empty; nullptr for an id outside 0..19.
TArcadeControl* ArcadeControlSlot(int id);
// The ctrl of the first region in index order under the point, or -1; rewrites over.
int ArcadeGetControl(int mx, int my);
// Drops every region.
int ArcadeResetControl();
