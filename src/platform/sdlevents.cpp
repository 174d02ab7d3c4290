// Translation of SDL's events into event records, and the SDL side of waiting.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <numbers>
#include <string>
#include <string_view>

#include "platform/eventglue.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/keycodes.h"
#include "platform/menus.h"
#include "platform/numbers.h"
#include "platform/print.h"
#include "platform/sdlwindow.h"
#include "platform/utf8.h"
#include "platform/window.h"

namespace {

std::atomic<bool> coreReady{false};
std::atomic<Uint32> wakeType{0};
std::atomic<bool> wakePending{false};
bool gestureStarted = false;  // event thread only

int modsFrom(Uint16 sdlMods) {
  int mods = 0;
  if (sdlMods & KMOD_SHIFT) mods |= MODIFIER_SHIFT;
  if (sdlMods & KMOD_CTRL) mods |= MODIFIER_CONTROL;
  if (sdlMods & KMOD_ALT) mods |= MODIFIER_OPTION;
  if (sdlMods & KMOD_GUI) mods |= MODIFIER_COMMAND;
  return mods;
}

int currentMods() { return modsFrom(static_cast<Uint16>(SDL_GetModState())); }

int buttonFrom(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    case SDL_BUTTON_X1: return 4;
    case SDL_BUTTON_X2: return 5;
    default: return 0;
  }
}

TEvent record(int id, void* source, int data, int mods, int x = 0, int y = 0) {
  TEvent event;
  event.id = id;
  event.source = source;
  event.data = data;
  event.mods = mods;
  event.x = x;
  event.y = y;
  return event;
}

void emit(int id, void* source, int data, int mods, int x = 0, int y = 0) {
  EmitEvent(record(id, source, data, mods, x, y));
}

void translateWindowEvent(const SDL_WindowEvent& e) {
  TWindow* window = WindowFromSdlId(e.windowID);
  // News of a window already freed (a close clicked while it was replaced) is stale.
  if (!window && e.windowID != 0) return;
  switch (e.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: emit(EVENT_APPRESUME, nullptr, 0, 0); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      MenuBarTakes(record(EVENT_APPSUSPEND, nullptr, 0, 0));
      emit(EVENT_APPSUSPEND, nullptr, 0, 0);
      break;
    case SDL_WINDOWEVENT_ENTER: emit(EVENT_MOUSEENTER, window, 0, 0); break;
    case SDL_WINDOWEVENT_LEAVE: emit(EVENT_MOUSELEAVE, window, 0, 0); break;
    case SDL_WINDOWEVENT_MOVED: emit(EVENT_WINDOWMOVE, window, 0, 0, e.data1, e.data2); break;
    // SIZE_CHANGED comes for every change; RESIZED only repeats it for the user's.
    case SDL_WINDOWEVENT_SIZE_CHANGED: emit(EVENT_WINDOWSIZE, window, 0, 0, e.data1, e.data2); break;
    case SDL_WINDOWEVENT_CLOSE: emit(EVENT_WINDOWCLOSE, window, 0, 0); break;
    default: break;
  }
}

void translateKey(const SDL_KeyboardEvent& e) {
  int code = TranslateSdlKey(e.keysym.sym, e.keysym.scancode);
  bool down = e.type == SDL_KEYDOWN;
  int mods = modsFrom(e.keysym.mod);
  TWindow* window = WindowFromSdlId(e.windowID);
  const int id = down ? (e.repeat ? EVENT_KEYREPEAT : EVENT_KEYDOWN) : EVENT_KEYUP;
  // Keys the open menu bar takes reach neither the application nor the polled state.
  if (code != 0 && MenuBarTakes(record(id, window, code, mods))) return;
  InputKeyChange(code, down);
  if (code == 0) return;
  if (down) {
    // A shortcut is the menu's: its key down (and repeats) go no further.
    TWindow* owner = window ? window : LastWindow();
    if (TMenuBar* menus = WindowMenu(owner)) {
      if (menus->FindShortcut(code, mods)) {
        if (!e.repeat) menus->TriggerShortcut(code, mods);
        return;
      }
    }
    emit(id, window, code, mods);
  } else {
    emit(EVENT_KEYUP, window, code, mods);
  }
}

// One KeyChar per character of the UTF-8 text; malformed bytes are skipped.
void translateText(const SDL_TextInputEvent& e) {
  TWindow* window = WindowFromSdlId(e.windowID);
  int mods = currentMods();
  if (MenuBarTakes(record(EVENT_KEYCHAR, window, 0, mods))) return;
  const std::string_view text(e.text, std::find(e.text, e.text + sizeof(e.text), 0) - e.text);
  for (size_t i = 0; i < text.size();) {
    const int code = NextUtf8(text, i);
    if (code >= 0) emit(EVENT_KEYCHAR, window, code, mods);
  }
}

void translateWheel(const SDL_MouseWheelEvent& e) {
  TWindow* window = WindowFromSdlId(e.windowID);
  int mods = currentMods();
  if (MenuBarTakes(record(EVENT_MOUSEWHEEL, window, e.y, mods, e.mouseX, e.mouseY))) return;
  if (e.y != 0) emit(EVENT_MOUSEWHEEL, window, e.y, mods, e.mouseX, e.mouseY);
  // The precise deltas in the desktop's gesture convention: x grows when scrolling left.
  emit(EVENT_GESTURESWIPE, nullptr, 0, 0, TruncToInt(-e.preciseX), TruncToInt(e.preciseY));
}

void translateGesture(const SDL_MultiGestureEvent& e) {
  if (!gestureStarted) {
    gestureStarted = true;
    emit(EVENT_GESTUREBEGIN, nullptr, 0, 0);
  }
  if (e.dDist != 0.0f) emit(EVENT_GESTUREMAGNIFY, nullptr, FloatToBits(e.dDist), 0);
  if (e.dTheta != 0.0f) {
    float degrees = static_cast<float>(e.dTheta * (180.0 / std::numbers::pi));
    emit(EVENT_GESTUREROTATE, nullptr, FloatToBits(degrees), 0);
  }
}

void translate(SDL_Event& e) {
  if (e.type == wakeType.load() && e.type != 0) {
    wakePending = false;
    EmitPostedEvents();
    return;
  }
  switch (e.type) {
    case SDL_QUIT: emit(EVENT_APPTERMINATE, nullptr, 0, 0); break;
    case SDL_WINDOWEVENT: translateWindowEvent(e.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: translateKey(e.key); break;
    case SDL_TEXTINPUT: translateText(e.text); break;
    case SDL_MOUSEMOTION: {
      InputMouseMove(e.motion.x, e.motion.y);
      const TEvent move = record(EVENT_MOUSEMOVE, WindowFromSdlId(e.motion.windowID), 0, currentMods(),
                                 e.motion.x, e.motion.y);
      if (!MenuBarTakes(move)) EmitEvent(move);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int button = buttonFrom(e.button.button);
      bool down = e.type == SDL_MOUSEBUTTONDOWN;
      InputMouseMove(e.button.x, e.button.y);
      const TEvent press = record(down ? EVENT_MOUSEDOWN : EVENT_MOUSEUP, WindowFromSdlId(e.button.windowID),
                                  button, currentMods(), e.button.x, e.button.y);
      if (MenuBarTakes(press)) break;
      InputMouseButton(button, down);
      EmitEvent(press);
      break;
    }
    case SDL_MOUSEWHEEL: translateWheel(e.wheel); break;
    case SDL_MULTIGESTURE: translateGesture(e.mgesture); break;
    case SDL_FINGERDOWN:
    case SDL_FINGERUP: gestureStarted = false; break;
    case SDL_DROPFILE:
    case SDL_DROPTEXT: SDL_free(e.drop.file); break;
    default: break;
  }
}

}  // namespace

bool EnsureSdlCore() {
  if (coreReady) return true;
  if (!OnEventThread()) return false;
  if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    Print(std::string("SDL events failed: ") + SDL_GetError());
    return false;
  }
  if (wakeType == 0) {
    Uint32 type = SDL_RegisterEvents(1);
    wakeType = type == static_cast<Uint32>(-1) ? static_cast<Uint32>(SDL_USEREVENT) : type;
  }
  coreReady = true;
  return true;
}

void ReleaseSdlCore() {
  coreReady = false;
  wakePending = false;
  gestureStarted = false;
}

bool SdlCoreReady() { return coreReady; }

void PumpPlatformEvents() {
  if (!coreReady) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) translate(e);
}

bool WaitPlatformEvent(int millis) {
  if (!coreReady) return false;
  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, millis < 0 ? -1 : millis)) translate(e);
  return true;
}

void WakePlatformWait() {
  if (!coreReady || wakePending.exchange(true)) return;
  SDL_Event e{};
  e.type = wakeType;
  if (SDL_PushEvent(&e) != 1) wakePending = false;
}
