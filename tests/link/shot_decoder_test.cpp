#include "link/shot_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tarvik {
namespace {

class ShotDecoderTest : public ::testing::Test {
 protected:
  // Feeds the characters as one read and decodes them.
  std::vector<Reading> Feed(std::string_view received) {
    EXPECT_EQ(buffer_.Append(received), static_cast<std::int32_t>(received.size()));
    std::vector<Reading> readings = decoder_.DecodeReceived(buffer_);
    EXPECT_EQ(buffer_.fill, 0);
    return readings;
  }

  ReceiveBuffer buffer_;
  ShotDecoder decoder_;
};

using Readings = std::vector<Reading>;

TEST_F(ShotDecoderTest, ReadingKeepsItsDigitCountAndSurvivesASplitRead) {
  EXPECT_EQ(Feed("001234\r\n"), (Readings{{1234, 6}}));  // the line feed changes nothing
  EXPECT_EQ(Feed("12"), Readings{});
  EXPECT_EQ(Feed("34\r"), (Readings{{1234, 4}}));
}

TEST_F(ShotDecoderTest, AnyOtherByteSpoilsItsLineUntilTheLineEnds) {
  EXPECT_EQ(Feed("12a34\r"), Readings{});  // the digits after it are no reading either
  EXPECT_EQ(Feed("12\x80\r12\n\r"), Readings{});
  EXPECT_EQ(Feed("v3\r\n n:0010 e:0"), Readings{});  // replies of the memory tab, one cut short
  EXPECT_EQ(Feed("010\r\n12a\n34\r"), (Readings{{34, 2}}));
}

TEST_F(ShotDecoderTest, CarriageReturnWithoutACountIsNoReading) {
  EXPECT_EQ(Feed("\r0000\r\n"), Readings{});
  EXPECT_EQ(Feed("\r1234\r\n001000\r\n"), (Readings{{1234, 4}, {1000, 6}}));
}

TEST_F(ShotDecoderTest, ReadingBeyondThirtyTwoBitsIsDroppedWithoutSpoilingTheNext) {
  EXPECT_EQ(Feed("2147483648\r99999999999999999999\r"), Readings{});
  EXPECT_EQ(Feed("2147483647\r"), (Readings{{2147483647, 10}}));
  // Leading zeros never overflow, however many there are.
  EXPECT_EQ(Feed(std::string(150, '0') + "1234\r"), (Readings{{1234, 154}}));
  EXPECT_EQ(Feed("12345678901\r1234\r"), (Readings{{1234, 4}}));
}

// An independent reading of the byte stream: the readings that must come out of it.
Readings ReferenceReadings(const std::string& stream) {
  Readings readings;
  std::int64_t value = 0;
  int digits = 0;
  bool too_large = false;
  bool spoiled = false;
  for (unsigned char c : stream) {
    if (c >= '0' && c <= '9') {
      if (spoiled) continue;
      ++digits;
      if (!too_large) value = value * 10 + (c - '0');
      if (value > 2147483647) too_large = true;
      continue;
    }
    if (c == '\r' && value != 0 && !too_large) {
      readings.push_back({static_cast<std::int32_t>(value), digits});
    }
    value = 0;
    digits = 0;
    too_large = false;
    spoiled = c != '\r' && c != '\n';
  }
  return readings;
}

TEST_F(ShotDecoderTest, RandomByteStreamSplitAnywhereGivesTheReferenceReadings) {
  std::mt19937 random(20261206);
  // Mostly digits and carriage returns, so that many readings complete; any byte can appear.
  std::uniform_int_distribution<int> kind(0, 99);
  std::uniform_int_distribution<int> any_byte(0, 255);
  std::uniform_int_distribution<int> digit('0', '9');
  std::string stream;
  for (int i = 0; i < 200000; ++i) {
    const int k = kind(random);
    stream += static_cast<char>(k < 80 ? digit(random) : k < 92 ? '\r' : any_byte(random));
  }

  Readings decoded;
  std::uniform_int_distribution<int> read_size(1, ReceiveBuffer::kSize);
  for (std::size_t offset = 0; offset < stream.size();) {
    const std::size_t n = std::min<std::size_t>(read_size(random), stream.size() - offset);
    const Readings part = Feed(std::string_view(stream).substr(offset, n));
    decoded.insert(decoded.end(), part.begin(), part.end());
    offset += n;
  }
  const Readings expected = ReferenceReadings(stream);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace tarvik
