#include "link/chronoscope.h"

#include <limits>

namespace tarvik {

namespace {

constexpr std::int64_t kReopenIntervalMs = 1000;

}  // namespace

std::optional<PortError> Chronoscope::OpenLink(std::string_view port_name) {
  const bool lost_here = IsLost() && port_name == port_name_;
  CloseLink();
  decoder_.DropReadingInProgress();
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

void Chronoscope::CloseLink() {
  CloseSerialLink(link_);
  reopen_due_ms_.reset();
}

void Chronoscope::LetGoOfLostLink(std::int64_t now_ms) {
  CloseSerialLink(link_);
  decoder_.DropReadingInProgress();
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

std::vector<Reading> Chronoscope::DecodeStrays(std::string_view bytes) {
  std::vector<Reading> readings;
  while (!bytes.empty()) {
    bytes.remove_prefix(static_cast<std::size_t>(buffer_.Append(bytes)));
    for (const Reading& reading : decoder_.DecodeReceived(buffer_)) readings.push_back(reading);
  }
  return readings;
}

std::vector<Reading> Chronoscope::Poll(std::int64_t now_ms) {
  // An exchange may have found the device gone since the last look.
  if (link_ != nullptr && link_->lost) LetGoOfLostLink(now_ms);
  if (reopen_due_ms_ && now_ms >= *reopen_due_ms_) TryReopen(now_ms);
  const int n = SerialRead(link_.get(), buffer_.FreeSpace());
  if (n > 0) buffer_.fill += n;
  std::vector<Reading> readings;
  if (buffer_.fill > 0) readings = decoder_.DecodeReceived(buffer_);
  if (link_ != nullptr && link_->lost) LetGoOfLostLink(now_ms);
  return readings;
}

}  // namespace tarvik
