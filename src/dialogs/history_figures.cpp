#include "dialogs/history_figures.h"

#include <algorithm>

#include "base/number_text.h"
#include "dialogs/history_commands.h"
#include "measure/shot_figures.h"
#include "measure/units.h"
#include "res/history_texts.h"
#include "res/shot_table_texts.h"

namespace tarvik {
namespace {

std::string Titled(std::string_view word, const char* unit) {
  return std::string(word) + " (" + unit + ")";
}

Figures VelocityFigures(const KeptString& string) {
  RunningFigures figures;
  for (const KeptShot& shot : string.shots) {
    if (shot.counted()) figures.Add(shot.velocity);
  }
  return figures.Get();
}

// The counted shots, and in brackets those left out (an undone shot is gone, not left out).
std::string ShotsText(const KeptString& string, std::int64_t counted, UiLanguage language) {
  const auto left_out = std::ranges::count_if(
      string.shots, [](const KeptShot& shot) { return shot.left_out && !shot.undone; });
  std::string text = FormatInt(counted);
  if (left_out > 0) {
    text += " (" + FormatInt(left_out) + " " +
            std::string(ShotTableTextsFor(language).left_out_count) + ")";
  }
  return text;
}

}  // namespace

std::string WeightText(const KeptString& string, bool metric) {
  std::optional<double> lowest, highest;
  for (const KeptShot& shot : string.shots) {
    if (!shot.counted()) continue;
    lowest = std::min(lowest.value_or(shot.weight), shot.weight);
    highest = std::max(highest.value_or(shot.weight), shot.weight);
  }
  if (!lowest) return {};
  const std::string low = FormatFixed(WeightForDisplay(*lowest, metric), 2);
  const std::string high = FormatFixed(WeightForDisplay(*highest, metric), 2);
  return low == high ? low : low + " - " + high;
}

std::vector<std::vector<std::string>> ComparisonFigures(std::span<const KeptString> strings,
                                                        int selected, bool metric,
                                                        UiLanguage language) {
  const ShotTableTexts& words = ShotTableTextsFor(language);
  const char* unit = VelocityUnitLabel(metric);
  std::vector<std::vector<std::string>> rows = {
      {""},
      {std::string(words.shots)},
      {Titled(words.average, unit)},
      {Titled(words.extreme_spread, unit)},
      {Titled(words.standard_deviation, unit)},
      {Titled(words.lowest, unit)},
      {Titled(words.highest, unit)},
      {Titled(HistoryTextsFor(language).weight, WeightUnitLabel(metric))},
  };
  if (selected > static_cast<int>(strings.size())) {
    rows[0][0] = FormatInt(static_cast<std::int64_t>(strings.size())) +
                 std::string(HistoryTextsFor(language).compared_of) + FormatInt(selected);
  }
  for (const KeptString& string : strings) {
    const Figures v = VelocityFigures(string);
    const auto text = [&](double value, bool shown) {
      return shown ? FormatFixed(VelocityForDisplay(value, metric), 2) : std::string();
    };
    rows[0].push_back(ShownName(string.name, string.started, string.id));
    rows[1].push_back(ShotsText(string, v.count, language));
    rows[2].push_back(text(v.average, v.count > 0));
    rows[3].push_back(text(v.extreme_spread, v.count > 0));
    rows[4].push_back(text(v.standard_deviation, v.count > 1));
    rows[5].push_back(text(v.lowest, v.count > 0));
    rows[6].push_back(text(v.highest, v.count > 0));
    rows[7].push_back(WeightText(string, metric));
  }
  return rows;
}

ChartSeries SeriesOf(const KeptString& string, bool metric) {
  ChartSeries series;
  series.name = ShownName(string.name, string.started, string.id);
  for (const KeptShot& shot : string.shots) {
    if (shot.counted())
      series.points.push_back({shot.number, VelocityForDisplay(shot.velocity, metric)});
  }
  const Figures v = VelocityFigures(string);
  if (v.count > 0) series.average = VelocityForDisplay(v.average, metric);
  return series;
}

}  // namespace tarvik
