// Any bytes as what the line gives the memory tab's status query: finding the replies never
// crashes or reads past them, a reply found has its layout, and every byte of every read that is
// not the reply is passed on to the decoder once, in order.
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
  auto candidate = [&](std::size_t p) {
    return read.substr(p + 2, 2) == "\r\n" && !IsLineEnd(read[p]) && !IsLineEnd(read[p + 1]);
  };
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
    passed_.assign(latest_.size(), false);
    return latest_;
  }
  void PassOn(std::size_t from, std::size_t to) override {
    FuzzCheck(from <= to && to <= latest_.size(), "a part passed on outside its read");
    FuzzCheck(from >= passed_until_, "bytes passed on twice or out of order");
    for (std::size_t i = from; i < to; ++i) passed_[i] = true;
    after_digit_ = to > from ? IsDigit(latest_[to - 1]) : after_digit_;
    passed_until_ = to;
  }
  void ReplyTaken() override {
    ++replies_;
    after_digit_ = false;
  }
  void ReplyMissing() override {}
  bool AfterDigit() const override { return after_digit_; }
  // The bytes of the latest read that were passed on nowhere are exactly the reply taken out:
  // four or sixteen bytes in a row, ending in CR LF.
  void Finish() {
    const auto first = std::find(passed_.begin(), passed_.end(), false);
    const auto end = std::find(first, passed_.end(), true);
    const auto held = static_cast<std::size_t>(end - first);
    FuzzCheck(std::find(end, passed_.end(), false) == passed_.end(), "bytes held back apart");
    FuzzCheck(held == 0 ? replies_ == 0 : replies_ == 1 && (held == 4 || held == 16),
              "what was held back is no reply");
    if (held > 0) {
      const auto at = static_cast<std::size_t>(first - passed_.begin());
      FuzzCheck(latest_.substr(at + held - 2, 2) == "\r\n", "a reply held back without CR LF");
    }
    replies_ = 0;
    passed_until_ = 0;
    latest_.clear();
    passed_.clear();
  }

 private:
  std::vector<std::string_view> reads_;
  std::size_t next_ = 0;
  std::string latest_;
  std::vector<bool> passed_;
  std::size_t passed_until_ = 0;
  int replies_ = 0;
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
