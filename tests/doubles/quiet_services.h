// What the main window reaches outside its records, as doubles that keep quiet and note what they
// were asked: the settings, the windows it opens, the sounds, messages, help and file choosers;
// and a fixture holding a main window over them and a fake port.
#ifndef TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
#define TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/file_dialog.h"
#include "base/help_viewer.h"
#include "base/message_box.h"
#include "base/sound.h"
#include "dialogs/main_window.h"
#include "dialogs/window_factory.h"
#include "doubles/fake_clock.h"
#include "doubles/fake_dialog.h"
#include "doubles/fake_serial_port.h"
#include "doubles/memory_files.h"
#include "doubles/memory_history_folder.h"
#include "doubles/memory_settings.h"
#include "settings/settings_store.h"

namespace tarvik::testing {

// Windows opened over and beside a window, made as plain records. A modal one is run by a script
// of the test (what the user and the timer do while it is up); a modeless one stays open as a
// FakeDialog; a painted one records its invalidations and takes its frame and its popup choice
// from the test.
struct FakePaintedWindow : PaintedWindow {
  struct Record {
    bool open = true;
    int invalidations = 0;
    WindowPlacement frame;
    std::vector<int> ticked;  // at the latest popup
    int popup_choice = 0;     // what the user picks from the popup
    PaintedWindowEvents* events = nullptr;
  };
  explicit FakePaintedWindow(std::shared_ptr<Record> record) : record(std::move(record)) {}
  ~FakePaintedWindow() override { record->open = false; }
  void Invalidate() override { ++record->invalidations; }
  WindowPlacement Frame() const override { return record->frame; }
  int TrackPopupMenu(const MenuTemplate& /*menu*/, std::span<const int> ticked, int /*x*/,
                     int /*y*/) override {
    record->ticked.assign(ticked.begin(), ticked.end());
    return record->popup_choice;
  }
  std::shared_ptr<Record> record;
};

// A table window that keeps what the logic asked of it; the test plays the user through
// `record->events`.
struct FakeTableWindow : TableWindow {
  struct Record {
    bool open = true;
    TableWindowTexts texts;
    WindowPlacement frame;
    TableWindowEvents* events = nullptr;
    std::vector<int> rows_changed;  // the first row of each RowsChanged
    int scrolled_to = -1;
    std::vector<int> selected;
    int figures_changes = 0;
    std::map<int, bool> enabled;  // by command; a command never told is enabled
    std::string caption_set;      // the last SetCaption
    std::vector<std::pair<std::string, ChartFormat>> charts_saved;
    std::optional<PlatformError> save_error;  // what SaveChart answers
    bool Enabled(int command) const {
      const auto found = enabled.find(command);
      return found == enabled.end() || found->second;
    }
  };
  explicit FakeTableWindow(std::shared_ptr<Record> record) : record(std::move(record)) {}
  ~FakeTableWindow() override { record->open = false; }
  void RowsChanged(int first) override { record->rows_changed.push_back(first); }
  void RenameColumns(std::span<const std::string> headings) override {
    for (std::size_t i = 0; i < headings.size() && i < record->texts.columns.size(); ++i) {
      record->texts.columns[i].heading = headings[i];
    }
  }
  void ScrollToRow(int row) override { record->scrolled_to = row; }
  std::vector<int> SelectedRows() const override { return record->selected; }
  void SelectRows(std::span<const int> rows) override {
    record->selected.assign(rows.begin(), rows.end());
  }
  void FiguresChanged() override { ++record->figures_changes; }
  void ChartChanged() override {}
  void EnableCommand(int command, bool enabled) override { record->enabled[command] = enabled; }
  void SetCaption(std::string_view caption) override { record->caption_set = caption; }
  bool CanSaveChart(ChartFormat /*format*/) const override { return true; }
  std::optional<PlatformError> SaveChart(const std::string& path, ChartFormat format) override {
    record->charts_saved.emplace_back(path, format);
    return record->save_error;
  }
  WindowPlacement Frame() const override { return record->frame; }
  std::shared_ptr<Record> record;
};

class FakeWindows : public WindowFactory {
 public:
  using Script = std::function<void(DialogEvents& logic, FakeDialog& window)>;

  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override {
    opened.emplace_back(dialog.name);
    FakeDialog window;
    const std::unique_ptr<DialogEvents> logic = make_logic(window);
    logic->Initialize();
    if (script) script(*logic, window);
    logic->Destroyed();
    return window.end_result();
  }

  struct Modeless : ModelessWindow {
    ~Modeless() override {
      logic->Destroyed();
      if (*latest == this) *latest = nullptr;
    }
    FakeDialog window;
    std::unique_ptr<DialogEvents> logic;
    Modeless** latest = nullptr;
  };
  std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                               const MakeLogic& make_logic) override {
    opened.emplace_back(dialog.name);
    auto made = std::make_unique<Modeless>();
    made->logic = make_logic(made->window);
    made->logic->Initialize();
    made->latest = &modeless;
    modeless = made.get();
    return made;
  }

  std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement& frame,
                                             PaintedWindowEvents& events) override {
    painted.push_back(std::make_shared<FakePaintedWindow::Record>());
    painted.back()->frame = frame;
    painted.back()->events = &events;
    return std::make_unique<FakePaintedWindow>(painted.back());
  }

  std::unique_ptr<TableWindow> OpenTable(const TableWindowTexts& texts,
                                         const WindowPlacement& frame,
                                         TableWindowEvents& events) override {
    tables.push_back(std::make_shared<FakeTableWindow::Record>());
    tables.back()->texts = texts;
    tables.back()->frame = frame;
    tables.back()->events = &events;
    return std::make_unique<FakeTableWindow>(tables.back());
  }

  // A sheet whose pages are FakeDialogs; `sheet_script` plays the user's part.
  struct FakeSheet : SheetView {
    DialogSurface& CreatePage(int index) override { return pages[index]; }
    void ShowPage(int) override {}
    void EnableApply(bool enabled) override { apply_enabled = enabled; }
    void EndSheet(int result) override { ended = result; }
    std::map<int, FakeDialog> pages;
    bool apply_enabled = false;
    int ended = -1;
  };
  using SheetScript = std::function<void(PropertySheet& sheet, FakeSheet& view)>;
  int RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) override {
    opened.emplace_back(caption);
    FakeSheet view;
    PropertySheet sheet(view, std::move(pages));
    sheet.Start();
    if (sheet_script) sheet_script(sheet, view);
    return view.ended;
  }

  void FocusOwner() override { ++focus_returns; }

  Script script;
  SheetScript sheet_script;
  std::vector<std::string> opened;
  std::vector<std::shared_ptr<FakePaintedWindow::Record>> painted;  // in the order opened
  std::vector<std::shared_ptr<FakeTableWindow::Record>> tables;     // in the order opened
  int focus_returns = 0;
  Modeless* modeless = nullptr;  // the latest modeless window, while it is open
};

// Keeps the messages shown instead of showing them.
class RecordingMessageBox : public MessageBoxView {
 public:
  void ShowMessage(std::string_view text, std::string_view caption) override {
    shown.emplace_back(text);
    captions.emplace_back(caption);
  }
  bool AskYesNo(std::string_view question, std::string_view caption) override {
    asked.emplace_back(question);
    captions.emplace_back(caption);
    return answer;
  }
  std::vector<std::string> shown, captions;
  std::vector<std::string> asked;  // the questions
  bool answer = true;              // Yes
};

// Notes the sounds played instead of playing them.
class RecordingSound : public SoundPlayer {
 public:
  void PlayFileSync(const std::string& file_name) override {
    played.push_back(file_name);
    if (during_play) during_play();
  }
  std::vector<std::string> played;
  // What happens while a sound plays: a careless sound layer may run the event loop.
  std::function<void()> during_play;
};

// Notes what the help viewer was asked.
class RecordingHelp : public HelpViewer {
 public:
  bool ShowHelp(const HelpRequest& request) override {
    requests.push_back(request);
    return true;
  }
  std::vector<HelpRequest> requests;
};

// The file chooser: notes what it was asked and gives the user's answer.
class ScriptedFileDialogs : public FileDialogs {
 public:
  std::string ChooseFile(const ChooseFileRequest& request) override {
    asked.push_back(request.file);
    titles.emplace_back(request.title);
    saving.push_back(request.save);
    return choice.value_or(request.file);  // nothing chosen: cancelled
  }
  std::optional<std::string> choice;
  std::vector<std::string> asked;  // the names the dialog started from
  std::vector<std::string> titles;
  std::vector<bool> saving;  // whether each asked for a file to write
};

struct QuietServices {
  MainWindowServices With(Clock& clock) {
    return {store, clock, sound, message_box, files, viewer, windows, file_dialogs, help, history};
  }
  MemoryHistoryFolder history;

  SettingsStore store{nullptr};
  RecordingSound sound;
  RecordingMessageBox message_box;
  MemoryFiles files;
  RecordingViewer viewer;
  FakeWindows windows;
  ScriptedFileDialogs file_dialogs;
  RecordingHelp help;
};

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture() {
    services_.store = SettingsStore(std::unique_ptr<SettingsBackend>(memory_));
  }
  void Command(MainWindowId id) { window_.Command(static_cast<int>(id), Notification::kMenu); }
  std::string Text(MainWindowId id) const { return view_.Text(id); }
  // The instrument sends `bytes`; one timer tick takes them.
  void Receive(std::string_view bytes) {
    platform_.line->to_program += bytes;
    window_.Tick(MainWindow::kTimerId);
  }
  std::string Stored(std::string_view name) {
    return services_.store.ReadSettingText(name, "(none)");
  }

  FakeSerialPlatform platform_;
  AppState state_{platform_};
  FakeDialog view_;
  FakeClock clock_;
  MemorySettings* memory_ = new MemorySettings;  // owned by the store
  QuietServices services_;
  MainWindow window_{view_, state_, services_.With(clock_)};
};

}  // namespace tarvik::testing

#endif  // TARVIK_TESTS_DOUBLES_QUIET_SERVICES_H_
