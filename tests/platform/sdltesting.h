// Helpers for the platform tests: SDL events built by hand, and the records they become.
#pragma once
#include <SDL.h>

#include <vector>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/platform.h"

// Drops what SDL holds of its own kinds. The platform's wake event stays: dropped, it
// would leave the platform believing a wake is on its way, and no later post or timer
// tick would wake a waiting loop.
inline void FlushSdlEvents() {
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_USEREVENT - 1);
}

// Starts the platform with an empty queue and no input held.
inline void StartClean() {
  PlatformInit();
  FlushSdlEvents();
  FlushEvents();
  FlushKeys();
  FlushMouse();
}

inline void Push(SDL_Event event) { SDL_PushEvent(&event); }

// Every record waiting now, in order.
inline std::vector<TEvent> Drain() {
  std::vector<TEvent> records;
  for (TEvent e = PollEvent(); e.id != 0; e = PollEvent()) records.push_back(e);
  return records;
}

inline SDL_Event KeyEvent(Uint32 type, SDL_Keycode sym, SDL_Scancode scan, Uint16 mod = 0,
                          Uint8 repeat = 0, Uint32 windowId = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.windowID = windowId;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.repeat = repeat;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = scan;
  e.key.keysym.mod = mod;
  return e;
}
