// Any bytes as a shot log, read in parts split anywhere: the velocities are those of a simple
// reading of the whole text at once, each line's number read from the whole line, and nothing
// is read past the input. Runs in the input stand for long stretches, so that lines far longer
// than the fuzzer's inputs, and than any buffer of the reading, are tried too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "fuzz/fuzz_check.h"
#include "measure/shot_log.h"

namespace {

// Byte 0xFF, then a count c and a byte b, stand for (c + 1) · 64 copies of b, up to 16 KiB of
// text in all; any other byte stands for itself.
constexpr unsigned char kRun = 0xFF;
constexpr std::size_t kRunUnit = 64;
constexpr std::size_t kMaxText = 1 << 14;

std::string Stretch(std::string_view input) {
  std::string text;
  for (std::size_t i = 0; i < input.size(); ++i) {
    if (static_cast<unsigned char>(input[i]) == kRun && i + 2 < input.size()) {
      const std::size_t count = (static_cast<unsigned char>(input[i + 1]) + 1) * kRunUnit;
      text.append(std::min(count, kMaxText - std::min(kMaxText, text.size())), input[i + 2]);
      i += 2;
    } else {
      text += input[i];
    }
  }
  return text;
}

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
    velocities.push_back(tarvik::ParseDecimal(line));
    first = false;
  }
  return velocities;
}

}  // namespace

int FuzzShotLog(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte says where the parts split; the rest is the log.
  const std::size_t part = data[0] % 17 + 1;
  const std::string stretched =
      Stretch(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  // In a buffer of its exact size, so that the sanitizer sees any read past the text.
  const std::unique_ptr<char[]> bytes(new char[stretched.size()]);
  stretched.copy(bytes.get(), stretched.size());
  const std::string_view text(bytes.get(), stretched.size());
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
