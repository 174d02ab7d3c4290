// Joysticks and game pads through SDL's joystick API, opened lazily and kept in
// step with the pads SDL reports on every call.
#include "platform/joystick.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/print.h"

namespace {

bool started = false;
bool startFailed = false;
std::vector<SDL_Joystick*> opened;  // every pad we hold open, in no particular order

bool start() {
  if (started) return true;
  if (startFailed) return false;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    Print(std::string("joystick: ") + SDL_GetError());
    startFailed = true;
    return false;
  }
  // State is read here on demand; no joystick events are wanted in the queue.
  SDL_JoystickEventState(SDL_IGNORE);
  started = true;
  return true;
}

// Reads the pads now, drops the ones unplugged and answers the pad on port.
SDL_Joystick* pad(int port) {
  if (port < 0 || !start()) return nullptr;
  SDL_JoystickUpdate();
  opened.erase(std::remove_if(opened.begin(), opened.end(),
                              [](SDL_Joystick* joystick) {
                                if (SDL_JoystickGetAttached(joystick)) return false;
                                SDL_JoystickClose(joystick);
                                return true;
                              }),
               opened.end());
  if (port >= SDL_NumJoysticks()) return nullptr;
  SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(port);
  if (id < 0) return nullptr;
  if (SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id)) {
    if (std::find(opened.begin(), opened.end(), joystick) != opened.end()) return joystick;
  }
  SDL_Joystick* joystick = SDL_JoystickOpen(port);
  if (joystick) opened.push_back(joystick);
  return joystick;
}

float axis(int port, int index) {
  SDL_Joystick* joystick = pad(port);
  if (!joystick || index >= SDL_JoystickNumAxes(joystick)) return 0.0f;
  int raw = SDL_JoystickGetAxis(joystick, index);
  // A trigger rests at one end of its range: read it from 0 at rest to 1 pressed.
  Sint16 initial = 0;
  if (SDL_JoystickGetAxisInitialState(joystick, index, &initial) && initial <= -32767)
    return std::clamp((raw + 32768) / 65535.0f, 0.0f, 1.0f);
  return std::clamp(raw / 32767.0f, -1.0f, 1.0f);
}

}  // namespace

int JoyCount() {
  if (!start()) return 0;
  SDL_JoystickUpdate();
  return std::max(SDL_NumJoysticks(), 0);
}

int JoyDown(int button, int port) {
  SDL_Joystick* joystick = pad(port);
  if (!joystick || button < 0 || button >= SDL_JoystickNumButtons(joystick)) return 0;
  return SDL_JoystickGetButton(joystick, button) ? 1 : 0;
}

float JoyX(int port) { return axis(port, 0); }
float JoyY(int port) { return axis(port, 1); }
float JoyZ(int port) { return axis(port, 2); }
float JoyR(int port) { return axis(port, 3); }
float JoyU(int port) { return axis(port, 4); }
float JoyV(int port) { return axis(port, 5); }
float JoyWheel(int port) { return axis(port, 6); }

float JoyHat(int port) {
  SDL_Joystick* joystick = pad(port);
  if (!joystick || SDL_JoystickNumHats(joystick) < 1) return 0.0f;
  Uint8 hat = SDL_JoystickGetHat(joystick, 0);
  if (hat & SDL_HAT_LEFT) return -1.0f;
  if (hat & SDL_HAT_RIGHT) return 1.0f;
  return 0.0f;
}

void JoyShutdown() {
  for (SDL_Joystick* joystick : opened) SDL_JoystickClose(joystick);
  opened.clear();
  if (started) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  started = false;
  startFailed = false;
}
