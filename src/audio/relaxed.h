// Relaxed<T>: a value that the main thread and the audio thread both touch.
// Every load and store is a relaxed atomic of T's width, so a setting written on one
// thread and read at the other's next pass is race-free without any ordering cost.
#pragma once
#include <atomic>

template <class T>
class Relaxed {
 public:
  Relaxed() noexcept : value_(T{}) {}
  Relaxed(T value) noexcept : value_(value) {}
  Relaxed(const Relaxed&) = delete;
  Relaxed& operator=(const Relaxed&) = delete;

  T load() const noexcept { return value_.load(std::memory_order_relaxed); }
  void store(T value) noexcept { value_.store(value, std::memory_order_relaxed); }
  operator T() const noexcept { return load(); }
  Relaxed& operator=(T value) noexcept {
    store(value);
    return *this;
  }

  // Read-modify-write for fields that both threads change (status bits, counts).
  T fetch_or(T bits) noexcept { return value_.fetch_or(bits, std::memory_order_relaxed); }
  T fetch_and(T bits) noexcept { return value_.fetch_and(bits, std::memory_order_relaxed); }
  T exchange(T value) noexcept { return value_.exchange(value, std::memory_order_relaxed); }
  bool compare_exchange(T& expected, T desired) noexcept {
    return value_.compare_exchange_strong(expected, desired, std::memory_order_relaxed);
  }

 private:
  std::atomic<T> value_;
  static_assert(std::atomic<T>::is_always_lock_free, "shared audio settings must be lock-free");
};
