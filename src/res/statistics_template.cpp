#include "res/statistics_template.h"

#include <array>
#include <string_view>

namespace tarvik {
namespace {

using enum ControlKind;
using S = StatisticsId;

constexpr int Id(S id) { return static_cast<int>(id); }
constexpr int Id(S first, int offset) { return static_cast<int>(first) + offset; }

struct Texts {
  std::string_view shots, average, range, use_last_only, shots_after;
};

constexpr Texts kNeutralTexts{"Shots", "Avg", "Range", "Use just the last", "shots"};
constexpr Texts kGermanTexts{"Schüsse", "Durchschnitt", "Bereich", "Nur den letzten benutzen",
                             "Schüsse"};

constexpr std::array<ControlTemplate, 22> Controls(const Texts& t, std::string_view count) {
  return {
      ControlTemplate{kNoControlId, kText, t.shots, 5, 6, 23, 8},
      ControlTemplate{Id(S::kShotCount), kValueField, count, 31, 5, 60, 12},
      ControlTemplate{kNoControlId, kText, "Min", 5, 30, 20, 8},
      ControlTemplate{kNoControlId, kText, "Max", 5, 45, 20, 8},
      ControlTemplate{kNoControlId, kText, t.average, 5, 60, 16, 8},
      ControlTemplate{kNoControlId, kText, t.range, 5, 75, 24, 8},
      ControlTemplate{kNoControlId, kText, "RMS", 5, 90, 20, 8},
      ControlTemplate{Id(S::kVelocityGroup), kGroupBox, "fps", 32, 20, 92, 88},
      ControlTemplate{Id(S::kVelocityFirst, 0), kValueField, "0", 40, 30, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 1), kValueField, "0", 40, 45, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 2), kValueField, "0", 40, 60, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 3), kValueField, "0", 40, 75, 60, 12},
      ControlTemplate{Id(S::kVelocityFirst, 4), kValueField, "0", 40, 90, 60, 12},
      ControlTemplate{Id(S::kEnergyGroup), kGroupBox, "ft.lbs", 128, 20, 92, 88},
      ControlTemplate{Id(S::kEnergyFirst, 0), kValueField, "0", 140, 30, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 1), kValueField, "0", 140, 45, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 2), kValueField, "0", 140, 60, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 3), kValueField, "0", 140, 75, 60, 12},
      ControlTemplate{Id(S::kEnergyFirst, 4), kValueField, "0", 140, 90, 60, 12},
      ControlTemplate{Id(S::kLastCount), kEdit, "", 169, 5, 24, 12},
      ControlTemplate{Id(S::kUseLastOnly), kCheckBox, t.use_last_only, 103, 5, 64, 12},
      ControlTemplate{kNoControlId, kText, t.shots_after, 196, 7, 20, 8},
  };
}

constexpr auto kNeutralControls = Controls(kNeutralTexts, "E");
constexpr auto kGermanControls = Controls(kGermanTexts, "G");

constexpr std::string_view kCaption = "Advanced Statistics";
constexpr DialogTemplate kNeutral{"Averages", kCaption,         225, 112, "MS Sans Serif",
                                  8,          kNeutralControls, 21,  112};
constexpr DialogTemplate kGerman{"Averages", kCaption,        225, 112, "MS Sans Serif",
                                 8,          kGermanControls, 21,  112};

}  // namespace

const DialogTemplate& StatisticsTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGerman : kNeutral;
}

}  // namespace tarvik
