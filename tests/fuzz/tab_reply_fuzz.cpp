// Any bytes as what the line gives the memory tab's status query: finding the replies never
// crashes or reads past them, a reply found has its layout, and every byte of every read that is
// not a reply is passed on to the decoder once, in order, but for the bytes that came right
// after a reply and can be no part of a reading.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/tab_protocol.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

void CheckVersionReply(std::string_view read, bool after_digit) {
  const std::optional<std::size_t> at = tarvik::FindVersionReply(read, after_digit);
  auto candidate = [&](std::size_t p) { return read.substr(p + 2, 2) == "\r\n"; };
  auto digits = [&](std::size_t p) { return IsDigit(read[p]) && IsDigit(read[p + 1]); };
  auto tail = [&](std::size_t p) {
    return digits(p) && (p == 0 ? after_digit : IsDigit(read[p - 1]));
  };
  std::optional<std::size_t> last_other;
  std::optional<std::size_t> last_line;
  for (std::size_t p = 0; p + 4 <= read.size(); ++p) {
    if (!candidate(p)) continue;
    if (!digits(p)) last_other = p;
    if (digits(p) && !tail(p)) last_line = p;
  }
  FuzzCheck(at == (last_other ? last_other : last_line), "the version reply is not the one meant");
  if (at) FuzzCheck(!tail(*at), "the tail of a reading was taken for the version reply");
}

void CheckPointerReply(std::string_view read) {
  const std::optional<std::size_t> at = tarvik::FindPointerReply(read);
  if (!at) return;
  FuzzCheck(*at + 16 <= read.size(), "a pointer reply past the read");
  const std::string_view reply = read.substr(*at, 16);
  FuzzCheck(
      reply.substr(1, 2) == "n:" && reply.substr(8, 2) == "e:" && reply.substr(14, 2) == "\r\n",
      "a pointer reply without its layout");
}

// The line of one status query: three reads cut from the input, and what is passed on.
class ScriptedLine final : public tarvik::TabLine {
 public:
  explicit ScriptedLine(std::vector<std::string_view> reads) : reads_(std::move(reads)) {}
  bool IsOpen() const override { return true; }
  void Write(std::string_view) override {}
  void Wait(int) override {}
  std::string Read(std::size_t size) override {
    Finish();
    const std::string_view read = next_ < reads_.size() ? reads_[next_++] : std::string_view();
    latest_ = std::string(read.substr(0, size));
    passed_until_ = 0;
    return latest_;
  }
  void PassOn(std::size_t from, std::size_t to) override {
    FuzzCheck(from <= to && to <= latest_.size(), "a part passed on outside its read");
    FuzzCheck(from >= passed_until_, "bytes passed on twice or out of order");
    Skip(from);
    after_digit_ = to > from ? IsDigit(latest_[to - 1]) : after_digit_;
    passed_until_ = to;
  }
  void ReplyTaken() override {
    reply_taken_ = true;
    after_digit_ = false;
  }
  void ReplyMissing() override {}
  bool AfterDigit() const override { return after_digit_; }
  // The bytes of the latest read that were passed on nowhere are the reply (if one was taken)
  // and, after it, bytes that can be no part of a reading.
  void Finish() {
    Skip(latest_.size());
    FuzzCheck(skipped_ <= (reply_taken_ ? 16u : 0u), "more bytes held back than a reply has");
    skipped_ = 0;
    reply_taken_ = false;
    latest_.clear();
  }

 private:
  // Bytes [passed_until_, to) are not passed on: a reply, then bytes that came with it.
  void Skip(std::size_t to) {
    for (std::size_t i = passed_until_; i < to; ++i) {
      const char c = latest_[i];
      if (skipped_ < 16 && reply_taken_) {
        ++skipped_;
      } else {
        FuzzCheck(!IsDigit(c) && !IsLineEnd(c), "a byte that may belong to a reading was dropped");
      }
    }
    passed_until_ = std::max(passed_until_, to);
  }

  std::vector<std::string_view> reads_;
  std::size_t next_ = 0;
  std::string latest_;
  std::size_t passed_until_ = 0;
  std::size_t skipped_ = 0;
  bool reply_taken_ = false;
  bool after_digit_ = false;
};

}  // namespace

int FuzzTabReplies(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  // The first byte: where the version and the pointer reads meet, and whether the bytes before
  // the version read ended with a digit; the second: how much of it waited before the question.
  const std::size_t split = std::min<std::size_t>(data[0] >> 1, bytes.size());
  const bool after_digit = (data[0] & 1) != 0;
  CheckVersionReply(bytes.substr(0, split), after_digit);
  CheckPointerReply(bytes.substr(split));
  tarvik::ResetReplySaysDone(bytes);

  const std::size_t waited = std::min<std::size_t>(data[1] % 8, split);
  ScriptedLine line(
      {bytes.substr(0, waited), bytes.substr(waited, split - waited), bytes.substr(split)});
  tarvik::TabStatus status;
  tarvik::QueryTabStatus(line, status);
  line.Finish();
  return 0;
}
