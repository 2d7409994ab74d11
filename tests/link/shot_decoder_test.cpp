#include "link/shot_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tarvik {
namespace {

using Readings = std::vector<Reading>;

class ShotDecoderTest : public ::testing::Test {
 protected:
  // Feeds the characters as one read and decodes them.
  Readings Feed(std::string_view received) {
    EXPECT_EQ(buffer_.Append(received), static_cast<std::int32_t>(received.size()));
    Readings readings = decoder_.DecodeReceived(buffer_);
    EXPECT_EQ(buffer_.fill, 0);
    return readings;
  }

  ReceiveBuffer buffer_;
  ShotDecoder decoder_;
};

TEST_F(ShotDecoderTest, ReadingKeepsItsDigitCountSurvivesASplitReadAndNeedsACount) {
  EXPECT_EQ(Feed("001234\r\n"), (Readings{{1234, 6}}));  // the line feed changes nothing
  EXPECT_EQ(Feed("12"), Readings{});
  EXPECT_EQ(Feed("34\r"), (Readings{{1234, 4}}));
  EXPECT_EQ(Feed("\r0000\r\n"), Readings{});  // a carriage return without a count is no reading
  EXPECT_EQ(Feed("\r1234\r\n001000\r\n"), (Readings{{1234, 4}, {1000, 6}}));
}

TEST_F(ShotDecoderTest, AnyOtherByteOrAValueBeyond32BitsSpoilsItsLineButNoOther) {
  EXPECT_EQ(Feed("12a34\r"), Readings{});  // the digits after it are no reading either
  EXPECT_EQ(Feed("12\x80\r12\n\r"), Readings{});
  EXPECT_EQ(Feed("v3\r\n n:0010 e:0"), Readings{});  // replies of the memory tab, one cut short
  EXPECT_EQ(Feed("010\r\n12a\n34\r"), (Readings{{34, 2}}));
  EXPECT_EQ(Feed("2147483648\r99999999999999999999\r2147483647\r"), (Readings{{2147483647, 10}}));
  EXPECT_EQ(Feed(std::string(150, '0') + "1234\r"), (Readings{{1234, 154}}));  // zeros: no overflow
  EXPECT_EQ(Feed("12345678901\r1234\r"), (Readings{{1234, 4}}));
}

// An independent reading of the byte stream: the readings that must come out of it.
Readings ReferenceReadings(const std::string& stream) {
  constexpr std::int64_t kBeyond32Bits = std::int64_t{1} << 31;  // where the value stops
  Readings readings;
  std::int64_t value = 0;
  int digits = 0;
  bool spoiled = false;
  for (unsigned char c : stream) {
    if (c >= '0' && c <= '9') {
      if (!spoiled) value = std::min(value * 10 + (c - '0'), kBeyond32Bits);
      ++digits;  // counted on a spoiled line too, which gives no reading
      continue;
    }
    if (c == '\r' && value != 0 && value < kBeyond32Bits) {
      readings.push_back({static_cast<std::int32_t>(value), digits});
    }
    value = digits = 0;
    spoiled = c != '\r' && c != '\n';
  }
  return readings;
}

TEST_F(ShotDecoderTest, RandomByteStreamSplitAnywhereGivesTheReferenceReadings) {
  std::mt19937 random(20261206);
  // Mostly digits and carriage returns, so that many readings complete; any byte can appear.
  std::string stream;
  for (int i = 0; i < 200000; ++i) {
    const auto kind = random() % 100;
    stream += static_cast<char>(kind < 80   ? '0' + random() % 10
                                : kind < 92 ? '\r'
                                            : random() % 256);
  }
  Readings decoded;
  for (std::size_t offset = 0, n = 0; offset < stream.size(); offset += n) {
    n = 1 + random() % ReceiveBuffer::kSize;
    const Readings part = Feed(std::string_view(stream).substr(offset, n));
    decoded.insert(decoded.end(), part.begin(), part.end());
  }
  const Readings expected = ReferenceReadings(stream);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace tarvik
