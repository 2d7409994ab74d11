// Tarvik on Linux: the options, the debug log, the POSIX services and the Qt windows over the
// run that AppSession shares with the Windows program.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/debug_log.h"
#include "base/number_text.h"
#include "dialogs/app_session.h"
#include "dialogs/main_window.h"
#include "history/export_command.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_history_folder.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
#include "platform/stream_debug_log.h"
#include "res/main_window_template.h"
#include "ui/qt_dialog.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_message_box.h"
#include "ui/qt_sound.h"
#include "ui/qt_text_viewer.h"
#include "ui/qt_windows.h"
#include "ui/ui_language.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: tarvik [--port NAME] [--debug]\n"
    "       tarvik --export FILE.csv\n"
    "Shows the shots of the qm-307 chronoscope on the serial port your settings name, or on\n"
    "NAME for this run (a device path such as /dev/ttyUSB0, COMn for /dev/ttyS(n-1), or a name\n"
    "under /dev).\n"
    "  --debug               tell on standard error why a setting, a port, a sound or a file\n"
    "                        failed (or set TARVIK_DEBUG to 1, or to a file to append to)\n"
    "  --export FILE.csv     write every string of the history to FILE.csv and exit, without\n"
    "                        a window or a port; also while another Tarvik records\n"
    "For developers and scripts:\n"
    "  --list-ports          print the serial ports present and exit\n"
    "  --configured-port     print the port your settings name; succeed when it is present\n"
    "  --screenshot FILE     after --after seconds (default 5), save a picture of the main\n"
    "                        window as FILE (PNG) and close the program\n"
    "  --after SECONDS\n"
    "  --measure-startup     print the milliseconds from start to the main window shown, exit\n";

struct Options {
  std::string port;
  bool list_ports = false;
  bool configured_port = false;
  bool measure_startup = false;
  bool help = false;
  bool debug = false;
  std::string screenshot;
  std::optional<std::string> export_file;
  double after_seconds = 5.0;
};

// The program's own options; anything else is left to Qt ("-platform offscreen", ...).
Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool has_value = i + 1 < argc;
    if (argument == "--list-ports") {
      options.list_ports = true;
    } else if (argument == "--configured-port") {
      options.configured_port = true;
    } else if (argument == "--measure-startup") {
      options.measure_startup = true;
    } else if (argument == "--help") {
      options.help = true;
    } else if (argument == "--debug") {
      options.debug = true;
    } else if (argument == "--export") {
      options.export_file = has_value ? argv[++i] : "";
    } else if (argument == "--port" && has_value) {
      options.port = argv[++i];
    } else if (argument == "--screenshot" && has_value) {
      options.screenshot = argv[++i];
    } else if (argument == "--after" && has_value) {
      options.after_seconds = std::clamp(tarvik::ParseDecimal(argv[++i]), 0.0, 3600.0);
    }
  }
  return options;
}

// Pictures the window and closes the program once it has run for a while.
void ScheduleScreenshot(tarvik::ui::QtDialog& window, const Options& options) {
  const auto after =
      std::chrono::milliseconds(static_cast<long long>(options.after_seconds * 1000));
  QTimer::singleShot(after, &window, [&window, file = options.screenshot] {
    window.grab().save(QString::fromStdString(file), "PNG");
    std::cout << file << std::endl;
    window.EndDialog(0);
  });
}

// Prints the milliseconds from `started` to the window's first paint, and closes the program.
void MeasureStartup(tarvik::ui::QtDialog& dialog, std::chrono::steady_clock::time_point started) {
  dialog.OnFirstPaint([&dialog, started] {
    const auto shown = std::chrono::steady_clock::now() - started;
    std::cout << std::chrono::duration_cast<std::chrono::milliseconds>(shown).count() << std::endl;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.EndDialog(0); });
  });
}

// --list-ports and --configured-port: the ports present, or the configured port and whether it
// is present.
int ListPorts(tarvik::SerialPlatform& serial, const std::string& configured, bool configured_only) {
  const auto present = serial.EnumeratePorts(configured);
  if (configured_only) {
    std::cout << configured << "\n";
    return std::find(present.begin(), present.end(), configured) != present.end() ? 0 : 1;
  }
  for (const std::string& port : present) std::cout << port << "\n";
  return 0;
}

// --export FILE: the whole history into FILE; no settings, window or port are touched.
int ExportHistory(const std::string& file, const tarvik::DebugLog& log) {
  tarvik::posix::PosixHistoryFolder history(tarvik::posix::UserHistoryPath(), log);
  tarvik::posix::PosixFiles files(log);
  const tarvik::ExportOutcome outcome = tarvik::ExportHistoryCommand(history, files, file);
  if (!outcome.message.empty()) std::cerr << outcome.message << std::endl;
  return outcome.exit_code;
}

// The main window over its Qt window and the services, until it closes; the windows are gone
// before the session lets go of the link and the store they use.
void RunMainWindow(tarvik::AppState& state, tarvik::SettingsStore& store, const Options& options,
                   std::chrono::steady_clock::time_point started, const tarvik::DebugLog& log) {
  namespace ui = tarvik::ui;
  ui::QtDialog dialog(tarvik::MainWindowTemplate(state.language),
                      &tarvik::MainMenuTemplate(state.language));
  ui::QtMessageBox message_box(&dialog);
  ui::QtSoundPlayer sound(ui::SoundFolders(QApplication::applicationDirPath().toStdString()), log);
  tarvik::SystemClock clock;
  tarvik::posix::PosixFiles files(log);
  tarvik::posix::PosixHistoryFolder history(tarvik::posix::UserHistoryPath(), log);
  ui::QtTextViewer viewer(log);
  ui::QtWindows windows(&dialog);
  ui::QtFileDialogs file_dialogs(&dialog);
  ui::QtHelpViewer help(&dialog, state.language);
  tarvik::MainWindow window(
      dialog, state,
      {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help, history});
  if (!options.screenshot.empty()) ScheduleScreenshot(dialog, options);
  if (options.measure_startup) MeasureStartup(dialog, started);
  dialog.RunModal(window);
}

}  // namespace

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  const Options options = ParseOptions(argc, argv);
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }

  const std::unique_ptr<tarvik::DebugLog> log =
      tarvik::OpenDebugLog(tarvik::ChooseDebugLog(std::getenv("TARVIK_DEBUG"), options.debug));
  if (options.export_file) return ExportHistory(*options.export_file, *log);
  tarvik::posix::PosixSerialPlatform serial(*log);
  tarvik::AppSession session(serial, tarvik::posix::OpenUserSettings(*log), options.port);

  // These answer without a window, so they work where there is no display.
  if (options.list_ports || options.configured_port) {
    return ListPorts(serial, session.state().settings.port_name, options.configured_port);
  }

  // The idle program's CPU is mostly the 20 ms timer's wake-ups, and Qt's own event dispatcher
  // serves them more cheaply than GLib's.
  if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  QApplication application(argc, argv);
  application.setApplicationName("Tarvik");
  application.setDesktopFileName("tarvik");
  QApplication::setWindowIcon(QIcon::fromTheme("tarvik"));
  return session.Run(tarvik::ui::UiLanguageFor(QLocale::system().uiLanguages()),
                     [&](tarvik::AppState& state, tarvik::SettingsStore& store) {
                       RunMainWindow(state, store, options, started, *log);
                     });
}
