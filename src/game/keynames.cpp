// The key name table: the short text the options page prints for each key code 0-255.
#include <array>
#include <string>

#include "game/arcadeinput.h"

namespace {

struct TKeyName {
  int code;
  const char* name;
};

// The keys named one by one; the digit, letter, keypad-digit and function-key runs
// are filled by rule below.
constexpr TKeyName kNamedKeys[] = {
    {8, "Back"},      {9, "Tab"},       {12, "Del"},      {13, "Ret"},     {19, "Pause"},
    {20, "Caps Lk"},  {27, "Esc"},      {32, "Space"},    {33, "Pg Up"},   {34, "Pg Down"},
    {35, "End"},      {36, "Home"},     {37, "Left"},     {38, "Up"},      {39, "Right"},
    {40, "Down"},     {41, "Select"},   {42, "'print"},   {43, "Execute"}, {44, "Screen"},
    {45, "Insert"},   {46, "Delete"},   {47, "Help"},     {91, "LCmd"},    {92, "RCmd"},
    {106, "pad *"},   {107, "pad +"},   {109, "pad -"},   {110, "pad ."},  {111, "pad /"},
    {144, "Num Lk"},  {145, "Scr k"},   {160, "LShift"},  {161, "RShift"}, {162, "LCtrl"},
    {163, "RCtrl"},   {164, "LAlt"},    {165, "RAlt"},    {186, ";"},      {187, "="},
    {188, ","},       {189, "-"},       {190, "."},       {191, "/"},      {192, "`"},
    {219, "["},       {221, "]"},       {222, "'"},       {226, "\\"},
};

const std::array<std::string, kKeyNameCount>& KeyNames() {
  static const std::array<std::string, kKeyNameCount> table = [] {
    std::array<std::string, kKeyNameCount> names;
    for (int digit = 0; digit <= 9; ++digit) {
      names[48 + digit] = std::string(1, static_cast<char>('0' + digit));
      names[96 + digit] = "pad " + std::to_string(digit);
    }
    for (int letter = 0; letter < 26; ++letter) {
      names[65 + letter] = std::string(1, static_cast<char>('A' + letter));
    }
    for (int f = 1; f <= 12; ++f) names[111 + f] = 'F' + std::to_string(f);
    for (const TKeyName& key : kNamedKeys) names[key.code] = key.name;
    return names;
  }();
  return table;
}

}  // namespace

std::string GetKeyString(int code) {
  if (code < 0 || code >= kKeyNameCount) return "";
  return KeyNames()[code];
}
