// The memory snap's bytes, oldest first: at most 200. Writers append at `fill` and never past the
// 200 bytes; the shot decoder can consume such a buffer too.
#ifndef TARVIK_LINK_RECEIVE_BUFFER_H_
#define TARVIK_LINK_RECEIVE_BUFFER_H_

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarvik {

struct ReceiveBuffer {
  static constexpr std::int32_t kSize = 200;

  std::array<std::uint8_t, kSize> bytes{};
  std::int32_t fill = 0;

  // Room left after the valid bytes, for a reader to write into.
  std::span<std::uint8_t> FreeSpace() {
    return std::span<std::uint8_t>(bytes).subspan(static_cast<std::size_t>(fill));
  }
  // Copies as much of `data` as fits; returns how much that was.
  std::int32_t Append(std::string_view data);
};

}  // namespace tarvik

#endif  // TARVIK_LINK_RECEIVE_BUFFER_H_
