#include "base/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace tarvik {

std::int64_t SystemClock::NowMs() const {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  return duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The C library's local time; its offset from UTC is the difference of the two broken-down times,
// which differ by less than a day.
LocalTime SystemClock::LocalNow() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  std::tm utc{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
  gmtime_s(&utc, &seconds);
#else
  localtime_r(&seconds, &local);
  gmtime_r(&seconds, &utc);
#endif
  int day_shift = local.tm_yday - utc.tm_yday;
  if (day_shift > 1) day_shift = -1;  // across a new year
  if (day_shift < -1) day_shift = 1;
  const int offset =
      (day_shift * 24 + local.tm_hour - utc.tm_hour) * 60 + local.tm_min - utc.tm_min;
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,        local.tm_hour,
          local.tm_min,         local.tm_sec,     static_cast<int>(ms), offset};
}

void SystemClock::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace tarvik
