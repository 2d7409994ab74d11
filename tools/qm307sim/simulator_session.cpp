#include "qm307sim/simulator_session.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <random>
#include <utility>

#include "base/number_text.h"
#include "qm307sim/byte_text.h"

namespace tarvik::sim {
namespace {

using std::chrono::milliseconds;

// The longest the loop sleeps, so that a stop request is noticed quickly.
constexpr milliseconds kLongestSleep{200};

std::string ReadingWords(const Reading& reading) {
  std::string text = ReadingText(reading);
  text.resize(text.size() - 2);  // without CR LF
  return text;
}

}  // namespace

void LockedWriter::Write(std::string_view text) {
  std::lock_guard lock(mutex_);
  std::fwrite(text.data(), 1, text.size(), file_);
  std::fflush(file_);
}

std::optional<std::vector<ConsoleCommand>> LoadScript(const std::string& path, Mark default_mark,
                                                      std::string* error) {
  std::ifstream file(path);
  if (!file) {
    *error = path + ": cannot be read";
    return std::nullopt;
  }
  std::vector<ConsoleCommand> script;
  std::string line;
  for (std::int64_t number = 1; std::getline(file, line); ++number) {
    std::string reason;
    const auto command = ParseConsoleCommand(line, default_mark, &reason);
    if (!command) {
      *error = path + ":" + FormatInt(number) + ": " + reason;
      return std::nullopt;
    }
    if (command->kind != CommandKind::kNothing) script.push_back(*command);
  }
  return script;
}

SimulatorSession::SimulatorSession(PtyInstrument& instrument, const CliOptions& options,
                                   LockedWriter& out, LockedWriter& errors)
    : instrument_(instrument), options_(options), out_(out), errors_(errors) {
  if (options.auto_interval_s) {
    seed_ = options.seed ? *options.seed : std::random_device{}();
    generator_.emplace(options.mean_fps, options.spread_fps, seed_);
  }
}

int SimulatorSession::Run(std::vector<ConsoleCommand> script,
                          const std::function<bool()>& stop_requested) {
  script_ = std::move(script);
  script_resumes_ = Clock::now();
  next_shot_ = script_resumes_ + ShotInterval();
  input_open_ = options_.interactive;
  if (input_open_ && isatty(STDIN_FILENO) == 1) Print("Type \"help\" for the commands.\n");

  while (!stop_requested()) {
    if (const std::string error = instrument_.LineError(); !error.empty()) {
      errors_.Write("qm307-sim: " + error + "\n");
      return 1;
    }
    const Clock::time_point now = Clock::now();
    if (RunScript(now) == Step::kQuit) return 0;
    if (generator_ && now >= next_shot_) {
      FireAutomaticShot();
      // After a long stall, carry on from now rather than fire the missed shots in a burst.
      next_shot_ = std::max(next_shot_ + ShotInterval(), now);
      if (options_.noise_bytes > 0) next_noise_ = now + ShotInterval() / 2;
    }
    if (next_noise_ && now >= *next_noise_) {
      SendNoise(options_.noise_bytes);
      next_noise_.reset();
    }
    if (!ScriptRunning() && !generator_ && !input_open_ && !options_.keep_open) return 0;
    if (AwaitInput() == Step::kQuit) return 0;
  }
  return 0;
}

SimulatorSession::Clock::duration SimulatorSession::ShotInterval() const {
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(options_.auto_interval_s.value_or(1.0)));
}

bool SimulatorSession::ScriptRunning() const {
  // A script's last "wait" still holds the simulator.
  return script_index_ < script_.size() || Clock::now() < script_resumes_;
}

SimulatorSession::Step SimulatorSession::RunScript(Clock::time_point now) {
  while (script_index_ < script_.size() && now >= script_resumes_) {
    const ConsoleCommand& command = script_[script_index_++];
    if (command.kind == CommandKind::kWait) {
      script_resumes_ = now + milliseconds(command.amount);
      break;
    }
    if (Execute(command, /*from_script=*/true) == Step::kQuit) return Step::kQuit;
  }
  return Step::kGoOn;
}

SimulatorSession::Step SimulatorSession::AwaitInput() {
  const Clock::time_point now = Clock::now();
  Clock::time_point wake = now + kLongestSleep;
  if (generator_) wake = std::min(wake, next_shot_);
  if (next_noise_) wake = std::min(wake, *next_noise_);
  if (ScriptRunning()) wake = std::min(wake, script_resumes_);
  const auto timeout = std::max(milliseconds(0), std::chrono::ceil<milliseconds>(wake - now));
  if (!input_open_) {
    poll(nullptr, 0, static_cast<int>(timeout.count()));
    return Step::kGoOn;
  }
  std::vector<std::string> lines;
  input_open_ = ReadInput(timeout, &lines);
  for (const std::string& line : lines) {
    std::string reason;
    const auto command = ParseConsoleCommand(line, options_.mark, &reason);
    if (!command) {
      errors_.Write("error: " + reason + "\n");
    } else if (Execute(*command, /*from_script=*/false) == Step::kQuit) {
      return Step::kQuit;
    }
  }
  return Step::kGoOn;
}

SimulatorSession::Step SimulatorSession::Execute(const ConsoleCommand& command, bool from_script) {
  switch (command.kind) {
    case CommandKind::kNothing:
      break;
    case CommandKind::kShot:
    case CommandKind::kStore:
    case CommandKind::kRaw:
    case CommandKind::kDump:
    case CommandKind::kNoise:
      Send(command);
      break;
    case CommandKind::kTail:
    case CommandKind::kPace:
    case CommandKind::kTab:
    case CommandKind::kVersion:
    case CommandKind::kDelay:
      ChangeInstrument(command);
      break;
    case CommandKind::kStatus:
      out_.Write(StatusText());
      break;
    case CommandKind::kHelp:
      out_.Write(ConsoleHelp());
      break;
    case CommandKind::kWait:
      // A script's waits are handled by the loop; typed commands do not wait.
      if (!from_script) errors_.Write("error: \"wait\" is for scripts\n");
      break;
    case CommandKind::kQuit:
      return Step::kQuit;
  }
  return Step::kGoOn;
}

void SimulatorSession::Send(const ConsoleCommand& command) {
  switch (command.kind) {
    case CommandKind::kShot: {
      instrument_.SendShot(command.reading);
      std::string text = "sent " + ReadingWords(command.reading);
      if (command.velocity_fps) text += " (" + FormatFixed(*command.velocity_fps, 1) + " fps)";
      Print(text + "\n");
      break;
    }
    case CommandKind::kStore:
      for (std::uint64_t i = 0; i < command.repeat; ++i) {
        if (!instrument_.StoreShot(command.reading)) {
          errors_.Write("error: no tab is plugged in; nothing stored\n");
          return;
        }
      }
      Print("stored " + FormatUnsigned(command.repeat) + " x " + ReadingWords(command.reading) +
            "; buffered " + FormatUnsigned(instrument_.Tab().buffered) + "\n");
      break;
    case CommandKind::kRaw:
      instrument_.SendRaw(command.bytes);
      Print("sent " + EscapeBytes(command.bytes) + "\n");
      break;
    case CommandKind::kDump:
      instrument_.SendDump(command.amount);
      Print("sent " + FormatUnsigned(command.amount) + " dump bytes\n");
      break;
    default:
      SendNoise(command.amount);
      break;
  }
}

void SimulatorSession::ChangeInstrument(const ConsoleCommand& command) {
  InstrumentOptions options = instrument_.options();
  const auto ms = milliseconds(static_cast<milliseconds::rep>(command.amount));
  switch (command.kind) {
    case CommandKind::kTail:
      options.reply_tail = command.bytes;
      break;
    case CommandKind::kPace:
      options.byte_time = ms;
      break;
    case CommandKind::kTab:
      options.tab_present = command.on;
      break;
    case CommandKind::kVersion:
      options.version_char = command.letter;
      break;
    default:
      *DelayFor(options.delays, command.letter) = ms;
      break;
  }
  instrument_.SetOptions(options);
}

void SimulatorSession::SendNoise(std::uint64_t count) {
  const std::string noise = NoiseBytes(count, seed_ + noise_sent_++);
  instrument_.SendRaw(noise);
  Print("sent noise " + EscapeBytes(noise) + "\n");
}

void SimulatorSession::FireAutomaticShot() {
  const double velocity = generator_->Next();
  std::string reason;
  const auto reading = ReadingForVelocity(velocity, options_.mark, &reason);
  if (!reading) {
    errors_.Write("error: automatic shot at " + FormatFixed(velocity, 1) + " fps: " + reason +
                  "\n");
    return;
  }
  instrument_.SendShot(*reading);
  Print("auto " + ReadingWords(*reading) + " (" + FormatFixed(velocity, 1) + " fps)\n");
}

bool SimulatorSession::ReadInput(milliseconds timeout, std::vector<std::string>* lines) {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  const int ready = poll(&input, 1, static_cast<int>(timeout.count()));
  if (ready <= 0) return true;  // nothing yet, or a signal
  char bytes[4096];
  const ssize_t count = read(STDIN_FILENO, bytes, sizeof bytes);
  if (count < 0 && errno == EINTR) return true;
  if (count <= 0) {
    if (!partial_input_.empty()) lines->push_back(std::exchange(partial_input_, {}));
    return false;
  }
  partial_input_.append(bytes, static_cast<std::size_t>(count));
  std::size_t end;
  while ((end = partial_input_.find('\n')) != std::string::npos) {
    lines->push_back(partial_input_.substr(0, end));
    partial_input_.erase(0, end + 1);
  }
  return true;
}

void SimulatorSession::Print(const std::string& text) {
  if (!options_.quiet) out_.Write(text);
}

std::string SimulatorSession::StatusText() const {
  const TabStatus tab = instrument_.Tab();
  const InstrumentOptions options = instrument_.options();
  auto ms = [](milliseconds value) { return FormatInt(value.count()) + " ms"; };
  std::string text = "tab " + std::string(options.tab_present ? "on" : "off") + ", version " +
                     std::string(1, options.version_char) + "\n";
  text += "stored " + FormatUnsigned(tab.stored) + ", fired " + FormatUnsigned(tab.fired) +
          ": next 0x" + HexText(tab.next, 4) + ", empty 0x" + HexText(tab.empty, 4) +
          ", buffered " + FormatUnsigned(tab.buffered) + ", previous " +
          FormatUnsigned(tab.previous) + "\n";
  const ReplyDelays& delays = options.delays;
  text += "delays: p " + ms(delays.version) + ", t " + ms(delays.pointers) + ", b/B " +
          ms(delays.back) + ", r " + ms(delays.reset) + ", n " + ms(delays.fire) + "\n";
  text += "replies end in CR LF" +
          (options.reply_tail.empty() ? std::string() : " and " + EscapeBytes(options.reply_tail)) +
          "; each byte takes " + ms(options.byte_time) + " on the line\n";
  const std::string received = instrument_.Received();
  const std::size_t shown = std::min<std::size_t>(40, received.size());
  text += "received " + FormatUnsigned(received.size()) +
          " bytes; the last: " + EscapeBytes(received.substr(received.size() - shown)) + "\n";
  if (generator_) text += "automatic shots, seed " + FormatUnsigned(seed_) + "\n";
  return text;
}

}  // namespace tarvik::sim
