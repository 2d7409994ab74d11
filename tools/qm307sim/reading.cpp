#include "qm307sim/reading.h"

#include <cmath>

#include "base/number_text.h"
#include "qm307sim/error_text.h"

namespace tarvik::sim {
namespace {

std::uint64_t PowerOfTen(int exponent) {
  std::uint64_t value = 1;
  for (int i = 0; i < exponent; ++i) value *= 10;
  return value;
}

int DigitsOf(std::uint64_t value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

}  // namespace

std::string_view MarkLabel(Mark mark) {
  switch (mark) {
    case Mark::kMark12:
      return "1/2";
    case Mark::kMark3:
      return "3";
    case Mark::kMark4:
      break;
  }
  return "4";
}

std::optional<Mark> ParseMark(std::string_view text) {
  if (text == "1/2" || text == "12" || text == "1") return Mark::kMark12;
  if (text == "3") return Mark::kMark3;
  if (text == "4") return Mark::kMark4;
  return std::nullopt;
}

// The program has these constants too, but the simulator keeps its own copy on purpose: it plays
// the instrument's side of the line and must check the program independently, so that a wrong
// constant in the program shows up as a failing test instead of being shared by both sides.
double TimingConstant(Mark mark) {
  switch (mark) {
    case Mark::kMark12:
      return 792133.0;
    case Mark::kMark3:
      return 789800.0;
    case Mark::kMark4:
      break;
  }
  return 795300.0;
}

int MinDigits(Mark mark) {
  switch (mark) {
    case Mark::kMark12:
      return 4;
    case Mark::kMark3:
      return 6;
    case Mark::kMark4:
      break;
  }
  return 7;
}

int MaxDigits(Mark mark) {
  switch (mark) {
    case Mark::kMark12:
      return 5;
    case Mark::kMark3:
      return 6;
    case Mark::kMark4:
      break;
  }
  // The program adds up a reading in a 32-bit signed count; nine digits always fit.
  return 9;
}

std::optional<Reading> ReadingForVelocity(double velocity_fps, Mark mark, std::string* error) {
  if (!std::isfinite(velocity_fps) || velocity_fps <= 0.0) {
    SetError(error, "the velocity must be a positive number");
    return std::nullopt;
  }
  const double exact = (TimingConstant(mark) - kDefaultCalibration * 78.0) / velocity_fps;
  const double rounded = std::round(exact);
  const double limit = static_cast<double>(PowerOfTen(MaxDigits(mark)));
  if (rounded < 1.0) {
    SetError(error, "the velocity is too high: the count would be below 1");
    return std::nullopt;
  }
  if (rounded >= limit) {
    SetError(error, "the velocity is too low: the count needs more digits than mark " +
                        std::string(MarkLabel(mark)) + " sends");
    return std::nullopt;
  }
  const auto count = static_cast<std::uint64_t>(rounded);
  const int digits = DigitsOf(count) < MinDigits(mark) ? MinDigits(mark) : DigitsOf(count);
  return Reading{count, digits};
}

std::optional<Reading> ReadingForCount(std::uint64_t count, int digits, std::string* error) {
  if (digits < 1 || digits > kMaxReadingDigits) {
    SetError(error, "a reading has 1 to " + FormatInt(kMaxReadingDigits) + " digits");
    return std::nullopt;
  }
  if (count >= PowerOfTen(digits)) {
    SetError(error, "the count does not fit the number of digits");
    return std::nullopt;
  }
  return Reading{count, digits};
}

std::string ReadingText(const Reading& reading) {
  const std::string value = FormatUnsigned(reading.count);
  std::string text;
  if (reading.digits > static_cast<int>(value.size())) {
    text.assign(static_cast<std::size_t>(reading.digits) - value.size(), '0');
  }
  text += value;
  text += "\r\n";
  return text;
}

}  // namespace tarvik::sim
