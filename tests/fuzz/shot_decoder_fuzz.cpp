// Any bytes from the instrument, received in reads split anywhere, some of them after a quiet line
// or right after a reply of the memory tab was taken out: the decoder gives the readings of a
// simple reading of the same bytes whole, and always consumes every byte of a read.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/shot_decoder.h"

namespace {

// What happened on the line before a read.
enum class Before { kNothing, kQuiet, kReply };
struct Event {
  std::size_t at;
  Before what;
};

// The whole stream at once: digits make a value, a carriage return ends a reading with a non-zero
// value within 32 bits, and any byte but CR and LF spoils the digits that follow on its line. A
// quiet line ends the line as a line end does; so does a reply taken out, after which the bytes
// that are neither digits nor line ends count for nothing until a digit comes.
std::vector<tarvik::Reading> ReadWhole(std::string_view stream, const std::vector<Event>& events) {
  constexpr std::int64_t kBeyond32Bits = std::int64_t{1} << 31;
  std::vector<tarvik::Reading> readings;
  std::int64_t value = 0;
  std::int32_t digits = 0;
  bool spoiled = false;
  bool after_reply = false;
  auto event = events.begin();
  for (std::size_t at = 0; at < stream.size(); ++at) {
    for (; event != events.end() && event->at == at; ++event) {
      value = digits = 0;
      spoiled = false;
      after_reply = event->what == Before::kReply;
    }
    const auto c = static_cast<unsigned char>(stream[at]);
    const bool digit = c >= '0' && c <= '9';
    if (after_reply && !digit) continue;
    after_reply = false;
    if (digit) {
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
  // The first byte says how many of the next bytes shape the reads, used in turn: the low six
  // bits a read's length, the high bit a quiet line before it, the next a reply taken out.
  const std::size_t count = std::min<std::size_t>(data[0] % 8 + 1, size - 1);
  const std::uint8_t* shapes = data + 1;
  const std::string_view stream(reinterpret_cast<const char*>(data) + 1 + count, size - 1 - count);
  tarvik::ReceiveBuffer buffer;
  tarvik::ShotDecoder decoder;
  std::vector<tarvik::Reading> readings;
  std::vector<Event> events;
  for (std::size_t at = 0, read = 0; at < stream.size(); ++read) {
    const std::uint8_t shape = count == 0 ? 0 : shapes[read % count];
    const std::size_t length = count == 0 ? stream.size() : (shape & 0x3F) + 1u;
    if ((shape & 0x80) != 0) {
      decoder.EndLine();
      events.push_back({at, Before::kQuiet});
    } else if ((shape & 0x40) != 0) {
      decoder.ReplyEnded();
      events.push_back({at, Before::kReply});
    }
    const std::string_view part = stream.substr(at, length);
    at += part.size();
    FuzzCheck(buffer.Append(part) == static_cast<std::int32_t>(part.size()), "a read did not fit");
    const std::vector<tarvik::Reading> decoded = decoder.DecodeReceived(buffer);
    FuzzCheck(buffer.fill == 0, "a read was not consumed whole");
    readings.insert(readings.end(), decoded.begin(), decoded.end());
  }
  FuzzCheck(readings == ReadWhole(stream, events), "reads split anywhere differ from the whole");
  return 0;
}
