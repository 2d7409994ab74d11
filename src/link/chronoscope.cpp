#include "link/chronoscope.h"

namespace tarvik {

const SerialLink& Chronoscope::OpenLink(std::string_view port_name) {
  CloseLink();
  link_ = OpenSerialLink(platform_, port_name);
  return *link_;
}

std::vector<Reading> Chronoscope::Poll() {
  const int n = SerialRead(link_.get(), buffer_.FreeSpace());
  if (n <= 0) return {};
  buffer_.fill += n;
  return decoder_.DecodeReceived(buffer_);
}

}  // namespace tarvik
