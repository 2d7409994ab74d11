#include "measure/shot_log.h"

#include <array>

#include "base/number_text.h"

namespace tarvik {
namespace {

// A line's beginning is all a number is read from; lines of a real log are about 20 bytes.
constexpr std::size_t kMaxLineKept = 4096;
constexpr std::size_t kReadSize = 64 * 1024;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> LogLine(double velocity, double energy, double weight) {
  std::string line = FormatFixed(velocity, 2);
  line.append(",").append(FormatFixed(energy, 2)).append(",").append(FormatFixed(weight, 2));
  line.append("\r\n");
  if (line.size() > kMaxLogLine) return std::nullopt;
  return line;
}

void AppendLogLine(Files& files, const std::string& log_file, double velocity, double energy,
                   double weight) {
  if (const std::optional<std::string> line = LogLine(velocity, energy, weight)) {
    files.Append(log_file, *line);
  }
}

void LogReader::TakeLine(std::vector<double>& velocities) {
  if (line_.empty()) return;  // between two LF, or before the first
  if (first_line_ || IsDigit(line_.front())) {
    velocities.push_back(ParseDecimal(line_));
    first_line_ = false;
  } else {
    ended_ = true;
  }
  line_.clear();
}

bool LogReader::Feed(std::string_view part, std::vector<double>& velocities) {
  for (std::size_t i = 0; i < part.size() && !ended_; ++i) {
    const char c = part[i];
    if (c == '\0') {
      Finish(velocities);
    } else if (c == '\n') {
      TakeLine(velocities);
    } else if (line_.size() < kMaxLineKept) {
      line_ += c;
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
  const std::int32_t before = series.count();
  LogReader reader;
  std::vector<double> velocities;
  std::array<char, kReadSize> part;
  for (;;) {
    const long n = file->Read(part);
    if (n < 0) {
      // As if nothing had been read: the shots of the parts before go again.
      while (series.count() > before) series.UndoLastShot();
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
