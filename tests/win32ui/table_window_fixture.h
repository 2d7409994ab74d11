// Test helpers: the table window opened over a core of 100,000 rows whose answers and calls a
// test reads back, with three commands: two with keys, one a button only.
#ifndef TARVIK_TESTS_WIN32UI_TABLE_WINDOW_FIXTURE_H_
#define TARVIK_TESTS_WIN32UI_TABLE_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "win32ui/win32_table_window.h"

namespace tarvik::win32ui {

class FakeTable final : public TableWindowEvents {
 public:
  int rows = 100'000;
  mutable std::set<int> asked;  // the rows whose cells the list asked for
  std::set<int> dimmed;
  std::set<int> alert;
  std::vector<std::vector<std::string>> figures = {
      {"", "Velocity", "Energy"}, {"Shots", "3", "3"}, {"Average", "512.25", "7.01"}};
  std::vector<int> commands;
  std::vector<int> activated;
  int selection_changes = 0;
  int close_requests = 0;
  int paints = 0;
  CanvasSize painted_size{};
  std::vector<std::pair<int, int>> clicks;
  std::vector<std::tuple<TablePart, int, HelpGesture>> help;

  int RowCount() const override { return rows; }
  std::string CellText(int row, int column) const override {
    asked.insert(row);
    return FormatInt(row + 1) + "." + FormatInt(column);
  }
  RowLook LookOfRow(int row) const override {
    return {dimmed.count(row) > 0, alert.count(row) > 0};
  }
  std::vector<std::vector<std::string>> Figures() const override { return figures; }
  void PaintChart(Canvas& canvas) override {
    ++paints;
    painted_size = canvas.ClientSize();
    canvas.FillRect({0, 0, painted_size.width, painted_size.height}, kRed);
  }
  void ChartClicked(int x, int y) override { clicks.emplace_back(x, y); }
  void SelectionChanged() override { ++selection_changes; }
  void Command(int command) override { commands.push_back(command); }
  void RowActivated(int row) override { activated.push_back(row); }
  void HelpRequested(TablePart part, int command, HelpGesture gesture) override {
    help.emplace_back(part, command, gesture);
  }
  void CloseRequested() override { ++close_requests; }
};

inline constexpr int kLeaveOut = 1;
inline constexpr int kTakeIn = 2;
inline constexpr int kOpen = 7;

inline const TableWindowTexts& Texts() {
  static const TableWindowTexts texts{
      "Shot table",
      {{"No.", true, 5}, {"Time", false, 9}, {"Velocity", true, 8}},
      {{kLeaveOut, "&Leave out", TableKey::kDelete},
       {kTakeIn, "&Take in", TableKey::kInsert},
       {kOpen, "&Open the selected string", TableKey::kNone, false}}};
  return texts;
}

inline constexpr WindowPlacement kFrame{40, 30, 620, 480};

inline void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

inline void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

inline std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class TableWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto start = std::chrono::steady_clock::now();
    window_ = std::make_unique<Win32TableWindow>(Texts(), kFrame, table_, nullptr);
    ASSERT_TRUE(window_->made());
    PaintNow(window_->hwnd());
    opening_ = std::chrono::steady_clock::now() - start;
  }
  HWND list() const { return window_->list(); }
  int ItemCount() const { return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0)); }
  void Key(WORD key) {
    SendMessageW(list(), WM_KEYDOWN, key, 0);
    SendMessageW(list(), WM_KEYUP, key, 0);
    Pump();
  }

  FakeTable table_;
  std::unique_ptr<Win32TableWindow> window_;
  std::chrono::steady_clock::duration opening_{};
};

}  // namespace tarvik::win32ui

#endif  // TARVIK_TESTS_WIN32UI_TABLE_WINDOW_FIXTURE_H_
