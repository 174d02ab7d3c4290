// The 60 Hz frame clock: polls the joystick on the pages that take it (a newly pressed
// input acts as its bound key, or is stored while an options row captures), then asks
// the framework to redraw, which reaches the frame drawing.
#include "game/inputhooks.h"
#include "game/quilloncore.h"

int (*FrameJoystickPoll)(int port) = GetButton;

int TQuillon::MTimer(int slot) {
  if (slot != 1) return 0;
  auto press = [this](int key) { MKeyDown(0, 0, key, 0, 0, 0, 0, nullptr); };

  if (Page == kPageGame) {
    FrameJoystickPoll(0);
  } else if (Page == kPageTitle) {
    const int b = FrameJoystickPoll(0);
    if (b >= 0 && b != joykeyold && _get_input == 0) {
      // Each test is made: one input bound twice acts twice.
      if (b == _joy_down) press(_key_down);
      if (b == _joy_up) press(_key_up);
      if (b == _joy_fire) press(_key_fire);
    }
    joykeyold = b;
  } else if (Page == kPageOptions) {
    const int b = FrameJoystickPoll(0);
    if (b >= 0 && b != joykeyold) {
      if (_get_input == 0) {
        if (b == _joy_down) press(_key_down);
        if (b == _joy_up) press(_key_up);
        if (b == _joy_left) press(_key_left);
        if (b == _joy_right) press(_key_right);
        if (b == _joy_fire) press(_key_fire);
        if (b == _joy_pause) press(_key_pause);
        if (b == _joy_back) press(_key_back);
      } else if (_get_input >= kOptionFirstJoyRow && _get_input <= kOptionLastJoyRow) {
        this->*OptionRowBinding(_get_input) = b;
        _get_input = 0;
      }
    }
    joykeyold = b;
  }
  RedrawUI(-1);
  return 0;
}
