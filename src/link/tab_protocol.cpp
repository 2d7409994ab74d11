#include "link/tab_protocol.h"

#include <array>
#include <optional>

namespace tarvik {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// One non-blocking read of at most `size` bytes.
std::string Read(SerialLink* link, std::size_t size) {
  std::array<std::uint8_t, kTabReplyRead> bytes;
  const int n = SerialRead(link, std::span<std::uint8_t>(bytes).first(size));
  return std::string(bytes.begin(), bytes.begin() + n);
}

bool IsLineEnd(char c) { return c == kLineFeed || c == kCarriageReturn; }

// Takes the reply at [at, at + length) out of the read; the bytes around it are strays.
void TakeReply(std::string_view read, std::size_t at, std::size_t length, std::string& strays) {
  strays += read.substr(0, at);
  strays += read.substr(at + length);
}

}  // namespace

std::uint16_t ParseHex4(std::string_view four) {
  std::uint16_t value = 0;
  for (std::size_t i = 0; i < 4 && i < four.size(); ++i) {
    value = static_cast<std::uint16_t>((value << 4) + HexValue(four[i]));
  }
  return value;
}

bool JudgeVersionReply(std::string_view read, bool starts_line, TabStatus& status,
                       std::string& strays) {
  std::optional<std::size_t> reply;
  std::optional<std::size_t> digits_only;  // "12", CR, LF could be a reading as well
  for (std::size_t at = 0; at + 4 <= read.size(); ++at) {
    const bool line_start = at == 0 ? starts_line : IsLineEnd(read[at - 1]);
    if (read[at + 2] != kCarriageReturn || read[at + 3] != kLineFeed || !line_start) continue;
    (IsDigit(read[at]) && IsDigit(read[at + 1]) ? digits_only : reply) = at;
  }
  if (!reply) reply = digits_only;
  if (!reply) {
    strays += read;
    return false;
  }
  status.version = read[*reply + 1];
  TakeReply(read, *reply, 4, strays);
  return true;
}

bool JudgePointerReply(std::string_view read, TabStatus& status, std::string& strays) {
  std::optional<std::size_t> reply;
  for (std::size_t at = 0; at + 16 <= read.size(); ++at) {
    if (read[at + 1] == 'n' && read[at + 2] == ':' && read[at + 8] == 'e' && read[at + 9] == ':' &&
        read[at + 14] == kCarriageReturn && read[at + 15] == kLineFeed) {
      reply = at;
    }
  }
  if (!reply) {
    strays += read;
    return false;
  }
  status.next = ParseHex4(read.substr(*reply + 3, 4));
  status.empty = ParseHex4(read.substr(*reply + 10, 4));
  status.counts = CountTabShots(status.next, status.empty, status.capacity);
  TakeReply(read, *reply, 16, strays);
  return true;
}

bool QueryTabStatus(SerialLink* link, Clock& clock, bool in_mid_line, TabStatus& status,
                    std::string& strays) {
  if (link == nullptr || !link->open) return false;
  const std::string waited = Read(link, kTabReplyRead);  // what waited before the question
  strays += waited;
  // The reply's read goes on from where the bytes taken so far stopped.
  const bool starts_line = waited.empty() ? !in_mid_line : IsLineEnd(waited.back());
  SerialWrite(link, "p");
  clock.SleepMs(kVersionWaitMs);
  if (!JudgeVersionReply(Read(link, kTabReplyRead), starts_line, status, strays)) return false;
  status.capacity = kTabCapacity;
  SerialWrite(link, "t");
  clock.SleepMs(kPointerWaitMs);
  return JudgePointerReply(Read(link, kTabReplyRead), status, strays);
}

ResetOutcome ResetTab(SerialLink* link, Clock& clock, std::string& strays) {
  if (link == nullptr || !link->open) return ResetOutcome::kNoLink;
  strays += Read(link, kResetReplyRead);
  SerialWrite(link, "r");
  clock.SleepMs(kResetWaitMs);
  const std::string reply = Read(link, kResetReplyRead);
  strays += reply;  // a reading may have come with it; the decoder takes no reply for one
  return ResetReplySaysDone(reply) ? ResetOutcome::kReset : ResetOutcome::kNotReset;
}

bool ResetReplySaysDone(std::string_view reply) {
  return reply.substr(0, reply.find('\0')).find('K') != std::string_view::npos;
}

}  // namespace tarvik
