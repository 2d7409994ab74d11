#include "link/shot_decoder.h"

#include <limits>

namespace tarvik {
namespace {

constexpr std::uint8_t kCarriageReturn = 13;
constexpr std::uint8_t kLineFeed = 10;

}  // namespace

void ShotDecoder::StartNewReading() {
  reading_count_ = 0;
  digit_tally_ = 0;
  overlong_ = false;
}

void ShotDecoder::AddDigit(std::int32_t digit) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  if (digit_tally_ < kMax) ++digit_tally_;
  if (overlong_) return;
  if (reading_count_ > (kMax - digit) / 10) {
    overlong_ = true;
  } else {
    reading_count_ = reading_count_ * 10 + digit;
  }
}

std::vector<Reading> ShotDecoder::DecodeReceived(ReceiveBuffer& buffer) {
  std::vector<Reading> readings;
  for (std::int32_t i = 0; i < buffer.fill; ++i) {
    const std::uint8_t byte = buffer.bytes[static_cast<std::size_t>(i)];
    if (byte >= '0' && byte <= '9') {
      if (!spoiled_) AddDigit(byte - '0');
      continue;
    }
    if (byte == kCarriageReturn && !overlong_ && reading_count_ != 0) {
      readings.push_back({reading_count_, digit_tally_});
    }
    StartNewReading();
    spoiled_ = byte != kCarriageReturn && byte != kLineFeed;
  }
  buffer.fill = 0;
  return readings;
}

}  // namespace tarvik
