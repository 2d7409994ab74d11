// Strings and their history from end to end on the native front, against the simulated
// instrument on the test port (see scripts/wine-tests.sh): two strings named in the real "New
// string" dialog as they begin, the program closed and started again over the same history
// folder, the two compared side by side in the history and exported for a spreadsheet, and the
// comparison's chart saved as a picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "dialogs/app_session.h"
#include "dialogs/history_window.h"
#include "doubles/memory_settings.h"
#include "measure/csv_export.h"
#include "platform/win32/win32_history_folder.h"
#include "platform/win32/win32_serial_port.h"
#include "res/history_texts.h"
#include "res/string_dialog_template.h"
#include "win32ui/program_window.h"
#include "win32ui/win32_table_window.h"

namespace tarvik::win32ui {
namespace {

using Id = MainWindowId;
namespace fs = std::filesystem;

// The name and notes the next "New string" dialog is given, typed by a timer of the main window
// that runs inside the dialog's own loop, and its OK. The timer finds them in a property of the
// main window.
struct Naming {
  std::wstring name, notes;
  bool done = false;
};
constexpr wchar_t kNamingProperty[] = L"tarvik.test.naming";
constexpr UINT_PTR kNamingTimer = 0x7e57;

void CALLBACK TypeIntoDialog(HWND main_window, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = OwnedWindow(main_window, "New string");
  auto* naming = static_cast<Naming*>(GetPropW(main_window, kNamingProperty));
  if (dialog == nullptr || naming == nullptr) return;
  KillTimer(main_window, timer);
  SetDlgItemTextW(dialog, static_cast<int>(StringDialogId::kName), naming->name.c_str());
  SetDlgItemTextW(dialog, static_cast<int>(StringDialogId::kNotes), naming->notes.c_str());
  SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  naming->done = true;
}

// Starts a new string named so, and waits for two of its shots.
void ShootNamedString(ProgramWindow& program, Naming naming) {
  SetPropW(program.hwnd(), kNamingProperty, &naming);
  SetTimer(program.hwnd(), kNamingTimer, 50, TypeIntoDialog);
  program.Choose(Id::kNewString);
  ASSERT_TRUE(PumpUntil([&] { return naming.done; })) << "no New string dialog";
  RemovePropW(program.hwnd(), kNamingProperty);
  ASSERT_TRUE(PumpUntil([&] { return program.series().row_count() >= 2; }))
      << "no shots from the instrument";
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CompareAndExport(ProgramWindow& program, const fs::path& folder) {
  program.Choose(Id::kHistory);
  HWND history = nullptr;
  const std::string caption(HistoryTextsFor(UiLanguage::kNeutral).caption);
  ASSERT_TRUE(PumpUntil([&] { return (history = OwnedWindow(program.hwnd(), caption)); }));
  HWND list = FindWindowExW(history, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_NE(list, nullptr);
  // Shots came before the first string was named: they began a string of their own, older.
  ASSERT_GE(ItemCount(list), 2);
  EXPECT_EQ(ItemText(list, 0, HistoryWindow::kName), "RWS Superdome");  // newest first
  EXPECT_EQ(ItemText(list, 1, HistoryWindow::kName), "JSB Exact");
  EXPECT_GE(ParseInteger(ItemText(list, 1, HistoryWindow::kShots)), 2);

  // Both selected: their figures side by side.
  SelectOnly(list, 0);
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  ASSERT_TRUE(PumpUntil([&] {
    const auto figures = program.table()->Figures();
    return !figures.empty() && figures.front().size() == 3;
  }));
  EXPECT_EQ(program.table()->Figures().front()[1], "RWS Superdome");

  program.file_dialogs().choice = "C:\\strings.csv";
  SendMessageW(GetDlgItem(history, Win32TableWindow::kFirstButtonId + HistoryWindow::kExport - 1),
               BM_CLICK, 0, 0);
  const std::string csv = program.files().files["C:\\strings.csv"];
  EXPECT_TRUE(csv.starts_with(CsvHeader())) << csv;
  EXPECT_NE(csv.find(",JSB Exact,1,"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",RWS Superdome,2,"), std::string::npos) << csv;

  const fs::path chart = folder / "chart.png";
  program.file_dialogs().choice = chart.string();
  SendMessageW(
      GetDlgItem(history, Win32TableWindow::kFirstButtonId + HistoryWindow::kSaveChart - 1),
      BM_CLICK, 0, 0);
  EXPECT_TRUE(ReadWhole(chart).starts_with("\x89PNG\r\n\x1a\n"));
  program.Choose(Id::kHistory);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(history); }));
}

TEST(HistoryEndToEndTest, TwoNamedStringsAreKeptOverARestartComparedAndExported) {
  const char* port = std::getenv("TARVIK_TEST_PORT");
  if (port == nullptr) GTEST_SKIP() << "TARVIK_TEST_PORT names no simulated instrument";
  const fs::path folder =
      fs::temp_directory_path() / ("tarvik-history-" + FormatInt(::GetCurrentProcessId()));
  fs::remove_all(folder);
  win32::Win32SerialPlatform serial;
  for (int run = 0; run < 2; ++run) {
    win32::Win32HistoryFolder history(folder.string());
    // Started again without the instrument, so that no shot begins a third string.
    AppSession session(serial, std::make_unique<testing::MemorySettings>(),
                       run == 0 ? port : "COM99");
    const int exit_code =
        session.Run(UiLanguage::kNeutral, [&](AppState& state, SettingsStore& store) {
          ProgramWindow program(state, store, &history);
          ASSERT_TRUE(program.Open());
          if (run == 0) {
            ShootNamedString(program, {L"JSB Exact", L"8.44 gr, 25 m"});
            ShootNamedString(program, {L"RWS Superdome", L"8.3 gr, 25 m"});
          } else {
            CompareAndExport(program, folder);
          }
        });
    EXPECT_EQ(exit_code, 0);
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tarvik::win32ui
