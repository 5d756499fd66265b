#pragma once
// A steady clock for timeout tests: every reading moves it on by one step, from whatever thread
// reads it, so a timeout is reached after a known number of readings and no real wait.
#include <atomic>
#include <chrono>
#include <functional>

class TSteppingClock {
 public:
  using time_point = std::chrono::steady_clock::time_point;
  explicit TSteppingClock(std::chrono::milliseconds step) : FStep(step) {}

  // What the code under test reads; the clock must outlive it.
  std::function<time_point()> Reader() {
    return [this] { return time_point() + FStep * (FReadings.fetch_add(1) + 1); };
  }
  std::chrono::milliseconds Elapsed() const { return FStep * FReadings.load(); }  // at the last reading

 private:
  std::chrono::milliseconds FStep;
  std::atomic<long long> FReadings{0};
};
