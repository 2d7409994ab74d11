// When the line has been quiet long enough for the line in progress to be over.
//
// The instrument sends each line in one burst: a reading's bytes follow each other about a
// millisecond apart at 9600 baud, and a USB adapter hands on what it holds at least every 16 ms.
// So a read that finds nothing, 20 ms or more after the last read that brought bytes, proves
// that no byte came for that long: whatever line was in progress (a stray byte, a reading cut
// short, the rest of a memory dump) is over, and the next byte starts a new one. A read that
// failed, or a read soon after bytes came, proves nothing: a reading cut by a read has its rest
// arrive within milliseconds, however late the next read takes it.
//
// Limits: at the main timer's 20 ms pace a stray byte needs about 40 ms of quiet before a
// reading for the two to be told apart (the tab's waits listen every 10 ms). Nothing reads the
// line during a shot's sound and the pause before it, so a stray byte and a reading that both
// arrive then are read together and the reading is lost. A link that hands on a burst in pieces
// more than 20 ms apart (an adapter set to a longer latency, a wireless serial link) may lose a
// reading, or take its tail for a reading of its own.
#ifndef TARVIK_LINK_QUIET_LINE_H_
#define TARVIK_LINK_QUIET_LINE_H_

#include <cstdint>
#include <optional>

#include "link/serial_link.h"

namespace tarvik {

class QuietLine {
 public:
  static constexpr std::int64_t kQuietMs = 20;

  // Notes a read made at `now_ms`. True, once, when it shows the line quiet for kQuietMs since
  // the last bytes came.
  bool EndsLine(const LineRead& read, std::int64_t now_ms) {
    if (read.count > 0) {
      last_bytes_ms_ = now_ms;
      return false;
    }
    if (!read.answered || !last_bytes_ms_ || now_ms - *last_bytes_ms_ < kQuietMs) return false;
    last_bytes_ms_.reset();
    return true;
  }

 private:
  std::optional<std::int64_t> last_bytes_ms_;  // since the line was last found quiet
};

}  // namespace tarvik

#endif  // TARVIK_LINK_QUIET_LINE_H_
