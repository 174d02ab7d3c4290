// The game's input hooks share these: the joystick poll the frame clock uses (tests
// replace it with a script) and the options-page rows.
#pragma once

// GetButton unless a test put its own poll here.
extern int (*FrameJoystickPoll)(int port);

constexpr int kOptionRowMusic = 1;
constexpr int kOptionRowSound = 2;
constexpr int kOptionFirstKeyRow = 3;   // rows 3..9: key bindings
constexpr int kOptionLastKeyRow = 9;
constexpr int kOptionFirstJoyRow = 10;  // rows 10..16: joystick bindings
constexpr int kOptionLastJoyRow = 16;
constexpr int kOptionRowBack = 17;
constexpr int kOptionColumnKeys = 1;
constexpr int kOptionColumnJoy = 2;

constexpr int kKeySpace = 32;
constexpr int kKeyEsc = 27;
constexpr int kKeyD = 68;
constexpr int kKeyR = 82;

class TQuillonCore;
// The binding field an options row 3..16 sets; nullptr for any other row.
int TQuillonCore::*OptionRowBinding(int row);
