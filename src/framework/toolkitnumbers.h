// Small number helpers of the drawing toolkit: a float clamp, fixed-point text, and the
// value and pixel position of a horizontal fader.
#pragma once
#include <string>

// lo when v < lo or v is not a number, hi when v > hi, else v.
float clamp(float v, float lo, float hi);
// f with digits decimals, truncated toward zero: (3.14159, 2) gives "3.14", (7, 0) "7.".
std::string FloatToFixedPoint(float f, int digits);
// The fader value for a mouse offset mx from the fader's left end x0 (right end x1).
int GetHFaderFromMouse(int mx, int x0, int x1, float min, float max);
// The pixel position of value on a fader from x0 to x1 showing vmin..vmax.
int GetHFaderPos(int x0, int x1, int vmin, int vmax, int value);
