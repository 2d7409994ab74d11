// The real main window as the program builds it from its templates, shown rather than modal, over
// the real settings file in a temporary folder, with the simulated instrument on a
// pseudo-terminal as its port. Shared by the window tests and the stress tests.
#ifndef TARVIK_TESTS_UI_MAIN_WINDOW_FIXTURE_H_
#define TARVIK_TESTS_UI_MAIN_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/number_text.h"
#include "dialogs/main_window.h"
#include "doubles/quiet_services.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_serial_port.h"
#include "platform/posix/posix_settings_file.h"
#include "qm307sim/pty_instrument.h"
#include "qm307sim/reading.h"
#include "res/main_window_template.h"
#include "settings/settings_store.h"
#include "ui/qt_dialog.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_windows.h"

namespace tarvik::ui {

// The ports of the machine, and the simulated instrument's as if it were plugged in.
class PlatformWithSimulator : public SerialPlatform {
 public:
  PortOpenResult OpenPort(std::string_view port_name) override {
    ++opens;
    return machine_.OpenPort(port_name);
  }
  std::vector<std::string> EnumeratePorts(std::string_view configured) override {
    std::vector<std::string> ports = machine_.EnumeratePorts(configured);
    if (!simulator.empty() && configured != simulator) ports.push_back(simulator);
    return ports;
  }
  std::string simulator;
  int opens = 0;  // opens and tries to open again

 private:
  posix::PosixSerialPlatform machine_;
};

class MainWindowUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    instrument_ = sim::PtyInstrument::Start({}, &error);
    ASSERT_NE(instrument_, nullptr) << error;
    std::filesystem::create_directories(folder_);
    state_.settings.port_name = instrument_->device_path();
  }
  void TearDown() override {
    if (window_ != nullptr) window_->Destroyed();
    std::filesystem::remove_all(folder_);
  }

  // Builds the window in the language's layout as the program does, but shown rather than modal.
  void Open(UiLanguage language) {
    state_.language = language;
    dialog_ = std::make_unique<QtDialog>(MainWindowTemplate(language), &MainMenuTemplate(language));
    windows_ = std::make_unique<QtWindows>(dialog_.get());
    help_ = std::make_unique<QtHelpViewer>(dialog_.get(), language);
    window_ = std::make_unique<MainWindow>(
        *dialog_, state_,
        MainWindowServices{store_, clock_, quiet_.sound, quiet_.message_box, files_, quiet_.viewer,
                           *windows_, quiet_.file_dialogs, *help_,
                           history_ ? *history_ : quiet_.history});
    dialog_->Attach(window_.get());
    window_->Initialize();
    dialog_->show();
  }

  std::string Text(MainWindowId id) const { return dialog_->GetItemText(static_cast<int>(id)); }
  void Trigger(MainWindowId command) { dialog_->MenuAction(static_cast<int>(command))->trigger(); }

  // The instrument sends a reading; the window shows it within a few ticks.
  void Shoot(std::uint64_t count, int digits, const std::string& shots_after) {
    instrument_->SendShot(*sim::ReadingForCount(count, digits));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Text(MainWindowId::kShotCount) == shots_after; }, 3000));
  }

  // The shown top-level window of type W (named `name`, when given).
  template <typename W>
  static W* Shown(const QString& name = {}) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* window = dynamic_cast<W*>(widget);
      if (window && window->isVisible() && (name.isEmpty() || name == window->objectName())) {
        return window;
      }
    }
    return nullptr;
  }

  static void SavePicture(QWidget& window, const std::string& name) {
    if (const char* folder = std::getenv("TARVIK_PICTURES")) {
      window.grab().save(QString::fromStdString(std::string(folder) + "/" + name));
    }
  }

  // The settings as the next run finds them.
  SettingsStore NextRun() const {
    return SettingsStore(std::make_unique<posix::SettingsFile>((folder_ / "Tarvik.reg").string()));
  }

  std::unique_ptr<sim::PtyInstrument> instrument_;
  const std::filesystem::path folder_ =
      std::filesystem::path(::testing::TempDir()) / ("tarvik-ui-" + FormatInt(::getpid()));
  PlatformWithSimulator serial_;
  AppState state_{serial_};
  SettingsStore store_{NextRun()};
  SystemClock clock_;
  posix::PosixFiles files_;
  testing::QuietServices quiet_;  // the sounds, messages, log viewer and file chooser
  // The history on the disk, when a test sets one; otherwise in memory. It outlives the window,
  // whose recorder closes its string into it as it goes.
  std::unique_ptr<HistoryFolder> history_;
  std::unique_ptr<QtDialog> dialog_;
  std::unique_ptr<QtWindows> windows_;
  std::unique_ptr<QtHelpViewer> help_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tarvik::ui

#endif  // TARVIK_TESTS_UI_MAIN_WINDOW_FIXTURE_H_
