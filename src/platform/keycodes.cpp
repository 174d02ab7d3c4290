// Translation of SDL's key codes and scancodes into our key codes.
#include "platform/keycodes.h"

#include <SDL.h>

namespace {

int fromSymbol(int sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return KEY_A + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return KEY_0 + (sym - SDLK_0);
  switch (sym) {
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_SEMICOLON: return KEY_SEMICOLON;
    case SDLK_EQUALS: return KEY_EQUALS;
    case SDLK_COMMA: return KEY_COMMA;
    case SDLK_MINUS: return KEY_MINUS;
    case SDLK_PERIOD: return KEY_PERIOD;
    case SDLK_SLASH: return KEY_SLASH;
    case SDLK_BACKQUOTE: return KEY_TILDE;
    case SDLK_LEFTBRACKET: return KEY_OPENBRACKET;
    case SDLK_BACKSLASH: return KEY_BACKSLASH;
    case SDLK_RIGHTBRACKET: return KEY_CLOSEBRACKET;
    case SDLK_QUOTE: return KEY_QUOTES;
    default: return 0;
  }
}

int fromScancode(int scan) {
  if (scan >= SDL_SCANCODE_A && scan <= SDL_SCANCODE_Z) return KEY_A + (scan - SDL_SCANCODE_A);
  if (scan >= SDL_SCANCODE_1 && scan <= SDL_SCANCODE_9) return KEY_0 + 1 + (scan - SDL_SCANCODE_1);
  if (scan >= SDL_SCANCODE_F1 && scan <= SDL_SCANCODE_F12) return KEY_F1 + (scan - SDL_SCANCODE_F1);
  if (scan >= SDL_SCANCODE_F13 && scan <= SDL_SCANCODE_F24) return KEY_F1 + 12 + (scan - SDL_SCANCODE_F13);
  if (scan >= SDL_SCANCODE_KP_1 && scan <= SDL_SCANCODE_KP_9) return KEY_NUM0 + 1 + (scan - SDL_SCANCODE_KP_1);
  switch (scan) {
    case SDL_SCANCODE_0: return KEY_0;
    case SDL_SCANCODE_KP_0: return KEY_NUM0;
    case SDL_SCANCODE_BACKSPACE: return KEY_BACKSPACE;
    case SDL_SCANCODE_TAB: return KEY_TAB;
    case SDL_SCANCODE_CLEAR: return KEY_CLEAR;
    case SDL_SCANCODE_RETURN: return KEY_RETURN;
    case SDL_SCANCODE_RETURN2: return KEY_RETURN;
    case SDL_SCANCODE_KP_ENTER: return KEY_RETURN;
    case SDL_SCANCODE_PAUSE: return KEY_PAUSE;
    case SDL_SCANCODE_CAPSLOCK: return KEY_CAPSLOCK;
    case SDL_SCANCODE_ESCAPE: return KEY_ESCAPE;
    case SDL_SCANCODE_SPACE: return KEY_SPACE;
    case SDL_SCANCODE_PAGEUP: return KEY_PAGEUP;
    case SDL_SCANCODE_PAGEDOWN: return KEY_PAGEDOWN;
    case SDL_SCANCODE_END: return KEY_END;
    case SDL_SCANCODE_HOME: return KEY_HOME;
    case SDL_SCANCODE_LEFT: return KEY_LEFT;
    case SDL_SCANCODE_UP: return KEY_UP;
    case SDL_SCANCODE_RIGHT: return KEY_RIGHT;
    case SDL_SCANCODE_DOWN: return KEY_DOWN;
    case SDL_SCANCODE_SELECT: return KEY_SELECT;
    case SDL_SCANCODE_EXECUTE: return KEY_EXECUTE;
    case SDL_SCANCODE_PRINTSCREEN: return KEY_SCREEN;
    case SDL_SCANCODE_INSERT: return KEY_INSERT;
    case SDL_SCANCODE_DELETE: return KEY_DELETE;
    case SDL_SCANCODE_HELP: return KEY_HELP;
    case SDL_SCANCODE_LGUI: return KEY_LSYS;
    case SDL_SCANCODE_RGUI: return KEY_RSYS;
    case SDL_SCANCODE_APPLICATION: return KEY_MENU;
    case SDL_SCANCODE_KP_MULTIPLY: return KEY_NUMMULTIPLY;
    case SDL_SCANCODE_KP_PLUS: return KEY_NUMADD;
    case SDL_SCANCODE_KP_MINUS: return KEY_NUMSUBTRACT;
    case SDL_SCANCODE_KP_PERIOD: return KEY_NUMDECIMAL;
    case SDL_SCANCODE_KP_DIVIDE: return KEY_NUMDIVIDE;
    case SDL_SCANCODE_NUMLOCKCLEAR: return KEY_NUMLOCK;
    case SDL_SCANCODE_SCROLLLOCK: return KEY_SCROLL;
    case SDL_SCANCODE_LSHIFT: return KEY_LSHIFT;
    case SDL_SCANCODE_RSHIFT: return KEY_RSHIFT;
    case SDL_SCANCODE_LCTRL: return KEY_LCONTROL;
    case SDL_SCANCODE_RCTRL: return KEY_RCONTROL;
    case SDL_SCANCODE_LALT: return KEY_LALT;
    case SDL_SCANCODE_RALT: return KEY_RALT;
    case SDL_SCANCODE_SEMICOLON: return KEY_SEMICOLON;
    case SDL_SCANCODE_EQUALS: return KEY_EQUALS;
    case SDL_SCANCODE_COMMA: return KEY_COMMA;
    case SDL_SCANCODE_MINUS: return KEY_MINUS;
    case SDL_SCANCODE_PERIOD: return KEY_PERIOD;
    case SDL_SCANCODE_SLASH: return KEY_SLASH;
    case SDL_SCANCODE_GRAVE: return KEY_TILDE;
    case SDL_SCANCODE_LEFTBRACKET: return KEY_OPENBRACKET;
    case SDL_SCANCODE_BACKSLASH: return KEY_BACKSLASH;
    case SDL_SCANCODE_NONUSBACKSLASH: return KEY_BACKSLASH;
    case SDL_SCANCODE_NONUSHASH: return KEY_HASH;
    case SDL_SCANCODE_RIGHTBRACKET: return KEY_CLOSEBRACKET;
    case SDL_SCANCODE_APOSTROPHE: return KEY_QUOTES;
    default: return 0;
  }
}

// Keys whose meaning is their position, whatever symbol the layout gives them.
bool positional(int scan) {
  return (scan >= SDL_SCANCODE_KP_DIVIDE && scan <= SDL_SCANCODE_KP_PERIOD) ||
         scan == SDL_SCANCODE_SPACE;
}

}  // namespace

int TranslateSdlKey(int sdlKeycode, int sdlScancode) {
  if (!positional(sdlScancode)) {
    if (int code = fromSymbol(sdlKeycode)) return code;
  }
  return fromScancode(sdlScancode);
}
