// The table window on the native front: a resizable top-level window owned by the main window,
// with a virtual list view whose rows the core describes, the figures and the row of commands
// under it, and a chart the core paints. Letting go of the object destroys the window; it calls
// the core no more from then on.
#ifndef TARVIK_WIN32UI_WIN32_TABLE_WINDOW_H_
#define TARVIK_WIN32UI_WIN32_TABLE_WINDOW_H_

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/table_window.h"
#include "win32ui/win32_table_chart.h"
#include "win32ui/win32_table_figures.h"
#include "win32ui/window_class.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

class Win32TableWindow final : public TableWindow {
 public:
  // The control identifiers of the list and of the buttons, left to right from kFirstButtonId;
  // the context menu's items carry their button's identifier.
  static constexpr int kListId = 1;
  static constexpr int kFirstButtonId = 100;

  // Made and shown at `frame`, the outer frame on the screen; check made() after.
  Win32TableWindow(const TableWindowTexts& texts, const WindowPlacement& frame,
                   TableWindowEvents& events, HWND owner);
  ~Win32TableWindow() override;
  Win32TableWindow(const Win32TableWindow&) = delete;
  Win32TableWindow& operator=(const Win32TableWindow&) = delete;

  bool made() const { return hwnd_ != nullptr && list_ != nullptr; }
  HWND hwnd() const { return hwnd_; }
  HWND list() const { return list_; }
  HWND chart() const { return chart_.hwnd(); }
  // The button of a command; null for an id the window does not have.
  HWND button(int command) const;
  RECT figures_rect() const { return figures_.Rect(); }

  void RowsChanged(int first) override;
  void ScrollToRow(int row) override;
  std::vector<int> SelectedRows() const override;
  void SelectRows(std::span<const int> rows) override;
  void FiguresChanged() override;
  void ChartChanged() override;
  void EnableCommand(int command, bool enabled) override;
  void RenameColumns(std::span<const std::string> headings) override;
  void SetCaption(std::string_view caption) override;
  // PNG only.
  bool CanSaveChart(ChartFormat format) const override;
  std::optional<PlatformError> SaveChart(const std::string& path, ChartFormat format) override;
  WindowPlacement Frame() const override;

 private:
  // False once the window is being destroyed, for loops that outlive it (the context menu's).
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  template <typename T>
  friend LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Notify(const NMHDR& header, LPARAM lparam);
  void Clicked(WPARAM wparam);
  void DpiChanged(int dpi, const RECT& suggested);
  bool MakeParts(const TableWindowTexts& texts);
  HWND MakeButton(const std::wstring& text, int id);
  void SetFonts(int dpi);
  void Layout();
  SIZE ButtonSize() const;
  void LimitSize(MINMAXINFO& limits) const;
  void KeyDown(WORD key);
  void UserSelectionChanged();
  void ListMenu(LPARAM at);
  void ContextHelp(HWND clicked, LPARAM at);
  void Help(const HELPINFO& info);
  // The part `window` is or belongs to, or the one under `at` (screen) for the window itself;
  // `command` is the button's.
  bool PartOf(HWND window, POINT at, TablePart& part, int& command) const;
  // Carries out the command with the control identifier unless it is disabled.
  void Run(int control_id);
  void RunKey(TableKey key);
  void ActivateRow(int row);

  // A command as the window shows it; its control identifier is kFirstButtonId + its index.
  struct Command {
    TableButton button;
    std::wstring text;
    HWND hwnd = nullptr;
    bool enabled = true;
  };
  const Command* FindControl(int control_id) const;

  TableWindowEvents& events_;
  HWND hwnd_ = nullptr;
  HWND list_ = nullptr;
  std::vector<Command> commands_;  // left to right
  TableChart chart_;
  TableFigures figures_{nullptr};
  HFONT font_ = nullptr;            // the window's, for its monitor's resolution
  HFONT struck_font_ = nullptr;     // the same, struck through, for dimmed rows
  bool selecting_ = false;          // while the program itself selects
  bool selection_reported_ = true;  // false while a user change waits to be told
  WindowPlacement last_frame_;
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_TABLE_WINDOW_H_
