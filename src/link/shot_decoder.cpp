#include "link/shot_decoder.h"

#include <algorithm>
#include <limits>

#include "link/line_bytes.h"

namespace tarvik {

void ShotDecoder::StartNewReading() {
  reading_count_ = 0;
  digit_tally_ = 0;
  overlong_ = false;
}

void ShotDecoder::AddDigit(std::int32_t digit) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  // Up to here any digit may follow without passing the range; an overlong count is above it.
  constexpr std::int32_t kRoomForAnyDigit = (kMax - 9) / 10;
  if (digit_tally_ < kMax) ++digit_tally_;
  if (reading_count_ <= kRoomForAnyDigit) {
    reading_count_ = reading_count_ * 10 + digit;
  } else if (!overlong_ && reading_count_ <= (kMax - digit) / 10) {
    reading_count_ = reading_count_ * 10 + digit;
  } else {
    overlong_ = true;
  }
}

void ShotDecoder::StartLine(bool seen) {
  StartNewReading();
  spoiled_ = !seen;
  after_digit_ = false;
  line_length_ = 0;
  line_seen_ = seen;
  after_reply_ = false;
}

void ShotDecoder::EndLine() {
  burst_spoiled_ = false;
  StartLine(true);
}

void ShotDecoder::SpoilLine() { StartLine(false); }

void ShotDecoder::SpoilUntilQuiet() {
  burst_spoiled_ = true;
  StartLine(false);
}

void ShotDecoder::ReplyEnded() {
  NextLine();
  after_reply_ = true;
}

// The version reply's line is two bytes, not both digits; the pointer reply's line is fourteen,
// with "n:" at 1 and "e:" at 8. Both end in CR LF.
bool ShotDecoder::LineIsAReply() const {
  if (!line_seen_) return false;
  const auto& line = line_start_;
  if (line_length_ == 2) return !IsDigit(line[0]) || !IsDigit(line[1]);
  return line_length_ == kLineStart && line[1] == 'n' && line[2] == ':' && line[8] == 'e' &&
         line[9] == ':';
}

void ShotDecoder::CountLineByte(char byte) {
  if (line_length_ < kLineStart) line_start_[line_length_] = byte;
  line_length_ = std::min(line_length_ + 1, kLineStart + 1);  // one more stands for "longer"
}

void ShotDecoder::Take(char byte, std::vector<Reading>& readings) {
  // Digits first: they are nearly every byte the instrument sends.
  after_digit_ = IsDigit(byte);
  if (after_digit_) {
    after_reply_ = false;
    CountLineByte(byte);
    if (!spoiled_) AddDigit(byte - '0');
    return;
  }
  if (after_reply_) return;  // line ends and what came with the reply
  if (!IsLineEnd(byte)) {
    CountLineByte(byte);
    StartNewReading();
    spoiled_ = true;
    return;
  }
  if (byte == kCarriageReturn && !spoiled_ && !overlong_ && reading_count_ != 0) {
    readings.push_back({reading_count_, digit_tally_});
  }
  const bool late_reply = byte == kCarriageReturn && late_reply_expected_ && LineIsAReply();
  NextLine();
  if (late_reply) {
    late_reply_expected_ = false;
    after_reply_ = true;
  }
}

void ShotDecoder::Decode(std::string_view bytes, std::vector<Reading>& readings) {
  for (const char byte : bytes) Take(byte, readings);
}

std::vector<Reading> ShotDecoder::DecodeReceived(ReceiveBuffer& buffer) {
  std::vector<Reading> readings;
  const auto fill = static_cast<std::size_t>(buffer.fill);
  Decode(std::string_view(reinterpret_cast<const char*>(buffer.bytes.data()), fill), readings);
  buffer.fill = 0;
  return readings;
}

}  // namespace tarvik
