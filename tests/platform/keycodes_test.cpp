// SDL keys become the key codes the key bindings and the key name table use.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/keycodes.h"

namespace {

struct KeyCase {
  SDL_Keycode sym;
  SDL_Scancode scan;
  int code;
};

TEST(KeyCodes, UsLayoutKeys) {
  const KeyCase cases[] = {
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},   {SDLK_TAB, SDL_SCANCODE_TAB, 9},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},        {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},        {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},        {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
      {SDLK_END, SDL_SCANCODE_END, 35},              {SDLK_HOME, SDL_SCANCODE_HOME, 36},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},            {SDLK_UP, SDL_SCANCODE_UP, 38},
      {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},          {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
      {SDLK_INSERT, SDL_SCANCODE_INSERT, 45},        {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
      {SDLK_0, SDL_SCANCODE_0, 48},                  {SDLK_9, SDL_SCANCODE_9, 57},
      {SDLK_a, SDL_SCANCODE_A, 65},                  {SDLK_z, SDL_SCANCODE_Z, 90},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 96},            {SDLK_KP_9, SDL_SCANCODE_KP_9, 105},
      {SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 107},
      {SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, 109},   {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 110},
      {SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 111}, {SDLK_F1, SDL_SCANCODE_F1, 112},
      {SDLK_F10, SDL_SCANCODE_F10, 121},             {SDLK_F12, SDL_SCANCODE_F12, 123},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 160},       {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 161},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 162},         {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 163},
      {SDLK_LALT, SDL_SCANCODE_LALT, 164},           {SDLK_RALT, SDL_SCANCODE_RALT, 165},
      {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186}, {SDLK_EQUALS, SDL_SCANCODE_EQUALS, 187},
      {SDLK_COMMA, SDL_SCANCODE_COMMA, 188},         {SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
      {SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190},       {SDLK_SLASH, SDL_SCANCODE_SLASH, 191},
      {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192},     {SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, 219},
      {SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, 226}, {SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, 221},
      {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},    {SDLK_PAUSE, SDL_SCANCODE_PAUSE, 19},
      {SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 20},    {SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, 144},
      {SDLK_LGUI, SDL_SCANCODE_LGUI, 91},            {SDLK_RGUI, SDL_SCANCODE_RGUI, 92},
  };
  for (const KeyCase& c : cases)
    EXPECT_EQ(TranslateSdlKey(c.sym, c.scan), c.code) << SDL_GetScancodeName(c.scan);
}

TEST(KeyCodes, TheLayoutsSymbolDecidesForLettersAndPunctuation) {
  // German layout: the key at the Y position types z.
  EXPECT_EQ(TranslateSdlKey(SDLK_z, SDL_SCANCODE_Y), KEY_A + 25);
  // French layout: the key at the semicolon position types m.
  EXPECT_EQ(TranslateSdlKey(SDLK_m, SDL_SCANCODE_SEMICOLON), KEY_A + 12);
  // A symbol without a code of its own falls back to the key's position.
  EXPECT_EQ(TranslateSdlKey(SDLK_AMPERSAND, SDL_SCANCODE_1), KEY_0 + 1);
  EXPECT_EQ(TranslateSdlKey(0x0444, SDL_SCANCODE_A), KEY_A);  // a Cyrillic layout
  // The extra key of ISO keyboards is the backslash key.
  EXPECT_EQ(TranslateSdlKey(SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH), KEY_BACKSLASH);
  // Keypad keys stay keypad keys whatever they type.
  EXPECT_EQ(TranslateSdlKey(SDLK_COMMA, SDL_SCANCODE_KP_PERIOD), KEY_NUMDECIMAL);
}

TEST(KeyCodes, KeysWithoutCodeGiveZero) {
  EXPECT_EQ(TranslateSdlKey(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(TranslateSdlKey(SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP), 0);
  EXPECT_EQ(TranslateSdlKey(-5, -5), 0);
  EXPECT_EQ(TranslateSdlKey(0, 100000), 0);
}

}  // namespace
