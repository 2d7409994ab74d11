// Any bytes from the instrument, received in reads split anywhere, some of them after a quiet line:
// the decoder gives the readings of a simple reading of the same bytes whole, and always consumes
// every byte of a read.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/shot_decoder.h"

namespace {

// The whole stream at once: digits make a value, a carriage return ends a reading with a non-zero
// value within 32 bits, and any byte but CR and LF spoils the digits that follow on its line. A
// quiet line before the byte at a place in `quiet` ends the line as a line end does.
std::vector<tarvik::Reading> ReadWhole(std::string_view stream,
                                       const std::vector<std::size_t>& quiet) {
  constexpr std::int64_t kBeyond32Bits = std::int64_t{1} << 31;
  std::vector<tarvik::Reading> readings;
  std::int64_t value = 0;
  std::int32_t digits = 0;
  bool spoiled = false;
  for (std::size_t at = 0; at < stream.size(); ++at) {
    if (std::find(quiet.begin(), quiet.end(), at) != quiet.end()) {
      value = digits = 0;
      spoiled = false;
    }
    const auto c = static_cast<unsigned char>(stream[at]);
    if (c >= '0' && c <= '9') {
      value = std::min(value * 10 + (c - '0'), kBeyond32Bits);
      ++digits;
      continue;
    }
    if (c == '\r' && !spoiled && value != 0 && value < kBeyond32Bits) {
      readings.push_back({static_cast<std::int32_t>(value), digits});
    }
    value = digits = 0;
    spoiled = c != '\r' && c != '\n';
  }
  return readings;
}

}  // namespace

int FuzzShotDecoder(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte says how many of the next bytes are the lengths of the reads, used in turn; a
  // length's high bit says that the line was quiet before its read.
  const std::size_t count = std::min<std::size_t>(data[0] % 8 + 1, size - 1);
  const std::uint8_t* lengths = data + 1;
  const std::string_view stream(reinterpret_cast<const char*>(data) + 1 + count, size - 1 - count);
  tarvik::ReceiveBuffer buffer;
  tarvik::ShotDecoder decoder;
  std::vector<tarvik::Reading> readings;
  std::vector<std::size_t> quiet;
  for (std::size_t at = 0, read = 0; at < stream.size(); ++read) {
    const std::uint8_t shape = count == 0 ? 0 : lengths[read % count];
    const std::size_t length = count == 0 ? stream.size() : (shape & 0x7F) % 200 + 1;
    if ((shape & 0x80) != 0) {
      decoder.EndLine();
      quiet.push_back(at);
    }
    const std::string_view part = stream.substr(at, length);
    at += part.size();
    FuzzCheck(buffer.Append(part) == static_cast<std::int32_t>(part.size()), "a read did not fit");
    const std::vector<tarvik::Reading> decoded = decoder.DecodeReceived(buffer);
    FuzzCheck(buffer.fill == 0, "a read was not consumed whole");
    readings.insert(readings.end(), decoded.begin(), decoded.end());
  }
  FuzzCheck(readings == ReadWhole(stream, quiet), "reads split anywhere differ from the whole");
  return 0;
}
