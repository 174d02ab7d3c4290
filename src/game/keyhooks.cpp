// Key presses and releases by page: the hand page's deal and new-map keys, the title
// page's choice, the options page's cursor, volumes and binding capture, the game page's
// held flags, and the Space key of pages 1 to 3.
#include <algorithm>
#include <array>

#include "game/inputhooks.h"
#include "game/quilloncore.h"
#include "platform/numbers.h"

namespace {

constexpr float kVolumeStep = 0.1f;
constexpr int kWaitAfterSpace = 2500;
constexpr int kColumnStep = kOptionFirstJoyRow - kOptionFirstKeyRow;  // 7 rows between columns

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

int TQuillonCore::*OptionRowBinding(int row) {
  static const std::array<int TQuillonCore::*, 14> kRows = {
      &TQuillonCore::_key_left, &TQuillonCore::_key_right, &TQuillonCore::_key_up,
      &TQuillonCore::_key_down, &TQuillonCore::_key_fire,  &TQuillonCore::_key_pause,
      &TQuillonCore::_key_back, &TQuillonCore::_joy_left,  &TQuillonCore::_joy_right,
      &TQuillonCore::_joy_up,   &TQuillonCore::_joy_down,  &TQuillonCore::_joy_fire,
      &TQuillonCore::_joy_pause, &TQuillonCore::_joy_back,
  };
  if (!InRange(row, kOptionFirstKeyRow, kOptionLastJoyRow)) return nullptr;
  return kRows[row - kOptionFirstKeyRow];
}

int TQuillon::MKeyDown(int x, int y, int k, int ctrl, int cmd, int shift, int repeat,
                       TMControl* control) {
  switch (Page) {
    case kPageHand:
      if (k == _key_pause) break;
      if (k == kKeyD) playersReset();
      if (k == kKeyR) setupMap();
      break;

    case kPageTitle:
      if (k == _key_up)
        g_TitleChoice = 1;
      else if (k == _key_down)
        g_TitleChoice = 2;
      else if (k == _key_fire && g_TitleChoice == 1)
        Page = kPageOptions;
      break;

    case kPageOptions:
      if (_get_input == 0) {
        OptionsKey(k);
      } else if (InRange(_get_input, kOptionFirstKeyRow, kOptionLastKeyRow)) {
        // Capture chain: this row's key, then the rows below it up to 9.
        this->*OptionRowBinding(_get_input) = k;
        _get_input = _get_input == kOptionLastKeyRow ? 0 : _get_input + 1;
      }
      break;

    case kPageGame:
      if (k == _key_pause) break;
      if (k == kKeyR) setupMap();
      if (k == kKeyEsc) Page = kPageTitle;
      if (k == _key_up || k == _joy_up)
        kyup = 1;
      else if (k == _key_down || k == _joy_down)
        kydown = 1;
      else if (k == _key_left || k == _joy_left)
        kyleft = 1;
      else if (k == _key_right || k == _joy_right)
        kyright = 1;
      else if (k == _key_fire || k == _joy_fire)
        kyfire = 1;
      break;

    case 1:
      if (k == kKeySpace) {
        Page = kPageGame;
        _waitTimer = MilliSecs() + kWaitAfterSpace;
      }
      break;
    case 2:
      if (k == kKeySpace) Page = kPageGame;
      break;
    case 3:
      if (k == kKeySpace) {
        Page = kPageTitle;
        _waitTimer = MilliSecs() + kWaitAfterSpace;
      }
      break;
    default:
      break;
  }
  return 0;
}

void TQuillon::OptionsKey(int k) {
  const int row = optionMenu;
  if (k == _key_fire) {
    if (InRange(row, kOptionFirstKeyRow, kOptionLastKeyRow)) {
      _get_input = row;
      optionmenusub = kOptionColumnKeys;
    } else if (InRange(row, kOptionFirstJoyRow, kOptionLastJoyRow)) {
      _get_input = row;
      optionmenusub = kOptionColumnJoy;
    } else if (row == kOptionRowBack) {
      Page = kPageTitle;
    } else {
      _get_input = 0;
    }
  } else if (k == _key_back) {
    Page = kPageTitle;
  } else if (k == _key_right || k == _key_left) {
    const bool right = k == _key_right;
    if (row == kOptionRowMusic || row == kOptionRowSound) {
      const float v = OptionVolume(row);
      const float next = right ? std::min(v + kVolumeStep, 1.0f) : std::max(v - kVolumeStep, 0.0f);
      SetOptionVolume(row, next, true);
    } else if (right && InRange(row, kOptionFirstKeyRow, kOptionLastKeyRow)) {
      optionMenu = row + kColumnStep;
      optionmenusub = kOptionColumnJoy;
    } else if (!right && InRange(row, kOptionFirstJoyRow, kOptionLastJoyRow)) {
      optionMenu = row - kColumnStep;
      optionmenusub = kOptionColumnKeys;
    }
  } else if (k == _key_down) {
    int next = row + 1;
    if (next == kOptionFirstKeyRow && optionmenusub == kOptionColumnJoy)
      next = kOptionFirstJoyRow;
    else if (next == kOptionFirstJoyRow)
      next = kOptionRowBack;
    else if (next == kOptionRowBack + 1)
      next = kOptionRowMusic;
    optionMenu = next;
  } else if (k == _key_up) {
    int next = row - 1;
    if (next == 0)
      next = kOptionRowBack;
    else if (next == kOptionLastKeyRow)
      next = kOptionRowSound;
    else if (next == kOptionLastJoyRow && optionmenusub == kOptionColumnKeys)
      next = kOptionLastKeyRow;
    optionMenu = next;
  }
}

float TQuillon::OptionVolume(int row) const {
  return row == kOptionRowMusic ? _MusicVolume : _Volume;
}

void TQuillon::SetOptionVolume(int row, float volume, bool showOnFader) {
  TArcadeControl* fader = showOnFader ? ArcadeControlSlot(row) : nullptr;
  if (fader != nullptr) fader->pos = volume;
  if (row == kOptionRowMusic) {
    _MusicVolume = volume;
    MusicSystem.SetVolume(_MusicVolume);
  } else {
    _Volume = volume;
    SoundSystem.SetVolume(_Volume);
  }
}

int TQuillon::MKeyUp(int x, int y, int k, int ctrl, int cmd, int shift, TMControl* control) {
  if (Page != kPageGame) return 0;
  if (k == _key_up)
    kyup = 0;
  else if (k == _key_down)
    kydown = 0;
  else if (k == _key_left)
    kyleft = 0;
  else if (k == _key_right)
    kyright = 0;
  else if (k == _key_fire)
    kyfire = 0;
  return 0;
}
