// Time as the program sees it. The instrument exchanges and the pause before a shot's sound wait
// fixed times; going through this interface lets unit tests run those waits instantly while real
// builds really sleep. A sleep blocks the GUI thread and runs no event loop.
#ifndef TARVIK_BASE_CLOCK_H_
#define TARVIK_BASE_CLOCK_H_

#include <cstdint>

namespace tarvik {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary fixed point; never goes backwards.
  virtual std::int64_t NowMs() const = 0;
  // Blocks the calling thread for `ms` milliseconds.
  virtual void SleepMs(int ms) = 0;
};

// The machine's monotonic clock and a real sleep.
class SystemClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  void SleepMs(int ms) override;
};

}  // namespace tarvik

#endif  // TARVIK_BASE_CLOCK_H_
