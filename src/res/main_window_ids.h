// Control and command identifiers of the main window, shared by its templates and its logic.
#ifndef TARVIK_RES_MAIN_WINDOW_IDS_H_
#define TARVIK_RES_MAIN_WINDOW_IDS_H_

namespace tarvik::ids {

// Menu commands.
inline constexpr int kCmdSetUp = 10;
inline constexpr int kCmdLogging = 20;
inline constexpr int kCmdViewLog = 21;
inline constexpr int kCmdDeleteLog = 22;
inline constexpr int kCmdReset = 30;
inline constexpr int kCmdUndo = 31;
inline constexpr int kCmdLoadLog = 32;
inline constexpr int kCmdAdvancedStatistics = 33;
inline constexpr int kCmdBig = 40;
inline constexpr int kCmdContents = 50;
inline constexpr int kCmdUsingHelp = 51;
inline constexpr int kCmdAbout = 52;
inline constexpr int kCmdSnap = 53;
inline constexpr int kCmdGraphics = 54;

// "Last shot" group.
inline constexpr int kLastVelocity = 110;
inline constexpr int kLastVelocityUnit = 111;
inline constexpr int kCounts = 120;
inline constexpr int kWeight = 130;
inline constexpr int kWeightUnit = 131;
inline constexpr int kLastEnergy = 140;
inline constexpr int kLastEnergyUnit = 141;
inline constexpr int kMark = 196;

// "Averages" group.
inline constexpr int kShotCount = 160;
inline constexpr int kAverageVelocity = 170;
inline constexpr int kAverageVelocityUnit = 171;
inline constexpr int kAverageEnergy = 180;
inline constexpr int kAverageEnergyUnit = 181;

}  // namespace tarvik::ids

#endif  // TARVIK_RES_MAIN_WINDOW_IDS_H_
