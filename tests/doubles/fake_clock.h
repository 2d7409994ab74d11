// A clock whose sleeps advance its time at once, so that fixed waits cost nothing in tests.
#ifndef TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
#define TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_

#include <string>

#include "base/clock.h"
#include "doubles/event_log.h"

namespace tarvik::testing {

class FakeClock : public Clock {
 public:
  explicit FakeClock(EventLog* log = nullptr) : log_(log) {}

  std::int64_t NowMs() const override { return now_ms_; }
  void SleepMs(int ms) override {
    now_ms_ += ms;
    slept_ms_ += ms;
    if (log_ != nullptr) log_->Add("sleep " + std::to_string(ms));
  }

  std::int64_t slept_ms() const { return slept_ms_; }

 private:
  EventLog* log_;
  std::int64_t now_ms_ = 0;
  std::int64_t slept_ms_ = 0;
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_FAKE_CLOCK_H_
