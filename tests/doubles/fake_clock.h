// A clock whose sleeps advance its time at once, so that fixed waits cost nothing in tests.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
#define TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_

#include <cstdint>

#include "base/clock.h"

namespace tarvik::testing {

class FakeClock : public Clock {
 public:
  std::int64_t NowMs() const override { return now_ms_; }  // the time slept so far
  // 2026-12-07 09:30:00.000 at UTC+1, plus the time slept so far (within the day).
  LocalTime LocalNow() const override {
    const std::int64_t ms = 9 * 3'600'000 + 30 * 60'000 + now_ms_ % 50'000'000;
    return {2026,
            12,
            7,
            static_cast<int>(ms / 3'600'000),
            static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000),
            60};
  }
  void SleepMs(int ms) override { now_ms_ += ms; }

 private:
  std::int64_t now_ms_ = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
