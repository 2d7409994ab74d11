#include "link/chronoscope.h"

namespace tarvik {

std::optional<PortError> Chronoscope::OpenLink(std::string_view port_name) {
  CloseLink();
  link_ = OpenSerialLink(platform_, port_name);
  if (link_->open) return std::nullopt;
  return link_->error;
}

std::vector<Reading> Chronoscope::Poll() {
  const int n = SerialRead(link_.get(), buffer_.FreeSpace());
  if (n > 0) buffer_.fill += n;
  if (buffer_.fill == 0) return {};
  return decoder_.DecodeReceived(buffer_);
}

}  // namespace tarvik
