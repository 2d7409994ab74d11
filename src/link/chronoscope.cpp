#include "link/chronoscope.h"

namespace tarvik {

std::optional<PortError> Chronoscope::OpenLink(std::string_view port_name) {
  CloseLink();
  decoder_.DropReadingInProgress();
  link_ = OpenSerialLink(platform_, port_name);
  if (link_->open) return std::nullopt;
  return link_->error;
}

std::vector<Reading> Chronoscope::DecodeStrays(std::string_view bytes) {
  std::vector<Reading> readings;
  while (!bytes.empty()) {
    bytes.remove_prefix(static_cast<std::size_t>(buffer_.Append(bytes)));
    for (const Reading& reading : decoder_.DecodeReceived(buffer_)) readings.push_back(reading);
  }
  return readings;
}

std::vector<Reading> Chronoscope::Poll() {
  const int n = SerialRead(link_.get(), buffer_.FreeSpace());
  if (n > 0) buffer_.fill += n;
  if (buffer_.fill == 0) return {};
  return decoder_.DecodeReceived(buffer_);
}

}  // namespace tarvik
