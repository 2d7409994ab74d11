// The main window's behaviour: its creation and refresh, the 20 ms timer that polls the
// instrument, the steps of each shot, the command table and the weight field. The memory tab's
// exchanges and schedule are the TabController's, the windows beside it the SideWindows'. It
// writes only to its own DialogView; every figure it shows comes as a value from the measurement
// code.
//
// Everything runs on the GUI thread and nothing is locked. The 20 ms timer keeps ticking inside
// the nested event loops of modal windows (the configuration sheet, the About box, the memory
// snap, message boxes), so shots are decoded while they are up; none of those windows is ever
// opened from within a tick.
#ifndef TARVIK_DIALOGS_MAIN_WINDOW_H_
#define TARVIK_DIALOGS_MAIN_WINDOW_H_

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "base/dialog_view.h"
#include "base/file_dialog.h"
#include "base/files.h"
#include "base/help_viewer.h"
#include "base/message_box.h"
#include "base/sound.h"
#include "dialogs/app_state.h"
#include "dialogs/history_window.h"
#include "dialogs/shot_recording.h"
#include "dialogs/side_windows.h"
#include "dialogs/tab_controller.h"
#include "dialogs/window_factory.h"
#include "history/history_folder.h"
#include "link/reading.h"
#include "measure/shot.h"
#include "res/main_window_ids.h"
#include "settings/held_settings.h"
#include "settings/settings_store.h"

namespace tarvik {

// What the main window reaches outside the process's records; all of it outlives the window.
struct MainWindowServices {
  SettingsStore& store;
  Clock& clock;
  SoundPlayer& sound;
  MessageBoxView& message_box;  // shows its boxes over the main window
  Files& files;                 // the shot log and the memory snap's file
  TextFileViewer& viewer;       // shows the shot log
  WindowFactory& windows;       // the windows opened over and beside the main window
  FileDialogs& file_dialogs;    // "Browse" in the configuration sheet
  HelpViewer& help;
  HistoryFolder& history;  // where the strings are kept
};

class MainWindow final : public DialogLogic<MainWindowId> {
 public:
  static constexpr int kTimerId = 1;
  // Shows what the history must tell the user, once the tick that found it is over.
  static constexpr int kNoticeTimerId = 2;
  static constexpr int kTimerPeriodMs = 20;
  // Idle ticks between two looks at the memory tab: it is queried on the 51st.
  static constexpr int kIdleTicksPerTabRefresh = TabController::kIdleTicksPerLook;
  static constexpr int kSoundPauseMs = 200;

  MainWindow(DialogSurface& surface, AppState& state, const MainWindowServices& services);

  // Greys the Tab group until the tab answers, opens the configured port (reporting a failure
  // once) and refreshes every field.
  void Initialize() override;
  // Reads and decodes what the port holds, completes each shot, and looks at the memory tab on
  // the tick after a shot or on every 51st idle tick. While the memory snap runs, the port is the
  // snap's. A tick that arrives while one is running (from a nested event loop somewhere below it)
  // is dropped, so a shot's steps are never interrupted by the decoding of the next.
  void Tick(int timer_id) override;
  // Only the caption's close button, the system menu and Alt+F4 close the window; Enter and
  // Escape arrive as commands and do nothing.
  void CloseRequested() override;
  void Destroyed() override;
  void HelpRequested(int control, HelpGesture gesture) override;

  // Told after each shot's steps have run; for fronts that report shots elsewhere.
  void set_shot_observer(std::function<void(const Shot&)> observer) {
    shot_observer_ = std::move(observer);
  }

 protected:
  // Carries out the command's line of the command table; a command without one does nothing.
  void OnCommand(MainWindowId id, Notification notification) override;

 private:
  // A line of the command table: what the command does, and the one notification it waits for
  // (any, when none).
  struct CommandEntry {
    MainWindowId id;
    void (*run)(MainWindow& window);
    std::optional<Notification> only_on = std::nullopt;
  };
  static std::span<const CommandEntry> CommandTable();

  // Rewrites every field that depends on the settings and (re)starts the timer.
  void RefreshMainWindow();
  // The "Averages" group, and Reset and Undo greyed while the series is empty.
  void RefreshAverages();
  // Completes readings that the line brought, each as a shot.
  void CompleteReadings(const std::vector<Reading>& readings);
  // Everything one shot does, in order: the "Last shot" fields, the stored last shot, the log,
  // the series and its averages, the other windows, the sound.
  void CompleteShot(const Reading& reading);
  // The pause before the sound and the sound itself block the thread, and no event loop runs:
  // bytes that arrive meanwhile wait in the port for the next tick.
  void PlayShotSound(double energy);
  void ShowLastEnergyAlert();
  // Asks the memory tab for its status and shows it in the Tab group.
  void LookAtTab();
  // The counts and the buttons they allow, or the group greyed when the tab did not answer.
  void ShowTabGroup(bool answered);
  void StepTabBack(std::string_view letter);
  // Opens the configured port in place of the link in use and tells the user, once, when it
  // cannot be opened.
  void OpenLink();
  void SetUp();
  void EditWeight();
  void ToggleLogging();
  // After the series changed: its averages, and the windows that follow it.
  void SeriesChanged();
  // Reset or Undo.
  void ChangeSeries(void (ShotSeries::*change)());
  void LoadLogIntoSeries();
  void ShowLog();
  void RunMemorySnap();
  void ShowAbout();
  void ShowHistoryNotice();
  // Asks the new string's name and notes and starts it, with the series empty as after Reset.
  void StartNewString();
  TextFileViewer::Failed LogNotShown() const;

  DialogView<MainWindowId> view_;
  AppState& state_;
  MainWindowServices services_;
  HeldSettings settings_;
  TabController tab_;
  SideWindows side_windows_;
  ShotRecording recording_;
  HistoryWindow history_window_;
  std::optional<std::string> history_notice_;  // waiting for its timer
  std::function<void(const Shot&)> shot_observer_;
  bool refreshing_fields_ = false;  // the refresh's own writes raise change notifications
  bool in_tick_ = false;
};

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_MAIN_WINDOW_H_
