// TPellam's trackpad gesture dispatch: each gesture goes to the enabled, shown control
// under the pointer, with step codes. A pinch gives one strong step (64 opening, 128
// closing) and re-arms after a zero step; a run of strong swipe steps gives one MSwipe.
#include "framework/pellam.h"
#include "platform/numbers.h"

namespace {

constexpr int kStepWeak = 2;
constexpr int kMagnifyOpen = 64;
constexpr int kMagnifyClose = 128;
constexpr int kSwipeLeft = 4;   // negative delta
constexpr int kSwipeRight = 1;  // positive delta
constexpr int kRotateOn = 512;  // angle 0 or more
constexpr int kRotateBack = 256;
constexpr float kMagnifyNoise = 0.001f;

}  // namespace

int TPellam::EventGestureStart(int x, int y) {
  TMControl* c = Control(GetControl(CurrentPage, x, y));
  if (c == nullptr || c->bEnabled == 0 || c->bShown == 0) return 0;
  MGestureStart(c);
  return 0;
}

int TPellam::EventRotate(int x, int y, float angle) {
  TMControl* c = Control(GetControl(CurrentPage, x, y));
  if (c == nullptr || c->bEnabled == 0 || c->bShown == 0) return 0;
  // Not a number counts as negative.
  MRotate(angle >= 0.0f ? kRotateOn : kRotateBack, c);
  return 0;
}

int TPellam::EventMagnify(int x, int y, int ctrl, int cmd, int shift, float amount) {
  TMControl* c = Control(GetControl(CurrentPage, x, y));
  if (c == nullptr || c->bEnabled == 0 || c->bShown == 0) return 0;
  const int steps = TruncToInt(amount * 100.0f);
  if (amount > kMagnifyNoise || amount < -kMagnifyNoise) MTrueMagnify(amount, c);
  int code = kStepWeak;
  if (amount > 0.0f) {
    if (MagTrip == 0 && steps > 3) {
      code = kMagnifyOpen;
      MagTrip = 1;
    }
  } else if (MagTrip == 0 && steps < -3) {
    code = kMagnifyClose;
    MagTrip = 1;
  }
  if (steps == 0) {
    MagTrip = 0;
    return 0;
  }
  MMagnify(code, ctrl, cmd, shift, c);
  return 0;
}

int TPellam::EventSwipe(int x, int y, int deltaX, int deltaY) {
  TMControl* c = Control(GetControl(CurrentPage, x, y));
  if (c == nullptr || c->bEnabled == 0 || c->bShown == 0) return 0;
  if (deltaX != 0) MFullSwipe(deltaX, c);
  const bool strong = deltaX < -2 || deltaX > 2;
  int code = kStepWeak;
  if (SwipeTrip == 0 && strong) code = deltaX < 0 ? kSwipeLeft : kSwipeRight;
  SwipeTrip = strong ? deltaX : 0;
  if (code != kStepWeak) MSwipe(code, deltaX, c);
  return 0;
}
