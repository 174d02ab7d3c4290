// Input codes read from an SDL virtual joystick: button order and the 32-button scan,
// the axis order and thresholds of GetButton and ButtonDown, and names out of range.
#include "game/arcadeinput.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/joystick.h"

namespace {

// A virtual pad with seven axes (X, Y, Z, R, U, V, wheel), 40 buttons and a hat.
struct VirtualPad {
  VirtualPad() {
    JoyCount();  // starts the joystick subsystem
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 7, 40, 1);
    if (index >= 0) {
      id = SDL_JoystickGetDeviceInstanceID(index);
      handle = SDL_JoystickOpen(index);
    }
  }
  ~VirtualPad() {
    if (!handle) return;
    SDL_JoystickClose(handle);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    JoyShutdown();
  }
  int Port() const {
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    return -1;
  }
  void Button(int b, bool down) {
    SDL_JoystickSetVirtualButton(handle, b, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void Axis(int a, int raw) { SDL_JoystickSetVirtualAxis(handle, a, static_cast<Sint16>(raw)); }
  void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(handle, 0, value); }

  SDL_JoystickID id = -1;
  SDL_Joystick* handle = nullptr;
};

// Raw axis values: the pad reads raw / 32767.
constexpr int kFull = 32767;
constexpr int kJustInsideReport = 26213;  // 0.79998
constexpr int kPastReport = 26542;        // 0.81
constexpr int kHalf = 16384;              // 0.5
constexpr int kJustInsideDown = 13106;    // 0.39997
enum { kX, kY, kZ, kR, kU, kV, kWheel };

TEST(ArcadeInputTest, NothingPressedNoPad) {
  EXPECT_EQ(GetButton(7), -1);
  EXPECT_EQ(ButtonDown(7, 3), 0);
  EXPECT_EQ(ButtonDown(7, 64), 0);
  JoyShutdown();
}

TEST(ArcadeInputTest, ButtonsLowestFirstAndOnlyTheFirst32Scanned) {
  VirtualPad pad;
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  const int port = pad.Port();
  EXPECT_EQ(GetButton(port), -1);

  pad.Button(7, true);
  pad.Button(3, true);
  EXPECT_EQ(GetButton(port), 3);
  pad.Button(3, false);
  EXPECT_EQ(GetButton(port), 7);
  pad.Button(7, false);

  pad.Button(40 - 1, true);
  pad.Button(32, true);
  EXPECT_EQ(GetButton(port), -1);
  EXPECT_EQ(ButtonDown(port, 32), 1);
  EXPECT_EQ(ButtonDown(port, 39), 1);
  EXPECT_EQ(ButtonDown(port, 31), 0);
  EXPECT_EQ(ButtonDown(port, -1), 0);
  EXPECT_EQ(ButtonDown(port, 500), 0);

  pad.Axis(kX, -kFull);
  pad.Button(31, true);
  EXPECT_EQ(GetButton(port), 31);  // a button beats an axis
}

TEST(ArcadeInputTest, AxisThresholdsOfReportAndDown) {
  VirtualPad pad;
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  const int port = pad.Port();

  pad.Axis(kX, -kJustInsideReport);
  EXPECT_EQ(GetButton(port), -1);
  EXPECT_EQ(ButtonDown(port, 64), 1);
  pad.Axis(kX, -kPastReport);
  EXPECT_EQ(GetButton(port), 64);
  pad.Axis(kX, kPastReport);
  EXPECT_EQ(GetButton(port), 65);
  EXPECT_EQ(ButtonDown(port, 65), 1);
  EXPECT_EQ(ButtonDown(port, 64), 0);

  pad.Axis(kX, -kHalf);
  EXPECT_EQ(GetButton(port), -1);
  EXPECT_EQ(ButtonDown(port, 64), 1);
  pad.Axis(kX, -kJustInsideDown);
  EXPECT_EQ(ButtonDown(port, 64), 0);
  pad.Axis(kX, 0);
}

TEST(ArcadeInputTest, AxisOrderAndTheUnscannedZAndR) {
  VirtualPad pad;
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  const int port = pad.Port();

  pad.Axis(kZ, kFull);
  pad.Axis(kR, -kFull);
  EXPECT_EQ(GetButton(port), -1);
  EXPECT_EQ(ButtonDown(port, 69), 1);
  EXPECT_EQ(ButtonDown(port, 68), 0);
  EXPECT_EQ(ButtonDown(port, 70), 1);

  pad.Axis(kWheel, kFull);
  EXPECT_EQ(GetButton(port), 79);
  pad.Hat(SDL_HAT_LEFT);
  EXPECT_EQ(GetButton(port), 76);
  EXPECT_EQ(ButtonDown(port, 76), 1);
  pad.Axis(kV, kFull);
  EXPECT_EQ(GetButton(port), 75);
  pad.Axis(kU, -kFull);
  EXPECT_EQ(GetButton(port), 72);
  pad.Axis(kY, kFull);
  EXPECT_EQ(GetButton(port), 67);
  pad.Axis(kX, kFull);
  EXPECT_EQ(GetButton(port), 65);
}

TEST(ArcadeInputTest, KeyAndJoystickNamesOutsideTheirTablesAreEmpty) {
  EXPECT_EQ(GetKeyString(65), "A");
  EXPECT_EQ(GetKeyString(123), "F12");
  for (int code : {0, 93, 108, 220, 255, 256, 300, -1}) EXPECT_EQ(GetKeyString(code), "") << code;
  EXPECT_EQ(GetJoyString(63), "But63");
  EXPECT_EQ(GetJoyString(79), "PotWR");
  for (int code : {-1, 80, 1000}) EXPECT_EQ(GetJoyString(code), "") << code;
}

}  // namespace
