#include "base/wave_file.h"

namespace tarvik {
namespace {

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

}  // namespace

std::optional<long long> WaveDurationMs(std::string_view header, std::uint64_t file_size) {
  if (header.size() < 12 || header.substr(0, 4) != "RIFF" || header.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::uint32_t byte_rate = 0;
  // Chunks follow one another, each an id, a size and its data padded to an even length.
  for (std::size_t at = 12; at + 8 <= header.size();) {
    const std::string_view id = header.substr(at, 4);
    const std::uint32_t size = LittleEndian32(header, at + 4);
    if (id == "fmt " && at + 20 <= header.size()) byte_rate = LittleEndian32(header, at + 16);
    if (id == "data") {
      if (byte_rate == 0) return std::nullopt;
      const std::uint64_t present = file_size > at + 8 ? file_size - (at + 8) : 0;
      const std::uint64_t bytes = size < present ? size : present;
      return static_cast<long long>(bytes * 1000 / byte_rate);
    }
    at += 8 + static_cast<std::size_t>(size) + (size & 1);
  }
  return std::nullopt;
}

}  // namespace tarvik
