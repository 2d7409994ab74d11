// Turns the characters received from the instrument into readings. A reading is a run of decimal
// digits ended by a carriage return; any other character abandons the reading in progress.
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

 private:
  void StartNewReading();
  void AddDigit(std::int32_t digit);

  std::int32_t reading_count_ = 0;  // value of the digits so far
  std::int32_t digit_tally_ = 0;    // number of digits so far, leading zeros included
  bool overlong_ = false;           // the digits' value has passed the 32-bit range
};

}  // namespace tarvik

#endif  // TARVIK_LINK_SHOT_DECODER_H_
