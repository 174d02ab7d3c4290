// Polled input: the pointer position, the mouse buttons and the keys as they stand
// after the events translated so far.
#pragma once

int MouseX();
int MouseY();
// Buttons: 1 primary, 2 secondary, 3 middle, 4 and 5 the side buttons.
int MouseDown(int button);  // 1 while held, else 0
int MouseHit(int button);   // presses since the last call or flush
// Key codes 0 to 255 (keycodes.h); any other code answers 0.
int KeyDown(int code);
int KeyHit(int code);
// Discard pending polled input: every key (or button) counts as up and unhit.
void FlushKeys();
void FlushMouse();

// Fed by the event translation on the event thread.
void InputKeyChange(int code, bool down);
void InputMouseButton(int button, bool down);
void InputMouseMove(int x, int y);
