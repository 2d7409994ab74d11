#include "dialogs/main_window.h"

#include <optional>
#include <string>
#include <utility>

#include "base/number_text.h"
#include "dialogs/about_box.h"
#include "dialogs/config_pages.h"
#include "dialogs/help.h"
#include "dialogs/memory_snap.h"
#include "link/hardware_mark.h"
#include "measure/averages.h"
#include "measure/shot_log.h"
#include "measure/units.h"
#include "res/snap_template.h"
#include "res/statistics_template.h"
#include "res/string_table.h"
#include "settings/setting_table.h"

namespace tarvik {
namespace {

using Id = MainWindowId;

// The most the weight field's text is read of.
constexpr std::size_t kWeightTextLength = kFieldTextSize - 1;

// Sets a flag for the lifetime of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
  ~FlagScope() { flag_ = previous_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace

MainWindow::MainWindow(DialogSurface& surface, AppState& state, const MainWindowServices& services)
    : view_(surface),
      state_(state),
      services_(services),
      settings_(state.settings, state.last_shot, services.store),
      tab_(state.chronoscope, services.clock,
           [this](const std::vector<Reading>& readings) { CompleteReadings(readings); }),
      big_display_(services.windows, services.store, state),
      graph_(services.windows, services.store, state,
             [this] { return statistics_ != nullptr ? statistics_->LastCountInUse() : 0u; }) {}

void MainWindow::Initialize() {
  for (const Id id : {Id::kAll, Id::kFire, Id::kBack, Id::kBack10, Id::kBufferedLabel,
                      Id::kPreviousLabel, Id::kTabGroup}) {
    view_.EnableItem(id, false);
  }
  OpenLink();
  RefreshMainWindow();
}

void MainWindow::OpenLink() {
  const std::string& port = state_.settings.port_name;
  if (const std::optional<PortError> error = state_.chronoscope.OpenLink(port)) {
    const std::string_view title = TextOrMissing(kStrSerialPortNotHappy, state_.language);
    services_.message_box.ShowMessage(ComposeSerialFailureText(title, port, error->text), "");
  }
}

void MainWindow::RefreshMainWindow() {
  const AppSettings& settings = state_.settings;
  FlagScope refreshing(refreshing_fields_);
  view_.SetItemText(Id::kLastVelocityUnit, VelocityUnitLabel(settings.metric));
  view_.SetItemText(Id::kAverageVelocityUnit, VelocityUnitLabel(settings.metric));
  view_.SetItemText(Id::kLastEnergyUnit, EnergyUnitLabel(settings.metric));
  view_.SetItemText(Id::kAverageEnergyUnit, EnergyUnitLabel(settings.metric));
  view_.SetItemText(Id::kWeightUnit, WeightUnitLabel(settings.metric));
  view_.SetItemText(Id::kWeight,
                    MeasurementFieldText(WeightForDisplay(settings.weight, settings.metric)));
  view_.SetItemText(Id::kLastVelocity, MeasurementFieldText(VelocityForDisplay(
                                           state_.last_shot.velocity, settings.metric)));
  view_.SetItemText(Id::kLastEnergy, MeasurementFieldText(EnergyForDisplay(state_.last_shot.energy,
                                                                           settings.metric)));
  RefreshAverages();
  view_.StartTimer(kTimerId, kTimerPeriodMs);
  view_.CheckMenuItem(Id::kLogging, settings.logging);
}

void MainWindow::RefreshAverages() {
  const Averages averages = ComputeAverages(state_.series, state_.settings.weight);
  view_.SetItemUnsigned(Id::kShotCount, static_cast<std::uint32_t>(averages.shots));
  const bool has_shots = averages.shots > 0;
  view_.EnableMenuItem(Id::kReset, has_shots);
  view_.EnableMenuItem(Id::kUndo, has_shots);
  if (!has_shots) {
    view_.SetItemText(Id::kAverageVelocity, "");
    view_.SetItemText(Id::kAverageEnergy, "");
    return;
  }
  const bool metric = state_.settings.metric;
  view_.SetItemText(Id::kAverageVelocity,
                    MeasurementFieldText(VelocityForDisplay(averages.velocity, metric)));
  view_.SetItemText(Id::kAverageEnergy,
                    MeasurementFieldText(EnergyForDisplay(averages.energy, metric)));
}

void MainWindow::Tick(int timer_id) {
  if (timer_id != kTimerId || in_tick_) return;
  FlagScope ticking(in_tick_);
  tab_.StartTick();
  CompleteReadings(state_.chronoscope.Poll(services_.clock.NowMs()));
  if (tab_.LookDue()) LookAtTab();
}

void MainWindow::CompleteReadings(const std::vector<Reading>& readings) {
  for (const Reading& reading : readings) CompleteShot(reading);
}

void MainWindow::LookAtTab() {
  if (const std::optional<bool> answered = tab_.Look()) ShowTabGroup(*answered);
}

void MainWindow::ShowTabGroup(bool answered) {
  const TabCounts counts = answered ? tab_.status().counts : TabCounts{};
  if (answered) {
    view_.SetItemUnsigned(Id::kBuffered, counts.buffered);
    view_.SetItemUnsigned(Id::kPrevious, counts.previous);
  }
  view_.EnableItem(Id::kFire, counts.buffered != 0);
  view_.EnableItem(Id::kAll, counts.buffered != 0);
  view_.EnableItem(Id::kBack, counts.previous != 0);
  view_.EnableItem(Id::kBack10, counts.previous >= 10);
  if (!answered) {
    view_.SetItemText(Id::kBuffered, "");
    view_.SetItemText(Id::kPrevious, "");
  }
  for (const Id id : {Id::kBufferedLabel, Id::kPreviousLabel, Id::kTabGroup}) {
    view_.EnableItem(id, answered);
  }
}

void MainWindow::StepTabBack(std::string_view letter) {
  tab_.StepBack(letter);
  LookAtTab();
}

void MainWindow::RunMemorySnap() {
  if (!state_.chronoscope.IsOpen()) return;
  services_.windows.RunModal(SnapTemplate(), [this](DialogSurface& surface) {
    return std::make_unique<MemorySnap>(surface, state_.chronoscope, services_.clock,
                                        services_.files);
  });
}

void MainWindow::CompleteShot(const Reading& reading) {
  const AppSettings& settings = state_.settings;
  view_.SetItemUnsigned(Id::kCounts, static_cast<std::uint32_t>(reading.count));
  const Shot shot = MakeShot(reading, settings.calibration, settings.weight);
  settings_.SetLastShot({shot.velocity, shot.energy});
  view_.SetItemText(Id::kLastVelocity,
                    MeasurementFieldText(VelocityForDisplay(shot.velocity, settings.metric)));
  view_.SetItemText(Id::kMark, MarkLabel(shot.mark));
  view_.SetItemText(Id::kLastEnergy,
                    MeasurementFieldText(EnergyForDisplay(shot.energy, settings.metric)));
  InvalidateBigDisplay();
  if (settings.logging) {
    AppendLogLine(services_.files, settings.log_file, shot.velocity, shot.energy, settings.weight);
  }
  state_.series.AppendShot(shot.velocity);
  RefreshAverages();
  NotifyStatistics();
  PlayShotSound(shot.energy);
  tab_.ShotCompleted();
  if (shot_observer_) shot_observer_(shot);
}

void MainWindow::NotifyStatistics() {
  if (statistics_ != nullptr) statistics_->RecomputeStatistics();
  graph_.Invalidate();
}

void MainWindow::InvalidateBigDisplay() { big_display_.Invalidate(); }

void MainWindow::ToggleStatisticsWindow() {
  if (statistics_window_) {
    statistics_window_.reset();
    statistics_ = nullptr;
    return;
  }
  statistics_window_ = services_.windows.OpenModeless(
      StatisticsTemplate(state_.language), [this](DialogSurface& surface) {
        auto logic = std::make_unique<AdvancedStatistics>(surface, state_, [this] {
          if (graph_.selected_only()) graph_.Invalidate();
        });
        statistics_ = logic.get();
        return logic;
      });
  if (!statistics_window_) statistics_ = nullptr;
  NotifyStatistics();
  services_.windows.FocusOwner();
}

void MainWindow::ToggleLogging() {
  settings_.Set(setting::kLogging, !state_.settings.logging);
  view_.CheckMenuItem(Id::kLogging, state_.settings.logging);
}

void MainWindow::LoadLogIntoSeries() {
  LoadLog(services_.files, state_.settings.log_file, state_.series);
  RefreshAverages();
  NotifyStatistics();
}

void MainWindow::PlayShotSound(double energy) {
  const AppSettings& settings = state_.settings;
  if (!settings.sound) return;
  services_.clock.SleepMs(kSoundPauseMs);
  // At exactly the limit the shot counts as over it.
  const bool legal = settings.legal_limit > energy;
  services_.sound.PlayFileSync(legal ? settings.sound_legal : settings.sound_fac);
}

void MainWindow::OnCommand(Id id, Notification notification) {
  switch (id) {
    case Id::kSetUp:
      SetUp();
      break;
    case Id::kLogging:
      ToggleLogging();
      break;
    case Id::kViewLog:
      ViewLog(services_.files, services_.viewer, state_.settings.log_file, LogNotShown());
      break;
    case Id::kDeleteLog:
      services_.files.Delete(state_.settings.log_file);
      break;
    case Id::kLoadLog:
      LoadLogIntoSeries();
      break;
    case Id::kSnap:
      RunMemorySnap();
      break;
    case Id::kFire:
      tab_.Fire();
      break;
    case Id::kAll:
      tab_.FireAll();
      break;
    case Id::kBack:
      StepTabBack("b");
      break;
    case Id::kBack10:
      StepTabBack("B");
      break;
    case Id::kReset:
      state_.series.ResetSeries();
      RefreshAverages();
      NotifyStatistics();
      break;
    case Id::kUndo:
      state_.series.UndoLastShot();
      RefreshAverages();
      NotifyStatistics();
      break;
    case Id::kAdvancedStatistics:
      ToggleStatisticsWindow();
      break;
    case Id::kBig:
      big_display_.Toggle();
      break;
    case Id::kContents:
      services_.help.WinHelp(kHelpFile, {HelpCommand::kFinder, 0, 0, {}});
      break;
    case Id::kUsingHelp:
      services_.help.WinHelp(kHelpFile, {HelpCommand::kContext, kUsingHelpContext, 0, {}});
      break;
    case Id::kAbout:
      services_.windows.RunModal(AboutTemplate(state_.language), [](DialogSurface& surface) {
        return std::make_unique<AboutBox>(surface);
      });
      break;
    case Id::kGraphics:
      graph_.Toggle();
      break;
    case Id::kWeight:
      if (notification == Notification::kTextChanged) EditWeight();
      break;
    default:
      break;
  }
}

// The port may have changed: the link is replaced whatever button closed the sheet, and a port
// that still cannot be opened is reported again.
void MainWindow::SetUp() {
  RunConfigurationSheet(services_.windows, state_,
                        {settings_, services_.sound, services_.message_box, services_.file_dialogs,
                         services_.help, tab_});
  OpenLink();
  InvalidateBigDisplay();
  RefreshMainWindow();
  // The units may have changed.
  if (statistics_ != nullptr) statistics_->RelabelStatistics();
}

void MainWindow::EditWeight() {
  if (refreshing_fields_) return;
  const std::string text = view_.GetItemText(Id::kWeight).substr(0, kWeightTextLength);
  settings_.SetTyped(setting::kWeight,
                     WeightFromDisplay(ParseTypedDecimal(text), state_.settings.metric));
}

// Tells the user why the log did not open; the reason may come later from the event loop, when
// the window may be gone, so the text is made now and only the message box is reached then.
TextFileViewer::Failed MainWindow::LogNotShown() const {
  std::string text(TextOrMissing(kStrLogNotShown, state_.language));
  MessageBoxView& message_box = services_.message_box;
  return [text, &message_box](const std::string& why) {
    message_box.ShowMessage(why.empty() ? text : text + "\r\n" + why, "Tarvik");
  };
}

void MainWindow::CloseRequested() { view_.EndDialog(0); }

void MainWindow::HelpRequested(int control, HelpGesture gesture) {
  ShowControlHelp(
      services_.help, control,
      gesture == HelpGesture::kContextMenu ? HelpCommand::kContextMenu : HelpCommand::kWmHelp);
}

// The windows beside the main window go with it; the big display and the graph store their
// frames as they close.
void MainWindow::Destroyed() {
  view_.StopTimer(kTimerId);
  statistics_window_.reset();
  statistics_ = nullptr;
  big_display_.Close();
  graph_.Close();
}

}  // namespace tarvik
