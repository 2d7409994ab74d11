// Tarvik's entry point. Until the main window is built, Tarvik runs as a console monitor: the
// main window's logic runs against a window kept in memory, its timer is ticked every 20 ms, and
// every shot is printed with the running averages.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "app/console_report.h"
#include "app/text_dialog.h"
#include "base/clock.h"
#include "base/number_text.h"
#include "base/sound.h"
#include "dialogs/app_state.h"
#include "dialogs/main_window.h"

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

// The console monitor keeps no settings between runs.
class UnsavedSettings final : public tarvik::SettingsWriter {
 public:
  void WriteSettingText(std::string_view, std::string_view) override {}
  void WriteSettingBool(std::string_view, bool) override {}
  void WriteSettingDword(std::string_view, std::int32_t) override {}
};

void PrintUsage() {
  std::cout
      << "Usage: tarvik [--port NAME] [--metric] [--weight GRAINS] [--list-ports]\n"
         "Prints every shot the instrument on the serial port NAME reports.\n"
         "NAME is a device path (/dev/ttyUSB0), COMn (/dev/ttyS(n-1)) or a name under /dev.\n";
}

}  // namespace

int main(int argc, char** argv) {
  PlatformSerial platform;
  tarvik::AppState state(platform);
  bool list_ports = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      state.settings.port_name = argv[++i];
    } else if (arg.starts_with("--port=")) {
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

  if (list_ports) {
    for (const std::string& port : platform.EnumeratePorts(state.settings.port_name)) {
      std::cout << port << "\n";
    }
    return 0;
  }

  tarvik::TextDialog surface;
  UnsavedSettings store;
  tarvik::SystemClock clock;
  tarvik::SilentSoundPlayer sound;
  ConsoleMessageBox message_box;
  tarvik::MainWindow window(surface, state, {store, clock, sound, message_box});
  window.set_shot_observer([&surface](const tarvik::Shot&) {
    std::cout << tarvik::ShotReportLine(surface) << std::endl;
  });
  window.Initialize();
  if (!state.chronoscope.IsOpen()) return 1;
  std::cout << "Tarvik: listening to the chronoscope on " << state.settings.port_name
            << " (Ctrl+C ends)" << std::endl;

  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  while (stop_requested == 0) {
    window.Tick(tarvik::MainWindow::kTimerId);
    clock.SleepMs(tarvik::MainWindow::kTimerPeriodMs);
  }
  window.Destroyed();
  state.chronoscope.CloseLink();
  state.series.ReleaseSeries();
  return 0;
}
