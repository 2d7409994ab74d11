// What the instrument sends for one shot: the decimal digits of the count of timer ticks the
// pellet took between the two sensors, then a carriage return and a line feed. The number of
// digits, leading zeros included, tells the instrument's generation ("mark").
#ifndef TARVIK_TOOLS_QM307SIM_READING_H_
#define TARVIK_TOOLS_QM307SIM_READING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik::sim {

enum class Mark { kMark12, kMark3, kMark4 };

struct Reading {
  std::uint64_t count = 0;
  int digits = 1;  // digits sent, leading zeros included

  friend bool operator==(const Reading&, const Reading&) = default;
};

// The longest reading a raw count may ask for: every count of that many digits fits 64 bits.
inline constexpr int kMaxReadingDigits = 18;
// The calibration the simulated shooter's velocities assume (the program's default).
inline constexpr int kDefaultCalibration = 100;

// "1/2", "3" or "4".
std::string_view MarkLabel(Mark mark);
// The inverse of MarkLabel; "12" and "1" are taken for "1/2" too.
std::optional<Mark> ParseMark(std::string_view text);
double TimingConstant(Mark mark);
// Digits a reading of the mark has at least and at most when made from a velocity. Mark 4 also
// reads with 1 to 3 digits; a velocity gives it 7, the form the later instruments send.
int MinDigits(Mark mark);
int MaxDigits(Mark mark);

// The reading of a shot at `velocity_fps`: count = round((K - calibration * 78) / velocity),
// padded to the mark's digits. Nothing, with a reason in `error`, when the count is below 1 or
// needs more digits than the mark sends.
std::optional<Reading> ReadingForVelocity(double velocity_fps, Mark mark,
                                          std::string* error = nullptr);
// A reading of exactly `digits` digits (1 to kMaxReadingDigits); the count must fit them.
std::optional<Reading> ReadingForCount(std::uint64_t count, int digits,
                                       std::string* error = nullptr);

// The bytes on the line: the zero-padded digits, "\r\n".
std::string ReadingText(const Reading& reading);

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_READING_H_
