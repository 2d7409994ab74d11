// The core's PNG files as Qt's image reader (libpng) reads them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdint>
#include <vector>

#include "base/png_image.h"

namespace tarvik {
namespace {

TEST(PngImageQtTest, QtReadsEveryPixelBack) {
  constexpr int kWidth = 401;
  constexpr int kHeight = 300;  // several stored blocks
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      rgb.insert(rgb.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                             static_cast<std::uint8_t>(x ^ y)});
    }
  }
  const std::vector<std::uint8_t> png = EncodePng(kWidth, kHeight, rgb);
  QImage image;
  ASSERT_TRUE(image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
  ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (image.pixelColor(x, y) != QColor(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace tarvik
