// Timers: one thread sleeps until the next deadline of any running timer and posts
// its tick, unless that timer's previous tick still waits in the queue.
#include "platform/timers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/eventglue.h"
#include "platform/events.h"
#include "platform/numbers.h"

namespace {

constexpr int64_t NEVER = std::numeric_limits<int64_t>::max();

struct Entry {
  TTimer* timer;
  int serial;      // never reused, so a tick outliving its timer is recognised
  float hertz;
  int64_t start;   // ms on the steady clock
  int64_t next;    // number of the next tick
  bool running;
  bool pending;    // a tick waits in the queue
  int ticks;       // ticks delivered
};

struct TimerService {
  std::mutex mutex;
  std::condition_variable wake;
  std::vector<Entry> entries;  // every timer not yet destroyed
  std::thread thread;
  bool quit = false;
  int nextSerial = 1;
};

TimerService& service() {
  static TimerService* s = new TimerService;
  return *s;
}

// `extra` of the ticks the timers post, until the queue hands them out.
const char tickMarker = 0;

int64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Entry* findTimer(TimerService& s, const void* timer) {
  for (Entry& e : s.entries)
    if (e.timer == timer) return &e;
  return nullptr;
}

Entry* findSerial(TimerService& s, int serial) {
  for (Entry& e : s.entries)
    if (e.serial == serial) return &e;
  return nullptr;
}

bool validRate(float hertz) { return std::isfinite(hertz) && hertz > 0.0f; }

void postTick(const Entry& e) {
  TEvent tick;
  tick.id = EVENT_TIMERTICK;
  tick.source = e.timer;
  tick.data = e.serial;
  tick.extra = const_cast<char*>(&tickMarker);
  EmitEvent(tick);
}

void runTimers() {
  TimerService& s = service();
  std::unique_lock lock(s.mutex);
  while (!s.quit) {
    int64_t now = nowMs();
    int64_t earliest = NEVER;
    for (Entry& e : s.entries) {
      if (!e.running) continue;
      int64_t due = e.start + TimerTickTime(e.hertz, e.next);
      if (due <= now) {
        // Posted under the lock, so a StopTimer that returned has seen every post.
        if (!e.pending) {
          e.pending = true;
          postTick(e);
        }
        // The next deadline after now; ticks missed while this thread slept are skipped.
        e.next = std::max(e.next + 1, TruncToInt64(std::floor((now - e.start) * (double)e.hertz / 1000.0)));
        while (e.start + TimerTickTime(e.hertz, e.next) <= now) ++e.next;
        due = e.start + TimerTickTime(e.hertz, e.next);
      }
      earliest = std::min(earliest, due);
    }
    if (earliest == NEVER)
      s.wake.wait(lock);
    else
      s.wake.wait_until(lock, std::chrono::steady_clock::time_point(std::chrono::milliseconds(earliest)));
  }
}

}  // namespace

int64_t TimerTickTime(float hertz, int64_t n) {
  if (!validRate(hertz) || n < 0) return NEVER;
  return TruncToInt64(std::floor(static_cast<double>(n) * 1000.0 / hertz));
}

std::shared_ptr<TTimer> CreateTimer(float hertz) {
  std::shared_ptr<TTimer> timer(new TTimer(hertz));
  if (OnEventThread()) EnsureSdlCore();  // so ticks can wake a waiting loop
  TimerService& s = service();
  {
    std::lock_guard lock(s.mutex);
    s.entries.push_back(Entry{timer.get(), s.nextSerial++, hertz, nowMs(), 1, validRate(hertz), false, 0});
    if (validRate(hertz) && !s.thread.joinable()) {
      s.quit = false;
      s.thread = std::thread(runTimers);
    }
  }
  s.wake.notify_all();
  return timer;
}

void StopTimer(TTimer* timer) {
  if (!timer) return;
  TimerService& s = service();
  {
    std::lock_guard lock(s.mutex);
    Entry* e = findTimer(s, timer);
    if (!e || !e->running) return;
    e->running = false;
    e->pending = false;
  }
  s.wake.notify_all();
  PurgeEvents(timer);
}

TTimer::~TTimer() {
  StopTimer(this);
  TimerService& s = service();
  std::lock_guard lock(s.mutex);
  std::erase_if(s.entries, [this](const Entry& e) { return e.timer == this; });
}

bool TTimer::Running() const {
  TimerService& s = service();
  std::lock_guard lock(s.mutex);
  Entry* e = findTimer(s, this);
  return e && e->running;
}

int TTimer::Ticks() const {
  TimerService& s = service();
  std::lock_guard lock(s.mutex);
  Entry* e = findTimer(s, this);
  return e ? e->ticks : 0;
}

bool AcceptTimerTick(TEvent& event) {
  if (event.extra != &tickMarker) return true;  // posted by someone else as it is
  TimerService& s = service();
  std::lock_guard lock(s.mutex);
  Entry* e = findSerial(s, event.data);
  if (!e || e->timer != event.source || !e->running) return false;
  e->pending = false;
  event.data = ++e->ticks;
  event.extra = nullptr;
  return true;
}

void TimerTickDropped(const TEvent& event) {
  if (event.extra != &tickMarker) return;
  TimerService& s = service();
  std::lock_guard lock(s.mutex);
  if (Entry* e = findSerial(s, event.data)) e->pending = false;
}

void StopAllTimers() {
  TimerService& s = service();
  {
    std::lock_guard lock(s.mutex);
    for (Entry& e : s.entries) e.running = e.pending = false;
    s.quit = true;
  }
  s.wake.notify_all();
  if (s.thread.joinable()) s.thread.join();
  std::lock_guard lock(s.mutex);
  s.quit = false;
}
