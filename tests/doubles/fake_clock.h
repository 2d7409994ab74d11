// A clock whose sleeps advance its time at once, so that fixed waits cost nothing in tests.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
#define TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_

#include <cstdint>

#include "base/clock.h"

namespace tarvik::testing {

class FakeClock : public Clock {
 public:
  std::int64_t NowMs() const override { return now_ms_; }  // the time slept so far
  void SleepMs(int ms) override { now_ms_ += ms; }

 private:
  std::int64_t now_ms_ = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
