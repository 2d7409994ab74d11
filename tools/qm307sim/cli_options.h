// The qm307-sim command line.
#ifndef TARVIK_TOOLS_QM307SIM_CLI_OPTIONS_H_
#define TARVIK_TOOLS_QM307SIM_CLI_OPTIONS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qm307sim/instrument.h"
#include "qm307sim/reading.h"

namespace tarvik::sim {

struct CliOptions {
  bool help = false;
  // Commands from standard input: on when neither --script nor --auto is given, or with -i.
  bool interactive = false;
  bool keep_open = false;  // run until quit or a signal even when no mode has work left
  bool quiet = false;      // print only the device path and errors
  std::string script_path;
  std::optional<double> auto_interval_s;
  double mean_fps = 700.0;
  double spread_fps = 10.0;
  Mark mark = Mark::kMark12;  // of the automatic shots and of "shot" without a mark
  std::optional<std::uint64_t> seed;
  std::uint64_t noise_bytes = 0;  // sent halfway between automatic shots
  InstrumentOptions instrument;
  Millis drop_unread_after{2000};  // see PtyOptions
  std::string link_path;
  std::string trace_path;  // "-" for standard output
};

// Nothing, with a message in `error`, for a command line that cannot be used.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string_view>& arguments,
                                          std::string* error);

// The text of --help.
std::string_view CliUsage();

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_CLI_OPTIONS_H_
