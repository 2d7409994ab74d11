// Turns the characters received from the instrument into readings. A reading is a line of
// decimal digits ended by a carriage return. Any other character abandons the reading in
// progress, and the digits that follow it on the same line are no reading either: the
// instrument's replies to the memory tab's commands ("v3", " n:0010 e:0010") are lines with
// digits in them, and one that arrives late, or cut in two by a read, must never be taken for a
// shot. A line feed or a carriage return starts a new line.
#ifndef TARVIK_LINK_SHOT_DECODER_H_
#define TARVIK_LINK_SHOT_DECODER_H_

#include <cstdint>
#include <vector>

#include "link/reading.h"
#include "link/receive_buffer.h"

namespace tarvik {

class ShotDecoder {
 public:
  // Consumes the whole buffer (its fill is 0 afterwards) and returns, in order, the readings
  // that a carriage return completed with a non-zero count. The reading in progress survives
  // between calls, so that a reading split over several reads is assembled whole. A reading whose
  // value does not fit 32 bits cannot come from the instrument and is dropped.
  std::vector<Reading> DecodeReceived(ReceiveBuffer& buffer);
  // Forgets the line in progress, whose remaining bytes will never come: the next byte starts a
  // line.
  void DropReadingInProgress() {
    StartNewReading();
    spoiled_ = false;
  }
  // Bytes of a line have come since the last line end: the next byte continues that line.
  bool InMidLine() const { return digit_tally_ > 0 || spoiled_; }

 private:
  void StartNewReading();
  void AddDigit(std::int32_t digit);

  std::int32_t reading_count_ = 0;  // value of the digits so far
  std::int32_t digit_tally_ = 0;    // number of digits so far, leading zeros included
  bool overlong_ = false;           // the digits' value has passed the 32-bit range
  bool spoiled_ = false;            // the line has had a character that is no digit
};

}  // namespace tarvik

#endif  // TARVIK_LINK_SHOT_DECODER_H_
