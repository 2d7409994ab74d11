// qm307-sim: a simulated qm-307 chronoscope on a pseudo-terminal. See CliUsage() for the
// command line.
#include <signal.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qm307sim/cli_options.h"
#include "qm307sim/console_command.h"
#include "qm307sim/device_link.h"
#include "qm307sim/pty_instrument.h"
#include "qm307sim/simulator_session.h"

namespace {

using tarvik::sim::CliOptions;
using tarvik::sim::LockedWriter;

// Set by SIGINT and SIGTERM; the main loop looks at it at least every 200 ms.
volatile std::sig_atomic_t stop_signalled = 0;

void OnStopSignal(int) { stop_signalled = 1; }

void InstallSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting poll() returns at once
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A trace or output pipe whose reader went away must not kill the instrument.
  signal(SIGPIPE, SIG_IGN);
}

// Keeps SIGINT and SIGTERM away from threads started meanwhile, so that they reach the main
// thread, whose loop is the one that stops.
class StopSignalsBlocked {
 public:
  StopSignalsBlocked() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, &previous_);
  }
  ~StopSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  StopSignalsBlocked(const StopSignalsBlocked&) = delete;
  StopSignalsBlocked& operator=(const StopSignalsBlocked&) = delete;

 private:
  sigset_t previous_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Where the trace of the line goes: nowhere, standard output ("-"), or a file of its own.
class Trace {
 public:
  // False, with the reason told on `errors`, when the file cannot be written.
  bool Open(const std::string& path, LockedWriter& out, LockedWriter& errors) {
    if (path == "-") {
      writer_ = &out;
    } else if (!path.empty()) {
      file_.reset(std::fopen(path.c_str(), "w"));
      if (file_ == nullptr) {
        errors.Write("qm307-sim: " + path + ": cannot be written\n");
        return false;
      }
      file_writer_ = std::make_unique<LockedWriter>(file_.get());
      writer_ = file_writer_.get();
    }
    return true;
  }
  LockedWriter* writer() const { return writer_; }

 private:
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::unique_ptr<LockedWriter> file_writer_;
  LockedWriter* writer_ = nullptr;
};

// The instrument on a new pseudo-terminal, tracing to `trace` when there is one; nothing, with
// the reason told on `errors`, when no pseudo-terminal can be had.
std::unique_ptr<tarvik::sim::PtyInstrument> StartInstrument(const CliOptions& options,
                                                            LockedWriter* trace,
                                                            LockedWriter& errors) {
  tarvik::sim::PtyOptions pty_options;
  pty_options.instrument = options.instrument;
  pty_options.drop_unread_after = options.drop_unread_after;
  if (trace != nullptr) {
    pty_options.trace = [trace](tarvik::sim::Millis time, tarvik::sim::Direction direction,
                                std::string_view bytes) {
      trace->Write(tarvik::sim::TraceLines(time, direction, bytes));
    };
  }
  std::string error;
  std::unique_ptr<tarvik::sim::PtyInstrument> instrument;
  {
    const StopSignalsBlocked blocked;
    instrument = tarvik::sim::PtyInstrument::Start(pty_options, &error);
  }
  if (instrument == nullptr) errors.Write("qm307-sim: no pseudo-terminal: " + error + "\n");
  return instrument;
}

int Run(const CliOptions& options) {
  LockedWriter out(stdout);
  LockedWriter errors(stderr);

  std::vector<tarvik::sim::ConsoleCommand> script;
  if (!options.script_path.empty()) {
    std::string error;
    auto loaded = tarvik::sim::LoadScript(options.script_path, options.mark, &error);
    if (!loaded) {
      errors.Write("qm307-sim: " + error + "\n");
      return 2;
    }
    script = std::move(*loaded);
  }
  Trace trace;
  if (!trace.Open(options.trace_path, out, errors)) return 1;
  const std::unique_ptr<tarvik::sim::PtyInstrument> instrument =
      StartInstrument(options, trace.writer(), errors);
  if (instrument == nullptr) return 1;
  std::unique_ptr<tarvik::sim::DeviceLink> link;
  if (!options.link_path.empty()) {
    std::string error;
    link = tarvik::sim::DeviceLink::Create(options.link_path, instrument->device_path(), &error);
    if (link == nullptr) {
      errors.Write("qm307-sim: " + error + "\n");
      return 1;
    }
  }
  // Printed last, so that a reader of this line finds the device and the link ready.
  out.Write(instrument->device_path() + "\n");

  tarvik::sim::SimulatorSession session(*instrument, options, out, errors);
  const int status = session.Run(std::move(script), [] { return stop_signalled != 0; });
  // The thread writes trace lines: stop it before the trace file closes.
  instrument->Stop();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  std::string error;
  const auto options = tarvik::sim::ParseCliOptions(arguments, &error);
  if (!options) {
    std::fputs(("qm307-sim: " + error + "\nTry \"qm307-sim --help\".\n").c_str(), stderr);
    return 2;
  }
  if (options->help) {
    std::fputs(std::string(tarvik::sim::CliUsage()).c_str(), stdout);
    std::fputs("\n", stdout);
    std::fputs(std::string(tarvik::sim::ConsoleHelp()).c_str(), stdout);
    return 0;
  }
  InstallSignalHandlers();
  return Run(*options);
}
