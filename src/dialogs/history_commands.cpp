#include "dialogs/history_commands.h"

#include <vector>

#include "base/number_text.h"
#include "res/history_texts.h"

namespace tarvik {
namespace {

constexpr std::string_view kExportName = "tarvik-history.csv";
constexpr std::string_view kChartName = "tarvik-chart.png";

std::string Digits(int value, int width) {
  std::string text = FormatInt(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != suffix[i]) return false;
  }
  return true;
}

}  // namespace

std::string StartedText(const std::optional<LocalTime>& started) {
  if (!started) return {};
  return Digits(started->year, 4) + "-" + Digits(started->month, 2) + "-" +
         Digits(started->day, 2) + " " + Digits(started->hour, 2) + ":" +
         Digits(started->minute, 2);
}

std::string TimeOfDayText(const LocalTime& time) {
  return Digits(time.hour, 2) + ":" + Digits(time.minute, 2) + ":" + Digits(time.second, 2);
}

std::string ShownName(std::string_view name, const std::optional<LocalTime>& started,
                      std::string_view id) {
  if (!name.empty()) return std::string(name);
  return started ? StartedText(started) : std::string(id);
}

std::string FailureText(std::string_view what, std::string_view where, const PlatformError& error) {
  std::string text = std::string(what) + std::string(where) + ".";
  if (!error.text.empty()) text += "\r\n\r\n" + error.text;
  return text;
}

void ExportStrings(HistoryServices& services, HistoryStore& store, std::span<const std::string> ids,
                   UiLanguage language, std::string_view caption) {
  const HistoryTexts& texts = HistoryTextsFor(language);
  const FileFilter filters[] = {{texts.csv_files, "*.csv"}};
  const std::string path = services.file_dialogs.ChooseFile(
      {texts.export_title, filters, std::string(kExportName), /*save=*/true});
  if (path == kExportName) return;  // cancelled
  // Oldest first, as the export of all: the list shows them newest first.
  const std::vector<std::string> chosen(ids.rbegin(), ids.rend());
  const std::optional<PlatformError> error =
      services.files.WriteStreamed(path, [&](const Files::PieceWriter& write) {
        return chosen.empty() ? store.ExportAllCsv(write) : store.ExportCsv(chosen, write);
      });
  if (error) services.messages.ShowMessage(FailureText(texts.export_failed, path, *error), caption);
}

void SaveChartAs(TableWindow& window, HistoryServices& services, UiLanguage language,
                 std::string_view caption) {
  const HistoryTexts& texts = HistoryTextsFor(language);
  std::vector<FileFilter> filters = {{texts.png_files, "*.png"}};
  const bool pdf = window.CanSaveChart(ChartFormat::kPdf);
  const bool svg = window.CanSaveChart(ChartFormat::kSvg);
  if (pdf) filters.push_back({texts.pdf_files, "*.pdf"});
  if (svg) filters.push_back({texts.svg_files, "*.svg"});
  std::string path = services.file_dialogs.ChooseFile(
      {texts.chart_title, filters, std::string(kChartName), /*save=*/true});
  if (path == kChartName) return;  // cancelled
  ChartFormat format = ChartFormat::kPng;
  if (pdf && EndsWithNoCase(path, ".pdf")) {
    format = ChartFormat::kPdf;
  } else if (svg && EndsWithNoCase(path, ".svg")) {
    format = ChartFormat::kSvg;
  } else if (!EndsWithNoCase(path, ".png")) {
    path += ".png";
  }
  if (const std::optional<PlatformError> error = window.SaveChart(path, format)) {
    services.messages.ShowMessage(FailureText(texts.chart_failed, path, *error), caption);
  }
}

std::optional<StringNaming> RenameString(HistoryServices& services, HistoryStore& store,
                                         const std::string& id, const StringNaming& current,
                                         UiLanguage language, std::string_view caption) {
  const std::optional<StringNaming> chosen = AskStringNaming(
      services.windows, services.help, language, StringDialogKind::kRename, current);
  if (!chosen || *chosen == current) return std::nullopt;
  const LocalTime now = services.clock.LocalNow();
  std::optional<PlatformError> error;
  if (chosen->name != current.name) error = store.SetName(id, chosen->name, now);
  if (!error && chosen->notes != current.notes) error = store.SetNotes(id, chosen->notes, now);
  if (error) {
    services.messages.ShowMessage(
        FailureText(HistoryTextsFor(language).rename_failed, services.folder.Path(), *error),
        caption);
    return std::nullopt;
  }
  return chosen;
}

}  // namespace tarvik
