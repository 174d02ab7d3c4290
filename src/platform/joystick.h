// Joysticks and game pads, polled: buttons and axis positions of the pad on a
// port. Port p is the p-th pad SDL knows of now, so pads plugged in or out while
// the program runs are seen at the next call; every call reads the pads afresh.
// A port or button that does not exist answers 0.
#pragma once

// The number of pads connected now.
int JoyCount();
// 1 while the button (0 upward) of the pad on port is held, else 0.
int JoyDown(int button, int port);

// Axis positions from -1 to +1, 0 at rest. Axes 0..5 of the pad are X, Y, Z, R,
// U, V, axis 6 is the wheel. A pad without the axis answers 0. An axis that
// started at its minimum (a trigger) reads from 0 released to +1 pressed.
float JoyX(int port);
float JoyY(int port);
float JoyZ(int port);
float JoyR(int port);
float JoyU(int port);
float JoyV(int port);
float JoyWheel(int port);
// The first hat switch as one value: -1 while pushed to the left (straight or
// diagonally), +1 to the right, 0 centred or straight up or down.
float JoyHat(int port);

// Closes the pads and releases SDL's joystick subsystem; a later call opens it again.
void JoyShutdown();
