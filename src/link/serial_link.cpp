#include "link/serial_link.h"

#include <algorithm>

#include "base/ascii.h"

namespace tarvik {
namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The count a port call gave, or 0 for a failure; a gone device marks the link lost.
int Counted(SerialLink& link, int n) {
  if (n == kPortGone) {
    link.open = false;
    link.lost = true;
  }
  return n > 0 ? n : 0;
}

}  // namespace

std::unique_ptr<SerialLink> OpenSerialLink(SerialPlatform& platform, std::string_view port_name) {
  auto link = std::make_unique<SerialLink>();
  PortOpenResult result = platform.OpenPort(port_name);
  link->port = std::move(result.port);
  link->open = result.configured && link->port != nullptr;
  if (!link->open) link->error = std::move(result.error);
  return link;
}

void CloseSerialLink(std::unique_ptr<SerialLink>& link) {
  if (link == nullptr) return;
  link->open = false;
  link->port.reset();
  link.reset();
}

LineRead ReadLine(SerialLink* current, std::span<std::uint8_t> destination) {
  if (current == nullptr || !current->open || destination.empty()) return {};
  const int result = current->port->Read(destination);
  const int n = Counted(*current, result);
  return {std::min(n, static_cast<int>(destination.size())), result >= 0};
}

int SerialRead(SerialLink* current, std::span<std::uint8_t> destination) {
  return ReadLine(current, destination).count;
}

int SerialWrite(SerialLink* current, std::string_view text) {
  if (current == nullptr || !current->open || text.empty()) return 0;
  return Counted(*current, current->port->Write(text));
}

std::string ComposeSerialFailureText(std::string_view title, std::string_view port_name,
                                     std::string_view system_text) {
  std::string text;
  text.reserve(title.size() + port_name.size() + system_text.size() + 3);
  text.append(title).append(" ").append(port_name).append(kLineBreak).append(system_text);
  constexpr std::size_t kMaxLength = kFailureTextSize - 1;
  if (text.size() <= kMaxLength) return text;

  constexpr std::string_view kEllipsis = "...";
  std::size_t keep = kMaxLength - kEllipsis.size();
  while (keep > 0 && IsUtf8Continuation(text[keep])) --keep;
  // Do not leave half of a line break behind.
  if (keep > 0 && text[keep - 1] == kCarriageReturn) --keep;
  text.resize(keep);
  text.append(kEllipsis);
  return text;
}

}  // namespace tarvik
