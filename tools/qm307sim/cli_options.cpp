#include "qm307sim/cli_options.h"

#include <utility>

#include "base/number_text.h"
#include "qm307sim/byte_text.h"
#include "qm307sim/error_text.h"
#include "qm307sim/text_number.h"

namespace tarvik::sim {
namespace {

constexpr std::uint64_t kMaxDelayMs = 600'000;
constexpr std::uint64_t kMaxNoiseBytes = 1000;
constexpr std::uint64_t kMaxByteTimeMs = 1000;

// Walks the arguments; an option's value may follow it or be joined to it with "=".
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string_view>& arguments) : arguments_(arguments) {}

  bool Done() const { return index_ >= arguments_.size(); }

  // The next option's name; its joined value, if any, is kept for Value().
  std::string_view NextName() {
    std::string_view argument = arguments_[index_++];
    joined_value_.reset();
    const std::size_t equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string_view::npos) {
      joined_value_ = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    return argument;
  }

  bool HasJoinedValue() const { return joined_value_.has_value(); }

  std::optional<std::string_view> Value() {
    if (joined_value_) return std::exchange(joined_value_, std::nullopt);
    if (Done()) return std::nullopt;
    return arguments_[index_++];
  }

 private:
  const std::vector<std::string_view>& arguments_;
  std::size_t index_ = 0;
  std::optional<std::string_view> joined_value_;
};

bool ParsePositive(std::string_view name, std::string_view text, bool zero_allowed, double* value,
                   std::string* error) {
  const auto number = ParseNumber(text);
  if (!number || *number < 0.0 || (!zero_allowed && *number == 0.0)) {
    return SetError(error, std::string(name) + " needs a " + (zero_allowed ? "" : "positive ") +
                               "number, not \"" + std::string(text) + "\"");
  }
  *value = *number;
  return true;
}

// CMD=MS, CMD one of the command letters.
bool ParseDelay(std::string_view text, ReplyDelays* delays, std::string* error) {
  const std::size_t equals = text.find('=');
  Millis* delay = equals == 1 ? DelayFor(*delays, text[0]) : nullptr;
  const auto ms =
      equals == std::string_view::npos ? std::nullopt : ParseUnsigned(text.substr(equals + 1));
  if (delay == nullptr || !ms || *ms > kMaxDelayMs) {
    return SetError(error, "--delay takes CMD=MS with CMD one of p, t, b, B, r, n and MS up to " +
                               FormatUnsigned(kMaxDelayMs) + ", not \"" + std::string(text) + "\"");
  }
  *delay = Millis(static_cast<Millis::rep>(*ms));
  return true;
}

bool TakesValue(std::string_view name) {
  for (const std::string_view option :
       {"--script",     "--auto",      "--mean",        "--spread",       "--mark",
        "--seed",       "--noise",     "--tab",         "--version-char", "--delay",
        "--delay-p",    "--delay-t",   "--delay-b",     "--delay-r",      "--delay-n",
        "--reply-tail", "--byte-time", "--drop-unread", "--link",         "--trace"}) {
    if (name == option) return true;
  }
  return false;
}

// One option with its value; false with `error` set when either is wrong.
bool ApplyOption(std::string_view name, std::string_view value, CliOptions* options,
                 std::string* error) {
  if (name == "--script") {
    options->script_path = value;
  } else if (name == "--auto") {
    double seconds = 0.0;
    if (!ParsePositive(name, value, false, &seconds, error)) return false;
    options->auto_interval_s = seconds;
  } else if (name == "--mean") {
    return ParsePositive(name, value, false, &options->mean_fps, error);
  } else if (name == "--spread") {
    return ParsePositive(name, value, true, &options->spread_fps, error);
  } else if (name == "--mark") {
    const auto mark = ParseMark(value);
    if (!mark) return SetError(error, "--mark is one of 1/2, 3 or 4");
    options->mark = *mark;
  } else if (name == "--seed") {
    options->seed = ParseUnsigned(value);
    if (!options->seed) return SetError(error, "--seed needs a whole number");
  } else if (name == "--noise") {
    const auto count = ParseUnsigned(value);
    if (!count || *count == 0 || *count > kMaxNoiseBytes) {
      return SetError(error, "--noise needs a number of bytes from 1 to 1000");
    }
    options->noise_bytes = *count;
  } else if (name == "--reply-tail") {
    std::string reason;
    const auto bytes = UnescapeBytes(value, &reason);
    if (!bytes) return SetError(error, "--reply-tail: " + reason);
    options->instrument.reply_tail = *bytes;
  } else if (name == "--byte-time") {
    const auto ms = ParseUnsigned(value);
    if (!ms || *ms > kMaxByteTimeMs) return SetError(error, "--byte-time needs 0 to 1000 ms");
    options->instrument.byte_time = Millis(static_cast<Millis::rep>(*ms));
  } else if (name == "--tab") {
    if (value != "on" && value != "off") return SetError(error, "--tab is on or off");
    options->instrument.tab_present = value == "on";
  } else if (name == "--version-char") {
    if (value.size() != 1) return SetError(error, "--version-char needs one character");
    options->instrument.version_char = value[0];
  } else if (name == "--delay") {
    return ParseDelay(value, &options->instrument.delays, error);
  } else if (name == "--delay-p" || name == "--delay-t" || name == "--delay-b" ||
             name == "--delay-r" || name == "--delay-n") {
    return ParseDelay(std::string(1, name.back()) + "=" + std::string(value),
                      &options->instrument.delays, error);
  } else if (name == "--drop-unread") {
    const auto ms = ParseUnsigned(value);
    if (!ms || *ms > kMaxDelayMs) return SetError(error, "--drop-unread needs milliseconds");
    options->drop_unread_after = Millis(static_cast<Millis::rep>(*ms));
  } else if (name == "--link") {
    options->link_path = value;
  } else if (name == "--trace") {
    options->trace_path = value;
  } else {
    return SetError(error, "unknown option \"" + std::string(name) + "\"");
  }
  return true;
}

// The automatic shots must give readings of the chosen mark at both ends of the spread.
bool CheckAutoVelocities(const CliOptions& options, std::string* error) {
  for (const double velocity :
       {options.mean_fps - options.spread_fps, options.mean_fps + options.spread_fps}) {
    std::string reason;
    if (!ReadingForVelocity(velocity, options.mark, &reason)) {
      return SetError(error, "--mean and --spread give " + FormatFixed(velocity, 1) +
                                 " fps, which mark " + std::string(MarkLabel(options.mark)) +
                                 " cannot send: " + reason);
    }
  }
  return true;
}

constexpr std::string_view kUsage = R"(Usage: qm307-sim [OPTION...]

A simulated qm-307 chronoscope on a pseudo-terminal. The first line written to standard output
is the device to open (e.g. /dev/pts/3). The instrument sends each shot as the digits of its
count followed by CR LF, answers the computer's tab commands (p, t, n, b, B, r) after a short
delay and keeps the shots in a 4095-place shot memory (the "tab").

Modes (any combination; with neither --script nor --auto, interactive is on):
  -i, --interactive      read commands from standard input ("help" lists them)
  --script FILE          run the commands in FILE, which may also use "wait MS"
  --auto SECONDS         fire a shot every SECONDS (fractions allowed), the first one
                         SECONDS after the start
    --mean FPS           mean velocity of the automatic shots (default 700)
    --spread FPS         velocities are spread evenly over mean - FPS to mean + FPS
                         (default 10)
    --mark M             mark of the automatic shots and of "shot" without one: 1/2, 3 or 4
                         (default 1/2; readings have 4-5, 6 and 7 digits)
    --seed N             seed of the velocities and the noise, for a repeatable run
                         (default: random)
    --noise N            send N bytes of line noise (random bytes, never CR or LF)
                         halfway between automatic shots
  --keep-open            keep running when no mode has anything left to do

The simulator ends on "quit", on SIGINT or SIGTERM, or once no mode keeps it alive: the
script has run to its end, standard input has ended (interactive), and neither --auto nor
--keep-open is given. So "qm307-sim --auto 2 < /dev/null" runs until it is stopped, and a
script ending in "wait 5000" leaves five seconds to read its shots.

Instrument:
  --tab on|off           whether the shot-memory tab is plugged in (default on); without it
                         the instrument answers no command
  --version-char C       the tab's version character, byte 1 of the reply to "p" (default 3)
  --delay CMD=MS         reply to command CMD after MS milliseconds; repeatable. CMD is p
                         (default 10), t (30), b (10, also for B), r (10) or n (20). The
                         program reads the replies after p 40, t 100, b/B 50, r 30 ms.
  --delay-p MS, --delay-t MS, --delay-b MS, --delay-r MS, --delay-n MS
                         the same, one command each
  --reply-tail TEXT      add TEXT after every reply to p, t, b, B and r, as some firmware
                         does (escapes \r \n \t \\ \xHH)
  --byte-time MS         each byte takes MS milliseconds on the line (1 is about 9600 baud):
                         outputs go out byte by byte and wait while the line is busy
                         (default 0: each output is written at once)

Output:
  --link PATH            make PATH a symbolic link to the device (an existing symbolic link
                         is replaced; another kind of file is refused); removed at exit
  --trace FILE|-         log every byte in and out: milliseconds since the start, "in"
                         (from the computer) or "out", hexadecimal bytes, readable text
  -q, --quiet            print nothing but the device path and errors
  --drop-unread MS       throw away output that no program reads for MS milliseconds,
                         as a serial line loses what is sent while no port is open
                         (default 2000; 0 keeps it for the next program that opens the
                         device, up to what the pseudo-terminal holds)
  -h, --help             this text

Options take their value as the next argument or joined with "=" (--auto=1.5).
Exit status: 0 after a normal end, 1 when the pseudo-terminal or the link fails, 2 for a
wrong command line or script.
)";

}  // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string_view>& arguments,
                                          std::string* error) {
  CliOptions options;
  ArgumentReader reader(arguments);
  while (!reader.Done()) {
    const std::string_view name = reader.NextName();
    const bool is_flag = name == "-h" || name == "--help" || name == "-i" ||
                         name == "--interactive" || name == "--keep-open" || name == "-q" ||
                         name == "--quiet";
    if (is_flag) {
      if (reader.HasJoinedValue()) {
        SetError(error, std::string(name) + " takes no value");
        return std::nullopt;
      }
      if (name == "-h" || name == "--help") options.help = true;
      if (name == "-i" || name == "--interactive") options.interactive = true;
      if (name == "--keep-open") options.keep_open = true;
      if (name == "-q" || name == "--quiet") options.quiet = true;
      continue;
    }
    if (!TakesValue(name)) {
      SetError(error, "unknown option \"" + std::string(name) + "\"");
      return std::nullopt;
    }
    const auto value = reader.Value();
    if (!value) {
      SetError(error, std::string(name) + " needs a value");
      return std::nullopt;
    }
    if (!ApplyOption(name, *value, &options, error)) return std::nullopt;
  }
  if (options.script_path.empty() && !options.auto_interval_s) options.interactive = true;
  if (options.auto_interval_s && !CheckAutoVelocities(options, error)) return std::nullopt;
  return options;
}

std::string_view CliUsage() { return kUsage; }

}  // namespace tarvik::sim
