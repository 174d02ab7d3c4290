// The game's settings file: its name below the application-support folder, and the
// text forms of its values.
#pragma once
#include <string>

// Name of the settings file below App_SupportDir; empty until MStartupIni sets it.
extern std::string App_IniFile;

// The leading decimal integer of a text (after blanks, with an optional sign), 0 when it
// starts with none; saturates at the int range.
int SettingsTextToInt(const std::string& text);
// The leading decimal number of a text, 0 when it starts with none.
double SettingsTextToFloat(const std::string& text);
// A volume written as value x 100 with nine significant digits, trailing zeros kept.
std::string SettingsVolumeText(float volume);
