// TPellam's event loop: the prologue that readies the window and draws the first frame,
// then wait, dispatch by the event's id, pause 2 ms, until AppTerminate or WindowClose.
#include <cstdint>
#include <string>

#include "framework/canvas.h"
#include "framework/pellam.h"
#include "framework/stopsignals.h"
#include "framework/trackpad.h"
#include "platform/input.h"
#include "platform/numbers.h"
#include "platform/print.h"
#include "platform/window.h"

namespace {

constexpr int kLoopPause = 2;  // ms after every event

// Moves of at most one pixel in both axes are not dispatched.
bool WithinOnePixel(int x, int y, int oldX, int oldY) {
  const int64_t dx = static_cast<int64_t>(x) - oldX;
  const int64_t dy = static_cast<int64_t>(y) - oldY;
  return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

bool HasKeyState(int code) { return code >= 0 && code < kKeyStates; }

bool EndsTheLoop(const TEvent& event) {
  return event.id == EVENT_APPTERMINATE || event.id == EVENT_WINDOWCLOSE ||
         (event.id == EVENT_MENUACTION && event.data == kMenuQuit);
}

}  // namespace

TEvent TPellam::NextEvent() { return WaitEvent(); }

int TPellam::ProgMain() {
  KeyState.fill(0);
  quitRequested_ = false;
  StatusRed = 120;
  StatusGreen = 120;
  StatusBlue = 120;
  InitTrackpad();
  ResetGraphics();
  AppRedrawingUI = 0;
  RedrawUI(0);

  // The pointer position that presses, releases, wheel and keys are dispatched with;
  // only MouseMove events change it.
  int x = 0;
  int y = 0;
  for (;;) {
    const TEvent event = NextEvent();
    // A frame drawn for a tick queued before a request to end only delays the end.
    if (event.id == EVENT_TIMERTICK && EventWaiting(EndsTheLoop)) continue;
    const bool last = event.id == EVENT_APPTERMINATE || event.id == EVENT_WINDOWCLOSE;
    CurrentEvent = event;
    // Gestures arrive only while a trackpad handler is attached to a canvas.
    if (TrackpadEventWanted(event)) DispatchEvent(event, x, y);
    Delay(kLoopPause);
    if (last || quitRequested_) return 0;
  }
}

void TPellam::StoreFlags(int mods) {
  controlKeyDown = mods & MODIFIER_CONTROL;
  shiftKeyDown = mods & MODIFIER_SHIFT;
  commandKeyDown = mods & MODIFIER_COMMAND;
}

void TPellam::DispatchEvent(const TEvent& event, int& x, int& y) {
  const int ctrl = event.mods & MODIFIER_CONTROL;
  const int cmd = event.mods & MODIFIER_COMMAND;
  const int shift = event.mods & MODIFIER_SHIFT;
  switch (event.id) {
    case EVENT_APPTERMINATE:
      // A stop signal's request has reached the loop.
      AcknowledgeStopSignal();
      break;
    case EVENT_WINDOWCLOSE: break;
    case EVENT_MENUACTION: EventMenu(event.id, event.data, event.source); break;
    case EVENT_GESTUREBEGIN: EventGestureStart(nOldMX, nOldMY); break;
    case EVENT_GESTUREMAGNIFY:
      // The flags go to the gesture without being stored.
      EventMagnify(nOldMX, nOldMY, ctrl, cmd, shift, BitsToFloat(event.data));
      break;
    case EVENT_GESTURESWIPE:
      EventGestureStart(nOldMX, nOldMY);
      EventSwipe(nOldMX, nOldMY, event.x, event.y);
      break;
    case EVENT_GESTUREROTATE: EventRotate(nOldMX, nOldMY, BitsToFloat(event.data)); break;
    case EVENT_MOUSELEAVE: AppMouseIn = 0; break;
    case EVENT_MOUSEENTER:
      if (garbage) garbage->Check();
      AppMouseIn = 1;
      break;
    case EVENT_MOUSEDOWN:
      AppMouseDown = 1;
      AppMouseDownX = x;
      AppMouseDownY = y;
      AppMouseIn = 1;
      StoreFlags(event.mods);
      EventMouseDown(x, y, controlKeyDown, commandKeyDown, shiftKeyDown);
      break;
    case EVENT_MOUSEUP:
      AppMouseDown = 0;
      AppMouseIn = 1;
      StoreFlags(event.mods);
      EventMouseUp(x, y, controlKeyDown, commandKeyDown, shiftKeyDown);
      break;
    case EVENT_MOUSEWHEEL:
      StoreFlags(event.mods);
      EventMouseWheel(x, y, myMouseZ, controlKeyDown, commandKeyDown, shiftKeyDown);
      break;
    case EVENT_MOUSEMOVE: DispatchMouseMove(event, x, y); break;
    case EVENT_KEYCHAR:
      // The section sign; every other character is left to the key events.
      if (event.data == 0xA7) {
        StoreFlags(event.mods);
        EventKeyPlusMinus(x, y, controlKeyDown, commandKeyDown, shiftKeyDown, 0);
      }
      break;
    case EVENT_KEYUP:
      StoreFlags(event.mods);
      if (HasKeyState(event.data)) KeyState[event.data] = 0;
      EventKeyUp(x, y, event.data, controlKeyDown, commandKeyDown, shiftKeyDown);
      if (controlKeyDown == 0) oldControlKeyDown = 0;
      oldKeyDown = -1;
      break;
    case EVENT_KEYREPEAT:
      StoreFlags(event.mods);
      EventKeyDown(x, y, event.data, controlKeyDown, commandKeyDown, shiftKeyDown, 1);
      break;
    case EVENT_KEYDOWN:
      StoreFlags(event.mods);
      if (controlKeyDown != 0) oldControlKeyDown = 1;
      if (HasKeyState(event.data)) KeyState[event.data] = 1;
      EventKeyDown(x, y, event.data, controlKeyDown, commandKeyDown, shiftKeyDown, 0);
      oldKeyDown = event.data;
      break;
    case EVENT_TIMERTICK:
      if (garbage) garbage->Check();
      EventTimer();
      break;
    case EVENT_WINDOWMOVE:
      AppXPos = WindowX(AppWindow);
      AppYPos = WindowY(AppWindow);
      Print("app move x=" + std::to_string(AppXPos) + " y=" + std::to_string(AppYPos));
      break;
    case EVENT_WINDOWSIZE:
      ResetGraphics();
      MResize();
      RedrawUI(0);
      break;
    case EVENT_APPSUSPEND:
      Print("app suspend");
      AppActive = 0;
      TMUIDraw2::AppActive = 0;  // the status bar's
      RedrawUI(0);
      break;
    case EVENT_APPRESUME:
      if (garbage) garbage->Check();
      FlushKeys();
      FlushMouse();
      Print("app resume");
      AppActive = 1;
      TMUIDraw2::AppActive = 1;
      if (AppResize != 0 && AppCanvas) AppCanvas->Focus();
      RedrawUI(0);
      break;
    default:
      // EVENT_CUSTOMEVENT and every id not named above: nothing.
      break;
  }
}

void TPellam::DispatchMouseMove(const TEvent& event, int& x, int& y) {
  x = event.x;
  y = event.y;
  if (WithinOnePixel(x, y, nOldMX, nOldMY)) return;
  AppMouseX = x;
  AppMouseY = y;
  // The OpenGL view is a region of the main window, so its moves already arrive in
  // window coordinates: no offset to add.
  AppMouseIn = 1;
  if (MouseDown(1) != 0) AppMouseDown = 1;  // a move never clears it
  StoreFlags(event.mods);
  EventMouseMove(x, y, controlKeyDown, commandKeyDown, shiftKeyDown, AppMouseDown);
  nOldMX = x;
  nOldMY = y;
}
