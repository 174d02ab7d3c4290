// Key codes of the key events: the common virtual-key numbering (letters at their
// capital's code, digits at theirs, 37-40 the cursor keys ...), and the translation
// of SDL's key codes and scancodes into it.
#pragma once

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_CLEAR = 12;
constexpr int KEY_RETURN = 13;
constexpr int KEY_PAUSE = 19;
constexpr int KEY_CAPSLOCK = 20;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_PAGEUP = 33;
constexpr int KEY_PAGEDOWN = 34;
constexpr int KEY_END = 35;
constexpr int KEY_HOME = 36;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_SELECT = 41;
constexpr int KEY_EXECUTE = 43;
constexpr int KEY_SCREEN = 44;
constexpr int KEY_INSERT = 45;
constexpr int KEY_DELETE = 46;
constexpr int KEY_HELP = 47;
constexpr int KEY_0 = 48;  // to KEY_0 + 9
constexpr int KEY_A = 65;  // to KEY_A + 25
constexpr int KEY_LSYS = 91;
constexpr int KEY_RSYS = 92;
constexpr int KEY_MENU = 93;
constexpr int KEY_NUM0 = 96;  // to KEY_NUM0 + 9
constexpr int KEY_NUMMULTIPLY = 106;
constexpr int KEY_NUMADD = 107;
constexpr int KEY_NUMSUBTRACT = 109;
constexpr int KEY_NUMDECIMAL = 110;
constexpr int KEY_NUMDIVIDE = 111;
constexpr int KEY_F1 = 112;  // to KEY_F1 + 11
constexpr int KEY_NUMLOCK = 144;
constexpr int KEY_SCROLL = 145;
constexpr int KEY_LSHIFT = 160;
constexpr int KEY_RSHIFT = 161;
constexpr int KEY_LCONTROL = 162;
constexpr int KEY_RCONTROL = 163;
constexpr int KEY_LALT = 164;
constexpr int KEY_RALT = 165;
constexpr int KEY_SEMICOLON = 186;
constexpr int KEY_EQUALS = 187;
constexpr int KEY_COMMA = 188;
constexpr int KEY_MINUS = 189;
constexpr int KEY_PERIOD = 190;
constexpr int KEY_SLASH = 191;
constexpr int KEY_TILDE = 192;  // the grave accent key
constexpr int KEY_OPENBRACKET = 219;
constexpr int KEY_HASH = 220;   // the extra key beside Return on ISO keyboards
constexpr int KEY_CLOSEBRACKET = 221;
constexpr int KEY_QUOTES = 222;
constexpr int KEY_BACKSLASH = 226;

// The key code of an SDL key (its SDL_Keycode and SDL_Scancode), or 0 for a key
// without one. The symbol decides where it names a letter, digit or punctuation mark
// of the layout; otherwise the key's position does.
int TranslateSdlKey(int sdlKeycode, int sdlScancode);
