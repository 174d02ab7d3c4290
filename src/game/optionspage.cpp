// The options page (page 6): the music and sound faders, the seven actions with their
// keyboard and joystick binding boxes, BACK, and the pulsing mark over a binding that
// is being captured. It only shows the state the input handlers keep and registers
// click regions 1 to 17.
#include <string>

#include "game/inputhooks.h"
#include "game/quilloncore.h"
#include "platform/draw2d.h"
#include "platform/numbers.h"

namespace {

struct TOptionAction {
  int y;
  const char* plain;
  const char* highlighted;
  int TQuillonCore::*key;
  int TQuillonCore::*joy;
};

// The keyboard row of action i is 3 + i, its joystick row 10 + i; "map" is the pause binding.
constexpr TOptionAction kActions[] = {
    {96, "left...", ">left..", &TQuillonCore::_key_left, &TQuillonCore::_joy_left},
    {107, "right..", ">right.", &TQuillonCore::_key_right, &TQuillonCore::_joy_right},
    {118, "up.....", ">up....", &TQuillonCore::_key_up, &TQuillonCore::_joy_up},
    {129, "down...", ">down..", &TQuillonCore::_key_down, &TQuillonCore::_joy_down},
    {140, "fire...", ">fire..", &TQuillonCore::_key_fire, &TQuillonCore::_joy_fire},
    {151, "map....", ">map...", &TQuillonCore::_key_pause, &TQuillonCore::_joy_pause},
    {162, "back...", ">back..", &TQuillonCore::_key_back, &TQuillonCore::_joy_back},
};
constexpr int kActionCount = 7;

constexpr int kKeyBoxX = 98;
constexpr int kJoyBoxX = 155;
constexpr int kBoxChars = 7;
constexpr int kBackChars = 19;

struct TFill {
  int r, g, b;
};
constexpr TFill kFillCurrent = {100, 10, 20};
constexpr TFill kFillPlain = {10, 20, 20};

}  // namespace

int TQuillonCore::DrawPage_Options() {
  SetColor(250, 250, 240);
  SetAlpha(1.0f);
  ArcadeTextCenter("OPTIONS", AppVirtualWidth / 2, 15);

  // Highlighting moves only the label: 34 + 8 chars and 42 + 7 chars put the bar at one x.
  const auto fader = [&](int row, int y, const char* label, float value) {
    if (optionMenu == row) {
      ArcadeTextFader(std::string("> ") + label, 34, y, 8, 14, value, row, 200, 20, 20);
    } else {
      ArcadeTextFader(label, 42, y, 7, 14, value, row, 90, 90, 90);
    }
  };
  fader(kOptionRowMusic, 40, "MUSIC", _MusicVolume);
  fader(kOptionRowSound, 60, "SOUND", _Volume);

  for (int i = 0; i < kActionCount; ++i) {
    const TOptionAction& action = kActions[i];
    const bool on = optionMenu == kOptionFirstKeyRow + i || optionMenu == kOptionFirstJoyRow + i;
    if (on) {
      SetColor(230, 30, 20);
    } else {
      SetColor(80, 80, 80);
    }
    ArcadeText(on ? action.highlighted : action.plain, 48, action.y, -1);
  }
  const auto box = [&](const std::string& name, int x, int y, int row) {
    const TFill& fill = optionMenu == row ? kFillCurrent : kFillPlain;
    ArcadeTextBox(name, x, y, kBoxChars, row, fill.r, fill.g, fill.b);
  };
  for (int i = 0; i < kActionCount; ++i) {
    box(GetKeyString(this->*kActions[i].key), kKeyBoxX, kActions[i].y, kOptionFirstKeyRow + i);
  }
  for (int i = 0; i < kActionCount; ++i) {
    box(GetJoyString(this->*kActions[i].joy), kJoyBoxX, kActions[i].y, kOptionFirstJoyRow + i);
  }

  if (optionMenu == kOptionRowBack) {
    ArcadeTextOutline(">BACK<", 106, 182, kOptionRowBack, kBackChars, 200, 20, 20);
  } else {
    ArcadeTextOutline("BACK", 113, 182, kOptionRowBack, kBackChars, 200, 200, 200);
  }

  // The box over the row being captured hides the bound name; its green pulses between
  // 100 and 200 once every 1080 ms.
  const int capture = _get_input;
  if (capture >= kOptionFirstKeyRow && capture <= kOptionLastJoyRow) {
    const bool keyColumn = capture <= kOptionLastKeyRow;
    const int i = keyColumn ? capture - kOptionFirstKeyRow : capture - kOptionFirstJoyRow;
    const double degrees = static_cast<double>(gameTime / 3);
    const int green = TruncToInt(150.0 + 50.0 * Sin(degrees));
    ArcadeTextBox("", keyColumn ? kKeyBoxX : kJoyBoxX, kActions[i].y, kBoxChars, capture, 150, green, 20);
  }
  return 0;
}
