// The PNG encoder, read back by a small reader of its own kind of file: every chunk's CRC, the
// zlib stream's header, stored blocks and Adler-32, and each row's filter byte and pixels.
#include "base/png_image.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes.at(at)) << 24 | bytes.at(at + 1) << 16 |
         bytes.at(at + 2) << 8 | bytes.at(at + 3);
}

struct Chunk {
  std::string type;
  Bytes data;
};

// The chunks after the signature; nothing when a CRC is wrong or a chunk runs past the end.
std::optional<std::vector<Chunk>> ReadChunks(const Bytes& png) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || !std::equal(signature.begin(), signature.end(), png.begin())) return {};
  std::vector<Chunk> chunks;
  for (std::size_t at = 8; at < png.size();) {
    if (png.size() - at < 12) return {};
    const std::size_t length = BigEndian(png, at);
    if (png.size() - at - 12 < length) return {};
    const auto typed = png.begin() + static_cast<std::ptrdiff_t>(at + 4);
    if (Crc32(Bytes(typed, typed + 4 + static_cast<std::ptrdiff_t>(length))) !=
        BigEndian(png, at + 8 + length)) {
      return {};
    }
    chunks.push_back({std::string(typed, typed + 4), Bytes(typed + 4, typed + 4 + length)});
    at += 12 + length;
  }
  return chunks;
}

// The data of a zlib stream of stored blocks; nothing for anything else or a wrong checksum.
std::optional<Bytes> InflateStored(const Bytes& zlib, int* blocks) {
  if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] << 8 | zlib[1]) % 31 != 0) return {};
  Bytes data;
  std::size_t at = 2;
  for (bool last = false; !last; ++*blocks) {
    if (zlib.size() - at < 5 || (zlib[at] & 0x06) != 0) return {};  // stored blocks only
    last = (zlib[at] & 1) != 0;
    const std::size_t length = zlib[at + 1] | zlib[at + 2] << 8;
    if ((length ^ (zlib[at + 3] | zlib[at + 4] << 8)) != 0xFFFF) return {};
    at += 5;
    if (zlib.size() - at < length) return {};
    data.insert(data.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at),
                zlib.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  }
  if (zlib.size() - at != 4 || BigEndian(zlib, at) != Adler32(data)) return {};
  return data;
}

// A picture whose every byte differs from its neighbours'.
Bytes Pattern(int width, int height) {
  Bytes rgb(static_cast<std::size_t>(width * height * 3));
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
  return rgb;
}

TEST(PngChecksumTest, KnownValues) {
  EXPECT_EQ(Crc32(BytesOf("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(BytesOf("IEND")), 0xAE426082u);  // every PNG file ends with it
  EXPECT_EQ(Crc32(BytesOf("56789"), Crc32(BytesOf("1234"))), 0xCBF43926u);
  EXPECT_EQ(Adler32(BytesOf("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);
  // Long enough for the sums to be reduced along the way: 100,000 bytes of 0xFF.
  EXPECT_EQ(Adler32(Bytes(100'000, 0xFF)), 0x149A302Cu);
}

// Large enough to need two stored blocks, the rows read back exactly.
TEST(PngImageTest, PixelsComeBackThroughChunksStoredBlocksAndRows) {
  constexpr int kWidth = 200;
  constexpr int kHeight = 120;  // 601 bytes a row: 72,120 in all
  const Bytes rgb = Pattern(kWidth, kHeight);
  const std::optional<std::vector<Chunk>> chunks = ReadChunks(EncodePng(kWidth, kHeight, rgb));
  ASSERT_TRUE(chunks.has_value());
  ASSERT_EQ(chunks->size(), 3u);
  EXPECT_EQ((*chunks)[0].type, "IHDR");
  EXPECT_EQ((*chunks)[0].data, (Bytes{0, 0, 0, 200, 0, 0, 0, 120, 8, 2, 0, 0, 0}));
  EXPECT_EQ((*chunks)[1].type, "IDAT");
  EXPECT_EQ((*chunks)[2].type, "IEND");
  EXPECT_TRUE((*chunks)[2].data.empty());

  int blocks = 0;
  const std::optional<Bytes> lines = InflateStored((*chunks)[1].data, &blocks);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(blocks, 2);
  ASSERT_EQ(lines->size(), static_cast<std::size_t>((kWidth * 3 + 1) * kHeight));
  for (int y = 0; y < kHeight; ++y) {
    const auto row = lines->begin() + y * (kWidth * 3 + 1);
    ASSERT_EQ(*row, 0) << "row " << y;
    ASSERT_TRUE(std::equal(row + 1, row + 1 + kWidth * 3, rgb.begin() + y * kWidth * 3))
        << "row " << y;
  }
}

// A block exactly full ends the stream without an empty block after it; one pixel is one block.
TEST(PngImageTest, BlockBoundariesAndTheSmallestPicture) {
  int blocks = 0;
  // 65535 bytes of rows: 771 rows of 85 bytes, each a filter byte and 28 pixels.
  const Bytes full = EncodePng(28, 771, Pattern(28, 771));
  const std::optional<std::vector<Chunk>> chunks = ReadChunks(full);
  ASSERT_TRUE(chunks.has_value());
  ASSERT_TRUE(InflateStored((*chunks)[1].data, &blocks).has_value());
  EXPECT_EQ(blocks, 1);

  const Bytes one = EncodePng(1, 1, Bytes{0x12, 0x34, 0x56});
  blocks = 0;
  const std::optional<std::vector<Chunk>> single = ReadChunks(one);
  ASSERT_TRUE(single.has_value());
  EXPECT_EQ(InflateStored((*single)[1].data, &blocks), (Bytes{0, 0x12, 0x34, 0x56}));
  EXPECT_EQ(blocks, 1);
}

TEST(PngImageTest, ImpossibleSizesGiveNothing) {
  EXPECT_TRUE(EncodePng(0, 1, {}).empty());
  EXPECT_TRUE(EncodePng(1, -1, {}).empty());
  EXPECT_TRUE(EncodePng(2, 2, Bytes(11)).empty());
  EXPECT_TRUE(EncodePng(2, 2, Bytes(13)).empty());
  EXPECT_TRUE(EncodePng(1 << 30, 1, Bytes(3)).empty());
  EXPECT_FALSE(EncodePng(2, 2, Bytes(12)).empty());
}

}  // namespace
}  // namespace tarvik
