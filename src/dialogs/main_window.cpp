#include "dialogs/main_window.h"

#include <optional>
#include <string>
#include <utility>

#include "base/number_text.h"
#include "dialogs/config_pages.h"
#include "dialogs/help.h"
#include "link/hardware_mark.h"
#include "measure/averages.h"
#include "measure/shot_log.h"
#include "measure/units.h"
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
      side_windows_(services.windows, services.store, services.help, state,
                    [this](std::span<const std::int32_t> rows, bool left_out) {
                      recording_.RecordLeftOut(rows, left_out);
                      RefreshAverages();
                      side_windows_.CountingChanged();
                    }),
      recording_(services.history, services.clock, state),
      history_window_(
          {services.windows, services.history, services.message_box, services.file_dialogs,
           services.help, services.clock, services.store, services.files},
          state) {
  // A deleted string being recorded is closed: the next shot begins a new one, rather than
  // going into the file moved aside.
  history_window_.set_string_deleted([this](const std::string& id) {
    if (id == recording_.current_id()) recording_.CloseString();
  });
}

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
  ShowLastEnergyAlert();
  RefreshAverages();
  view_.StartTimer(kTimerId, kTimerPeriodMs);
  view_.CheckMenuItem(Id::kLogging, settings.logging);
}

void MainWindow::RefreshAverages() {
  const Averages averages = ComputeAverages(state_.series, state_.settings.weight);
  view_.SetItemUnsigned(Id::kShotCount, static_cast<std::uint32_t>(averages.shots));
  // Left-out shots are still in the series: Undo and Reset reach them.
  const bool has_rows = state_.series.row_count() > 0;
  view_.EnableMenuItem(Id::kReset, has_rows);
  view_.EnableMenuItem(Id::kUndo, has_rows);
  if (averages.shots == 0) {
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

void MainWindow::SeriesChanged() {
  RefreshAverages();
  side_windows_.SeriesChanged();
}

void MainWindow::Tick(int timer_id) {
  if (timer_id == kNoticeTimerId) return ShowHistoryNotice();
  if (timer_id != kTimerId || in_tick_) return;
  {
    FlagScope ticking(in_tick_);
    tab_.StartTick();
    const std::vector<Reading> readings = state_.chronoscope.Poll(services_.clock.NowMs());
    CompleteReadings(readings);
    // The first tick without a shot, 20 ms after one, finds the shot painted, and a tick finds
    // the history listed.
    if (readings.empty()) {
      services_.store.WriteDeferred();
      history_window_.SaveIndex();
    }
    if (tab_.LookDue()) LookAtTab();
    if (const auto changes = recording_.Tick()) {
      if (changes->others) {
        history_window_.StringsChanged();
      } else {
        history_window_.StringsChanged(changes->ids);
      }
    }
  }
  // A message box runs an event loop of its own, so it is opened from a timer of its own, once
  // this tick is over: the shots keep coming while it is up.
  if (!history_notice_) {
    history_notice_ = recording_.TakeMessage();
    if (history_notice_) view_.StartTimer(kNoticeTimerId, 0);
  }
}

void MainWindow::ShowHistoryNotice() {
  view_.StopTimer(kNoticeTimerId);
  if (!history_notice_) return;
  const std::string text = *std::exchange(history_notice_, std::nullopt);
  services_.message_box.ShowMessage(text, "Tarvik");
}

void MainWindow::CompleteReadings(const std::vector<Reading>& readings) {
  for (const Reading& reading : readings) CompleteShot(reading);
}

void MainWindow::CompleteShot(const Reading& reading) {
  const AppSettings& settings = state_.settings;
  view_.SetItemUnsigned(Id::kCounts, static_cast<std::uint32_t>(reading.count));
  const Shot shot = MakeShot(reading, settings.calibration, settings.weight);
  // Kept on the disk before it is shown: a crash after it was seen never loses it.
  const LocalTime now = services_.clock.LocalNow();
  recording_.RecordShot(shot, now);
  {
    // The last shot's two values, written microseconds apart, reach the store as one change,
    // once the shot is shown: where the store is a file, writing it takes longer than the rest
    // of the shot's steps.
    SettingsBatch last_shot(services_.store, SettingsBatch::End::kDeferred);
    view_.SetItemText(Id::kLastVelocity,
                      MeasurementFieldText(VelocityForDisplay(shot.velocity, settings.metric)));
    settings_.Set(setting::kFps, shot.velocity);
    view_.SetItemText(Id::kMark, MarkLabel(shot.mark));
    view_.SetItemText(Id::kLastEnergy,
                      MeasurementFieldText(EnergyForDisplay(shot.energy, settings.metric)));
    settings_.Set(setting::kPds, shot.energy);
  }
  ShowLastEnergyAlert();
  side_windows_.RepaintBigDisplay();
  if (settings.logging) {
    AppendLogLine(services_.files, settings.log_file, shot.velocity, shot.energy, settings.weight);
  }
  const ShotOrigin origin{((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond,
                          shot.count, shot.mark};
  const bool appended = state_.series.AppendShot(shot.velocity, &origin);
  RefreshAverages();
  if (appended) side_windows_.ShotAppended();
  PlayShotSound(shot.energy);
  tab_.ShotCompleted();
  if (shot_observer_) shot_observer_(shot);
}

// The last shot's energy in red above the limit, as the big display shows it.
void MainWindow::ShowLastEnergyAlert() {
  view_.SetItemAlert(Id::kLastEnergy,
                     AboveLegalLimit(state_.last_shot.energy, state_.settings.legal_limit));
}

void MainWindow::PlayShotSound(double energy) {
  const AppSettings& settings = state_.settings;
  if (!settings.sound) return;
  services_.clock.SleepMs(kSoundPauseMs);
  // At exactly the limit the shot counts as over it.
  const bool legal = settings.legal_limit > energy;
  services_.sound.PlayFileSync(legal ? settings.sound_legal : settings.sound_fac);
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

// The port may have changed: the link is replaced whatever button closed the sheet, and a port
// that still cannot be opened is reported again.
void MainWindow::SetUp() {
  RunConfigurationSheet(services_.windows, state_,
                        {settings_, services_.sound, services_.message_box, services_.file_dialogs,
                         services_.help, tab_});
  OpenLink();
  side_windows_.RepaintBigDisplay();
  RefreshMainWindow();
  // The units may have changed.
  side_windows_.Relabel();
}

void MainWindow::EditWeight() {
  if (refreshing_fields_) return;
  const std::string text = view_.GetItemText(Id::kWeight).substr(0, kWeightTextLength);
  settings_.SetTyped(setting::kWeight,
                     WeightFromDisplay(ParseTypedDecimal(text), state_.settings.metric));
  side_windows_.WeightChanged();
}

void MainWindow::CloseRequested() { view_.EndDialog(0); }

void MainWindow::HelpRequested(int control, HelpGesture gesture) {
  ShowControlHelp(services_.help, static_cast<MainWindowId>(control), gesture);
}

// The windows beside the main window go with it.
void MainWindow::Destroyed() {
  services_.store.WriteDeferred();
  view_.StopTimer(kTimerId);
  view_.StopTimer(kNoticeTimerId);
  side_windows_.CloseAll();
  history_window_.Close();
}

}  // namespace tarvik
