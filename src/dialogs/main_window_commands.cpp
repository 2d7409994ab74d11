// The main window's command table, and what its commands do beyond a single call.
#include <algorithm>
#include <memory>
#include <string>

#include "base/ascii.h"
#include "dialogs/about_box.h"
#include "dialogs/help.h"
#include "dialogs/main_window.h"
#include "dialogs/memory_snap.h"
#include "dialogs/string_dialog.h"
#include "measure/shot_log.h"
#include "res/snap_template.h"
#include "res/string_table.h"
#include "settings/setting_table.h"

namespace tarvik {
namespace {

using Id = MainWindowId;

}  // namespace

std::span<const MainWindow::CommandEntry> MainWindow::CommandTable() {
  using W = MainWindow;
  static constexpr CommandEntry kTable[] = {
      {Id::kSetUp, [](W& w) { w.SetUp(); }},
      {Id::kLogging, [](W& w) { w.ToggleLogging(); }},
      {Id::kViewLog, [](W& w) { w.ShowLog(); }},
      {Id::kDeleteLog, [](W& w) { w.services_.files.Delete(w.state_.settings.log_file); }},
      {Id::kLoadLog, [](W& w) { w.LoadLogIntoSeries(); }},
      {Id::kSnap, [](W& w) { w.RunMemorySnap(); }},
      {Id::kFire, [](W& w) { w.tab_.Fire(); }},
      {Id::kAll, [](W& w) { w.tab_.FireAll(); }},
      {Id::kBack, [](W& w) { w.StepTabBack("b"); }},
      {Id::kBack10, [](W& w) { w.StepTabBack("B"); }},
      {Id::kReset,
       [](W& w) {
         w.recording_.CloseString();
         w.ChangeSeries(&ShotSeries::ResetSeries);
       }},
      {Id::kUndo,
       [](W& w) {
         if (w.state_.series.row_count() > 0) w.recording_.RecordUndo();
         w.ChangeSeries(&ShotSeries::UndoLastShot);
       }},
      {Id::kAdvancedStatistics, [](W& w) { w.side_windows_.ToggleStatistics(); }},
      {Id::kBig, [](W& w) { w.side_windows_.ToggleBigDisplay(); }},
      {Id::kContents, [](W& w) { w.services_.help.ShowHelp(HelpRequest::Contents()); }},
      {Id::kUsingHelp,
       [](W& w) { w.services_.help.ShowHelp(HelpRequest::Topic(kUsingHelpContext)); }},
      {Id::kAbout, [](W& w) { w.ShowAbout(); }},
      {Id::kGraphics, [](W& w) { w.side_windows_.ToggleGraph(); }},
      {Id::kShotTable, [](W& w) { w.side_windows_.ToggleShotTable(); }},
      {Id::kNewString, [](W& w) { w.StartNewString(); }},
      {Id::kHistory, [](W& w) { w.history_window_.Toggle(); }},
      {Id::kWeight, [](W& w) { w.EditWeight(); }, Notification::kTextChanged},
  };
  return kTable;
}

void MainWindow::OnCommand(Id id, Notification notification) {
  const std::span<const CommandEntry> table = CommandTable();
  const auto entry = std::ranges::find(table, id, &CommandEntry::id);
  if (entry == table.end() || (entry->only_on && *entry->only_on != notification)) return;
  entry->run(*this);
}

void MainWindow::ShowLog() {
  ViewLog(services_.files, services_.viewer, state_.settings.log_file, LogNotShown());
}

void MainWindow::LoadLogIntoSeries() {
  const std::int32_t first = state_.series.row_count();
  LoadLog(services_.files, state_.settings.log_file, state_.series);
  recording_.RecordLoaded(first);
  SeriesChanged();
}

void MainWindow::StartNewString() {
  const std::optional<StringNaming> naming = AskStringNaming(
      services_.windows, services_.help, state_.language, StringDialogKind::kNewString, {});
  if (!naming) return;
  recording_.StartString(naming->name, naming->notes);
  ChangeSeries(&ShotSeries::ResetSeries);
  history_window_.StringsChanged();
}

void MainWindow::ChangeSeries(void (ShotSeries::*change)()) {
  (state_.series.*change)();
  SeriesChanged();
}

void MainWindow::StepTabBack(std::string_view letter) {
  tab_.StepBack(letter);
  LookAtTab();
}

void MainWindow::ToggleLogging() {
  settings_.Set(setting::kLogging, !state_.settings.logging);
  view_.CheckMenuItem(Id::kLogging, state_.settings.logging);
}

void MainWindow::RunMemorySnap() {
  if (!state_.chronoscope.IsOpen()) return;
  services_.windows.RunModal(SnapTemplate(), [this](DialogSurface& surface) {
    return std::make_unique<MemorySnap>(surface, state_.chronoscope, services_.clock,
                                        services_.files);
  });
}

void MainWindow::ShowAbout() {
  services_.windows.RunModal(AboutTemplate(state_.language), [](DialogSurface& surface) {
    return std::make_unique<AboutBox>(surface);
  });
}

// Tells the user why the log did not open; the reason may come later from the event loop, when
// the window may be gone, so the text is made now and only the message box is reached then.
TextFileViewer::Failed MainWindow::LogNotShown() const {
  std::string text(TextOrMissing(kStrLogNotShown, state_.language));
  MessageBoxView& message_box = services_.message_box;
  return [text, &message_box](const std::string& why) {
    message_box.ShowMessage(why.empty() ? text : text + std::string(kLineBreak) + why, "Tarvik");
  };
}

}  // namespace tarvik
