#include "link/receive_buffer.h"

#include <algorithm>

namespace tarvik {

std::int32_t ReceiveBuffer::Append(std::string_view data) {
  const auto room = static_cast<std::size_t>(kSize - fill);
  const std::size_t n = std::min(room, data.size());
  std::copy_n(data.begin(), n, bytes.begin() + fill);
  fill += static_cast<std::int32_t>(n);
  return static_cast<std::int32_t>(n);
}

}  // namespace tarvik
