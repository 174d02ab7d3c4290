// TOrreryControl's hit test: which live, enabled and visible control of a page lies under
// a point (the last declared wins among overlapping ones, and the last hit is tried first),
// and the look-up of a page's control by its id.
#include <algorithm>

#include "framework/orrerycontrol.h"

int TOrreryControl::ControlVisible(const TMControl& control) const {
  if (control.bShown <= 0) return 0;
  if (control.bPage < 0 || control.bPage >= kPageLayerCount) return 0;
  return (control.bShown & PageLayer[control.bPage]) != 0 ? 1 : 0;
}

int TOrreryControl::CheckControl(int x, int y, int index) {
  const TMControl* c = Control(index);
  if (c == nullptr) return -1;
  // Edges belong to the control on all four sides.
  if (x < c->nX || x > c->nX1 || y < c->nY || y > c->nY1) return -1;
  if (c->bLive == 0 || c->bEnabled == 0 || ControlVisible(*c) == 0) return -1;
  return index;
}

int TOrreryControl::GetControl(int page, int x, int y) {
  // The remembered hit serves one call only, so a pointer resting on a control
  // alternates between the shortcut and a full scan.
  const int remembered = CurrentControl;
  CurrentControl = -1;
  if (!ValidPage(page)) return -1;
  if (remembered >= 0 && CheckControl(x, y, remembered) == remembered) return remembered;

  const int end = PageEnd[page];
  if (end < 0 || Control(end) == nullptr) return -1;
  // The page's last slot is tested even when the page has no run of its own.
  for (int i = end;; --i) {
    if (CheckControl(x, y, i) == i) {
      CurrentControl = i;
      return i;
    }
    if (i <= PageStart[page] || i <= 0) break;
  }
  return -1;
}

int TOrreryControl::FindControl(int page, int id) {
  if (!ValidPage(page)) return -1;
  for (int i = std::max(PageStart[page], 0); i <= PageEnd[page]; ++i) {
    const TMControl* c = Control(i);
    if (c == nullptr) break;
    if (c->nID == id) return i;
  }
  return -1;
}
