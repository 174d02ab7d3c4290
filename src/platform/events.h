// The event record, the event ids, and the one event queue of the program.
//
// Every event enters the queue through EmitEvent, which first runs the emit hooks
// synchronously on the event thread (the thread that runs the event loop). Events
// posted from other threads wait in an inbox and are emitted on the event thread at
// its next wait or poll, so hooks never run on two threads. Before WaitEvent or
// PollEvent hands out an event, every pending window-system event has been
// translated and emitted.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

struct TEvent {
  int id = 0;
  void* source = nullptr;  // the window, timer or menu item that produced it, or none
  int data = 0;
  int mods = 0;  // MODIFIER_* bits
  int x = 0;
  int y = 0;
  void* extra = nullptr;
};

constexpr int MODIFIER_SHIFT = 1;
constexpr int MODIFIER_CONTROL = 2;
constexpr int MODIFIER_OPTION = 4;  // Alt
constexpr int MODIFIER_COMMAND = 8;  // the Super key

constexpr int EVENT_APPSUSPEND = 0x101;
constexpr int EVENT_APPRESUME = 0x102;
constexpr int EVENT_APPTERMINATE = 0x103;
constexpr int EVENT_KEYDOWN = 0x201;
constexpr int EVENT_KEYUP = 0x202;
constexpr int EVENT_KEYCHAR = 0x203;
constexpr int EVENT_KEYREPEAT = 0x204;
constexpr int EVENT_MOUSEDOWN = 0x401;
constexpr int EVENT_MOUSEUP = 0x402;
constexpr int EVENT_MOUSEMOVE = 0x403;
constexpr int EVENT_MOUSEWHEEL = 0x404;
constexpr int EVENT_MOUSEENTER = 0x405;
constexpr int EVENT_MOUSELEAVE = 0x406;
constexpr int EVENT_TIMERTICK = 0x801;
constexpr int EVENT_WINDOWMOVE = 0x4001;
constexpr int EVENT_WINDOWSIZE = 0x4002;
constexpr int EVENT_WINDOWCLOSE = 0x4003;
constexpr int EVENT_MENUACTION = 0x8001;
// Trackpad gestures: fixed ids in the user range, never handed out by AllocUserEventId.
constexpr int EVENT_GESTUREBEGIN = static_cast<int>(0x80000058u);
constexpr int EVENT_GESTUREMAGNIFY = static_cast<int>(0x80000059u);  // data = float bits
constexpr int EVENT_GESTURESWIPE = static_cast<int>(0x8000005Au);    // x, y = deltas
constexpr int EVENT_GESTUREROTATE = static_cast<int>(0x8000005Bu);   // data = float bits, degrees
constexpr int EVENT_FIRSTUSEREVENT = static_cast<int>(0x80000001u);

// Blocks until an event is there; never returns an event with id 0. Waiting and polling
// belong to the event thread; called on another thread they return an event with id 0.
TEvent WaitEvent();
// As WaitEvent, but gives up after millis milliseconds (0 or less: at once) and then
// returns an event with id 0.
TEvent WaitEventTimeout(int millis);
// The next event, or an event with id 0 when none is waiting.
TEvent PollEvent();
// Runs the emit hooks and queues the event. Called on another thread, the event is
// handed to the event thread, which emits it at its next wait or poll.
void EmitEvent(const TEvent& event);
// Queues an event from any thread; the same as EmitEvent.
void PostEvent(const TEvent& event);
// true when a waiting event matches (the platform's own pending events read first);
// the queue is left as it is. Event thread only.
bool EventWaiting(const std::function<bool(const TEvent& event)>& match);
// Drops every waiting event that came from source (a window, timer or menu item being freed).
void PurgeEvents(const void* source);
// Drops every waiting event.
void FlushEvents();

// An emit hook sees every event before it is queued. Hooks of higher priority run
// first; equal priorities run in the order they were added.
using EmitHook = std::function<void(const TEvent& event)>;
int AddHook(EmitHook hook, int priority = 0);  // returns a handle > 0
void RemoveHook(int handle);

// User event ids, handed out upward from 0x80000001; 0 once the range is used up.
int AllocUserEventId(const std::string& description);
// "KeyDown", "TimerTick", a user id's description ... or "" for an unknown id.
std::string EventIdDescription(int id);

// Gesture amounts travel in `data` as the bit pattern of a single-precision float.
int FloatToBits(float value);
float BitsToFloat(int bits);
