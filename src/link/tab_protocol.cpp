#include "link/tab_protocol.h"

#include "link/line_bytes.h"

namespace tarvik {
namespace {

constexpr std::size_t kVersionReplyLength = 4;
constexpr std::size_t kPointerReplyLength = 16;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// Passes on the bytes of a read around its reply at [at, at + length): those before it, then,
// after the reply's line end, the rest.
void PassOnAround(TabLine& line, std::size_t at, std::size_t length, std::size_t size) {
  line.PassOn(0, at);
  line.ReplyTaken();
  line.PassOn(at + length, size);
}

// A reply that is not picked out of its read (the answers to "r", "b" and "B") is taken for the
// first line in it that is no reading. Everything is passed on as it came, since a reading may
// stand beside the reply; the reply's line ends where that line's line ends do.
void PassOnUnexaminedReply(TabLine& line, std::string_view read) {
  bool reading = true;  // the line so far has nothing but digits
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (!IsLineEnd(read[i])) {
      reading = reading && IsDigit(read[i]);
      continue;
    }
    if (reading) continue;
    std::size_t end = i + 1;
    while (end < read.size() && IsLineEnd(read[end])) ++end;
    PassOnAround(line, end, 0, read.size());
    return;
  }
  line.PassOn(0, read.size());
}

}  // namespace

std::uint16_t ParseHex4(std::string_view four) {
  std::uint16_t value = 0;
  for (std::size_t i = 0; i < 4 && i < four.size(); ++i) {
    value = static_cast<std::uint16_t>((value << 4) + HexValue(four[i]));
  }
  return value;
}

std::optional<std::size_t> FindVersionReply(std::string_view read, bool after_digit) {
  std::optional<std::size_t> reply;
  std::optional<std::size_t> digits_only;  // "12", CR, LF could be a reading as well
  for (std::size_t at = 0; at + kVersionReplyLength <= read.size(); ++at) {
    if (read[at + 2] != kCarriageReturn || read[at + 3] != kLineFeed) continue;
    if (IsLineEnd(read[at]) || IsLineEnd(read[at + 1])) continue;
    if (!IsDigit(read[at]) || !IsDigit(read[at + 1])) {
      reply = at;
      continue;
    }
    const bool goes_on = at == 0 ? after_digit : IsDigit(read[at - 1]);
    if (!goes_on) digits_only = at;
  }
  return reply ? reply : digits_only;
}

std::optional<std::size_t> FindPointerReply(std::string_view read) {
  std::optional<std::size_t> reply;
  for (std::size_t at = 0; at + kPointerReplyLength <= read.size(); ++at) {
    if (read[at + 1] == 'n' && read[at + 2] == ':' && read[at + 8] == 'e' && read[at + 9] == ':' &&
        read[at + 14] == kCarriageReturn && read[at + 15] == kLineFeed) {
      reply = at;
    }
  }
  return reply;
}

bool QueryTabStatus(TabLine& line, TabStatus& status) {
  if (!line.IsOpen()) return false;
  line.PassOn(0, line.Read(kTabReplyRead).size());  // what waited before the question
  line.Write("p");
  line.Wait(kVersionWaitMs);
  std::string read = line.Read(kTabReplyRead);
  std::optional<std::size_t> at = FindVersionReply(read, line.AfterDigit());
  if (!at) {
    line.ReplyMissing();
    line.PassOn(0, read.size());
    return false;
  }
  status.version = read[*at + 1];
  PassOnAround(line, *at, kVersionReplyLength, read.size());
  status.capacity = kTabCapacity;
  line.Write("t");
  line.Wait(kPointerWaitMs);
  read = line.Read(kTabReplyRead);
  at = FindPointerReply(read);
  if (!at) {
    line.ReplyMissing();
    line.PassOn(0, read.size());
    return false;
  }
  status.next = ParseHex4(read.substr(*at + 3, 4));
  status.empty = ParseHex4(read.substr(*at + 10, 4));
  status.counts = CountTabShots(status.next, status.empty, status.capacity);
  PassOnAround(line, *at, kPointerReplyLength, read.size());
  return true;
}

ResetOutcome ResetTab(TabLine& line) {
  if (!line.IsOpen()) return ResetOutcome::kNoLink;
  line.PassOn(0, line.Read(kResetReplyRead).size());
  line.Write("r");
  line.Wait(kResetWaitMs);
  const std::string reply = line.Read(kResetReplyRead);
  PassOnUnexaminedReply(line, reply);  // a reading may have come with it
  return ResetReplySaysDone(reply) ? ResetOutcome::kReset : ResetOutcome::kNotReset;
}

void StepTabBack(TabLine& line, std::string_view letter) {
  line.Write(letter);
  line.Wait(kBackWaitMs);
  PassOnUnexaminedReply(line, line.Read(kBackReplyRead));
}

bool ResetReplySaysDone(std::string_view reply) {
  return reply.substr(0, reply.find('\0')).find('K') != std::string_view::npos;
}

}  // namespace tarvik
