#include "dialogs/help.h"

#include <algorithm>
#include <optional>

namespace tarvik {
namespace {

constexpr ControlTopic<MainWindowId> kMainWindowTopics[] = {
    // "Last shot", each field with its unit, and the weight.
    {MainWindowId::kLastShotGroup, 1200},
    {MainWindowId::kLastVelocity, 1201},
    {MainWindowId::kLastVelocityUnit, 1201},
    {MainWindowId::kLastEnergy, 1202},
    {MainWindowId::kLastEnergyUnit, 1202},
    {MainWindowId::kCounts, 1203},
    {MainWindowId::kCountsLabel, 1203},
    {MainWindowId::kWeight, 1204},
    {MainWindowId::kWeightUnit, 1204},
    // "Averages".
    {MainWindowId::kAveragesGroup, 1205},
    {MainWindowId::kShotCount, 1206},
    {MainWindowId::kShotCountLabel, 1206},
    {MainWindowId::kAverageVelocity, 1207},
    {MainWindowId::kAverageVelocityUnit, 1207},
    {MainWindowId::kAverageEnergy, 1208},
    {MainWindowId::kAverageEnergyUnit, 1208},
    // The web address.
    {MainWindowId::kWebAddress, 1210},
};

constexpr ControlTopic<ConfigId> kConfigTopics[] = {
    // General: the port, metric units and the legal limit.
    {ConfigId::kPortList, 1220},
    {ConfigId::kPortLabel, 1220},
    {ConfigId::kCommunicationsGroup, 1220},
    {ConfigId::kMetric, 1222},
    {ConfigId::kUnitsGroup, 1222},
    {ConfigId::kLimit, 1221},
    {ConfigId::kLimitUnit, 1221},
    {ConfigId::kLawGroup, 1221},
    // Log.
    {ConfigId::kUseLogging, 1240},
    {ConfigId::kLogFile, 1241},
    {ConfigId::kLogFileLabel, 1241},
    {ConfigId::kBrowseLog, 1241},
    // Sound: the switch, the two files, their Browse and Play buttons.
    {ConfigId::kUseSound, 1260},
    {ConfigId::kLegalSound, 1261},
    {ConfigId::kLegalLabel, 1261},
    {ConfigId::kBrowseLegal, 1262},
    {ConfigId::kPlayLegal, 1263},
    {ConfigId::kFacSound, 1261},
    {ConfigId::kFacLabel, 1261},
    {ConfigId::kBrowseFac, 1262},
    {ConfigId::kPlayFac, 1263},
};

template <typename Id>
HelpRequest Lookup(std::span<const ControlTopic<Id>> table, Id control, HelpGesture gesture) {
  const auto found = std::ranges::find(table, control, &ControlTopic<Id>::control);
  return HelpRequest::ControlTopic(
      found == table.end() ? std::nullopt : std::optional<int>(found->context), gesture);
}

}  // namespace

std::span<const ControlTopic<MainWindowId>> MainWindowHelpTable() { return kMainWindowTopics; }

std::span<const ControlTopic<ConfigId>> ConfigHelpTable() { return kConfigTopics; }

HelpRequest ControlHelp(MainWindowId control, HelpGesture gesture) {
  return Lookup(MainWindowHelpTable(), control, gesture);
}

HelpRequest ControlHelp(ConfigId control, HelpGesture gesture) {
  return Lookup(ConfigHelpTable(), control, gesture);
}

// A refused call is left as it is: the control simply gets no help.
void ShowControlHelp(HelpViewer& viewer, MainWindowId control, HelpGesture gesture) {
  viewer.ShowHelp(ControlHelp(control, gesture));
}

void ShowControlHelp(HelpViewer& viewer, ConfigId control, HelpGesture gesture) {
  viewer.ShowHelp(ControlHelp(control, gesture));
}

}  // namespace tarvik
