// The shot log: a text file with one line a shot, "velocity,energy,weight" in fps, ft.lbs and
// grains with two decimals and CR LF, only ever appended to; and the velocities of such a file
// read back. Other programs may read the file meanwhile: it is open only for one append or one
// load.
#ifndef TARVIK_MEASURE_SHOT_LOG_H_
#define TARVIK_MEASURE_SHOT_LOG_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/files.h"
#include "measure/shot_series.h"

namespace tarvik {

// Longest line, CR LF included.
inline constexpr std::size_t kMaxLogLine = 29;

// "%.2f,%.2f,%.2f\r\n" of the three values; nothing when the line would be longer than
// kMaxLogLine (only absurd values make one), so that no line is ever written cut or malformed.
std::optional<std::string> LogLine(double velocity, double energy, double weight);

// Appends the shot's line to the log. A log that cannot be opened, or a line that cannot be made,
// is skipped without a word.
void AppendLogLine(Files& files, const std::string& log_file, double velocity, double energy,
                   double weight);

// The leading decimal number of a text given a character at a time, read as ParseDecimal reads
// the whole text (blanks, sign, digits, point, fraction, exponent), in the same small space
// however long the number is: past the digits a double can tell apart, a digit counts only by
// its place and by whether it is zero.
class LeadingDecimal {
 public:
  // Takes the next character. Once the number has ended, later characters change nothing.
  void Add(char c);
  bool ended() const { return stage_ == Stage::kEnded; }
  // The number so far, as if the text ended here; 0 when it holds none.
  double Value() const;

 private:
  enum class Stage {
    kBlanks,
    kSigned,
    kInteger,
    kFraction,
    kExponentMark,
    kExponentSign,
    kExponent,
    kEnded
  };
  void AddDigit(char c, bool in_fraction);

  Stage stage_ = Stage::kBlanks;
  bool negative_ = false;
  bool has_digits_ = false;       // a digit of the integer or the fraction came
  std::string significant_;       // from the first digit that is not 0, as many as count
  bool dropped_nonzero_ = false;  // a digit past those kept was not 0
  std::int64_t scale_ = 0;        // value = 0.<significant_> × 10^(scale_ + exponent)
  bool exponent_negative_ = false;
  std::int64_t exponent_ = 0;
  bool has_exponent_digits_ = false;
};

// Reads a log's lines as they come, in parts of any size, with the same result as reading the
// whole text at once. The text ends at the end of the file or at its first zero byte; lines end
// at LF (a CR before it stays in the line) and empty lines are no lines. The first line is always
// taken, its leading number or 0; each later line only when it begins with a digit, and the
// first one that does not ends the reading.
class LogReader {
 public:
  // Reads the next part of the text; the velocities of its complete lines go to `velocities`.
  // False once the reading has ended.
  bool Feed(std::string_view part, std::vector<double>& velocities);
  // The text has ended: its last line, when it has no LF.
  void Finish(std::vector<double>& velocities);

 private:
  void TakeLine(std::vector<double>& velocities);

  // The line's first bytes as they came, read with ParseDecimal at its end (a log's lines are
  // about 20 bytes); the number of a longer line is read as it comes instead.
  std::array<char, 64> start_;
  std::size_t start_size_ = 0;
  bool long_line_ = false;
  LeadingDecimal number_;
  bool first_line_ = true;
  bool ended_ = false;
};

// Appends the velocities of the log to the series, after the shots it holds. A log that cannot
// be opened or read adds nothing. The file is read in parts, so a log larger than memory never
// has to be held whole.
void LoadLog(Files& files, const std::string& log_file, ShotSeries& series);

// Opens the log in the text editor when the file can be read; otherwise nothing happens.
void ViewLog(Files& files, TextFileViewer& viewer, const std::string& log_file,
             const TextFileViewer::Failed& failed = {});

}  // namespace tarvik

#endif  // TARVIK_MEASURE_SHOT_LOG_H_
