// What the history window and a kept string's window share: the services they reach, how a
// string's start and name are shown, and the commands both have (exporting strings to a CSV file,
// saving the chart, naming a string).
#ifndef TARVIK_DIALOGS_HISTORY_COMMANDS_H_
#define TARVIK_DIALOGS_HISTORY_COMMANDS_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/file_dialog.h"
#include "base/files.h"
#include "base/help_viewer.h"
#include "base/message_box.h"
#include "dialogs/string_dialog.h"
#include "dialogs/window_factory.h"
#include "history/history_folder.h"
#include "history/history_store.h"
#include "settings/settings_store.h"

namespace tarvik {

struct HistoryServices {
  WindowFactory& windows;
  HistoryFolder& folder;
  MessageBoxView& messages;
  FileDialogs& file_dialogs;
  HelpViewer& help;
  Clock& clock;
  SettingsStore& store;
  Files& files;
};

// "2026-12-07 09:30"; empty without a time.
std::string StartedText(const std::optional<LocalTime>& started);
// "09:30:05"
std::string TimeOfDayText(const LocalTime& time);
// The string's name, or while it has none the time it started (its id without one).
std::string ShownName(std::string_view name, const std::optional<LocalTime>& started,
                      std::string_view id);

// Writes the strings of `ids`, or every kept string when there are none, to a CSV file the user
// names; a failure is told with the system's text.
void ExportStrings(HistoryServices& services, HistoryStore& store, std::span<const std::string> ids,
                   UiLanguage language, std::string_view caption);

// Saves the window's chart to a file the user names, as PNG, or as PDF or SVG where the window
// can write them, by the name's extension (a name without one of them gets ".png").
void SaveChartAs(TableWindow& window, HistoryServices& services, UiLanguage language,
                 std::string_view caption);

// Asks the string's name and notes and writes those that changed; the new ones, or nothing when
// the user cancelled, nothing changed or writing failed (which is told).
std::optional<StringNaming> RenameString(HistoryServices& services, HistoryStore& store,
                                         const std::string& id, const StringNaming& current,
                                         UiLanguage language, std::string_view caption);

// The text of a failure: what failed and where, then the system's words.
std::string FailureText(std::string_view what, std::string_view where, const PlatformError& error);

}  // namespace tarvik

#endif  // TARVIK_DIALOGS_HISTORY_COMMANDS_H_
