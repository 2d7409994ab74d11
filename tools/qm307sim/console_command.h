// The commands a developer types, or a script holds, to drive the simulated instrument: one
// command a line, words separated by blanks, "#" starting a comment.
#ifndef TARVIK_TOOLS_QM307SIM_CONSOLE_COMMAND_H_
#define TARVIK_TOOLS_QM307SIM_CONSOLE_COMMAND_H_

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "qm307sim/reading.h"

namespace tarvik::sim {

enum class CommandKind {
  kNothing,  // blank line or comment
  kShot,     // fire `reading` (from a velocity or a raw count)
  kStore,    // store `reading` in the tab, `repeat` times
  kRaw,      // send `bytes`
  kDump,     // send `amount` dump bytes
  kNoise,    // send `amount` bytes of line noise
  kTail,     // add `bytes` after every reply from now on
  kPace,     // each byte takes `amount` ms on the line
  kTab,      // plug the tab in (`on`) or pull it out
  kVersion,  // answer "p" with `letter`
  kDelay,    // reply to command `letter` after `amount` ms
  kStatus,
  kHelp,
  kWait,  // scripts: pause `amount` ms
  kQuit,
};

struct ConsoleCommand {
  CommandKind kind = CommandKind::kNothing;
  Reading reading;
  std::optional<double> velocity_fps;  // when `reading` came from a velocity
  std::uint64_t repeat = 1;
  std::uint64_t amount = 0;
  std::string bytes;
  bool on = false;
  char letter = '\0';
};

// Nothing, with a reason in `error`, for a line that is no valid command. `default_mark` is the
// mark of a velocity given without one.
std::optional<ConsoleCommand> ParseConsoleCommand(std::string_view line, Mark default_mark,
                                                  std::string* error);

// The list printed by "help".
std::string_view ConsoleHelp();

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_CONSOLE_COMMAND_H_
