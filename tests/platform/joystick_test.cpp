// Buttons, axes and the hat read through SDL's virtual joysticks, pads plugged
// in and out between reads, and answers for ports and buttons that do not exist.
#include "platform/joystick.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A virtual pad attached for the test; the test's own handle sets its state.
struct VirtualPad {
  VirtualPad(int axes, int buttons, int hats, SDL_JoystickType type = SDL_JOYSTICK_TYPE_UNKNOWN) {
    index = SDL_JoystickAttachVirtual(type, axes, buttons, hats);
    if (index >= 0) {
      id = SDL_JoystickGetDeviceInstanceID(index);
      handle = SDL_JoystickOpen(index);
    }
  }
  ~VirtualPad() { Unplug(); }
  void Unplug() {
    if (!handle) return;
    SDL_JoystickClose(handle);
    handle = nullptr;
    // Device indexes move as pads come and go: find this one's index now.
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }
  // The port this pad answers on now.
  int Port() const {
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    return -1;
  }

  int index = -1;
  SDL_JoystickID id = -1;
  SDL_Joystick* handle = nullptr;
};

class JoystickTest : public ::testing::Test {
 protected:
  void SetUp() override { baseline = JoyCount(); }  // also starts the subsystem
  void TearDown() override { JoyShutdown(); }
  int baseline = 0;
};

}  // namespace

TEST_F(JoystickTest, ButtonsOfAPad) {
  VirtualPad pad(7, 12, 1);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  EXPECT_EQ(JoyCount(), baseline + 1);
  int port = pad.Port();

  EXPECT_EQ(JoyDown(3, port), 0);
  SDL_JoystickSetVirtualButton(pad.handle, 3, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(pad.handle, 11, SDL_PRESSED);
  EXPECT_EQ(JoyDown(3, port), 1);
  EXPECT_EQ(JoyDown(11, port), 1);
  EXPECT_EQ(JoyDown(2, port), 0);
  EXPECT_EQ(JoyDown(12, port), 0);    // past the pad's last button
  EXPECT_EQ(JoyDown(-1, port), 0);
  SDL_JoystickSetVirtualButton(pad.handle, 3, SDL_RELEASED);
  EXPECT_EQ(JoyDown(3, port), 0);
}

TEST_F(JoystickTest, AxesInOrderFromMinusOneToOne) {
  VirtualPad pad(7, 4, 1);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  int port = pad.Port();
  float (*const axes[7])(int) = {JoyX, JoyY, JoyZ, JoyR, JoyU, JoyV, JoyWheel};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(axes[i](port), 0.0f) << "axis " << i << " at rest";

  for (int i = 0; i < 7; ++i) {
    SDL_JoystickSetVirtualAxis(pad.handle, i, SDL_JOYSTICK_AXIS_MAX);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(axes[k](port), k == i ? 1.0f : 0.0f) << "axis " << i << " read " << k;
    SDL_JoystickSetVirtualAxis(pad.handle, i, SDL_JOYSTICK_AXIS_MIN);
    EXPECT_EQ(axes[i](port), -1.0f) << "axis " << i;
    SDL_JoystickSetVirtualAxis(pad.handle, i, 0);
    EXPECT_EQ(axes[i](port), 0.0f) << "axis " << i;
  }
  SDL_JoystickSetVirtualAxis(pad.handle, 0, -16384);
  EXPECT_NEAR(JoyX(port), -0.5f, 0.001f);
}

TEST_F(JoystickTest, GamePadTriggersRestAtZero) {
  // SDL's game-pad layout: two sticks on axes 0..3, triggers on 4 and 5 resting at the minimum.
  VirtualPad pad(6, 4, 0, SDL_JOYSTICK_TYPE_GAMECONTROLLER);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  int port = pad.Port();
  EXPECT_EQ(JoyV(port), 0.0f);
  SDL_JoystickSetVirtualAxis(pad.handle, 5, SDL_JOYSTICK_AXIS_MAX);
  EXPECT_EQ(JoyV(port), 1.0f);
  SDL_JoystickSetVirtualAxis(pad.handle, 5, 0);
  EXPECT_NEAR(JoyV(port), 0.5f, 0.001f);
  SDL_JoystickSetVirtualAxis(pad.handle, 5, SDL_JOYSTICK_AXIS_MIN);
  EXPECT_EQ(JoyV(port), 0.0f);
  SDL_JoystickSetVirtualAxis(pad.handle, 0, SDL_JOYSTICK_AXIS_MIN);  // sticks keep both directions
  EXPECT_EQ(JoyX(port), -1.0f);
}

TEST_F(JoystickTest, HatLeftAndRight) {
  VirtualPad pad(2, 2, 1);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  int port = pad.Port();
  EXPECT_EQ(JoyHat(port), 0.0f);
  const std::pair<Uint8, float> cases[] = {
      {SDL_HAT_LEFT, -1.0f}, {SDL_HAT_LEFTUP, -1.0f}, {SDL_HAT_LEFTDOWN, -1.0f}, {SDL_HAT_RIGHT, 1.0f},
      {SDL_HAT_RIGHTUP, 1.0f}, {SDL_HAT_UP, 0.0f},     {SDL_HAT_DOWN, 0.0f},      {SDL_HAT_CENTERED, 0.0f}};
  for (const auto& [position, expected] : cases) {
    SDL_JoystickSetVirtualHat(pad.handle, 0, position);
    EXPECT_EQ(JoyHat(port), expected) << int(position);
  }
}

TEST_F(JoystickTest, MissingAxesHatsAndPortsAnswerZero) {
  VirtualPad pad(2, 1, 0);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  int port = pad.Port();
  SDL_JoystickSetVirtualAxis(pad.handle, 1, SDL_JOYSTICK_AXIS_MAX);
  EXPECT_EQ(JoyY(port), 1.0f);
  EXPECT_EQ(JoyZ(port), 0.0f);
  EXPECT_EQ(JoyWheel(port), 0.0f);
  EXPECT_EQ(JoyHat(port), 0.0f);

  int none = JoyCount();
  EXPECT_EQ(JoyDown(0, none), 0);
  EXPECT_EQ(JoyHat(none), 0.0f);
  EXPECT_EQ(JoyY(-1), 0.0f);
}

TEST_F(JoystickTest, PadsPluggedInAndOutWhileRunning) {
  auto first = std::make_unique<VirtualPad>(2, 4, 0);
  ASSERT_NE(first->handle, nullptr) << SDL_GetError();
  SDL_JoystickSetVirtualButton(first->handle, 1, SDL_PRESSED);
  EXPECT_EQ(JoyDown(1, first->Port()), 1);

  VirtualPad second(2, 4, 0);
  ASSERT_NE(second.handle, nullptr) << SDL_GetError();
  EXPECT_EQ(JoyCount(), baseline + 2);
  SDL_JoystickSetVirtualButton(second.handle, 2, SDL_PRESSED);
  EXPECT_EQ(JoyDown(2, second.Port()), 1);
  EXPECT_EQ(JoyDown(2, first->Port()), 0);

  // Unplugging the first pad while its button is held: the held button goes with it.
  int firstPort = first->Port();
  first.reset();
  EXPECT_EQ(JoyCount(), baseline + 1);
  for (int port = 0; port < JoyCount(); ++port) EXPECT_EQ(JoyDown(1, port), 0) << port;
  EXPECT_EQ(JoyDown(2, second.Port()), 1);
  if (baseline == 0) {
    EXPECT_EQ(firstPort, 0);
    EXPECT_EQ(second.Port(), 0);  // the remaining pad moves up to port 0
  }

  // A pad plugged in afterwards is read as well.
  VirtualPad third(2, 4, 0);
  ASSERT_NE(third.handle, nullptr) << SDL_GetError();
  SDL_JoystickSetVirtualAxis(third.handle, 0, SDL_JOYSTICK_AXIS_MIN);
  EXPECT_EQ(JoyX(third.Port()), -1.0f);
  EXPECT_EQ(JoyX(second.Port()), 0.0f);
}

TEST_F(JoystickTest, ReadsAgainAfterShutdown) {
  JoyShutdown();
  EXPECT_EQ(JoyCount(), baseline);
  VirtualPad pad(2, 2, 0);
  ASSERT_NE(pad.handle, nullptr) << SDL_GetError();
  SDL_JoystickSetVirtualButton(pad.handle, 0, SDL_PRESSED);
  EXPECT_EQ(JoyDown(0, pad.Port()), 1);
}
