// Helpers of the application-base tests: a recording application that writes every hook
// call with its arguments as one line ("MMouseDown(5,3,2,8,1,c0)", a control by its index
// or "null"), fed by a scripted event source. Each step of a script may run an action
// (set the clock, press a button) and then emits its events into the platform's queue
// through the emit hooks, so events emitted together are queued together. When the
// script is used up, the source waits for real events for a while and then ends the
// loop with a WindowClose of its own.
//
// The application is 640 x 480 without a status bar on a 64 x 48 grid, so a grid cell is
// 10 x 10 pixels: control A (index 0) covers pixels 50..150 in both axes, control B
// (index 1) x 200..300, y 50..150. Page 0 holds both, A is its live control.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/canvas.h"
#include "framework/controltesting.h"
#include "framework/drawstate.h"
#include "framework/pellam.h"
#include "platform/draw2d.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/numbers.h"
#include "platform/recordingscreen.h"

constexpr int kA = 0;
constexpr int kB = 1;

struct Step {
  std::vector<TEvent> events;
  std::function<void()> action;  // runs before the events are emitted
};
using Script = std::vector<Step>;
using Calls = std::vector<std::string>;

inline TEvent Ev(int id, int data = 0, int mods = 0, int x = 0, int y = 0, void* source = nullptr) {
  TEvent e;
  e.id = id;
  e.data = data;
  e.mods = mods;
  e.x = x;
  e.y = y;
  e.source = source;
  return e;
}
inline TEvent Move(int x, int y, int mods = 0) { return Ev(EVENT_MOUSEMOVE, 0, mods, x, y); }
// Presses and releases carry a position the loop must not use.
inline TEvent Down(int mods = 0) { return Ev(EVENT_MOUSEDOWN, 1, mods, 999, 999); }
inline TEvent Up(int mods = 0) { return Ev(EVENT_MOUSEUP, 1, mods, 999, 999); }
inline TEvent Wheel(int steps, int mods = 0) { return Ev(EVENT_MOUSEWHEEL, steps, mods, 999, 999); }
inline TEvent Key(int code, int mods = 0) { return Ev(EVENT_KEYDOWN, code, mods); }
inline TEvent KeyUp(int code, int mods = 0) { return Ev(EVENT_KEYUP, code, mods); }
inline TEvent Tick(void* timer) { return Ev(EVENT_TIMERTICK, 1, 0, 0, 0, timer); }
inline TEvent Magnify(float amount) { return Ev(EVENT_GESTUREMAGNIFY, FloatToBits(amount)); }
inline TEvent Swipe(int dx, int dy = 0) { return Ev(EVENT_GESTURESWIPE, 0, 0, dx, dy); }
inline TEvent Rotate(float angle) { return Ev(EVENT_GESTUREROTATE, FloatToBits(angle)); }
inline Step Emit(std::vector<TEvent> events) { return Step{std::move(events), nullptr}; }
inline Step Do(std::function<void()> action) { return Step{{}, std::move(action)}; }
inline Step At(int& clock, int time, std::vector<TEvent> events) {
  return Step{std::move(events), [&clock, time] { clock = time; }};
}

inline std::string Name(const TMControl* c) {
  return c == nullptr ? "null" : 'c' + std::to_string(c->nArrayPos);
}

inline void Join(std::ostringstream&) {}
template <typename T, typename... Rest>
void Join(std::ostringstream& out, const T& first, const Rest&... rest) {
  out << first;
  if constexpr (sizeof...(rest) > 0) out << ",";
  Join(out, rest...);
}
template <typename... Args>
std::string Line(const std::string& name, const Args&... args) {
  std::ostringstream out;
  out << name << "(";
  Join(out, args...);
  out << ")";
  return out.str();
}

class RecordingApp : public TPellam {
 public:
  Calls calls;
  std::vector<float> magnifyAmounts;
  void* menuSource = nullptr;
  int doubleClickResult = 0;
  int returnVeto = 0;  // what EventReturnPressed answers, after the base's work
  std::vector<int> returnFlags;
  int customDraws = 0;
  int desktopWidth = 1920;
  int desktopHeight = 1080;
  bool ranOut = false;      // the script was used up and the source ended the loop
  int waitAfterScript = 0;  // ms to wait for real events once the script is used up
  std::deque<Step> script;

  RecordingApp() {
    AppCanvas = std::make_unique<TCanvas>(nullptr, 0, 0, 640, 480);
    AppShowStatus = 0;
    SetGrid(64, 48);
    TOrreryControl::Init();
    AddPage(0);
    Declare(*this, {.drawType = kDrawCustom, .x = 5, .w = 10, .y = 5, .h = 10});   // A
    Declare(*this, {.drawType = kDrawCustom, .x = 20, .w = 10, .y = 5, .h = 10});  // B
    ResetControlPositions(640, 480, 0);  // as the loop's prologue lays them out
  }
  TMControl& A() { return *PageData[kA]; }
  TMControl& B() { return *PageData[kB]; }

  int Run(Script steps) {
    script.assign(steps.begin(), steps.end());
    return ProgMain();
  }
  // The calls whose names begin with prefix, in order.
  Calls Only(const std::string& prefix) const {
    Calls out;
    for (const auto& c : calls)
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
  }

  int CurrentDesktopWidth() override { return desktopWidth; }
  int CurrentDesktopHeight() override { return desktopHeight; }
  int RedrawUI(int sync) override {
    if (AppRedrawingUI == 0) calls.push_back("RedrawUI");
    return TPellam::RedrawUI(sync);
  }
  int MCustomDraw(TMControl* c, int live) override { return ++customDraws, 0; }
  int MPageInit(int page) override { return Rec("MPageInit", page); }
  int MResize() override { return Rec("MResize"); }
  int MMouseClicked(int x, int y, int a, int b, int c, TMControl* k) override {
    return Rec("MMouseClicked", x, y, a, b, c, Name(k));
  }
  int MMouseDragClicked(int x, int y, int a, int b, int c, TMControl* k) override {
    return Rec("MMouseDragClicked", x, y, a, b, c, Name(k));
  }
  int MMouseDown(int x, int y, int a, int b, int c, TMControl* k) override {
    return Rec("MMouseDown", x, y, a, b, c, Name(k));
  }
  int MMouseUp(int x, int y, int a, int b, int c, TMControl* k) override {
    return Rec("MMouseUp", x, y, a, b, c, Name(k));
  }
  int MDoubleClick(int x, int y, int a, int b, int c, TMControl* k) override {
    return Rec("MDoubleClick", x, y, a, b, c, Name(k)), doubleClickResult;
  }
  int MMouseMove(int x, int y, int a, int b, int c, int button, TMControl* k) override {
    return Rec("MMouseMove", x, y, a, b, c, button, Name(k));
  }
  int MMouseCursor(int x, int y, int a, int b, int c, int button, TMControl* k) override {
    return Rec("MMouseCursor", x, y, a, b, c, button, Name(k));
  }
  int MMouseWheel(int dir, int x, int y, int total, TMControl* k) override {
    return Rec("MMouseWheel", dir, x, y, total, Name(k));
  }
  int MKeyUp(int x, int y, int key, int a, int b, int c, TMControl* k) override {
    return Rec("MKeyUp", x, y, key, a, b, c, Name(k));
  }
  int MKeyPlusMinus(int x, int y, int a, int b, int c, int zero, TMControl* k) override {
    return Rec("MKeyPlusMinus", x, y, a, b, c, zero, Name(k));
  }
  int MKeyDown(int x, int y, int key, int a, int b, int c, int repeat, TMControl* k) override {
    return Rec("MKeyDown", x, y, key, a, b, c, repeat, Name(k));
  }
  int MMenu(int eventId, int itemId, void* source) override {
    menuSource = source;
    return Rec("MMenu", eventId, itemId);
  }
  int MTimer(int slot) override { return Rec("MTimer", slot); }
  int MFullSwipe(int d, TMControl* k) override { return Rec("MFullSwipe", d, Name(k)); }
  int MSwipe(int code, int d, TMControl* k) override { return Rec("MSwipe", code, d, Name(k)); }
  int MRotate(int code, TMControl* k) override { return Rec("MRotate", code, Name(k)); }
  int MMagnify(int code, int a, int b, int c, TMControl* k) override {
    return Rec("MMagnify", code, a, b, c, Name(k));
  }
  int MTrueMagnify(float amount, TMControl* k) override {
    magnifyAmounts.push_back(amount);
    return Rec("MTrueMagnify", Name(k));
  }
  int MGestureStart(TMControl* k) override { return Rec("MGestureStart", Name(k)); }
  int MFullScreen() override { return Rec("MFullScreen"); }
  int EventReturnPressed(int x, int y, TMControl* k, int a, int b, int c, int flag) override {
    TPellam::EventReturnPressed(x, y, k, a, b, c, flag);
    returnFlags.push_back(flag);
    return returnVeto;
  }

 protected:
  TEvent NextEvent() override {
    for (;;) {
      TEvent e = PollEvent();
      if (e.id != 0) return e;
      if (script.empty()) break;
      Step step = std::move(script.front());
      script.pop_front();
      if (step.action) step.action();
      for (const TEvent& s : step.events) EmitEvent(s);
    }
    if (waitAfterScript > 0) {
      TEvent e = WaitEventTimeout(waitAfterScript);
      if (e.id != 0) return e;
    }
    ranOut = true;
    return Ev(EVENT_WINDOWCLOSE);
  }

 private:
  template <typename... Args>
  int Rec(const std::string& name, const Args&... args) {
    calls.push_back(Line(name, args...));
    return 0;
  }
};

// Nothing drawn reaches a screen, the clock is the test's, and the queue, polled input
// and toolkit globals are clean before and after each test.
class PellamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitPellamModule();
    FlushEvents();
    FlushKeys();
    FlushMouse();
    SetTestClock([this] { return now; });
  }
  void TearDown() override {
    FlushEvents();
    FlushKeys();
    FlushMouse();
    SetTestClock(nullptr);
  }

  int now = 10000;  // ms, as MilliSecs answers
  TRecordingScreen recorder;
};
