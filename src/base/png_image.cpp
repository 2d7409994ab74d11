#include "base/png_image.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <string_view>

namespace tarvik {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kStoredBlockLimit = 65535;  // the most a stored deflate block holds

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: its length, type, data and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              std::span<const std::uint8_t> data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typed_from = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const std::span<const std::uint8_t> typed(out.data() + typed_from, out.size() - typed_from);
  PutBigEndian(out, Crc32(typed));
}

// The rows, each after its filter byte 0 (none).
std::vector<std::uint8_t> Scanlines(int width, int height, std::span<const std::uint8_t> rgb) {
  const std::size_t row = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> lines;
  lines.reserve((row + 1) * static_cast<std::size_t>(height));
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    lines.push_back(0);
    const auto from = rgb.begin() + static_cast<std::ptrdiff_t>(y * row);
    lines.insert(lines.end(), from, from + static_cast<std::ptrdiff_t>(row));
  }
  return lines;
}

// A zlib stream (deflate, 32K window, no dictionary) of stored blocks, the last one marked.
std::vector<std::uint8_t> StoredZlib(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kStoredBlockLimit, data.size() - at);
    const bool last = at + length == data.size();
    out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00; the block starts on a byte
    const auto len = static_cast<std::uint16_t>(length);
    const auto nlen = static_cast<std::uint16_t>(~len);
    out.insert(out.end(), {static_cast<std::uint8_t>(len), static_cast<std::uint8_t>(len >> 8),
                           static_cast<std::uint8_t>(nlen), static_cast<std::uint8_t>(nlen >> 8)});
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < data.size());
  PutBigEndian(out, Adler32(data));
  return out;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (const std::uint8_t byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t kModulus = 65521;
  constexpr std::size_t kRun = 5552;  // the most bytes before the sums could overflow 32 bits
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::size_t at = 0; at < bytes.size(); at += kRun) {
    const std::size_t end = std::min(bytes.size(), at + kRun);
    for (std::size_t i = at; i < end; ++i) {
      a += bytes[i];
      b += a;
    }
    a %= kModulus;
    b %= kModulus;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> rgb) {
  // Below 2^29 a side, the byte count cannot overflow.
  constexpr int kLargest = 1 << 29;
  if (width <= 0 || height <= 0 || width > kLargest || height > kLargest ||
      rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    return {};
  }
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  // 8 bits a sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
  header.insert(header.end(), {8, 2, 0, 0, 0});

  std::vector<std::uint8_t> png(kSignature.begin(), kSignature.end());
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(Scanlines(width, height, rgb)));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace tarvik
