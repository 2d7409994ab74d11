#include "link/chronoscope.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "link/line_bytes.h"

namespace tarvik {

namespace {

constexpr std::int64_t kReopenIntervalMs = 1000;
// How often the line is listened to while the program waits.
constexpr int kListenSliceMs = 10;
// The most bytes kept from the line before they are used: as much as a port's input queue.
constexpr std::size_t kMaxQueued = 4096;
// How long a reply that did not come in time is still looked for.
constexpr std::int64_t kLateReplyMs = 1000;
// Readings kept while the snap runs, at most.
constexpr std::size_t kMaxHeldReadings = 4096;

std::string_view Text(const std::uint8_t* bytes, std::size_t size) {
  return {reinterpret_cast<const char*>(bytes), size};
}

}  // namespace

// The line as the tab's exchanges see it: reads and waits at the clock's time, and the bytes
// that are no reply decoded into readings for the exchange's caller.
class Chronoscope::Exchange final : public TabLine {
 public:
  Exchange(Chronoscope& chronoscope, Clock& clock) : chronoscope_(chronoscope), clock_(clock) {}

  bool IsOpen() const override { return chronoscope_.IsOpen(); }
  void Write(std::string_view letter) override { SerialWrite(chronoscope_.link_.get(), letter); }
  void Wait(int ms) override { chronoscope_.WaitListening(clock_, ms); }
  std::string Read(std::size_t size) override {
    chronoscope_.Listen(clock_.NowMs());
    latest_ = chronoscope_.queue_.Take(size);
    // Quiet before the read's first byte ends the line that the bytes before it left.
    std::vector<std::size_t>& quiet = latest_.quiet_before;
    if (!quiet.empty() && quiet.front() == 0) {
      chronoscope_.decoder_.EndLine();
      quiet.erase(quiet.begin());
    }
    return latest_.bytes;
  }
  void PassOn(std::size_t from, std::size_t to) override {
    chronoscope_.Decode(latest_, from, to, readings);
  }
  void ReplyTaken() override { chronoscope_.decoder_.ReplyEnded(); }
  void ReplyMissing() override {
    chronoscope_.decoder_.ExpectLateReply();
    chronoscope_.late_reply_until_ms_ = clock_.NowMs() + kLateReplyMs;
  }
  bool AfterDigit() const override { return chronoscope_.decoder_.AfterDigit(); }

  std::vector<Reading> readings;

 private:
  Chronoscope& chronoscope_;
  Clock& clock_;
  LineBytes latest_;
};

std::optional<PortError> Chronoscope::OpenLink(std::string_view port_name) {
  const bool lost_here = IsLost() && port_name == port_name_;
  CloseLink();
  decoder_.EndLine();
  port_name_ = port_name;
  link_ = OpenSerialLink(platform_, port_name);
  if (link_->open) return std::nullopt;
  PortError error = link_->error;
  // The device that went away is still away: the quiet tries go on after the failure's report,
  // the first at the next look.
  if (lost_here) {
    CloseSerialLink(link_);
    reopen_due_ms_ = std::numeric_limits<std::int64_t>::min();
  }
  return error;
}

// What the closed port had not given yet goes with it, as the port's own queue would.
void Chronoscope::CloseLink() {
  CloseSerialLink(link_);
  queue_.Clear();
  reopen_due_ms_.reset();
}

void Chronoscope::LetGoOfLostLink(std::int64_t now_ms) {
  CloseSerialLink(link_);
  queue_.Clear();
  decoder_.EndLine();
  reopen_due_ms_ = now_ms + kReopenIntervalMs;
}

void Chronoscope::TryReopen(std::int64_t now_ms) {
  std::unique_ptr<SerialLink> link = OpenSerialLink(platform_, port_name_);
  if (!link->open) {
    // Not back yet. A device held by a step that failed is let go until the next try.
    CloseSerialLink(link);
    reopen_due_ms_ = now_ms + kReopenIntervalMs;
    return;
  }
  link_ = std::move(link);
  reopen_due_ms_.reset();
}

void Chronoscope::Listen(std::int64_t now_ms) {
  std::array<std::uint8_t, ReceiveBuffer::kSize> bytes;
  const std::size_t room = std::min(bytes.size(), kMaxQueued - queue_.size());
  const LineRead read = ReadLine(link_.get(), std::span(bytes).first(room));
  if (quiet_.EndsLine(read, now_ms)) queue_.AddQuiet();
  queue_.Add(Text(bytes.data(), static_cast<std::size_t>(read.count)));
}

void Chronoscope::WaitListening(Clock& clock, int ms) {
  for (int waited = 0; waited < ms;) {
    const int slice = std::min(kListenSliceMs, ms - waited);
    clock.SleepMs(slice);
    waited += slice;
    Listen(clock.NowMs());
  }
}

void Chronoscope::Decode(const LineBytes& taken, std::size_t from, std::size_t to,
                         std::vector<Reading>& readings) {
  const std::string_view bytes = taken.bytes;
  for (const std::size_t quiet : taken.quiet_before) {
    if (quiet < from || quiet > to) continue;
    decoder_.Decode(bytes.substr(from, quiet - from), readings);
    decoder_.EndLine();
    from = quiet;
  }
  decoder_.Decode(bytes.substr(from, to - from), readings);
}

std::vector<Reading> Chronoscope::Poll(std::int64_t now_ms) {
  if (snapping_) return {};
  std::vector<Reading> readings = std::exchange(held_, {});
  // An exchange may have found the device gone since the last look.
  if (link_ != nullptr && link_->lost) LetGoOfLostLink(now_ms);
  if (reopen_due_ms_ && now_ms >= *reopen_due_ms_) TryReopen(now_ms);
  Listen(now_ms);
  const LineBytes taken = queue_.Take(kMaxQueued);
  Decode(taken, 0, taken.bytes.size(), readings);
  if (late_reply_until_ms_ && now_ms >= *late_reply_until_ms_) {
    decoder_.ForgetLateReply();
    late_reply_until_ms_.reset();
  }
  if (link_ != nullptr && link_->lost) LetGoOfLostLink(now_ms);
  return readings;
}

Exchanged<bool> Chronoscope::QueryTab(Clock& clock, TabStatus& status) {
  Exchange line(*this, clock);
  const bool answered = QueryTabStatus(line, status);
  return {answered, std::move(line.readings)};
}

Exchanged<ResetOutcome> Chronoscope::ResetTab(Clock& clock) {
  Exchange line(*this, clock);
  const ResetOutcome outcome = tarvik::ResetTab(line);
  return {outcome, std::move(line.readings)};
}

std::vector<Reading> Chronoscope::StepTabBack(Clock& clock, std::string_view letter) {
  Exchange line(*this, clock);
  tarvik::StepTabBack(line, letter);
  return std::move(line.readings);
}

void Chronoscope::FireStoredShot() { SerialWrite(link_.get(), "n"); }

void Chronoscope::BeginSnap() {
  snapping_ = true;
  buffer_.fill = 0;
  decoder_.EndLine();  // the rest of a reading in progress goes into the snap
}

bool Chronoscope::SnapPoll(std::int64_t now_ms) {
  if (!snapping_) return false;
  Listen(now_ms);
  const std::span<std::uint8_t> room = buffer_.FreeSpace();
  const LineBytes snapped = queue_.Take(room.size());
  const std::size_t n = snapped.bytes.size();
  if (n > 0) {
    std::copy(snapped.bytes.begin(), snapped.bytes.end(), room.begin());
    buffer_.fill += static_cast<std::int32_t>(n);
    // What follows goes on with the line the snap took, unless that line has ended; once the
    // snap is full, with the rest of the burst it took.
    IsLineEnd(snapped.bytes.back()) ? decoder_.EndLine() : decoder_.SpoilLine();
    if (buffer_.FreeSpace().empty()) decoder_.SpoilUntilQuiet();
  }
  if (!snapped.quiet_before.empty() && snapped.quiet_before.back() == n) decoder_.EndLine();
  // Beyond the snap's room the bytes would wait in the port until the snap ends: their readings
  // wait instead.
  std::vector<Reading> readings;
  const LineBytes beyond = queue_.Take(kMaxQueued);
  Decode(beyond, 0, beyond.bytes.size(), readings);
  for (const Reading& reading : readings) {
    if (held_.size() < kMaxHeldReadings) held_.push_back(reading);
  }
  return n > 0;
}

std::span<const std::uint8_t> Chronoscope::SnapBytes() const {
  return std::span(buffer_.bytes).first(static_cast<std::size_t>(buffer_.fill));
}

void Chronoscope::EndSnap() {
  snapping_ = false;
  buffer_.fill = 0;
}

}  // namespace tarvik
