#include "res/shot_table_texts.h"

namespace tarvik {
namespace {

constexpr ShotTableTexts kNeutral{
    .caption = "Shot table",
    .shot = "Shot",
    .time = "Time",
    .velocity = "Velocity",
    .energy = "Energy",
    .count = "Count",
    .mark = "Mark",
    .limit = "Limit",
    .over = "over",
    .leave_out = "&Leave out",
    .take_in = "&Take in",
    .shots = "Shots",
    .average = "Average",
    .extreme_spread = "Extreme spread",
    .standard_deviation = "Standard deviation",
    .lowest = "Lowest",
    .highest = "Highest",
    .left_out_count = "left out",
    .no_shots = "No shots yet",
};

constexpr ShotTableTexts kGerman{
    .caption = "Schusstabelle",
    .shot = "Schuss",
    .time = "Zeit",
    .velocity = "Geschwindigkeit",
    .energy = "Energie",
    .count = "Zählwert",
    .mark = "Typ",
    .limit = "Grenze",
    .over = "über",
    .leave_out = "&Auslassen",
    .take_in = "&Einbeziehen",
    .shots = "Schüsse",
    .average = "Durchschnitt",
    .extreme_spread = "Streubreite",
    .standard_deviation = "Standardabweichung",
    .lowest = "Niedrigste",
    .highest = "Höchste",
    .left_out_count = "ausgelassen",
    .no_shots = "Noch keine Schüsse",
};

}  // namespace

const ShotTableTexts& ShotTableTextsFor(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGerman : kNeutral;
}

}  // namespace tarvik
