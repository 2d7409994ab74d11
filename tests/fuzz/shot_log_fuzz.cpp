// Any bytes as a shot log, read in parts split anywhere: the velocities are those of a simple
// reading of the whole text at once, and nothing is read past the input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "fuzz/fuzz_check.h"
#include "measure/shot_log.h"

namespace {

// The whole text at once: cut at the first zero byte, split at LF, empty lines dropped; the first
// line always, later ones while they begin with a digit.
std::vector<double> ReadWhole(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<double> velocities;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty()) continue;
    if (!first && !(line.front() >= '0' && line.front() <= '9')) break;
    velocities.push_back(tarvik::ParseDecimal(line.substr(0, 4096)));
    first = false;
  }
  return velocities;
}

}  // namespace

int FuzzShotLog(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte says where the parts split; the rest is the log.
  const std::size_t part = data[0] % 17 + 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  tarvik::LogReader reader;
  std::vector<double> velocities;
  bool more = true;
  for (std::size_t at = 0; more && at < text.size(); at += part) {
    more = reader.Feed(text.substr(at, part), velocities);
  }
  reader.Finish(velocities);
  const std::vector<double> whole = ReadWhole(text);
  bool same = velocities.size() == whole.size();
  for (std::size_t i = 0; same && i < whole.size(); ++i) {
    same = velocities[i] == whole[i] || (velocities[i] != velocities[i] && whole[i] != whole[i]);
  }
  FuzzCheck(same, "reading in parts differs from the whole");
  return 0;
}
