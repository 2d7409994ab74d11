#include "measure/shot_log.h"

#include <algorithm>
#include <array>

#include "base/ascii.h"
#include "base/number_text.h"

namespace tarvik {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

// A decimal text rounds to the same double as its first 768 significant digits followed by one
// more digit that is not 0 when any of the rest is not: the digits past those change nothing.
constexpr std::size_t kSignificantDigits = 800;
// Places and exponents are counted up to here: far past where a double becomes 0 or infinite,
// and far from the ends of 64 bits, so that adding the two cannot overflow.
constexpr std::int64_t kPlaceLimit = std::int64_t{1} << 50;
// The exponent written for ParseDecimal: already past every double, still an ordinary text.
constexpr std::int64_t kWrittenExponentLimit = 100000;

}  // namespace

std::optional<std::string> LogLine(double velocity, double energy, double weight) {
  std::string line = FormatFixed(velocity, 2);
  line.append(",").append(FormatFixed(energy, 2)).append(",").append(FormatFixed(weight, 2));
  line.append(kLineBreak);
  if (line.size() > kMaxLogLine) return std::nullopt;
  return line;
}

void AppendLogLine(Files& files, const std::string& log_file, double velocity, double energy,
                   double weight) {
  if (const std::optional<std::string> line = LogLine(velocity, energy, weight)) {
    files.Append(log_file, *line);
  }
}

void LeadingDecimal::AddDigit(char c, bool in_fraction) {
  has_digits_ = true;
  if (significant_.empty() && c == '0') {
    // A zero before the first significant digit: only a fraction's zeros move the place.
    if (in_fraction && scale_ > -kPlaceLimit) --scale_;
    return;
  }
  if (significant_.size() < kSignificantDigits) {
    significant_ += c;
  } else if (c != '0') {
    dropped_nonzero_ = true;
  }
  if (!in_fraction && scale_ < kPlaceLimit) ++scale_;
}

void LeadingDecimal::Add(char c) {
  const bool digit = IsDigit(c);
  const bool exponent_mark = (c == 'e' || c == 'E') && has_digits_;
  switch (stage_) {
    case Stage::kBlanks:
      if (IsBlank(c)) return;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        stage_ = Stage::kSigned;
        return;
      }
      [[fallthrough]];
    case Stage::kSigned:
    case Stage::kInteger:
      if (digit) {
        stage_ = Stage::kInteger;
        AddDigit(c, false);
      } else if (c == '.') {
        stage_ = Stage::kFraction;
      } else {
        stage_ = exponent_mark ? Stage::kExponentMark : Stage::kEnded;
      }
      return;
    case Stage::kFraction:
      if (digit) {
        AddDigit(c, true);
      } else {
        stage_ = exponent_mark ? Stage::kExponentMark : Stage::kEnded;
      }
      return;
    case Stage::kExponentMark:
      if (c == '+' || c == '-') {
        exponent_negative_ = c == '-';
        stage_ = Stage::kExponentSign;
        return;
      }
      [[fallthrough]];
    case Stage::kExponentSign:
    case Stage::kExponent:
      if (!digit) {
        stage_ = Stage::kEnded;
        return;
      }
      stage_ = Stage::kExponent;
      has_exponent_digits_ = true;
      if (exponent_ < kPlaceLimit) exponent_ = exponent_ * 10 + (c - '0');
      return;
    case Stage::kEnded:
      return;
  }
}

double LeadingDecimal::Value() const {
  if (!has_digits_) return 0.0;
  double magnitude = 0.0;
  if (!significant_.empty()) {
    // An exponent without digits ("12e", "12e+") is no exponent.
    const std::int64_t exponent =
        has_exponent_digits_ ? (exponent_negative_ ? -exponent_ : exponent_) : 0;
    const std::int64_t place =
        std::clamp(scale_ + exponent, -kWrittenExponentLimit, kWrittenExponentLimit);
    std::string text = "0.";
    text.append(significant_).append(dropped_nonzero_ ? "1" : "");
    text.append("e").append(FormatInt(place));
    magnitude = ParseDecimal(text);
  }
  return negative_ ? -magnitude : magnitude;
}

void LogReader::TakeLine(std::vector<double>& velocities) {
  if (start_size_ == 0) return;  // between two LF, or before the first
  if (first_line_ || IsDigit(start_.front())) {
    velocities.push_back(long_line_ ? number_.Value()
                                    : ParseDecimal(std::string_view(start_.data(), start_size_)));
    first_line_ = false;
  } else {
    ended_ = true;
  }
  start_size_ = 0;
  if (long_line_) {
    long_line_ = false;
    number_ = LeadingDecimal();
  }
}

bool LogReader::Feed(std::string_view part, std::vector<double>& velocities) {
  for (std::size_t i = 0; i < part.size() && !ended_; ++i) {
    const char c = part[i];
    if (c == '\0') {
      Finish(velocities);
    } else if (c == '\n') {
      TakeLine(velocities);
    } else if (start_size_ < start_.size()) {
      start_[start_size_++] = c;
    } else if (!number_.ended()) {
      if (!long_line_) {
        long_line_ = true;
        for (const char kept : start_) number_.Add(kept);
      }
      number_.Add(c);
    } else {
      // Past its number the line tells nothing more: on to its end.
      while (i + 1 < part.size() && part[i + 1] != '\n' && part[i + 1] != '\0') ++i;
    }
  }
  return !ended_;
}

void LogReader::Finish(std::vector<double>& velocities) {
  if (!ended_) TakeLine(velocities);
  ended_ = true;
}

void LoadLog(Files& files, const std::string& log_file, ShotSeries& series) {
  const std::unique_ptr<FileReader> file = files.OpenForReading(log_file);
  if (file == nullptr) return;
  const std::int32_t before = series.row_count();
  LogReader reader;
  std::vector<double> velocities;
  std::array<char, kReadSize> part;
  for (;;) {
    const long n = file->Read(part);
    if (n < 0) {
      // As if nothing had been read: the shots of the parts before go again.
      while (series.row_count() > before) series.UndoLastShot();
      return;
    }
    const bool more =
        n > 0 &&
        reader.Feed(std::string_view(part.data(), static_cast<std::size_t>(n)), velocities);
    if (n == 0) reader.Finish(velocities);
    for (const double velocity : velocities) series.AppendShot(velocity);
    velocities.clear();
    if (!more) return;
  }
}

void ViewLog(Files& files, TextFileViewer& viewer, const std::string& log_file,
             const TextFileViewer::Failed& failed) {
  if (files.OpenForReading(log_file) == nullptr) return;
  viewer.ShowTextFile(
      log_file, failed ? failed : [](const std::string&) {});
}

}  // namespace tarvik
