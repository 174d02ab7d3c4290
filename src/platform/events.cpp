// The event queue: emitting through the hooks, the inbox of other threads' posts,
// waiting and polling, user event ids and their descriptions.
#include "platform/events.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/eventglue.h"
#include "platform/print.h"

namespace {

// The thread that ran the static initialisers, the main thread, until PlatformInit says otherwise.
const std::thread::id mainThread = std::this_thread::get_id();

struct Hook {
  int handle;
  int priority;
  EmitHook function;
};

struct EventState {
  std::mutex mutex;  // guards everything below except hooks
  std::condition_variable posted;
  std::deque<TEvent> inbox;  // posted on other threads, not yet emitted
  std::deque<TEvent> queue;
  std::map<int, std::string> userIds;
  uint64_t nextUserId = 0x80000001u;
  std::thread::id eventThread = mainThread;
  // Event thread only.
  std::vector<Hook> hooks;
  int nextHook = 1;
};

// Never destroyed: timers and windows may still post or purge while the program exits.
EventState& state() {
  static EventState* s = new EventState;
  return *s;
}

// Takes the first queued event that may be handed out.
bool popEvent(TEvent& out) {
  EventState& s = state();
  for (;;) {
    {
      std::lock_guard lock(s.mutex);
      if (s.queue.empty()) return false;
      out = s.queue.front();
      s.queue.pop_front();
    }
    if (out.id == EVENT_TIMERTICK && !AcceptTimerTick(out)) continue;
    return true;
  }
}

// Removes the events that match from inbox and queue; timers learn of dropped ticks.
template <typename Match>
void dropEvents(Match match) {
  EventState& s = state();
  std::vector<TEvent> dropped;
  {
    std::lock_guard lock(s.mutex);
    for (auto* list : {&s.inbox, &s.queue}) {
      auto keep = std::stable_partition(list->begin(), list->end(),
                                        [&](const TEvent& e) { return !match(e); });
      std::copy(keep, list->end(), std::back_inserter(dropped));
      list->erase(keep, list->end());
    }
  }
  for (const TEvent& e : dropped)
    if (e.id == EVENT_TIMERTICK) TimerTickDropped(e);
}

}  // namespace

bool OnEventThread() {
  EventState& s = state();
  std::lock_guard lock(s.mutex);
  return s.eventThread == std::this_thread::get_id();
}

void SetEventThread() {
  EventState& s = state();
  std::lock_guard lock(s.mutex);
  s.eventThread = std::this_thread::get_id();
}

void NotifyEventWaiters() { state().posted.notify_all(); }

void EmitEvent(const TEvent& event) {
  EventState& s = state();
  if (!OnEventThread()) {
    {
      std::lock_guard lock(s.mutex);
      s.inbox.push_back(event);
    }
    NotifyEventWaiters();
    WakePlatformWait();
    return;
  }
  // A copy, so hooks may add or remove hooks while they run.
  std::vector<Hook> hooks = s.hooks;
  for (const Hook& hook : hooks) {
    try {
      hook.function(event);
    } catch (...) {
      Print("EmitEvent: a hook failed");
    }
  }
  std::lock_guard lock(s.mutex);
  s.queue.push_back(event);
}

void PostEvent(const TEvent& event) { EmitEvent(event); }

void EmitPostedEvents() {
  EventState& s = state();
  for (;;) {
    TEvent event;
    {
      std::lock_guard lock(s.mutex);
      if (s.inbox.empty()) return;
      event = s.inbox.front();
      s.inbox.pop_front();
    }
    EmitEvent(event);
  }
}

namespace {

// millis < 0: no limit.
TEvent waitFor(int millis) {
  TEvent event;
  if (!OnEventThread()) {
    Print("WaitEvent: not on the event thread");
    return event;
  }
  EnsureSdlCore();
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(millis, 0));
  for (;;) {
    EmitPostedEvents();
    PumpPlatformEvents();
    if (popEvent(event)) return event;
    int left = -1;
    if (millis >= 0) {
      auto now = Clock::now();
      if (now >= deadline) return TEvent{};
      left = static_cast<int>(
          std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count());
    }
    if (!WaitPlatformEvent(left)) {
      // No SDL to block on: only posts from other threads can arrive.
      EventState& s = state();
      std::unique_lock lock(s.mutex);
      auto ready = [&] { return !s.inbox.empty() || !s.queue.empty(); };
      if (millis < 0)
        s.posted.wait(lock, ready);
      else
        s.posted.wait_until(lock, deadline, ready);
    }
  }
}

}  // namespace

TEvent WaitEvent() { return waitFor(-1); }
TEvent WaitEventTimeout(int millis) { return waitFor(std::max(millis, 0)); }

TEvent PollEvent() {
  TEvent event;
  if (!OnEventThread()) return event;
  EmitPostedEvents();
  PumpPlatformEvents();
  if (!popEvent(event)) event = TEvent{};
  return event;
}

bool EventWaiting(const std::function<bool(const TEvent& event)>& match) {
  if (!OnEventThread()) return false;
  EmitPostedEvents();
  PumpPlatformEvents();
  EventState& s = state();
  std::lock_guard lock(s.mutex);
  return std::any_of(s.queue.begin(), s.queue.end(), match);
}

void PurgeEvents(const void* source) {
  if (source) dropEvents([source](const TEvent& e) { return e.source == source; });
}

void FlushEvents() {
  dropEvents([](const TEvent&) { return true; });
}

int AddHook(EmitHook hook, int priority) {
  EventState& s = state();
  if (!hook) return 0;
  int handle = s.nextHook++;
  auto at = std::find_if(s.hooks.begin(), s.hooks.end(),
                         [&](const Hook& h) { return h.priority < priority; });
  s.hooks.insert(at, Hook{handle, priority, std::move(hook)});
  return handle;
}

void RemoveHook(int handle) {
  auto& hooks = state().hooks;
  std::erase_if(hooks, [&](const Hook& h) { return h.handle == handle; });
}

int AllocUserEventId(const std::string& description) {
  EventState& s = state();
  std::lock_guard lock(s.mutex);
  // The trackpad gestures own fixed ids inside the user range.
  while (s.nextUserId >= 0x80000058u && s.nextUserId <= 0x8000005Bu) ++s.nextUserId;
  if (s.nextUserId > 0xFFFFFFFFu) return 0;
  int id = static_cast<int>(static_cast<uint32_t>(s.nextUserId++));
  s.userIds[id] = description;
  return id;
}

std::string EventIdDescription(int id) {
  switch (id) {
    case EVENT_APPSUSPEND: return "AppSuspend";
    case EVENT_APPRESUME: return "AppResume";
    case EVENT_APPTERMINATE: return "AppTerminate";
    case EVENT_KEYDOWN: return "KeyDown";
    case EVENT_KEYUP: return "KeyUp";
    case EVENT_KEYCHAR: return "KeyChar";
    case EVENT_KEYREPEAT: return "KeyRepeat";
    case EVENT_MOUSEDOWN: return "MouseDown";
    case EVENT_MOUSEUP: return "MouseUp";
    case EVENT_MOUSEMOVE: return "MouseMove";
    case EVENT_MOUSEWHEEL: return "MouseWheel";
    case EVENT_MOUSEENTER: return "MouseEnter";
    case EVENT_MOUSELEAVE: return "MouseLeave";
    case EVENT_TIMERTICK: return "TimerTick";
    case EVENT_WINDOWMOVE: return "WindowMove";
    case EVENT_WINDOWSIZE: return "WindowSize";
    case EVENT_WINDOWCLOSE: return "WindowClose";
    case EVENT_MENUACTION: return "MenuAction";
    case EVENT_GESTUREBEGIN: return "GestureBegin";
    case EVENT_GESTUREMAGNIFY: return "GestureMagnify";
    case EVENT_GESTURESWIPE: return "GestureSwipe";
    case EVENT_GESTUREROTATE: return "GestureRotate";
    default: break;
  }
  EventState& s = state();
  std::lock_guard lock(s.mutex);
  auto found = s.userIds.find(id);
  return found == s.userIds.end() ? std::string() : found->second;
}

int FloatToBits(float value) { return std::bit_cast<int>(value); }
float BitsToFloat(int bits) { return std::bit_cast<float>(bits); }
