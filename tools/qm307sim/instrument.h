// The simulated instrument without any input or output of its own: the caller hands it the
// bytes the computer sent and the time, and takes from it the bytes that are due on the line.
// A reply is due a configurable delay after its command, so that a test can make the
// instrument answer too late for the program's fixed waits.
#ifndef TARVIK_TOOLS_QM307SIM_INSTRUMENT_H_
#define TARVIK_TOOLS_QM307SIM_INSTRUMENT_H_

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qm307sim/reading.h"
#include "qm307sim/shot_tab.h"

namespace tarvik::sim {

using Millis = std::chrono::milliseconds;

// Time from a command to its reply. The program reads the reply to "p" after 40 ms, to "t"
// after 100 ms, to "b"/"B" after 50 ms and to "r" after 30 ms; the defaults are well inside.
struct ReplyDelays {
  Millis version{10};   // "p"
  Millis pointers{30};  // "t"
  Millis back{10};      // "b" and "B"
  Millis reset{10};     // "r"
  Millis fire{20};      // "n": the stored shot's reading
};

// The delay of the command letter ('B' shares 'b's); null for a letter that is no command.
Millis* DelayFor(ReplyDelays& delays, char command);

struct InstrumentOptions {
  bool tab_present = true;  // without a tab the instrument answers no command
  char version_char = '3';  // byte 1 of the reply to "p"
  ReplyDelays delays;
  // Bytes the instrument adds after each reply to p, t, b, B and r, as some firmware does.
  std::string reply_tail;
  // The time each byte takes on the line: zero sends each output whole at its time; 1 ms is
  // about 9600 baud, where an output goes out byte by byte and waits while the line is busy.
  Millis byte_time{0};
};

// The replies, byte for byte.
std::string VersionReply(char version_char);                        // "v", the character, CR, LF
std::string PointerReply(std::uint16_t next, std::uint16_t empty);  // " n:XXXX e:XXXX", CR, LF
// `count` bytes of the memory dump: 0, 1, ... 255, 0, 1, ...
std::string DumpBytes(std::size_t count);
// `count` bytes of line noise from `seed`: any byte but CR and LF, so that noise never ends a
// line and never completes a reading of its own.
std::string NoiseBytes(std::size_t count, std::uint64_t seed);

class Instrument {
 public:
  explicit Instrument(InstrumentOptions options = {});

  // A byte the computer sent at `now`. The tab acts on it at once; its reply is scheduled.
  void Receive(char byte, Millis now);
  // The shooter fires with the computer listening: the reading goes out at `now` and the tab
  // keeps it as fired.
  void FireShot(const Reading& reading, Millis now);
  // The shooter fires while the computer does not listen: the tab keeps the shot for "n".
  // False, and nothing kept, without a tab.
  bool StoreShot(const Reading& reading);
  // Any bytes, unrequested, at `now`.
  void SendRaw(std::string bytes, Millis now);
  void SendDump(std::size_t count, Millis now);

  // Removes and returns, in time order, the bytes that have gone out on the line by `now`;
  // output due at the same time keeps the order in which it was scheduled.
  std::string TakeDue(Millis now);
  // When the next byte still waiting goes out.
  std::optional<Millis> NextDue() const;

  const ShotTab& tab() const { return tab_; }
  const InstrumentOptions& options() const { return options_; }
  void set_options(const InstrumentOptions& options) { options_ = options; }

 private:
  struct Output {
    Millis due;
    std::string bytes;
  };

  void Schedule(Millis due, std::string bytes);
  void ScheduleReply(Millis due, std::string reply);

  InstrumentOptions options_;
  ShotTab tab_;
  std::vector<Output> pending_;      // ordered by due time
  std::size_t sent_ = 0;             // bytes of the first output already on the line
  std::optional<Millis> last_byte_;  // when the line's latest byte went out
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_INSTRUMENT_H_
