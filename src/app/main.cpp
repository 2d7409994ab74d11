// Tarvik's entry point. Until the main window is built, Tarvik runs as a console monitor: it
// opens the instrument's port, polls it every 20 ms like the main window's timer, and prints
// every shot with the running averages.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/console_report.h"
#include "app/instrument_poll.h"
#include "app/text_view.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "base/sound.h"
#include "link/shot_hooks.h"

#ifdef _WIN32
#include "platform/win32/win32_serial_port.h"
using PlatformSerial = tarvik::win32::Win32SerialPlatform;
#else
#include "platform/posix/posix_serial_port.h"
using PlatformSerial = tarvik::posix::PosixSerialPlatform;
#endif

namespace {

volatile std::sig_atomic_t stop_requested = 0;

void RequestStop(int) { stop_requested = 1; }

class ConsoleMessageBox final : public tarvik::MessageBoxView {
 public:
  void ShowMessage(std::string_view text, std::string_view) override {
    std::cerr << text << std::endl;
  }
};

// Prints each shot once its steps have run: the statistics notice comes after the averages.
class ConsoleShotHooks final : public tarvik::ShotHooks {
 public:
  ConsoleShotHooks(const tarvik::DialogView& view, const bool& metric)
      : view_(view), metric_(metric) {}
  void WriteSettingText(std::string_view, std::string_view) override {}
  void InvalidateBigDisplay() override {}
  void AppendLogLine(double, double) override {}
  void NotifyStatistics() override {
    std::cout << tarvik::ShotReportLine(view_, metric_) << std::endl;
  }

 private:
  const tarvik::DialogView& view_;
  const bool& metric_;
};

constexpr int kPollPeriodMs = 20;

void PrintUsage() {
  std::cout
      << "Usage: tarvik [--port NAME] [--metric] [--weight GRAINS] [--list-ports]\n"
         "Prints every shot the instrument on the serial port NAME reports.\n"
         "NAME is a device path (/dev/ttyUSB0), COMn (/dev/ttyS(n-1)) or a name under /dev.\n";
}

}  // namespace

int main(int argc, char** argv) {
  tarvik::AppState state;
  bool list_ports = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      state.settings.port_name = argv[++i];
    } else if (arg.substr(0, 7) == "--port=") {
      state.settings.port_name = std::string(arg.substr(7));
    } else if (arg == "--weight" && i + 1 < argc) {
      state.settings.weight = tarvik::ParseDecimal(argv[++i]);
    } else if (arg == "--metric") {
      state.settings.metric = true;
    } else if (arg == "--list-ports") {
      list_ports = true;
    } else {
      PrintUsage();
      return arg == "--help" ? 0 : 2;
    }
  }

  PlatformSerial platform;
  if (list_ports) {
    for (const std::string& port : platform.EnumeratePorts(state.settings.port_name)) {
      std::cout << port << "\n";
    }
    return 0;
  }

  state.current_link = tarvik::OpenSerialLink(platform, state.settings.port_name);
  if (!state.current_link->open) {
    ConsoleMessageBox box;
    tarvik::ReportSerialFailure(*state.current_link, state.settings.port_name, state.language, box);
    tarvik::CloseSerialLink(state.current_link);
    return 1;
  }
  std::cout << "Tarvik: listening to the chronoscope on " << state.settings.port_name
            << " (Ctrl+C ends)" << std::endl;

  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  tarvik::TextView view;
  ConsoleShotHooks hooks(view, state.settings.metric);
  tarvik::SystemClock clock;
  tarvik::SilentSoundPlayer sound;
  tarvik::ShotContext context = tarvik::MakeShotContext(state, view, hooks, clock, sound);
  while (stop_requested == 0) {
    tarvik::PollInstrument(state, context);
    clock.SleepMs(kPollPeriodMs);
  }
  tarvik::CloseSerialLink(state.current_link);
  state.series.ReleaseSeries();
  return 0;
}
