#include "res/config_templates.h"

#include <array>
#include <string_view>

namespace tarvik {
namespace {

using enum ControlKind;
using C = ConfigId;

using templates::Id;
constexpr std::string_view kFont = "MS Sans Serif";

struct GeneralTexts {
  std::string_view communications, select_port, law, units, metric, no_change;
};
constexpr GeneralTexts kNeutralGeneral{"Communications", "Select the COM port", "Law",
                                       "Units",          "Use Metric units",    "100 = no change"};
constexpr GeneralTexts kGermanGeneral{
    "Verbindung", "Wähle die COM Schnittsetelle", "Gesetz",
    "Einheiten",  "Benutze Metrische Einheiten",  "100 no change"};

// The German page's port label and tick box are longer: the port list and the Law group make
// room for them.
struct GeneralLayout {
  int port_label_width, port_list_x;
  int units_width, metric_width;
  int law_x, law_width, limit_x, limit_unit_x;
};
constexpr GeneralLayout kNeutralGeneralLayout{.port_label_width = 72,
                                              .port_list_x = 96,
                                              .units_width = 116,
                                              .metric_width = 100,
                                              .law_x = 128,
                                              .law_width = 128,
                                              .limit_x = 136,
                                              .limit_unit_x = 208};
constexpr GeneralLayout kGermanGeneralLayout{.port_label_width = 106,
                                             .port_list_x = 120,
                                             .units_width = 124,
                                             .metric_width = 118,
                                             .law_x = 132,
                                             .law_width = 124,
                                             .limit_x = 140,
                                             .limit_unit_x = 212};

constexpr std::array<ControlTemplate, 11> GeneralControls(const GeneralTexts& t,
                                                          const GeneralLayout& l) {
  return {
      ControlTemplate{Id(C::kCommunicationsGroup), kGroupBox, t.communications, 4, 4, 253, 32},
      ControlTemplate{Id(C::kPortLabel), kText, t.select_port, 12, 16, l.port_label_width, 8},
      ControlTemplate{Id(C::kPortList), kDropDownList, "", l.port_list_x, 12, 108, 83},
      ControlTemplate{Id(C::kLawGroup), kGroupBox, t.law, l.law_x, 41, l.law_width, 28},
      ControlTemplate{Id(C::kLimit), kEdit, "", l.limit_x, 51, 68, 12},
      ControlTemplate{Id(C::kLimitUnit), kText, "ft.lbs", l.limit_unit_x, 53, 28, 8},
      ControlTemplate{Id(C::kUnitsGroup), kGroupBox, t.units, 4, 41, l.units_width, 27},
      ControlTemplate{Id(C::kMetric), kCheckBox, t.metric, 8, 50, l.metric_width, 12},
      ControlTemplate{kNoControlId, kGroupBox, "Calibration", 4, 72, 252, 31},
      ControlTemplate{Id(C::kCalibration), kEdit, "", 19, 83, 40, 14},
      ControlTemplate{kNoControlId, kText, t.no_change, 71, 86, 169, 8},
  };
}

constexpr auto kNeutralGeneralControls = GeneralControls(kNeutralGeneral, kNeutralGeneralLayout);
constexpr auto kGermanGeneralControls = GeneralControls(kGermanGeneral, kGermanGeneralLayout);
constexpr DialogTemplate kNeutralGeneralPage{"GeneralProp",          "", 260, 108, kFont, 8,
                                             kNeutralGeneralControls};
constexpr DialogTemplate kGermanGeneralPage{"GeneralProp",         "", 260, 108, kFont, 8,
                                            kGermanGeneralControls};

struct LogTexts {
  std::string_view file, browse, use;
  int file_width;
};
constexpr std::array<ControlTemplate, 4> LogControls(const LogTexts& t) {
  return {
      ControlTemplate{Id(C::kLogFileLabel), kText, t.file, 9, 31, t.file_width, 8},
      ControlTemplate{Id(C::kLogFile), kEdit, "", 8, 39, 244, 12},
      ControlTemplate{Id(C::kBrowseLog), kPushButton, t.browse, 202, 54, 50, 14},
      ControlTemplate{Id(C::kUseLogging), kCheckBox, t.use, 12, 12, 119, 12},
  };
}
constexpr auto kNeutralLogControls = LogControls({"Logging file", "Browse", "Use Logging", 60});
constexpr auto kGermanLogControls =
    LogControls({"Aufzeichnungs Datei", "Suchen", "Benutze Aufzeihnen", 76});
constexpr DialogTemplate kNeutralLogPage{"LogProp", "", 260, 80, kFont, 8, kNeutralLogControls};
constexpr DialogTemplate kGermanLogPage{"LogProp", "", 260, 80, kFont, 8, kGermanLogControls};

// The German page is wider: its buttons' texts are longer.
struct SoundLayout {
  std::string_view use, browse, play;
  int browse_width, play_x, play_width;
};
constexpr std::array<ControlTemplate, 9> SoundControls(const SoundLayout& l) {
  return {
      ControlTemplate{Id(C::kUseSound), kCheckBox, l.use, 28, 8, 100, 12},
      ControlTemplate{Id(C::kLegalSound), kEdit, "", 28, 30, 168, 12},
      ControlTemplate{Id(C::kBrowseLegal), kPushButton, l.browse, 199, 29, l.browse_width, 14},
      ControlTemplate{Id(C::kPlayLegal), kPushButton, l.play, l.play_x, 29, l.play_width, 14},
      ControlTemplate{Id(C::kLegalLabel), kText, "Legal", 5, 33, 20, 10},
      ControlTemplate{Id(C::kFacLabel), kText, "FAC", 5, 48, 16, 10},
      ControlTemplate{Id(C::kFacSound), kEdit, "", 28, 45, 168, 12},
      ControlTemplate{Id(C::kBrowseFac), kPushButton, l.browse, 199, 45, l.browse_width, 14},
      ControlTemplate{Id(C::kPlayFac), kPushButton, l.play, l.play_x, 45, l.play_width, 14},
  };
}
constexpr auto kNeutralSoundControls = SoundControls({"Use Sound", "Browse", "Play", 29, 232, 20});
constexpr auto kGermanSoundControls =
    SoundControls({"Benutze Sound", "Suchen", "Abspielen", 33, 235, 40});
constexpr DialogTemplate kNeutralSoundPage{"SoundProp",          "", 260, 80, kFont, 8,
                                           kNeutralSoundControls};
constexpr DialogTemplate kGermanSoundPage{"SoundProp", "", 280, 80, kFont, 8, kGermanSoundControls};

constexpr std::array kTabControls = {
    ControlTemplate{Id(C::kTabGroup), kGroupBox, "Current Tab Values", 5, 5, 78, 56},
    ControlTemplate{kNoControlId, kText, "Version", 15, 15, 30, 8},
    ControlTemplate{Id(C::kTabVersion), kValueField, "", 45, 15, 30, 12},
    ControlTemplate{kNoControlId, kText, "Next", 15, 30, 30, 8},
    ControlTemplate{Id(C::kTabNext), kValueField, "", 45, 30, 30, 12},
    ControlTemplate{kNoControlId, kText, "Empty", 15, 45, 30, 8},
    ControlTemplate{Id(C::kTabEmpty), kValueField, "", 45, 45, 30, 12},
    ControlTemplate{kNoControlId, kText, "Do you want to reset the tab?", 5, 72, 190, 10},
    ControlTemplate{Id(C::kResetTab), kPushButton, "Reset Tab", 200, 70, 50, 14},
};
constexpr DialogTemplate kTabPage{"TabProp", "", 260, 80, kFont, 8, kTabControls};

}  // namespace

const DialogTemplate& GeneralPageTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGermanGeneralPage : kNeutralGeneralPage;
}
const DialogTemplate& LogPageTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGermanLogPage : kNeutralLogPage;
}
const DialogTemplate& SoundPageTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGermanSoundPage : kNeutralSoundPage;
}
const DialogTemplate& TabPageTemplate() { return kTabPage; }

}  // namespace tarvik
