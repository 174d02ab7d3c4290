// TPellam's mouse dispatch: presses (command-click, double click, the Return veto),
// releases (click or drag by vertical travel), moves (hover and drag targets) and the
// wheel (single steps pick the control under the pointer).
#include <algorithm>
#include <cstdint>
#include <limits>

#include "framework/pellam.h"
#include "platform/numbers.h"

namespace {

// a - b without overflow, saturated: positions relative to a control.
int Minus(int a, int b) {
  const int64_t d = static_cast<int64_t>(a) - b;
  return static_cast<int>(std::clamp<int64_t>(d, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

bool EnabledAndShown(const TMControl* c) { return c != nullptr && c->bEnabled != 0 && c->bShown != 0; }

}  // namespace

int TPellam::EventMouseDown(int x, int y, int ctrl, int cmd, int shift) {
  CurrentMoveCtrl = -1;
  PrevClickTime = ClickTime;
  ClickTime = MilliSecs();
  const int c = GetControl(CurrentPage, x, y);
  TMControl* control = Control(c);
  // Command-click makes a live control the page's live control, and nothing more.
  if (control != nullptr && control->bLive != 0 && cmd != 0) {
    PageActive[CurrentPage] = c;
    return 0;
  }
  CurrentDownCtrl = c;
  if (EditControl != 0) {
    // Any press ends text entry.
    EditControl = 0;
    RedrawUI(0);
  }
  if (!EnabledAndShown(control)) return 0;
  const int rx = Minus(x, control->nX);
  const int ry = Minus(y, control->nY);
  // The two presses need not be on the same control.
  const int64_t sincePrevious = static_cast<int64_t>(ClickTime) - PrevClickTime;
  if (CatchDoubleClick != 0 && sincePrevious < DoubleClickTime) {
    if (EventMouseDoubleClick(rx, ry, ctrl, cmd, shift, control) != 0) return 0;
  }
  if (EventReturnPressed(x, y, control, ctrl, cmd, shift, 1) != 0) {
    RedrawUI(0);
    return 0;
  }
  CurrentDownCtrl = c;
  MouseDownX = rx;
  MouseDownY = ry;
  MMouseDown(rx, ry, ctrl, cmd, shift, control);
  return 0;
}

int TPellam::EventMouseUp(int x, int y, int ctrl, int cmd, int shift) {
  CurrentMoveCtrl = -1;
  PrevDownCtrl = CurrentDownCtrl;
  TMControl* down = Control(CurrentDownCtrl);
  // A release without a pressed control calls no hook, not even MMouseUp.
  if (CurrentDownCtrl == -1 || down == nullptr) {
    CurrentDownCtrl = -1;
    return 0;
  }
  if ((down->bStyle & 0x100) != 0) {
    // A momentary control springs back.
    down->bSelected = 0;
    RedrawUI(0);
  }
  const int c = GetControl(CurrentPage, x, y);
  if (c == CurrentDownCtrl) {
    // Click or drag by the vertical travel alone: less than 4 pixels is a click.
    const int ry = Minus(y, down->nY);
    const int rx = Minus(x, down->nX);
    const int64_t travel = static_cast<int64_t>(ry) - MouseDownY;
    if (travel > -4 && travel < 4)
      MMouseClicked(rx, ry, ctrl, cmd, shift, down);
    else
      MMouseDragClicked(rx, ry, ctrl, cmd, shift, down);
  }
  CurrentDownCtrl = -1;
  TMControl* over = Control(c);
  if (c == -1 || over == nullptr)
    MMouseUp(x, y, ctrl, cmd, shift, nullptr);
  else if (EnabledAndShown(over))
    MMouseUp(Minus(x, over->nX), Minus(y, over->nY), ctrl, cmd, shift, over);
  return 0;
}

int TPellam::EventMouseMove(int x, int y, int ctrl, int cmd, int shift, int button) {
  // A drag stays with the control it started on when controls are persistent.
  const int t = AppPersistantCtrls != 0 && button != 0 && CurrentDownCtrl != -1
                    ? CurrentDownCtrl
                    : GetControl(CurrentPage, x, y);
  CurrentMoveCtrl = t;
  TMControl* target = Control(t);

  // The hovered control changes: one redraw, before the hooks.
  bool redraw = false;
  if (target == nullptr) {
    if (CurrentTipControl != -1) {
      if (TMControl* tip = Control(CurrentTipControl)) tip->bOver = 0;
      CurrentTipControl = -1;
      redraw = true;
    }
  } else if (t != CurrentTipControl) {
    if (TMControl* tip = Control(CurrentTipControl)) tip->bOver = 0;
    target->bOver = 1;
    CurrentTipControl = t;
    redraw = true;
  }
  if (redraw) RedrawUI(0);

  if (target == nullptr) {
    MMouseCursor(x, y, ctrl, cmd, shift, button, nullptr);
    return 0;
  }
  const int rx = Minus(x, target->nX);
  const int ry = Minus(y, target->nY);
  MMouseCursor(rx, ry, ctrl, cmd, shift, button, target);
  MMouseMove(rx, ry, ctrl, cmd, shift, button, target);
  // Each drag step over a live control reaches the move hooks twice.
  if (button != 0 && target->bEnabled != 0 && target->bShown != 0 && target->bLive != 0) {
    MMouseCursor(rx, ry, ctrl, cmd, shift, button, target);
    MMouseMove(rx, ry, ctrl, cmd, shift, button, target);
  }
  return 0;
}

int TPellam::EventMouseDoubleClick(int x, int y, int ctrl, int cmd, int shift,
                                   TMControl* control) {
  return MDoubleClick(x, y, ctrl, cmd, shift, control);
}

int TPellam::EventReturnPressed(int x, int y, TMControl* control, int ctrl, int cmd, int shift,
                                int flag) {
  CurrentDownCtrl = -1;
  return 0;
}

int TPellam::EventMouseWheel(int x, int y, int total, int ctrl, int cmd, int shift) {
  const int64_t step = static_cast<int64_t>(total) - nOldMZ;
  if (step == 1 || step == -1) {
    // A single step picks the control under the pointer.
    CurrentWheelCtrl = -1;
    const int c = GetControl(CurrentPage, x, y);
    if (c == -1) {
      nOldMZ = total;
      return 0;
    }
    CurrentWheelCtrl = c;
    CurrentWheelX = x;
    CurrentWheelY = y;
  } else if (CurrentWheelCtrl == -1) {
    nOldMZ = total;
    return 0;
  }
  const int direction = step > 0 ? 1 : step < 0 ? 0 : 2;
  MMouseWheel(direction, x, y, total, Control(CurrentWheelCtrl));
  nOldMZ = total;
  return 0;
}
