// Input codes: the joystick input codes (buttons 0-63, axis directions 64-79, -1 none)
// with the poll that finds the first pressed input, and the display names of joystick
// codes and key codes that the options page prints beside each binding.
#pragma once
#include <string>

constexpr int kJoyNone = -1;
constexpr int kJoyButtonCount = 64;    // codes 0 to 63 name buttons
constexpr int kJoyScannedButtons = 32; // GetButton reports buttons 0 to 31 only
// Axis directions in pairs, negative first: X, Y, Z, R, U, V, hat, wheel.
constexpr int kJoyAxisFirst = 64;
constexpr int kJoyAxisLast = 79;
constexpr int kKeyNameCount = 256;

// The code of the first pressed input of the joystick on port, or -1.
int GetButton(int port);
// 1 when the input named by code is pressed on the joystick on port, else 0.
int ButtonDown(int port, int code);
// "But" and the number for 0-63, "PotXL" .. "PotWR" for 64-79, "" otherwise.
std::string GetJoyString(int code);
// The name of a key code 0-255; "" for an unnamed code or one outside the table.
std::string GetKeyString(int code);
