// The parts of the shot table's window around its list on the native front: the figures, the
// chart, help on each part, the frame and its floor, and the window's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "win32ui/table_window_fixture.h"

namespace tarvik::win32ui {
namespace {

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

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes.at(at)) << 24 | bytes.at(at + 1) << 16 |
         bytes.at(at + 2) << 8 | bytes.at(at + 3);
}

// The chart is saved as a PNG only, at its size but never below 400 by 300, painted as on the
// screen; a folder that does not exist gives the system's error.
TEST_F(TableWindowTest, ChartIsSavedAsPngAtItsSize) {
  EXPECT_TRUE(window_->CanSaveChart(ChartFormat::kPng));
  EXPECT_FALSE(window_->CanSaveChart(ChartFormat::kPdf));
  EXPECT_FALSE(window_->CanSaveChart(ChartFormat::kSvg));
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tarvik_table_chart.png";
  ASSERT_EQ(window_->SaveChart(path.string(), ChartFormat::kPng), std::nullopt);
  RECT client;
  GetClientRect(window_->chart(), &client);
  const std::vector<std::uint8_t> png = ReadFile(path);
  ASSERT_GT(png.size(), 60u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), static_cast<std::uint32_t>(std::max<LONG>(client.right, 400)));
  EXPECT_EQ(BigEndian(png, 20), static_cast<std::uint32_t>(std::max<LONG>(client.bottom, 300)));
  EXPECT_EQ(table_.painted_size.width, std::max<LONG>(client.right, 400));
  // The first pixel after the image data's chunk header (8), zlib header (2), block header (5)
  // and the row's filter byte (1): the core painted it red.
  const std::size_t idat = 8 + 12 + 13;
  ASSERT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
  const std::size_t first_pixel = idat + 8 + 2 + 5 + 1;
  EXPECT_EQ(std::vector(png.begin() + first_pixel, png.begin() + first_pixel + 3),
            (std::vector<std::uint8_t>{255, 0, 0}));
  std::filesystem::remove(path);

  const std::optional<PlatformError> error =
      window_->SaveChart("C:\\no-such-folder-here\\chart.png", ChartFormat::kPng);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(error->text.empty());
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
  context_menu(window_->button(kTakeIn), {0, 0});
  context_menu(window_->hwnd(), in_figures);
  POINT outside{2, 2};
  ClientToScreen(window_->hwnd(), &outside);
  context_menu(window_->hwnd(), outside);  // the margin is no part

  HELPINFO info{sizeof(info), HELPINFO_WINDOW, 0, list(), 0, {0, 0}};
  SendMessageW(window_->hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  info.hItemHandle = window_->button(kOpen);
  SendMessageW(window_->hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  using enum TablePart;
  using enum HelpGesture;
  using Help = std::tuple<TablePart, int, HelpGesture>;
  EXPECT_EQ(table_.help, (std::vector<Help>{{kChart, 0, kContextMenu},
                                            {kButton, kTakeIn, kContextMenu},
                                            {kFigures, 0, kContextMenu},
                                            {kTable, 0, kHelpRequest},
                                            {kButton, kOpen, kHelpRequest}}));
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
  // The last of the buttons, however many there are.
  GetWindowRect(window_->button(kOpen), &button_rect);
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
