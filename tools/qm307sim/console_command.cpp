#include "qm307sim/console_command.h"

#include <vector>

#include "base/number_text.h"
#include "qm307sim/byte_text.h"
#include "qm307sim/error_text.h"
#include "qm307sim/instrument.h"
#include "qm307sim/text_number.h"

namespace tarvik::sim {
namespace {

constexpr std::uint64_t kMaxRepeat = 1'000'000;
constexpr std::uint64_t kMaxDelayMs = 600'000;
constexpr std::uint64_t kMaxPaceMs = 1000;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The words of `line` up to a word that starts with "#".
std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (start == i) break;
    if (line[start] == '#') break;
    words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Everything after the command word, without the blanks around it.
std::string_view RestOfLine(std::string_view line, std::string_view command) {
  std::string_view rest = line.substr(line.find(command) + command.size());
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);
  return rest;
}

// The word in double quotes. Built by appending: g++ 12 at -O2 warns falsely (-Wrestrict) about
// a string literal added to a temporary string.
std::string Quoted(std::string_view word) {
  std::string text(1, '"');
  text.append(word);
  text.push_back('"');
  return text;
}

class Parser {
 public:
  Parser(std::vector<std::string_view> words, std::string* error)
      : words_(std::move(words)), error_(error) {}

  bool Fail(std::string text) { return SetError(error_, std::move(text)); }

  bool ArgumentCount(std::size_t least, std::size_t most) {
    const std::size_t given = words_.size() - 1;
    if (given >= least && given <= most) return true;
    return Fail("wrong number of arguments to \"" + std::string(words_[0]) + "\"; try \"help\"");
  }

  bool HasArgument(std::size_t index) const { return index < words_.size(); }
  std::string_view Word(std::size_t index) const { return words_[index]; }

  bool Unsigned(std::size_t index, std::uint64_t least, std::uint64_t most, std::uint64_t* value) {
    const auto parsed = ParseUnsigned(words_[index]);
    if (!parsed || *parsed < least || *parsed > most) {
      return Fail(Quoted(words_[index]) + " is not a whole number from " + FormatUnsigned(least) +
                  " to " + FormatUnsigned(most));
    }
    *value = *parsed;
    return true;
  }

  // FPS [MARK] from word `index` on.
  bool Velocity(std::size_t index, Mark default_mark, ConsoleCommand* command) {
    const auto velocity = ParseNumber(words_[index]);
    if (!velocity) return Fail(Quoted(words_[index]) + " is not a velocity");
    Mark mark = default_mark;
    if (HasArgument(index + 1)) {
      const auto parsed = ParseMark(words_[index + 1]);
      if (!parsed) return Fail("the mark is one of 1/2, 3 or 4");
      mark = *parsed;
    }
    std::string reason;
    const auto reading = ReadingForVelocity(*velocity, mark, &reason);
    if (!reading) return Fail(reason);
    command->reading = *reading;
    command->velocity_fps = *velocity;
    return true;
  }

  // COUNT [DIGITS] from word `index` on; without DIGITS, the count's own digits as written.
  bool Count(std::size_t index, ConsoleCommand* command) {
    const std::string_view text = words_[index];
    const auto count = ParseUnsigned(text);
    if (!count || text.find_first_not_of("0123456789") != std::string_view::npos) {
      return Fail(Quoted(text) + " is not a count");
    }
    std::uint64_t digits = text.size();
    if (HasArgument(index + 1) &&
        !Unsigned(index + 1, 1, static_cast<std::uint64_t>(kMaxReadingDigits), &digits)) {
      return false;
    }
    std::string reason;
    const auto reading = ReadingForCount(*count, static_cast<int>(digits), &reason);
    if (!reading) return Fail(reason);
    command->reading = *reading;
    return true;
  }

 private:
  std::vector<std::string_view> words_;
  std::string* error_;
};

// The arguments of one command, parsed into `command` (whose kind is set); false with the error
// told to the parser.
using ArgumentParser = bool (*)(Parser& parser, std::string_view line, Mark default_mark,
                                ConsoleCommand& command);

bool ParseVelocityShot(Parser& parser, std::string_view, Mark mark, ConsoleCommand& command) {
  return parser.ArgumentCount(1, 2) && parser.Velocity(1, mark, &command);
}

bool ParseCountShot(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  return parser.ArgumentCount(1, 2) && parser.Count(1, &command);
}

bool ParseFill(Parser& parser, std::string_view, Mark mark, ConsoleCommand& command) {
  return parser.ArgumentCount(2, 3) && parser.Unsigned(1, 1, kMaxRepeat, &command.repeat) &&
         parser.Velocity(2, mark, &command);
}

// The rest of the line, with escapes, as the command's bytes; `may_be_empty` for "tail".
bool ParseBytes(Parser& parser, std::string_view line, std::string_view name, bool may_be_empty,
                ConsoleCommand& command) {
  std::string reason;
  const auto bytes = UnescapeBytes(RestOfLine(line, name), &reason);
  if (!bytes) return parser.Fail(reason);
  if (bytes->empty() && !may_be_empty) return parser.Fail(std::string(name) + " needs some text");
  command.bytes = *bytes;
  return true;
}

bool ParseRaw(Parser& parser, std::string_view line, Mark, ConsoleCommand& command) {
  return ParseBytes(parser, line, "raw", false, command);
}

bool ParseTail(Parser& parser, std::string_view line, Mark, ConsoleCommand& command) {
  return ParseBytes(parser, line, "tail", true, command);
}

bool ParseByteCount(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  return parser.ArgumentCount(1, 1) && parser.Unsigned(1, 1, kMaxRepeat, &command.amount);
}

bool ParsePace(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  return parser.ArgumentCount(1, 1) && parser.Unsigned(1, 0, kMaxPaceMs, &command.amount);
}

bool ParseTab(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  command.on = parser.HasArgument(1) && parser.Word(1) == "on";
  return parser.ArgumentCount(1, 1) &&
         (command.on || parser.Word(1) == "off" || parser.Fail("tab on or tab off"));
}

bool ParseVersion(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  const bool ok = parser.ArgumentCount(1, 1) &&
                  (parser.Word(1).size() == 1 || parser.Fail("the version is a single character"));
  if (ok) command.letter = parser.Word(1)[0];
  return ok;
}

bool ParseDelay(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  ReplyDelays probe;
  const bool ok = parser.ArgumentCount(2, 2) &&
                  ((parser.Word(1).size() == 1 && DelayFor(probe, parser.Word(1)[0]) != nullptr) ||
                   parser.Fail("the command is one of p, t, b, B, r or n")) &&
                  parser.Unsigned(2, 0, kMaxDelayMs, &command.amount);
  if (ok) command.letter = parser.Word(1)[0];
  return ok;
}

bool ParseWait(Parser& parser, std::string_view, Mark, ConsoleCommand& command) {
  return parser.ArgumentCount(1, 1) && parser.Unsigned(1, 0, kMaxDelayMs, &command.amount);
}

bool ParseNoArguments(Parser& parser, std::string_view, Mark, ConsoleCommand&) {
  return parser.ArgumentCount(0, 0);
}

struct CommandSyntax {
  std::string_view name;
  CommandKind kind;
  ArgumentParser parse;
};

constexpr CommandSyntax kCommands[] = {
    {"shot", CommandKind::kShot, ParseVelocityShot},
    {"count", CommandKind::kShot, ParseCountShot},
    {"store", CommandKind::kStore, ParseVelocityShot},
    {"store-count", CommandKind::kStore, ParseCountShot},
    {"fill", CommandKind::kStore, ParseFill},
    {"raw", CommandKind::kRaw, ParseRaw},
    {"dump", CommandKind::kDump, ParseByteCount},
    {"noise", CommandKind::kNoise, ParseByteCount},
    {"tail", CommandKind::kTail, ParseTail},
    {"pace", CommandKind::kPace, ParsePace},
    {"tab", CommandKind::kTab, ParseTab},
    {"version", CommandKind::kVersion, ParseVersion},
    {"delay", CommandKind::kDelay, ParseDelay},
    {"wait", CommandKind::kWait, ParseWait},
    {"status", CommandKind::kStatus, ParseNoArguments},
    {"help", CommandKind::kHelp, ParseNoArguments},
    {"quit", CommandKind::kQuit, ParseNoArguments},
    {"exit", CommandKind::kQuit, ParseNoArguments},
};

}  // namespace

std::optional<ConsoleCommand> ParseConsoleCommand(std::string_view line, Mark default_mark,
                                                  std::string* error) {
  std::vector<std::string_view> words = SplitWords(line);
  ConsoleCommand command;
  if (words.empty()) return command;
  const std::string_view name = words[0];
  Parser parser(std::move(words), error);
  for (const CommandSyntax& syntax : kCommands) {
    if (syntax.name != name) continue;
    command.kind = syntax.kind;
    if (!syntax.parse(parser, line, default_mark, command)) return std::nullopt;
    return command;
  }
  parser.Fail("unknown command \"" + std::string(name) + "\"; try \"help\"");
  return std::nullopt;
}

std::string_view ConsoleHelp() {
  return R"(Commands (one a line; "#" starts a comment):
  shot FPS [MARK]             fire a shot at FPS feet per second; MARK is 1/2, 3 or 4
                              (default: --mark); the count assumes calibration 100
  count COUNT [DIGITS]        fire a shot with this count of timer ticks, zero-padded to
                              DIGITS digits (default: the digits as written, so
                              "count 001234" sends six)
  store FPS [MARK]            keep a shot in the tab without sending it, as if fired while
                              no computer listened; "n" from the computer sends it
  store-count COUNT [DIGITS]  the same with a count
  fill N FPS [MARK]           store N shots at once (the ring wraps after 4095 places)
  raw TEXT                    send TEXT as it is; escapes \r \n \t \\ \xHH
  dump N                      send N bytes of memory dump (0, 1, ... 255, 0, 1, ...)
  noise N                     send N bytes of line noise: random bytes, never CR or LF
  tail [TEXT]                 add TEXT (escapes as for raw) after every reply from now on;
                              without TEXT, replies end in CR LF again
  pace MS                     each byte takes MS ms on the line (1 is about 9600 baud): an
                              output goes out byte by byte and waits while the line is busy;
                              0 sends each output at once (the default)
  tab on|off                  plug the shot-memory tab in, or pull it out (no replies)
  version C                   answer "p" with the version character C
  delay CMD MS                reply to CMD (p, t, b, r or n; B goes with b) after MS ms
  status                      show the tab's counters and pointers and what was received
  wait MS                     pause for MS milliseconds (scripts only)
  help                        this list
  quit                        stop the simulator (also "exit")
)";
}

}  // namespace tarvik::sim
