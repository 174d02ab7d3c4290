// Polled input state, kept up to date by the event translation.
#include "platform/input.h"

#include <array>

namespace {

constexpr int KEY_COUNT = 256;
constexpr int BUTTON_COUNT = 6;  // index 0 unused

struct InputState {
  int mouseX = 0;
  int mouseY = 0;
  std::array<int, BUTTON_COUNT> buttonDown{};
  std::array<int, BUTTON_COUNT> buttonHits{};
  std::array<int, KEY_COUNT> keyDown{};
  std::array<int, KEY_COUNT> keyHits{};
};

InputState& input() {
  static InputState* s = new InputState;
  return *s;
}

bool validKey(int code) { return code >= 0 && code < KEY_COUNT; }
bool validButton(int button) { return button >= 1 && button < BUTTON_COUNT; }

}  // namespace

int MouseX() { return input().mouseX; }
int MouseY() { return input().mouseY; }

int MouseDown(int button) { return validButton(button) ? input().buttonDown[button] : 0; }

int MouseHit(int button) {
  if (!validButton(button)) return 0;
  int hits = input().buttonHits[button];
  input().buttonHits[button] = 0;
  return hits;
}

int KeyDown(int code) { return validKey(code) ? input().keyDown[code] : 0; }

int KeyHit(int code) {
  if (!validKey(code)) return 0;
  int hits = input().keyHits[code];
  input().keyHits[code] = 0;
  return hits;
}

void FlushKeys() {
  input().keyDown.fill(0);
  input().keyHits.fill(0);
}

void FlushMouse() {
  input().buttonDown.fill(0);
  input().buttonHits.fill(0);
}

void InputKeyChange(int code, bool down) {
  if (!validKey(code)) return;
  if (down && !input().keyDown[code]) ++input().keyHits[code];
  input().keyDown[code] = down ? 1 : 0;
}

void InputMouseButton(int button, bool down) {
  if (!validButton(button)) return;
  if (down) ++input().buttonHits[button];
  input().buttonDown[button] = down ? 1 : 0;
}

void InputMouseMove(int x, int y) {
  input().mouseX = x;
  input().mouseY = y;
}
