// The shot table's list on the native front, over a core of 100,000 rows: it stays virtual (it
// asks for the rows it shows), the keys and buttons reach the commands, the program's own
// selection is not taken for the user's, and the rows are drawn as the core describes them.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <vector>

#include "win32ui/printed_window.h"
#include "win32ui/table_window_fixture.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

LRESULT Notify(HWND window, NMHDR& header) {
  return SendMessageW(window, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

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
  SendMessageW(window_->button(kTakeIn), BM_CLICK, 0, 0);
  SendMessageW(window_->button(kLeaveOut), BM_CLICK, 0, 0);
  SendMessageW(window_->button(kOpen), BM_CLICK, 0, 0);
  EXPECT_EQ(table_.commands, (std::vector{kLeaveOut, kTakeIn, kTakeIn, kLeaveOut, kOpen}));
  EXPECT_EQ(window_->button(99), nullptr);
  // The keys work again after a click on a button.
  EXPECT_EQ(GetFocus(), list());

  table_.commands.clear();
  window_->EnableCommand(kLeaveOut, false);
  window_->EnableCommand(kOpen, false);
  EXPECT_FALSE(IsWindowEnabled(window_->button(kLeaveOut)));
  EXPECT_TRUE(IsWindowEnabled(window_->button(kTakeIn)));
  Key(VK_DELETE);
  Key(VK_INSERT);
  SendMessageW(window_->button(kOpen), BM_CLICK, 0, 0);
  EXPECT_EQ(table_.commands, (std::vector{kTakeIn}));
  window_->EnableCommand(kLeaveOut, true);
  Key(VK_DELETE);
  EXPECT_EQ(table_.commands.back(), kLeaveOut);

  Key(VK_ESCAPE);
  SendMessageW(window_->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(table_.close_requests, 2);
  // Only the core closes the window.
  EXPECT_TRUE(IsWindow(window_->hwnd()));
}

// A double click on a row and Enter on the focused row activate it; a double click below the rows
// does nothing. The caption follows the core.
TEST_F(TableWindowTest, DoubleClickAndEnterActivateARow) {
  NMITEMACTIVATE click{};
  click.hdr = {list(), Win32TableWindow::kListId, static_cast<UINT>(NM_DBLCLK)};
  click.iItem = 4;
  Notify(window_->hwnd(), click.hdr);
  click.iItem = -1;
  Notify(window_->hwnd(), click.hdr);
  const int rows[] = {6};
  window_->SelectRows(rows);
  Key(VK_RETURN);
  EXPECT_EQ(table_.activated, (std::vector{4, 6}));
  EXPECT_TRUE(table_.commands.empty());

  window_->SetCaption("Morning \u00b7 12 shots");
  EXPECT_EQ(TextOf(window_->hwnd()), L"Morning \u00b7 12 shots");
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

TEST_F(TableWindowTest, AlertRowsInViewAreDrawnRed) {
  constexpr COLORREF kRedPixel = RGB(255, 0, 0);
  EXPECT_EQ(PrintedWindow(list()).CountOf(kRedPixel), 0);
  table_.alert = {1};
  EXPECT_GT(PrintedWindow(list()).CountOf(kRedPixel), 10);
  // Left out, the row is grey instead.
  table_.dimmed = {1};
  EXPECT_EQ(PrintedWindow(list()).CountOf(kRedPixel), 0);
}

// The figures' texts, row by row, in the order they stand on the window.

}  // namespace
}  // namespace tarvik::win32ui
