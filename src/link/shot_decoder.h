// Turns the characters received from the instrument into readings. A reading is a line of
// decimal digits ended by a carriage return. Any other character abandons the reading in
// progress, and the digits that follow it on the same line are no reading either: the
// instrument's replies to the memory tab's commands ("v3", " n:0010 e:0010") are lines with
// digits in them, and one that arrives late, or cut in two by a read, must never be taken for a
// shot. A line feed or a carriage return starts a new line, and so does a quiet line (EndLine):
// the instrument sends each line in one burst, so noise followed by quiet is over.
#ifndef TARVIK_LINK_SHOT_DECODER_H_
#define TARVIK_LINK_SHOT_DECODER_H_

#include <array>
#include <cstdint>
#include <string_view>
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
  // The same for bytes that came outside the buffer; the readings are added to `readings`.
  void Decode(std::string_view bytes, std::vector<Reading>& readings);

  // The line in progress is over, its remaining bytes will never come: the next byte starts a
  // line.
  void EndLine();
  // The line in progress began where the decoder did not see it: nothing more of it is a reading.
  void SpoilLine();
  // What follows belongs to a burst whose beginning the decoder did not see (the rest of a memory
  // dump): no line of it is a reading, however many line ends it has, until the line has been
  // quiet (EndLine).
  void SpoilUntilQuiet();
  // A reply of the memory tab was taken out of the line here. It ended the line it stood on, and
  // bytes that are neither digits nor line ends right after it came with it: they do not spoil
  // the line of a reading that follows, unless the line was quiet in between.
  void ReplyEnded();
  // The last byte taken was a digit of the line in progress: a read that begins with digits may
  // be the rest of a reading.
  bool AfterDigit() const { return after_digit_; }

  // A reply of the memory tab did not come in time and may still come. The next line laid out as
  // a version or pointer reply is taken for it, and bytes that are neither digits nor line ends
  // right after it came with it: they do not spoil the line of a reading that follows.
  void ExpectLateReply() { late_reply_expected_ = true; }
  void ForgetLateReply() { late_reply_expected_ = false; }

 private:
  // The first bytes of the line, enough to know a reply's layout.
  static constexpr std::size_t kLineStart = 14;

  void Take(char byte, std::vector<Reading>& readings);
  // Keeps the first bytes of the line, and whether it is longer than they are.
  void CountLineByte(char byte);
  void StartNewReading();
  void AddDigit(std::int32_t digit);
  void StartLine(bool seen);
  // A line end: a new line begins, which the decoder sees unless a spoiled burst goes on.
  void NextLine() { StartLine(!burst_spoiled_); }
  bool LineIsAReply() const;

  std::int32_t reading_count_ = 0;  // value of the digits so far
  std::int32_t digit_tally_ = 0;    // number of digits so far, leading zeros included
  bool overlong_ = false;           // the digits' value has passed the 32-bit range
  bool spoiled_ = false;            // the line has had a character that is no digit
  bool after_digit_ = false;        // the last byte was a digit, and its line goes on
  std::array<char, kLineStart> line_start_{};
  std::size_t line_length_ = 0;
  bool line_seen_ = true;  // the line began where the decoder saw it
  bool late_reply_expected_ = false;
  bool after_reply_ = false;    // a reply's line has just ended
  bool burst_spoiled_ = false;  // every line is spoiled until the line is quiet
};

}  // namespace tarvik

#endif  // TARVIK_LINK_SHOT_DECODER_H_
