// Tarvik's start-up and shutdown: the user's settings are loaded, the main window runs as a
// modal dialog for the whole run, and then the link, the store and the series are let go in
// that order.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/number_text.h"
#include "dialogs/app_state.h"
#include "dialogs/main_window.h"
#include "res/main_window_template.h"
#include "settings/settings_store.h"
#include "ui/qt_dialog.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_message_box.h"
#include "ui/qt_sound.h"
#include "ui/qt_text_viewer.h"
#include "ui/qt_windows.h"
#include "ui/ui_language.h"

#ifdef _WIN32
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_serial_port.h"
#include "platform/win32/win32_settings_key.h"
namespace platform = tarvik::win32;
using PlatformSerial = tarvik::win32::Win32SerialPlatform;
using PlatformFiles = tarvik::win32::Win32Files;
#else
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
namespace platform = tarvik::posix;
using PlatformSerial = tarvik::posix::PosixSerialPlatform;
using PlatformFiles = tarvik::posix::PosixFiles;
#endif

namespace {

constexpr std::string_view kUsage =
    "Usage: tarvik [--port NAME]\n"
    "Shows the shots of the qm-307 chronoscope on the serial port your settings name, or on\n"
    "NAME for this run (a device path such as /dev/ttyUSB0, COMn for /dev/ttyS(n-1), or a name\n"
    "under /dev).\n"
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
  std::string screenshot;
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

}  // namespace

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  const Options options = ParseOptions(argc, argv);
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }

  PlatformSerial serial;
  std::unique_ptr<tarvik::SettingsStore> store =
      tarvik::OpenSettingsStore(platform::OpenUserSettings());
  tarvik::AppState state(serial);
  tarvik::LoadSettings(*store, state.settings, state.last_shot);
  if (!options.port.empty()) state.settings.port_name = options.port;

  // These answer without a window, so they work where there is no display.
  if (options.list_ports || options.configured_port) {
    const std::string& configured = state.settings.port_name;
    const auto present = serial.EnumeratePorts(configured);
    if (options.configured_port) {
      std::cout << configured << "\n";
      return std::find(present.begin(), present.end(), configured) != present.end() ? 0 : 1;
    }
    for (const std::string& port : present) std::cout << port << "\n";
    return 0;
  }

  // The idle program's CPU is mostly the 20 ms timer's wake-ups, and Qt's own event dispatcher
  // serves them more cheaply than GLib's.
  if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  QApplication application(argc, argv);
  application.setApplicationName("Tarvik");
  application.setDesktopFileName("tarvik");
  QApplication::setWindowIcon(QIcon::fromTheme("tarvik"));
  state.language = tarvik::ui::UiLanguageFor(QLocale::system().uiLanguages());

  {
    // The window and its logic go before the link and the store they use.
    tarvik::ui::QtDialog dialog(tarvik::MainWindowTemplate(state.language),
                                &tarvik::MainMenuTemplate(state.language));
    tarvik::ui::QtMessageBox message_box(&dialog);
    tarvik::ui::QtSoundPlayer sound(
        tarvik::ui::SoundFolders(QApplication::applicationDirPath().toStdString()));
    tarvik::SystemClock clock;
    PlatformFiles files;
    tarvik::ui::QtTextViewer viewer;
    tarvik::ui::QtWindows windows(&dialog);
    tarvik::ui::QtFileDialogs file_dialogs(&dialog);
    tarvik::ui::QtHelpViewer help(&dialog, state.language);
    tarvik::MainWindow window(
        dialog, state,
        {*store, clock, sound, message_box, files, viewer, windows, file_dialogs, help});
    if (!options.screenshot.empty()) ScheduleScreenshot(dialog, options);
    if (options.measure_startup) {
      dialog.OnFirstPaint([&dialog, started] {
        const auto shown = std::chrono::steady_clock::now() - started;
        std::cout << std::chrono::duration_cast<std::chrono::milliseconds>(shown).count()
                  << std::endl;
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.EndDialog(0); });
      });
    }
    dialog.RunModal(window);
  }

  state.chronoscope.CloseLink();
  tarvik::CloseSettingsStore(store);
  state.series.ReleaseSeries();
  return 0;
}
