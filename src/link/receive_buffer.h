// Characters received from the instrument and not yet consumed, oldest first. Shared by the shot
// decoder and the memory snap. Writers append at `fill` and never past the 200 bytes.
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
