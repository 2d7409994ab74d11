// The exchanges with the instrument's shot-memory tab: the status query ("p", wait 40 ms, the
// version reply; "t", wait 100 ms, the pointer reply), the reset ("r", wait 30 ms, a reply with
// a K) and the short reply after "b" and "B". Every exchange writes a letter, waits a fixed time
// and takes what the port holds then, judged by fixed byte positions.
//
// A reading may land in any of those reads: the instrument does not stop firing while the
// program asks about its tab. Nothing of it is dropped: every byte of a read that is not the
// reply itself is handed back as a stray, to go to the shot decoder in the order it came, and a
// reply is judged on its own bytes. The decoder takes only lines of digits for readings, so
// what is left of a reply that came late or was cut by a read is never a shot.
#ifndef TARVIK_LINK_TAB_PROTOCOL_H_
#define TARVIK_LINK_TAB_PROTOCOL_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "link/serial_link.h"
#include "link/tab_counts.h"

namespace tarvik {

struct TabStatus {
  char version = 0;            // byte 1 of the version reply
  std::uint16_t capacity = 0;  // set to the tab's 4095 places by a query past its version reply
  std::uint16_t next = 0;      // raw pointers, bit 15 the wrap flag
  std::uint16_t empty = 0;
  TabCounts counts;
};

// Four hexadecimal digits, most significant first, either case; any other character counts as
// a 0 digit.
std::uint16_t ParseHex4(std::string_view four);

// The version reply in a read: the last group of four bytes ending in CR LF that starts a line
// (one whose first two bytes are digits, a reading's look, only when there is no other). The
// read's first byte starts a line only when `starts_line` says so: otherwise it continues a line
// that came before it, and "34" CR LF there is the tail of a reading. Its version character goes
// to `status`, the read's other bytes to `strays`. False, and the whole read to `strays`, when
// there is no such reply.
bool JudgeVersionReply(std::string_view read, bool starts_line, TabStatus& status,
                       std::string& strays);

// The pointer reply in a read: the last 16 bytes with "n:" at 1, "e:" at 8 and CR LF at 14.
// Its pointers and counts go to `status`, the read's other bytes to `strays`.
bool JudgePointerReply(std::string_view read, TabStatus& status, std::string& strays);

// Reads of the exchanges, in bytes.
inline constexpr std::size_t kTabReplyRead = 50;
inline constexpr std::size_t kResetReplyRead = 30;
inline constexpr int kVersionWaitMs = 40;
inline constexpr int kPointerWaitMs = 100;
inline constexpr int kResetWaitMs = 30;

// The status query. False, and nothing written, when the link is not open; false too when a
// reply is missing or malformed. Readings met on the way are added to `strays`; `in_mid_line`
// tells whether the bytes taken before the query ended in the middle of a line.
bool QueryTabStatus(SerialLink* link, Clock& clock, bool in_mid_line, TabStatus& status,
                    std::string& strays);

enum class ResetOutcome { kReset, kNotReset, kNoLink };

// Whether a reply to "r" says the tab was reset: a K before any zero byte.
bool ResetReplySaysDone(std::string_view reply);

// The reset: reset when a K stands in the reply before any zero byte.
ResetOutcome ResetTab(SerialLink* link, Clock& clock, std::string& strays);

}  // namespace tarvik

#endif  // TARVIK_LINK_TAB_PROTOCOL_H_
