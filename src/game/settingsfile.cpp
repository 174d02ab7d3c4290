// The settings file: read once at start-up (window geometry, full-screen request, both
// volumes, fourteen bindings) and written back once when the event loop has ended.
#include "game/settingsfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "framework/appfunctions.h"
#include "game/quilloncore.h"
#include "platform/print.h"

std::string App_IniFile;

namespace {

const char* const kWindow = "AppWindow";
const char* const kSettings = "Settings";

// A binding field with its key and default text.
struct TBindingKey {
  int TQuillonCore::*field;
  const char* key;
  const char* fallback;
};

// In the order the keys are read and written.
constexpr TBindingKey kBindings[] = {
    {&TQuillonCore::_key_up, "keyup", "38"},      {&TQuillonCore::_key_down, "keydown", "40"},
    {&TQuillonCore::_key_left, "keyleft", "37"},  {&TQuillonCore::_key_right, "keyright", "39"},
    {&TQuillonCore::_key_fire, "keyfire", "32"},  {&TQuillonCore::_key_back, "keyback", "27"},
    {&TQuillonCore::_key_pause, "keypause", "77"}, {&TQuillonCore::_joy_up, "joyup", "4"},
    {&TQuillonCore::_joy_down, "joydown", "6"},   {&TQuillonCore::_joy_left, "joyleft", "7"},
    {&TQuillonCore::_joy_right, "joyright", "5"}, {&TQuillonCore::_joy_fire, "joyfire", "0"},
    {&TQuillonCore::_joy_back, "joyback", "3"},   {&TQuillonCore::_joy_pause, "joypause", "4"},
};

size_t SkipBlanks(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return i;
}

}  // namespace

int SettingsTextToInt(const std::string& text) {
  size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{1} << 32) value = int64_t{1} << 32;  // saturated below
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int>(value);
}

double SettingsTextToFloat(const std::string& text) {
  const std::string rest = text.substr(SkipBlanks(text));
  const char* start = rest.c_str();
  char* end = nullptr;
  const double value = std::strtod(start, &end);
  if (end == start) return 0.0;
  return value;
}

std::string SettingsVolumeText(float volume) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%#.9g", static_cast<double>(volume * 100.0f));
  return buffer;
}

int TQuillonCore::MStartupIni(const std::string& name) {
  Print("Startup system Ini");
  App_IniFile = name;
  IniFile.Init();
  IniFile = TIni::Load(App_SupportDir + App_IniFile, 0);

  auto intKey = [this](const char* section, const char* key, const char* fallback) {
    return SettingsTextToInt(IniFile.GetKey(section, key, fallback));
  };
  AppXPos = intKey(kWindow, "XPos", "200");
  AppYPos = intKey(kWindow, "YPos", "100");
  AppWidth = intKey(kWindow, "Width", "-1");
  AppHeight = intKey(kWindow, "Height", "-1");
  if (IniFile.GetKey(kWindow, "Fullscreen", "0") == "1") AppFullScreenPending = 1;
  _Volume = static_cast<float>(SettingsTextToFloat(IniFile.GetKey(kSettings, "volume", "100")) /
                               100.0);
  _MusicVolume = static_cast<float>(
      SettingsTextToFloat(IniFile.GetKey(kSettings, "musicvolume", "100")) / 100.0);
  for (const TBindingKey& b : kBindings) this->*b.field = intKey(kSettings, b.key, b.fallback);
  return 0;
}

int TQuillonCore::MShutdownIni() {
  Print("Shutdown ini");
  if (App_IniFile.empty()) {
    Print("Ini File has not been set");
    return 0;
  }
  IniFile.SetKey(kWindow, "Width", std::to_string(AppWidth));
  IniFile.SetKey(kWindow, "Height", std::to_string(AppHeight));
  // Without a desktop (size 0) the window cannot be as large as it.
  const int desktopWidth = CurrentDesktopWidth();
  const int desktopHeight = CurrentDesktopHeight();
  if (desktopWidth > 0 && desktopWidth == AppWidth && desktopHeight == AppHeight) {
    IniFile.SetKey(kWindow, "Fullscreen", "1");
  } else {
    IniFile.SetKey(kWindow, "XPos", std::to_string(AppXPos));
    IniFile.SetKey(kWindow, "YPos", std::to_string(AppYPos));
    IniFile.SetKey(kWindow, "Fullscreen", "0");
  }
  IniFile.SetKey(kSettings, "volume", SettingsVolumeText(_Volume));
  IniFile.SetKey(kSettings, "musicvolume", SettingsVolumeText(_MusicVolume));
  for (const TBindingKey& b : kBindings)
    IniFile.SetKey(kSettings, b.key, std::to_string(this->*b.field));
  const std::string path = App_SupportDir + App_IniFile;
  if (IniFile.Save(path, 0) == 0) {
    Print("Shutdown ini: can't write " + path);
    return 0;
  }
  Print("Shutdown OK");
  return 0;
}
