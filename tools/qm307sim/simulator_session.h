// The qm307-sim program's main loop: runs the script, fires the automatic shots and carries out
// the commands typed on standard input, all against one instrument on a pseudo-terminal.
#ifndef TARVIK_TOOLS_QM307SIM_SIMULATOR_SESSION_H_
#define TARVIK_TOOLS_QM307SIM_SIMULATOR_SESSION_H_

#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qm307sim/cli_options.h"
#include "qm307sim/console_command.h"
#include "qm307sim/pty_instrument.h"
#include "qm307sim/shot_generator.h"

namespace tarvik::sim {

// Writes whole texts, from several threads, without mixing their lines; flushes each.
class LockedWriter {
 public:
  explicit LockedWriter(std::FILE* file) : file_(file) {}
  void Write(std::string_view text);

 private:
  std::mutex mutex_;
  std::FILE* file_;
};

// Reads and checks a whole script before the instrument starts, so that a mistake on its last
// line is reported before anything runs. Errors read "FILE:LINE: reason".
std::optional<std::vector<ConsoleCommand>> LoadScript(const std::string& path, Mark default_mark,
                                                      std::string* error);

class SimulatorSession {
 public:
  SimulatorSession(PtyInstrument& instrument, const CliOptions& options, LockedWriter& out,
                   LockedWriter& errors);

  // Runs until "quit", until `stop_requested` says so, or until no mode has anything left to
  // do (see --help). Returns the exit status.
  int Run(std::vector<ConsoleCommand> script, const std::function<bool()>& stop_requested);

 private:
  using Clock = std::chrono::steady_clock;
  enum class Step { kGoOn, kQuit };

  Clock::duration ShotInterval() const;
  bool ScriptRunning() const;
  // Carries out the script's commands up to its next wait that has not ended by `now`.
  Step RunScript(Clock::time_point now);
  // Sleeps until the next shot or script step is due, or a little while, taking the commands
  // typed meanwhile.
  Step AwaitInput();
  Step Execute(const ConsoleCommand& command, bool from_script);
  // The commands that send something on the line, and those that change the instrument.
  void Send(const ConsoleCommand& command);
  void ChangeInstrument(const ConsoleCommand& command);
  void FireAutomaticShot();
  void SendNoise(std::uint64_t count);
  // Reads what standard input has; false at its end.
  bool ReadInput(std::chrono::milliseconds timeout, std::vector<std::string>* lines);
  void Print(const std::string& text);
  std::string StatusText() const;

  PtyInstrument& instrument_;
  const CliOptions& options_;
  LockedWriter& out_;
  LockedWriter& errors_;
  std::optional<ShotGenerator> generator_;
  std::uint64_t seed_ = 0;
  std::vector<ConsoleCommand> script_;
  std::size_t script_index_ = 0;  // the next script command to run
  Clock::time_point script_resumes_;
  Clock::time_point next_shot_;
  std::optional<Clock::time_point> next_noise_;  // halfway to the next automatic shot
  std::uint64_t noise_sent_ = 0;                 // noise bursts so far, each of its own seed
  bool input_open_ = false;                      // interactive and standard input not ended
  std::string partial_input_;                    // a line typed without its end yet
};

}  // namespace tarvik::sim

#endif  // TARVIK_TOOLS_QM307SIM_SIMULATOR_SESSION_H_
