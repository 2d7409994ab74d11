#include "res/main_window_template.h"

#include <array>

#include "res/main_window_ids.h"

namespace tarvik {
namespace {

using templates::Id;

using enum ControlKind;
using W = MainWindowId;

constexpr std::string_view kCaption = "Dorvex qm-307 Chronoscope";
constexpr std::string_view kFont = "MS Sans Serif";
constexpr std::string_view kWebAddress = "www.dorvex.example";

// Each label is as wide as its longest text needs (a unit label's longest unit of either system)
// in MS Sans Serif, Tahoma and DejaVu Sans; the weight's unit ends before the Tab group's frame.
constexpr std::array kNeutralControls = {
    ControlTemplate{Id(W::kLastShotGroup), kGroupBox, "Last shot", 4, 0, 104, 60},
    ControlTemplate{Id(W::kLastVelocity), kValueField, "", 9, 12, 60, 12},
    ControlTemplate{Id(W::kLastVelocityUnit), kText, "fps", 74, 12, 22, 8},
    ControlTemplate{Id(W::kLastEnergy), kValueField, "", 9, 27, 60, 12},
    ControlTemplate{Id(W::kLastEnergyUnit), kText, "ft.lbs", 73, 27, 27, 8},
    ControlTemplate{Id(W::kCounts), kValueField, "", 9, 42, 60, 12},
    ControlTemplate{Id(W::kCountsLabel), kText, "counts", 74, 42, 26, 8},
    ControlTemplate{Id(W::kAveragesGroup), kGroupBox, "Averages", 113, 0, 103, 60},
    ControlTemplate{Id(W::kShotCount), kValueField, "", 121, 12, 60, 12},
    ControlTemplate{Id(W::kShotCountLabel), kText, "shots", 189, 12, 20, 8},
    ControlTemplate{Id(W::kAverageVelocity), kValueField, "", 121, 27, 60, 12},
    ControlTemplate{Id(W::kAverageVelocityUnit), kText, "fps", 189, 27, 20, 8},
    ControlTemplate{Id(W::kAverageEnergy), kValueField, "", 121, 42, 60, 12},
    ControlTemplate{Id(W::kAverageEnergyUnit), kText, "ft.lbs", 189, 42, 24, 8},
    ControlTemplate{Id(W::kWeight), kEdit, "", 8, 74, 50, 14},
    ControlTemplate{Id(W::kWeightUnit), kText, "gns", 60, 75, 33, 8},
    ControlTemplate{Id(W::kWebAddress), kText, kWebAddress, 8, 90, 96, 8},
    ControlTemplate{kNoControlId, kTextRight, "Mk", 10, 100, 16, 8},
    ControlTemplate{Id(W::kMark), kValueFieldCentered, "0", 30, 99, 16, 12},
    ControlTemplate{Id(W::kTabGroup), kGroupBox, "Tab", 93, 62, 123, 56},
    ControlTemplate{Id(W::kBuffered), kValueField, "", 101, 72, 30, 12},
    ControlTemplate{Id(W::kBufferedLabel), kText, "buffered", 136, 74, 34, 8},
    ControlTemplate{Id(W::kPrevious), kValueField, "", 101, 87, 30, 12},
    ControlTemplate{Id(W::kPreviousLabel), kText, "previous", 136, 89, 30, 8},
    ControlTemplate{Id(W::kFire), kPushButton, "Fire", 98, 100, 22, 14},
    ControlTemplate{Id(W::kAll), kPushButton, "All", 121, 100, 22, 14},
    ControlTemplate{Id(W::kBack), kPushButton, "Back", 144, 100, 34, 14},
    ControlTemplate{Id(W::kBack10), kPushButton, "Back 10", 179, 100, 34, 14},
};

constexpr std::array kGermanControls = {
    ControlTemplate{Id(W::kLastShotGroup), kGroupBox, "Letzter Schuss", 4, 0, 104, 48},
    ControlTemplate{Id(W::kLastVelocity), kValueField, "G", 9, 13, 60, 12},
    ControlTemplate{Id(W::kLastVelocityUnit), kText, "fps", 74, 14, 22, 8},
    ControlTemplate{Id(W::kLastEnergy), kValueField, "", 9, 31, 60, 12},
    ControlTemplate{Id(W::kLastEnergyUnit), kText, "ft.lbs", 73, 32, 27, 8},
    ControlTemplate{Id(W::kAveragesGroup), kGroupBox, "Durchschnitte", 113, 0, 103, 60},
    ControlTemplate{Id(W::kShotCount), kValueField, "", 121, 12, 60, 12},
    ControlTemplate{Id(W::kShotCountLabel), kText, "Schüsse", 184, 12, 30, 8},
    ControlTemplate{Id(W::kAverageVelocity), kValueField, "", 121, 27, 60, 12},
    ControlTemplate{Id(W::kAverageVelocityUnit), kText, "fps", 189, 27, 20, 8},
    ControlTemplate{Id(W::kAverageEnergy), kValueField, "", 121, 42, 60, 12},
    ControlTemplate{Id(W::kAverageEnergyUnit), kText, "ft.lbs", 189, 42, 24, 8},
    ControlTemplate{Id(W::kWeight), kEdit, "", 8, 56, 52, 14},
    ControlTemplate{Id(W::kWeightUnit), kText, "gns", 68, 57, 36, 8},
    ControlTemplate{Id(W::kWebAddress), kText, kWebAddress, 116, 64, 96, 8},
    ControlTemplate{kNoControlId, kTextRight, "Mk", 136, 78, 16, 8},
    ControlTemplate{Id(W::kMark), kValueFieldCentered, "0", 156, 77, 16, 12},
};

constexpr DialogTemplate kNeutralWindow{"TARVIK", kCaption, 223, 120, kFont, 8, kNeutralControls};
constexpr DialogTemplate kGermanWindow{"TARVIK", kCaption, 223, 103, kFont, 8, kGermanControls};

constexpr std::array kNeutralLogging = {
    MenuItem{Id(W::kLogging), "&Logging", {}},
    MenuItem{Id(W::kViewLog), "&View Log", {}},
    MenuItem{Id(W::kDeleteLog), "&Delete log", {}},
};
constexpr std::array kNeutralAverages = {
    MenuItem{Id(W::kReset), "&Reset", {}},
    MenuItem{Id(W::kUndo), "&Undo", {}},
    MenuItem{Id(W::kLoadLog), "&Load log", {}},
    MenuItem{Id(W::kAdvancedStatistics), "&Advanced Statistics on/off", {}},
    MenuItem{Id(W::kGraphics), "&Graphics on/off", {}},
};
constexpr std::array kNeutralHelp = {
    MenuItem{Id(W::kContents), "&Contents", {}},
    MenuItem{Id(W::kUsingHelp), "Using &help", {}},
    MenuItem{Id(W::kAbout), "&About", {}},
    MenuItem{Id(W::kSnap), "&Snap", {}},
};
constexpr std::array kNeutralShots = {
    MenuItem{Id(W::kShotTable), "&Shot table on/off", {}},
    MenuItem{Id(W::kNewString), "&New string...\tCtrl+N", {}, "Ctrl+N"},
    MenuItem{Id(W::kHistory), "&History...", {}},
};
constexpr std::array kNeutralBar = {
    MenuItem{Id(W::kSetUp), "&Set up", {}},     MenuItem{0, "&Logging", kNeutralLogging},
    MenuItem{0, "&Averages", kNeutralAverages}, MenuItem{Id(W::kBig), "&Big", {}},
    MenuItem{0, "Sh&ots", kNeutralShots},       MenuItem{0, "&Help", kNeutralHelp},
};

constexpr std::array kGermanLogging = {
    MenuItem{Id(W::kLogging), "&Aufzeichnen", {}},
    MenuItem{Id(W::kViewLog), "Aufzeichnung &Zeigen", {}},
    MenuItem{Id(W::kDeleteLog), "Aufzeichnung &Löschen", {}},
};
constexpr std::array kGermanAverages = {
    MenuItem{Id(W::kReset), "&Zurücksetzen", {}},
    MenuItem{Id(W::kUndo), "&Undo", {}},
    MenuItem{Id(W::kLoadLog), "Aufzeichnung &Laden", {}},
    MenuItem{Id(W::kAdvancedStatistics), "&Ausführliche Statistik ein/aus", {}},
};
constexpr std::array kGermanHelp = {
    MenuItem{Id(W::kContents), "&Inhalt", {}},
    MenuItem{Id(W::kUsingHelp), "&Hilfe benutzen", {}},
    MenuItem{Id(W::kAbout), "&Über", {}},
    MenuItem{Id(W::kSnap), "&Snap", {}},
};
constexpr std::array kGermanShots = {
    MenuItem{Id(W::kShotTable), "&Schusstabelle ein/aus", {}},
    MenuItem{Id(W::kNewString), "&Neue Serie...\tStrg+N", {}, "Ctrl+N"},
    MenuItem{Id(W::kHistory), "&Verlauf...", {}},
};
constexpr std::array kGermanBar = {
    MenuItem{Id(W::kSetUp), "&Set up", {}},         MenuItem{0, "&Aufzeichnen", kGermanLogging},
    MenuItem{0, "&Durchschnitte", kGermanAverages}, MenuItem{Id(W::kBig), "&Gross", {}},
    MenuItem{0, "S&chüsse", kGermanShots},          MenuItem{0, "&Hilfe", kGermanHelp},
};

constexpr MenuTemplate kNeutralMenu{"TARVIK", kNeutralBar};
constexpr MenuTemplate kGermanMenu{"TARVIK", kGermanBar};

}  // namespace

const DialogTemplate& MainWindowTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGermanWindow : kNeutralWindow;
}

const MenuTemplate& MainMenuTemplate(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGermanMenu : kNeutralMenu;
}

}  // namespace tarvik
