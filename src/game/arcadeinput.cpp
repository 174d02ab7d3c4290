// Joystick input codes: the poll for the first pressed input, the test of one input,
// and the display names of joystick codes.
#include "game/arcadeinput.h"

#include "platform/joystick.h"

namespace {

using AxisReader = float (*)(int port);

// Axis order of the codes 64/65 .. 78/79.
constexpr AxisReader kAxes[] = {JoyX, JoyY, JoyZ, JoyR, JoyU, JoyV, JoyHat, JoyWheel};
constexpr const char* kAxisNames[] = {"X", "Y", "Z", "R", "U", "V", "H", "W"};
// The axes GetButton scans, by axis index: Z and R are left out.
constexpr int kScannedAxes[] = {0, 1, 4, 5, 6, 7};

constexpr float kReportThreshold = 0.8f;
constexpr float kDownThreshold = 0.4f;

}  // namespace

int GetButton(int port) {
  for (int button = 0; button < kJoyScannedButtons; ++button) {
    if (JoyDown(button, port) != 0) return button;
  }
  for (int axis : kScannedAxes) {
    if (kAxes[axis](port) < -kReportThreshold) return kJoyAxisFirst + 2 * axis;
    if (kAxes[axis](port) > kReportThreshold) return kJoyAxisFirst + 2 * axis + 1;
  }
  return kJoyNone;
}

int ButtonDown(int port, int code) {
  if (code >= kJoyAxisFirst && code <= kJoyAxisLast) {
    const int axis = (code - kJoyAxisFirst) / 2;
    const float value = kAxes[axis](port);
    const bool positive = ((code - kJoyAxisFirst) % 2) == 1;
    return (positive ? value > kDownThreshold : value < -kDownThreshold) ? 1 : 0;
  }
  return JoyDown(code, port) != 0 ? 1 : 0;
}

std::string GetJoyString(int code) {
  if (code >= 0 && code < kJoyButtonCount) return "But" + std::to_string(code);
  if (code >= kJoyAxisFirst && code <= kJoyAxisLast) {
    const int axis = (code - kJoyAxisFirst) / 2;
    const bool positive = ((code - kJoyAxisFirst) % 2) == 1;
    return std::string("Pot") + kAxisNames[axis] + (positive ? "R" : "L");
  }
  return "";
}
