// Identifiers of the main window's controls and menu commands, shared by its templates and its
// logic. Buttons are commands too: a click arrives under the button's identifier.
#ifndef TARVIK_RES_MAIN_WINDOW_IDS_H_
#define TARVIK_RES_MAIN_WINDOW_IDS_H_

namespace tarvik {

enum class MainWindowId : int {
  // What Enter and Escape produce; the main window ignores both.
  kOk = 1,
  kCancel = 2,

  // Menu commands.
  kSetUp = 10,
  kLogging = 20,
  kViewLog = 21,
  kDeleteLog = 22,
  kReset = 30,
  kUndo = 31,
  kLoadLog = 32,
  kAdvancedStatistics = 33,
  kBig = 40,
  kContents = 50,
  kUsingHelp = 51,
  kAbout = 52,
  kSnap = 53,
  kGraphics = 54,
  // Commands added beside the original menu, clear of its numbers.
  kShotTable = 1100,
  kNewString = 1101,
  kHistory = 1102,

  // "Last shot" group.
  kLastShotGroup = 100,
  kLastVelocity = 110,
  kLastVelocityUnit = 111,
  kCounts = 120,
  kCountsLabel = 121,
  kWeight = 130,
  kWeightUnit = 131,
  kLastEnergy = 140,
  kLastEnergyUnit = 141,

  // "Averages" group.
  kAveragesGroup = 150,
  kShotCount = 160,
  kShotCountLabel = 161,
  kAverageVelocity = 170,
  kAverageVelocityUnit = 171,
  kAverageEnergy = 180,
  kAverageEnergyUnit = 181,

  kWebAddress = 195,
  kMark = 196,

  // "Tab" group: the instrument's shot memory.
  kTabGroup = 198,
  kBuffered = 200,
  kBufferedLabel = 201,
  kPrevious = 202,
  kPreviousLabel = 203,
  kFire = 204,
  kBack = 206,
  kBack10 = 208,
  kAll = 210,
};

}  // namespace tarvik

#endif  // TARVIK_RES_MAIN_WINDOW_IDS_H_
