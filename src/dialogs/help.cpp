#include "dialogs/help.h"

#include <array>

namespace tarvik {
namespace {

constexpr std::array<HelpPair, 40> kHelpContextTable = {{
    // Main window: "Last shot", "Averages", the weight and the web address.
    {100, 1200},
    {110, 1201},
    {111, 1201},
    {140, 1202},
    {141, 1202},
    {120, 1203},
    {121, 1203},
    {130, 1204},
    {131, 1204},
    {150, 1205},
    {160, 1206},
    {161, 1206},
    {170, 1207},
    {171, 1207},
    {180, 1208},
    {181, 1208},
    {190, 1209},
    {195, 1210},
    // Set up, "General": the port, metric units and the legal limit.
    {220, 1220},
    {221, 1220},
    {222, 1220},
    {240, 1222},
    {241, 1222},
    {230, 1221},
    {231, 1221},
    {232, 1221},
    // Set up, "Log".
    {260, 1240},
    {250, 1241},
    {251, 1241},
    {270, 1241},
    // Set up, "Sound": the switch, the two files, their Browse and Play buttons.
    {280, 1260},
    {290, 1261},
    {291, 1261},
    {330, 1262},
    {310, 1263},
    {300, 1261},
    {301, 1261},
    {340, 1262},
    {320, 1263},
    {0, 0},
}};

}  // namespace

std::span<const HelpPair> HelpContextTable() { return kHelpContextTable; }

void ShowControlHelp(HelpViewer& viewer, int control, HelpCommand command) {
  // A refused call is left as it is: the control simply gets no help.
  viewer.WinHelp(kHelpFile, {command, 0, control, HelpContextTable()});
}

}  // namespace tarvik
