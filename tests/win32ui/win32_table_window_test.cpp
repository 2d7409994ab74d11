// The shot table on the native front, over a core of 100,000 rows: the list stays virtual (it
// asks for the rows it shows), the keys, buttons and menu reach the commands, the program's own
// selection is not taken for the user's, and the rows, figures, chart and help follow the core.
#include "win32ui/win32_table_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

class FakeTable final : public TableWindowEvents {
 public:
  int rows = 100'000;
  mutable std::set<int> asked;  // the rows whose cells the list asked for
  std::set<int> dimmed;
  std::set<int> alert;
  std::vector<std::vector<std::string>> figures = {
      {"", "Velocity", "Energy"}, {"Shots", "3", "3"}, {"Average", "512.25", "7.01"}};
  std::vector<TableCommand> commands;
  int selection_changes = 0;
  int close_requests = 0;
  int paints = 0;
  CanvasSize painted_size{};
  std::vector<std::pair<int, int>> clicks;
  std::vector<std::pair<TablePart, HelpGesture>> help;

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
  void Command(TableCommand command) override { commands.push_back(command); }
  void HelpRequested(TablePart part, HelpGesture gesture) override {
    help.emplace_back(part, gesture);
  }
  void CloseRequested() override { ++close_requests; }
};

const TableWindowTexts& Texts() {
  static const TableWindowTexts texts{"Shot table",
                                      {{"No.", true, 5}, {"Time", false, 9}, {"Velocity", true, 8}},
                                      "&Leave out",
                                      "&Take in"};
  return texts;
}

constexpr WindowPlacement kFrame{40, 30, 620, 480};

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

LRESULT Notify(HWND window, NMHDR& header) {
  return SendMessageW(window, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
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

TEST_F(TableWindowTest, OpensAtOnceAtItsFrameAskingOnlyForTheRowsInView) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(opening_).count();
  std::cout << "Opening and painting a table of 100000 rows: " << ms << " ms\n";
  EXPECT_LT(ms, 10'000);
  EXPECT_EQ(ItemCount(), 100'000);
  ASSERT_FALSE(table_.asked.empty());
  const int in_view = static_cast<int>(SendMessageW(list(), LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_GT(in_view, 3);
  EXPECT_LE(*table_.asked.rbegin(), in_view + 1);
  EXPECT_EQ(TextOf(window_->hwnd()), L"Shot table");
  const WindowPlacement frame = window_->Frame();
  EXPECT_EQ(frame.x, kFrame.x);
  EXPECT_EQ(frame.y, kFrame.y);
  EXPECT_EQ(frame.width, kFrame.width);
  EXPECT_EQ(frame.height, kFrame.height);
}

TEST_F(TableWindowTest, ColumnsHaveTheirHeadingsAlignmentAndWidthInCharacters) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  std::vector<int> widths;
  for (int i = 0; i < 3; ++i) {
    wchar_t heading[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.pszText = heading;
    column.cchTextMax = 32;
    ASSERT_TRUE(SendMessageW(list(), LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(WideToUtf8(heading), Texts().columns[i].heading);
    EXPECT_EQ((column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT, Texts().columns[i].right_aligned);
    widths.push_back(column.cx);
  }
  // 5, 9 and 8 characters of the same average width.
  ASSERT_GT(widths[0], 0);
  EXPECT_EQ(widths[0] % 5, 0);
  EXPECT_EQ(widths[1], widths[0] / 5 * 9);
  EXPECT_EQ(widths[2], widths[0] / 5 * 8);
}

TEST_F(TableWindowTest, AppendedRowsAreCountedAndScrolledToWithoutRedrawingTheRest) {
  table_.asked.clear();
  table_.rows += 5;
  window_->RowsChanged(100'000);
  PaintNow(window_->hwnd());
  EXPECT_EQ(ItemCount(), 100'005);
  // The rows in view did not change: none is asked for again.
  EXPECT_TRUE(table_.asked.empty());

  window_->ScrollToRow(100'004);
  PaintNow(window_->hwnd());
  EXPECT_EQ(table_.asked.count(100'004), 1u);
  EXPECT_GT(*table_.asked.begin(), 99'900);

  // A change in view is drawn anew; rows taken away leave the list.
  table_.asked.clear();
  window_->RowsChanged(100'003);
  PaintNow(window_->hwnd());
  EXPECT_EQ(table_.asked, (std::set<int>{100'003, 100'004}));
  table_.rows = 10;
  window_->RowsChanged(10);
  EXPECT_EQ(ItemCount(), 10);
}

TEST_F(TableWindowTest, KeysButtonsAndCloseReachTheCore) {
  Key(VK_DELETE);
  Key(VK_INSERT);
  SendMessageW(window_->button(TableCommand::kTakeIn), BM_CLICK, 0, 0);
  SendMessageW(window_->button(TableCommand::kLeaveOut), BM_CLICK, 0, 0);
  EXPECT_EQ(table_.commands, (std::vector{TableCommand::kLeaveOut, TableCommand::kTakeIn,
                                          TableCommand::kTakeIn, TableCommand::kLeaveOut}));
  // The keys work again after a click on a button.
  EXPECT_EQ(GetFocus(), list());

  table_.commands.clear();
  window_->EnableCommand(TableCommand::kLeaveOut, false);
  EXPECT_FALSE(IsWindowEnabled(window_->button(TableCommand::kLeaveOut)));
  EXPECT_TRUE(IsWindowEnabled(window_->button(TableCommand::kTakeIn)));
  Key(VK_DELETE);
  Key(VK_INSERT);
  EXPECT_EQ(table_.commands, (std::vector{TableCommand::kTakeIn}));
  window_->EnableCommand(TableCommand::kLeaveOut, true);
  Key(VK_DELETE);
  EXPECT_EQ(table_.commands.back(), TableCommand::kLeaveOut);

  Key(VK_ESCAPE);
  SendMessageW(window_->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(table_.close_requests, 2);
  // Only the core closes the window.
  EXPECT_TRUE(IsWindow(window_->hwnd()));
}

TEST_F(TableWindowTest, ProgramsSelectionRaisesNothingAndTheUsersIsToldOnce) {
  const int rows[] = {7, 3, 5, 100'000, -1};
  window_->SelectRows(rows);
  Pump();
  EXPECT_EQ(window_->SelectedRows(), (std::vector{3, 5, 7}));
  EXPECT_EQ(table_.selection_changes, 0);

  // The user moves the selection on from the focused row: one change, however many rows it let
  // go of.
  Key(VK_DOWN);
  EXPECT_EQ(window_->SelectedRows(), (std::vector{8}));
  EXPECT_EQ(table_.selection_changes, 1);

  window_->SelectRows({});
  Pump();
  EXPECT_TRUE(window_->SelectedRows().empty());
  EXPECT_EQ(table_.selection_changes, 1);
}

TEST_F(TableWindowTest, DimmedRowsAreGreyAndStruckThroughAlertRowsRed) {
  table_.dimmed = {1, 3};
  table_.alert = {2, 3};
  NMLVCUSTOMDRAW draw{};
  draw.nmcd.hdr = {list(), Win32TableWindow::kListId, static_cast<UINT>(NM_CUSTOMDRAW)};
  HDC dc = GetDC(list());
  HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  draw.nmcd.hdc = dc;
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(Notify(window_->hwnd(), draw.nmcd.hdr), CDRF_NOTIFYITEMDRAW);

  struct Row {
    int row;
    LRESULT answer;
    COLORREF color;
    bool struck;
  };
  constexpr COLORREF kUnchanged = RGB(1, 2, 3);
  const Row expected[] = {{0, CDRF_DODEFAULT, kUnchanged, false},
                          {1, CDRF_NEWFONT, GetSysColor(COLOR_GRAYTEXT), true},
                          {2, CDRF_NEWFONT, RGB(255, 0, 0), false},
                          {3, CDRF_NEWFONT, GetSysColor(COLOR_GRAYTEXT), true}};
  for (const Row& row : expected) {
    SelectObject(dc, original);
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row.row);
    draw.clrText = kUnchanged;
    EXPECT_EQ(Notify(window_->hwnd(), draw.nmcd.hdr), row.answer) << row.row;
    EXPECT_EQ(draw.clrText, row.color) << row.row;
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    EXPECT_EQ(font.lfStrikeOut != 0, row.struck) << row.row;
  }
  SelectObject(dc, original);
  ReleaseDC(list(), dc);
}

// The figures' texts, row by row, in the order they stand on the window.
std::vector<std::vector<std::wstring>> FiguresOf(const Win32TableWindow& window) {
  std::vector<std::pair<POINT, std::wstring>> cells;
  for (HWND child = GetWindow(window.hwnd(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"Static") != 0) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    cells.push_back({{rect.left, rect.top}, TextOf(child)});
  }
  std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
    return std::pair(a.first.y, a.first.x) < std::pair(b.first.y, b.first.x);
  });
  std::vector<std::vector<std::wstring>> rows;
  LONG top = -1'000'000;
  for (const auto& [corner, text] : cells) {
    if (corner.y != top) rows.emplace_back();
    top = corner.y;
    rows.back().push_back(text);
  }
  return rows;
}

TEST_F(TableWindowTest, FiguresShowTheCoresTextsUnderTheListAndFollowItsChanges) {
  using Rows = std::vector<std::vector<std::wstring>>;
  EXPECT_EQ(FiguresOf(*window_), (Rows{{L"", L"Velocity", L"Energy"},
                                       {L"Shots", L"3", L"3"},
                                       {L"Average", L"512.25", L"7.01"}}));
  RECT list_rect;
  GetWindowRect(list(), &list_rect);
  MapWindowPoints(HWND_DESKTOP, window_->hwnd(), reinterpret_cast<POINT*>(&list_rect), 2);
  EXPECT_GT(window_->figures_rect().top, list_rect.bottom);

  table_.figures[1] = {"Shots", "1234", "1234"};
  window_->FiguresChanged();
  EXPECT_EQ(FiguresOf(*window_)[1], (std::vector<std::wstring>{L"Shots", L"1234", L"1234"}));
  table_.figures.push_back({"Lowest", "498.00", "6.70"});
  window_->FiguresChanged();
  EXPECT_EQ(FiguresOf(*window_).size(), 4u);
  EXPECT_EQ(FiguresOf(*window_)[3][0], L"Lowest");
}

TEST_F(TableWindowTest, ChartIsPaintedWholeAndHandsOnItsClicks) {
  ASSERT_GT(table_.paints, 0);
  RECT client;
  GetClientRect(window_->chart(), &client);
  EXPECT_EQ(table_.painted_size.width, client.right);
  EXPECT_EQ(table_.painted_size.height, client.bottom);
  EXPECT_GT(client.right, 100);

  const int paints = table_.paints;
  window_->ChartChanged();
  EXPECT_EQ(table_.paints, paints);  // not yet: from the event loop
  PaintNow(window_->hwnd());
  EXPECT_EQ(table_.paints, paints + 1);

  SendMessageW(window_->chart(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
  EXPECT_EQ(table_.clicks, (std::vector<std::pair<int, int>>{{12, 34}}));
}

TEST_F(TableWindowTest, HelpIsAskedForThePartUnderFocusOrPointer) {
  const auto context_menu = [&](HWND clicked, POINT at) {
    SendMessageW(window_->hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clicked),
                 MAKELPARAM(at.x, at.y));
  };
  RECT figures = window_->figures_rect();
  POINT in_figures{figures.left + 2, figures.top + 2};
  ClientToScreen(window_->hwnd(), &in_figures);
  context_menu(window_->chart(), {0, 0});
  context_menu(window_->button(TableCommand::kTakeIn), {0, 0});
  context_menu(window_->hwnd(), in_figures);
  POINT outside{2, 2};
  ClientToScreen(window_->hwnd(), &outside);
  context_menu(window_->hwnd(), outside);  // the margin is no part

  HELPINFO info{sizeof(info), HELPINFO_WINDOW, 0, list(), 0, {0, 0}};
  SendMessageW(window_->hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  info.hItemHandle = window_->button(TableCommand::kLeaveOut);
  SendMessageW(window_->hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  using Help = std::pair<TablePart, HelpGesture>;
  EXPECT_EQ(table_.help, (std::vector<Help>{{TablePart::kChart, HelpGesture::kContextMenu},
                                            {TablePart::kTakeIn, HelpGesture::kContextMenu},
                                            {TablePart::kFigures, HelpGesture::kContextMenu},
                                            {TablePart::kTable, HelpGesture::kHelpRequest},
                                            {TablePart::kLeaveOut, HelpGesture::kHelpRequest}}));
}

TEST_F(TableWindowTest, FrameFollowsTheWindowAndTheSizeHasAFloor) {
  MoveWindow(window_->hwnd(), 100, 90, 700, 520, TRUE);
  const WindowPlacement moved = window_->Frame();
  EXPECT_EQ(std::vector({moved.x, moved.y, moved.width, moved.height}),
            std::vector({100, 90, 700, 520}));

  MINMAXINFO limits{};
  SendMessageW(window_->hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  ASSERT_GT(limits.ptMinTrackSize.x, 200);
  ASSERT_GT(limits.ptMinTrackSize.y, 200);
  MoveWindow(window_->hwnd(), 100, 90, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y, TRUE);
  // At the floor every part keeps its room and none covers another.
  RECT list_rect, chart_rect, button_rect;
  GetClientRect(list(), &list_rect);
  GetClientRect(window_->chart(), &chart_rect);
  GetWindowRect(window_->button(TableCommand::kTakeIn), &button_rect);
  EXPECT_GT(list_rect.bottom, 40);
  EXPECT_GT(chart_rect.right, 100);
  RECT chart_screen;
  GetWindowRect(window_->chart(), &chart_screen);
  EXPECT_LT(button_rect.right, chart_screen.left);
}

TEST_F(TableWindowTest, LettingGoDestroysTheWindowAndCallsNothingAfter) {
  const HWND hwnd = window_->hwnd();
  const int rows[] = {1};
  window_->SelectRows(rows);
  Key(VK_DOWN);
  // A change that still waits in the queue when the window goes.
  SendMessageW(list(), WM_KEYDOWN, VK_DOWN, 0);
  const int changes = table_.selection_changes;
  window_.reset();
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(table_.selection_changes, changes);
}

}  // namespace
}  // namespace tarvik::win32ui
