// Timers ticking at a rate in hertz. Each tick is a TimerTick event with the timer as
// `source` and the number of ticks it has delivered, this one included, as `data`.
// A fractional period keeps its average (60 Hz: 16, 17, 17, 16 ... ms), at most one
// tick per timer waits in the queue (a slow loop skips ticks, it never gets a burst),
// and a stopped timer delivers no further tick, not even one already queued.
#pragma once
#include <cstdint>
#include <memory>

class TTimer;

// A rate of 0 or below (or not a number) gives a timer that never ticks.
std::shared_ptr<TTimer> CreateTimer(float hertz);
void StopTimer(TTimer* timer);
inline void StopTimer(const std::shared_ptr<TTimer>& timer) { StopTimer(timer.get()); }

class TTimer {
 public:
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;
  ~TTimer();  // stops it

  float Hertz() const { return hertz_; }
  bool Running() const;
  int Ticks() const;  // ticks delivered so far

 private:
  friend std::shared_ptr<TTimer> CreateTimer(float hertz);
  explicit TTimer(float hertz) : hertz_(hertz) {}
  float hertz_;
};

// Milliseconds from a timer's start to its tick number n (n >= 0).
int64_t TimerTickTime(float hertz, int64_t n);
