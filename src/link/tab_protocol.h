// The exchanges with the instrument's shot-memory tab: the status query ("p", wait 40 ms, the
// version reply; "t", wait 100 ms, the pointer reply), the reset ("r", wait 30 ms, a reply with
// a K), the steps back ("b" and "B", wait 50 ms, a short reply) and the fire ("n", no reply).
// Every exchange writes a letter, waits a fixed time and takes what the port holds then, judged
// by fixed byte positions.
//
// A reading may land in any of those reads: the instrument does not stop firing while the
// program asks about its tab. Nothing of it is dropped: every byte of a read that is not the
// reply itself is passed on to the shot decoder in the order it came, and a reply is judged on
// its own bytes, wherever it stands in its read. A reply ends a line; bytes that are neither
// digits nor line ends right after it came with it and are dropped by the decoder (unless the
// line was quiet in between), so that an instrument that adds something to its replies costs no
// reading after them.
#ifndef TARVIK_LINK_TAB_PROTOCOL_H_
#define TARVIK_LINK_TAB_PROTOCOL_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/tab_counts.h"

namespace tarvik {

struct TabStatus {
  char version = 0;            // byte 1 of the version reply
  std::uint16_t capacity = 0;  // set to the tab's 4095 places by a query past its version reply
  std::uint16_t next = 0;      // raw pointers, bit 15 the wrap flag
  std::uint16_t empty = 0;
  TabCounts counts;
};

// The line as an exchange uses it.
class TabLine {
 public:
  virtual ~TabLine() = default;
  virtual bool IsOpen() const = 0;
  virtual void Write(std::string_view letter) = 0;
  virtual void Wait(int ms) = 0;
  // One read of at most `size` bytes, never waiting. Waiting with Wait does not lose what
  // arrives meanwhile: it is the next read's.
  virtual std::string Read(std::size_t size) = 0;
  // Bytes [from, to) of the latest read, which are no reply, for the shot decoder; each part of
  // a read is passed on once, in the order it came.
  virtual void PassOn(std::size_t from, std::size_t to) = 0;
  // A reply was taken out of the line here. It ended the line it stood on, and what comes right
  // after it that can be no part of a reading (neither digits nor line ends) came with it.
  virtual void ReplyTaken() = 0;
  // The reply to the latest question is not in its read; it may still come, late.
  virtual void ReplyMissing() = 0;
  // The bytes passed on so far end with a digit of a line that goes on: digits at the start of
  // the latest read may be the rest of a reading.
  virtual bool AfterDigit() const = 0;
};

// Four hexadecimal digits, most significant first, either case; any other character counts as
// a 0 digit.
std::uint16_t ParseHex4(std::string_view four);

// Where the version reply stands in a read: four bytes ending in CR LF whose first two are no line
// ends, the last such group that is not all digits, or else the last one of digits. Two digits
// that go on from a digit before them (in the read, or before the read when `after_digit`) are
// the tail of a reading.
std::optional<std::size_t> FindVersionReply(std::string_view read, bool after_digit);
// Where the pointer reply stands in a read: the last 16 bytes with "n:" at 1, "e:" at 8 and
// CR LF at 14.
std::optional<std::size_t> FindPointerReply(std::string_view read);

// Reads of the exchanges, in bytes, and their waits.
inline constexpr std::size_t kTabReplyRead = 50;
inline constexpr std::size_t kResetReplyRead = 30;
inline constexpr std::size_t kBackReplyRead = 20;
inline constexpr int kVersionWaitMs = 40;
inline constexpr int kPointerWaitMs = 100;
inline constexpr int kResetWaitMs = 30;
inline constexpr int kBackWaitMs = 50;

// The status query. False, and nothing written, when the line is not open; false too when a
// reply is missing or malformed.
bool QueryTabStatus(TabLine& line, TabStatus& status);

enum class ResetOutcome { kReset, kNotReset, kNoLink };

// Whether a reply to "r" says the tab was reset: a K before any zero byte.
bool ResetReplySaysDone(std::string_view reply);

// The reset: reset when a K stands in the reply before any zero byte.
ResetOutcome ResetTab(TabLine& line);

// "b" (one back) or "B" (ten back): the letter, the wait, and the short reply passed on.
void StepTabBack(TabLine& line, std::string_view letter);

}  // namespace tarvik

#endif  // TARVIK_LINK_TAB_PROTOCOL_H_
