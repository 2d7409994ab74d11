// The program's main window as the Windows program builds it, shown without a loop of its own
// so that a test's loop runs it, with what the end-to-end tests need to drive it as a user and
// to look at the native windows it opens.
#ifndef TARVIK_TESTS_WIN32UI_PROGRAM_WINDOW_H_
#define TARVIK_TESTS_WIN32UI_PROGRAM_WINDOW_H_

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "dialogs/main_window.h"
#include "doubles/quiet_services.h"
#include "res/main_window_template.h"
#include "win32ui/wide_text.h"
#include "win32ui/win32_dialog.h"
#include "win32ui/win32_windows.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

namespace doubles = tarvik::testing;

// Under a loaded Wine a shot or a window can take seconds; the states are waited for, not timed.
inline constexpr std::chrono::seconds kPatience{15};

// The native windows, noting the core's side of the table it opens: what the core gives for
// each row.
class TableNotingWindows final : public WindowFactory {
 public:
  explicit TableNotingWindows(const Win32Dialog& owner) : windows_(owner) {}

  int RunModal(const DialogTemplate& dialog, const MakeLogic& make_logic) override {
    return windows_.RunModal(dialog, make_logic);
  }
  std::unique_ptr<ModelessWindow> OpenModeless(const DialogTemplate& dialog,
                                               const MakeLogic& make_logic) override {
    return windows_.OpenModeless(dialog, make_logic);
  }
  std::unique_ptr<PaintedWindow> OpenPainted(const WindowPlacement& frame,
                                             PaintedWindowEvents& events) override {
    return windows_.OpenPainted(frame, events);
  }
  std::unique_ptr<TableWindow> OpenTable(const TableWindowTexts& texts,
                                         const WindowPlacement& frame,
                                         TableWindowEvents& events) override {
    table = &events;
    return windows_.OpenTable(texts, frame, events);
  }
  int RunPropertySheet(std::string_view caption, std::vector<SheetPage> pages) override {
    return windows_.RunPropertySheet(caption, std::move(pages));
  }
  void FocusOwner() override { windows_.FocusOwner(); }

  TableWindowEvents* table = nullptr;

 private:
  Win32Windows windows_;
};

// Runs the thread's messages until `done` holds; false when it did not within kPatience.
inline bool PumpUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

// The top-level window of this thread that `owner` owns and whose caption is `caption`.
inline HWND OwnedWindow(HWND owner, std::string_view caption) {
  struct Search {
    HWND owner;
    std::wstring caption;
    HWND found;
  } search{owner, Utf8ToWide(caption), nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(param);
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (GetWindow(window, GW_OWNER) != wanted.owner || wanted.caption != text) return TRUE;
        wanted.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline int ItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

inline std::string ItemText(HWND list, int row, int column) {
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return WideToUtf8(text);
}

// Selects `row` alone, as a click on it does.
inline void SelectOnly(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The program's main window as its main builds it, on the port of the session, with the
// services that would show or play something to a person kept quiet. It is shown without a loop
// of its own: the test's loop runs it.
class ProgramWindow {
 public:
  // `history` is where the strings are kept: in memory when none is given.
  ProgramWindow(AppState& state, SettingsStore& store, HistoryFolder* history = nullptr)
      : state_(state),
        dialog_(MainWindowTemplate(state.language), &MainMenuTemplate(state.language),
                DialogRole::kModal),
        windows_(dialog_),
        window_(dialog_, state,
                {store, clock_, sound_, message_box_, files_, viewer_, windows_, file_dialogs_,
                 help_, history != nullptr ? *history : history_}) {}
  // As the program's loop ends: the logic hears Destroyed() while its window is there.
  ~ProgramWindow() {
    if (dialog_.hwnd() == nullptr) return;
    window_.Destroyed();
    dialog_.Attach(nullptr);
  }

  bool Open() { return dialog_.OpenModeless(window_, nullptr); }
  HWND hwnd() const { return dialog_.hwnd(); }
  std::string Field(MainWindowId id) const { return dialog_.GetItemText(static_cast<int>(id)); }
  // A choice from the menu bar, through the queue as the user's comes.
  void Choose(MainWindowId command) const {
    PostMessageW(dialog_.hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
  }
  // The core's side of the last table window opened.
  TableWindowEvents* table() const { return windows_.table; }
  const doubles::RecordingMessageBox& message_box() const { return message_box_; }
  const ShotSeries& series() const { return state_.series; }
  doubles::ScriptedFileDialogs& file_dialogs() { return file_dialogs_; }
  doubles::MemoryFiles& files() { return files_; }

 private:
  AppState& state_;
  Win32Dialog dialog_;
  SystemClock clock_;
  doubles::RecordingSound sound_;
  doubles::RecordingMessageBox message_box_;
  doubles::MemoryFiles files_;
  doubles::RecordingViewer viewer_;
  TableNotingWindows windows_;
  doubles::ScriptedFileDialogs file_dialogs_;
  doubles::RecordingHelp help_;
  doubles::MemoryHistoryFolder history_;
  MainWindow window_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_TESTS_WIN32UI_PROGRAM_WINDOW_H_
