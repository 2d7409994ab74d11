// A picture as the bytes of a PNG file: 8-bit RGB, not interlaced, each row unfiltered, its
// image data a zlib stream of stored deflate blocks. Plain and exact rather than small: a saved
// chart of 400 by 300 pixels is about 360 KB.
#ifndef TARVIK_BASE_PNG_IMAGE_H_
#define TARVIK_BASE_PNG_IMAGE_H_

#include <cstdint>
#include <span>
#include <vector>

namespace tarvik {

// `rgb` holds the rows from the top, each pixel as red, green and blue. Empty when the size is
// not positive or `rgb` is not width * height * 3 bytes long.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> rgb);

// The checksums a PNG file carries: of each chunk (CRC-32, as zlib and PNG define it) and of the
// image data inside its zlib stream (Adler-32).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace tarvik

#endif  // TARVIK_BASE_PNG_IMAGE_H_
