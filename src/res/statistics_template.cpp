#include "res/statistics_template.h"

#include <array>
#include <string_view>

namespace tarvik {
namespace {

using enum ControlKind;
using S = StatisticsId;

using templates::Id;

struct Texts {
  std::string_view shots, average, range, use_last_only, shots_after;
};

constexpr Texts kNeutralTexts{"Shots", "Avg", "Range", "Use just the last", "shots"};
constexpr Texts kGermanTexts{"Schüsse", "Durchschnitt", "Bereich", "Nur den letzten benutzen",
                             "Schüsse"};

// A place in dialog units.
struct Place {
  int x, y, width, height;
};

// Where the controls stand whose place depends on the language. The German texts are longer:
// their labels are wider, and the columns and the window move right to make room for them.
struct Layout {
  int width;  // of the window
  Place shots, shot_count, average, range, use_last_only, last_count, shots_after;
  int velocity_x, energy_x;  // the two columns' group boxes
};

constexpr Layout kNeutralLayout{.width = 225,
                                .shots = {5, 6, 23, 8},
                                .shot_count = {31, 5, 60, 12},
                                .average = {5, 60, 16, 8},
                                .range = {5, 75, 24, 8},
                                .use_last_only = {100, 5, 67, 12},
                                .last_count = {169, 5, 24, 12},
                                .shots_after = {196, 7, 20, 8},
                                .velocity_x = 32,
                                .energy_x = 128};
constexpr Layout kGermanLayout{.width = 245,
                               .shots = {5, 6, 30, 8},
                               .shot_count = {36, 5, 40, 12},
                               .average = {5, 60, 46, 8},
                               .range = {5, 75, 29, 8},
                               .use_last_only = {79, 5, 104, 12},
                               .last_count = {185, 5, 24, 12},
                               .shots_after = {211, 7, 30, 8},
                               .velocity_x = 52,
                               .energy_x = 148};

constexpr ControlTemplate At(int id, ControlKind kind, std::string_view text, const Place& p) {
  return {id, kind, text, p.x, p.y, p.width, p.height};
}

constexpr std::array<ControlTemplate, 22> Controls(const Texts& t, std::string_view count,
                                                   const Layout& l) {
  // Each column's figures stand a little inside its group box.
  const int v = l.velocity_x + 8;
  const int e = l.energy_x + 12;
  return {
      At(kNoControlId, kText, t.shots, l.shots),
      At(Id(S::kShotCount), kValueField, count, l.shot_count),
      ControlTemplate{kNoControlId, kText, "Min", 5, 30, 20, 8},
      ControlTemplate{kNoControlId, kText, "Max", 5, 45, 20, 8},
      At(kNoControlId, kText, t.average, l.average),
      At(kNoControlId, kText, t.range, l.range),
      ControlTemplate{kNoControlId, kText, "RMS", 5, 90, 20, 8},
      ControlTemplate{Id(S::kVelocityGroup), kGroupBox, "fps", l.velocity_x, 20, 92, 88},
      ControlTemplate{Id(S::kVelocityFirst, 0), kValueField, "0", v, 30, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 1), kValueField, "0", v, 45, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 2), kValueField, "0", v, 60, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 3), kValueField, "0", v, 75, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 4), kValueField, "0", v, 90, 60, 12},
      ControlTemplate{Id(S::kEnergyGroup), kGroupBox, "ft.lbs", l.energy_x, 20, 92, 88},
      ControlTemplate{Id(S::kEnergyFirst, 0), kValueField, "0", e, 30, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 1), kValueField, "0", e, 45, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 2), kValueField, "0", e, 60, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 3), kValueField, "0", e, 75, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 4), kValueField, "0", e, 90, 60, 12},
      At(Id(S::kLastCount), kEdit, "", l.last_count),
      At(Id(S::kUseLastOnly), kCheckBox, t.use_last_only, l.use_last_only),
      At(kNoControlId, kText, t.shots_after, l.shots_after),
  };
}

constexpr auto kNeutralControls = Controls(kNeutralTexts, "E", kNeutralLayout);
constexpr auto kGermanControls = Controls(kGermanTexts, "G", kGermanLayout);

constexpr std::string_view kCaption = "Advanced Statistics";
constexpr DialogTemplate kNeutral{
    "Averages", kCaption, kNeutralLayout.width, 112, "MS Sans Serif", 8, kNeutralControls, 21, 112};
constexpr DialogTemplate kGerman{
    "Averages", kCaption, kGermanLayout.width, 112, "MS Sans Serif", 8, kGermanControls, 21, 112};

}  // namespace

const DialogTemplate& StatisticsTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGerman : kNeutral;
}

}  // namespace tarvik
