// Time as the program sees it. The instrument exchanges and the pause before a shot's sound wait
// fixed times; going through this interface lets unit tests run those waits instantly while real
// builds really sleep. A sleep blocks the GUI thread and runs no event loop.
#ifndef TARVIK_BASE_CLOCK_H_
#define TARVIK_BASE_CLOCK_H_

#include <cstdint>

namespace tarvik {

// A moment on the wall clock where the user is.
struct LocalTime {
  int year = 1970, month = 1, day = 1;  // month and day from 1
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int utc_offset_minutes = 0;  // local time minus UTC
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary fixed point; never goes backwards.
  virtual std::int64_t NowMs() const = 0;
  // The local date and time now, which may jump with the user's clock or time zone.
  virtual LocalTime LocalNow() const = 0;
  // Blocks the calling thread for `ms` milliseconds.
  virtual void SleepMs(int ms) = 0;
};

// The machine's monotonic clock and a real sleep.
class SystemClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  LocalTime LocalNow() const override;
  void SleepMs(int ms) override;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_CLOCK_H_
